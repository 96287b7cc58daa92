// The Options page inside a child property sheet of a small host dialog that
// plays the main window (page, sheet, main window): the language list made
// from the files beside the executable, the stored preferences it shows, and
// what each control writes and whom it tells.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/PropertySheet.h"
#include "framework/TextCodec.h"
#include "framework/WinApp.h"
#include "lang/LanguageManager.h"
#include "lang/LanguageOwner.h"
#include "lang/ModulePath.h"
#include "model/Settings.h"
#include "pages/MainWindowLink.h"
#include "pages/OptionsPage.h"
#include "res/resource.h"
#include "tests/pages/PageHost.h"
#include "tests/lang/WideFolder.h"
#include "tests/support/HelpRecorder.h"
#include "tests/support/Sandbox.h"
#include "ui/HelpTopic.h"

namespace {

const wchar_t kUserRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

const char kGerman[] = "[Translator]\r\nID_0=Hanna Berger\r\nID_1=hanna@berger.example\r\n"
                       "ID_2=01.02.2005\r\n"
                       "[DialogID_102 - PageNo_0]\r\nID_1005=Mit &Windows starten\r\n"
                       "[DialogID_102 - PageNo_0 - ComboBoxID_1043]\r\nID_0=Englisch\r\n"
                       "ID_1=Deutsch\r\n";

using Host = PageHost<CDialogCritOpt>;

class OptionsPage : public ::testing::Test {
protected:
    OptionsPage() : app_("Velindra")
    {
        ModulePath::OverrideModuleFileName(folder.File("velindra.exe"));
        app_.m_pMainWnd = &host;
    }
    ~OptionsPage() override
    {
        host.DestroyWindow();
        app_.m_pMainWnd = nullptr;
        ModulePath::ResetModuleFileName();
    }

    // As the main window starts: the stored language made current (which
    // writes english.lng), the page created, then the stored values shown.
    void Open(bool setLanguageFirst = true)
    {
        if (setLanguageFirst) {
            CString stored;
            ReadSettingText(SettingLang, stored);
            host.language.SetLanguage(stored);
        }
        ASSERT_TRUE(host.Create());
        ASSERT_TRUE(host.page.IsWindow());
        host.page.LoadFromSettings();
    }

    HWND Item(int id) const { return GetDlgItem(host.page.m_hWnd, id); }
    std::string Text(HWND window) const
    {
        char text[256] = "";
        GetWindowTextA(window, text, sizeof(text));
        return text;
    }
    // The names as UTF-8, read as wide texts: the list shows any script.
    std::vector<std::string> Languages() const
    {
        std::vector<std::string> names;
        HWND list = Item(IDC_OPT_LANGUAGE);
        const int count = static_cast<int>(SendMessageW(list, CB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            wchar_t name[256] = L"";
            SendMessageW(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(name));
            std::string utf8;
            fw::NarrowUtf8(name, utf8);
            names.push_back(utf8);
        }
        return names;
    }
    int Selected() const
    {
        return static_cast<int>(SendMessageA(Item(IDC_OPT_LANGUAGE), CB_GETCURSEL, 0, 0));
    }
    bool Checked(int id) const { return SendMessageA(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    void Click(int id) { SendMessageA(Item(id), BM_CLICK, 0, 0); }
    // Picks an entry as the user does: the list tells its parent.
    void Choose(int index)
    {
        HWND list = Item(IDC_OPT_LANGUAGE);
        SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        SendMessageA(host.page.m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_OPT_LANGUAGE, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(list));
    }
    std::string StoredLang() const
    {
        std::string stored;
        ReadSettingText(SettingLang, stored);
        return stored;
    }
    bool RunValueExists() const { return !RunValue().empty(); }
    std::wstring RunValue() const
    {
        wchar_t value[1024] = L"";
        DWORD size = sizeof(value);
        if (RegGetValueW(HKEY_CURRENT_USER, kUserRunKey, L"Velindra", RRF_RT_REG_SZ, nullptr, value,
                         &size) != ERROR_SUCCESS)
            return std::wstring();
        return value;
    }

    testing_support::TempFolder folder;
    Host host;

private:
    CWinApp app_;
};

using Names = std::vector<std::string>;

} // namespace

TEST_F(OptionsPage, ListsTheLanguageFilesSortedAndSelectsEnglishWhenNoLanguageIsStored)
{
    ASSERT_TRUE(folder.Write("german.lng", kGerman));
    ASSERT_TRUE(folder.Write("english.lng", ""));
    ASSERT_TRUE(folder.Write("notes.txt", ""));
    ASSERT_TRUE(folder.Write("french.lngx", ""));
    ASSERT_TRUE(WriteSettingText(SettingLang, ""));
    Open();
    EXPECT_EQ((Names{"english", "german"}), Languages());
    EXPECT_EQ(0, Selected());
    // The names are the program's own: no translation pass may touch them.
    EXPECT_EQ(1, GetWindowLongPtrA(Item(IDC_OPT_LANGUAGE), GWLP_USERDATA));
}

TEST_F(OptionsPage, FindsTheStoredLanguageWhateverItsCase)
{
    ASSERT_TRUE(folder.Write("german.lng", kGerman));
    ASSERT_TRUE(folder.Write("english.lng", ""));
    ASSERT_TRUE(WriteSettingText(SettingLang, "GERMAN"));
    Open();
    ASSERT_EQ(1, Selected());
    EXPECT_EQ("german", Languages()[1]);
    EXPECT_EQ("GERMAN", StoredLang());
}

TEST_F(OptionsPage, AStoredLanguageWithoutFileFallsBackToEnglishAndKeepsTheStoredValue)
{
    ASSERT_TRUE(folder.Write("german.lng", kGerman));
    ASSERT_TRUE(folder.Write("english.lng", ""));
    ASSERT_TRUE(WriteSettingText(SettingLang, "german-old"));
    Open(false);
    EXPECT_EQ((Names{"english", "german"}), Languages());
    EXPECT_EQ(0, Selected());
    EXPECT_EQ("german-old", StoredLang());
}

TEST_F(OptionsPage, WithoutLanguageFilesTheListHoldsExactlyEnglish)
{
    ASSERT_TRUE(WriteSettingText(SettingLang, "german"));
    Open(false);
    EXPECT_EQ((Names{"english"}), Languages());
    EXPECT_EQ(0, Selected());
    // Showing the values again finds the entry instead of adding another.
    host.page.LoadFromSettings();
    EXPECT_EQ((Names{"english"}), Languages());
    EXPECT_EQ(0, Selected());
    EXPECT_EQ("german", StoredLang());
}

TEST_F(OptionsPage, ShowingTheValuesBeforeThePageExistsDoesNothing)
{
    CDialogCritOpt page;
    page.LoadFromSettings();
    EXPECT_FALSE(page.IsWindow());
}

TEST_F(OptionsPage, TheCheckBoxesShowTheStoredValuesOrTheirDefaults)
{
    Open();
    EXPECT_FALSE(Checked(IDC_OPT_AUTOLOAD));
    EXPECT_TRUE(Checked(IDC_OPT_CRITRED));

    ASSERT_TRUE(WriteSettingDword(SettingAutoload, 1));
    ASSERT_TRUE(WriteSettingDword(SettingCritRed, 0));
    host.page.LoadFromSettings();
    EXPECT_TRUE(Checked(IDC_OPT_AUTOLOAD));
    EXPECT_FALSE(Checked(IDC_OPT_CRITRED));
}

TEST_F(OptionsPage, TickingAutoloadStoresItAndStartsOrStopsStartingWithWindows)
{
    Open();
    ASSERT_FALSE(RunValueExists());
    Click(IDC_OPT_AUTOLOAD);
    EXPECT_EQ(1u, ReadSettingDword(SettingAutoload));
    EXPECT_TRUE(RunValueExists());

    Click(IDC_OPT_AUTOLOAD);
    EXPECT_EQ(0u, ReadSettingDword(SettingAutoload));
    EXPECT_FALSE(RunValueExists());
    // Nothing else is told.
    EXPECT_EQ(0, host.refreshes);
    EXPECT_TRUE(host.applied.empty());
}

TEST_F(OptionsPage, TickingThePinkIconBoxStoresItAndRefreshesTheMainWindow)
{
    Open();
    Click(IDC_OPT_CRITRED);
    EXPECT_EQ(0u, ReadSettingDword(SettingCritRed));
    EXPECT_EQ(1, host.refreshes);
    Click(IDC_OPT_CRITRED);
    EXPECT_EQ(1u, ReadSettingDword(SettingCritRed));
    EXPECT_EQ(2, host.refreshes);
    EXPECT_TRUE(host.applied.empty());
}

TEST_F(OptionsPage, ChoosingALanguageStoresItAndTranslatesTheMainWindowButNotTheNames)
{
    ASSERT_TRUE(folder.Write("german.lng", kGerman));
    Open();
    ASSERT_EQ((Names{"english", "german"}), Languages());
    host.ShowWindow(SW_SHOW);
    SetFocus(Item(IDC_OPT_AUTOLOAD));

    Choose(1);
    EXPECT_EQ("german", StoredLang());
    EXPECT_EQ((std::vector<bool>{false}), host.applied);
    EXPECT_EQ(Item(IDC_OPT_LANGUAGE), GetFocus());
    // The page was translated, the language names were not.
    EXPECT_EQ("Mit &Windows starten", Text(Item(IDC_OPT_AUTOLOAD)));
    EXPECT_EQ((Names{"english", "german"}), Languages());
    EXPECT_EQ(1, Selected());
    // The translator fields follow the language.
    EXPECT_EQ("Hanna Berger", Text(Item(IDC_OPT_TRANSLATOR)));
    EXPECT_EQ("01.02.2005", Text(Item(IDC_OPT_DATE)));
    EXPECT_EQ(0, host.refreshes);

    // No selection: nothing stored, nobody told.
    Choose(-1);
    EXPECT_EQ("german", StoredLang());
    EXPECT_EQ(1u, host.applied.size());
}

TEST_F(OptionsPage, TheTranslatorFieldsComeFromTheCurrentLanguage)
{
    ASSERT_TRUE(folder.Write("german.lng", kGerman));
    ASSERT_TRUE(WriteSettingText(SettingLang, "german"));
    Open();
    EXPECT_EQ("Hanna Berger", Text(Item(IDC_OPT_TRANSLATOR)));
    EXPECT_EQ("hanna@berger.example", Text(Item(IDC_OPT_CONTACT)));
    EXPECT_EQ("01.02.2005", Text(Item(IDC_OPT_DATE)));
}

TEST_F(OptionsPage, InEnglishTheTranslatorFieldsShowTheBuiltInValues)
{
    Open();
    EXPECT_EQ("Orrowby", Text(Item(IDC_OPT_TRANSLATOR)));
    EXPECT_EQ("support@orrowby.example", Text(Item(IDC_OPT_CONTACT)));
    EXPECT_EQ("09/20/2004", Text(Item(IDC_OPT_DATE)));
    // english.lng was written by making english current: it is listed.
    EXPECT_EQ((Names{"english"}), Languages());
}

TEST_F(OptionsPage, F1AsksForTheOptionsTopicOnKeyDownAndKeyUp)
{
    Open();
    testing_support::HelpTopicRecorder help;
    MSG down{Item(IDC_OPT_LANGUAGE), WM_KEYDOWN, VK_F1, 0x003B0001, 0, {}};
    MSG up{Item(IDC_OPT_AUTOLOAD), WM_KEYUP, VK_F1, static_cast<LPARAM>(0xC03B0001), 0, {}};
    EXPECT_TRUE(WalkPreTranslateTree(host.m_hWnd, &down));
    EXPECT_TRUE(WalkPreTranslateTree(host.m_hWnd, &up));
    EXPECT_EQ("opt;opt;", help.Topics());
}

// An executable in a folder of any name, with a path of any length: the
// languages are listed, chosen and stored in their own script, and starting
// with Windows stores the whole path.
class OptionsPageAnyFolder : public OptionsPage, public ::testing::WithParamInterface<size_t> {};

TEST_P(OptionsPageAnyFolder, ListsChoosesAndStoresLanguagesInAnyScript)
{
    const std::string russian = "\xD1\x80\xD1\x83\xD1\x81\xD1\x81\xD0\xBA\xD0\xB8\xD0\xB9";
    testing_support::WideFolder where(testing_support::ScriptsFolderName(), GetParam());
    ASSERT_TRUE(where.Write(fw::WidenUtf8(russian) + L".lng", kGerman));
    ModulePath::OverrideModuleFileName(where.File(L"velindra.exe"));
    Open();
    EXPECT_EQ((Names{"english", russian}), Languages());
    EXPECT_EQ("Orrowby", Text(Item(IDC_OPT_TRANSLATOR))) << "english.lng is beside it";

    Choose(1);
    EXPECT_EQ(russian, StoredLang());
    EXPECT_EQ("Mit &Windows starten", Text(Item(IDC_OPT_AUTOLOAD)));
    host.page.LoadFromSettings();
    EXPECT_EQ(1, Selected());

    Click(IDC_OPT_AUTOLOAD);
    EXPECT_EQ(L"\"" + where.File(L"velindra.exe") + L"\"", RunValue());
}

INSTANTIATE_TEST_SUITE_P(PathLengths, OptionsPageAnyFolder, ::testing::Values(0u, 300u));

// The stored name is looked up as the language engine takes it: without the
// blanks around it, and not at all when it is no plain file name.
TEST_F(OptionsPage, TheStoredNameIsTakenAsTheLanguageEngineTakesIt)
{
    ASSERT_TRUE(folder.Write("german.lng", kGerman));
    ASSERT_TRUE(folder.Write("english.lng", ""));
    Open();
    const std::pair<const char*, int> table[] = {
        {" german\t", 1}, {"sub\\german", 0}, {"german", 1}, {"..\\german", 0}};
    for (const auto& row : table) {
        ASSERT_TRUE(WriteSettingText(SettingLang, row.first));
        host.page.LoadFromSettings();
        EXPECT_EQ(row.second, Selected()) << row.first;
    }
}
