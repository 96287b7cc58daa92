// Scene "traymenu": the notification icon's pop-up menu (menu 134 built by
// the icon menu, "Open..." as the default item), each item drawn through the
// icon menu's own MeasureItem and DrawItem into one picture, since a real
// pop-up menu is hard to capture. The argument names the position of the item
// drawn as selected (-1 for none); "states" adds greyed and checked items.
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "PictureScene.h"
#include "SampleCycle.h"
#include "Scene.h"
#include "lang/LanguageManager.h"
#include "res/resource.h"
#include "framework/Dpi.h"
#include "ui/IconMenu.h"

namespace snap {

namespace {

struct PlacedItem {
    int position;
    UINT id;
    ULONG_PTR data;
    UINT height;
};

UINT StateOf(int position, int selected, bool extraStates)
{
    UINT state = position == 0 ? ODS_DEFAULT : 0;
    if (position == selected)
        state |= ODS_SELECTED;
    if (extraStates) {
        if (position == 1)
            state |= ODS_GRAYED;
        if (position == 4 || position == 7)
            state |= ODS_CHECKED;
    }
    return state;
}

HWND CreateTrayMenuScene(const std::string& argument)
{
    bool extraStates = argument == "states";
    int selected = extraStates ? 7 : (argument.empty() ? 3 : std::atoi(argument.c_str()));
    static IconMenu menu; // lives until the viewer ends
    if (!menu.LoadMenu(IDR_TRAY_MENU))
        return nullptr;
    TheTexts().TranslateMenu(true, &menu, IDR_TRAY_MENU); // the "lang" scene's language
    if (!menu.BuildIconMenu(IDB_MENU_ICONS, RGB(192, 192, 192), fw::SystemDpi()))
        return nullptr;
    menu.SetItemImage(ID_MENU_OPEN, 0);
    HMENU popupHandle = menu.GetSubMenu(0);
    ::SetMenuDefaultItem(popupHandle, 0, TRUE);
    auto* popup = static_cast<IconMenu*>(CMenu::FromHandlePermanent(popupHandle));
    if (!popup)
        return nullptr;

    std::vector<PlacedItem> items;
    int width = 0;
    int height = 0;
    for (int position = 0; position < popup->GetMenuItemCount(); ++position) {
        MENUITEMINFOA info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_ID | MIIM_DATA;
        ::GetMenuItemInfoA(popupHandle, static_cast<UINT>(position), TRUE, &info);
        MEASUREITEMSTRUCT measure{};
        measure.CtlType = ODT_MENU;
        measure.itemID = info.wID;
        measure.itemData = info.dwItemData;
        popup->MeasureItem(&measure);
        items.push_back({position, info.wID, info.dwItemData, measure.itemHeight});
        width = std::max(width, static_cast<int>(measure.itemWidth));
        height += static_cast<int>(measure.itemHeight);
    }

    // A one-pixel frame around the items, like the menu window's border.
    HDC screen = ::GetDC(nullptr);
    HDC dc = ::CreateCompatibleDC(screen);
    HBITMAP picture = ::CreateCompatibleBitmap(screen, width + 2, height + 2);
    ::ReleaseDC(nullptr, screen);
    HGDIOBJ previous = ::SelectObject(dc, picture);
    RECT frame{0, 0, width + 2, height + 2};
    ::FillRect(dc, &frame, ::GetSysColorBrush(COLOR_BTNSHADOW));
    int top = 1;
    for (const PlacedItem& item : items) {
        DRAWITEMSTRUCT draw{};
        draw.CtlType = ODT_MENU;
        draw.itemID = item.id;
        draw.itemAction = ODA_DRAWENTIRE;
        draw.itemState = StateOf(item.position, selected, extraStates);
        draw.hwndItem = reinterpret_cast<HWND>(popupHandle);
        draw.hDC = dc;
        draw.rcItem = RECT{1, top, 1 + width, top + static_cast<int>(item.height)};
        draw.itemData = item.data;
        popup->DrawItem(&draw);
        top += static_cast<int>(item.height);
    }
    ::SelectObject(dc, previous);
    ::DeleteDC(dc);
    return ShowPicture(picture);
}

SceneRegistration trayMenuScene({"traymenu", "<selected position, -1 none | states>",
                                 CreateTrayMenuScene});

} // namespace

} // namespace snap
