#include "model/CycleCalculator.h"
#include "model/Settings.h"

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

    const SettingsReader settings;
    COleDateTime start;
    settings.ReadStartDate(start);
    if (start.GetStatus() != COleDateTime::valid) // an impossible date counts as missing
        start = COleDateTime::GetCurrentTime();
    const int clearDayCount = static_cast<int>(settings.ReadDword(SettingClearDayCount));
    const int critDayCount = static_cast<int>(settings.ReadDword(SettingCritDayCount));
    MarkCriticalDays(calendar, firstDay, lastDay, start, critDayCount, clearDayCount);
}
