// The Monitor page inside a child property sheet of a small host dialog, as
// the main window holds it: where its calendar stands, the month it opens on,
// the marks it shows and IsCriticalDay's answers, its refreshes. (Its help
// key and the half-year button: tests/help.)
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include "calendar/CDialogCritMonitor.h"
#include "framework/PropertySheet.h"
#include "tests/calendar/CalendarTesting.h"
#include "tests/support/HelpRecorder.h"

using namespace calendar_testing;

namespace {

COleDateTime Day(int year, int month, int day)
{
    return COleDateTime(year, month, day, 12, 0, 0);
}

class Host : public CDialog {
public:
    Host(const fw::Clock& clock, HelpOpener& help, const LanguageManager& texts,
         StoredCycle& stored)
        : CDialog(IDD_MAIN), monitor(clock, help, texts, stored)
    {
    }
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        sheet.AddPage(&monitor);
        sheet.AddPage(&other);
        sheet.Create(this, WS_CHILD | WS_VISIBLE);
        return TRUE;
    }
    CPropertySheet sheet;
    CDialogCritMonitor monitor;
    CPropertyPage other{IDD_ABOUT};
};

class MonitorPage : public testing::Test {
protected:
    MonthCalendarCtrl& Calendar() { return host.monitor.Calendar(); }
    int Shown()
    {
        return Calendar().GetShownDate().GetYear() * 100 + Calendar().GetShownDate().GetMonth();
    }
    // The days of the month (from `first` on) that the page answers are critical.
    std::string Critical(int year, int month, int first = 1, int last = 31)
    {
        std::string days;
        for (int day = first; day <= last; ++day)
            days +=
                host.monitor.IsCriticalDay(Day(year, month, day)) ? std::to_string(day) + " " : "";
        return days;
    }

    testing_support::FixedClock clock{COleDateTime(2004, 5, 20, 10, 0, 0)};
    testing_support::HelpTopicRecorder help;
    LanguageManager texts;
    StoredCycle stored;
    Host host{clock, help, texts, stored};
};

TEST_F(MonitorPage, OpensOnTodaysMonthBesideItsButtonsAndAnswersFromItsGrid)
{
    StoreSampleCycle();
    ASSERT_TRUE(host.Create());
    HWND page = host.monitor.m_hWnd;
    const RECT place = Place(Calendar(), page), expected{56, 30, 56 + 207, 30 + 160};
    EXPECT_TRUE(::EqualRect(&place, &expected));
    EXPECT_TRUE(Place(::GetDlgItem(page, IDC_MON_TODAY), page).left == 56 &&
                Place(::GetDlgItem(page, IDC_MON_HALFYEAR), page).right == 56 + 207); // span it
    EXPECT_NE(Calendar().GetDlgItem(IDC_CAL_NEXT_MONTH), nullptr);
    EXPECT_TRUE(Calendar().GetShowLeading() && Calendar().GetShowTrailing());

    EXPECT_EQ(Shown(), 200405);
    ASSERT_TRUE(Calendar().SetMonth(Day(2004, 3, 1)));
    // The line is set only when its text changes (a screen reader hears it again).
    static int sets = 0;
    ::SetWindowSubclass(
        ::GetDlgItem(page, IDC_MON_STATUS),
        [](HWND line, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
            sets += message == WM_SETTEXT;
            return ::DefSubclassProc(line, message, wParam, lParam);
        },
        1, 0);
    for (const char* text : {"Day 2", "Day 2", "Day 3"})
        host.monitor.ShowStatus(text);
    EXPECT_EQ(sets, 2);
    ::SendMessageA(::GetDlgItem(page, IDC_MON_TODAY), BM_CLICK, 0, 0);
    EXPECT_EQ(Shown(), 200405);
    ASSERT_TRUE(Calendar().SetMonth(Day(2004, 4, 15))); // 2004-03-28 .. 2004-05-08
    EXPECT_EQ(Critical(2004, 3), "");                   // March 12 is not shown
    EXPECT_EQ(Critical(2004, 4) + "| " + Critical(2004, 5), "7 8 9 10 11 | 5 6 7 8 ");
}

// Marked afresh when shown again, and at ShowToday (midnight, resume), also
// when today is a month the calendar cannot show.
TEST_F(MonitorPage, MarksFollowTheSettingsWhenShownAgainAndAtShowToday)
{
    StoreSampleCycle();
    ASSERT_TRUE(host.Create() && Calendar().SetMonth(Day(2004, 3, 1)));
    WriteSettingDword(SettingCritDayCount, 2);
    EXPECT_EQ(Critical(2004, 3, 10, 15), "10 11 12 13 14 "); // not refreshed yet
    ASSERT_TRUE(host.sheet.SetActivePage(1));
    ASSERT_TRUE(host.sheet.SetActivePage(0));
    EXPECT_EQ(Critical(2004, 3, 10, 15), "10 11 ");
    for (auto [today, critical, marked] :
         {std::tuple{COleDateTime(2004, 5, 20, 10, 0, 0), 2, "24 25 "}, // every 25 days now
          {COleDateTime(1972, 6, 1, 10, 0, 0), 5, "5 6 7 8 9 "}}) {
        clock.now = today;
        WriteSettingDword(SettingCritDayCount, critical);
        host.monitor.ShowToday();
        EXPECT_EQ(Shown(), 200405);
        EXPECT_EQ(Critical(2004, 5), marked);
    }
}

} // namespace
