// Three runs of the real program from one folder, whose name holds characters
// of any script (per-user installs live under the user's profile, whose name
// can be anything; a path longer than MAX_PATH cannot be started by
// CreateProcess: the language tests cover it). The first run offers the
// wizard while the main window (with its own caption) is still hidden; taking
// it, then every window (the wizard's steps, the four pages, the half-year
// calendar, History, the help window on hiding, the icon's menu) opens once. What the
// program writes of them is exactly the English template that ships
// (lang/shipped/english.lng): a control or menu item added without making the
// template again (scripts/template) fails here. In the second, a language
// named in any script is listed, chosen, stored as it is spelt and applied,
// starting with Windows names the program's whole path, and help opens. The
// window shows or stays hidden as it was at the end of the run before; Exit
// from the window, Exit from the icon's menu and the close box end it.
#include "tests/blackbox/Program.h"

#include <commctrl.h>

#include "tests/support/LanguageText.h"

namespace blackbox {
namespace {

using RunsTest = BlackBoxTest;

// Waits for the window that holds the control, then clicks the button;
// false when the window never showed or stayed.
bool CloseWith(const Program& program, int controlId, int buttonId)
{
    HWND window = program.WaitFor(Holding(controlId));
    if (!window)
        return false;
    ::PostMessageA(::GetDlgItem(window, buttonId), BM_CLICK, 0, 0);
    return WaitUntil([&] { return !::IsWindow(window); });
}

// A text value of the real registry (the key's name in ASCII).
std::wstring ReadText(HKEY root, const std::string& key, const wchar_t* name)
{
    wchar_t text[1024] = {};
    DWORD size = sizeof(text);
    ::RegGetValueW(root, std::wstring(key.begin(), key.end()).c_str(), name, RRF_RT_REG_SZ, nullptr,
                   text, &size);
    return text;
}

// The language named in Russian, chosen in the second run.
const std::wstring kRussian = L"\u0440\u0443\u0441\u0441\u043A\u0438\u0439";

TEST_F(RunsTest, EveryWindowOnceWritesTheTemplateAndEachRunEndsAsTheUserLeftIt)
{
    const std::string shipped = testing_support::ShippedLanguageText("english.lng");
    ASSERT_FALSE(shipped.empty()) << "no lang/shipped/english.lng (VELINDRA_SOURCE_DIR)";
    ProgramFolder folder(testing_support::ScriptsFolderName());
    ASSERT_TRUE(folder.ready);
    // No english.lng: the program makes it, as UTF-8 with its mark.
    {
        // The first run: the offer taken, each wizard step shown, the last
        // cancelled.
        Program program(folder);
        ASSERT_NE(program.WaitFor(Holding(IDC_FIRST_LAUNCH_WIZARD)), nullptr);
        HWND main = program.Main();
        ASSERT_TRUE(main && !::IsWindowVisible(main));
        EXPECT_EQ(TextOf(main), L"Velindra - www.orrowby.example");
        ASSERT_TRUE(CloseWith(program, IDC_FIRST_LAUNCH_WIZARD, IDC_FIRST_OK));
        HWND wizard = program.WaitFor(Holding(0x3024)); // its own Next button
        ASSERT_NE(wizard, nullptr);
        for (int control : {IDC_WIZ1_DATE, IDC_WIZ2_EDIT, IDC_WIZ3_EDIT}) {
            ASSERT_TRUE(WaitUntil([&] {
                const LRESULT page = ::SendMessageA(wizard, PSM_GETCURRENTPAGEHWND, 0, 0);
                return ::GetDlgItem(reinterpret_cast<HWND>(page), control) != nullptr;
            })) << control;
            ::PostMessageA(wizard, PSM_PRESSBUTTON,
                           control != IDC_WIZ3_EDIT ? PSBTN_NEXT : PSBTN_CANCEL, 0);
        }
        ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(wizard); }));

        // Every page, the half-year calendar, the help window, the menu; the
        // Options page with the translator of the language.
        ASSERT_TRUE(WaitUntil([&] { return ::IsWindowVisible(main) != FALSE; }));
        HWND list = ::GetDlgItem(main, IDC_MAIN_NAVIGATION);
        for (int page : {0, 1, 2, 3, 2}) { // as the user picks them
            ::SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(page), 0);
            ::SendMessageA(main, WM_COMMAND, MAKEWPARAM(IDC_MAIN_NAVIGATION, LBN_SELCHANGE),
                           reinterpret_cast<LPARAM>(list));
        }
        HWND translator = FindDescendant(main, IDC_OPT_TRANSLATOR);
        EXPECT_TRUE(::IsWindowVisible(translator) &&
                    !TextOf(FindDescendant(main, IDC_OPT_DATE)).empty());
        EXPECT_EQ(TextOf(translator) + L"/" + TextOf(FindDescendant(main, IDC_OPT_CONTACT)),
                  L"Orrowby/support@orrowby.example");
        ::PostMessageA(main, WM_COMMAND, ID_MENU_HALFYEAR, 0);
        ASSERT_TRUE(CloseWith(program, IDC_HALF_PREVIOUS, IDC_HALF_CLOSE));
        ::PostMessageA(main, WM_COMMAND, IDC_MON_HISTORY, 0);
        ASSERT_TRUE(CloseWith(program, IDC_HIST_REMOVE, IDC_HIST_CLOSE));
        ::PostMessageA(::GetDlgItem(main, IDC_MAIN_HIDE), BM_CLICK, 0, 0);
        ASSERT_TRUE(CloseWith(program, IDC_QLH_HIDE_MESSAGE, IDC_QLH_OK));
        EXPECT_FALSE(::IsWindowVisible(main));
        // The icon's menu (right button while hidden), then the window again
        // (left button), and Exit.
        ::PostMessageA(main, WM_TRAYNOTIFY, 0, WM_RBUTTONDOWN);
        HWND menu = program.WaitFor(OfClass("#32768"));
        ASSERT_NE(menu, nullptr);
        ::PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 0);
        ASSERT_TRUE(WaitUntil([&] { return !::IsWindowVisible(menu); }));
        ::PostMessageA(main, WM_TRAYNOTIFY, 0, WM_LBUTTONDOWN);
        EXPECT_TRUE(WaitUntil([&] { return ::IsWindowVisible(main) != FALSE; }));
        ::PostMessageA(::GetDlgItem(main, IDC_MAIN_EXIT), BM_CLICK, 0, 0);
        EXPECT_TRUE(program.EndsCleanly());
    }

    const std::string written = folder.Read(L"english.lng");
    for (const std::string& fault :
         testing_support::CompareLanguageTexts(testing_support::ParseLanguageText(shipped),
                                               testing_support::ParseLanguageText(written), true))
        ADD_FAILURE() << fault << " (scripts/template makes the shipped file again)";
    // The same texts in the same order, CRLF line ends: the program has
    // nothing to change in the shipped file.
    EXPECT_EQ(written, shipped) << "same texts, another order or other line ends";
    EXPECT_TRUE(StoredDword("Visibled") == 1 && StoredDword("HideMessage") == 0);
    {
        ASSERT_TRUE(folder.Write(kRussian + L".lng", "[DialogID_102]\r\nID_2=Spravka\r\n"));
        // Shown again, no offer; another language; Hide brings the help
        // window; Exit from the menu while hidden.
        Program program(folder);
        HWND main = program.Main();
        ASSERT_TRUE(main && ::IsWindowVisible(main));
        EXPECT_TRUE(program.Windows(Holding(IDC_FIRST_LAUNCH_WIZARD), false).empty());
        // Russian chosen on the Options page, starting with Windows ticked
        // (one Run value, the machine's when the user may write it), the help.
        ASSERT_TRUE(ChooseLanguage(FindDescendant(main, IDC_OPT_LANGUAGE), kRussian));
        EXPECT_TRUE(ReadText(HKEY_CURRENT_USER, SettingsKeyPath(), L"Lang") == kRussian &&
                    TextOf(::GetDlgItem(main, IDC_MAIN_HELP)) == L"Spravka");
        ::SendMessageA(FindDescendant(main, IDC_OPT_AUTOLOAD), BM_CLICK, 0, 0);
        const char* run = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
        EXPECT_EQ(ReadText(HKEY_LOCAL_MACHINE, run, L"Velindra") +
                      ReadText(HKEY_CURRENT_USER, run, L"Velindra"),
                  L"\"" + folder.File(L"velindra.exe") + L"\"");
        ::PostMessageA(main, WM_COMMAND, IDC_MAIN_HELP, 0);
        EXPECT_NE(program.WaitFor(OfClass("HH Parent")), nullptr) << "no help window";
        ::PostMessageA(::GetDlgItem(main, IDC_MAIN_HIDE), BM_CLICK, 0, 0);
        ASSERT_TRUE(CloseWith(program, IDC_QLH_HIDE_MESSAGE, IDC_QLH_OK));
        ::PostMessageA(main, WM_COMMAND, ID_MENU_EXIT, 0);
        EXPECT_TRUE(program.EndsCleanly());
    }
    EXPECT_EQ(StoredDword("Visibled"), 0);
    {
        // It stays hidden; shown from the icon, the close box ends it.
        Program program(folder);
        HWND main = program.Main();
        ::Sleep(300);
        ASSERT_TRUE(main && !::IsWindowVisible(main));
        ::PostMessageA(main, WM_TRAYNOTIFY, 0, WM_LBUTTONDOWN);
        ::PostMessageA(main, WM_SYSCOMMAND, SC_CLOSE, 0);
        EXPECT_TRUE(program.EndsCleanly());
    }
    EXPECT_TRUE(StoredDword("Visibled") == 1 && folder.Read(L"english.lng") == written);
}

} // namespace
} // namespace blackbox
