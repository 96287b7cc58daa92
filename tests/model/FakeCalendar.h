#pragma once
// A month calendar's grid for the cycle tests, and cycles written as text.
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <set>
#include <string>

#include "model/CycleCalculator.h"

namespace {

// A month calendar's grid that records what it is asked to colour: the 42
// days from the Sunday on or before the first of the month, at 00:00:01 as
// the calendar sends them.
struct FakeCalendar : DayMarker {
    FakeCalendar(int year, int month) : first(year, month, 1, 0, 0, 1)
    {
        first -= COleDateTimeSpan(first.GetDayOfWeek() - 1);
        last = first + COleDateTimeSpan(41);
    }
    // "2004-03"
    explicit FakeCalendar(const char* m) : FakeCalendar(std::atoi(m), std::atoi(m + 5)) {}
    bool IsMarkable() const override { return markable; }
    int SetDayColor(const COleDateTime& date, COLORREF colour) override
    {
        ++calls;
        colours.insert(colour);
        const bool shown =
            date.DayNumber() >= first.DayNumber() && date.DayNumber() <= last.DayNumber();
        if (shown)
            marked.insert(date.DayNumber());
        return shown;
    }
    // The marked days as runs of consecutive days: "2004-03-10+5 2004-04-07+4".
    std::string Runs() const
    {
        std::string runs;
        for (auto day = marked.begin(); day != marked.end();) {
            long length = 1;
            while (marked.count(*day + length))
                ++length;
            const COleDateTime date = COleDateTime() + COleDateTimeSpan(static_cast<long>(*day));
            char run[32];
            std::snprintf(run, sizeof(run), " %04d-%02d-%02d+%ld", date.GetYear(), date.GetMonth(),
                          date.GetDay(), length);
            runs += runs.empty() ? run + 1 : run;
            std::advance(day, length);
        }
        return runs;
    }

    COleDateTime first, last;
    bool markable = true;
    long calls = 0;
    std::set<int64_t> marked;
    std::set<COLORREF> colours;
};

struct Cycle {
    COleDateTime start;
    int crit = 0, clear = 0; // C and K
};

// "2004-03-10 09:30:00 5 23": the start's date and time, C and K.
inline Cycle Parse(const char* text)
{
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
    Cycle cycle;
    std::sscanf(text, "%d-%d-%d %d:%d:%d %d %d", &y, &mo, &d, &h, &mi, &s, &cycle.crit,
                &cycle.clear);
    cycle.start = COleDateTime(y, mo, d, h, mi, s);
    return cycle;
}

} // namespace
