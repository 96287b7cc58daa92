#include "model/CalendarExport.h"

#include <cstdio>

#include "framework/Handle.h"
#include "model/AppIdentity.h"
#include "model/Settings.h"

namespace {

constexpr size_t kLineOctets = 75;

// The day after 9999-12-31, by which an event must end.
int64_t DayAfterLast()
{
    return COleDateTime(9999, 12, 31, 0, 0, 0).DayNumber() + 1;
}

// A content line folded at 75 octets, never inside a UTF-8 sequence.
std::string Folded(const std::string& line)
{
    std::string folded;
    size_t octets = 0;
    for (size_t at = 0, length = 1; at < line.size(); at += length) {
        length = 1;
        while (length < 4 && at + length < line.size() && (line[at + length] & 0xC0) == 0x80)
            ++length;
        if (octets + length > kLineOctets) {
            folded += "\r\n ";
            octets = 1;
        }
        folded.append(line, at, length);
        octets += length;
    }
    return folded + "\r\n";
}

// A TEXT value: backslash, semicolon, comma and line ends escaped, other
// control characters dropped.
std::string Escaped(const std::string& text)
{
    std::string escaped;
    for (const char c : text) {
        if (c == '\\' || c == ';' || c == ',')
            escaped += std::string("\\") + c;
        else if (c == '\n')
            escaped += "\\n";
        else if (static_cast<unsigned char>(c) >= 0x20 || c == '\t')
            escaped += c;
    }
    return escaped;
}

std::string DateValue(int64_t day)
{
    const COleDateTime date = DateOfDay(day);
    char text[16];
    std::snprintf(text, sizeof(text), "%04d%02d%02d", date.GetYear(), date.GetMonth(),
                  date.GetDay());
    return text;
}

std::string StampValue(const COleDateTime& utc)
{
    char text[24];
    std::snprintf(text, sizeof(text), "%sT%02d%02d%02dZ", DateValue(utc.DayNumber()).c_str(),
                  utc.GetHour(), utc.GetMinute(), utc.GetSecond());
    return text;
}

// One all-day event; `every` days apart for ever when not 0.
std::string Event(const CalendarExport& input, const MarkedPeriod& period, int64_t every)
{
    const std::string uid = every ? "cycle" : "period-" + DateValue(period.day);
    std::string lines = "BEGIN:VEVENT\nUID:" + uid + "@" + velindra::kWebSiteHost +
                        "\nDTSTAMP:" + StampValue(input.utcNow) +
                        "\nDTSTART;VALUE=DATE:" + DateValue(period.day) +
                        "\nDTEND;VALUE=DATE:" + DateValue(period.day + period.length) + "\n";
    if (every)
        lines += "RRULE:FREQ=DAILY;INTERVAL=" + std::to_string(every) + "\n";
    lines += "SUMMARY:" + Escaped(input.summary) + "\nTRANSP:TRANSPARENT\n";
    if (every && input.reminderDays > 0)
        lines += "BEGIN:VALARM\nACTION:DISPLAY\nTRIGGER:-P" + std::to_string(input.reminderDays) +
                 "D\nDESCRIPTION:" + Escaped(input.summary) + "\nEND:VALARM\n";
    return lines + "END:VEVENT\n";
}

// The first day of the exported past.
int64_t ExportedFrom(const CalendarExport& input)
{
    const int64_t startDay = input.cycle.start.DayNumber();
    for (const RecordedPeriod& entry : input.cycle.record)
        if (entry.day < startDay)
            return entry.day;
    return input.today.DayNumber() - 365;
}

} // namespace

std::string ICalendarText(const CalendarExport& input)
{
    const CycleHistory& cycle = input.cycle;
    if (cycle.critDayCount <= 0 || cycle.clearDayCount <= 0 ||
        cycle.start.GetStatus() != COleDateTime::valid ||
        cycle.start.DayNumber() + cycle.critDayCount >= DayAfterLast())
        return std::string(); // a period to 9999-12-31 or later: no four-digit end date
    std::string lines = std::string("BEGIN:VCALENDAR\nVERSION:2.0\nPRODID:-//") +
                        velindra::kRegistryKeyName + "//" + velindra::kProductLine +
                        "//EN\nCALSCALE:GREGORIAN\n";
    for (const MarkedPeriod& period : PeriodsBeforeStart(cycle, ExportedFrom(input)))
        lines += Event(input, period, 0);
    lines += Event(input, {cycle.start.DayNumber(), cycle.critDayCount},
                   static_cast<int64_t>(cycle.critDayCount) + cycle.clearDayCount);
    lines += "END:VCALENDAR\n";
    std::string text;
    for (size_t at = 0, end = 0; at < lines.size(); at = end + 1) {
        end = lines.find('\n', at);
        text += Folded(lines.substr(at, end - at));
    }
    return text;
}

bool ReadCalendarExport(const SettingsStore& store, StoredCycle& stored, const std::string& summary,
                        const fw::Clock& clock, CalendarExport& input)
{
    if (!stored.Read(input.cycle))
        return false;
    input.utcNow = clock.UtcNow();
    input.today = clock.Now();
    input.summary = summary;
    const SettingsReader settings(store);
    input.reminderDays = settings.ReadDword(SettingRemind)
                             ? static_cast<int>(settings.ReadDword(SettingRemindDays))
                             : 0;
    return true;
}

bool SaveCalendarFile(const std::wstring& path, const std::string& text)
{
    if (path.empty())
        return false;
    const std::wstring part = path + L".part";
    bool written = false;
    {
        fw::KernelHandle file(CreateFileW(part.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                          FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.IsValid())
            return false;
        DWORD done = 0;
        written =
            WriteFile(file.Get(), text.data(), static_cast<DWORD>(text.size()), &done, nullptr) &&
            done == text.size();
    }
    if (written && MoveFileExW(part.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING))
        return true;
    DeleteFileW(part.c_str());
    return false;
}
