#pragma once
// Her dates in any calendar: an iCalendar file (RFC 5545) that Outlook,
// Google Calendar and phone calendars import. The periods the calendars mark
// before the stored first day, from the earliest first day recorded before it
// (or from 365 days before today when there is none), are all-day events of
// their own; from the stored first day on, one all-day event repeats by the
// cycle in force. A past period's UID is made from its first day, so that a
// second export of the same record gives the same UIDs; the repeating event
// has one UID of its own, so that importing a later export replaces it
// rather than adding a second series beside it. Only the repeating event
// carries the reminder: an alarm on a past event would only ring as overdue.
#include <string>

#include "framework/Clock.h"
#include "model/CycleHistory.h"
#include "model/StoredCycle.h"

struct CalendarExport {
    CycleHistory cycle;
    COleDateTime today;   // local
    COleDateTime utcNow;  // the time stamp of every event
    std::string summary;  // each event's title in her language, UTF-8
    int reminderDays = 0; // an alarm that many days before each period; 0: none
};

// The file's text: UTF-8, CRLF line ends, lines folded at 75 octets; empty
// when the cycle cannot be marked or its stored period ends on 9999-12-31 or
// later (the event's end, the day after, would have a five-digit year).
std::string ICalendarText(const CalendarExport& input);

// The stored cycle, record and reminder, with today and the time stamp from
// the clock; false while no first day is stored or the stored one cannot be
// read.
bool ReadCalendarExport(const SettingsStore& settings, StoredCycle& stored,
                        const std::string& summary, const fw::Clock& clock, CalendarExport& input);

// Writes the text to the file, replacing it; false, with the file as it was,
// when that fails.
bool SaveCalendarFile(const std::wstring& path, const std::string& text);
