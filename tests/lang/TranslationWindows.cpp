#include "tests/lang/TranslationWindows.h"

#include <commctrl.h>

#include "lang/LanguageManager.h"

namespace {

INT_PTR CALLBACK PlainDialogProc(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG;
}

HWND CreateFromTemplate(const DialogTemplate& dialogTemplate)
{
    INITCOMMONCONTROLSEX classes = {sizeof(classes), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&classes);
    return CreateDialogIndirectParamA(GetModuleHandleA(nullptr), dialogTemplate.Get(), nullptr,
                                      &PlainDialogProc, 0);
}

DialogTemplate MainTemplate()
{
    DialogTemplate t("Velindra", WS_POPUP | WS_CAPTION | WS_SYSMENU, 400, 220);
    t.Add(DialogTemplate::kButton, kWizardButton, "&Wizard", BS_PUSHBUTTON, 4, 4, 50, 14)
        .Add(DialogTemplate::kStatic, kNoId, "Critical days", SS_LEFT, 4, 20, 50, 10)
        .Add(DialogTemplate::kButton, kDotsButton, "...", BS_PUSHBUTTON, 4, 32, 50, 14)
        .Add(DialogTemplate::kEdit, kEdit, "Edit text", ES_LEFT, 4, 48, 50, 12)
        .Add(DialogTemplate::kListBox, kPageList, "", LBS_HASSTRINGS | LBS_NOTIFY, 4, 62, 50, 60)
        .Add(DialogTemplate::kComboBox, kCombo, "", CBS_DROPDOWNLIST | CBS_HASSTRINGS, 4, 124, 50,
             60)
        .Add("SysListView32", kListView, "", LVS_REPORT, 4, 140, 60, 40)
        .Add("SysListView32", kBareListView, "", LVS_LIST, 4, 182, 60, 30);
    return t;
}

void FillLists(HWND dialog)
{
    HWND list = GetDlgItem(dialog, kPageList);
    for (const char* item : {"Monitor", "Scheduler", "Options", "About"})
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    SendMessageA(list, LB_SETCURSEL, 3, 0);
    HWND combo = GetDlgItem(dialog, kCombo);
    for (const char* item : {"Red", "50%", "Green"})
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    SendMessageA(combo, CB_SETCURSEL, 2, 0);

    for (HWND view : {GetDlgItem(dialog, kListView), GetDlgItem(dialog, kBareListView)}) {
        for (int row = 0; row < 2; ++row) {
            LVITEMA item = {};
            item.mask = LVIF_TEXT;
            item.iItem = row;
            item.pszText = const_cast<char*>(row == 0 ? "First row" : "12");
            SendMessageA(view, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
        }
    }
    LVCOLUMNA column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.cx = 50;
    column.pszText = const_cast<char*>("Day");
    SendMessageA(GetDlgItem(dialog, kListView), LVM_INSERTCOLUMNA, 0,
                 reinterpret_cast<LPARAM>(&column));
    // Inserting a column into a filled report view keeps the rows' texts in column 0.
    for (int row = 0; row < 2; ++row) {
        LVITEMA item = {};
        item.pszText = const_cast<char*>(row == 0 ? "First row" : "12");
        SendMessageA(GetDlgItem(dialog, kListView), LVM_SETITEMTEXTA, row,
                     reinterpret_cast<LPARAM>(&item));
    }
}

} // namespace

DialogTemplate PageTemplate(const std::string& caption)
{
    return DialogTemplate(caption, WS_CHILD | WS_CAPTION | DS_CONTROL, 200, 150);
}

TestPage::TestPage(const DialogTemplate& pageTemplate) : CPropertyPage(0)
{
    m_psp.dwFlags |= PSP_DLGINDIRECT;
    m_psp.pResource = pageTemplate.Get();
}

MainLikeWindow::MainLikeWindow()
{
    templates_.push_back(MainTemplate());
    DialogTemplate monitor = PageTemplate("Monitor");
    monitor.Add(DialogTemplate::kStatic, kTodayStatic, "Today", SS_LEFT, 4, 4, 60, 10);
    templates_.push_back(monitor);
    DialogTemplate scheduler = PageTemplate("Scheduler");
    scheduler.Add(DialogTemplate::kStatic, kNoId, "Days", SS_LEFT, 4, 4, 60, 10);
    templates_.push_back(scheduler);
    DialogTemplate options = PageTemplate("Options");
    options
        .Add(DialogTemplate::kButton, kAutoload, "Autoload with &Windows", BS_AUTOCHECKBOX, 4, 4,
             120, 10)
        .Add(DialogTemplate::kComboBox, kLanguageList, "", CBS_DROPDOWNLIST | CBS_SORT, 4, 20, 80,
             60);
    templates_.push_back(options);

    HWND dialog = CreateFromTemplate(templates_[0]);
    host_.SubclassWindow(dialog);
    FillLists(dialog);
    for (size_t i = 1; i < templates_.size(); ++i) {
        pages_.push_back(std::make_unique<TestPage>(templates_[i]));
        sheet_.AddPage(pages_.back().get());
    }
    sheet_.Create(&host_, WS_CHILD | WS_VISIBLE);
    for (int i = sheet_.GetPageCount() - 1; i >= 0; --i)
        sheet_.SetActivePage(i);

    HWND languages = PageControl(2, kLanguageList);
    for (const char* name : {"english", "german"})
        SendMessageA(languages, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    LanguageManager::ExcludeFromTranslation(languages);
}

MainLikeWindow::~MainLikeWindow()
{
    sheet_.DestroyWindow();
    host_.DestroyWindow();
}

std::string MainLikeWindow::TabText(int index) const
{
    HWND tabs = reinterpret_cast<HWND>(SendMessageA(sheet_.m_hWnd, PSM_GETTABCONTROL, 0, 0));
    char text[260] = {};
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof(text);
    SendMessageA(tabs, TCM_GETITEMA, index, reinterpret_cast<LPARAM>(&item));
    return text;
}

HalfYearLikeDialog::HalfYearLikeDialog()
    : template_("Half-Year Calendar", WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, 300, 200)
{
    template_.Add(DialogTemplate::kButton, 1006, "&Next >>", BS_PUSHBUTTON, 4, 4, 50, 14)
        .Add(DialogTemplate::kButton, 1005, "<< &Previous", BS_PUSHBUTTON, 60, 4, 50, 14)
        .Add(DialogTemplate::kButton, 1007, "100%", BS_PUSHBUTTON, 120, 4, 50, 14);
    window_ = CreateFromTemplate(template_);
}

HalfYearLikeDialog::~HalfYearLikeDialog()
{
    DestroyWindow(window_);
}

std::string TextOf(HWND window)
{
    char text[1100] = {};
    GetWindowTextA(window, text, sizeof(text));
    return text;
}

std::string ListBoxItem(HWND listBox, int index)
{
    char text[300] = {};
    SendMessageA(listBox, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text));
    return text;
}

std::string ComboBoxItem(HWND comboBox, int index)
{
    char text[300] = {};
    SendMessageA(comboBox, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
    return text;
}
