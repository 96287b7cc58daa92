// The Options page in the host that plays the main window: the language list
// made from the files beside the executable with the stored language
// selected, the check boxes with what they store and whom they tell, and a
// change of language with the translator of the language in force.
#include <gtest/gtest.h>

#include "pages/OptionsPage.h"
#include "tests/pages/PageHost.h"

namespace {

const char kGerman[] = "[Translator]\r\nID_0=Hanna Berger\r\nID_1=hanna@berger.example\r\n"
                       "ID_2=01.02.2005\r\n"
                       "[DialogID_102 - PageNo_0]\r\nID_1005=Mit &Windows starten\r\n"
                       "[DialogID_102 - PageNo_0 - ComboBoxID_1043]\r\nID_0=Englisch\r\n"
                       "ID_1=Deutsch\r\n";

using Names = std::vector<std::string>;

class OptionsPage : public PageTest<CDialogCritOpt> {
protected:
    // As the main window starts: the stored language made current (which
    // writes english.lng), the page created and translated, the stored values
    // shown.
    void Open(bool setLanguage = true)
    {
        if (setLanguage)
            host.language.SetLanguage(StoredLanguage().empty() ? "english" : StoredLanguage());
        ASSERT_TRUE(host.Create());
        host.ApplyLanguage(true);
        host.page.LoadFromSettings();
    }

    Names Languages() const
    {
        Names names;
        for (int i = 0; i < SendMessageA(Item(IDC_OPT_LANGUAGE), CB_GETCOUNT, 0, 0); ++i) {
            char name[256] = "";
            SendMessageA(Item(IDC_OPT_LANGUAGE), CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(name));
            names.push_back(name);
        }
        return names;
    }
    LRESULT Selected() const { return SendMessageA(Item(IDC_OPT_LANGUAGE), CB_GETCURSEL, 0, 0); }
    bool Checked(int id) const { return SendMessageA(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    void Click(int id) { SendMessageA(Item(id), BM_CLICK, 0, 0); }
    // Picks an entry as the user does: the list tells its parent.
    void Choose(int index)
    {
        SendMessageA(Item(IDC_OPT_LANGUAGE), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        SendMessageA(host.page.m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_OPT_LANGUAGE, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(Item(IDC_OPT_LANGUAGE)));
    }
    static std::string StoredLanguage()
    {
        std::string stored;
        ReadSettingText(SettingLang, stored);
        return stored;
    }
    std::string RunValue() const
    {
        char value[1024] = "";
        DWORD size = sizeof(value);
        RegGetValueA(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Run",
                     "Velindra", RRF_RT_REG_SZ, nullptr, value, &size);
        return value;
    }
};

// The stored name is looked up as the language engine takes it: in any case,
// without the blanks around it, and not at all when it is no plain file name;
// without its file the list shows English and the stored name stays.
TEST_F(OptionsPage, ListsTheLanguageFilesAndSelectsTheStoredLanguage)
{
    ASSERT_TRUE(folder.Write("german.lng", kGerman));
    for (const char* other : {"english.lng", "notes.txt", "french.lngx"})
        ASSERT_TRUE(folder.Write(other, ""));
    Open();
    EXPECT_EQ(Languages(), (Names{"english", "german"}));
    EXPECT_EQ(Selected(), 0);
    const std::pair<const char*, int> table[] = {{"GERMAN", 1},     {" german\t", 1},
                                                 {"german-old", 0}, {"sub\\german", 0},
                                                 {"..\\german", 0}, {"german", 1}};
    for (const auto& [stored, selected] : table) {
        ASSERT_TRUE(WriteSettingText(SettingLang, stored));
        host.page.LoadFromSettings();
        EXPECT_EQ(Selected(), selected) << stored;
        EXPECT_EQ(StoredLanguage(), stored);
    }
    EXPECT_EQ(Languages(), (Names{"english", "german"}));
}

TEST_F(OptionsPage, WithoutLanguageFilesTheListHoldsEnglishOnce)
{
    ASSERT_TRUE(WriteSettingText(SettingLang, "german"));
    Open(false);
    host.page.LoadFromSettings();
    EXPECT_EQ(Languages(), (Names{"english"}));
    EXPECT_EQ(Selected(), 0);
}

TEST_F(OptionsPage, TheBoxesShowTheirSettingsAndStoreThem)
{
    Open();
    EXPECT_FALSE(Checked(IDC_OPT_AUTOLOAD));
    EXPECT_TRUE(Checked(IDC_OPT_CRITRED));
    // Starting with Windows: the Run value with the executable's whole path.
    Click(IDC_OPT_AUTOLOAD);
    EXPECT_EQ(ReadSettingDword(SettingAutoload), 1u);
    EXPECT_EQ(RunValue(), "\"" + folder.File("velindra.exe") + "\"");
    Click(IDC_OPT_AUTOLOAD);
    EXPECT_EQ(ReadSettingDword(SettingAutoload), 0u);
    EXPECT_EQ(RunValue(), "");
    EXPECT_EQ(host.refreshes, 0);
    // The pink icon: the main window refreshes.
    Click(IDC_OPT_CRITRED);
    EXPECT_EQ(ReadSettingDword(SettingCritRed), 0u);
    EXPECT_EQ(host.refreshes, 1);
    Click(IDC_OPT_CRITRED);
    EXPECT_EQ(ReadSettingDword(SettingCritRed), 1u);
    EXPECT_EQ(host.refreshes, 2);
    EXPECT_EQ(host.applied, std::vector<bool>{true});

    ASSERT_TRUE(WriteSettingDword(SettingAutoload, 1));
    ASSERT_TRUE(WriteSettingDword(SettingCritRed, 0));
    host.page.LoadFromSettings();
    EXPECT_TRUE(Checked(IDC_OPT_AUTOLOAD));
    EXPECT_FALSE(Checked(IDC_OPT_CRITRED));
}

// The page is translated, the language names are not; the translator fields
// name the translator of the language in force, at start and after a change.
TEST_F(OptionsPage, AChosenLanguageIsStoredAndAppliedWithItsTranslator)
{
    ASSERT_TRUE(folder.Write("german.lng", kGerman));
    ASSERT_TRUE(WriteSettingText(SettingLang, "german"));
    Open();
    EXPECT_EQ(Text(IDC_OPT_AUTOLOAD), "Mit &Windows starten");
    EXPECT_EQ(Languages(), (Names{"english", "german"}));
    EXPECT_EQ(Text(IDC_OPT_TRANSLATOR), "Hanna Berger");
    EXPECT_EQ(Text(IDC_OPT_CONTACT), "hanna@berger.example");
    EXPECT_EQ(Text(IDC_OPT_DATE), "01.02.2005");

    host.ShowWindow(SW_SHOW);
    SetFocus(Item(IDC_OPT_AUTOLOAD));
    Choose(0);
    EXPECT_EQ(StoredLanguage(), "english");
    EXPECT_EQ(host.applied, (std::vector<bool>{true, false}));
    EXPECT_EQ(GetFocus(), Item(IDC_OPT_LANGUAGE));
    EXPECT_EQ(Text(IDC_OPT_AUTOLOAD), "Autoload with &Windows");
    EXPECT_EQ(Text(IDC_OPT_TRANSLATOR), "Orrowby");
    EXPECT_EQ(Text(IDC_OPT_CONTACT), "support@orrowby.example");
    EXPECT_EQ(Text(IDC_OPT_DATE), "09/20/2004");
    EXPECT_EQ(host.refreshes, 0);

    // No selection: nothing stored, nobody told.
    Choose(-1);
    EXPECT_EQ(StoredLanguage(), "english");
    EXPECT_EQ(host.applied.size(), 2u);
}

} // namespace
