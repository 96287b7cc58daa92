// What keeps the program right over weeks in the notification area: one
// instance, the icon back after the shell restarts, never two of its windows
// at once, and a graceful end on any request.
#include "tests/blackbox/Program.h"

#include <shellapi.h>

#include "res/resource.h"

namespace blackbox {
namespace {

using LifecycleTest = BlackBoxTest;

TEST_F(LifecycleTest, OneInstanceTheIconAfterAShellRestartAndOneWindowOfEachKind)
{
    StoreSettings(0, 0);
    ProgramFolder folder;
    Program program(folder);
    HWND main = program.Main();
    ASSERT_NE(main, nullptr);
    EXPECT_FALSE(::IsWindowVisible(main));
    ASSERT_TRUE(HasNotificationIcon(main));
    NOTIFYICONDATAW icon{};
    icon.cbSize = sizeof(icon);
    icon.hWnd = main;
    ::Shell_NotifyIconW(NIM_DELETE, &icon); // what a restarting shell forgets
    ASSERT_FALSE(HasNotificationIcon(main));
    ::SendMessageA(main, ::RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(HasNotificationIcon(main));

    // A second start brings the first to the front and ends.
    EXPECT_TRUE(Program(folder).EndsCleanly());
    EXPECT_TRUE(WaitUntil([&] { return ::IsWindowVisible(main) != FALSE; }));

    // Hide, twice in a row: one help window; a click on the icon leads to it.
    ::PostMessageA(main, WM_COMMAND, IDC_MAIN_HIDE, 0);
    ::PostMessageA(main, WM_COMMAND, IDC_MAIN_HIDE, 0);
    HWND help = program.WaitForWindow(IDC_QLH_HIDE_MESSAGE);
    ASSERT_NE(help, nullptr);
    ::PostMessageA(main, WM_TRAYNOTIFY, 0, WM_LBUTTONDOWN);
    Settle(main);
    EXPECT_EQ(program.CountWindows(IDC_QLH_HIDE_MESSAGE), 1);
    EXPECT_FALSE(::IsWindowVisible(main));
    ::PostMessageA(::GetDlgItem(help, IDC_QLH_OK), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(help); }));

    // "Half-Year..." from the menu, twice: one calendar, which its close box ends.
    ::PostMessageA(main, WM_COMMAND, ID_MENU_HALFYEAR, 0);
    ::PostMessageA(main, WM_COMMAND, ID_MENU_HALFYEAR, 0);
    HWND halfYear = program.WaitForWindow(IDC_HALF_PREVIOUS);
    ASSERT_NE(halfYear, nullptr);
    Settle(main);
    EXPECT_EQ(program.CountWindows(IDC_HALF_PREVIOUS), 1);
    ::PostMessageA(halfYear, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(WaitUntil([&] { return program.CountWindows(IDC_HALF_PREVIOUS, false) == 0; }));
}

// Log-off while hidden: the state is stored as the close box stores it (the
// next start is hidden too) and the icon goes. (WM_CLOSE from outside, as End
// task or an installer sends it: the installer's tests.)
TEST_F(LifecycleTest, LogOffStoresTheStateAndTakesTheIconAway)
{
    StoreSettings(1);
    ProgramFolder folder;
    Program program(folder);
    HWND main = program.Main();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(HasNotificationIcon(main));
    ::SendMessageA(main, WM_COMMAND, IDC_MAIN_HIDE, 0);
    EXPECT_NE(::SendMessageA(main, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), 0);
    ::SendMessageA(main, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    EXPECT_EQ(StoredDword("Visibled"), 0);
    EXPECT_FALSE(HasNotificationIcon(main));
}

} // namespace
} // namespace blackbox
