#include <gtest/gtest.h>

#include "model/CycleCalculator.h"
#include "tests/model/FakeCalendar.h"

using namespace model_tests;
using Dates = std::vector<std::string>;

namespace {

Dates Mark(int year, int month, const COleDateTime& start, int crit, int clear)
{
    FakeCalendar calendar(year, month);
    MarkCriticalDays(&calendar, calendar.First(), calendar.Last(), start, crit, clear);
    return calendar.MarkedDates();
}

const COleDateTime kMarch10(2004, 3, 10, 9, 30, 0);

TEST(CycleCalculator, ColourIsPink)
{
    EXPECT_EQ(0x00CEC9F7u, CRITICAL_DAY_COLOR);
}

TEST(CycleCalculator, GridOfMarch2004)
{
    FakeCalendar grid(2004, 3);
    EXPECT_EQ(COleDateTime(2004, 2, 29, 0, 0, 1), grid.First());
    EXPECT_EQ(COleDateTime(2004, 4, 10, 0, 0, 1), grid.Last());
    EXPECT_EQ((Dates{"2004-03-10", "2004-03-11", "2004-03-12", "2004-03-13", "2004-03-14",
                     "2004-04-07", "2004-04-08", "2004-04-09", "2004-04-10"}),
              Mark(2004, 3, kMarch10, 5, 23));
}

TEST(CycleCalculator, DaysBeforeTheStartFollowTheSameRule)
{
    EXPECT_EQ((Dates{"2004-01-14", "2004-01-15", "2004-01-16", "2004-01-17", "2004-01-18"}),
              Mark(2004, 1, kMarch10, 5, 23));
}

TEST(CycleCalculator, PeriodBeginningOnTheLastDisplayedDay)
{
    const Dates march13 = {"2004-03-13", "2004-03-14", "2004-03-15", "2004-03-16", "2004-03-17"};
    EXPECT_EQ(march13, Mark(2004, 3, COleDateTime(2004, 3, 13, 9, 30, 0), 5, 23));
    EXPECT_EQ(march13, Mark(2004, 3, COleDateTime(2004, 3, 13, 0, 0, 2), 5, 23));

    Dates withApril10 = march13;
    withApril10.push_back("2004-04-10");
    EXPECT_EQ(withApril10, Mark(2004, 3, COleDateTime(2004, 3, 13, 0, 0, 0), 5, 23));
    EXPECT_EQ(withApril10, Mark(2004, 3, COleDateTime(2004, 3, 13, 0, 0, 1), 5, 23));

    const Dates april = {"2004-04-10", "2004-04-11", "2004-04-12", "2004-04-13", "2004-04-14"};
    EXPECT_EQ(april, Mark(2004, 4, COleDateTime(2004, 3, 13, 9, 30, 0), 5, 23));
    // At midnight the next period, beginning on May 8, the grid's last day, shows too.
    Dates withMay8 = april;
    withMay8.push_back("2004-05-08");
    EXPECT_EQ(withMay8, Mark(2004, 4, COleDateTime(2004, 3, 13, 0, 0, 0), 5, 23));
}

TEST(CycleCalculator, Defaults)
{
    EXPECT_EQ((Dates{"2004-03-10", "2004-03-11", "2004-03-12"}), Mark(2004, 3, kMarch10, 3, 28));
}

TEST(CycleCalculator, NonPositiveCountsMarkNothing)
{
    for (auto counts : {std::make_pair(0, 28), std::make_pair(3, 0), std::make_pair(-3, 28),
                        std::make_pair(3, -1), std::make_pair(-1, -1)})
        EXPECT_TRUE(Mark(2004, 3, kMarch10, counts.first, counts.second).empty())
            << counts.first << " " << counts.second;
}

TEST(CycleCalculator, MissingOrGoneCalendarIsLeftAlone)
{
    MarkCriticalDays(nullptr, kMarch10, kMarch10, kMarch10, 3, 28);
    MarkPeriod(nullptr, kMarch10, 3);
    FakeCalendar calendar(2004, 3);
    calendar.markable = false;
    MarkCriticalDays(&calendar, calendar.First(), calendar.Last(), kMarch10, 3, 28);
    MarkPeriod(&calendar, kMarch10, 3);
    EXPECT_EQ(0, calendar.calls);
}

TEST(CycleCalculator, InvalidDatesMarkNothing)
{
    FakeCalendar calendar(2004, 3);
    COleDateTime invalid = kMarch10;
    invalid.SetStatus(COleDateTime::invalid);
    MarkCriticalDays(&calendar, calendar.First(), calendar.Last(), invalid, 3, 28);
    MarkCriticalDays(&calendar, invalid, calendar.Last(), kMarch10, 3, 28);
    MarkCriticalDays(&calendar, calendar.First(), invalid, kMarch10, 3, 28);
    MarkPeriod(&calendar, invalid, 3);
    EXPECT_EQ(0, calendar.calls);
}

TEST(CycleCalculator, MarkPeriodMarksConsecutiveDates)
{
    FakeCalendar calendar(2004, 3);
    MarkPeriod(&calendar, COleDateTime(2004, 2, 27, 23, 0, 0), 4);
    EXPECT_EQ((Dates{"2004-02-29", "2004-03-01"}), calendar.MarkedDates());
    EXPECT_EQ(std::set<COLORREF>{CRITICAL_DAY_COLOR}, calendar.colours);
    calendar.marked.clear();
    MarkPeriod(&calendar, kMarch10, 0);
    MarkPeriod(&calendar, kMarch10, -5);
    EXPECT_TRUE(calendar.marked.empty());
}

TEST(CycleCalculator, HugeCountsEndPromptly)
{
    FakeCalendar calendar(2004, 3);
    const DWORD start = GetTickCount();
    MarkPeriod(&calendar, COleDateTime(1999, 1, 1, 0, 0, 0), 0x7FFFFFFF);
    EXPECT_EQ(42u, calendar.marked.size());
    calendar.marked.clear();

    // A period as long as any calendar can show, starting on the 20th.
    MarkCriticalDays(&calendar, calendar.First(), calendar.Last(),
                     COleDateTime(2004, 3, 20, 0, 0, 0), 0x7FFFFFFF, 28);
    EXPECT_EQ(22u, calendar.marked.size());
    EXPECT_EQ("2004-03-20", calendar.MarkedDates().front());
    calendar.marked.clear();

    // Clear days beyond any calendar: only the period at the start shows.
    EXPECT_EQ((Dates{"2004-03-10", "2004-03-11", "2004-03-12"}),
              Mark(2004, 3, kMarch10, 3, 0x7FFFFFFF));
    EXPECT_TRUE(Mark(2004, 5, kMarch10, 3, 0x7FFFFFFF).empty());
    EXPECT_TRUE(Mark(1973, 1, COleDateTime(9999, 12, 31, 0, 0, 0), 0x7FFFFFFF, 0x7FFFFFFF).empty());
    EXPECT_TRUE(Mark(1973, 1, COleDateTime(100, 1, 1, 0, 0, 0), 0x7FFFFFFF, 0x7FFFFFFF).empty());
    EXPECT_LT(GetTickCount() - start, 2000u);
}

TEST(CycleCalculator, LongPeriodsLookBack31DaysOnly)
{
    // A 40-day period that began 35 days before the grid is not marked, one
    // that began 31 days before is.
    FakeCalendar grid(2004, 3); // from 2004-02-29
    EXPECT_TRUE(Mark(2004, 3, COleDateTime(2004, 1, 25, 0, 0, 1), 40, 200).empty());
    const Dates marked = Mark(2004, 3, COleDateTime(2004, 1, 29, 0, 0, 1), 40, 200);
    ASSERT_FALSE(marked.empty());
    EXPECT_EQ("2004-02-29", marked.front());
    EXPECT_EQ("2004-03-08", marked.back());
    // At 00:00:02 the same period begins later than (first - 31 days, 00:00:01).
    EXPECT_EQ(marked, Mark(2004, 3, COleDateTime(2004, 1, 29, 0, 0, 2), 40, 200));
    EXPECT_TRUE(Mark(2004, 3, COleDateTime(2004, 1, 29, 0, 0, 0), 40, 200).empty());
}

} // namespace
