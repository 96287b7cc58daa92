// Windows and menus through the translation engine: the program's own main
// window with its pages, and its half-year calendar, with the kinds of
// control the program does not use (a list view, a one-letter button, a
// label without an id) added.
#include "lang/LanguageManager.h"

#include <commctrl.h>

#include <memory>
#include <tuple>

#include "framework/PropertySheet.h"
#include "lang/ControlClasses.h"
#include "res/resource.h"
#include "tests/lang/LanguageFolder.h"

namespace {

const int kView = 2001, kQuestion = 2002;

HWND CreateProgramDialog(int id)
{
    INITCOMMONCONTROLSEX classes = {sizeof(classes), ICC_WIN95_CLASSES | ICC_DATE_CLASSES};
    InitCommonControlsEx(&classes);
    const DLGPROC plain = [](HWND, UINT message, WPARAM, LPARAM) -> INT_PTR {
        return message == WM_INITDIALOG;
    };
    return CreateDialogParamA(nullptr, MAKEINTRESOURCEA(id), nullptr, plain, 0);
}

// The texts of the window's controls, "|" between them.
std::string Texts(HWND window, std::initializer_list<int> ids)
{
    std::string texts;
    for (int id : ids) {
        char text[300] = {};
        GetWindowTextA(id ? GetDlgItem(window, id) : window, text, sizeof(text));
        texts += (texts.empty() ? "" : "|") + std::string(text);
    }
    return texts;
}

// A list box's or combo box's items, "*" after the selected one; a list
// view's rows, then its column headers.
std::string Items(HWND list)
{
    const bool combo = IsComboBox(list), view = IsListView(list);
    const HWND header = view ? ListView_GetHeader(list) : nullptr;
    const int rows = int(SendMessageA(list,
                                      combo  ? CB_GETCOUNT
                                      : view ? LVM_GETITEMCOUNT
                                             : LB_GETCOUNT,
                                      0, 0));
    std::string items;
    for (int i = 0; i < rows + Header_GetItemCount(header); ++i) {
        char text[300] = {};
        LVITEMA row{};
        HDITEMA column{};
        column.mask = HDI_TEXT;
        row.pszText = column.pszText = text;
        row.cchTextMax = column.cchTextMax = sizeof(text);
        if (!view)
            SendMessageA(list, combo ? CB_GETLBTEXT : LB_GETTEXT, i, LPARAM(text));
        else if (i < rows)
            SendMessageA(list, LVM_GETITEMTEXTA, i, LPARAM(&row));
        else
            SendMessageA(header, HDM_GETITEMA, i - rows, LPARAM(&column));
        const bool selected =
            !view && SendMessageA(list, combo ? CB_GETCURSEL : LB_GETCURSEL, 0, 0) == i;
        items += (i ? "|" : "") + std::string(text) + (selected ? "*" : "");
    }
    return items;
}

// The main window with its four pages, each shown once, its navigation list
// and language list filled; a report list view and a "?" button added.
struct MainWindow {
    MainWindow()
    {
        main.SubclassWindow(CreateProgramDialog(IDD_MAIN));
        for (const char* item : {"Monitor", "Scheduler", "Options", "About"})
            SendDlgItemMessageA(main, IDC_MAIN_NAVIGATION, LB_ADDSTRING, 0, LPARAM(item));
        SendDlgItemMessageA(main, IDC_MAIN_NAVIGATION, LB_SETCURSEL, 3, 0);
        for (int id : {IDD_MONITOR, IDD_SCHEDULER, IDD_OPTIONS, IDD_ABOUT})
            sheet.AddPage(pages.emplace_back(std::make_unique<CPropertyPage>(id)).get());
        sheet.Create(&main, WS_CHILD | WS_VISIBLE);
        for (int i = 3; i >= 0; --i)
            sheet.SetActivePage(i);
        SendDlgItemMessageA(Page(2), IDC_OPT_LANGUAGE, CB_ADDSTRING, 0, LPARAM("english"));
        SendDlgItemMessageA(Page(2), IDC_OPT_LANGUAGE, CB_SETCURSEL, 0, 0);
        for (auto [kind, text, id] :
             {std::tuple{"Button", "?", kQuestion}, {"Static", "Label", -1}})
            CreateWindowExA(0, kind, text, WS_CHILD, 0, 0, 9, 9, main, HMENU(INT_PTR(id)), nullptr,
                            nullptr);
        view = CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | LVS_REPORT, 0, 0, 99, 99, main,
                               HMENU(kView), nullptr, nullptr);
        for (const char* column : {"Colour", "Day"}) {
            LVCOLUMNA header{};
            header.mask = LVCF_TEXT;
            header.pszText = const_cast<char*>(column);
            SendMessageA(view, LVM_INSERTCOLUMNA, 0, LPARAM(&header));
        }
        for (const char* row : {"12", "First row"}) {
            LVITEMA item{};
            item.mask = LVIF_TEXT;
            item.pszText = const_cast<char*>(row);
            SendMessageA(view, LVM_INSERTITEMA, 0, LPARAM(&item));
        }
    }
    ~MainWindow()
    {
        sheet.DestroyWindow();
        main.DestroyWindow();
    }
    HWND Page(int index) { return sheet.GetPage(index)->m_hWnd; }
    std::string Tab(int index)
    {
        char text[64] = {};
        TCITEMA item{TCIF_TEXT, 0, 0, text, sizeof(text), 0, 0};
        SendMessageA(sheet.GetTabControl(), TCM_GETITEMA, index, LPARAM(&item));
        return text;
    }

    CWnd main;
    std::vector<std::unique_ptr<CPropertyPage>> pages;
    CPropertySheet sheet;
    HWND view;
};

// The list view's second column gets a text longer than a header holds.
const std::string kGerman =
    "[DialogID_102]\r\nID_0=Velindra\r\nID_4=&Assistent\r\nID_2002=Hilfe?\r\nID_3=Beenden\r\n"
    "[DialogID_102 - PageNo_1]\r\nID_0=Planer\r\n"
    "[DialogID_102 - PageNo_2]\r\nID_1005=Mit &Windows starten\r\n"
    "[DialogID_102 - PageNo_2 - ComboBoxID_1043]\r\nID_0=Englisch\r\n"
    "[DialogID_102 - ListBoxID_1023]\r\nID_2=Optionen\r\n"
    "[DialogID_102 - "
    "ListCtrlID_2001]\r\nID_0=Erste\r\nID_1=Zwoelf\r\nID_1000=Tag\r\nID_1001=" +
    std::string(300, 'F') +
    "\r\n[DialogID_131]\r\nID_0=Halbjahreskalender\r\nID_1006=&Weiter >>\r\n";

class TranslationTest : public LanguageFolderTest {
protected:
    // The values of english.lng's section for the ids, "|" between them.
    std::string English(const std::string& section, std::initializer_list<int> ids) const
    {
        std::string values;
        for (int id : ids) {
            char value[300] = {};
            GetPrivateProfileStringA(section.c_str(), ("ID_" + std::to_string(id)).c_str(), "-",
                                     value, sizeof(value), folder.File("english.lng").c_str());
            values += (values.empty() ? "" : "|") + std::string(value);
        }
        return values;
    }
    bool Translate(bool exportTexts, bool ownCaption, HWND window, int id)
    {
        CString section;
        return manager.TranslateDialog(exportTexts, ownCaption, window, id, 0, section) &&
               section == "DialogID_" + std::to_string(id);
    }

    LanguageManager manager{program};
};

// The first translation of a window first writes into english.lng the
// built-in texts there are to translate (no pictures, no texts of digits
// and punctuation, no controls excluded), each under its section; no later
// pass exports, for by then the window may show another language.
TEST_F(TranslationTest, TheFirstPassExportsTheBuiltInTextsAndEveryPassTranslates)
{
    folder.Write("german.lng", kGerman);
    manager.SetLanguage("german");
    MainWindow window;
    window.sheet.SetActivePage(1);
    LanguageManager::ExcludeFromTranslation(GetDlgItem(window.main, IDC_MAIN_EXIT));
    CWnd hide;
    hide.SubclassWindow(GetDlgItem(window.main, IDC_MAIN_HIDE));
    LanguageManager::ExcludeFromTranslation(&hide);
    hide.UnsubclassWindow();
    EXPECT_FALSE(LanguageManager::WasTranslated(window.main));
    ASSERT_TRUE(Translate(true, false, window.main, IDD_MAIN));
    EXPECT_TRUE(LanguageManager::WasTranslated(window.main) &&
                LanguageManager::WasTranslated(window.Page(3)));

    EXPECT_EQ("-|Wi&zard...|?|-|-|-",
              English("DialogID_102", {0, IDC_MAIN_WIZARD, kQuestion, IDC_MAIN_EXIT, IDC_MAIN_HIDE,
                                       IDC_MAIN_STRIPE}));
    EXPECT_EQ("Scheduler|Days", English("DialogID_102 - PageNo_1", {0, IDC_SCHED_CRIT_UNIT}));
    EXPECT_EQ("Autoload with &Windows|-",
              English("DialogID_102 - PageNo_2", {IDC_OPT_AUTOLOAD, IDC_OPT_TRANSLATOR}));
    EXPECT_EQ(
        "All Rights Reserved.|-|-",
        English("DialogID_102 - PageNo_3", {IDC_ABOUT_RIGHTS, IDC_ABOUT_ICON, IDC_ABOUT_PRODUCT}));
    EXPECT_EQ("english", English("DialogID_102 - PageNo_2 - ComboBoxID_1043", {0}));
    EXPECT_EQ("Monitor|Options", English("DialogID_102 - ListBoxID_1023", {0, 2}));
    EXPECT_EQ("First row|-|Day|Colour",
              English("DialogID_102 - ListCtrlID_2001", {0, 1, 1000, 1001}));

    EXPECT_EQ("Critical|&Assistent|Hilfe?|E&xit",
              Texts(window.main, {0, IDC_MAIN_WIZARD, kQuestion, IDC_MAIN_EXIT}));
    EXPECT_EQ("Mit &Windows starten", Texts(window.Page(2), {IDC_OPT_AUTOLOAD}));
    EXPECT_EQ("Monitor|Planer|Scheduler",
              window.Tab(0) + "|" + window.Tab(1) + "|" + Texts(window.Page(1), {0}));
    EXPECT_EQ(1, window.sheet.GetActiveIndex());
    EXPECT_EQ("Monitor|Scheduler|Optionen|About*",
              Items(GetDlgItem(window.main, IDC_MAIN_NAVIGATION)));
    EXPECT_EQ("Englisch*", Items(GetDlgItem(window.Page(2), IDC_OPT_LANGUAGE)));
    EXPECT_EQ("Erste|12|Tag|" + std::string(259, 'F'), Items(window.view)) << "12: not looked up";

    const std::string exported = folder.Read("english.lng");
    EXPECT_EQ(std::string::npos, exported.find("=Label")) << "a label without an id";
    ASSERT_TRUE(Translate(true, false, window.main, IDD_MAIN));
    EXPECT_EQ(exported, folder.Read("english.lng")) << "exported once only";
    EXPECT_EQ(kGerman, folder.Read("german.lng"));
}

// A dialog translated by itself gets its caption translated too; nothing is
// done without a language, a window or a dialog id.
TEST_F(TranslationTest, ADialogOfItsOwnWithItsCaptionButNothingWithoutAWindowOrALanguage)
{
    HWND dialog = CreateProgramDialog(IDD_HALFYEAR);
    EXPECT_FALSE(Translate(true, true, dialog, IDD_HALFYEAR));
    EXPECT_FALSE(folder.Exists("english.lng") || LanguageManager::WasTranslated(dialog));
    folder.Write("german.lng", kGerman);
    manager.SetLanguage("german");
    EXPECT_FALSE(Translate(true, true, dialog, 0));
    ASSERT_TRUE(Translate(true, true, dialog, IDD_HALFYEAR));
    EXPECT_EQ("Halbjahreskalender|&Weiter >>", Texts(dialog, {0, IDC_HALF_NEXT}));
    EXPECT_EQ("Half-Year Calendar|&Next >>", English("DialogID_131", {0, IDC_HALF_NEXT}));
    CString section;
    EXPECT_FALSE(manager.TranslateDialog(true, true, static_cast<CWnd*>(nullptr), 131, 0, section));
    DestroyWindow(dialog);
    EXPECT_FALSE(Translate(true, true, dialog, IDD_HALFYEAR) ||
                 Translate(true, true, nullptr, IDD_HALFYEAR));
    EXPECT_FALSE(manager.TranslateWindowText("S", 1, dialog) ||
                 manager.TranslateComboBox(true, "S", 1, dialog));
    EXPECT_FALSE(manager.TranslateListBox(true, "S", 1, dialog) ||
                 manager.TranslateListCtrl(true, "S", 1, dialog));
    for (DWORD type : {SS_ICON, SS_BITMAP, SS_ENHMETAFILE, SS_LEFT}) {
        HWND picture = CreateWindowExA(0, "Static", "text", WS_POPUP | type, 0, 0, 9, 9, nullptr,
                                       nullptr, nullptr, nullptr);
        EXPECT_EQ(type != SS_LEFT, IsPictureStatic(picture)) << type;
        DestroyWindow(picture);
    }
}

// Menu texts are exported up to a tab, a popup's under the first command of
// its submenu, and translated keeping the part from the tab on; items
// carrying data (the icon menu's) are left alone; a one-letter text is one.
TEST_F(TranslationTest, MenusAndTheirSubmenus)
{
    HMENU more = CreatePopupMenu(), window = CreatePopupMenu(), commands = CreatePopupMenu(),
          menu = CreateMenu();
    AppendMenuA(more, MF_STRING, 32775, "&Wizard...");
    AppendMenuA(window, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(window, MF_STRING, 32776, "H");
    AppendMenuA(commands, MF_STRING, 32771, "Open...\tCtrl+O");
    AppendMenuA(commands, MF_POPUP, UINT_PTR(more), "&More\tM");
    AppendMenuA(commands, MF_POPUP, UINT_PTR(window), "Window");
    AppendMenuA(commands, MF_STRING, 32774, "...");
    AppendMenuA(commands, MF_STRING, 32777, "E&xit");
    AppendMenuA(commands, MF_OWNERDRAW, 32778, reinterpret_cast<LPCSTR>(7)); // data 7
    AppendMenuA(menu, MF_POPUP, UINT_PTR(commands), "-");
    EXPECT_FALSE(manager.TranslateMenu(true, menu, 134));
    EXPECT_FALSE(folder.Exists("english.lng"));

    folder.Write("german.lng", "[MenuID_134]\r\nID_32771=Oeffnen...\r\nSubID_32775=Me&hr\r\nID_"
                               "32777=Beenden\r\nID_32778=Daten\r\n");
    manager.SetLanguage("german");
    EXPECT_FALSE(manager.TranslateMenu(true, HMENU(nullptr), 134) ||
                 manager.TranslateMenu(true, HMENU(0x1234), 134));
    ASSERT_TRUE(manager.TranslateMenu(true, menu, 134));
    std::string texts;
    for (HMENU of : {menu, commands, more, window})
        for (int i = 0; i < GetMenuItemCount(of); ++i) {
            char text[64] = {};
            GetMenuStringA(of, i, text, sizeof(text), MF_BYPOSITION);
            texts += text + std::string(GetSubMenu(of, i) ? "> " : "; ");
        }
    EXPECT_EQ("-> Oeffnen...\tCtrl+O; Me&hr\tM> Window> ...; Beenden; ; &Wizard...; ; H; ", texts);
    const std::string english = folder.Read("english.lng");
    EXPECT_EQ("[MenuID_134]\r\nID_32771=Open...\r\nID_32775=&Wizard...\r\nSubID_32775=&More\r\nID_"
              "32776=H\r\nID_32777=E&xit\r\n",
              english.substr(english.find("[MenuID")));
    DestroyMenu(menu);
}

} // namespace
