#pragma once
// The stored cycle and record, owned by the application object and handed to
// every window that marks days or asks where a day stands.
#include "model/CycleHistory.h"
#include "model/RegistryWatch.h"
#include "model/Settings.h"

// The stored cycle and record as last read from the settings, read again only
// after the registry under the settings' root changed: a month step, a page
// shown again or the six months of the half-year view read nothing of their
// own. One for the program: every reader shares the watch, and it reads again
// on every change under that root, so no reader sees a stale value.
class StoredCycle {
public:
    // The settings outlive the stored cycle.
    explicit StoredCycle(const SettingsStore& settings)
        : settings_(settings), watch_(settings.Root())
    {
    }
    StoredCycle(const StoredCycle&) = delete;
    StoredCycle& operator=(const StoredCycle&) = delete;

    // The stored cycle and record; false (nothing to mark, no standing) while
    // no first day is stored or the stored one cannot be read.
    bool Read(CycleHistory& cycle);

private:
    const SettingsStore& settings_;
    RegistryWatch watch_; // set before each read; while none can be set, every call reads
    CycleHistory last_;
    bool stored_ = false;
};

// What a calendar's owner does when its grid first..last (the first and the
// last displayed day) is rebuilt: marks the critical days by the stored cycle
// and record; nothing while no first day is stored or the stored one cannot
// be read, or when a date is invalid.
void MarkDaysFromSettings(StoredCycle& stored, DayMarker* calendar, const COleDateTime& first,
                          const COleDateTime& last);
inline void MarkDaysFromSettings(StoredCycle& stored, DayMarker& calendar,
                                 const COleDateTime& first, const COleDateTime& last)
{
    MarkDaysFromSettings(stored, &calendar, first, last);
}
// Where the day stands by the stored cycle and record (NoFirstDay without a
// stored first day): the tip, the Monitor line, the reminder and the icon.
DayStanding StandingWithRecord(StoredCycle& stored, const COleDateTime& day);
