#include "model/CycleCalculator.h"
#include "model/Settings.h"

void MarkDaysFromSettings(DayMarker* calendar, WPARAM first, LPARAM last)
{
    const int32_t firstTime = static_cast<int32_t>(first);
    const int32_t lastTime = static_cast<int32_t>(last);
    if (firstTime == 0 || lastTime <= 0)
        return;
    const COleDateTime firstDay = COleDateTime::FromTime32(firstTime);
    const COleDateTime lastDay = COleDateTime::FromTime32(lastTime);

    const SettingsReader settings;
    COleDateTime start;
    settings.ReadStartDate(start);
    if (start.GetStatus() != COleDateTime::valid) // an impossible date counts as missing
        start = COleDateTime::GetCurrentTime();
    const int clearDayCount = static_cast<int>(settings.ReadDword(SettingClearDayCount));
    const int critDayCount = static_cast<int>(settings.ReadDword(SettingCritDayCount));
    MarkCriticalDays(calendar, firstDay, lastDay, start, critDayCount, clearDayCount);
}
