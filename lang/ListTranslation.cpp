#include "lang/LanguageManager.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "lang/ControlClasses.h"

// The messages in which combo boxes and list boxes differ.
struct StringListMessages {
    const char* sectionFormat;
    DWORD hasStringsStyle;
    DWORD ownerDrawStyles;
    UINT getCount, getCurSel, setCurSel, getTextLen, getText, deleteString, insertString;
};

namespace {

const int kItemTextCapacity = 1024;
const int kHeaderTextCapacity = 260;

const StringListMessages kComboBox = {
    "%s - ComboBoxID_%d", CBS_HASSTRINGS, CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE,
    CB_GETCOUNT,          CB_GETCURSEL,   CB_SETCURSEL,
    CB_GETLBTEXTLEN,      CB_GETLBTEXT,   CB_DELETESTRING,
    CB_INSERTSTRING};

const StringListMessages kListBox = {
    "%s - ListBoxID_%d", LBS_HASSTRINGS, LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE,
    LB_GETCOUNT,         LB_GETCURSEL,   LB_SETCURSEL,
    LB_GETTEXTLEN,       LB_GETTEXT,     LB_DELETESTRING,
    LB_INSERTSTRING};

bool IsAlive(HWND window)
{
    return window && IsWindow(window);
}

CString ItemSection(const char* format, const CString& section, int controlId)
{
    std::vector<char> name(section.size() + 48, '\0');
    std::snprintf(name.data(), name.size(), format, section.c_str(), controlId);
    return name.data();
}

CString NumberedKey(int n)
{
    char key[24];
    std::snprintf(key, sizeof(key), "ID_%d", n);
    return key;
}

// An owner-drawn list without the has-strings style keeps data, not texts.
bool HoldsStrings(HWND control, const StringListMessages& kind)
{
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrA(control, GWL_STYLE));
    return !(style & kind.ownerDrawStyles) || (style & kind.hasStringsStyle);
}

CString StringListItem(HWND control, const StringListMessages& kind, int index)
{
    const LRESULT length = SendMessageA(control, kind.getTextLen, index, 0);
    if (length <= 0)
        return CString();
    std::vector<char> text(static_cast<size_t>(length) + 1, '\0');
    if (SendMessageA(control, kind.getText, index, reinterpret_cast<LPARAM>(text.data())) <= 0)
        return CString();
    return text.data();
}

CString ListViewItem(HWND listView, int row)
{
    char text[kItemTextCapacity] = {};
    LVITEMA item = {};
    item.iSubItem = 0;
    item.pszText = text;
    item.cchTextMax = sizeof(text);
    SendMessageA(listView, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
    text[sizeof(text) - 1] = '\0';
    return text;
}

void SetListViewItem(HWND listView, int row, const CString& text)
{
    LVITEMA item = {};
    item.iSubItem = 0;
    item.pszText = const_cast<char*>(text.c_str());
    SendMessageA(listView, LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
}

int HeaderCount(HWND header)
{
    return IsAlive(header) ? static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
}

} // namespace

bool LanguageManager::TranslateComboBox(bool exportTexts, const CString& section, int controlId,
                                        HWND comboBox) const
{
    return TranslateStringList(exportTexts, section, controlId, comboBox, kComboBox);
}

bool LanguageManager::TranslateListBox(bool exportTexts, const CString& section, int controlId,
                                       HWND listBox) const
{
    return TranslateStringList(exportTexts, section, controlId, listBox, kListBox);
}

bool LanguageManager::TranslateStringList(bool exportTexts, const CString& section, int controlId,
                                          HWND control, const StringListMessages& kind) const
{
    if (!IsAlive(control) || !HasLanguage() || !HoldsStrings(control, kind))
        return false;
    if (SendMessageA(control, kind.getCount, 0, 0) <= 0)
        return false;
    Pass pass(*this);
    const LRESULT selection = SendMessageA(control, kind.getCurSel, 0, 0);
    const CString itemSection = ItemSection(kind.sectionFormat, section, controlId);
    for (int index = 0; index < SendMessageA(control, kind.getCount, 0, 0); ++index) {
        const CString text = StringListItem(control, kind, index);
        if (HasNothingToTranslate(text))
            continue;
        const CString key = NumberedKey(index);
        if (exportTexts)
            WriteString(itemSection, key, text);
        const CString translated = ReadString(itemSection, key);
        if (translated.empty())
            continue;
        SendMessageA(control, kind.deleteString, index, 0);
        SendMessageA(control, kind.insertString, index,
                     reinterpret_cast<LPARAM>(translated.c_str()));
    }
    SendMessageA(control, kind.setCurSel, static_cast<WPARAM>(selection), 0);
    return true;
}

bool LanguageManager::TranslateListCtrl(bool exportTexts, const CString& section, int controlId,
                                        HWND listView) const
{
    if (!IsAlive(listView) || !HasLanguage())
        return false;
    HWND header = reinterpret_cast<HWND>(SendMessageA(listView, LVM_GETHEADER, 0, 0));
    if (HeaderCount(header) < 1)
        return false;
    Pass pass(*this);
    const CString itemSection = ItemSection("%s - ListCtrlID_%d", section, controlId);
    for (int row = 0; row < SendMessageA(listView, LVM_GETITEMCOUNT, 0, 0); ++row) {
        const CString text = ListViewItem(listView, row);
        if (HasNothingToTranslate(text))
            continue;
        const CString key = NumberedKey(row);
        if (exportTexts)
            WriteString(itemSection, key, text);
        const CString translated = ReadString(itemSection, key);
        if (!translated.empty())
            SetListViewItem(listView, row, translated);
    }
    for (int column = 0; column < HeaderCount(header); ++column)
        TranslateHeaderItem(exportTexts, itemSection, header, column);
    return true;
}

void LanguageManager::TranslateHeaderItem(bool exportTexts, const CString& itemSection, HWND header,
                                          int column) const
{
    char text[kHeaderTextCapacity] = {};
    HDITEMA item = {};
    item.mask = HDI_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof(text);
    if (!SendMessageA(header, HDM_GETITEMA, column, reinterpret_cast<LPARAM>(&item)))
        return;
    text[sizeof(text) - 1] = '\0';
    if (HasNothingToTranslate(text))
        return;
    const CString key = NumberedKey(1000 + column);
    if (exportTexts)
        WriteString(itemSection, key, text);
    const CString translated = ReadString(itemSection, key);
    if (translated.empty())
        return;
    // A translation longer than the header's buffer is cut to fit it.
    const size_t length = std::min(translated.size(), sizeof(text) - 1);
    translated.copy(text, length);
    text[length] = '\0';
    item.mask = HDI_TEXT;
    item.pszText = text;
    SendMessageA(header, HDM_SETITEMA, column, reinterpret_cast<LPARAM>(&item));
}
