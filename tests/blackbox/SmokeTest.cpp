// Three runs of the real program from one folder: the first-run offer, the
// window shown or hidden as it was at the end of the run before, the help
// window on hiding, and Exit from the window and from the icon's menu.
#include "tests/blackbox/Program.h"

#include "res/resource.h"

namespace blackbox {
namespace {

using SmokeTest = BlackBoxTest;

void ChoosePage(HWND main, int index)
{
    HWND list = ::GetDlgItem(main, IDC_MAIN_NAVIGATION);
    ::SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    ::SendMessageA(main, WM_COMMAND, MAKEWPARAM(IDC_MAIN_NAVIGATION, LBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(list));
}

TEST_F(SmokeTest, ThreeRunsOfTheRealProgram)
{
    ProgramFolder folder;
    ASSERT_TRUE(folder.Ready());
    {
        // First run: the offer comes while the main window is still hidden.
        Program program(folder);
        HWND offer = program.WaitForWindow(IDC_FIRST_LAUNCH_WIZARD);
        ASSERT_NE(offer, nullptr);
        HWND main = program.Main();
        ASSERT_NE(main, nullptr);
        EXPECT_FALSE(::IsWindowVisible(main));
        ::SendMessageA(::GetDlgItem(offer, IDC_FIRST_NO_THANKS), BM_CLICK, 0, 0);
        ::SendMessageA(::GetDlgItem(offer, IDC_FIRST_OK), BM_CLICK, 0, 0);
        ASSERT_TRUE(WaitUntil([&] { return ::IsWindowVisible(main) != FALSE; }));

        // The Options page, with the translator of the language in force.
        ChoosePage(main, 2);
        HWND translator = FindDescendant(main, IDC_OPT_TRANSLATOR);
        ASSERT_NE(translator, nullptr);
        EXPECT_TRUE(::IsWindowVisible(translator));
        EXPECT_EQ(TextOf(translator), L"Orrowby");
        EXPECT_EQ(TextOf(FindDescendant(main, IDC_OPT_CONTACT)), L"support@orrowby.example");
        EXPECT_NE(TextOf(FindDescendant(main, IDC_OPT_DATE)), L"");

        ::SendMessageA(::GetDlgItem(main, IDC_MAIN_EXIT), BM_CLICK, 0, 0);
        EXPECT_TRUE(program.Ends());
    }
    EXPECT_EQ(StoredDword("Visibled"), 1);
    {
        // Shown again; Hide brings the help window; Exit from the menu while hidden.
        Program program(folder);
        HWND main = program.Main();
        ASSERT_NE(main, nullptr);
        EXPECT_TRUE(::IsWindowVisible(main));
        EXPECT_EQ(program.CountWindows(IDC_FIRST_LAUNCH_WIZARD, false), 0);
        ::PostMessageA(::GetDlgItem(main, IDC_MAIN_HIDE), BM_CLICK, 0, 0);
        HWND help = program.WaitForWindow(IDC_QLH_HIDE_MESSAGE);
        ASSERT_NE(help, nullptr);
        EXPECT_FALSE(::IsWindowVisible(main));
        ::PostMessageA(::GetDlgItem(help, IDC_QLH_OK), BM_CLICK, 0, 0);
        ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(help); }));
        ::PostMessageA(main, WM_COMMAND, ID_MENU_EXIT, 0);
        DWORD code = 1;
        EXPECT_TRUE(program.Ends(&code));
        EXPECT_EQ(code, 0u);
    }
    EXPECT_EQ(StoredDword("Visibled"), 0);
    EXPECT_EQ(StoredDword("HideMessage"), 0);
    {
        // It stays hidden, and ends hidden.
        Program program(folder);
        HWND main = program.Main();
        ASSERT_NE(main, nullptr);
        ::Sleep(300);
        EXPECT_FALSE(::IsWindowVisible(main));
        ::PostMessageA(main, WM_COMMAND, IDC_MAIN_EXIT, 0);
        EXPECT_TRUE(program.Ends());
    }
    EXPECT_EQ(StoredDword("Visibled"), 0);
    EXPECT_NE(folder.Read(L"english.lng"), "");
}

} // namespace
} // namespace blackbox
