// The main window as the program builds it (a real MainDialog created
// modeless from template 102), with the clock pinned and the registry and
// the executable's folder of its own: its pages, hiding with the help window,
// its keys, and what weeks in the notification
// area ask of it (midnight, sleep, far years, many hides, settings changed
// elsewhere).
#include <cstring>
#include <tuple>

#include "calendar/HalfYearDialog.h"
#include "ui/DialogLayout.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/GdiCount.h"
#include "tests/support/LayoutCheck.h"

using namespace main_window_testing;

namespace {

using MainWindowTest = MainWindowEnvironment;

// Each way from the hidden window on the Options page: the list switches the
// page, the menu's commands and the icon's left button show the window on
// theirs (its list entry selected), the icon's other mouse messages do nothing.
// (Scheduler... from the icon's menu: the tray test.)
TEST_F(MainWindowTest, EveryWayToAPageShowsThatPage)
{
    constexpr int kKeep = -2; // the list's selection as it is
    const WPARAM selected = MAKEWPARAM(IDC_MAIN_NAVIGATION, LBN_SELCHANGE);
    const struct {
        const char* way;
        int entry;
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        int page;
        bool shows;
    } table[] = {
        {"list entry 1", 1, WM_COMMAND, selected, 0, 1, false},
        {"no list entry", -1, WM_COMMAND, selected, 0, 0, false},
        {"Options...", kKeep, WM_COMMAND, ID_MENU_OPTIONS, 0, 2, true},
        {"Open...", kKeep, WM_COMMAND, ID_MENU_OPEN, 0, 0, true},
        {"icon, left button", kKeep, WM_TRAYNOTIFY, 0, WM_LBUTTONDOWN, 0, true},
        {"icon, right button up", kKeep, WM_TRAYNOTIFY, 0, WM_RBUTTONUP, 2, false},
    };
    CreateMain();
    // Its icons, for the taskbar and the caption.
    EXPECT_TRUE(main->SendMessage(WM_GETICON, ICON_BIG) &&
                main->SendMessage(WM_GETICON, ICON_SMALL));
    for (const auto& row : table) {
        main->ShowMainWindow(MainDialog::PageOptions);
        main->ShowWindow(SW_HIDE);
        if (row.entry != kKeep)
            main->Navigation().SetCurSel(row.entry);
        main->SendMessage(row.message, row.wParam, row.lParam);
        EXPECT_EQ(std::make_tuple(main->Sheet().GetActiveIndex(), main->IsWindowVisible() != FALSE,
                                  main->Navigation().GetCurSel()),
                  std::make_tuple(row.page, row.shows, row.entry == kKeep ? row.page : row.entry))
            << row.way;
    }
}

// Minimise and Hide hide the window (no taskbar button) and show the help
// window, which tells where Windows 10 and 11 hide the icon (behind ^), stores
// its box however it is closed and stays away once ticked.
TEST_F(MainWindowTest, HidingShowsTheHelpWindowUntilItsBoxIsTickedAndKeysActOnlyWhenShown)
{
    const Step ok = [](HWND d) { Click(d, IDC_QLH_OK); };
    const Step escape = [](HWND d) {
        ::SetFocus(::GetDlgItem(d, IDC_QLH_HIDE_MESSAGE));
        ::PostMessageA(::GetDlgItem(d, IDC_QLH_HIDE_MESSAGE), WM_KEYDOWN, VK_ESCAPE, 0);
    };
    const Step closeBox = [](HWND d) { ::PostMessageA(d, WM_SYSCOMMAND, SC_CLOSE, 0); };
    const struct {
        bool minimise, tick;
        const char* closed;
        const Step& close;
    } table[] = {{true, false, "OK", ok},
                 {false, true, "Escape", escape},
                 {true, true, "the close box", closeBox}};
    CreateMain();
    for (const auto& row : table) {
        SCOPED_TRACE(row.closed);
        store.WriteDword(SettingHideMessage, 0);
        main->ShowMainWindow(MainDialog::PageMonitor);
        bool hiddenMeanwhile = false;
        char overflow[512] = {};
        const Step look = [&](HWND dialog) {
            hiddenMeanwhile = !main->IsWindowVisible();
            ::GetDlgItemTextA(dialog, IDC_QLH_OVERFLOW, overflow, sizeof(overflow));
            if (row.tick)
                Click(dialog, IDC_QLH_HIDE_MESSAGE);
        };
        {
            ModalScript script(IDC_QLH_HIDE_MESSAGE, {look, row.close});
            if (row.minimise)
                main->SendMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0);
            else
                Click(main->m_hWnd, IDC_MAIN_HIDE);
            EXPECT_EQ(script.Seen(), 1);
        }
        EXPECT_TRUE(hiddenMeanwhile && !main->IsIconic() && std::strchr(overflow, '^'));
        EXPECT_EQ(store.ReadDword(SettingHideMessage), row.tick ? 1u : 0u);
    }
    main->ShowMainWindow(MainDialog::PageMonitor);
    ModalScript never(IDC_QLH_HIDE_MESSAGE, {});
    Click(main->m_hWnd, IDC_MAIN_HIDE);
    PumpLikeTheProgram(100);
    EXPECT_FALSE(never.Seen() || main->IsWindowVisible() || TakeQuitMessage());

    // The hidden window keeps the focus after the icon's menu closed, and
    // there no key may act unseen; on the shown list Escape is Help and Enter
    // is Hide.
    for (WPARAM key : {VK_ESCAPE, VK_RETURN, VK_F1})
        PressKey(main->m_hWnd, key);
    EXPECT_TRUE(help.Topics().empty() && !main->IsWindowVisible());

    main->ShowMainWindow(MainDialog::PageAbout);
    main->Navigation().SetFocus();
    main->SendMessage(WM_ACTIVATE, WA_ACTIVE); // activated again: the focus stays
    EXPECT_EQ(::GetFocus(), main->Navigation().m_hWnd);
    PressKey(main->Navigation(), VK_ESCAPE);
    EXPECT_TRUE(help.Topics() == "about;" && main->IsWindowVisible());
    PressKey(main->Navigation(), VK_RETURN);
    EXPECT_TRUE(help.Topics() == "about;" && !main->IsWindowVisible());
}

// With today the 7th and a period from the 8th, far beyond 2036, the icon
// turns pink when the 8th begins, whatever wakes the window: its own timer,
// or the system after sleep. The month the Monitor page shows is not taken
// from the user.
TEST_F(MainWindowTest, TheIconFollowsTheNewDayAtMidnightAndAfterSleepBeyond2036)
{
    StoreSampleCycle(); // periods of 5 days every 35: 2040-01-08 begins one
    store.WriteStartDate(COleDateTime(2040, 1, 8, 9, 0, 0));
    clock.now = COleDateTime(2040, 1, 7, 23, 59, 59);
    CreateMain();
    ASSERT_EQ(main->Tray().GetState(), TrayIcon::StateNormal);
    clock.now = COleDateTime(2040, 1, 8, 0, 0, 1);
    PumpLikeTheProgram(1600); // the timer was set for one second after 23:59:59
    EXPECT_TRUE(main->Tray().GetState() == TrayIcon::StateAlternate && ShownMonth() == 1 &&
                main->Monitor().IsCriticalDay(COleDateTime(2040, 1, 12, 0, 0, 0)));

    clock.now = COleDateTime(2040, 1, 13, 8, 0, 0); // slept through the period's end
    main->SendMessage(WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC);
    EXPECT_EQ(main->Tray().GetState(), TrayIcon::StateNormal);

    // The last day there is, the first of a period: pink from the start.
    store.WriteStartDate(COleDateTime(9999, 12, 31, 0, 0, 0));
    clock.now = COleDateTime(9999, 12, 31, 12, 0, 0);
    CreateMain();
    EXPECT_EQ(main->Tray().GetState(), TrayIcon::StateAlternate);
}

// Every way a new day is noticed (the midnight tick, the end of sleep, a
// change of the clock) moves the open half-year calendar's today ring; a
// command that opens no window still acts while it is open.
TEST_F(MainWindowTest, EveryNewDayMovesTheTodayRingOfTheOpenHalfYearCalendar)
{
    CreateMain();
    const struct {
        UINT message;
        WPARAM wParam;
    } paths[] = {{WM_TIMER, MainDialog::kMidnightTimer},
                 {WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC},
                 {WM_TIMECHANGE, 0}};
    std::vector<Step> steps;
    for (int i = 0; i < 3; ++i)
        steps.push_back([&, i](HWND) {
            clock.now = COleDateTime(2004, 5, 21 + i, 0, 0, 1); // today was the 20th
            main->SendMessage(paths[i].message, paths[i].wParam);
            const MonthCalendarCtrl& may = main->OpenHalfYear()->Calendar(4);
            for (int cell = 0; cell < 42; ++cell) {
                const CalendarCell& day = *may.GetCell(cell / 7, cell % 7);
                EXPECT_EQ(day.today, day.date == COleDateTime(2004, 5, 21 + i, 0, 0, 1))
                    << paths[i].message << ", cell " << cell;
            }
        });
    steps.push_back([&](HWND d) { // a command that opens no window still acts meanwhile
        main->Navigation().SetCurSel(MainDialog::PageAbout);
        main->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_MAIN_NAVIGATION, LBN_SELCHANGE));
        EXPECT_EQ(main->Sheet().GetActiveIndex(), MainDialog::PageAbout);
        ::PostMessageA(d, WM_COMMAND, IDC_HALF_CLOSE, 0);
    });
    ModalScript script(IDC_HALF_NEXT, steps);
    main->SendMessage(WM_COMMAND, ID_MENU_HALFYEAR);
    EXPECT_EQ(script.Seen(), 1);
}

TEST_F(MainWindowTest, HidingShowingAndSwitchingPagesLeaveNoBitmapsOrMemoryBehind)
{
    store.WriteDword(SettingHideMessage, 1); // the help window still comes and goes unseen
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
    cycle(60);
    EXPECT_TRUE(testing_support::LiveBitmaps() == bitmaps &&
                testing_support::PrivateBytes() < memory + 2 * 1024 * 1024); // not 60 x 225 KB
}

// Another program changed the counts: the Scheduler page shows them when the
// window is shown and when the page is chosen, so no edit brings back the old.
TEST_F(MainWindowTest, TheSchedulerPageShowsWhatIsStoredNow)
{
    StoreSampleCycle();
    CreateMain();
    HWND page = main->Scheduler().m_hWnd;
    auto shownCount = [&] { return ::GetDlgItemInt(page, IDC_SCHED_CRIT_EDIT, nullptr, FALSE); };
    store.WriteDword(SettingCritDayCount, 7);
    main->ShowMainWindow(MainDialog::PageMonitor);
    EXPECT_EQ(shownCount(), 7u);
    store.WriteDword(SettingCritDayCount, 9);
    main->ShowMainWindow(MainDialog::PageScheduler);
    EXPECT_EQ(shownCount(), 9u);
    ::SetDlgItemTextA(page, IDC_SCHED_CLEAR_EDIT, "30"); // an edit of the other count
    main->Scheduler().Settle();
    EXPECT_EQ(store.ReadDword(SettingCritDayCount), 9u);
}

// The Monitor page: its calendar beside its buttons on today's month (also
// by its Today button), answering from its grid only; marked afresh when the
// page is shown again and at ShowToday, also when today is a month it cannot
// show; its line set only when the text changes (a screen reader hears it
// again). The sample cycle marks April 14 to 18 and May 19 to 23.
TEST_F(MainWindowTest, TheMonitorPageAnswersFromItsGridAndFollowsTheSettings)
{
    StoreSampleCycle();
    CreateMain();
    CDialogCritMonitor& monitor = main->Monitor();
    MonthCalendarCtrl& calendar = monitor.Calendar();
    auto critical = [&](int month) { // the days of the month the page answers are critical
        std::string days;
        for (int day = 1; day <= 31; ++day)
            if (monitor.IsCriticalDay(COleDateTime(2004, month, day, 12, 0, 0)))
                days += std::to_string(day) + " ";
        return days;
    };
    const RECT place = layout::ControlRect(monitor, IDC_MON_CALENDAR), expected{56, 30, 263, 190};
    EXPECT_TRUE(::EqualRect(&place, &expected));
    EXPECT_TRUE(layout::ControlRect(monitor, IDC_MON_TODAY).left == 56 &&
                layout::ControlRect(monitor, IDC_MON_HALFYEAR).right == 263); // span it
    EXPECT_TRUE(calendar.HasMonthButtons() && calendar.GetShowLeading() &&
                calendar.GetShowTrailing());
    ASSERT_TRUE(ShownMonth() == 5 && calendar.SetMonth(COleDateTime(2004, 4, 15, 0, 0, 0)));
    EXPECT_EQ(critical(3) + "| " + critical(4) + "| " + critical(5), "| 14 15 16 17 18 | ");
    Click(monitor, IDC_MON_TODAY);
    EXPECT_EQ(ShownMonth(), 5);

    static int sets = 0;
    ::SetWindowSubclass(
        ::GetDlgItem(monitor, IDC_MON_STATUS),
        [](HWND line, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
            sets += message == WM_SETTEXT;
            return ::DefSubclassProc(line, message, wParam, lParam);
        },
        1, 0);
    for (const char* text : {"Day 2", "Day 2", "Day 3"})
        monitor.ShowStatus(text);
    EXPECT_EQ(sets, 2);

    store.WriteDword(SettingCritDayCount, 2);
    EXPECT_EQ(critical(5), "19 20 21 22 23 ") << "not refreshed yet";
    ASSERT_TRUE(main->Sheet().SetActivePage(MainDialog::PageAbout) &&
                main->Sheet().SetActivePage(MainDialog::PageMonitor));
    EXPECT_EQ(critical(5), "13 14 "); // every 32 days
    for (auto [today, count, marked] :
         {std::tuple{COleDateTime(2004, 5, 20, 10, 0, 0), 3, "15 16 17 "},
          {COleDateTime(1972, 6, 1, 10, 0, 0), 5, "19 20 21 22 23 "}}) {
        clock.now = today;
        store.WriteDword(SettingCritDayCount, count);
        monitor.ShowToday();
        EXPECT_EQ(ShownMonth(), 5);
        EXPECT_EQ(critical(5), marked);
    }
}

} // namespace

// The window shows with its Monitor page; the other pages come from the
// message loop right afterwards, or at once when a command asks for one first,
// each in the chosen language with the stored values. (Their texts in
// english.lng: the black box's template run.)
TEST_F(MainWindowTest, PagesAfterTheFirstComeFromTheLoopOrAtOnceInTheChosenLanguage)
{
    StoreSampleCycle();
    ASSERT_TRUE(folder.Write("deutsch.lng", "[DialogID_102 - PageNo_2]\nID_1210=Sprache:\n"));
    store.WriteText(SettingLang, "deutsch");
    for (const bool fromMenu : {true, false}) {
        main = std::make_unique<MainDialog>(clock, help, shell, texts, store, stored);
        app.m_pMainWnd = main.get();
        ASSERT_TRUE(main->Create(IDD_MAIN));
        CWnd& options = *main->Sheet().GetPage(MainDialog::PageOptions);
        EXPECT_TRUE(main->Monitor().IsWindow() && !options.IsWindow() &&
                    !main->Scheduler().IsWindow());
        if (fromMenu)
            main->SendMessage(WM_COMMAND, ID_MENU_OPTIONS);
        else
            PumpLikeTheProgram();
        ASSERT_TRUE(options.IsWindow());
        EXPECT_EQ(testing_support::TextOf(options.GetDlgItem(IDC_OPT_LANG_HEADING)), "Sprache:");
        EXPECT_EQ(main->Sheet().GetActiveIndex(), fromMenu ? 2 : 0);
        PumpLikeTheProgram();
        ASSERT_TRUE(main->Scheduler().IsWindow() && main->About().IsWindow());
        EXPECT_EQ(::GetDlgItemInt(main->Scheduler().m_hWnd, IDC_SCHED_CRIT_EDIT, nullptr, FALSE),
                  5u);
        main->DestroyWindow();
    }
}
