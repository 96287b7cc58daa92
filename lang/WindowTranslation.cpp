#include "lang/LanguageManager.h"

#include <commctrl.h>
#include <prsht.h>

#include <cstdio>

#include "framework/PropertySheet.h"
#include "framework/TextCodec.h"
#include "framework/WindowText.h"
#include "lang/ControlClasses.h"

namespace {

HWND HandleOf(const CWnd* window)
{
    return window ? window->GetSafeHwnd() : nullptr;
}

bool IsAlive(HWND window)
{
    return window && IsWindow(window);
}

CString WindowText(HWND window)
{
    return fw::GetWindowText(window);
}

CString DialogSection(int dialogId)
{
    char section[32];
    std::snprintf(section, sizeof(section), "DialogID_%d", dialogId);
    return section;
}

CString PageSection(const CString& section, int pageIndex)
{
    char suffix[32];
    std::snprintf(suffix, sizeof(suffix), " - PageNo_%d", pageIndex);
    return section + suffix;
}

// The translated mark lives in a window property named by an atom of ours.
LPCWSTR TranslatedMark()
{
    static const ATOM atom = GlobalAddAtomW(L"Velindra.Translated");
    return reinterpret_cast<LPCWSTR>(static_cast<ULONG_PTR>(atom));
}

void MarkTranslated(HWND window)
{
    SetPropW(window, TranslatedMark(), reinterpret_cast<HANDLE>(1));
}

CPropertySheet* PropertySheetOf(HWND window)
{
    return dynamic_cast<CPropertySheet*>(CWnd::FromHandlePermanent(window));
}

bool IsPropertyPage(HWND window)
{
    return dynamic_cast<CPropertyPage*>(CWnd::FromHandlePermanent(window)) != nullptr;
}

// A page's caption is its tab's text; a sheet without a tab control has none.
void SetPageCaption(HWND page, int pageIndex, const CString& caption)
{
    HWND tabs = reinterpret_cast<HWND>(SendMessageW(GetParent(page), PSM_GETTABCONTROL, 0, 0));
    if (!IsAlive(tabs))
        return;
    std::wstring text = fw::Wide(caption);
    TCITEMW item = {};
    item.mask = TCIF_TEXT;
    item.pszText = &text[0];
    SendMessageW(tabs, TCM_SETITEMW, static_cast<WPARAM>(pageIndex),
                 reinterpret_cast<LPARAM>(&item));
}

} // namespace

bool LanguageManager::WasTranslated(HWND window)
{
    return IsAlive(window) && GetPropW(window, TranslatedMark()) != nullptr;
}

UINT LanguageManager::TranslatedMessage()
{
    static const UINT message = RegisterWindowMessageW(L"Orrowby.Velindra.Translated");
    return message;
}

bool LanguageManager::TranslateDialog(bool exportTexts, bool ownCaption, CWnd* window, int dialogId,
                                      int pageIndex, CString& section) const
{
    return TranslateDialog(exportTexts, ownCaption, HandleOf(window), dialogId, pageIndex, section);
}

bool LanguageManager::TranslateDialog(bool exportTexts, bool ownCaption, HWND window, int dialogId,
                                      int pageIndex, CString& section) const
{
    if (!IsAlive(window) || dialogId == 0 || !HasLanguage())
        return false;
    Pass pass(*this);
    if (WasTranslated(window))
        exportTexts = false;
    MarkTranslated(window);
    CString ownSection;
    if (section.empty())
        ownSection = section = DialogSection(dialogId);
    else
        ownSection = PageSection(section, pageIndex);

    if (ownCaption)
        TranslateCaption(exportTexts, window, pageIndex, ownSection);
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        TranslateChild(exportTexts, child, dialogId, ownSection);
    SendMessageW(window, TranslatedMessage(), 0, reinterpret_cast<LPARAM>(&ownSection));
    return true;
}

bool LanguageManager::TranslatePage(bool exportTexts, HWND page, int dialogId, int pageIndex) const
{
    CString section = DialogSection(dialogId);
    return TranslateDialog(exportTexts, true, page, dialogId, pageIndex, section);
}

void LanguageManager::TranslateCaption(bool exportTexts, HWND window, int pageIndex,
                                       const CString& section) const
{
    CString caption = WindowText(window);
    if (caption.empty())
        return;
    if (exportTexts)
        StoreText(section, 0, caption);
    caption = LookupText(section, 0, caption);
    if (IsPropertyPage(window))
        SetPageCaption(window, pageIndex, caption);
    else
        fw::SetWindowText(window, caption);
}

void LanguageManager::TranslateChild(bool exportTexts, HWND child, int dialogId,
                                     const CString& section) const
{
    if (CPropertySheet* sheet = PropertySheetOf(child)) {
        TranslateSheet(exportTexts, sheet, dialogId, section);
        return;
    }
    if (!IsTranslatable(child))
        return;
    const int id = GetDlgCtrlID(child);
    if (IsButton(child) || IsStatic(child)) {
        if (exportTexts)
            ExportWindowText(section, id, child);
        TranslateWindowText(section, id, child);
    } else if (IsListView(child)) {
        TranslateListCtrl(exportTexts, section, id, child);
    } else if (IsComboBox(child)) {
        TranslateComboBox(exportTexts, section, id, child);
    } else if (IsListBox(child)) {
        TranslateListBox(exportTexts, section, id, child);
    }
}

void LanguageManager::TranslateSheet(bool exportTexts, CPropertySheet* sheet, int dialogId,
                                     const CString& section) const
{
    const int active = sheet->GetActiveIndex();
    for (int index = 0; index < sheet->GetPageCount(); ++index) {
        CPropertyPage* page = sheet->GetPage(index);
        if (!page || !IsAlive(page->GetSafeHwnd()))
            continue;
        CString sheetSection = section;
        TranslateDialog(exportTexts, true, page->GetSafeHwnd(), dialogId, index, sheetSection);
    }
    if (active >= 0)
        sheet->SetActivePage(active);
}

bool LanguageManager::TranslateWindowText(const CString& section, int controlId, HWND control) const
{
    if (!IsAlive(control) || !HasLanguage())
        return false;
    const CString text = LookupText(section, controlId, CString());
    if (text.empty())
        return false;
    fw::SetWindowText(control, text);
    return true;
}

bool LanguageManager::ExportWindowText(const CString& section, int controlId, HWND control) const
{
    if (!IsAlive(control))
        return false;
    return StoreText(section, controlId, WindowText(control));
}

bool LanguageManager::IsTranslatable(HWND control)
{
    if (!IsAlive(control))
        return false;
    const int id = GetDlgCtrlID(control);
    if (id == -1 || id == 65535)
        return false;
    if (GetWindowLongPtrW(control, GWLP_USERDATA) != 0 || IsPictureStatic(control))
        return false;
    if (IsListView(control) || IsComboBox(control) || IsListBox(control))
        return true;
    return !HasNothingToTranslate(WindowText(control));
}

bool LanguageManager::IsTranslatable(CWnd* control)
{
    return IsTranslatable(HandleOf(control));
}

void LanguageManager::ExcludeFromTranslation(HWND control)
{
    if (IsAlive(control))
        SetWindowLongPtrW(control, GWLP_USERDATA, 1);
}

void LanguageManager::ExcludeFromTranslation(CWnd* control)
{
    ExcludeFromTranslation(HandleOf(control));
}
