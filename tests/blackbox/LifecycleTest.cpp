// What keeps the program right over weeks in the notification area: one
// instance, the icon back after the shell restarts, never two of its windows
// at once (also when another program posts the commands), and its state kept
// at log-off.
#include "tests/blackbox/Program.h"

#include <commctrl.h>
#include <shellapi.h>

namespace blackbox {
namespace {

// Tells the shell of the window's notification icon: with NIM_MODIFY and no
// change, true when the shell holds it (a change that changes nothing is
// accepted only for an icon that exists); NIM_DELETE makes it forget it.
bool Notify(HWND owner, DWORD message = NIM_MODIFY)
{
    NOTIFYICONDATAW icon{};
    icon.cbSize = sizeof(icon);
    icon.hWnd = owner;
    return ::Shell_NotifyIconW(message, &icon) != FALSE;
}

using LifecycleTest = BlackBoxTest;

TEST_F(LifecycleTest, OneInstanceTheIconAfterAShellRestartOneWindowOfEachKindAndLogOff)
{
    // A later run (a settings key): hidden, the help window on hiding.
    TestSettings().WriteDword(SettingVisibled, 0);
    TestSettings().WriteDword(SettingHideMessage, 0);
    ProgramFolder folder;
    Program program(folder);
    HWND main = program.Main();
    ASSERT_TRUE(main && !::IsWindowVisible(main) && Notify(main));
    Notify(main, NIM_DELETE); // what a restarting shell forgets
    ASSERT_FALSE(Notify(main));
    ::SendMessageA(main, ::RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(Notify(main));

    // A second start brings the first to the front and ends.
    EXPECT_TRUE(Program(folder).EndsCleanly());
    EXPECT_TRUE(WaitUntil([&] { return ::IsWindowVisible(main) != FALSE; }));

    // Hide, twice in a row: one help window; a click on the icon leads to it.
    ::PostMessageA(main, WM_COMMAND, IDC_MAIN_HIDE, 0);
    ::PostMessageA(main, WM_COMMAND, IDC_MAIN_HIDE, 0);
    HWND help = program.WaitFor(Holding(IDC_QLH_HIDE_MESSAGE));
    ASSERT_NE(help, nullptr);
    ::PostMessageA(main, WM_TRAYNOTIFY, 0, WM_LBUTTONDOWN);
    // Posted by another program: Open and Hide, twenty times, and every
    // other command that opens a window lead to the help window too.
    for (int round = 0; round < 20; ++round) {
        ::PostMessageA(main, WM_COMMAND, ID_MENU_OPEN, 0);
        ::PostMessageA(main, WM_COMMAND, IDC_MAIN_HIDE, 0);
    }
    for (int command : {IDC_MAIN_WIZARD, ID_MENU_HALFYEAR, IDC_MAIN_HELP, ID_MENU_SCHEDULER,
                        ID_MENU_OPTIONS, ID_MENU_ABOUT})
        ::PostMessageA(main, WM_COMMAND, command, 0);
    ::PostMessageA(main, WM_TRAYNOTIFY, 0, NIN_BALLOONUSERCLICK);
    Settle(main);
    EXPECT_TRUE(program.Windows(Holding(IDC_QLH_HIDE_MESSAGE)).size() == 1 &&
                program.Windows(Holding(0x3024)).empty() &&
                program.Windows(Holding(IDC_HALF_PREVIOUS)).empty() && !::IsWindowVisible(main));
    ::PostMessageA(::GetDlgItem(help, IDC_QLH_OK), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(help); }));

    // "Half-Year..." from the menu, twice: one calendar, which its close box ends.
    ::PostMessageA(main, WM_COMMAND, ID_MENU_HALFYEAR, 0);
    ::PostMessageA(main, WM_COMMAND, ID_MENU_HALFYEAR, 0);
    HWND halfYear = program.WaitFor(Holding(IDC_HALF_PREVIOUS));
    ASSERT_NE(halfYear, nullptr);
    Settle(main);
    EXPECT_EQ(program.Windows(Holding(IDC_HALF_PREVIOUS)).size(), 1u);
    ::PostMessageA(halfYear, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(
        WaitUntil([&] { return program.Windows(Holding(IDC_HALF_PREVIOUS), false).empty(); }));

    // The Wizard command while the wizard is open: still one wizard.
    ::PostMessageA(main, WM_COMMAND, IDC_MAIN_WIZARD, 0);
    HWND wizard = program.WaitFor(Holding(0x3024));
    ASSERT_NE(wizard, nullptr);
    ::PostMessageA(main, WM_COMMAND, IDC_MAIN_WIZARD, 0);
    Settle(main);
    EXPECT_EQ(program.Windows(Holding(0x3024)).size(), 1u);
    ::PostMessageA(wizard, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(wizard); }));

    // Log-off while hidden: the state is stored as the close box stores it
    // (the next start is hidden too) and the icon goes. (WM_CLOSE from
    // outside, as End task or an installer sends it: the installer's tests.)
    TestSettings().WriteDword(SettingVisibled, 1);
    EXPECT_NE(::SendMessageA(main, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), 0);
    ::SendMessageA(main, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    EXPECT_TRUE(StoredDword("Visibled") == 0 && !Notify(main));
}

} // namespace
} // namespace blackbox
