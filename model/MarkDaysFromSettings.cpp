#include "model/CycleCalculator.h"
#include "model/Settings.h"

namespace {

// The stored cycle: StartDate (hasStart false when missing or unreadable:
// no day is then critical), CritDayCount and ClearDayCount.
struct StoredCycle {
    bool hasStart = false;
    COleDateTime start;
    int critDayCount = 0;
    int clearDayCount = 0;
};

StoredCycle ReadStoredCycle()
{
    const SettingsReader settings;
    StoredCycle cycle;
    cycle.hasStart = settings.ReadStartDate(cycle.start);
    cycle.clearDayCount = static_cast<int>(settings.ReadDword(SettingClearDayCount));
    cycle.critDayCount = static_cast<int>(settings.ReadDword(SettingCritDayCount));
    return cycle;
}

} // namespace

DayStanding StandingFromSettings(const COleDateTime& day)
{
    const StoredCycle cycle = ReadStoredCycle();
    if (!cycle.hasStart) {
        DayStanding none;
        none.kind = DayStanding::NoFirstDay;
        return none;
    }
    return WhereDayStands(day, cycle.start, cycle.critDayCount, cycle.clearDayCount);
}

void MarkDaysFromSettings(DayMarker* calendar, WPARAM first, LPARAM last)
{
    // Both parameters are 64 bits wide on this build: they carry the whole value.
    static_assert(sizeof(WPARAM) == sizeof(int64_t) && sizeof(LPARAM) == sizeof(int64_t),
                  "the range message needs 64-bit parameters");
    const int64_t firstTime = static_cast<int64_t>(first);
    const int64_t lastTime = static_cast<int64_t>(last);
    if (firstTime == 0 || lastTime <= 0)
        return;
    const COleDateTime firstDay = COleDateTime::FromTime64(firstTime);
    const COleDateTime lastDay = COleDateTime::FromTime64(lastTime);

    const StoredCycle cycle = ReadStoredCycle();
    if (cycle.hasStart)
        MarkCriticalDays(calendar, firstDay, lastDay, cycle.start, cycle.critDayCount,
                         cycle.clearDayCount);
}
