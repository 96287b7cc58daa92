// The Options page in the host that plays the main window: the language list
// made from the files beside the executable with the stored language
// selected, the check boxes with what they store and whom they tell, and a
// change of language.
#include "pages/CDialogCritOpt.h"
#include "pages/SettlingChange.h"

#include "model/Settings.h"
#include "tests/pages/PageHost.h"

namespace {

const char kGerman[] = "[Translator]\r\nID_0=Hanna Berger\r\nName=Deutsch\r\n";

using Names = std::vector<std::string>;

class OptionsPage : public PageTest<CDialogCritOpt> {
protected:
    // As the main window starts: the page created and translated in the
    // stored language, the stored values shown.
    void Open()
    {
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
    // Picks an entry as the user does: the list tells its parent (a step in the
    // closed list, or the end of a choice in the dropped one).
    void Choose(int index, WORD how = CBN_SELCHANGE)
    {
        SendMessageA(Item(IDC_OPT_LANGUAGE), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        SendMessageA(host.page.m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_OPT_LANGUAGE, how),
                     reinterpret_cast<LPARAM>(Item(IDC_OPT_LANGUAGE)));
        testing_support::PumpMessages();
    }
    static std::string StoredLanguage()
    {
        std::string stored;
        TestSettings().ReadText(SettingLang, stored);
        return stored;
    }
};

// Each language by its own name (the file name without one; a name two files
// give with the file's), the stored one selected as the language engine finds
// it (its rules: tests/lang); without its file the list shows English and the
// stored name stays. (A file too large to be a language: the black box.)
TEST_F(OptionsPage, ListsTheLanguagesByTheirOwnNamesAndSelectsTheStoredLanguage)
{
    ASSERT_TRUE(folder.Write("german.lng", kGerman) && folder.Write("deutsch-alt.lng", kGerman));
    for (const char* other : {"english.lng", "french.lng", "notes.txt", "french.lngx"})
        ASSERT_TRUE(folder.Write(other, ""));
    Open();
    const Names listed{"Deutsch (deutsch-alt)", "Deutsch (german)", "English", "french"};
    EXPECT_TRUE(Languages() == listed && Selected() == 2);
    for (const auto& [stored, selected] :
         {std::pair{"GERMAN", 1}, {"german-old", 2}, {"..\\german", 2}, {"french", 3}}) {
        ASSERT_TRUE(store.WriteText(SettingLang, stored));
        host.page.LoadFromSettings();
        EXPECT_TRUE(Selected() == selected && StoredLanguage() == stored) << stored;
    }
    EXPECT_EQ(Languages(), listed);
    // A choice in the list is stored as the file's name and applied, the page
    // naming its translator and the focus staying in the list; no selection
    // stores nothing and tells nobody.
    host.ShowWindow(SW_SHOW);
    SetFocus(Item(IDC_OPT_LANGUAGE));
    Choose(1, CBN_SELENDOK);
    EXPECT_TRUE(StoredLanguage() == "german" && Text(IDC_OPT_TRANSLATOR) == "Hanna Berger");
    Choose(2);
    EXPECT_TRUE(StoredLanguage() == "english" && GetFocus() == Item(IDC_OPT_LANGUAGE));
    EXPECT_EQ(host.applied, (std::vector<bool>{true, false, false}));
    // A language whose file went since the list was made (a folder of its name
    // now) is not stored: the list is made again, on the language in force.
    ASSERT_TRUE(DeleteFileA(folder.File("german.lng").c_str()) &&
                CreateDirectoryA(folder.File("german.lng").c_str(), nullptr));
    Choose(1);
    EXPECT_TRUE(StoredLanguage() == "english" &&
                Languages() == (Names{"Deutsch", "English", "french"}) && Selected() == 1);
    Choose(-1);
    EXPECT_TRUE(StoredLanguage() == "english" && host.applied.size() == 3 && !host.refreshes);
}

// Without language files the list holds English once. Starting with Windows
// writes the Run value (the executable's whole path: the black box) and takes
// it away; the pink icon refreshes the main window.
TEST_F(OptionsPage, TheBoxesShowTheirSettingsAndStoreThem)
{
    ASSERT_TRUE(store.WriteText(SettingLang, "german"));
    Open();
    EXPECT_TRUE(Languages() == Names{"English"} && Selected() == 0);
    EXPECT_TRUE(!Checked(IDC_OPT_AUTOLOAD) && Checked(IDC_OPT_CRITRED));
    for (DWORD on : {1u, 0u}) {
        SendMessageA(Item(IDC_OPT_AUTOLOAD), BM_CLICK, 0, 0);
        EXPECT_EQ(store.ReadDword(SettingAutoload), on);
        EXPECT_EQ(RegGetValueA(HKEY_CURRENT_USER,
                               "Software\\Microsoft\\Windows\\CurrentVersion\\Run", "Velindra",
                               RRF_RT_REG_SZ, nullptr, nullptr, nullptr),
                  on ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND);
    }
    for (DWORD on : {0u, 1u}) {
        SendMessageA(Item(IDC_OPT_CRITRED), BM_CLICK, 0, 0);
        EXPECT_EQ(store.ReadDword(SettingCritRed), on);
    }
    EXPECT_TRUE(host.refreshes == 2 && host.applied == std::vector<bool>{true});
    // The box tells whether the program really starts with Windows: a wish
    // whose Run value went is not ticked, a Run value of this program is.
    ASSERT_TRUE(store.WriteDword(SettingAutoload, 1));
    ASSERT_TRUE(store.WriteDword(SettingCritRed, 0));
    host.page.LoadFromSettings();
    EXPECT_TRUE(!Checked(IDC_OPT_AUTOLOAD) && !Checked(IDC_OPT_CRITRED));
    SetAutoload(true, services.language.ProgramFile());
    host.page.LoadFromSettings();
    EXPECT_TRUE(Checked(IDC_OPT_AUTOLOAD));
}

// The reminder's days are asked for only while it is on; a number in its
// range is stored once the box is left (nothing while she types), any other
// stores the default (as the cycle's counts do), which the box then shows
// while a balloon says why; the unit beside it follows the number.
TEST_F(OptionsPage, TheReminderRowStoresItsDaysAndSaysWhyItCorrectsThem)
{
    Open();
    host.ShowWindow(SW_SHOW);
    EXPECT_TRUE(!Checked(IDC_OPT_REMIND) && !::IsWindowEnabled(Item(IDC_OPT_REMIND_EDIT)));
    SendMessageA(Item(IDC_OPT_REMIND), BM_CLICK, 0, 0);
    EXPECT_TRUE(store.ReadDword(SettingRemind) == 1 &&
                ::IsWindowEnabled(Item(IDC_OPT_REMIND_EDIT)));
    const struct {
        const char *typed, *shown;
        DWORD stored;
        const char* balloon;
    } table[] = {
        {"9", "2 days", 2, "Enter a number from 1 to 7. The number in use is 2."},
        {"12", "1 day", 1, ""}, // one digit
    };
    for (const auto& row : table) {
        const DWORD before = store.ReadDword(SettingRemindDays);
        ::SetFocus(Item(IDC_OPT_REMIND_EDIT));
        TypeOver(IDC_OPT_REMIND_EDIT, row.typed);
        EXPECT_EQ(store.ReadDword(SettingRemindDays), before) << row.typed;
        ::SetFocus(Item(IDC_OPT_REMIND));
        EXPECT_EQ(Text(IDC_OPT_REMIND_EDIT) + " " + Text(IDC_OPT_REMIND_UNIT) + " " + Balloon(),
                  std::string(row.shown) + " before critical days " + row.balloon);
        EXPECT_EQ(store.ReadDword(SettingRemindDays), row.stored) << row.typed;
    }
    // In the box, a pause stores the days; leaving the page stores them at once.
    ::SetFocus(Item(IDC_OPT_REMIND_EDIT));
    TypeOver(IDC_OPT_REMIND_EDIT, "5");
    testing_support::PumpMessages(SettlingChange::kPause + 300);
    EXPECT_EQ(store.ReadDword(SettingRemindDays), 5u);
    TypeOver(IDC_OPT_REMIND_EDIT, "6");
    host.page.OnKillActive();
    EXPECT_EQ(store.ReadDword(SettingRemindDays), 6u);
}

// While the reminder is on and the program does not start with Windows, a
// line under its row offers to start it so; its button does, and the line
// goes. The reminder alone never switches it.
TEST_F(OptionsPage, TheReminderOffersToStartWithWindowsWhileItDoesNot)
{
    Open();
    host.ShowWindow(SW_SHOW);
    auto offered = [&] {
        return ::IsWindowVisible(Item(IDC_OPT_AUTOLOAD_NOTE)) &&
               ::IsWindowVisible(Item(IDC_OPT_AUTOLOAD_OFFER));
    };
    auto click = [&](int id) { SendMessageA(Item(id), BM_CLICK, 0, 0); };
    EXPECT_FALSE(offered());
    click(IDC_OPT_REMIND);
    EXPECT_TRUE(offered() && !Checked(IDC_OPT_AUTOLOAD) && store.ReadDword(SettingAutoload) == 0);
    click(IDC_OPT_AUTOLOAD_OFFER);
    EXPECT_TRUE(!offered() && Checked(IDC_OPT_AUTOLOAD) && store.ReadDword(SettingAutoload) == 1 &&
                StartsWithWindows(services.language.ProgramFile()));
    click(IDC_OPT_AUTOLOAD);
    EXPECT_TRUE(offered());
    click(IDC_OPT_REMIND);
    EXPECT_FALSE(offered());
}

} // namespace
