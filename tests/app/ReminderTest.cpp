// Where today stands, as the running main window tells it: the reminder
// before critical days (once for each period, at start-up, at the midnight
// tick, after a change of cycle; its click), the icon's tip and the Monitor
// page's line, in English and after a change of language. The sample cycle:
// periods of 5 days every 35 days from 2004-03-10 (05-19, 06-23, ..., 09-01).
#include "framework/TextCodec.h"
#include "pages/SettlingChange.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/LanguageText.h"
#include "tests/support/LayoutCheck.h"

using namespace main_window_testing;

namespace {

// The notifications the main window asks the shell for while the recorder
// lives (the calls are passed on to the real shell): their texts, and "-"
// for one withdrawn.
class NotificationRecorder {
public:
    NotificationRecorder()
    {
        shown.clear();
        previous_ = SetShellNotifier([](DWORD message, NOTIFYICONDATAW* data) {
            if (message == NIM_MODIFY && (data->uFlags & NIF_INFO))
                shown.push_back(data->szInfo[0] ? fw::Utf8(data->szInfo) : "-");
            return ::Shell_NotifyIconW(message, data);
        });
    }
    ~NotificationRecorder() { SetShellNotifier(previous_); }
    static inline std::vector<std::string> shown;

private:
    ShellNotifier previous_ = nullptr;
};

class ReminderTest : public MainWindowEnvironment {
protected:
    ReminderTest() { StoreSampleCycle(); }
    static void RemindDays(DWORD days)
    {
        WriteSettingDword(SettingRemind, 1);
        WriteSettingDword(SettingRemindDays, days);
    }
    // A start of the program on the day (at 08:00).
    void StartOn(int month, int day)
    {
        fw::PinClock(COleDateTime(2004, month, day, 8, 0, 0));
        CreateMain();
    }
    std::string Tip() const { return fw::Utf8(main->Tray().GetRecord().szTip); }
    std::string Status() const
    {
        return testing_support::TextOf(::GetDlgItem(main->Monitor().m_hWnd, IDC_MON_STATUS));
    }
    NotificationRecorder notifications;
};

const std::string kIn2 = "Critical days begin in 2 days, on Wednesday, May 19.";
const std::string kTomorrow = "Critical days begin tomorrow, on Wednesday, May 19.";

// Started fresh on each day: off by default; with 2 days, on each of the two
// days before a period only; wrong registry values read as off and 2 days.
TEST_F(ReminderTest, ComesOnTheDaysBeforeAPeriodWhenSwitchedOn)
{
    const struct {
        int day;
        DWORD remind, days; // remind 2: a REG_SZ "1"; days 0: none stored
        std::string shown;
    } table[] = {
        {17, 0, 0, ""},
        {17, 1, 0, kIn2},
        {18, 1, 0, kTomorrow},
        {16, 1, 0, ""},
        {19, 1, 0, ""},
        {23, 1, 0, ""},
        {24, 1, 0, ""},
        {16, 1, 3, "Critical days begin in 3 days, on Wednesday, May 19."},
        {14, 1, 7, "Critical days begin in 5 days, on Wednesday, May 19."},
        {16, 1, 9, ""},
        {17, 2, 2, ""},
    };
    for (const auto& row : table) {
        for (const char* name : {"RemindedPeriod", "RemindedPeriods", "RemindDays"})
            ::RegDeleteKeyValueA(HKEY_CURRENT_USER, SettingsKeyPath().c_str(), name);
        WriteSettingDword(SettingRemind, row.remind == 1);
        if (row.remind == 2)
            ::RegSetKeyValueA(HKEY_CURRENT_USER, SettingsKeyPath().c_str(), "Remind", REG_SZ, "1",
                              2);
        if (row.days)
            WriteSettingDword(SettingRemindDays, row.days);
        notifications.shown.clear();
        StartOn(5, row.day);
        EXPECT_EQ(notifications.shown, (row.shown.empty() ? std::vector<std::string>{}
                                                          : std::vector<std::string>{row.shown}))
            << "May " << row.day << ", remind " << row.remind << ", days " << row.days;
    }
}

// Once for each period: not again after a change of language, nor after a
// restart the same day or the next, nor when the clock goes back to it; the
// next period is announced in turn.
TEST_F(ReminderTest, ComesOnceForEachPeriod)
{
    RemindDays(2);
    StartOn(5, 17);
    ASSERT_TRUE(folder.Write("german.lng", testing_support::ShippedLanguageText("german.lng")));
    WriteSettingText(SettingLang, "german");
    main->ApplyLanguage(false);
    for (int day : {17, 18, 24})
        StartOn(5, day);
    StartOn(6, 21);
    StartOn(5, 17); // the clock set back: May 19 was announced
    EXPECT_EQ(notifications.shown,
              (std::vector<std::string>{kIn2, "Ihre Periode beginnt voraussichtlich in 2 Tagen, "
                                              "am Mittwoch, 23. Juni."}));
}

// With the program running: the midnight tick brings it, but not while the
// wizard is open (when it closes); a change of cycle on the Scheduler page
// withdraws one whose date no longer holds and announces the new date.
TEST_F(ReminderTest, FollowsTheMidnightTickAndAChangeOfCycle)
{
    RemindDays(2);
    fw::PinClock(COleDateTime(2004, 5, 16, 23, 59, 59));
    CreateMain();
    size_t inWizard = 99;
    {
        ModalScript wizard(kWizard, {[&](HWND) {
                                         fw::PinClock(COleDateTime(2004, 5, 17, 0, 0, 1));
                                         main->SendMessage(WM_TIMER, MainDialog::kMidnightTimer);
                                         inWizard = notifications.shown.size();
                                     },
                                     Press(PSBTN_CANCEL)});
        main->RunWizard();
    }
    EXPECT_EQ(inWizard, 0u);
    EXPECT_EQ(notifications.shown, std::vector<std::string>{kIn2});

    WriteSettingDword(SettingRemindDays, 7);
    main->ShowMainWindow(MainDialog::PageScheduler);
    HWND clear = ::GetDlgItem(main->Scheduler().m_hWnd, IDC_SCHED_CLEAR_EDIT);
    ::SetWindowTextA(clear, "31"); // the period moves two days later
    main->Scheduler().Settle();
    ::SetWindowTextA(clear, "40"); // and out of reach
    main->Scheduler().Settle();
    EXPECT_EQ(notifications.shown,
              (std::vector<std::string>{kIn2, "-",
                                        "Critical days begin in 4 days, on Friday, May 21.", "-"}));
    EXPECT_EQ(ReadSettingDword(SettingRemindedPeriod),
              DWORD(COleDateTime(2004, 5, 21, 0, 0, 0).DayNumber()));
}

// While she steps the days between periods with the arrows, or types a
// number, nothing is stored or announced; once the box has settled (a pause)
// the reminder is decided once, for the number in the box. A number half
// typed that the box cannot use ("2" of "25") is never stored or announced.
TEST_F(ReminderTest, IsDecidedOnceTheCycleSheEntersHasSettled)
{
    RemindDays(3);
    StartOn(5, 12); // May 19 is 7 days away
    main->ShowMainWindow(MainDialog::PageScheduler);
    HWND clear = ::GetDlgItem(main->Scheduler().m_hWnd, IDC_SCHED_CLEAR_EDIT);
    ::SetFocus(clear);
    for (int step = 0; step < 3; ++step) // 30, 29 (May 17), 28 (May 15), 27 (May 13)
        PressKey(clear, VK_DOWN);
    EXPECT_TRUE(notifications.shown.empty() && ReadSettingDword(SettingClearDayCount) == 30);
    PumpLikeTheProgram(SettlingChange::kPause + 500);
    const std::vector<std::string> tomorrow{"Critical days begin tomorrow, on Thursday, May 13."};
    EXPECT_EQ(notifications.shown, tomorrow);
    EXPECT_EQ(ReadSettingDword(SettingClearDayCount), 27u);

    ::SendMessageA(clear, EM_SETSEL, 0, -1);
    ::SendMessageA(clear, WM_CHAR, '2', 1);
    PumpLikeTheProgram(SettlingChange::kPause + 500);
    EXPECT_TRUE(notifications.shown == tomorrow && ReadSettingDword(SettingClearDayCount) == 27);
    ::SendMessageA(clear, WM_CHAR, '5', 1); // 25: today is a critical day
    PumpLikeTheProgram(SettlingChange::kPause + 500);
    EXPECT_EQ(notifications.shown, (std::vector<std::string>{tomorrow[0], "-"}));
    EXPECT_EQ(ReadSettingDword(SettingClearDayCount), 25u);
}

// Without a first day nothing is known: no day is critical, the icon is the
// normal one, the tip and the Monitor page's line say where to enter one, and
// no reminder comes.
TEST_F(ReminderTest, WithoutAFirstDayNothingIsMarkedOrAnnounced)
{
    ::RegDeleteKeyValueA(HKEY_CURRENT_USER, SettingsKeyPath().c_str(), "StartDate");
    RemindDays(7);
    StartOn(5, 20);
    EXPECT_EQ(Tip(), "Velindra \xE2\x80\x93 no first day entered yet");
    EXPECT_EQ(Status(), "No first day entered yet (Scheduler page)");
    EXPECT_TRUE(main->GetTrayState() == TrayIcon::StateNormal && notifications.shown.empty() &&
                !main->Monitor().IsCriticalDay(COleDateTime(2004, 5, 20, 8, 0, 0)));
}

// A click on the reminder opens the Monitor page on the month of the period
// it announced.
TEST_F(ReminderTest, AClickShowsThePeriodsMonth)
{
    RemindDays(1);
    StartOn(8, 31);
    ASSERT_EQ(notifications.shown.size(), 1u);
    EXPECT_EQ(ShownMonth(), 8); // today's
    main->SendMessage(WM_TRAYNOTIFY, 0, NIN_BALLOONUSERCLICK);
    EXPECT_TRUE(main->IsWindowVisible() &&
                main->Sheet().GetActiveIndex() == MainDialog::PageMonitor && ShownMonth() == 9);
}

// The tip and the Monitor page's line, before a period, on its first day and
// after a change of language; the page opens on today's month.
TEST_F(ReminderTest, TheTipAndTheMonitorLineSayWhereTodayStands)
{
    StartOn(5, 13);
    EXPECT_EQ(Tip(), "Velindra \xE2\x80\x93 critical days in 6 days");
    EXPECT_EQ(Status(), "Next critical days: Wednesday, May 19 (in 6 days)");
    EXPECT_EQ(ShownMonth(), 5);
    fw::PinClock(COleDateTime(2004, 5, 18, 0, 0, 1));
    main->SendMessage(WM_TIMER, MainDialog::kMidnightTimer);
    EXPECT_EQ(Tip(), "Velindra \xE2\x80\x93 critical days tomorrow");
    fw::PinClock(COleDateTime(2004, 5, 20, 0, 0, 1));
    main->SendMessage(WM_TIMECHANGE);
    EXPECT_EQ(Tip() + "/" + Status(),
              "Velindra \xE2\x80\x93 critical day 2 of 5/Critical day 2 of 5");
    ASSERT_TRUE(folder.Write("russian.lng", testing_support::ShippedLanguageText("russian.lng")));
    WriteSettingText(SettingLang, "russian");
    main->ApplyLanguage(false);
    // "Менструация: день 2 из 5" and "Velindra – менструация, день 2 из 5"
    const std::string
        word = "\xD0\xB5\xD0\xBD\xD1\x81\xD1\x82\xD1\x80\xD1\x83\xD0\xB0\xD1\x86\xD0\xB8\xD1\x8F",
        day = "\xD0\xB4\xD0\xB5\xD0\xBD\xD1\x8C 2 \xD0\xB8\xD0\xB7 5";
    EXPECT_EQ(Status(), "\xD0\x9C" + word + ": " + day);
    EXPECT_EQ(Tip(), "Velindra \xE2\x80\x93 \xD0\xBC" + word + ", " + day);
}

} // namespace
