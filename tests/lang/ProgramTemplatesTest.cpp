// The worked examples of the language file format on the program's own
// templates: the main window (102) with its four pages, the half-year
// calendar (131) and the tray menu (134).
#include "lang/LanguageManager.h"

#include <commctrl.h>

#include <memory>

#include "framework/Menu.h"
#include "framework/PropertySheet.h"
#include "res/resource.h"
#include "tests/lang/LanguageFolder.h"

namespace {

INT_PTR CALLBACK PlainDialogProc(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG;
}

HWND CreateProgramDialog(int id)
{
    INITCOMMONCONTROLSEX classes = {sizeof(classes), ICC_WIN95_CLASSES | ICC_DATE_CLASSES};
    InitCommonControlsEx(&classes);
    return CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), nullptr,
                              &PlainDialogProc, 0);
}

std::string Value(const std::string& file, const char* section, const char* key)
{
    char value[1100] = {};
    GetPrivateProfileStringA(section, key, "<missing>", value, sizeof(value), file.c_str());
    return value;
}

} // namespace

class ProgramTemplatesTest : public LanguageFolderTest {
protected:
    std::string English(const char* section, const char* key) const
    {
        return Value(folder.File("english.lng"), section, key);
    }
};

TEST_F(ProgramTemplatesTest, MainWindowPagesListAndMenu)
{
    CWnd main;
    ASSERT_TRUE(main.SubclassWindow(CreateProgramDialog(IDD_MAIN)));
    HWND navigation = main.GetDlgItem(IDC_MAIN_NAVIGATION);
    for (const char* item : {"Monitor", "Scheduler", "Options", "About"})
        SendMessageA(navigation, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    std::vector<std::unique_ptr<CPropertyPage>> pages;
    CPropertySheet sheet;
    for (UINT id : {IDD_MONITOR, IDD_SCHEDULER, IDD_OPTIONS, IDD_ABOUT}) {
        pages.push_back(std::make_unique<CPropertyPage>(id));
        sheet.AddPage(pages.back().get());
    }
    ASSERT_TRUE(sheet.Create(&main, WS_CHILD | WS_VISIBLE));
    for (int i = 3; i >= 0; --i)
        sheet.SetActivePage(i);

    LanguageManager manager;
    manager.SetLanguage("english");
    CString section;
    ASSERT_TRUE(manager.TranslateDialog(true, false, &main, IDD_MAIN, 0, section));

    EXPECT_EQ("Autoload with &Windows", English("DialogID_102 - PageNo_2", "ID_1005"));
    EXPECT_EQ("Options", English("DialogID_102 - ListBoxID_1023", "ID_2"));
    EXPECT_EQ("Scheduler", English("DialogID_102 - PageNo_1", "ID_0"));
    EXPECT_EQ("E&xit", English("DialogID_102", "ID_3"));
    EXPECT_EQ("<missing>", English("DialogID_102", "ID_0"));
    EXPECT_EQ("<missing>", English("DialogID_102", "ID_1031")) << "the picture stripe";
    EXPECT_EQ("<missing>", English("DialogID_102 - PageNo_3", "ID_-1"));
    EXPECT_EQ("All Rights Reserved.", English("DialogID_102 - PageNo_3", "ID_1050"));

    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_TRAY_MENU));
    EXPECT_TRUE(manager.TranslateMenu(true, &menu, IDR_TRAY_MENU));
    EXPECT_EQ("Open...", English("MenuID_134", "ID_32771"));
    EXPECT_EQ("Exit", English("MenuID_134", "ID_32777"));

    sheet.DestroyWindow();
    main.DestroyWindow();
}

TEST_F(ProgramTemplatesTest, HalfYearCalendarCaptionAndButtons)
{
    folder.Write("german.lng",
                 "[DialogID_131]\r\nID_0=Halbjahreskalender\r\nID_1006=&Weiter >>\r\n");
    LanguageManager manager;
    manager.SetLanguage("german");
    HWND dialog = CreateProgramDialog(IDD_HALFYEAR);
    ASSERT_TRUE(dialog != nullptr);
    CString section;
    ASSERT_TRUE(manager.TranslateDialog(true, true, dialog, IDD_HALFYEAR, 0, section));

    EXPECT_EQ("Half-Year Calendar", English("DialogID_131", "ID_0"));
    EXPECT_EQ("&Next >>", English("DialogID_131", "ID_1006"));
    char text[64] = {};
    GetWindowTextA(dialog, text, sizeof(text));
    EXPECT_STREQ("Halbjahreskalender", text);
    GetDlgItemTextA(dialog, IDC_HALF_NEXT, text, sizeof(text));
    EXPECT_STREQ("&Weiter >>", text);
    DestroyWindow(dialog);
}
