#include "model/MonthGrid.h"

namespace {

constexpr int kFirstYear = 1972, kFirstMonth = 12;
constexpr int kLastYear = 9999, kLastMonth = 11;

int MonthIndex(int year, int month)
{
    return year * 12 + month - 1;
}

COleDateTime AtOneSecond(const COleDateTime& day)
{
    return COleDateTime(day.GetYear(), day.GetMonth(), day.GetDay(), 0, 0, 1);
}

} // namespace

MonthGrid::MonthGrid(const COleDateTime& month, int firstWeekday)
    : firstWeekday_(firstWeekday >= 0 && firstWeekday < kColumns ? firstWeekday : kSunday)
{
    first_.SetStatus(COleDateTime::invalid);
    if (month.GetStatus() != COleDateTime::valid)
        return;
    year_ = month.GetYear();
    month_ = month.GetMonth();
    const COleDateTime dayOne(year_, month_, 1, 0, 0, 1);
    const int lead = (WeekdayOfDate(dayOne) - firstWeekday_ + kColumns) % kColumns;
    first_ = dayOne - COleDateTimeSpan(lead); // invalid before the type's first day
}

COleDateTime MonthGrid::Day(int cell) const
{
    COleDateTime day = first_;
    if (cell < 0 || cell >= kCellCount)
        day.SetStatus(COleDateTime::invalid);
    return day.GetStatus() == COleDateTime::valid ? day + COleDateTimeSpan(cell) : day;
}

MonthGrid::Part MonthGrid::PartOf(int cell) const
{
    const COleDateTime day = Day(cell);
    if (day.GetStatus() != COleDateTime::valid)
        return NoDay;
    const int index = MonthIndex(day.GetYear(), day.GetMonth());
    const int shown = MonthIndex(year_, month_);
    return index < shown ? Leading : index > shown ? Trailing : InMonth;
}

int MonthGrid::CellOf(const COleDateTime& day) const
{
    if (day.GetStatus() != COleDateTime::valid || first_.GetStatus() != COleDateTime::valid)
        return -1;
    const int64_t cell = day.DayNumber() - first_.DayNumber();
    return cell >= 0 && cell < kCellCount && PartOf(static_cast<int>(cell)) != NoDay
               ? static_cast<int>(cell)
               : -1;
}

COleDateTime MonthGrid::Last() const
{
    int cell = kCellCount - 1;
    while (cell > 0 && PartOf(cell) == NoDay)
        --cell;
    return Day(cell);
}

bool MonthGrid::BelongsToMonth(const COleDateTime& day) const
{
    return day.GetStatus() == COleDateTime::valid && month_ != 0 &&
           MonthIndex(day.GetYear(), day.GetMonth()) == MonthIndex(year_, month_);
}

int MonthGrid::StepToward(const COleDateTime& day) const
{
    if (day.GetStatus() != COleDateTime::valid || month_ == 0)
        return 0;
    const int step = MonthIndex(day.GetYear(), day.GetMonth()) - MonthIndex(year_, month_);
    return step == -1 || step == 1 ? step : 0;
}

COleDateTime MonthGrid::CursorIn(const COleDateTime& cursor, const COleDateTime& today) const
{
    COleDateTime day = cursor;
    if (cursor.GetStatus() != COleDateTime::valid)
        day = BelongsToMonth(today) ? today : COleDateTime(year_, month_, 1, 0, 0, 1);
    return CursorInMonth(day, year_, month_);
}

COleDateTime MonthGrid::SampleDay(int weekday)
{
    // Monday 1 January 2001 opens the week.
    return COleDateTime(2001, 1, 1 + (weekday >= 0 && weekday < kColumns ? weekday : 0), 0, 0, 1);
}

COleDateTime MoveCursor(const COleDateTime& cursor, CursorMove move)
{
    COleDateTime day = cursor;
    if (cursor.GetStatus() != COleDateTime::valid || move == CursorMove::None) {
        day.SetStatus(COleDateTime::invalid);
        return day;
    }
    day = AtOneSecond(cursor);
    switch (move) {
    case CursorMove::DayBack:
        return day - COleDateTimeSpan(1);
    case CursorMove::DayOn:
        return day + COleDateTimeSpan(1);
    case CursorMove::WeekBack:
        return day - COleDateTimeSpan(7);
    case CursorMove::WeekOn:
        return day + COleDateTimeSpan(7);
    case CursorMove::MonthStart:
        return COleDateTime(day.GetYear(), day.GetMonth(), 1, 0, 0, 1);
    default: // MonthEnd
        return COleDateTime(day.GetYear(), day.GetMonth(),
                            fw::DaysInMonth(day.GetYear(), day.GetMonth()), 0, 0, 1);
    }
}

bool IsShowableDate(const COleDateTime& date)
{
    static const COleDateTime lower(1973, 1, 1, 1, 1, 1);
    static const COleDateTime upper(kLastYear, kLastMonth + 1, 1, 0, 0, 0);
    return date.GetStatus() == COleDateTime::valid && date > lower && date < upper;
}

COleDateTime StepMonth(const COleDateTime& month, int step)
{
    COleDateTime to = month;
    if (month.GetStatus() == COleDateTime::valid)
        to = fw::AddMonths(COleDateTime(month.GetYear(), month.GetMonth(), 1, 0, 0, 0), step);
    const int index =
        to.GetStatus() == COleDateTime::valid ? MonthIndex(to.GetYear(), to.GetMonth()) : -1;
    const bool beyond = step < 0 ? index < MonthIndex(kFirstYear, kFirstMonth)
                                 : index > MonthIndex(kLastYear, kLastMonth);
    if (index < 0 || beyond)
        to.SetStatus(COleDateTime::invalid);
    return to;
}

COleDateTime CursorInMonth(const COleDateTime& cursor, int year, int month)
{
    COleDateTime day = cursor;
    if (cursor.GetStatus() == COleDateTime::valid)
        day =
            fw::AddMonths(AtOneSecond(cursor), MonthIndex(year, month) -
                                                   MonthIndex(cursor.GetYear(), cursor.GetMonth()));
    return day;
}
