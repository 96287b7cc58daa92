// The languages that ship beside the program (lang/shipped). Each
// translation holds exactly the keys of the English template. The
// program started in it, then switched to English on the Options page: every
// window shows every text of the language in force (the wizard its step's
// caption as its title), each fits its control with unique access keys, and
// the translation's file stays as it was; so do the texts the program
// builds, at their longest.
#include <algorithm>
#include <set>

#include "framework/Dpi.h"
#include "framework/Gdi.h"
#include "framework/TextCodec.h"
#include "lang/IniText.h"
#include "tests/app/BuiltTexts.h"
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
    std::string glyphs; // characters of the list's and the menu's items drawn as boxes

    // The window's text, its items (a list box's, combo box's or tab
    // control's, a list view's headings) and those of every window inside it.
    void AddWindow(HWND window, bool inside = true)
    {
        texts.insert(TextOf(window));
        wchar_t kind[64] = {}, text[1024] = {};
        ::GetClassNameW(window, kind, 64);
        const bool tabs = lstrcmpiW(kind, WC_TABCONTROLW) == 0,
                   list = lstrcmpiW(kind, L"ListBox") == 0;
        const UINT count = tabs ? TCM_GETITEMCOUNT : list ? LB_GETCOUNT : CB_GETCOUNT;
        for (int i = 0; (tabs || list || lstrcmpiW(kind, L"ComboBox") == 0) &&
                        i < ::SendMessageW(window, count, 0, 0);
             ++i) {
            TCITEMW item{TCIF_TEXT, 0, 0, text, 1024, 0, 0};
            text[0] = L'\0';
            if (tabs)
                ::SendMessageW(window, TCM_GETITEMW, i, reinterpret_cast<LPARAM>(&item));
            else if (::SendMessageW(window, list ? LB_GETTEXTLEN : CB_GETLBTEXTLEN, i, 0) < 1024)
                ::SendMessageW(window, list ? LB_GETTEXT : CB_GETLBTEXT, i,
                               reinterpret_cast<LPARAM>(text));
            texts.insert(fw::Utf8(text));
            if (list) // the navigation list draws its items in its own font
                glyphs += testing_support::MissingGlyphs(
                    HFONT(::SendMessageW(window, WM_GETFONT, 0, 0)), fw::Utf8(text));
        }
        // A list view's column headings.
        for (int i = 0; lstrcmpiW(kind, WC_HEADERW) == 0 && i < Header_GetItemCount(window); ++i) {
            HDITEMW item{};
            item.mask = HDI_TEXT;
            item.pszText = text;
            item.cchTextMax = 1024;
            text[0] = L'\0';
            ::SendMessageW(window, HDM_GETITEMW, i, reinterpret_cast<LPARAM>(&item));
            texts.insert(fw::Utf8(text));
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
    void AddMenu(const IconMenu& menu, HFONT font)
    {
        std::set<wchar_t> keys;
        for (int position = 0; position < menu.GetMenuItemCount(); ++position)
            if (const IconMenuItem* item = menu.GetItemRecord(position)) {
                texts.insert(item->text);
                glyphs += testing_support::MissingGlyphs(font, item->text);
                const wchar_t key = testing_support::Mnemonic(item->text);
                if (key && !keys.insert(key).second)
                    sharedKeys += item->text + "\n";
                if (item->submenu)
                    AddMenu(*item->submenu, font);
            }
    }
    // The texts of the language file that no window shows, or empty. The
    // locale of the language's dates, the program's own texts (written into
    // the notification icon, spoken to a screen reader) and the units in the
    // forms of counts are not window texts: their own tests look for them.
    std::string Unseen(const std::string& file) const
    {
        std::vector<std::string> unseen;
        for (const LanguageSection& section : testing_support::ParseLanguageText(file)) {
            const LanguageSection plain = testing_support::WithoutPluralForms({section})[0];
            for (const LanguageEntry& entry : plain.entries) {
                const bool counted = std::any_of(section.entries.begin(), section.entries.end(),
                                                 [&](const LanguageEntry& form) {
                                                     return form.key.rfind(entry.key + ".", 0) == 0;
                                                 });
                if ((entry.value.empty() || !texts.count(entry.value)) && !counted &&
                    section.name != "Texts" &&
                    !(section.name == "Translator" && entry.key == "Locale"))
                    unseen.push_back("[" + section.name + "] " + entry.key + "=" + entry.value);
            }
        }
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
        std::vector<std::string> built;
        const WindowVisit builtTexts = BuiltTextCheck(texts, built);
        const WindowVisit visit = [&](const std::string& name, HWND window) {
            shown.AddWindow(window);
            builtTexts(name, window);
            CString caption; // wizard/1 to 3: dialogs 146 to 148
            if (name.compare(0, 7, "wizard/") == 0)
                IniText(file).Read("DialogID_14" + std::to_string(name[7] - '0' + 5), "ID_0", 1023,
                                   caption);
            EXPECT_TRUE(caption.empty() || TextOf(window) == caption)
                << name << " in " << in << " is titled " << TextOf(window);
        };
        EXPECT_EQ(TourFaults(*main, true, visit), "") << "in " << in;
        EXPECT_EQ(Lines(built), "") << "texts the program builds, in " << in;
        CFont menuFont;
        CreateShellFont(menuFont, fw::WindowDpi(main->m_hWnd));
        shown.AddMenu(main->Tray().Menu(), menuFont);
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
                  testing_support::WithoutPluralForms(testing_support::ParseLanguageText(english)),
                  testing_support::WithoutPluralForms(testing_support::ParseLanguageText(shipped)),
                  false)),
              "");

    store.WriteText(SettingLang, language);
    CreateMain();
    const Shown started = Tour(shipped, language);
    EXPECT_EQ(started.Unseen(shipped) + started.sharedKeys + started.glyphs, "")
        << "shown nowhere, menu items sharing an access key, or characters drawn as boxes";
    // The calendar's month and weekday names, in the language's locale. (What
    // a screen reader hears of it: the calendar's test, the texts by their keys.)
    MonthCalendarCtrl& calendar = main->Monitor().Calendar();
    std::string names = calendar.MonthBandText();
    for (int day = 16; day <= 22; ++day) { // Sunday 16 May 2004 to Saturday
        std::string name;
        calendar.GetDateName(COleDateTime(2004, 5, day, 0, 0, 0), MonthCalendarCtrl::WeekdayName,
                             MonthCalendarCtrl::ShortName, name);
        names += name;
    }
    // (Checked in the regular weight: Wine 8 links no font to a bold one, so
    // its bold Tahoma has no Chinese or Japanese; Windows links both weights.)
    CFont font;
    CreateShellFont(font, fw::WindowDpi(main->m_hWnd));
    EXPECT_EQ(testing_support::MissingGlyphs(font, names), "") << names;

    // English picked in the Options page's list, as the user does.
    main->ShowMainWindow(MainDialog::PageOptions);
    HWND page = main->Sheet().GetPage(MainDialog::PageOptions)->m_hWnd;
    HWND list = ::GetDlgItem(page, IDC_OPT_LANGUAGE);
    ::SendMessageW(list, CB_SETCURSEL,
                   ::SendMessageW(list, CB_FINDSTRINGEXACT, WPARAM(-1), LPARAM(L"English")), 0);
    ::SendMessageW(page, WM_COMMAND, MAKEWPARAM(IDC_OPT_LANGUAGE, CBN_SELCHANGE), LPARAM(list));
    PumpLikeTheProgram();
    EXPECT_EQ(Tour(english, "english").Unseen(english), "") << "shown nowhere in English";

    EXPECT_EQ(folder.Read(language + ".lng"), shipped) << "the translation's own file changed";
}

INSTANTIATE_TEST_SUITE_P(Shipped, ShippedLanguage,
                         ::testing::Values("german", "french", "spanish", "italian", "russian",
                                           "polish", "turkish", "portuguese-brazil", "japanese",
                                           "chinese-simplified"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             std::string name = info.param; // a test's name has no '-'
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

} // namespace
