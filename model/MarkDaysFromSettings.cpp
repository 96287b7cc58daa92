#include "model/CycleHistory.h"

void MarkDaysFromSettings(DayMarker* calendar, const COleDateTime& first, const COleDateTime& last)
{
    CycleHistory cycle;
    if (ReadCycleHistory(cycle))
        MarkCriticalDays(calendar, first, last, cycle);
}
