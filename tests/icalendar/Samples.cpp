// Writes <name>.ics for a few histories, <name>.summary with the summary, and
// <name>.txt with the reminder's days and every day the month calendars mark
// from December 1972 to December 2040, one "YYYY-MM-DD" a line.
#include <cstdio>
#include <set>

#include "framework/TextCodec.h"
#include "model/CalendarExport.h"

namespace {

struct Sample {
    const char* name;
    const char* start; // the stored first day and the counts in force
    const char* record;
    const char* summary;
    int reminderDays;
};

const Sample kSamples[] = {
    {"late", "2026-06-08 09:15:00 5 25", "2026-05-07 5 25;2026-06-08 5 25", "Period", 2},
    {"unrecorded", "2026-02-28 22:00:00 4 24", "",
     "\xD0\x9C\xD0\xB5\xD0\xBD\xD1\x81\xD1\x82\xD1\x80\xD1\x83\xD0\xB0\xD1\x86\xD0\xB8\xD1\x8F; "
     "a, b \\ c\nd \xE2\x80\x94 folded twice: "
     "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E\xE3\x81\xAE\xE6\x96\x87\xE5\xAD\x97 \xF0\x9F\x8C\xB8 "
     "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E\xE3\x81\xAE\xE6\x96\x87\xE5\xAD\x97 \xF0\x9F\x8C\xB8 "
     "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E\xE3\x81\xAE\xE6\x96\x87\xE5\xAD\x97 \xF0\x9F\x8C\xB8 "
     "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E\xE3\x81\xAE\xE6\x96\x87\xE5\xAD\x97 \xF0\x9F\x8C\xB8",
     0},
    {"changing", "2025-01-20 00:00:00 6 22",
     "2024-03-01 4 24;2024-04-02 5 27;2024-04-20 5 30;2024-07-15 3 25;2025-01-20 6 22;"
     "2025-03-01 5 25",
     "\xE7\x94\x9F\xE7\x90\x86", 7},
};

// Colours nothing: keeps the days of one month that its grid marks.
struct MonthDays : DayMarker {
    int month = 0;
    std::set<int64_t>* days = nullptr;
    bool IsMarkable() const override { return true; }
    int SetDayColor(const COleDateTime& date, COLORREF) override
    {
        if (date.GetMonth() == month)
            days->insert(date.DayNumber());
        return 1;
    }
};

CycleHistory History(const Sample& sample)
{
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
    CycleHistory cycle;
    std::sscanf(sample.start, "%d-%d-%d %d:%d:%d %d %d", &y, &mo, &d, &h, &mi, &s,
                &cycle.critDayCount, &cycle.clearDayCount);
    cycle.start = COleDateTime(y, mo, d, h, mi, s);
    ParsePeriodRecord(sample.record, cycle.record);
    return cycle;
}

// The grids of every displayable month, as the calendars make them.
std::set<int64_t> MarkedDays(const CycleHistory& cycle)
{
    std::set<int64_t> days;
    for (int month = 1972 * 12 + 11; month < 2041 * 12; ++month) {
        COleDateTime first(month / 12, month % 12 + 1, 1, 0, 0, 1);
        first -= COleDateTimeSpan(first.GetDayOfWeek() - 1);
        MonthDays grid;
        grid.month = month % 12 + 1;
        grid.days = &days;
        MarkCriticalDays(&grid, first, first + COleDateTimeSpan(41), cycle);
    }
    return days;
}

bool Write(const Sample& sample)
{
    const CalendarExport input{History(sample), COleDateTime(2026, 6, 10, 12, 0, 0),
                               COleDateTime(2026, 6, 10, 10, 0, 0), sample.summary,
                               sample.reminderDays};
    std::string days = std::to_string(sample.reminderDays);
    for (int64_t day : MarkedDays(input.cycle)) {
        const COleDateTime date = DateOfDay(day);
        char line[16];
        std::snprintf(line, sizeof(line), "\n%04d-%02d-%02d", date.GetYear(), date.GetMonth(),
                      date.GetDay());
        days += line;
    }
    const std::string name(sample.name);
    return SaveCalendarFile(fw::Wide(name + ".ics"), ICalendarText(input)) &&
           SaveCalendarFile(fw::Wide(name + ".summary"), sample.summary) &&
           SaveCalendarFile(fw::Wide(name + ".txt"), days);
}

} // namespace

int main()
{
    for (const Sample& sample : kSamples)
        if (!Write(sample))
            return 1;
    return 0;
}
