// Where today stands, as the running main window tells it: the reminder
// before critical days (once for each period, at start-up, at the midnight
// tick, after a change of cycle once it has settled; its click), the icon's
// tip and the Monitor page's line, also after a change of language. (When a
// reminder is due: the model's table; the words: StandingTextsTest.) The
// sample cycle: periods of 5 days every 35 days from 2004-03-10 (05-19, 06-23).
#include "pages/SettlingChange.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/LanguageText.h"
#include "tests/support/LayoutCheck.h"

using namespace main_window_testing;

namespace {

using Shown = std::vector<std::string>;

class ReminderTest : public MainWindowEnvironment {
protected:
    ReminderTest() { StoreSampleCycle(); }
    void RemindDays(DWORD days)
    {
        store.WriteDword(SettingRemind, 1);
        store.WriteDword(SettingRemindDays, days);
    }
    // A start of the program on the day (at 08:00).
    void StartOn(int month, int day)
    {
        clock.now = COleDateTime(2004, month, day, 8, 0, 0);
        CreateMain();
    }
    void Switch(const std::string& language)
    {
        ASSERT_TRUE(folder.Write(language + ".lng",
                                 testing_support::ShippedLanguageText(language + ".lng")));
        store.WriteText(SettingLang, language);
        main->ApplyLanguage(false);
    }
    std::string Tip() const { return fw::Utf8(main->Tray().Icon().GetRecord().szTip); }
    std::string Status() const
    {
        return testing_support::TextOf(::GetDlgItem(main->Monitor().m_hWnd, IDC_MON_STATUS));
    }
};

const std::string kIn2 = "Critical days begin in 2 days, on Wednesday, May 19.";

// At start-up, once for each period: not while off (the default); not again
// after a change of language, nor after a restart (what was announced is
// kept); the next period is announced in turn, in the language in force.
// (Before its days, the clock set back: the model's table.)
TEST_F(ReminderTest, ComesOnceForEachPeriod)
{
    StartOn(5, 17);
    RemindDays(2);
    StartOn(5, 17);
    Switch("german");
    StartOn(5, 18);
    StartOn(6, 21);
    EXPECT_EQ(
        shell.Reminders(),
        (Shown{kIn2, "Ihre Periode beginnt voraussichtlich in 2 Tagen, am Mittwoch, 23. Juni."}));
    for (const auto& call : shell.calls) // each under the program's name
        if (call.message == NIM_MODIFY && call.record.szInfo[0])
            EXPECT_EQ(fw::Utf8(call.record.szInfoTitle), "Velindra");
}

// With the program running: the midnight tick brings it, but not while the
// wizard is open nor while it is held (when both are over); a change of cycle
// on the Scheduler page withdraws one whose date no longer holds and announces
// the new date.
TEST_F(ReminderTest, FollowsTheMidnightTickAndAChangeOfCycle)
{
    RemindDays(2);
    clock.now = COleDateTime(2004, 5, 16, 23, 59, 59);
    CreateMain();
    size_t inWizard = 99;
    main->HoldReminder(true); // as while the first start's question waits
    {
        ModalScript wizard(kWizard, {[&](HWND) {
                                         clock.now = COleDateTime(2004, 5, 17, 0, 0, 1);
                                         main->SendMessage(WM_TIMER, MainDialog::kMidnightTimer);
                                         inWizard = shell.Reminders().size();
                                     },
                                     Press(PSBTN_CANCEL)});
        main->RunWizard();
    }
    EXPECT_EQ(inWizard, 0u);
    EXPECT_TRUE(shell.Reminders().empty()) << "still held";
    main->HoldReminder(false);
    EXPECT_EQ(shell.Reminders(), Shown{kIn2});

    store.WriteDword(SettingRemindDays, 7);
    main->ShowMainWindow(MainDialog::PageScheduler);
    HWND clear = ::GetDlgItem(main->Scheduler().m_hWnd, IDC_SCHED_CLEAR_EDIT);
    for (const char* days : {"31", "40"}) { // the period two days later, then out of reach
        ::SetWindowTextA(clear, days);
        main->Scheduler().Settle();
    }
    EXPECT_EQ(shell.Reminders(),
              (Shown{kIn2, "-", "Critical days begin in 4 days, on Friday, May 21.", "-"}));
    EXPECT_EQ(store.ReadDword(SettingRemindedPeriod),
              DWORD(COleDateTime(2004, 5, 21, 0, 0, 0).DayNumber()));
}

// While she steps the days between periods with the arrows nothing is stored
// or announced; once the box has settled (a pause) the reminder is decided
// once, for the number in the box.
TEST_F(ReminderTest, IsDecidedOnceTheCycleSheEntersHasSettled)
{
    RemindDays(3);
    StartOn(5, 12); // May 19 is 7 days away
    main->ShowMainWindow(MainDialog::PageScheduler);
    HWND clear = ::GetDlgItem(main->Scheduler().m_hWnd, IDC_SCHED_CLEAR_EDIT);
    ::SetFocus(clear);
    for (int step = 0; step < 3; ++step) // 30, 29 (May 17), 28 (May 15), 27 (May 13)
        PressKey(clear, VK_DOWN);
    EXPECT_TRUE(shell.Reminders().empty() && store.ReadDword(SettingClearDayCount) == 30);
    PumpLikeTheProgram(SettlingChange::kPause + 500);
    EXPECT_EQ(shell.Reminders(), Shown{"Critical days begin tomorrow, on Thursday, May 13."});
    EXPECT_EQ(store.ReadDword(SettingClearDayCount), 27u);
}

// Without a first day nothing is known: no day is critical, the icon is the
// normal one, its tip says where to enter one, and no reminder comes.
TEST_F(ReminderTest, WithoutAFirstDayNothingIsMarkedOrAnnounced)
{
    ::RegDeleteKeyValueA(HKEY_CURRENT_USER, SettingsKeyPath().c_str(), "StartDate");
    RemindDays(7);
    StartOn(5, 20);
    EXPECT_EQ(Tip(), "Velindra \xE2\x80\x93 no first day entered yet");
    EXPECT_EQ(Status(), "No first day entered yet (Scheduler page)");
    EXPECT_TRUE(main->Tray().GetState() == TrayIcon::StateNormal && shell.Reminders().empty() &&
                !main->Monitor().IsCriticalDay(COleDateTime(2004, 5, 20, 8, 0, 0)));
}

// A click on the reminder opens the Monitor page on the month of the period
// it announced.
TEST_F(ReminderTest, AClickShowsThePeriodsMonth)
{
    RemindDays(1);
    StartOn(8, 31);
    ASSERT_EQ(shell.Reminders().size(), 1u);
    EXPECT_EQ(ShownMonth(), 8); // today's
    main->SendMessage(WM_TRAYNOTIFY, 0, NIN_BALLOONUSERCLICK);
    EXPECT_TRUE(main->IsWindowVisible() &&
                main->Sheet().GetActiveIndex() == MainDialog::PageMonitor && ShownMonth() == 9);
}

// The tip and the Monitor page's line before a period, after a change of the
// clock and after a change of language.
TEST_F(ReminderTest, TheTipAndTheMonitorLineSayWhereTodayStands)
{
    StartOn(5, 13);
    EXPECT_EQ(Tip() + "/" + Status(), "Velindra \xE2\x80\x93 critical days in 6 days/"
                                      "Next critical days: Wednesday, May 19 (in 6 days)");
    clock.now = COleDateTime(2004, 5, 20, 0, 0, 1);
    main->SendMessage(WM_TIMECHANGE);
    EXPECT_EQ(Tip() + "/" + Status(),
              "Velindra \xE2\x80\x93 critical day 2 of 5/Critical day 2 of 5");
    Switch("russian");
    // "Менструация: день 2 из 5" and "Velindra – менструация, день 2 из 5"
    const std::string
        word = "\xD0\xB5\xD0\xBD\xD1\x81\xD1\x82\xD1\x80\xD1\x83\xD0\xB0\xD1\x86\xD0\xB8\xD1\x8F",
        day = "\xD0\xB4\xD0\xB5\xD0\xBD\xD1\x8C 2 \xD0\xB8\xD0\xB7 5";
    EXPECT_EQ(Tip() + "/" + Status(), "Velindra \xE2\x80\x93 \xD0\xBC" + word + ", " + day +
                                          "/\xD0\x9C" + word + ": " + day);
}

} // namespace
