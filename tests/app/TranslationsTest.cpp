// The languages that ship beside the program (lang/shipped). Each
// translation holds exactly the keys of the English template. The
// program started in it, then switched to English on the Options page: every
// window shows every text of the language in force (the wizard its step's
// caption as its title), each fits its control with unique access keys, and
// the translation's file stays as it was.
#include <set>

#include "lang/IniText.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/app/WindowTour.h"
#include "tests/support/LanguageText.h"
#include "tests/support/LayoutCheck.h"

using namespace main_window_testing;
using testing_support::LanguageEntry;
using testing_support::LanguageSection;
using testing_support::TextOf;

namespace {

// What the windows show, and the menu's items that share an access key.
struct Shown {
    std::set<std::string> texts;
    std::string sharedKeys;

    // The window's text, its items (a list box's, combo box's or tab
    // control's) and those of every window inside it.
    void AddWindow(HWND window, bool inside = true)
    {
        texts.insert(TextOf(window));
        char kind[64] = {}, text[1024] = {};
        ::GetClassNameA(window, kind, sizeof(kind));
        const bool tabs = lstrcmpiA(kind, WC_TABCONTROLA) == 0,
                   list = lstrcmpiA(kind, "ListBox") == 0;
        const UINT count = tabs ? TCM_GETITEMCOUNT : list ? LB_GETCOUNT : CB_GETCOUNT;
        for (int i = 0; (tabs || list || lstrcmpiA(kind, "ComboBox") == 0) &&
                        i < ::SendMessageA(window, count, 0, 0);
             ++i) {
            TCITEMA item{TCIF_TEXT, 0, 0, text, sizeof(text), 0, 0};
            text[0] = '\0';
            if (tabs)
                ::SendMessageA(window, TCM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
            else if (::SendMessageA(window, list ? LB_GETTEXTLEN : CB_GETLBTEXTLEN, i, 0) < 1024)
                ::SendMessageA(window, list ? LB_GETTEXT : CB_GETLBTEXT, i,
                               reinterpret_cast<LPARAM>(text));
            texts.insert(text);
        }
        if (inside)
            ::EnumChildWindows(
                window,
                [](HWND child, LPARAM shown) {
                    reinterpret_cast<Shown*>(shown)->AddWindow(child, false);
                    return TRUE;
                },
                reinterpret_cast<LPARAM>(this));
    }
    void AddMenu(const IconMenu& menu)
    {
        std::set<char> keys;
        for (int position = 0; position < menu.GetMenuItemCount(); ++position)
            if (const IconMenuItem* item = menu.GetItemRecord(position)) {
                texts.insert(item->text);
                const char key = testing_support::Mnemonic(item->text);
                if (key && !keys.insert(key).second)
                    sharedKeys += item->text + "\n";
                if (item->submenu)
                    AddMenu(*item->submenu);
            }
    }
    // The texts of the language file that no window shows, or empty. (A text
    // the program cannot read, not of the Windows code page, shows English.)
    std::string Unseen(const std::string& file) const
    {
        std::vector<std::string> unseen;
        for (const LanguageSection& section : testing_support::ParseLanguageText(file))
            for (const LanguageEntry& entry : section.entries)
                if (entry.value.empty() || !texts.count(entry.value))
                    unseen.push_back("[" + section.name + "] " + entry.key + "=" + entry.value);
        return Lines(unseen);
    }
};

class ShippedLanguage : public MainWindowEnvironment,
                        public ::testing::WithParamInterface<const char*> {
protected:
    // Every window in turn and the menu, in the language of the file: what
    // they show; the faults of their layout and a wizard's title other than
    // its step's translated caption go to the test's result.
    Shown Tour(const std::string& file, const std::string& in)
    {
        Shown shown;
        const WindowVisit visit = [&](const std::string& name, HWND window) {
            shown.AddWindow(window);
            CString caption; // wizard/1 to 3: dialogs 146 to 148
            if (name.compare(0, 7, "wizard/") == 0)
                IniText(file).Read("DialogID_14" + std::to_string(name[7] - '0' + 5), "ID_0", 1023,
                                   caption);
            EXPECT_TRUE(caption.empty() || TextOf(window) == caption)
                << name << " in " << in << " is titled " << TextOf(window);
        };
        EXPECT_EQ(TourFaults(*main, true, visit), "") << "in " << in;
        shown.AddMenu(main->Menu());
        return shown;
    }

    const std::string language = GetParam();
    const std::string shipped = testing_support::ShippedLanguageText(language + ".lng");
    const std::string english = testing_support::ShippedLanguageText("english.lng");
};

TEST_P(ShippedLanguage, HoldsTheTemplatesKeysReachesEveryWindowAndFitsAndSoDoesEnglish)
{
    ASSERT_FALSE(shipped.empty() || english.empty()) << "no lang/shipped/" << language << ".lng";
    ASSERT_TRUE(folder.Write(language + ".lng", shipped));
    EXPECT_EQ(Lines(testing_support::CompareLanguageTexts(
                  testing_support::ParseLanguageText(english),
                  testing_support::ParseLanguageText(shipped), false)),
              "");

    WriteSettingText(SettingLang, language);
    CreateMain();
    const Shown started = Tour(shipped, language);
    EXPECT_EQ(started.Unseen(shipped) + started.sharedKeys, "")
        << "shown nowhere, or menu items sharing an access key";

    // English picked in the Options page's list, as the user does.
    main->ShowMainWindow(MainDialog::PageOptions);
    HWND page = main->Sheet().GetPage(MainDialog::PageOptions)->m_hWnd;
    HWND list = ::GetDlgItem(page, IDC_OPT_LANGUAGE);
    ::SendMessageA(list, CB_SETCURSEL,
                   ::SendMessageA(list, CB_FINDSTRINGEXACT, WPARAM(-1), LPARAM("english")), 0);
    ::SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_OPT_LANGUAGE, CBN_SELCHANGE), LPARAM(list));
    PumpLikeTheProgram();
    EXPECT_EQ(Tour(english, "english").Unseen(english), "") << "shown nowhere in English";

    EXPECT_EQ(folder.Read(language + ".lng"), shipped) << "the translation's own file changed";
}

INSTANTIATE_TEST_SUITE_P(Shipped, ShippedLanguage,
                         ::testing::Values("german", "french", "spanish", "italian"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             return std::string(info.param);
                         });

} // namespace
