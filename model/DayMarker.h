#pragma once
// What the cycle calculation needs of a calendar: colour one day, and tell
// whether the calendar (its window) still exists.
#include <windows.h>

#include "framework/DateTime.h"

class DayMarker {
public:
    virtual ~DayMarker() = default;
    // False once the calendar's window is gone.
    virtual bool IsMarkable() const = 0;
    // Colours the cell of the given calendar date; non-zero when that date is
    // in the displayed grid, 0 (and nothing changed) otherwise.
    virtual int SetDayColor(const COleDateTime& date, COLORREF colour) = 0;
};
