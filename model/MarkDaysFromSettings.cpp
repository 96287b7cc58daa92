#include "model/CycleCalculator.h"
#include "model/CycleHistory.h"

void MarkDaysFromSettings(DayMarker* calendar, WPARAM first, LPARAM last)
{
    // Both parameters are 64 bits wide on this build: they carry the whole value.
    static_assert(sizeof(WPARAM) == sizeof(int64_t) && sizeof(LPARAM) == sizeof(int64_t),
                  "the range message needs 64-bit parameters");
    const int64_t firstTime = static_cast<int64_t>(first);
    const int64_t lastTime = static_cast<int64_t>(last);
    if (firstTime == 0 || lastTime <= 0)
        return;
    MarkDaysWithRecord(calendar, COleDateTime::FromTime64(firstTime),
                       COleDateTime::FromTime64(lastTime));
}
