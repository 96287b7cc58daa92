#include "lang/LanguageManager.h"

#include <cstdio>

#include "framework/Menu.h"
#include "framework/TextCodec.h"
#include "framework/WindowText.h"
#include "lang/ControlClasses.h"

namespace {

CString MenuItemText(HMENU menu, int position)
{
    return fw::GetMenuString(menu, static_cast<UINT>(position), MF_BYPOSITION);
}

CString MenuSection(int menuId)
{
    char section[32];
    std::snprintf(section, sizeof(section), "MenuID_%d", menuId);
    return section;
}

CString SubmenuKey(int firstCommand)
{
    char key[32];
    std::snprintf(key, sizeof(key), "SubID_%d", firstCommand);
    return key;
}

// A popup item's text changes; its submenu, state and data stay as they are.
void SetMenuItemText(HMENU menu, int position, const CString& text)
{
    std::wstring wide = fw::Wide(text);
    MENUITEMINFOW info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STRING;
    info.dwTypeData = &wide[0];
    SetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info);
}

} // namespace

bool LanguageManager::HasNoItemData(HMENU menu, int position)
{
    MENUITEMINFOW info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_DATA;
    return GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info) && info.dwItemData == 0;
}

bool LanguageManager::TranslateMenu(bool exportTexts, HMENU menu, int menuId) const
{
    if (!menu || !IsMenu(menu) || !HasLanguage())
        return false;
    Pass pass(*this);
    const CString section = MenuSection(menuId);
    for (int position = 0; position < GetMenuItemCount(menu); ++position) {
        const int id = static_cast<int>(GetMenuItemID(menu, position));
        if (!HasNoItemData(menu, position))
            continue;
        HMENU submenu = id == -1 ? GetSubMenu(menu, position) : nullptr;
        const bool isPopup = submenu && IsMenu(submenu);
        if (isPopup)
            TranslateMenu(exportTexts, submenu, menuId);
        const CString text = MenuItemText(menu, position);
        if (HasNothingToTranslate(text))
            continue;
        const size_t tab = text.find('\t');
        const CString proper = text.substr(0, tab);
        const CString suffix = tab == CString::npos ? CString() : text.substr(tab);
        if (isPopup) {
            const int first = static_cast<int>(GetMenuItemID(submenu, 0));
            if (first == 0 || first == -1)
                continue;
            const CString key = SubmenuKey(first);
            if (exportTexts)
                WriteString(section, key, proper);
            const CString translated = ReadString(section, key);
            if (!translated.empty())
                SetMenuItemText(menu, position, translated + suffix);
            continue;
        }
        if (exportTexts)
            StoreText(section, id, proper);
        const CString translated = LookupText(section, id, proper) + suffix;
        ModifyMenuW(menu, static_cast<UINT>(position), MF_BYPOSITION | MF_STRING,
                    static_cast<UINT_PTR>(id), fw::Wide(translated).c_str());
    }
    return true;
}

bool LanguageManager::TranslateMenu(bool exportTexts, CMenu* menu, int menuId) const
{
    return TranslateMenu(exportTexts, menu ? menu->GetSafeHmenu() : nullptr, menuId);
}
