// The period starts are S + kP for every integer k. Instead of walking period
// by period from 1973, the first and last start that can show on the grid are
// computed directly; everything is counted in seconds since 1899-12-30 00:00:00
// so that counts of any size neither overflow nor take long.
#include "model/CycleCalculator.h"

#include <algorithm>

namespace {

constexpr int64_t kDay = COleDateTimeSpan::kSecondsPerDay;
constexpr int64_t kLookBackDays = 31;

int64_t Seconds(const COleDateTime& date)
{
    return date.DayNumber() * kDay + date.SecondOfDay();
}

int64_t FloorDiv(int64_t a, int64_t b)
{
    return a / b - ((a % b != 0 && (a < 0) != (b < 0)) ? 1 : 0);
}

int64_t CeilDiv(int64_t a, int64_t b)
{
    return -FloorDiv(-a, b);
}

// Day numbers of the first and the last day any month calendar can show:
// the grid of December 1972 begins on 1972-11-26; the grid of November 9999,
// the last month shown, ends six weeks after the Sunday that begins it.
int64_t FirstDisplayableDay()
{
    return COleDateTime(1972, 11, 26, 0, 0, 0).DayNumber();
}
int64_t LastDisplayableDay()
{
    const COleDateTime lastMonth(9999, 11, 1, 0, 0, 0);
    return lastMonth.DayNumber() - (lastMonth.GetDayOfWeek() - 1) + 41;
}

bool IsLive(const DayMarker* calendar)
{
    return calendar && calendar->IsMarkable();
}

// Colours the days fromDay..toDay (day numbers), each with the given time of day.
void MarkDayRange(DayMarker& calendar, int64_t fromDay, int64_t toDay, int secondOfDay)
{
    for (int64_t day = fromDay; day <= toDay; ++day) {
        const COleDateTime date =
            COleDateTime() + COleDateTimeSpan(static_cast<long>(day), 0, 0, secondOfDay);
        calendar.SetDayColor(date, CRITICAL_DAY_COLOR);
    }
}

// The last period start at or before the floor 1973-01-01 01:01:01, or the
// start itself when it is not later than the floor.
int64_t FirstCountedStart(int64_t start, int64_t period)
{
    const int64_t floor = Seconds(COleDateTime(1973, 1, 1, 1, 1, 1));
    if (start <= floor)
        return start;
    return start - CeilDiv(start - floor, period) * period;
}

// The day number of 9999-12-31, the last day the date type holds.
int64_t LastRepresentableDay()
{
    return COleDateTime(9999, 12, 31, 0, 0, 0).DayNumber();
}

} // namespace

DayStanding WhereDayStands(const COleDateTime& day, const COleDateTime& start, int critDayCount,
                           int clearDayCount)
{
    DayStanding standing;
    if (critDayCount <= 0 || clearDayCount <= 0 || day.GetStatus() != COleDateTime::valid ||
        start.GetStatus() != COleDateTime::valid)
        return standing;
    const int64_t periodDays = static_cast<int64_t>(critDayCount) + clearDayCount;
    const int64_t firstDay = FloorDiv(FirstCountedStart(Seconds(start), periodDays * kDay), kDay);
    const int64_t today = day.DayNumber();
    standing.periodLength = critDayCount;
    int64_t next = firstDay;
    if (today >= firstDay) {
        const int64_t into = (today - firstDay) % periodDays;
        if (into < critDayCount) {
            standing.kind = DayStanding::Critical;
            standing.dayOfPeriod = static_cast<int>(into) + 1;
            return standing;
        }
        next = today + periodDays - into;
    }
    standing.kind = DayStanding::Clear;
    if (next > LastRepresentableDay())
        return standing;
    standing.hasNext = true;
    standing.nextStart = COleDateTime() + COleDateTimeSpan(static_cast<long>(next));
    standing.daysUntil = static_cast<int>(next - today);
    return standing;
}

void MarkPeriod(DayMarker* calendar, const COleDateTime& periodStart, int critDayCount)
{
    if (!IsLive(calendar) || critDayCount <= 0 || periodStart.GetStatus() != COleDateTime::valid)
        return;
    const int64_t first = periodStart.DayNumber();
    const int64_t last = first + critDayCount - 1;
    MarkDayRange(*calendar, std::max(first, FirstDisplayableDay()),
                 std::min(last, LastDisplayableDay()), periodStart.SecondOfDay());
}

void MarkCriticalDays(DayMarker* calendar, const COleDateTime& first, const COleDateTime& last,
                      const COleDateTime& start, int critDayCount, int clearDayCount)
{
    if (!IsLive(calendar) || critDayCount <= 0 || clearDayCount <= 0)
        return;
    if (first.GetStatus() != COleDateTime::valid || last.GetStatus() != COleDateTime::valid ||
        start.GetStatus() != COleDateTime::valid)
        return;
    const int64_t periodDays = static_cast<int64_t>(critDayCount) + clearDayCount;
    const int64_t period = periodDays * kDay;
    const int64_t counted = FirstCountedStart(Seconds(start), period);
    const int64_t earliest = Seconds(first) - kLookBackDays * kDay;
    const int64_t lowest = std::max<int64_t>(0, CeilDiv(earliest - counted, period));
    const int64_t highest = FloorDiv(Seconds(last) - counted, period);
    // Only days of the grid can be coloured; the rest of a period is skipped.
    for (int64_t k = lowest; k <= highest; ++k) {
        const int64_t periodStart = counted + k * period;
        const int64_t startDay = FloorDiv(periodStart, kDay);
        MarkDayRange(*calendar, std::max(startDay, first.DayNumber()),
                     std::min(startDay + critDayCount - 1, last.DayNumber()), start.SecondOfDay());
    }
}
