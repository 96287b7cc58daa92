// The month calendar's six-week grid, its range message, its month bounds
// and its month buttons, on real windows.
#include <gtest/gtest.h>

#include "tests/calendar/MonthCalendarTestParent.h"
#include "tests/support/Sandbox.h"

using namespace calendar_tests;

namespace {

struct SampleMonth {
    int year, month;
    COleDateTime first; // the first displayed day, 00:00:01
    int leading;        // days of the previous month in row 0
    int trailing;       // days of the next month at the end
};

// Checks the grid of one month cell by cell: consecutive days from `first`,
// leading and trailing days outside the month, every date at 00:00:01.
void ExpectGrid(const MonthCalendarCtrl& calendar, const SampleMonth& s)
{
    const int inMonth = MonthCalendarCtrl::kCellCount - s.leading - s.trailing;
    for (int i = 0; i < MonthCalendarCtrl::kCellCount; ++i) {
        const CalendarCell& cell = Cell(calendar, i);
        const COleDateTime expected = s.first + COleDateTimeSpan(i);
        EXPECT_EQ(expected, cell.date) << s.year << "-" << s.month << " cell " << i;
        const bool inside = i >= s.leading && i < s.leading + inMonth;
        EXPECT_EQ(inside ? 1 : 0, cell.inMonth) << s.year << "-" << s.month << " cell " << i;
        if (inside) {
            EXPECT_EQ(s.month, cell.date.GetMonth());
        }
    }
}

} // namespace

TEST_F(CalendarTest, SampleMonthsFillSixWeeksFromTheSundayOnOrBeforeDayOne)
{
    MonthCalendarCtrl calendar;
    ASSERT_TRUE(calendar.CreateCalendar(&parent, 1110, 0, 0, FALSE, TRUE, TRUE));
    const SampleMonth samples[] = {
        {2004, 8, COleDateTime(2004, 8, 1, 0, 0, 1), 0, 11},   // Sunday the 1st, 31 days
        {2009, 2, COleDateTime(2009, 2, 1, 0, 0, 1), 0, 14},   // Sunday the 1st, 28 days
        {2005, 1, COleDateTime(2004, 12, 26, 0, 0, 1), 6, 5},  // Saturday the 1st, 31 days
        {2004, 1, COleDateTime(2003, 12, 28, 0, 0, 1), 4, 7},  // leading days of last year
        {2004, 12, COleDateTime(2004, 11, 28, 0, 0, 1), 3, 8}, // trailing days of next year
        {2004, 3, COleDateTime(2004, 2, 29, 0, 0, 1), 1, 10},  // the leap day leads
    };
    for (const SampleMonth& s : samples) {
        ASSERT_EQ(1, calendar.SetMonth(COleDateTime(s.year, s.month, 15, 12, 0, 0)));
        ExpectGrid(calendar, s);
        ASSERT_FALSE(parent.requests.empty());
        EXPECT_EQ(Time32(s.first), parent.requests.back().first);
        EXPECT_EQ(Time32(s.first + COleDateTimeSpan(41)), parent.requests.back().last);
    }
    // The shown date is kept as given, day and time of day included.
    EXPECT_EQ(COleDateTime(2004, 3, 15, 12, 0, 0), calendar.GetShownDate());
}

TEST_F(CalendarTest, CreationShowsTodaysMonthAndSendsOneRangeToTheParent)
{
    MonthCalendarCtrl calendar;
    ASSERT_TRUE(calendar.CreateCalendar(&parent, 1110, 56, 30, TRUE, TRUE, TRUE));
    RECT rect = calendar.GetWindowRect();
    parent.ScreenToClient(rect);
    EXPECT_EQ(56, rect.left);
    EXPECT_EQ(30, rect.top);
    EXPECT_EQ(207, rect.right - rect.left);
    EXPECT_EQ(160, rect.bottom - rect.top);
    EXPECT_EQ(DWORD(WS_CHILD | WS_VISIBLE | WS_TABSTOP), calendar.GetStyle() & ~WS_CLIPSIBLINGS);
    EXPECT_EQ(1110, calendar.GetDlgCtrlID());

    ASSERT_EQ(1u, parent.requests.size());
    EXPECT_EQ(&calendar, parent.requests[0].sender);
    // March 2004: 2004-02-29 00:00:01 to 2004-04-10 00:00:01, local time.
    EXPECT_EQ(Time32(COleDateTime(2004, 2, 29, 0, 0, 1)), parent.requests[0].first);
    EXPECT_EQ(Time32(COleDateTime(2004, 4, 10, 0, 0, 1)), parent.requests[0].last);
    EXPECT_EQ(nullptr, MonthCalendarCtrl::Refreshing());

    // Only the pinned today carries the today flag.
    for (int i = 0; i < MonthCalendarCtrl::kCellCount; ++i)
        EXPECT_EQ(i == 12 ? 1 : 0, Cell(calendar, i).today) << i;
    EXPECT_TRUE(SameDay(COleDateTime(2004, 3, 12, 0, 0, 0), Cell(calendar, 12).date));
}

TEST_F(CalendarTest, LeadingAndTrailingFlagsDecideWhichNeighbourDaysAreShown)
{
    MonthCalendarCtrl first, middle, last;
    ASSERT_TRUE(first.CreateCalendar(&parent, 1111, 0, 0, FALSE, TRUE, FALSE));
    ASSERT_TRUE(middle.CreateCalendar(&parent, 1112, 208, 0, FALSE, FALSE, FALSE));
    ASSERT_TRUE(last.CreateCalendar(&parent, 1113, 416, 0, FALSE, FALSE, TRUE));
    // March 2004: one leading day (Feb 29), ten trailing days (Apr 1 to 10).
    for (int i = 0; i < MonthCalendarCtrl::kCellCount; ++i) {
        const bool leading = i == 0, trailing = i >= 32;
        EXPECT_EQ(trailing ? 0 : 1, Cell(first, i).shown) << i;
        EXPECT_EQ(leading || trailing ? 0 : 1, Cell(middle, i).shown) << i;
        EXPECT_EQ(leading ? 0 : 1, Cell(last, i).shown) << i;
    }
}

TEST_F(CalendarTest, SetMonthBoundsAreExclusive)
{
    MonthCalendarCtrl calendar;
    EXPECT_EQ(0, calendar.SetMonth(COleDateTime(2004, 5, 1, 0, 0, 0))); // no window yet
    ASSERT_TRUE(calendar.CreateCalendar(&parent, 1110, 0, 0, FALSE, TRUE, TRUE));
    const size_t sent = parent.requests.size();

    for (const COleDateTime& refused :
         {COleDateTime(1973, 1, 1, 0, 0, 0), COleDateTime(1973, 1, 1, 1, 1, 1),
          COleDateTime(2036, 1, 1, 1, 1, 1), COleDateTime(2036, 1, 1, 1, 1, 2),
          COleDateTime(1950, 6, 1, 0, 0, 0)}) {
        EXPECT_EQ(0, calendar.SetMonth(refused)) << refused.GetYear();
    }
    COleDateTime invalid(2004, 5, 1, 0, 0, 0);
    invalid.SetStatus(COleDateTime::invalid);
    EXPECT_EQ(0, calendar.SetMonth(invalid));
    EXPECT_EQ(sent, parent.requests.size());
    EXPECT_EQ(3, calendar.GetShownDate().GetMonth());

    EXPECT_EQ(1, calendar.SetMonth(COleDateTime(1973, 1, 1, 1, 1, 2)));
    EXPECT_EQ(1973, calendar.GetShownDate().GetYear());
    EXPECT_EQ(1, calendar.GetShownDate().GetMonth());
    EXPECT_EQ(1, calendar.SetMonth(COleDateTime(2036, 1, 1, 1, 1, 0)));
    EXPECT_EQ(2036, calendar.GetShownDate().GetYear());
    EXPECT_EQ(sent + 2, parent.requests.size());
}

TEST_F(CalendarTest, MonthButtonsReachDecember1972AndJanuary2036AndStopThere)
{
    MonthCalendarCtrl calendar;
    ASSERT_TRUE(calendar.CreateCalendar(&parent, 1110, 0, 0, TRUE, TRUE, TRUE));
    HWND prev = calendar.GetDlgItem(IDC_CAL_PREV_MONTH);
    HWND next = calendar.GetDlgItem(IDC_CAL_NEXT_MONTH);
    ASSERT_TRUE(prev && next);

    ASSERT_EQ(1, calendar.SetMonth(COleDateTime(1973, 1, 20, 8, 0, 0)));
    ::SendMessageA(prev, BM_CLICK, 0, 0);
    testing_support::PumpMessages();
    EXPECT_EQ(COleDateTime(1972, 12, 1, 0, 0, 0), calendar.GetShownDate());
    EXPECT_EQ(COleDateTime(1972, 11, 26, 0, 0, 1), Cell(calendar, 0).date);
    const size_t sent = parent.requests.size();
    ::SendMessageA(prev, BM_CLICK, 0, 0);
    testing_support::PumpMessages();
    EXPECT_EQ(COleDateTime(1972, 12, 1, 0, 0, 0), calendar.GetShownDate());
    EXPECT_EQ(sent, parent.requests.size());
    ::SendMessageA(next, BM_CLICK, 0, 0); // and back again
    EXPECT_EQ(COleDateTime(1973, 1, 1, 0, 0, 0), calendar.GetShownDate());

    ASSERT_EQ(1, calendar.SetMonth(COleDateTime(2035, 12, 31, 23, 0, 0)));
    ::SendMessageA(next, BM_CLICK, 0, 0);
    EXPECT_EQ(COleDateTime(2036, 1, 1, 0, 0, 0), calendar.GetShownDate());
    EXPECT_EQ(COleDateTime(2035, 12, 30, 0, 0, 1), Cell(calendar, 0).date);
    ::SendMessageA(next, BM_CLICK, 0, 0);
    EXPECT_EQ(COleDateTime(2036, 1, 1, 0, 0, 0), calendar.GetShownDate());
    ::SendMessageA(prev, BM_CLICK, 0, 0);
    EXPECT_EQ(COleDateTime(2035, 12, 1, 0, 0, 0), calendar.GetShownDate());

    // The buttons talk to the calendar only.
    EXPECT_EQ(0, parent.commands);
}

TEST_F(CalendarTest, MonthButtonsAreSmallPushButtonsOverTheBandEnds)
{
    MonthCalendarCtrl calendar;
    ASSERT_TRUE(calendar.CreateCalendar(&parent, 1110, 0, 0, TRUE, TRUE, TRUE));
    struct {
        int id;
        const char* text;
        RECT rect;
    } const buttons[] = {{IDC_CAL_PREV_MONTH, "<", {3, 3, 29, 21}},
                         {IDC_CAL_NEXT_MONTH, ">", {178, 3, 204, 21}}};
    for (const auto& b : buttons) {
        HWND button = calendar.GetDlgItem(b.id);
        ASSERT_TRUE(button) << b.id;
        char text[8] = {};
        ::GetWindowTextA(button, text, sizeof text);
        EXPECT_STREQ(b.text, text);
        RECT rect{};
        ::GetWindowRect(button, &rect);
        calendar.ScreenToClient(rect);
        EXPECT_TRUE(EqualRect(&b.rect, &rect)) << b.id;
        EXPECT_EQ(nullptr, reinterpret_cast<HFONT>(::SendMessageA(button, WM_GETFONT, 0, 0)));
    }

    // Re-creating without buttons removes them; a calendar needs a parent.
    ASSERT_TRUE(calendar.CreateCalendar(&parent, 1110, 0, 0, FALSE, TRUE, TRUE));
    EXPECT_EQ(nullptr, calendar.GetDlgItem(IDC_CAL_PREV_MONTH));
    EXPECT_EQ(nullptr, calendar.GetDlgItem(IDC_CAL_NEXT_MONTH));
    MonthCalendarCtrl orphan;
    EXPECT_FALSE(orphan.CreateCalendar(nullptr, 1110, 0, 0, TRUE, TRUE, TRUE));
    EXPECT_FALSE(orphan.IsWindow());
}

TEST(MonthCalendarNames, EnglishMonthAndWeekdayNamesFromTheUserLocale)
{
    MonthCalendarCtrl calendar;
    const COleDateTime day(2004, 3, 10, 9, 30, 0); // a Wednesday
    std::string text = "stale";
    EXPECT_EQ(1, calendar.GetDateName(day, MonthCalendarCtrl::MonthName,
                                      MonthCalendarCtrl::FullName, text));
    EXPECT_EQ("March", text);
    calendar.GetDateName(day, MonthCalendarCtrl::MonthName, MonthCalendarCtrl::ShortName, text);
    EXPECT_EQ("Mar", text);
    calendar.GetDateName(day, MonthCalendarCtrl::WeekdayName, MonthCalendarCtrl::FullName, text);
    EXPECT_EQ("Wednesday", text);
    calendar.GetDateName(day, MonthCalendarCtrl::WeekdayName, MonthCalendarCtrl::ShortName, text);
    EXPECT_EQ("Wed", text);

    COleDateTime invalid = day;
    invalid.SetStatus(COleDateTime::invalid);
    EXPECT_EQ(0, calendar.GetDateName(invalid, MonthCalendarCtrl::MonthName,
                                      MonthCalendarCtrl::FullName, text));
    EXPECT_EQ("", text);
}
