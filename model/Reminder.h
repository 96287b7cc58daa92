#pragma once
// When the reminder before critical days comes: the decision from where today
// stands, the reminder's settings, the periods announced already and the one
// announced on screen; and the periods announced, as they are kept.
#include <windows.h>

#include <string>
#include <vector>

#include "model/CycleCalculator.h"

class SettingsStore;

// The critical periods the reminder has announced, each by its first day (a
// day number, days since 1899-12-30, as RemindedPeriod holds it), the latest
// last. A period announced once stays announced whatever the clock does
// afterwards; only the oldest go, once more than kKept are held.
class AnnouncedPeriods {
public:
    static constexpr size_t kKept = 32;

    // From the kept list ("38125 38160 ...", words that are no day number
    // skipped) and RemindedPeriod, the last one announced (0: none), which a
    // program that keeps no list may have written alone.
    static AnnouncedPeriods FromStored(const std::string& list, DWORD last);
    bool Contains(DWORD day) const;
    // Announced now: the latest, also when it was held already.
    void Add(DWORD day);
    std::string List() const;
    DWORD Last() const { return days_.empty() ? 0 : days_.back(); }

private:
    std::vector<DWORD> days_;
};

// The day number under which a period's first day is announced.
DWORD PeriodDay(const COleDateTime& firstDay);

struct ReminderSettings {
    bool on = false;
    int daysBefore = 0; // the reminder comes this many days before a period, or fewer
};

struct ReminderDecision {
    bool withdraw = false; // the reminder on screen announces a period that no longer holds
    bool show = false;     // announce the period beginning on `firstDay`
    COleDateTime firstDay;
};

// shown: the first day of the period the reminder on screen announces, or
// null when none is shown.
ReminderDecision DecideReminder(const DayStanding& today, const ReminderSettings& settings,
                                const AnnouncedPeriods& announced, const COleDateTime* shown);

// The reminder's settings and the announced periods, as stored (Remind,
// RemindDays; RemindedPeriods and RemindedPeriod); storing writes both values.
ReminderSettings ReadReminderSettings(const SettingsStore& settings);
AnnouncedPeriods ReadAnnouncedPeriods(const SettingsStore& settings);
void StoreAnnouncedPeriods(SettingsStore& settings, const AnnouncedPeriods& announced);
