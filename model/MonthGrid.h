#pragma once
// The six weeks a month calendar shows, and where its keyboard cursor and
// its month steps go; no window involved.
//
// The grid holds 42 consecutive days in reading order (six rows of seven
// columns), the first on the first day of the user's week on or before day 1
// of the month. Weekdays are numbered as Windows numbers the first day of
// the week (LOCALE_IFIRSTDAYOFWEEK): 0 = Monday ... 6 = Sunday.
#include "framework/DateTime.h"

class MonthGrid {
public:
    static constexpr int kRows = 6;
    static constexpr int kColumns = 7;
    static constexpr int kCellCount = kRows * kColumns;
    static constexpr int kSunday = 6;

    // Where a cell's day lies: before the month, in it, after it, or no day
    // at all (after 31 December 9999, the last day the date type holds).
    enum Part { Leading, InMonth, Trailing, NoDay };

    // A grid of no days.
    MonthGrid() { first_.SetStatus(COleDateTime::invalid); }
    // The grid of the date's month, weeks starting on firstWeekday (a number
    // outside 0..6 counts as Sunday). An invalid date gives a grid of no days.
    MonthGrid(const COleDateTime& month, int firstWeekday);

    int Year() const { return year_; }
    int Month() const { return month_; }
    int FirstWeekday() const { return firstWeekday_; }
    // The cell's day (0..41) at 00:00:01; invalid for NoDay and other cells.
    COleDateTime Day(int cell) const;
    Part PartOf(int cell) const;
    // The cell holding the day's calendar date (its time ignored); -1 when none.
    int CellOf(const COleDateTime& day) const;
    // The first and the last cell's day that exist.
    COleDateTime First() const { return Day(0); }
    COleDateTime Last() const;
    // The weekday of a column (0..6).
    int WeekdayOf(int column) const { return (firstWeekday_ + column) % kColumns; }
    // Whether the day (its time ignored) belongs to the grid's month.
    bool BelongsToMonth(const COleDateTime& day) const;
    // The month step that shows the day: -1 for a day of the month before
    // the grid's, +1 for one of the month after; 0 for any other day.
    int StepToward(const COleDateTime& day) const;
    // Where the keyboard cursor stands in the grid's month (00:00:01): on the
    // cursor's day when the month holds it; without a cursor (invalid) on
    // today when the month holds it, else on day 1; else on the cursor's day
    // of the month, the month's last day when it has fewer.
    COleDateTime CursorIn(const COleDateTime& cursor, const COleDateTime& today) const;

    // A day of one fixed week with that weekday (0..6): the names of the
    // weekdays are taken from it, never from a week that may lack days.
    static COleDateTime SampleDay(int weekday);
    // The weekday (0 = Monday) of a valid date.
    static int WeekdayOfDate(const COleDateTime& day) { return (day.GetDayOfWeek() + 5) % 7; }

private:
    int year_ = 0;
    int month_ = 0;
    int firstWeekday_ = kSunday;
    COleDateTime first_; // cell 0's day
};

// The keyboard cursor's moves: a day or a week back or on, to the first or
// the last day of the cursor's month.
enum class CursorMove { None, DayBack, DayOn, WeekBack, WeekOn, MonthStart, MonthEnd };
// The day the move takes the cursor to (00:00:01), possibly in another
// month; invalid for None and beyond the date type's days.
COleDateTime MoveCursor(const COleDateTime& cursor, CursorMove move);

// The months a calendar shows: December 1972 (the cycle's counting starts in
// 1973) to November 9999, the last whose six weeks the date type holds.
// Whether a calendar is asked to show the date's month: a valid date later
// than 1973-01-01 01:01:01 and earlier than December 9999.
bool IsShowableDate(const COleDateTime& date);
// Day 1 (00:00:00) of the month `step` months from the date's; invalid when
// a step back ends before December 1972 or a step on after November 9999.
COleDateTime StepMonth(const COleDateTime& month, int step);
// The cursor's day in another month (00:00:01): the same day of the month,
// the month's last day when it has fewer.
COleDateTime CursorInMonth(const COleDateTime& cursor, int year, int month);
