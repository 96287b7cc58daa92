// The marks and the standing by the stored cycle and record.
#include "model/CycleHistory.h"
#include "model/Settings.h"

bool ReadCycleHistory(CycleHistory& cycle)
{
    const SettingsReader settings;
    if (!settings.ReadStartDate(cycle.start))
        return false;
    cycle.critDayCount = static_cast<int>(settings.ReadDword(SettingCritDayCount));
    cycle.clearDayCount = static_cast<int>(settings.ReadDword(SettingClearDayCount));
    cycle.record = ReadPeriodRecord(settings);
    return true;
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
