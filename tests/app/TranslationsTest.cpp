// The translations that ship beside the program (lang/shipped): each holds
// exactly the sections and keys of the English template, none of them empty,
// in the code page the program reads; each reaches every window, fits every
// control and keeps every access key unique; and a switch to it and back to
// English on the Options page leaves every window as it was and the
// translation's own file untouched.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "lang/IniText.h"
#include "res/resource.h"
#include "tests/app/MainWindowHost.h"
#include "tests/app/WindowTour.h"
#include "tests/support/LanguageText.h"
#include "tests/support/LayoutCheck.h"

using namespace main_window_testing;

namespace {

const char* const kLanguages[] = {"german", "french", "spanish", "italian"};

std::string Lines(const std::vector<std::string>& lines)
{
    std::string all;
    for (const std::string& line : lines)
        all += line + "\n";
    return all;
}

// The lines of `a` that `b` lacks (as many times as they are missing).
std::vector<std::string> Missing(std::vector<std::string> a, std::vector<std::string> b)
{
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    std::vector<std::string> missing;
    std::set_difference(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(missing));
    return missing;
}

std::string WindowText(HWND window)
{
    char text[1024] = {};
    ::GetWindowTextA(window, text, sizeof(text));
    return text;
}

// The item texts of a list box, combo box or tab control.
std::vector<std::string> ItemTexts(HWND control)
{
    char kind[64] = {};
    ::GetClassNameA(control, kind, sizeof(kind));
    std::vector<std::string> items;
    char text[1024] = {};
    if (lstrcmpiA(kind, WC_TABCONTROLA) == 0) {
        const int count = static_cast<int>(::SendMessageA(control, TCM_GETITEMCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            TCITEMA item{};
            item.mask = TCIF_TEXT;
            item.pszText = text;
            item.cchTextMax = sizeof(text);
            text[0] = '\0';
            ::SendMessageA(control, TCM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
            items.push_back(text);
        }
        return items;
    }
    const bool list = lstrcmpiA(kind, "ListBox") == 0, combo = lstrcmpiA(kind, "ComboBox") == 0;
    if (!list && !combo)
        return items;
    const LRESULT count = ::SendMessageA(control, list ? LB_GETCOUNT : CB_GETCOUNT, 0, 0);
    for (int i = 0; i < count; ++i) {
        text[0] = '\0';
        if (::SendMessageA(control, list ? LB_GETTEXTLEN : CB_GETLBTEXTLEN, i, 0) <
            static_cast<LRESULT>(sizeof(text)))
            ::SendMessageA(control, list ? LB_GETTEXT : CB_GETLBTEXT, i,
                           reinterpret_cast<LPARAM>(text));
        items.push_back(text);
    }
    return items;
}

// What the windows show: one line per text, named after the window and the
// control ("halfyear/1005: &Next >>", "main/options/1023[2]: Options").
struct Shown {
    std::vector<std::string> lines;
    std::set<std::string> texts;

    void Add(const std::string& name, const std::string& text)
    {
        lines.push_back(name + ": " + text);
        texts.insert(text);
    }
    void AddWindow(const std::string& name, HWND window)
    {
        Add(name, WindowText(window));
        const std::vector<std::string> items = ItemTexts(window);
        for (size_t i = 0; i < items.size(); ++i)
            Add(name + "[" + std::to_string(i) + "]", items[i]);
    }
    void AddTree(const std::string& name, HWND window)
    {
        AddWindow(name, window);
        std::vector<HWND> children;
        ::EnumChildWindows(
            window,
            [](HWND child, LPARAM data) -> BOOL {
                reinterpret_cast<std::vector<HWND>*>(data)->push_back(child);
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&children));
        for (HWND child : children)
            AddWindow(name + "/" + std::to_string(::GetDlgCtrlID(child)), child);
    }
    void AddMenu(const std::string& name, const IconMenu& menu)
    {
        for (int position = 0; position < menu.GetMenuItemCount(); ++position) {
            const IconMenuItem* item = menu.GetItemRecord(position);
            if (!item)
                continue;
            Add(name + "[" + std::to_string(position) + "]", item->text);
            if (item->submenu)
                AddMenu(name + "/" + std::to_string(position), *item->submenu);
        }
    }
};

class TranslationTest : public MainWindowEnvironment,
                        public ::testing::WithParamInterface<const char*> {
protected:
    void SetUp() override
    {
        shipped =
            testing_support::ReadFileBytes(testing_support::ShippedLanguageFile(language + ".lng"));
        ASSERT_FALSE(shipped.empty()) << "no lang/shipped/" << language << ".lng";
        ASSERT_TRUE(folder.Write(language + ".lng", shipped));
    }

    // Every window in turn: what each shows, the menu included; with
    // `faults`, what does not fit or shares an access key.
    Shown Tour(std::vector<std::string>* faults = nullptr)
    {
        // The navigation list's frame is drawn over the edge of the picture stripe.
        const std::vector<testing_support::AllowedOverlap> allowed{
            {IDC_MAIN_STRIPE, IDC_MAIN_NAVIGATION}};
        Shown shown;
        TourEveryWindow(*main, [&](const std::string& name, HWND window) {
            shown.AddTree(name, window);
            if (!faults)
                return;
            testing_support::CheckLayout(window, name, *faults, allowed);
            testing_support::CheckMnemonics(window, name, *faults);
        });
        shown.AddMenu("menu", main->Menu());
        return shown;
    }

    // Picks the language in the Options page's list, as the user does.
    void Choose(const std::string& name)
    {
        main->ShowMainWindow(MainDialog::PageOptions);
        HWND list =
            ::GetDlgItem(main->Sheet().GetPage(MainDialog::PageOptions)->m_hWnd, IDC_OPT_LANGUAGE);
        const LRESULT index = ::SendMessageA(list, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                             reinterpret_cast<LPARAM>(name.c_str()));
        ASSERT_NE(index, CB_ERR) << name;
        ::SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        ::SendMessageA(::GetParent(list), WM_COMMAND, MAKEWPARAM(IDC_OPT_LANGUAGE, CBN_SELCHANGE),
                       reinterpret_cast<LPARAM>(list));
        PumpLikeTheProgram();
    }

    const std::string language = GetParam();
    std::string shipped;
};

TEST_P(TranslationTest, HoldsExactlyTheTemplatesKeysEachWithATextTheProgramReads)
{
    const std::string english =
        testing_support::ReadFileBytes(testing_support::ShippedLanguageFile("english.lng"));
    const testing_support::LanguageText file = testing_support::ParseLanguageText(shipped);
    const testing_support::LanguageText model = testing_support::ParseLanguageText(english);
    ASSERT_FALSE(model.empty());
    EXPECT_EQ(Lines(testing_support::CompareLanguageTexts(model, file, false)), "");

    const IniText read(shipped);
    for (const testing_support::LanguageSection& section : file)
        for (const testing_support::LanguageEntry& entry : section.entries) {
            CString value;
            EXPECT_TRUE(read.Read(section.name, entry.key, 1023, value) && !value.empty())
                << "[" << section.name << "] " << entry.key << " is empty";
            EXPECT_EQ(value, entry.value) << "[" << section.name << "] " << entry.key
                                          << " is not text of the Windows code page";
        }
    // Its own translator and date, not those of the English file.
    for (const char* key : {"ID_0", "ID_2"}) {
        CString own, built;
        IniText(shipped).Read("Translator", key, 1023, own);
        IniText(english).Read("Translator", key, 1023, built);
        EXPECT_NE(own, built) << key;
    }
}

TEST_P(TranslationTest, ReachesEveryWindowFitsEveryControlAndKeepsAccessKeysUnique)
{
    WriteSettingText(SettingLang, language);
    CreateMain();
    std::vector<std::string> faults;
    const Shown shown = Tour(&faults);
    EXPECT_EQ(Lines(faults), "");

    std::vector<std::string> unseen;
    for (const testing_support::LanguageSection& section :
         testing_support::ParseLanguageText(shipped))
        for (const testing_support::LanguageEntry& entry : section.entries)
            if (!shown.texts.count(entry.value))
                unseen.push_back("[" + section.name + "] " + entry.key + "=" + entry.value);
    EXPECT_EQ(Lines(unseen), "") << "shown nowhere";

    std::vector<std::string> keys;
    std::set<char> menuKeys;
    for (const std::string& line : shown.lines)
        if (line.compare(0, 5, "menu/") == 0) {
            const char key = testing_support::Mnemonic(line.substr(line.find(": ") + 2));
            if (key && !menuKeys.insert(key).second)
                keys.push_back(line);
        }
    EXPECT_EQ(Lines(keys), "") << "menu items sharing an access key";
}

TEST_P(TranslationTest, ASwitchToItAndBackOnTheOptionsPageLeavesEveryWindowAsItWas)
{
    CreateMain();
    const Shown before = Tour();
    Choose(language);
    CString hide;
    IniText(shipped).Read("DialogID_102", "ID_1030", 1023, hide);
    EXPECT_EQ(WindowText(::GetDlgItem(main->m_hWnd, IDC_MAIN_HIDE)), hide);
    Choose("english");
    const Shown after = Tour();
    // Windows stack their children in another order after a page change.
    EXPECT_EQ(Lines(Missing(before.lines, after.lines)), "") << "texts that did not come back";
    EXPECT_EQ(Lines(Missing(after.lines, before.lines)), "") << "texts left over";
    EXPECT_EQ(folder.Read(language + ".lng"), shipped) << "the translation's own file changed";
}

INSTANTIATE_TEST_SUITE_P(Shipped, TranslationTest, ::testing::ValuesIn(kLanguages),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             return std::string(info.param);
                         });

} // namespace
