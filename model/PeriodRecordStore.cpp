// The record in the settings key: read, written, and changed by her steps.
#include "model/PeriodRecord.h"
#include "model/Settings.h"

namespace {

int64_t DayOrNone(const COleDateTime& date)
{
    return date.GetStatus() == COleDateTime::valid ? DayOf(date) : kNoDay;
}

// A recorded first day with the counts in force.
RecordedPeriod EntryInForce(const SettingsStore& store, const COleDateTime& day)
{
    const SettingsReader settings(store);
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

PeriodRecord ReadPeriodRecord(const SettingsStore& settings)
{
    return ReadPeriodRecord(SettingsReader(settings));
}

bool WritePeriodRecord(SettingsStore& settings, const PeriodRecord& record)
{
    return settings.WriteText(SettingPeriodRecord, PeriodRecordText(record));
}

bool RecordStoredFirstDay(SettingsStore& settings, const COleDateTime& firstDay,
                          const COleDateTime& previousFirstDay, const COleDateTime& now)
{
    PeriodRecord record = ReadPeriodRecord(settings);
    return RecordFirstDay(record, EntryInForce(settings, firstDay), DayOrNone(previousFirstDay),
                          DayOf(now)) &&
           WritePeriodRecord(settings, record);
}

bool RemoveStoredFirstDay(SettingsStore& settings, const COleDateTime& firstDay)
{
    PeriodRecord record = ReadPeriodRecord(settings);
    return RemoveFirstDay(record, DayOrNone(firstDay)) && WritePeriodRecord(settings, record);
}

bool StartPeriodToday(SettingsStore& settings, const COleDateTime& now)
{
    COleDateTime stored;
    if (!settings.ReadStartDate(now, stored))
        stored.SetStatus(COleDateTime::invalid);
    RecordStoredFirstDay(settings, now, stored, now);
    return settings.WriteStartDate(now);
}
