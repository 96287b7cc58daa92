// Every displayable month against the plain periodic rule: a day D is critical
// when (D - S) mod P < C, except for a period beginning on the last displayed
// day at a time of day later than 00:00:01, one beginning more than 31 days
// before the grid, and (on the grid of December 1972) one beginning before the
// period start from which counting begins.
#include <gtest/gtest.h>

#include "model/CycleCalculator.h"
#include "tests/model/FakeCalendar.h"

using namespace model_tests;

namespace {

struct Cycle {
    COleDateTime start;
    int crit;
    int clear;
};

int64_t Mod(int64_t a, int64_t b)
{
    return ((a % b) + b) % b;
}

// The period start from which counting begins, found the slow way: step back
// by whole periods while the start is later than 1973-01-01 01:01:01.
COleDateTime CountingStart(const Cycle& cycle)
{
    const COleDateTime floor(1973, 1, 1, 1, 1, 1);
    COleDateTime start = cycle.start;
    while (start > floor)
        start -= COleDateTimeSpan(cycle.crit + cycle.clear);
    return start;
}

std::set<int64_t> Expected(const FakeCalendar& grid, const Cycle& cycle,
                           const COleDateTime& counting)
{
    const int64_t period = cycle.crit + cycle.clear;
    const int64_t s = cycle.start.DayNumber();
    const int t = cycle.start.SecondOfDay();
    const int64_t first = grid.First().DayNumber();
    const int64_t last = grid.Last().DayNumber();
    std::set<int64_t> days;
    for (int64_t d = first; d <= last; ++d) {
        const int64_t offset = Mod(d - s, period);
        if (offset >= cycle.crit)
            continue;
        const int64_t b = d - offset; // the start of d's period
        if (b == last && t > 1)
            continue;
        if (b < first - 31 || (b == first - 31 && t < 1))
            continue;
        if (b < counting.DayNumber())
            continue;
        days.insert(d);
    }
    return days;
}

void CheckAllMonths(const Cycle& cycle)
{
    const COleDateTime counting = CountingStart(cycle);
    int year = 1972, month = 12;
    while (year < 2036 || (year == 2036 && month == 1)) {
        FakeCalendar grid(year, month);
        MarkCriticalDays(&grid, grid.First(), grid.Last(), cycle.start, cycle.crit, cycle.clear);
        ASSERT_EQ(Expected(grid, cycle, counting), grid.marked)
            << "grid of " << year << "-" << month << ", start " << cycle.start.GetYear() << "-"
            << cycle.start.GetMonth() << "-" << cycle.start.GetDay() << " C=" << cycle.crit
            << " K=" << cycle.clear;
        if (++month == 13) {
            month = 1;
            ++year;
        }
    }
}

TEST(CycleRule, EveryDisplayableMonthFollowsTheRule)
{
    const Cycle cycles[] = {
        {{2004, 3, 10, 9, 30, 0}, 5, 23},   {{2004, 3, 13, 0, 0, 0}, 5, 23},
        {{2004, 3, 13, 0, 0, 1}, 3, 28},    {{2004, 3, 13, 0, 0, 2}, 1, 1},
        {{2004, 4, 10, 23, 59, 59}, 3, 28}, {{2010, 7, 4, 12, 0, 0}, 30, 90},
        {{2020, 2, 29, 6, 0, 0}, 7, 3},     {{2035, 12, 31, 0, 0, 1}, 4, 25},
    };
    for (const Cycle& cycle : cycles)
        CheckAllMonths(cycle);
}

TEST(CycleRule, StartBeforeTheFloor)
{
    const Cycle cycles[] = {
        {{1960, 5, 1, 12, 0, 0}, 4, 24},  {{1899, 12, 29, 23, 0, 0}, 7, 21},
        {{1850, 1, 1, 0, 0, 0}, 2, 3},    {{1973, 1, 1, 1, 1, 1}, 5, 25},
        {{1972, 12, 15, 0, 0, 0}, 30, 1}, {{1972, 11, 20, 8, 0, 0}, 10, 5},
        {{100, 1, 1, 0, 0, 0}, 3, 28},
    };
    for (const Cycle& cycle : cycles)
        CheckAllMonths(cycle);
}

TEST(CycleRule, StartAfterTheFloorStepsBackToIt)
{
    // Counting begins at 1972-12-17 01:01:02; the period of 1972-12-02 lies on
    // the grid of December 1972 but is not counted.
    const Cycle cycle{{1973, 1, 1, 1, 1, 2}, 5, 10};
    EXPECT_EQ(COleDateTime(1972, 12, 17, 1, 1, 2), CountingStart(cycle));
    FakeCalendar december(1972, 12);
    MarkCriticalDays(&december, december.First(), december.Last(), cycle.start, 5, 10);
    EXPECT_EQ((std::vector<std::string>{"1972-12-17", "1972-12-18", "1972-12-19", "1972-12-20",
                                        "1972-12-21", "1973-01-01", "1973-01-02", "1973-01-03",
                                        "1973-01-04", "1973-01-05"}),
              december.MarkedDates());
    CheckAllMonths(cycle);
    CheckAllMonths({{1973, 1, 1, 1, 1, 2}, 12, 2});
}

TEST(CycleRule, StartFarInTheFuture)
{
    const Cycle cycles[] = {
        {{2030, 1, 1, 8, 0, 0}, 3, 28},
        {{2150, 6, 15, 0, 0, 0}, 30, 90},
        {{9000, 1, 1, 0, 0, 0}, 6, 1},
        {{9999, 12, 31, 23, 59, 59}, 3, 28},
    };
    for (const Cycle& cycle : cycles)
        CheckAllMonths(cycle);
}

TEST(CycleRule, PeriodsLongerThanTheLookBack)
{
    CheckAllMonths({{2004, 3, 10, 9, 30, 0}, 40, 5});
    CheckAllMonths({{1990, 1, 1, 0, 0, 0}, 100, 3});
}

} // namespace
