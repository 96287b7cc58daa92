#pragma once
// One day of a month calendar's six-week grid.
#include <windows.h>

#include "framework/DateTime.h"

struct CalendarCell {
    COleDateTime date;   // the cell's day, at 00:00:01 local time
    int shown = 1;       // 1: painted with its number; 0: painted empty
    int today = 0;       // 1: the cell's calendar date was today's at the last rebuild
    int inMonth = 0;     // 1: the day belongs to the shown month
    COLORREF colour = 0; // marking colour; 0 = not marked
};
