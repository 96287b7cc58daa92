// Marks on the month calendar: set by the parent during the range message,
// looked up by calendar date, cleared on every rebuild, and delivered to the
// right calendar when one parent owns several.
#include <gtest/gtest.h>

#include <set>

#include "tests/calendar/MonthCalendarTestParent.h"

using namespace calendar_tests;

namespace {

// Days (of month, March 2004 unless noted) carrying the critical colour.
std::set<int> MarkedCells(const MonthCalendarCtrl& calendar)
{
    std::set<int> marked;
    for (int i = 0; i < MonthCalendarCtrl::kCellCount; ++i) {
        const COLORREF colour = Cell(calendar, i).colour;
        if (colour != 0) {
            EXPECT_EQ(CRITICAL_DAY_COLOR, colour) << i;
            marked.insert(i);
        }
    }
    return marked;
}

} // namespace

TEST_F(CalendarTest, ParentMarksLandInTheCellsOfTheirDates)
{
    MonthCalendarCtrl calendar;
    ASSERT_TRUE(calendar.CreateCalendar(&parent, 1110, 0, 0, FALSE, TRUE, TRUE));
    // March 2004 from Feb 29 (cell 0): March 10 to 14 and April 7 to 10.
    EXPECT_EQ((std::set<int>{10, 11, 12, 13, 14, 38, 39, 40, 41}), MarkedCells(calendar));
    EXPECT_EQ(CRITICAL_DAY_COLOR, calendar.GetDayColor(COleDateTime(2004, 3, 10, 23, 59, 59)));
    EXPECT_EQ(CRITICAL_DAY_COLOR, calendar.GetDayColor(COleDateTime(2004, 4, 10, 0, 0, 0)));
    EXPECT_EQ(0u, calendar.GetDayColor(COleDateTime(2004, 3, 15, 0, 0, 1)));
    EXPECT_EQ(0u, calendar.GetDayColor(COleDateTime(2004, 4, 11, 0, 0, 1))); // not in the grid

    // Days outside the grid are refused and change nothing.
    EXPECT_EQ(0, calendar.SetDayColor(COleDateTime(2004, 4, 11, 0, 0, 0), RGB(1, 2, 3)));
    EXPECT_EQ(0, calendar.SetDayColor(COleDateTime(2004, 2, 28, 0, 0, 0), RGB(1, 2, 3)));
    EXPECT_EQ(1, calendar.SetDayColor(COleDateTime(2004, 2, 29, 18, 0, 0), RGB(1, 2, 3)));
    EXPECT_EQ(RGB(1, 2, 3), Cell(calendar, 0).colour);
}

TEST_F(CalendarTest, EveryRebuildClearsTheMarksAndAsksAgain)
{
    MonthCalendarCtrl calendar;
    ASSERT_TRUE(calendar.CreateCalendar(&parent, 1110, 0, 0, FALSE, TRUE, TRUE));
    calendar.SetDayColor(COleDateTime(2004, 3, 20, 0, 0, 0), RGB(9, 9, 9));

    StoreSampleCycle(COleDateTime(2004, 3, 20, 0, 0, 0));
    calendar.Refresh();
    // Periods from March 20 (and February 21, April 17 outside the grid).
    EXPECT_EQ((std::set<int>{20, 21, 22, 23, 24}), MarkedCells(calendar));

    parent.mark = false; // a parent that marks nothing leaves nothing behind
    calendar.Refresh();
    EXPECT_TRUE(MarkedCells(calendar).empty());
    parent.mark = true;

    StoreSampleCycle();
    ASSERT_EQ(1, calendar.SetMonth(COleDateTime(2004, 1, 1, 0, 0, 0)));
    // January 2004 from Dec 28: January 14 to 18, counted backwards from March.
    EXPECT_EQ((std::set<int>{17, 18, 19, 20, 21}), MarkedCells(calendar));
}

TEST_F(CalendarTest, HiddenNeighbourDaysStillAnswerForTheirMarks)
{
    MonthCalendarCtrl calendar;
    ASSERT_TRUE(calendar.CreateCalendar(&parent, 1116, 0, 0, FALSE, FALSE, FALSE));
    EXPECT_EQ(0, Cell(calendar, 40).shown);
    EXPECT_EQ(CRITICAL_DAY_COLOR, calendar.GetDayColor(COleDateTime(2004, 4, 9, 0, 0, 0)));
}

TEST_F(CalendarTest, EachOfSeveralCalendarsReceivesItsOwnMarks)
{
    MonthCalendarCtrl march, july;
    ASSERT_TRUE(march.CreateCalendar(&parent, 1111, 0, 0, FALSE, TRUE, FALSE));
    ASSERT_TRUE(july.CreateCalendar(&parent, 1112, 208, 0, FALSE, FALSE, TRUE));
    ASSERT_EQ(1, july.SetMonth(COleDateTime(2004, 7, 1, 0, 0, 0)));

    // One calendar refuses its month: no request, and the next still gets its own.
    parent.requests.clear();
    EXPECT_EQ(0, march.SetMonth(COleDateTime(9999, 12, 1, 0, 0, 0)));
    ASSERT_EQ(1, july.SetMonth(COleDateTime(2004, 7, 15, 0, 0, 0)));
    ASSERT_EQ(1u, parent.requests.size());
    EXPECT_EQ(&july, parent.requests[0].sender);

    EXPECT_EQ((std::set<int>{10, 11, 12, 13, 14, 38, 39, 40, 41}), MarkedCells(march));
    // July 2004 from Jun 27: June 30 to July 4 and July 28 to August 1.
    EXPECT_EQ((std::set<int>{3, 4, 5, 6, 7, 31, 32, 33, 34, 35}), MarkedCells(july));
    EXPECT_EQ(nullptr, MonthCalendarCtrl::Refreshing());
}

namespace {

// An owner that tries to restart the refresh it is serving.
class RestartingParent : public TestParent {
public:
    LRESULT OnMarkDays(WPARAM first, LPARAM last)
    {
        if (MonthCalendarCtrl* sender = MonthCalendarCtrl::Refreshing()) {
            sender->Refresh();
            nestedSetMonth = sender->SetMonth(COleDateTime(2010, 5, 5, 0, 0, 0));
        }
        return OnCalendarMarkDays(first, last);
    }
    int nestedSetMonth = -1;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(RestartingParent, TestParent)
ON_MESSAGE(WM_CALENDAR_MARKDAYS, OnMarkDays)
END_MESSAGE_MAP()

} // namespace

TEST_F(CalendarTest, RefreshFromInsideItsOwnRequestIsIgnored)
{
    RestartingParent owner;
    ASSERT_TRUE(owner.Create());
    MonthCalendarCtrl calendar;
    ASSERT_TRUE(calendar.CreateCalendar(&owner, 1110, 0, 0, FALSE, TRUE, TRUE));
    EXPECT_EQ(1u, owner.requests.size());
    EXPECT_EQ(0, owner.nestedSetMonth);
    EXPECT_EQ(3, calendar.GetShownDate().GetMonth());
    EXPECT_EQ(9u, MarkedCells(calendar).size());
}

TEST(MonthCalendarWithoutWindow, AnswersNothingAndMarksNothing)
{
    MonthCalendarCtrl calendar;
    EXPECT_FALSE(calendar.IsMarkable());
    const COleDateTime today = COleDateTime::GetCurrentTime();
    EXPECT_EQ(0, calendar.SetDayColor(today, CRITICAL_DAY_COLOR));
    EXPECT_EQ(0u, calendar.GetDayColor(today));
    calendar.Refresh(); // no parent to ask, nothing to paint
    EXPECT_EQ(0u, calendar.GetDayColor(today));
}
