// The marks and the standing by the stored cycle and record.
#include "model/StoredCycle.h"

#include "model/Settings.h"

namespace {

bool ReadStoredHistory(const SettingsStore& store, CycleHistory& cycle)
{
    const SettingsReader settings(store);
    // The date left when none is stored is never handed out: any will do.
    if (!settings.ReadStartDate(COleDateTime(), cycle.start))
        return false;
    cycle.critDayCount = static_cast<int>(settings.ReadDword(SettingCritDayCount));
    cycle.clearDayCount = static_cast<int>(settings.ReadDword(SettingClearDayCount));
    cycle.record = ReadPeriodRecord(settings);
    return true;
}

} // namespace

bool StoredCycle::Read(CycleHistory& cycle)
{
    if (watch_.Changed()) {
        last_ = CycleHistory();
        stored_ = ReadStoredHistory(settings_, last_);
    }
    if (stored_)
        cycle = last_;
    return stored_;
}

void MarkDaysFromSettings(StoredCycle& stored, DayMarker* calendar, const COleDateTime& first,
                          const COleDateTime& last)
{
    CycleHistory cycle;
    if (stored.Read(cycle))
        MarkCriticalDays(calendar, first, last, cycle);
}

DayStanding StandingWithRecord(StoredCycle& stored, const COleDateTime& day)
{
    CycleHistory cycle;
    if (stored.Read(cycle))
        return WhereDayStands(day, cycle);
    DayStanding none;
    none.kind = DayStanding::NoFirstDay;
    return none;
}
