// What weeks in the notification area ask of the main window: a new day at
// midnight and after sleep, years far beyond 2036, no growth over many hides,
// keys that do nothing while hidden, and pages that show what is stored now.
#include <gtest/gtest.h>

#include "app/MainDialog.h"
#include "res/resource.h"
#include "tests/app/MainWindowHost.h"
#include "tests/support/GdiCount.h"

using namespace main_window_testing;

namespace {

class LongRunTest : public MainWindowEnvironment {
protected:
    // Periods of 5 days every 30 from the given first day.
    static void StoreCycleFrom(const COleDateTime& first)
    {
        WriteStartDate(SettingStartDate, first);
        WriteSettingDword(SettingCritDayCount, 5);
        WriteSettingDword(SettingClearDayCount, 25);
    }
    bool Pink() const { return main->GetTrayState() == MainDialog::TrayPink; }
};

// With today the 20th and a period from the 21st, the icon turns pink when the
// 21st begins, whatever wakes the window: its own timer, or the system after
// sleep.
TEST_F(LongRunTest, TheIconFollowsTheNewDayAtMidnightAndAfterSleep)
{
    StoreCycleFrom(COleDateTime(2004, 5, 21, 0, 0, 0));
    fw::PinClock(COleDateTime(2004, 5, 20, 23, 59, 59));
    CreateMain();
    ASSERT_FALSE(Pink());
    fw::PinClock(COleDateTime(2004, 5, 21, 0, 0, 1));
    PumpLikeTheProgram(1600); // the timer was set for one second after 23:59:59
    EXPECT_TRUE(Pink());
    // The month the Monitor page shows is not taken from the user.
    EXPECT_EQ(main->Monitor().Calendar().GetShownDate().GetMonth(), 5);

    fw::PinClock(COleDateTime(2004, 5, 26, 8, 0, 0)); // slept through the period's end
    main->SendMessage(WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC);
    EXPECT_FALSE(Pink());
}

TEST_F(LongRunTest, DaysAreMarkedFarBeyond2036)
{
    fw::PinClock(COleDateTime(2040, 1, 10, 12, 0, 0));
    StoreCycleFrom(COleDateTime(2040, 1, 8, 9, 0, 0));
    CreateMain();
    EXPECT_TRUE(Pink());
    EXPECT_TRUE(main->Monitor().IsCriticalDay(COleDateTime(2040, 1, 12, 0, 0, 0)));
}

TEST_F(LongRunTest, HidingShowingAndSwitchingPagesLeaveNoBitmapsOrMemoryBehind)
{
    WriteSettingDword(SettingHideMessage, 1); // the help window still comes and goes unseen
    CreateMain();
    auto cycle = [&](int times) {
        for (int i = 0; i < times; ++i) {
            main->HideToTray();
            main->SendMessage(WM_TRAYNOTIFY, 0, WM_LBUTTONDOWN);
            main->Navigation().SetCurSel(i % 4);
            main->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_MAIN_NAVIGATION, LBN_SELCHANGE),
                              reinterpret_cast<LPARAM>(main->Navigation().m_hWnd));
            main->UpdateWindow();
        }
        PumpLikeTheProgram();
    };
    cycle(20); // every page painted once: the controls' caches are filled
    const DWORD bitmaps = testing_support::LiveBitmaps();
    const SIZE_T memory = testing_support::PrivateBytes();
    cycle(200);
    EXPECT_EQ(testing_support::LiveBitmaps(), bitmaps);
    EXPECT_LT(testing_support::PrivateBytes(), memory + 2 * 1024 * 1024); // not 200 x 225 KB
}

TEST_F(LongRunTest, KeysOfTheHiddenWindowDoNothing)
{
    CreateMain(); // hidden, as after Escape closed the icon's menu
    for (WPARAM key : {VK_ESCAPE, VK_RETURN, VK_F1}) {
        ::PostMessageA(main->m_hWnd, WM_KEYDOWN, key, 1);
        ::PostMessageA(main->m_hWnd, WM_KEYUP, key, 0xC0000001);
    }
    PumpLikeTheProgram();
    EXPECT_TRUE(Topics().empty());
    EXPECT_FALSE(main->IsWindowVisible());
}

// Another program changed the counts: the Scheduler page shows them when the
// window is shown and when the page is chosen, so no edit brings back the old.
TEST_F(LongRunTest, TheSchedulerPageShowsWhatIsStoredNow)
{
    StoreSampleCycle();
    CreateMain();
    HWND page = main->Scheduler().m_hWnd;
    auto shownCount = [&] { return ::GetDlgItemInt(page, IDC_SCHED_CRIT_EDIT, nullptr, FALSE); };
    WriteSettingDword(SettingCritDayCount, 7);
    main->ShowMainWindow(MainDialog::PageMonitor);
    EXPECT_EQ(shownCount(), 7u);
    WriteSettingDword(SettingCritDayCount, 9);
    main->ShowMainWindow(MainDialog::PageScheduler);
    EXPECT_EQ(shownCount(), 9u);
    ::SetDlgItemTextA(page, IDC_SCHED_CLEAR_EDIT, "30"); // an edit of the other count
    EXPECT_EQ(ReadSettingDword(SettingCritDayCount), 9u);
}

} // namespace
