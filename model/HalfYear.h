#pragma once
// The half-year calendar's months and steps; no window involved.
//
// A half-year is January to June or July to December of a year. The
// calendar shows the half-year that holds its anchor, a day that steps by six
// months at a time within the half-years whose months a month calendar shows
// (model/MonthGrid.h): from July 1973 to January-June 9999.
#include "framework/DateTime.h"

constexpr int kHalfYearMonths = 6;

// Day 1 (00:00:00) of the index-th month (0 to 5) of the anchor's half-year;
// invalid for an invalid anchor or another index.
COleDateTime MonthOfHalfYear(const COleDateTime& anchor, int index);

// The anchor six months back (step < 0) or on (otherwise), its time of day
// kept and its day limited to the month reached; invalid when the step is
// refused: back from an anchor not later than 1974-01-01 01:01:01, on to an
// anchor on or after 9999-07-01, or from an invalid anchor.
COleDateTime StepHalfYear(const COleDateTime& anchor, int step);
