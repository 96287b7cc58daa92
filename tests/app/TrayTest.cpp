// The notification icon as the main window runs it: added at start-up in the
// state of today and the pink option, switched only on a change, put in when
// the shell comes up, removed while its window still exists; and its pop-up
// menu, looked at and worked on the real menu window.
#include <tuple>

#include "tests/app/MainWindowFixture.h"

using namespace main_window_testing;

namespace {

using TrayTest = MainWindowEnvironment;

// Added in the normal state, then switched when today is critical (the pink
// option off and other days: the tests that follow the clock and settings).
TEST_F(TrayTest, StartsInTheStateOfToday)
{
    StoreSampleCycle();
    shell.calls.clear();
    CreateMain();
    EXPECT_EQ(main->Tray().GetState(), TrayIcon::StateAlternate);
    ASSERT_EQ(shell.calls.size(), 2u);
    // Added with the record of the shell of Windows Vista and later, then
    // switched to the other icon.
    const auto &added = shell.calls[0], &switched = shell.calls[1];
    const HICON normal = main->Tray().GetIcon(TrayIcon::StateNormal);
    EXPECT_EQ(std::make_tuple(added.message, added.result, added.record.cbSize, added.record.hWnd,
                              std::wstring(added.record.szTip), added.record.hIcon,
                              switched.message, switched.record.hIcon),
              std::make_tuple(DWORD(NIM_ADD), TRUE, DWORD(sizeof(NOTIFYICONDATAW)), main->m_hWnd,
                              std::wstring(L"Velindra \u2013 critical day 2 of 5"), normal,
                              DWORD(NIM_MODIFY), main->Tray().GetIcon(TrayIcon::StateAlternate)));
    EXPECT_NE(normal, main->Tray().GetIcon(TrayIcon::StateAlternate));
    EXPECT_EQ(ShownMonth(), 5); // today's
}

// (Started before the shell, the icon goes in when the shell announces its
// notification area: the black box's shell restart.)
TEST_F(TrayTest, FollowsTheSettingsAndTheClockTellingTheShellOnlyOfAChange)
{
    StoreSampleCycle();
    clock.now = COleDateTime(2004, 5, 1, 12, 0, 0); // between two periods
    CreateMain();
    shell.calls.clear();
    clock.now = COleDateTime(2004, 5, 19, 8, 0, 0); // the first day of a period
    main->RefreshCycleState();
    EXPECT_TRUE(main->Tray().GetState() == TrayIcon::StateAlternate && ShownMonth() == 5);
    main->RefreshCycleState();
    // A page reports a change through the link it finds above its sheet.
    store.WriteDword(SettingCritRed, 0);
    MainWindowOf(main->Sheet().GetPage(MainDialog::PageOptions))->RefreshCycleState();
    EXPECT_EQ(main->Tray().GetState(), TrayIcon::StateNormal);
    ASSERT_EQ(shell.calls.size(), 3u); // one change each: the icon, its tip, the icon
    EXPECT_TRUE(shell.calls[0].message == NIM_MODIFY &&
                shell.calls[0].record.hIcon == main->Tray().GetIcon(TrayIcon::StateAlternate) &&
                std::wstring(shell.calls[1].record.szTip) ==
                    L"Velindra \u2013 critical day 1 of 5" &&
                shell.calls[2].record.hIcon == main->Tray().GetIcon(TrayIcon::StateNormal));

    store.WriteDword(SettingCritRed, 1);
    clock.now = COleDateTime(2004, 6, 24, 9, 0, 0); // in the period 06-23 to 06-27
    main->SendMessage(WM_TIMECHANGE);
    EXPECT_TRUE(main->Tray().GetState() == TrayIcon::StateAlternate && ShownMonth() == 6);
}

// The application destroys the window before the object, after Exit has
// destroyed the icon handles; deleting the object alone destroys the window
// too. Either way the icon goes while its window exists: the shell finds it by
// that window.
TEST_F(TrayTest, TheIconGoesWhileItsWindowStillExists)
{
    for (bool exit : {true, false}) {
        shell.calls.clear();
        CreateMain();
        const HWND window = main->m_hWnd;
        if (exit) {
            main->SendMessage(WM_COMMAND, IDC_MAIN_EXIT);
            EXPECT_TRUE(TakeQuitMessage());
            main->DestroyWindow();
        }
        main.reset();
        const auto& last = shell.calls.back();
        EXPECT_EQ(std::make_tuple(last.message, last.record.hWnd, last.windowAlive, last.result),
                  std::make_tuple(DWORD(NIM_DELETE), window, true, TRUE))
            << "the last call, its window, alive, done (not done: twice); after Exit: " << exit;
    }
}

// The menu at the cursor with "Open..." as its default item, and a command
// chosen from the keyboard arrives; while the window is shown it does not open.
// (How the default item is drawn: the icon menu's own test.)
TEST_F(TrayTest, TheRightButtonOnTheIconOfTheHiddenWindowOpensTheMenu)
{
    CreateMain();
    const HMENU popup = main->Tray().Menu().GetSubMenu(0);
    HMENU shown = nullptr;
    {
        ModalScript menu(kPopupMenu, {[&](HWND m) {
                             shown = reinterpret_cast<HMENU>(::SendMessageA(m, 0x01E1, 0, 0));
                             // Open, Half-Year, (separator passed over), My period started
                             // today, Export, (separator), Scheduler; Enter.
                             for (int i = 0; i < 5; ++i)
                                 ::PostMessageA(*main, WM_KEYDOWN, VK_DOWN, 1);
                             ::PostMessageA(*main, WM_CHAR, '\r', 1);
                         }});
        main->SendMessage(WM_TRAYNOTIFY, 0, WM_RBUTTONDOWN);
        PumpLikeTheProgram(100);
        EXPECT_EQ(menu.Seen(), 1);
    }
    EXPECT_TRUE(shown == popup && ::GetMenuDefaultItem(popup, TRUE, 0) == 0u);
    EXPECT_TRUE(main->IsWindowVisible() &&
                main->Sheet().GetActiveIndex() == MainDialog::PageScheduler);
    ModalScript never(kPopupMenu, {});
    main->SendMessage(WM_TRAYNOTIFY, 0, WM_RBUTTONDOWN);
    PumpLikeTheProgram(100);
    EXPECT_EQ(never.Seen(), 0);
}

} // namespace
