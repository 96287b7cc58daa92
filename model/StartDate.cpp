// StartDate: a date-time stored as the text "%d %d %d %d %d %d" of year,
// month, day, hour, minute and second.
#include <cstdio>

#include "model/Settings.h"
#include "model/StartDateText.h"

namespace {

bool IsShowableByPicker(const COleDateTime& date)
{
    return date >= COleDateTime(kFirstPickerTime) && date <= COleDateTime(kLastPickerTime);
}

} // namespace

bool SettingsReader::ReadStartDate(const COleDateTime& now, COleDateTime& date) const
{
    date = now;
    std::string text;
    ReadText(SettingStartDate, text);
    if (text.empty())
        return false;
    DateTimeParts parts;
    if (!ParseStartDateText(text, parts))
        return false;
    COleDateTime stored = date;
    stored.SetDateTime(parts.year, parts.month, parts.day, parts.hour, parts.minute, parts.second);
    if (stored.GetStatus() != COleDateTime::valid) {
        date.SetStatus(COleDateTime::invalid);
        return false;
    }
    if (!IsShowableByPicker(stored)) // counts as missing
        return false;
    date = stored;
    return true;
}

bool SettingsStore::WriteStartDate(const COleDateTime& date)
{
    if (date.GetStatus() != COleDateTime::valid || !IsShowableByPicker(date))
        return false;
    char text[64];
    std::snprintf(text, sizeof(text), "%d %d %d %d %d %d", date.GetYear(), date.GetMonth(),
                  date.GetDay(), date.GetHour(), date.GetMinute(), date.GetSecond());
    return WriteText(SettingStartDate, text);
}
