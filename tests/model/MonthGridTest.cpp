// The month calendar's rules without a window: its six weeks from any first
// day of the week, its cursor's moves and its month steps to the range's ends.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "model/MonthGrid.h"
#include "tests/support/DateStamp.h"

namespace {

const auto& Text = testing_support::DateStamp;

COleDateTime At(int year, int month, int day)
{
    return COleDateTime(year, month, day, 0, 0, 1);
}

constexpr int kMonday = 0, kSaturday = 5, kSunday = 6;

TEST(MonthGrid, SixWeeksFromTheFirstDayOfTheWeekOnOrBeforeDayOneEachInItsColumn)
{
    const struct {
        int year, month, firstWeekday;
        COleDateTime first;
        int leading, days; // before the month and in it; then trailing days or no day
        COleDateTime last;
    } grids[] = {
        {2004, 3, kSunday, At(2004, 2, 29), 1, 31, At(2004, 4, 10)}, // the leap day leads
        {2004, 3, kMonday, At(2004, 3, 1), 0, 31, At(2004, 4, 11)},  // Monday the 1st
        {2004, 8, kSunday, At(2004, 8, 1), 0, 31, At(2004, 9, 11)},
        {2004, 8, kMonday, At(2004, 7, 26), 6, 31, At(2004, 9, 5)}, // Sunday the 1st
        {2009, 2, kMonday, At(2009, 1, 26), 6, 28, At(2009, 3, 8)},
        {2005, 1, kSaturday, At(2005, 1, 1), 0, 31, At(2005, 2, 11)},
        {2005, 1, 7, At(2004, 12, 26), 6, 31, At(2005, 2, 5)}, // no weekday: Sunday
        {1972, 12, kMonday, At(1972, 11, 27), 4, 31, At(1973, 1, 7)},
        {9999, 12, kMonday, At(9999, 11, 29), 2, 31, At(9999, 12, 31)}, // then no day
    };
    for (const auto& g : grids) {
        SCOPED_TRACE(testing::Message() << g.year << "-" << g.month << " from " << g.firstWeekday);
        const MonthGrid grid(COleDateTime(g.year, g.month, 17, 9, 0, 0), g.firstWeekday);
        EXPECT_EQ(grid.First(), g.first);
        EXPECT_EQ(grid.Last(), g.last);
        for (int cell = 0; cell < 42; ++cell) {
            const MonthGrid::Part part = cell < g.leading            ? MonthGrid::Leading
                                         : cell < g.leading + g.days ? MonthGrid::InMonth
                                         : g.first.DayNumber() + cell <= g.last.DayNumber()
                                             ? MonthGrid::Trailing
                                             : MonthGrid::NoDay;
            EXPECT_EQ(grid.PartOf(cell), part) << cell;
            EXPECT_EQ(grid.Day(cell).GetStatus() == COleDateTime::valid, part != MonthGrid::NoDay);
            if (part != MonthGrid::NoDay) {
                EXPECT_EQ(grid.Day(cell), g.first + COleDateTimeSpan(cell)) << cell;
                EXPECT_EQ(grid.WeekdayOf(cell % 7), MonthGrid::WeekdayOfDate(grid.Day(cell)));
                EXPECT_EQ(grid.CellOf(grid.Day(cell) + COleDateTimeSpan(0, 20, 0, 0)), cell);
            }
        }
        EXPECT_EQ(grid.CellOf(g.first - COleDateTimeSpan(1)), -1);
        EXPECT_EQ(grid.PartOf(42), MonthGrid::NoDay);
    }
    COleDateTime none;
    none.SetStatus(COleDateTime::invalid);
    EXPECT_NE(MonthGrid(none, kMonday).First().GetStatus(), COleDateTime::valid) << "no days";
    // The names of the weekdays come from one fixed week: Monday 1 January 2001.
    for (int column = 0; column < 7; ++column)
        EXPECT_EQ(MonthGrid::WeekdayOfDate(MonthGrid::SampleDay(column)), column);
}

TEST(MonthGrid, TheCursorMovesByDaysWeeksAndToTheMonthsEnds)
{
    const COleDateTime march12(2004, 3, 12, 18, 0, 0);
    const struct {
        COleDateTime from;
        CursorMove move;
        COleDateTime to; // invalid: no move
    } moves[] = {
        {march12, CursorMove::DayBack, At(2004, 3, 11)},
        {march12, CursorMove::DayOn, At(2004, 3, 13)},
        {march12, CursorMove::WeekBack, At(2004, 3, 5)},
        {At(2004, 2, 26), CursorMove::WeekOn, At(2004, 3, 4)},
        {march12, CursorMove::MonthStart, At(2004, 3, 1)},
        {At(2004, 2, 3), CursorMove::MonthEnd, At(2004, 2, 29)},
        {At(9999, 12, 31), CursorMove::DayOn, COleDateTime(10000, 1, 1, 0, 0, 0)},
        {march12, CursorMove::None, COleDateTime(10000, 1, 1, 0, 0, 0)},
    };
    for (const auto& m : moves)
        EXPECT_EQ(Text(MoveCursor(m.from, m.move)), Text(m.to)) << static_cast<int>(m.move);
    // In another month the cursor keeps its day where the month has it.
    EXPECT_EQ(CursorInMonth(At(2004, 1, 31), 2004, 2), At(2004, 2, 29));
    EXPECT_EQ(CursorInMonth(At(2004, 3, 30), 2003, 11), At(2003, 11, 30));
    EXPECT_EQ(CursorInMonth(march12, 2004, 4), At(2004, 4, 12));
}

TEST(MonthGrid, MonthsStepFromDecember1972ToNovember9999)
{
    const COleDateTime none(10000, 1, 1, 0, 0, 0);
    const struct {
        COleDateTime from;
        int step;
        COleDateTime to;
    } steps[] = {
        {{2004, 3, 31, 9, 0, 0}, 1, {2004, 4, 1, 0, 0, 0}},
        {{2004, 1, 15, 9, 0, 0}, -1, {2003, 12, 1, 0, 0, 0}},
        {{2004, 12, 15, 9, 0, 0}, 1, {2005, 1, 1, 0, 0, 0}},
        {{1973, 1, 20, 8, 0, 0}, -1, {1972, 12, 1, 0, 0, 0}},
        {{1972, 12, 1, 0, 0, 0}, -1, none},
        {{1972, 6, 1, 0, 0, 0}, 1, {1972, 7, 1, 0, 0, 0}}, // the clock before the range
        {{9999, 10, 31, 0, 0, 0}, 1, {9999, 11, 1, 0, 0, 0}},
        {{9999, 11, 1, 0, 0, 0}, 1, none},
        {{9999, 12, 31, 0, 0, 0}, -1, {9999, 11, 1, 0, 0, 0}},
    };
    for (const auto& s : steps)
        EXPECT_EQ(Text(StepMonth(s.from, s.step)), Text(s.to))
            << s.from.GetYear() << "-" << s.from.GetMonth();
    for (auto [date, showable] : {std::pair{COleDateTime(1973, 1, 1, 1, 1, 1), false},
                                  {COleDateTime(1973, 1, 1, 1, 1, 2), true},
                                  {COleDateTime(9999, 11, 30, 23, 59, 59), true},
                                  {COleDateTime(9999, 12, 1, 0, 0, 0), false}})
        EXPECT_EQ(IsShowableDate(date), showable) << date.GetYear();
}

} // namespace

namespace {

// A day of the grid's month, of the month before or after it (the step that
// shows it), or of neither; and where the cursor stands in the month.
TEST(MonthGrid, ItsMonthItsNeighboursAndTheCursorsPlace)
{
    const MonthGrid march(COleDateTime(2004, 3, 17, 9, 0, 0), kSunday), none;
    const COleDateTime invalid(2004, 13, 1, 0, 0, 0);
    const struct {
        COleDateTime day;
        bool inMonth;
        int step;
    } days[] = {
        {At(2004, 3, 1), true, 0},    {COleDateTime(2004, 3, 31, 23, 59, 59), true, 0},
        {At(2004, 2, 29), false, -1}, {At(2004, 4, 30), false, 1},
        {At(2004, 1, 31), false, 0},  {At(2004, 5, 1), false, 0},
        {At(2005, 3, 1), false, 0},   {invalid, false, 0},
    };
    for (const auto& d : days) {
        EXPECT_EQ(march.BelongsToMonth(d.day), d.inMonth) << Text(d.day);
        EXPECT_EQ(march.StepToward(d.day), d.step) << Text(d.day);
        EXPECT_TRUE(!none.BelongsToMonth(d.day) && none.StepToward(d.day) == 0);
    }
    const COleDateTime today(2004, 3, 12, 10, 15, 0);
    const struct {
        COleDateTime cursor, today, to;
    } cursors[] = {
        {COleDateTime(2004, 3, 20, 18, 0, 0), today, At(2004, 3, 20)},
        {invalid, today, At(2004, 3, 12)},
        {invalid, COleDateTime(2004, 4, 2, 8, 0, 0), At(2004, 3, 1)},
        {At(2004, 4, 30), today, At(2004, 3, 30)},
    };
    for (const auto& c : cursors)
        EXPECT_EQ(Text(march.CursorIn(c.cursor, c.today)), Text(c.to)) << Text(c.cursor);
    EXPECT_EQ(Text(none.CursorIn(invalid, today)), "invalid");
}

} // namespace
