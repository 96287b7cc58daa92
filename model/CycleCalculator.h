#pragma once
// Which days are critical: a period of C critical days and K clear days,
// repeated for ever forwards and backwards from the start date.
#include <windows.h>

#include <cstdint>

#include "framework/DateTime.h"
#include "model/DayMarker.h"

// The one colour of a critical day (red 247, green 201, blue 206).
constexpr COLORREF CRITICAL_DAY_COLOR = RGB(247, 201, 206);

// Marks every critical day of the grid first..last (the first and the last
// displayed day) on the calendar. Periods are counted from the last period
// start at or before 1973-01-01 01:01:01; a period is marked when its first
// day, with the start's time of day, is not later than `last` and not earlier
// than 31 days before `first`. Nothing is marked when C <= 0, K <= 0, a date
// is invalid, or the calendar is missing or gone.
void MarkCriticalDays(DayMarker* calendar, const COleDateTime& first, const COleDateTime& last,
                      const COleDateTime& start, int critDayCount, int clearDayCount);

// Marks the C consecutive days beginning with the date of periodStart (days
// no calendar can display are skipped).
void MarkPeriod(DayMarker* calendar, const COleDateTime& periodStart, int critDayCount);

// Where a day stands in the cycle, by the marking rule above applied to whole
// days: on a critical day, which day of its period; on a clear day, the first
// day of the next critical period and how many days away it is.
struct DayStanding {
    enum Kind { Unknown, Critical, Clear, NoFirstDay };
    // Unknown: counts <= 0 or an invalid date; NoFirstDay: no first day of a
    // critical period is stored (or the stored one cannot be read).
    Kind kind = Unknown;
    int dayOfPeriod = 0; // critical: 1 to periodLength
    int periodLength = 0;
    // Clear: the next period's first day (00:00:00) and the days until it;
    // hasNext is false when that day would lie after 9999-12-31.
    bool hasNext = false;
    COleDateTime nextStart;
    int daysUntil = 0;
};

// The day's standing for periods of critDayCount days every critDayCount +
// clearDayCount days from start (its time of day ignored). A day the marking
// would leave clear (before the first counted period, see above) waits for
// that period.
DayStanding WhereDayStands(const COleDateTime& day, const COleDateTime& start, int critDayCount,
                           int clearDayCount);
