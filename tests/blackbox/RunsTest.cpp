// Three runs of the real program from one folder. The first run offers the
// wizard while the main window (with its own caption) is still hidden; taking
// it, then every window (the wizard's steps, the four pages, the half-year
// calendar, the help window on hiding, the icon's menu) opens once. What the
// program writes of them is exactly the English template that ships
// (lang/shipped/english.lng): a control or menu item added without making the
// template again (scripts/template) fails here. The window then shows or
// stays hidden as it was at the end of the run before; Exit from the window,
// Exit from the icon's menu and the close box end the program.
#include "tests/blackbox/Program.h"

#include <commctrl.h>

#include "res/resource.h"
#include "tests/support/LanguageText.h"

namespace blackbox {
namespace {

using RunsTest = BlackBoxTest;

// Waits for the window that holds the control, then clicks the button;
// false when the window never showed or stayed.
bool CloseWith(const Program& program, int controlId, int buttonId)
{
    HWND window = program.WaitForWindow(controlId);
    if (!window)
        return false;
    ::PostMessageA(::GetDlgItem(window, buttonId), BM_CLICK, 0, 0);
    return WaitUntil([&] { return !::IsWindow(window); });
}

// The first run: the offer taken, each wizard step shown, the last cancelled.
void WalkTheWizard(const Program& program)
{
    HWND offer = program.WaitForWindow(IDC_FIRST_LAUNCH_WIZARD);
    ASSERT_NE(offer, nullptr);
    HWND main = program.Main();
    ASSERT_NE(main, nullptr);
    EXPECT_FALSE(::IsWindowVisible(main));
    EXPECT_EQ(TextOf(main), L"Velindra - www.orrowby.example");
    ASSERT_TRUE(CloseWith(program, IDC_FIRST_LAUNCH_WIZARD, IDC_FIRST_OK));
    HWND wizard = program.WaitForWindow(0x3024); // its own Next button
    ASSERT_NE(wizard, nullptr);
    const int stepControls[] = {IDC_WIZ1_DATE, IDC_WIZ2_EDIT, IDC_WIZ3_EDIT};
    for (int step = 0; step < 3; ++step) {
        ASSERT_TRUE(WaitUntil([&] {
            HWND page =
                reinterpret_cast<HWND>(::SendMessageA(wizard, PSM_GETCURRENTPAGEHWND, 0, 0));
            return page && ::GetDlgItem(page, stepControls[step]);
        })) << "step "
            << step + 1;
        ::PostMessageA(wizard, PSM_PRESSBUTTON, step < 2 ? PSBTN_NEXT : PSBTN_CANCEL, 0);
    }
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(wizard); }));
}

// The rest of the first run: every page, the half-year calendar, the help
// window, the menu; the Options page with the translator of the language.
void WalkTheWindows(const Program& program)
{
    HWND main = program.Main();
    ASSERT_TRUE(WaitUntil([&] { return ::IsWindowVisible(main) != FALSE; }));
    for (int page = 0; page < 4; ++page)
        ChoosePage(main, page);
    ChoosePage(main, 2);
    HWND translator = FindDescendant(main, IDC_OPT_TRANSLATOR);
    EXPECT_TRUE(::IsWindowVisible(translator));
    EXPECT_EQ(TextOf(translator), L"Orrowby");
    EXPECT_EQ(TextOf(FindDescendant(main, IDC_OPT_CONTACT)), L"support@orrowby.example");
    EXPECT_NE(TextOf(FindDescendant(main, IDC_OPT_DATE)), L"");
    ::PostMessageA(main, WM_COMMAND, ID_MENU_HALFYEAR, 0);
    ASSERT_TRUE(CloseWith(program, IDC_HALF_PREVIOUS, IDC_HALF_CLOSE));
    ::PostMessageA(::GetDlgItem(main, IDC_MAIN_HIDE), BM_CLICK, 0, 0);
    ASSERT_TRUE(CloseWith(program, IDC_QLH_HIDE_MESSAGE, IDC_QLH_OK));
    EXPECT_FALSE(::IsWindowVisible(main));
    // The icon's menu (right button while hidden), then the window again (left button).
    ::PostMessageA(main, WM_TRAYNOTIFY, 0, WM_RBUTTONDOWN);
    HWND menu = program.WaitForClass("#32768");
    ASSERT_NE(menu, nullptr);
    ::PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 0);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindowVisible(menu); }));
    ::PostMessageA(main, WM_TRAYNOTIFY, 0, WM_LBUTTONDOWN);
    EXPECT_TRUE(WaitUntil([&] { return ::IsWindowVisible(main) != FALSE; }));
}

std::string TemplateFaults(const std::string& shipped, const std::string& written)
{
    std::string faults;
    for (const std::string& line :
         testing_support::CompareLanguageTexts(testing_support::ParseLanguageText(shipped),
                                               testing_support::ParseLanguageText(written), true))
        faults += line + "\n";
    return faults;
}

TEST_F(RunsTest, EveryWindowOnceWritesTheTemplateAndEachRunEndsAsTheUserLeftIt)
{
    const std::string shipped =
        testing_support::ReadFileBytes(testing_support::ShippedLanguageFile("english.lng"));
    ASSERT_FALSE(shipped.empty()) << "no lang/shipped/english.lng (VELINDRA_SOURCE_DIR)";
    ProgramFolder folder;
    ASSERT_TRUE(folder.ready);
    {
        Program program(folder);
        WalkTheWizard(program);
        WalkTheWindows(program);
        ::PostMessageA(::GetDlgItem(program.Main(), IDC_MAIN_EXIT), BM_CLICK, 0, 0);
        EXPECT_TRUE(program.EndsCleanly());
    }
    const std::string written = folder.Read(L"english.lng");
    ASSERT_EQ(TemplateFaults(shipped, written), "")
        << "the program wrote (scripts/template makes it again):\n";
    // The same texts in the same order, CRLF line ends: the program has
    // nothing to change in the shipped file.
    EXPECT_EQ(written, shipped) << "same texts, another order or other line ends";
    EXPECT_EQ(StoredDword("Visibled"), 1);
    EXPECT_EQ(StoredDword("HideMessage"), 0);
    {
        // Shown again, no offer; Hide brings the help window; Exit from the menu while hidden.
        Program program(folder);
        HWND main = program.Main();
        ASSERT_NE(main, nullptr);
        EXPECT_TRUE(::IsWindowVisible(main));
        EXPECT_EQ(program.CountWindows(IDC_FIRST_LAUNCH_WIZARD, false), 0);
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
        ASSERT_NE(main, nullptr);
        ::Sleep(300);
        EXPECT_FALSE(::IsWindowVisible(main));
        ::PostMessageA(main, WM_TRAYNOTIFY, 0, WM_LBUTTONDOWN);
        ::PostMessageA(main, WM_SYSCOMMAND, SC_CLOSE, 0);
        EXPECT_TRUE(program.EndsCleanly());
    }
    EXPECT_EQ(StoredDword("Visibled"), 1);
    EXPECT_EQ(folder.Read(L"english.lng"), written);
}

} // namespace
} // namespace blackbox
