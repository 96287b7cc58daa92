// Which days are marked: worked examples, every displayable month against the
// plain periodic rule, one period, and the marking from the stored settings.
#include <gtest/gtest.h>

#include <cstdio>
#include <tuple>

#include "model/CycleHistory.h"
#include "model/Settings.h"
#include "tests/support/Sandbox.h"
#include "model/StoredCycle.h"
#include "tests/model/FakeCalendar.h"

namespace {

SettingsStore& store = TestSettings();

TEST(MarkCriticalDays, WorkedExamples)
{
    const char* const table[][3] = {
        // (The periodic rule's edges: the next test.) Counts of any size; counts that are no cycle.
        {"2004-03", "2004-03-20 00:00:00 2147483647 28", "2004-03-20+22"},
        {"2004-03", "2004-03-10 09:30:00 3 2147483647", "2004-03-10+3"},
        {"2004-05", "2004-03-10 09:30:00 3 2147483647", ""},
        {"1973-01", "9999-12-31 00:00:00 2147483647 2147483647", ""},
        {"1973-01", "0100-01-01 00:00:00 2147483647 2147483647", ""},
        {"2004-03", "2004-03-10 09:30:00 0 28", ""},
        {"2004-03", "2004-03-10 09:30:00 3 0", ""},
    };
    for (const auto& row : table) {
        FakeCalendar grid(row[0]);
        const Cycle cycle = Parse(row[1]);
        MarkCriticalDays(&grid, grid.first, grid.last, cycle.start, cycle.crit, cycle.clear);
        EXPECT_EQ(row[2], grid.Runs()) << row[0] << ", " << row[1];
        EXPECT_TRUE(grid.marked.empty() || grid.colours == std::set<COLORREF>{RGB(247, 201, 206)});
    }
}

// A day D is marked when (D - S) mod (C + K) < C, unless its period begins on
// the last displayed day later than 00:00:01, more than 31 days before the
// grid, or before the period start from which counting begins: the last one
// not later than 1973-01-01 01:01:01 (found here the slow way).
std::set<int64_t> Expected(const FakeCalendar& grid, const Cycle& cycle)
{
    COleDateTime counting = cycle.start;
    while (counting > COleDateTime(1973, 1, 1, 1, 1, 1))
        counting -= COleDateTimeSpan(cycle.crit + cycle.clear);
    const int64_t period = cycle.crit + cycle.clear, s = cycle.start.DayNumber();
    const int64_t first = grid.first.DayNumber(), last = grid.last.DayNumber();
    const int t = cycle.start.SecondOfDay();
    std::set<int64_t> days;
    for (int64_t d = first; d <= last; ++d) {
        const int64_t offset = ((d - s) % period + period) % period, b = d - offset;
        if (offset < cycle.crit && !(b == last && t > 1) && b >= counting.DayNumber() &&
            (b > first - 31 || (b == first - 31 && t >= 1)))
            days.insert(d);
    }
    return days;
}

TEST(MarkCriticalDays, EveryDisplayableMonthFollowsTheRule)
{
    for (const char* text :
         {"2004-03-10 09:30:00 5 23", "2004-03-13 00:00:00 5 23", "2004-03-13 00:00:01 3 28",
          "2004-03-13 00:00:02 1 1", "2004-03-13 00:00:01 5 23", "2004-03-13 00:00:02 5 23",
          "2004-04-10 23:59:59 3 28", "2010-07-04 12:00:00 30 90", "2020-02-29 06:00:00 7 3",
          "2035-12-31 00:00:01 4 25", "2004-03-10 09:30:00 40 5", "1990-01-01 00:00:00 100 3",
          "2150-06-15 00:00:00 30 90", "9000-01-01 00:00:00 6 1", "9999-12-31 23:59:59 3 28",
          // Starts before the floor, on it, and whole periods after it.
          "1960-05-01 12:00:00 4 24", "1899-12-29 23:00:00 7 21", "1850-01-01 00:00:00 2 3",
          "0100-01-01 00:00:00 3 28", "1972-12-15 00:00:00 30 1", "1972-11-20 08:00:00 10 5",
          "1973-01-01 01:01:01 5 25", "1973-01-01 01:01:02 5 10", "1973-01-01 01:01:02 12 2",
          "1973-01-29 01:01:01 5 23", "2004-01-25 00:00:01 40 200", "2004-01-29 00:00:00 40 200",
          "2004-01-29 00:00:01 40 200", "2004-01-29 00:00:02 40 200"}) {
        const Cycle cycle = Parse(text);
        for (int month = 12 * 1972 + 11; month <= 12 * 2036; ++month) {
            FakeCalendar grid(month / 12, month % 12 + 1);
            MarkCriticalDays(&grid, grid.first, grid.last, cycle.start, cycle.crit, cycle.clear);
            ASSERT_EQ(Expected(grid, cycle), grid.marked)
                << text << " on the grid of " << month / 12 << "-" << month % 12 + 1;
        }
    }
}

// One period from its first day on; days that no calendar can display (before
// the grid of December 1972 or after that of November 9999) are not asked for.
TEST(MarkPeriod, MarksTheDaysACalendarCanDisplay)
{
    const std::tuple<const char*, const char*, const char*, long> table[] = {
        {"2004-03", "2004-02-27 23:00:00 4", "2004-02-29+2", 4},
        {"1972-12", "1972-11-01 00:00:00 30", "1972-11-26+5", 5},
        {"9999-11", "9999-10-31 12:00:00 2147483647", "9999-10-31+42", 42},
        {"2004-03", "2004-03-10 09:30:00 0", "", 0},
        {"2004-03", "2004-03-10 09:30:00 -5", "", 0},
    };
    for (const auto& [month, period, runs, calls] : table) {
        FakeCalendar grid(month);
        const Cycle cycle = Parse(period);
        MarkPeriod(&grid, cycle.start, cycle.crit);
        EXPECT_EQ(runs, grid.Runs()) << period;
        EXPECT_EQ(calls, grid.calls) << period;
    }
}

TEST(MarkCriticalDays, NothingIsAskedOfAGoneCalendarOrForInvalidDates)
{
    FakeCalendar grid(2004, 3);
    const COleDateTime start(2004, 3, 10, 9, 30, 0);
    COleDateTime invalid = start;
    invalid.SetStatus(COleDateTime::invalid);
    MarkCriticalDays(&grid, grid.first, grid.last, invalid, 3, 28);
    MarkCriticalDays(&grid, invalid, grid.last, start, 3, 28);
    MarkCriticalDays(&grid, grid.first, invalid, start, 3, 28);
    MarkPeriod(&grid, invalid, 3);
    MarkCriticalDays(nullptr, start, start, start, 3, 28);
    MarkPeriod(nullptr, start, 3);
    grid.markable = false;
    MarkCriticalDays(&grid, grid.first, grid.last, start, 3, 28);
    MarkPeriod(&grid, start, 3);
    EXPECT_EQ(0, grid.calls);
}

// The range the calendar asks for; nothing is asked for a range that is none.
TEST(MarkDaysFromSettings, MarksTheStoredCycleInTheRangeAsked)
{
    ASSERT_TRUE(store.WriteText(SettingStartDate, "2004 3 13 9 30 0") &&
                store.WriteDword(SettingCritDayCount, 5) &&
                store.WriteDword(SettingClearDayCount, 23));
    StoredCycle stored{store}; // one for the whole test: it reads again after each change
    FakeCalendar grid("2004-03"), none = grid;
    MarkDaysFromSettings(stored, grid, grid.first, grid.last);
    EXPECT_EQ("2004-03-13+5", grid.Runs());
    COleDateTime invalid;
    invalid.SetStatus(COleDateTime::invalid);
    MarkDaysFromSettings(stored, none, invalid, grid.last);
    MarkDaysFromSettings(stored, none, grid.first, invalid);
    EXPECT_EQ(0, none.calls);
    MarkDaysFromSettings(stored, nullptr, grid.first, grid.last);
    // The settings key deleted (by an uninstall, say): nothing is marked any more.
    ASSERT_EQ(::RegDeleteTreeA(HKEY_CURRENT_USER, SettingsKeyPath().c_str()), ERROR_SUCCESS);
    FakeCalendar after("2004-03");
    MarkDaysFromSettings(stored, after, after.first, after.last);
    EXPECT_EQ(0, after.calls) << "the key deleted";
}

} // namespace

namespace {

// A day's standing in words: "day 2 of 5", "in 3 on 2004-03-10", "clear,
// none after" (the next first day beyond 9999-12-31) or "unknown".
std::string Standing(const char* day, const char* cycleText)
{
    const Cycle cycle = Parse(cycleText);
    int y = 0, m = 0, d = 0;
    std::sscanf(day, "%d-%d-%d", &y, &m, &d);
    const DayStanding s =
        WhereDayStands(COleDateTime(y, m, d, 23, 59, 59), cycle.start, cycle.crit, cycle.clear);
    char text[64] = "unknown";
    if (s.kind == DayStanding::Critical)
        std::snprintf(text, sizeof(text), "day %d of %d", s.dayOfPeriod, s.periodLength);
    else if (s.kind == DayStanding::Clear && !s.hasNext)
        std::snprintf(text, sizeof(text), "clear, none after");
    else if (s.kind == DayStanding::Clear)
        std::snprintf(text, sizeof(text), "in %d on %04d-%02d-%02d", s.daysUntil,
                      s.nextStart.GetYear(), s.nextStart.GetMonth(), s.nextStart.GetDay());
    return text;
}

TEST(WhereDayStands, AtTheEdges)
{
    const char* const table[][3] = {
        {"2004-03-09", "2004-03-10 09:30:00 5 23", "in 1 on 2004-03-10"}, // the last clear day
        {"2004-03-10", "2004-03-10 09:30:00 5 23", "day 1 of 5"},         // the first critical day
        {"2004-03-14", "2004-03-10 09:30:00 5 23", "day 5 of 5"},
        {"2004-03-15", "2004-03-10 09:30:00 5 23", "in 23 on 2004-04-07"},
        {"2004-02-10", "2004-03-10 09:30:00 5 23", "in 1 on 2004-02-11"}, // before the start
        {"2004-03-11", "2004-03-10 00:00:00 1 3", "in 3 on 2004-03-14"},  // shorter than 7 + 1
        // Nothing is critical before the period counting begins with (1973-01-01 here).
        {"1972-12-02", "1973-01-01 00:00:00 3 28", "in 30 on 1973-01-01"},
        {"1960-04-30", "1960-05-01 00:00:00 3 28", "in 1 on 1960-05-01"},
        {"1973-01-03", "1973-01-01 00:00:00 3 28", "day 3 of 3"},
        // The next first day is the last day the date type holds, or beyond it.
        {"9999-12-30", "9999-11-30 00:00:00 3 28", "in 1 on 9999-12-31"},
        {"9999-12-04", "9999-12-01 00:00:00 3 28", "clear, none after"},
        {"9999-12-31", "9999-12-01 00:00:00 3 27", "day 1 of 3"},
        {"2004-03-10", "2004-03-10 09:30:00 0 28", "unknown"},
        {"2004-03-10", "2004-03-10 09:30:00 3 0", "unknown"},
    };
    for (const auto& row : table)
        EXPECT_EQ(row[2], Standing(row[0], row[1])) << row[0] << ", " << row[1];
    EXPECT_EQ(
        WhereDayStands(COleDateTime(2004, 3, 10, 0, 0, 0), COleDateTime(1, 1, 1, 0, 0, 0), 3, 28)
            .kind,
        DayStanding::Unknown);
}

} // namespace
