#pragma once
// Which days are critical once she has recorded first days: the past stays as
// it was.
//
// Each recorded first day before the stored first day S anchors the cycle,
// with the counts recorded with it, until the next recorded first day (or S):
// of the periods it projects, those that end before the next one begins are
// marked, a period that would overlap the next first day is not (her late or
// early period replaces it; so does a first day recorded within the period
// before). The earliest of them also projects its cycle backwards, counted
// from 1973-01-01 as the stored cycle is. From S on, the counts in force mark
// as they always have. Recorded days on or after S change nothing, and with
// no recorded day before S every mark is exactly that of MarkCriticalDays.
#include <vector>

#include "model/CycleCalculator.h"
#include "model/PeriodRecord.h"

struct CycleHistory {
    COleDateTime start;   // S, the stored first day, with its time of day
    int critDayCount = 0; // the counts in force
    int clearDayCount = 0;
    PeriodRecord record;
};

// Marks every critical day of the grid first..last (the first and the last
// displayed day), as MarkCriticalDays does for the stored cycle alone.
void MarkCriticalDays(DayMarker* calendar, const COleDateTime& first, const COleDateTime& last,
                      const CycleHistory& cycle);

// Where a day stands by the same marks (see WhereDayStands in
// model/CycleCalculator.h): the tip, the Monitor line, the reminder and the icon.
DayStanding WhereDayStands(const COleDateTime& day, const CycleHistory& cycle);

// A marked period: its first day (days since 1899-12-30) and its length.
struct MarkedPeriod {
    int64_t day = 0;
    int length = 0;
};
// The periods marked before S that begin on or after fromDay, earliest first.
std::vector<MarkedPeriod> PeriodsBeforeStart(const CycleHistory& cycle, int64_t fromDay);
