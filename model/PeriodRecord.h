#pragma once
// Her record: the first days of her periods as she recorded them, each with
// the period length and the clear days in force when it was recorded.
//
// Stored in the settings key as the value "PeriodRecord" (REG_SZ), which
// older versions ignore: the entries earliest first, separated by ";", each
// "YYYY-MM-DD <period length> <clear days>", for example
// "2026-05-07 5 25;2026-06-08 5 25".
//
// Reading rule: a value that is not exactly that (bad syntax, an impossible
// date or one the date picker cannot show, a count outside its range in
// model/CycleCountRule.h), or that does not fit the store's text buffer,
// reads as no record. Entries out of order are sorted; of two entries for one
// day the one written later in the text is kept; of more than 36 the last 36
// (the latest days) are kept.
#include <cstdint>
#include <string>
#include <vector>

#include "framework/DateTime.h"

class SettingsReader;
class SettingsStore;

struct RecordedPeriod {
    int64_t day = 0; // days since 1899-12-30
    int critDayCount = 0;
    int clearDayCount = 0;

    bool operator==(const RecordedPeriod& other) const
    {
        return day == other.day && critDayCount == other.critDayCount &&
               clearDayCount == other.clearDayCount;
    }
};

// Earliest first, one entry per day, at most kMaxRecordedPeriods.
using PeriodRecord = std::vector<RecordedPeriod>;
constexpr size_t kMaxRecordedPeriods = 36;

// The date (00:00:00) of a day number, and the day number of a date.
COleDateTime DateOfDay(int64_t day);
inline int64_t DayOf(const COleDateTime& date)
{
    return date.DayNumber();
}

// The record a stored text holds; empty (and false) when the text is damaged.
bool ParsePeriodRecord(const std::string& text, PeriodRecord& record);
// The text that stores the record.
std::string PeriodRecordText(const PeriodRecord& record);

// No day: a stored first day that is missing or cannot be read.
constexpr int64_t kNoDay = INT64_MIN;

// Records `entry` (a first day with the counts in force): a day after `today`
// is not recorded; when the record is empty, `stored` (the first day stored
// before, with the same counts; kNoDay or a day after today: none) is recorded
// first; a day already recorded keeps one entry with the new counts; only the
// last 36 are kept. An entry with a day or counts the record cannot hold is
// refused. True when the record changed.
bool RecordFirstDay(PeriodRecord& record, const RecordedPeriod& entry, int64_t stored,
                    int64_t today);
// Removes the entry of that day; true when there was one.
bool RemoveFirstDay(PeriodRecord& record, int64_t day);

// One line of the History dialog: a recorded first day, its period length,
// and the days to the next recorded first day (0 for the latest).
struct HistoryRow {
    COleDateTime firstDay;
    int periodLength = 0;
    int cycleDays = 0;
};
std::vector<HistoryRow> HistoryRows(const PeriodRecord& record);

// The stored record (empty when missing or damaged), and storing one.
PeriodRecord ReadPeriodRecord(const SettingsStore& settings);
PeriodRecord ReadPeriodRecord(const SettingsReader& settings);
bool WritePeriodRecord(SettingsStore& settings, const PeriodRecord& record);

// The same rules on the stored record, with the counts in force:
// `firstDay` becomes a recorded first day; `previousFirstDay` is the first day
// stored before the change (invalid status: none), recorded first when the
// record is empty; `now` is the current date and time. Call it when a new
// first day is settled (Scheduler page, the wizard's Finish). True when the
// stored record changed.
bool RecordStoredFirstDay(SettingsStore& settings, const COleDateTime& firstDay,
                          const COleDateTime& previousFirstDay, const COleDateTime& now);
bool RemoveStoredFirstDay(SettingsStore& settings, const COleDateTime& firstDay);
// "My period started today": records today as a first day and stores the
// current date and time (`now`) as StartDate, as the Scheduler page's Today
// does. True when StartDate was stored.
bool StartPeriodToday(SettingsStore& settings, const COleDateTime& now);
