#pragma once
// What a month calendar asks of its parent after every rebuild of its grid:
// WM_CALENDAR_MARKDAYS, sent, with the calendar's id in wParam and this
// request in lParam, as WM_NOTIFY carries its NMHDR. The request names the
// calendar that asks (header.hwndFrom), so a parent with several calendars
// marks the one asking, and only its own; it colours that calendar's days
// through SetDayColor before the send returns. The request lives only for
// the send.
#include <windows.h>

#include "framework/DateTime.h"

struct CalendarMarkRequest {
    NMHDR header;       // hwndFrom: the calendar; idFrom: its id; code: WM_CALENDAR_MARKDAYS
    COleDateTime first; // the first and the last displayed day that exist (00:00:01)
    COleDateTime last;

    // The request a WM_CALENDAR_MARKDAYS carries; null when it carries none.
    static const CalendarMarkRequest* Of(LPARAM lParam)
    {
        return reinterpret_cast<const CalendarMarkRequest*>(lParam);
    }
};
