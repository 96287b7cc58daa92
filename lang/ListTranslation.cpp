#include "lang/LanguageManager.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "framework/TextCodec.h"
#include "framework/WindowText.h"
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
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(control, GWL_STYLE));
    return !(style & kind.ownerDrawStyles) || (style & kind.hasStringsStyle);
}

CString StringListItem(HWND control, const StringListMessages& kind, int index)
{
    return fw::GetItemText(control, kind.getTextLen, kind.getText, index);
}

CString ListViewItem(HWND listView, int row)
{
    wchar_t text[kItemTextCapacity] = {};
    LVITEMW item = {};
    item.iSubItem = 0;
    item.pszText = text;
    item.cchTextMax = kItemTextCapacity;
    SendMessageW(listView, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
    text[kItemTextCapacity - 1] = L'\0';
    return fw::Utf8(text);
}

void SetListViewItem(HWND listView, int row, const CString& text)
{
    std::wstring wide = fw::Wide(text);
    LVITEMW item = {};
    item.iSubItem = 0;
    item.pszText = &wide[0];
    SendMessageW(listView, LVM_SETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
}

int HeaderCount(HWND header)
{
    return IsAlive(header) ? static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
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
    if (SendMessageW(control, kind.getCount, 0, 0) <= 0)
        return false;
    Pass pass(*this);
    const LRESULT selection = SendMessageW(control, kind.getCurSel, 0, 0);
    const CString itemSection = ItemSection(kind.sectionFormat, section, controlId);
    for (int index = 0; index < SendMessageW(control, kind.getCount, 0, 0); ++index) {
        const CString text = StringListItem(control, kind, index);
        if (HasNothingToTranslate(text))
            continue;
        const CString key = NumberedKey(index);
        if (exportTexts)
            WriteString(itemSection, key, text);
        const CString translated = ReadString(itemSection, key);
        if (translated.empty())
            continue;
        SendMessageW(control, kind.deleteString, index, 0);
        fw::SendTextMessage(control, kind.insertString, static_cast<WPARAM>(index), translated);
    }
    SendMessageW(control, kind.setCurSel, static_cast<WPARAM>(selection), 0);
    return true;
}

bool LanguageManager::TranslateListCtrl(bool exportTexts, const CString& section, int controlId,
                                        HWND listView) const
{
    if (!IsAlive(listView) || !HasLanguage())
        return false;
    HWND header = reinterpret_cast<HWND>(SendMessageW(listView, LVM_GETHEADER, 0, 0));
    if (HeaderCount(header) < 1)
        return false;
    Pass pass(*this);
    const CString itemSection = ItemSection("%s - ListCtrlID_%d", section, controlId);
    for (int row = 0; row < SendMessageW(listView, LVM_GETITEMCOUNT, 0, 0); ++row) {
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
    wchar_t text[kHeaderTextCapacity] = {};
    HDITEMW item = {};
    item.mask = HDI_TEXT;
    item.pszText = text;
    item.cchTextMax = kHeaderTextCapacity;
    if (!SendMessageW(header, HDM_GETITEMW, column, reinterpret_cast<LPARAM>(&item)))
        return;
    text[kHeaderTextCapacity - 1] = L'\0';
    const CString shown = fw::Utf8(text);
    if (HasNothingToTranslate(shown))
        return;
    const CString key = NumberedKey(1000 + column);
    if (exportTexts)
        WriteString(itemSection, key, shown);
    const CString translated = ReadString(itemSection, key);
    if (translated.empty())
        return;
    // A translation longer than the header's buffer is cut to fit it, never
    // inside a character.
    std::wstring wide = fw::Wide(translated);
    size_t length = std::min<size_t>(wide.size(), kHeaderTextCapacity - 1);
    if (length < wide.size() && length > 0 && IS_HIGH_SURROGATE(wide[length - 1]))
        --length;
    wide.resize(length);
    item.mask = HDI_TEXT;
    item.pszText = &wide[0];
    SendMessageW(header, HDM_SETITEMW, column, reinterpret_cast<LPARAM>(&item));
}
