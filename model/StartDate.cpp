// StartDate: a date-time stored as the text "%d %d %d %d %d %d" of year,
// month, day, hour, minute and second.
#include <cstdio>
#include <cstdlib>

#include "model/Settings.h"

namespace {

// Reads up to `count` decimal integers as "%d %d ..." does (any white space
// before each, an optional sign); answers how many were converted. Numbers
// beyond the range of int are clamped rather than left undefined.
int ParseIntegers(const char* text, int* values, int count)
{
    int converted = 0;
    while (converted < count) {
        char* end = nullptr;
        const long value = std::strtol(text, &end, 10);
        if (end == text)
            break;
        values[converted++] = value > 0x7FFFFFFFL    ? 0x7FFFFFFF
                              : value < -0x7FFFFFFFL ? -0x7FFFFFFF
                                                     : static_cast<int>(value);
        text = end;
    }
    return converted;
}

bool IsShowableByPicker(const COleDateTime& date)
{
    return date >= COleDateTime(kFirstPickerTime) && date <= COleDateTime(kLastPickerTime);
}

} // namespace

bool SettingsReader::ReadStartDate(COleDateTime& date) const
{
    date = COleDateTime::GetCurrentTime();
    std::string text;
    ReadText(SettingStartDate, text);
    if (text.empty())
        return false;
    int parts[6];
    if (ParseIntegers(text.c_str(), parts, 6) < 6)
        return false;
    COleDateTime stored = date;
    stored.SetDateTime(parts[0], parts[1], parts[2], parts[3], parts[4], parts[5]);
    if (stored.GetStatus() != COleDateTime::valid) {
        date.SetStatus(COleDateTime::invalid);
        return false;
    }
    if (!IsShowableByPicker(stored)) // counts as missing
        return false;
    date = stored;
    return true;
}

bool WriteStartDate(SettingId id, const COleDateTime& date)
{
    if (id != SettingStartDate || date.GetStatus() != COleDateTime::valid ||
        !IsShowableByPicker(date))
        return false;
    char text[64];
    std::snprintf(text, sizeof(text), "%d %d %d %d %d %d", date.GetYear(), date.GetMonth(),
                  date.GetDay(), date.GetHour(), date.GetMinute(), date.GetSecond());
    return WriteSettingText(id, text);
}
