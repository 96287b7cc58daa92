#include "lang/LanguageManager.h"

#include <commctrl.h>

#include "tests/lang/LanguageFolder.h"
#include "tests/lang/TranslationWindows.h"

namespace {

const char kGerman[] =
    "[DialogID_102]\r\nID_0=Velindra Deutsch\r\nID_1001=&Assistent\r\nID_1002=Punkte\r\n"
    "ID_1003=Eingabe\r\nID_65535=Kritische Tage\r\n"
    "[DialogID_102 - PageNo_1]\r\nID_0=Planer\r\n"
    "[DialogID_102 - PageNo_2]\r\nID_1005=Mit &Windows starten\r\n"
    "[DialogID_102 - PageNo_2 - ComboBoxID_1043]\r\nID_0=Englisch\r\n"
    "[DialogID_102 - ListBoxID_1023]\r\nID_2=Optionen\r\n"
    "[DialogID_102 - ComboBoxID_1004]\r\nID_0=Rot\r\nID_1=Halb\r\n"
    "[DialogID_102 - ListCtrlID_1008]\r\nID_0=Erste Zeile\r\nID_1=Zwoelf\r\nID_1000=Tag\r\n"
    "[DialogID_102 - ListCtrlID_1009]\r\nID_0=Erste Zeile\r\n"
    "[DialogID_131]\r\nID_0=Halbjahreskalender\r\nID_1006=&Weiter >>\r\n";

std::string Value(const std::string& file, const std::string& section, const std::string& key)
{
    char value[1100] = {};
    GetPrivateProfileStringA(section.c_str(), key.c_str(), "<missing>", value, sizeof(value),
                             file.c_str());
    return value;
}

std::string ListViewRow(HWND view, int row)
{
    char text[260] = {};
    LVITEMA item = {};
    item.pszText = text;
    item.cchTextMax = sizeof(text);
    SendMessageA(view, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
    return text;
}

std::string HeaderText(HWND view, int column)
{
    HWND header = reinterpret_cast<HWND>(SendMessageA(view, LVM_GETHEADER, 0, 0));
    char text[260] = {};
    HDITEMA item = {};
    item.mask = HDI_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof(text);
    SendMessageA(header, HDM_GETITEMA, column, reinterpret_cast<LPARAM>(&item));
    return text;
}

} // namespace

class WindowTranslationTest : public LanguageFolderTest {
protected:
    std::string English(const std::string& section, const std::string& key) const
    {
        return Value(folder.File("english.lng"), section, key);
    }

    bool TranslateMain(LanguageManager& manager, bool exportTexts)
    {
        CString section;
        const bool done =
            manager.TranslateDialog(exportTexts, false, window.DialogWnd(), 102, 0, section);
        EXPECT_EQ("DialogID_102", section);
        return done;
    }

    MainLikeWindow window;
};

TEST_F(WindowTranslationTest, ExportWritesTheBuiltInTextsUnderTheirSections)
{
    LanguageManager manager;
    manager.SetLanguage("english");
    ASSERT_TRUE(TranslateMain(manager, true));

    EXPECT_EQ("Autoload with &Windows", English("DialogID_102 - PageNo_2", "ID_1005"));
    EXPECT_EQ("Options", English("DialogID_102 - ListBoxID_1023", "ID_2"));
    EXPECT_EQ("Scheduler", English("DialogID_102 - PageNo_1", "ID_0"));
    EXPECT_EQ("Monitor", English("DialogID_102 - PageNo_0", "ID_0"));
    EXPECT_EQ("Today", English("DialogID_102 - PageNo_0", "ID_1010"));
    EXPECT_EQ("&Wizard", English("DialogID_102", "ID_1001"));
    EXPECT_EQ("Red", English("DialogID_102 - ComboBoxID_1004", "ID_0"));
    EXPECT_EQ("Green", English("DialogID_102 - ComboBoxID_1004", "ID_2"));
    EXPECT_EQ("First row", English("DialogID_102 - ListCtrlID_1008", "ID_0"));
    EXPECT_EQ("Day", English("DialogID_102 - ListCtrlID_1008", "ID_1000"));

    // Not written: the main window's caption, texts with nothing to translate,
    // controls without an id, edits, excluded controls, list views without columns.
    EXPECT_EQ("<missing>", English("DialogID_102", "ID_0"));
    EXPECT_EQ("<missing>", English("DialogID_102", "ID_1002"));
    EXPECT_EQ("<missing>", English("DialogID_102", "ID_65535"));
    EXPECT_EQ("<missing>", English("DialogID_102 - PageNo_1", "ID_65535"));
    EXPECT_EQ("<missing>", English("DialogID_102", "ID_1003"));
    EXPECT_EQ("<missing>", English("DialogID_102 - ComboBoxID_1004", "ID_1"));
    EXPECT_EQ("<missing>", English("DialogID_102 - ListCtrlID_1008", "ID_1"));
    EXPECT_EQ("<missing>", English("DialogID_102 - PageNo_2 - ComboBoxID_1043", "ID_0"));
    EXPECT_EQ("<missing>", English("DialogID_102 - ListCtrlID_1009", "ID_0"));
    EXPECT_EQ(std::string::npos, LanguageFolderTest::English().find("Critical days"));
}

TEST_F(WindowTranslationTest, PassesWithoutExportOrAfterTheFirstLeaveTheEnglishFileAlone)
{
    LanguageManager manager;
    manager.SetLanguage("english");
    ASSERT_TRUE(TranslateMain(manager, true));
    const std::string exported = LanguageFolderTest::English();
    ASSERT_FALSE(exported.empty());

    ASSERT_TRUE(TranslateMain(manager, false));
    EXPECT_EQ(exported, LanguageFolderTest::English());

    // After a switch to German the window shows German texts: asking for the
    // export again must not carry them into the English file.
    folder.Write("german.lng", kGerman);
    manager.SetLanguage("german");
    const std::string withGermanTranslator = LanguageFolderTest::English();
    ASSERT_TRUE(TranslateMain(manager, false));
    EXPECT_EQ("Mit &Windows starten", TextOf(window.PageControl(2, kAutoload)));
    ASSERT_TRUE(TranslateMain(manager, true));
    EXPECT_EQ(withGermanTranslator, LanguageFolderTest::English());
    EXPECT_EQ(kGerman, folder.Read("german.lng"));
}

TEST_F(WindowTranslationTest, TheFirstTranslationIsTheOneThatExports)
{
    folder.Write("german.lng", kGerman);
    LanguageManager manager;
    manager.SetLanguage("german");
    EXPECT_FALSE(LanguageManager::WasTranslated(window.Dialog()));
    ASSERT_TRUE(TranslateMain(manager, true));
    EXPECT_TRUE(LanguageManager::WasTranslated(window.Dialog()));
    EXPECT_TRUE(LanguageManager::WasTranslated(window.Page(2)));
    EXPECT_EQ("Autoload with &Windows", English("DialogID_102 - PageNo_2", "ID_1005"));
    EXPECT_EQ("Mit &Windows starten", TextOf(window.PageControl(2, kAutoload)));
    EXPECT_EQ(kGerman, folder.Read("german.lng"));
}

TEST_F(WindowTranslationTest, TranslatesControlsPagesAndTabs)
{
    folder.Write("german.lng", kGerman);
    LanguageManager manager;
    manager.SetLanguage("german");
    window.Sheet().SetActivePage(1);
    ASSERT_TRUE(TranslateMain(manager, false));

    EXPECT_EQ("Velindra", TextOf(window.Dialog())) << "the main window's caption is kept";
    EXPECT_EQ("&Assistent", TextOf(window.Control(kWizardButton)));
    EXPECT_EQ("...", TextOf(window.Control(kDotsButton)));
    EXPECT_EQ("Edit text", TextOf(window.Control(kEdit)));
    EXPECT_EQ("Critical days", TextOf(GetDlgItem(window.Dialog(), kNoId)));
    EXPECT_EQ("Mit &Windows starten", TextOf(window.PageControl(2, kAutoload)));
    EXPECT_EQ("Today", TextOf(window.PageControl(0, kTodayStatic)));

    EXPECT_EQ("Planer", window.TabText(1)) << "a page's caption goes on its tab";
    EXPECT_EQ("Scheduler", TextOf(window.Page(1)));
    EXPECT_EQ("Monitor", window.TabText(0));
    EXPECT_EQ(1, window.Sheet().GetActiveIndex()) << "the active page stays active";
}

TEST_F(WindowTranslationTest, ListsKeepPositionsAndSelection)
{
    folder.Write("german.lng", kGerman);
    LanguageManager manager;
    manager.SetLanguage("german");
    ASSERT_TRUE(TranslateMain(manager, true));

    HWND pages = window.Control(kPageList);
    EXPECT_EQ(4, SendMessageA(pages, LB_GETCOUNT, 0, 0));
    EXPECT_EQ("Monitor", ListBoxItem(pages, 0));
    EXPECT_EQ("Scheduler", ListBoxItem(pages, 1));
    EXPECT_EQ("Optionen", ListBoxItem(pages, 2));
    EXPECT_EQ("About", ListBoxItem(pages, 3));
    EXPECT_EQ(3, SendMessageA(pages, LB_GETCURSEL, 0, 0));

    HWND combo = window.Control(kCombo);
    EXPECT_EQ("Rot", ComboBoxItem(combo, 0));
    EXPECT_EQ("50%", ComboBoxItem(combo, 1)) << "nothing to translate: not even looked up";
    EXPECT_EQ("Green", ComboBoxItem(combo, 2));
    EXPECT_EQ(2, SendMessageA(combo, CB_GETCURSEL, 0, 0));

    HWND languages = window.PageControl(2, kLanguageList);
    EXPECT_EQ("english", ComboBoxItem(languages, 0)) << "excluded from translation";

    HWND view = window.Control(kListView);
    EXPECT_EQ("Erste Zeile", ListViewRow(view, 0));
    EXPECT_EQ("12", ListViewRow(view, 1));
    EXPECT_EQ("Tag", HeaderText(view, 0));
    EXPECT_EQ("First row", ListViewRow(window.Control(kBareListView), 0))
        << "a list view without columns is left alone";
}

TEST_F(WindowTranslationTest, ADialogTranslatedByItselfIncludingItsCaption)
{
    folder.Write("german.lng", kGerman);
    LanguageManager manager;
    manager.SetLanguage("german");
    HalfYearLikeDialog dialog;
    CString section;
    ASSERT_TRUE(manager.TranslateDialog(true, true, dialog.Get(), 131, 0, section));
    EXPECT_EQ("DialogID_131", section);
    EXPECT_EQ("Halbjahreskalender", TextOf(dialog.Get()));
    EXPECT_EQ("&Weiter >>", TextOf(GetDlgItem(dialog.Get(), 1006)));
    EXPECT_EQ("<< &Previous", TextOf(GetDlgItem(dialog.Get(), 1005)));

    EXPECT_EQ("Half-Year Calendar", English("DialogID_131", "ID_0"));
    EXPECT_EQ("&Next >>", English("DialogID_131", "ID_1006"));
    EXPECT_EQ("<< &Previous", English("DialogID_131", "ID_1005"));
    EXPECT_EQ("<missing>", English("DialogID_131", "ID_1007")) << "\"100%\"";
}

TEST_F(WindowTranslationTest, NothingIsDoneWithoutWindowIdOrLanguage)
{
    LanguageManager manager;
    CString section;
    EXPECT_FALSE(manager.TranslateDialog(true, true, window.Dialog(), 102, 0, section));
    EXPECT_FALSE(folder.Exists("english.lng"));
    EXPECT_FALSE(LanguageManager::WasTranslated(window.Dialog()));

    manager.SetLanguage("english");
    EXPECT_FALSE(manager.TranslateDialog(true, true, window.Dialog(), 0, 0, section));
    EXPECT_FALSE(manager.TranslateDialog(true, true, static_cast<HWND>(nullptr), 102, 0, section));
    EXPECT_FALSE(manager.TranslateDialog(true, true, static_cast<CWnd*>(nullptr), 102, 0, section));
    HalfYearLikeDialog* gone = new HalfYearLikeDialog;
    HWND dead = gone->Get();
    delete gone;
    EXPECT_FALSE(manager.TranslateDialog(true, true, dead, 131, 0, section));
    EXPECT_TRUE(section.empty());
    EXPECT_FALSE(manager.TranslateWindowText("S", 1, dead));
    EXPECT_FALSE(manager.TranslateComboBox(true, "S", 1, dead));
    EXPECT_FALSE(manager.TranslateListBox(true, "S", 1, dead));
    EXPECT_FALSE(manager.TranslateListCtrl(true, "S", 1, dead));
}

TEST_F(WindowTranslationTest, WhatCountsAsTranslatable)
{
    EXPECT_TRUE(LanguageManager::IsTranslatable(window.Control(kWizardButton)));
    EXPECT_FALSE(LanguageManager::IsTranslatable(window.Control(kDotsButton)));
    EXPECT_FALSE(LanguageManager::IsTranslatable(GetDlgItem(window.Dialog(), kNoId)));
    EXPECT_TRUE(LanguageManager::IsTranslatable(window.Control(kPageList))) << "empty text";
    EXPECT_FALSE(LanguageManager::IsTranslatable(window.PageControl(2, kLanguageList)));
    EXPECT_FALSE(LanguageManager::IsTranslatable(static_cast<HWND>(nullptr)));

    HWND minusOne =
        CreateWindowExA(0, "Button", "Text", WS_CHILD, 0, 0, 10, 10, window.Dialog(),
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(-1)), nullptr, nullptr);
    EXPECT_EQ(-1, GetDlgCtrlID(minusOne));
    EXPECT_FALSE(LanguageManager::IsTranslatable(minusOne));

    LanguageManager::ExcludeFromTranslation(window.Control(kWizardButton));
    EXPECT_FALSE(LanguageManager::IsTranslatable(window.Control(kWizardButton)));
    LanguageManager::ExcludeFromTranslation(static_cast<HWND>(nullptr));
}

TEST_F(WindowTranslationTest, AnUntranslatedPageIsSkipped)
{
    // A sheet whose second page was never shown has no window for it.
    DialogTemplate hostTemplate("Host", WS_POPUP | WS_CAPTION, 300, 200);
    DialogTemplate first = PageTemplate("First"), second = PageTemplate("Second");
    second.Add(DialogTemplate::kButton, 1100, "Second button", BS_PUSHBUTTON, 4, 4, 60, 14);
    CWnd host;
    host.SubclassWindow(CreateDialogIndirectParamA(
        GetModuleHandleA(nullptr), hostTemplate.Get(), nullptr,
        [](HWND, UINT message, WPARAM, LPARAM) -> INT_PTR { return message == WM_INITDIALOG; }, 0));
    TestPage page1(first), page2(second);
    CPropertySheet sheet;
    sheet.AddPage(&page1);
    sheet.AddPage(&page2);
    ASSERT_TRUE(sheet.Create(&host, WS_CHILD | WS_VISIBLE));
    ASSERT_EQ(nullptr, page2.m_hWnd);

    LanguageManager manager;
    manager.SetLanguage("english");
    CString section;
    EXPECT_TRUE(manager.TranslateDialog(true, false, &host, 140, 0, section));
    EXPECT_EQ("First", English("DialogID_140 - PageNo_0", "ID_0"));
    EXPECT_EQ("<missing>", English("DialogID_140 - PageNo_1", "ID_0"));
    sheet.DestroyWindow();
    host.DestroyWindow();
}
