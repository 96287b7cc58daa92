// The marks and the standing by the stored cycle and record.
#include "model/CycleHistory.h"
#include "model/RegistryWatch.h"
#include "model/Settings.h"

namespace {

bool ReadStoredHistory(CycleHistory& cycle)
{
    const SettingsReader settings;
    if (!settings.ReadStartDate(cycle.start))
        return false;
    cycle.critDayCount = static_cast<int>(settings.ReadDword(SettingCritDayCount));
    cycle.clearDayCount = static_cast<int>(settings.ReadDword(SettingClearDayCount));
    cycle.record = ReadPeriodRecord(settings);
    return true;
}

// The stored cycle and record as last read, read again only after the user's
// registry changed: a month step, a page shown again or the six months of the
// half-year view read nothing of their own.
class StoredHistory {
public:
    bool Read(CycleHistory& cycle)
    {
        if (watch_.Changed()) {
            last_ = CycleHistory();
            stored_ = ReadStoredHistory(last_);
        }
        if (stored_)
            cycle = last_;
        return stored_;
    }

private:
    RegistryWatch watch_;
    CycleHistory last_;
    bool stored_ = false;
};

} // namespace

bool ReadCycleHistory(CycleHistory& cycle)
{
    // One per process: every reader shares the watch, and it re-reads on
    // every change of the user's registry, so no reader sees a stale value.
    static StoredHistory stored;
    return stored.Read(cycle);
}

DayStanding StandingWithRecord(const COleDateTime& day)
{
    CycleHistory cycle;
    if (ReadCycleHistory(cycle))
        return WhereDayStands(day, cycle);
    DayStanding none;
    none.kind = DayStanding::NoFirstDay;
    return none;
}
