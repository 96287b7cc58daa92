// The days before the stored first day, in stretches: each recorded first day
// before it projects its own cycle up to the next recorded first day. From
// the stored first day on (and everywhere while no first day is recorded
// before it) the marks are MarkCriticalDays' own.
#include "model/CycleHistory.h"

#include <algorithm>

namespace {

constexpr int64_t kDay = COleDateTimeSpan::kSecondsPerDay;

int64_t FloorDiv(int64_t a, int64_t b)
{
    return a / b - ((a % b != 0 && (a < 0) != (b < 0)) ? 1 : 0);
}

int64_t CeilDiv(int64_t a, int64_t b)
{
    return -FloorDiv(-a, b);
}

// The periods one first day projects: starts anchor + k * period, from
// `lowest` on, each ending before the day `limit`.
struct Stretch {
    int64_t anchor = 0;
    int64_t period = 0;
    int length = 0;
    int64_t lowest = 0;
    int64_t limit = 0;
};

bool HasCycle(int critDayCount, int clearDayCount)
{
    return critDayCount > 0 && clearDayCount > 0;
}

bool IsUsable(const CycleHistory& cycle)
{
    return HasCycle(cycle.critDayCount, cycle.clearDayCount) &&
           cycle.start.GetStatus() == COleDateTime::valid;
}

// The start from which a chain is counted, as MarkCriticalDays counts the
// stored one: the last at or before 1973-01-01 01:01:01, or the day itself
// when it is not later.
int64_t CountedStart(int64_t day, int secondOfDay, int64_t period)
{
    const COleDateTime floor(1973, 1, 1, 1, 1, 1);
    const int64_t past =
        day * kDay + secondOfDay - (floor.DayNumber() * kDay + floor.SecondOfDay());
    return past <= 0 ? day : day - CeilDiv(past, period * kDay) * period;
}

// The stretches of the first days recorded before S, earliest first.
std::vector<Stretch> StretchesBefore(const CycleHistory& cycle)
{
    std::vector<Stretch> stretches;
    const int64_t startDay = cycle.start.DayNumber();
    for (const RecordedPeriod& entry : cycle.record) {
        if (entry.day >= startDay || !HasCycle(entry.critDayCount, entry.clearDayCount))
            continue;
        const int64_t period = entry.critDayCount + entry.clearDayCount;
        if (!stretches.empty())
            stretches.back().limit = entry.day;
        stretches.push_back({entry.day, period, entry.critDayCount,
                             stretches.empty() ? CountedStart(entry.day, 0, period) : entry.day,
                             startDay});
    }
    return stretches;
}

// Calls mark(first day) for each period of the stretch with a day in from..to.
template <typename Mark> void ForEachPeriod(const Stretch& s, int64_t from, int64_t to, Mark mark)
{
    const int64_t lowest = std::max(CeilDiv(s.lowest - s.anchor, s.period),
                                    CeilDiv(from - s.length + 1 - s.anchor, s.period));
    const int64_t highest = std::min(FloorDiv(to - s.anchor, s.period),
                                     FloorDiv(s.limit - s.length - s.anchor, s.period));
    for (int64_t k = lowest; k <= highest; ++k)
        mark(s.anchor + k * s.period);
}

// A day on a calendar that passes on only the days from `from` on.
class DaysFrom : public DayMarker {
public:
    DaysFrom(DayMarker& calendar, int64_t from) : calendar_(calendar), from_(from) {}
    bool IsMarkable() const override { return calendar_.IsMarkable(); }
    int SetDayColor(const COleDateTime& date, COLORREF colour) override
    {
        return date.DayNumber() >= from_ ? calendar_.SetDayColor(date, colour) : 0;
    }

private:
    DayMarker& calendar_;
    int64_t from_;
};

// The first period start of the stretch after `day`; false when none.
bool NextStart(const Stretch& s, int64_t day, int64_t& start)
{
    const int64_t k =
        std::max(FloorDiv(day - s.anchor, s.period) + 1, CeilDiv(s.lowest - s.anchor, s.period));
    start = s.anchor + k * s.period;
    return start + s.length <= s.limit;
}

} // namespace

void MarkCriticalDays(DayMarker* calendar, const COleDateTime& first, const COleDateTime& last,
                      const CycleHistory& cycle)
{
    const std::vector<Stretch> stretches = StretchesBefore(cycle);
    if (stretches.empty() || !calendar || !calendar->IsMarkable() || !IsUsable(cycle) ||
        first.GetStatus() != COleDateTime::valid || last.GetStatus() != COleDateTime::valid) {
        MarkCriticalDays(calendar, first, last, cycle.start, cycle.critDayCount,
                         cycle.clearDayCount);
        return;
    }
    DaysFrom fromStart(*calendar, cycle.start.DayNumber());
    MarkCriticalDays(&fromStart, first, last, cycle.start, cycle.critDayCount, cycle.clearDayCount);
    const int64_t from = first.DayNumber(), to = last.DayNumber();
    for (const Stretch& s : stretches)
        ForEachPeriod(s, from, to, [&](int64_t start) {
            for (int64_t day = std::max(start, from); day <= std::min(start + s.length - 1, to);
                 ++day)
                calendar->SetDayColor(DateOfDay(day), CRITICAL_DAY_COLOR);
        });
}

DayStanding WhereDayStands(const COleDateTime& day, const CycleHistory& cycle)
{
    const std::vector<Stretch> stretches = StretchesBefore(cycle);
    const int64_t today = day.DayNumber();
    if (stretches.empty() || !IsUsable(cycle) || day.GetStatus() != COleDateTime::valid ||
        today >= cycle.start.DayNumber())
        return WhereDayStands(day, cycle.start, cycle.critDayCount, cycle.clearDayCount);
    DayStanding standing;
    standing.kind = DayStanding::Clear;
    int64_t next = cycle.start.DayNumber();
    standing.periodLength = cycle.critDayCount;
    for (const Stretch& s : stretches) {
        ForEachPeriod(s, today, today, [&](int64_t start) {
            standing.kind = DayStanding::Critical;
            standing.dayOfPeriod = static_cast<int>(today - start) + 1;
            standing.periodLength = s.length;
        });
        int64_t start = 0;
        if (standing.kind == DayStanding::Critical)
            return standing;
        if (NextStart(s, today, start) && start < next) {
            next = start;
            standing.periodLength = s.length;
        }
    }
    standing.hasNext = true;
    standing.nextStart = DateOfDay(next);
    standing.daysUntil = static_cast<int>(next - today);
    return standing;
}

std::vector<MarkedPeriod> PeriodsBeforeStart(const CycleHistory& cycle, int64_t fromDay)
{
    std::vector<MarkedPeriod> periods;
    if (!IsUsable(cycle))
        return periods;
    std::vector<Stretch> stretches = StretchesBefore(cycle);
    const int64_t startDay = cycle.start.DayNumber();
    if (stretches.empty()) { // the stored cycle projected backwards
        const int64_t period = static_cast<int64_t>(cycle.critDayCount) + cycle.clearDayCount;
        stretches.push_back({startDay, period, cycle.critDayCount,
                             CountedStart(startDay, cycle.start.SecondOfDay(), period), startDay});
    }
    for (const Stretch& s : stretches)
        ForEachPeriod(s, fromDay, startDay - 1, [&](int64_t start) {
            if (start >= fromDay)
                periods.push_back({start, s.length});
        });
    return periods;
}
