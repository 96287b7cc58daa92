#include "model/PeriodRecord.h"

#include <algorithm>
#include <cstdio>

#include "model/CycleCountRule.h"

namespace {

// The days the date picker can show (model/Settings.h): a recorded first day
// is one she could have chosen as StartDate.
bool IsRecordableDay(int64_t day)
{
    return day >= COleDateTime(1752, 9, 14, 0, 0, 0).DayNumber() &&
           day <= COleDateTime(9999, 12, 31, 0, 0, 0).DayNumber();
}

bool IsRecordable(const RecordedPeriod& entry)
{
    return IsRecordableDay(entry.day) &&
           UsableCount(entry.critDayCount, kCritDayRule) == entry.critDayCount &&
           UsableCount(entry.clearDayCount, kClearDayRule) == entry.clearDayCount;
}

// Reads `least` to `most` decimal digits at `at` and moves past them (a
// digit after them is left for the next step to refuse).
bool ReadDigits(const std::string& text, size_t& at, size_t least, size_t most, int& value)
{
    size_t count = 0;
    value = 0;
    while (at < text.size() && count < most && text[at] >= '0' && text[at] <= '9') {
        value = value * 10 + (text[at++] - '0');
        ++count;
    }
    return count >= least;
}

bool Skip(const std::string& text, size_t& at, char expected)
{
    if (at >= text.size() || text[at] != expected)
        return false;
    ++at;
    return true;
}

// "YYYY-MM-DD C K" at `at`.
bool ParseEntry(const std::string& text, size_t& at, RecordedPeriod& entry)
{
    int year = 0, month = 0, day = 0;
    if (!ReadDigits(text, at, 4, 4, year) || !Skip(text, at, '-') ||
        !ReadDigits(text, at, 2, 2, month) || !Skip(text, at, '-') ||
        !ReadDigits(text, at, 2, 2, day) || !Skip(text, at, ' ') ||
        !ReadDigits(text, at, 1, 2, entry.critDayCount) || !Skip(text, at, ' ') ||
        !ReadDigits(text, at, 1, 2, entry.clearDayCount))
        return false;
    COleDateTime date;
    date.SetDate(year, month, day);
    entry.day = date.DayNumber();
    return date.GetStatus() == COleDateTime::valid && IsRecordable(entry);
}

// Earliest first; of two entries for one day the later in `record` stays; the
// last kMaxRecordedPeriods.
void Tidy(PeriodRecord& record)
{
    std::stable_sort(
        record.begin(), record.end(),
        [](const RecordedPeriod& a, const RecordedPeriod& b) { return a.day < b.day; });
    PeriodRecord tidy;
    for (const RecordedPeriod& entry : record) {
        if (!tidy.empty() && tidy.back().day == entry.day)
            tidy.back() = entry;
        else
            tidy.push_back(entry);
    }
    if (tidy.size() > kMaxRecordedPeriods)
        tidy.erase(tidy.begin(), tidy.end() - kMaxRecordedPeriods);
    record.swap(tidy);
}

} // namespace

COleDateTime DateOfDay(int64_t day)
{
    return COleDateTime() + COleDateTimeSpan(static_cast<long>(day));
}

bool ParsePeriodRecord(const std::string& text, PeriodRecord& record)
{
    record.clear();
    size_t at = 0;
    while (at < text.size()) {
        RecordedPeriod entry;
        if ((!record.empty() && !Skip(text, at, ';')) || !ParseEntry(text, at, entry)) {
            record.clear();
            return false;
        }
        record.push_back(entry);
    }
    Tidy(record);
    return true;
}

std::string PeriodRecordText(const PeriodRecord& record)
{
    std::string text;
    for (const RecordedPeriod& entry : record) {
        const COleDateTime date = DateOfDay(entry.day);
        char part[48];
        std::snprintf(part, sizeof(part), "%s%04d-%02d-%02d %d %d", text.empty() ? "" : ";",
                      date.GetYear(), date.GetMonth(), date.GetDay(), entry.critDayCount,
                      entry.clearDayCount);
        text += part;
    }
    return text;
}

bool RecordFirstDay(PeriodRecord& record, const RecordedPeriod& entry, int64_t stored,
                    int64_t today)
{
    if (entry.day > today || !IsRecordable(entry))
        return false;
    const PeriodRecord before = record;
    RecordedPeriod storedEntry = entry;
    storedEntry.day = stored;
    if (record.empty() && stored != entry.day && stored <= today && IsRecordable(storedEntry))
        record.push_back(storedEntry);
    record.push_back(entry);
    Tidy(record);
    return record != before;
}

bool RemoveFirstDay(PeriodRecord& record, int64_t day)
{
    const auto end =
        std::remove_if(record.begin(), record.end(),
                       [day](const RecordedPeriod& entry) { return entry.day == day; });
    const bool removed = end != record.end();
    record.erase(end, record.end());
    return removed;
}

std::vector<HistoryRow> HistoryRows(const PeriodRecord& record)
{
    std::vector<HistoryRow> rows;
    for (size_t i = 0; i < record.size(); ++i) {
        const int64_t next = i + 1 < record.size() ? record[i + 1].day : record[i].day;
        rows.push_back({DateOfDay(record[i].day), record[i].critDayCount,
                        static_cast<int>(next - record[i].day)});
    }
    return rows;
}
