// The record in the settings key: read, written, and changed by her steps.
#include "model/PeriodRecord.h"
#include "model/Settings.h"

namespace {

int64_t DayOrNone(const COleDateTime& date)
{
    return date.GetStatus() == COleDateTime::valid ? DayOf(date) : kNoDay;
}

// A recorded first day with the counts in force.
RecordedPeriod EntryInForce(const COleDateTime& day)
{
    const SettingsReader settings;
    RecordedPeriod entry;
    entry.day = DayOrNone(day);
    entry.critDayCount = static_cast<int>(settings.ReadDword(SettingCritDayCount));
    entry.clearDayCount = static_cast<int>(settings.ReadDword(SettingClearDayCount));
    return entry;
}

} // namespace

PeriodRecord ReadPeriodRecord(const SettingsReader& settings)
{
    std::string text;
    PeriodRecord record;
    if (settings.ReadText(SettingPeriodRecord, text))
        ParsePeriodRecord(text, record);
    return record;
}

PeriodRecord ReadPeriodRecord()
{
    return ReadPeriodRecord(SettingsReader());
}

bool WritePeriodRecord(const PeriodRecord& record)
{
    return WriteSettingText(SettingPeriodRecord, PeriodRecordText(record));
}

bool RecordStoredFirstDay(const COleDateTime& firstDay, const COleDateTime& previousFirstDay,
                          const COleDateTime& now)
{
    PeriodRecord record = ReadPeriodRecord();
    return RecordFirstDay(record, EntryInForce(firstDay), DayOrNone(previousFirstDay),
                          DayOf(now)) &&
           WritePeriodRecord(record);
}

bool RemoveStoredFirstDay(const COleDateTime& firstDay)
{
    PeriodRecord record = ReadPeriodRecord();
    return RemoveFirstDay(record, DayOrNone(firstDay)) && WritePeriodRecord(record);
}

bool StartPeriodToday(const COleDateTime& now)
{
    COleDateTime stored;
    if (!ReadStartDate(SettingStartDate, now, stored))
        stored.SetStatus(COleDateTime::invalid);
    RecordStoredFirstDay(now, stored, now);
    return WriteStartDate(SettingStartDate, now);
}
