#pragma once
// A stand-in for the month calendar: a 42-day grid from the Sunday on or
// before the first of a month, recording which of its days were coloured.
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "framework/DateTime.h"
#include "model/DayMarker.h"

namespace model_tests {

class FakeCalendar : public DayMarker {
public:
    FakeCalendar(int year, int month)
    {
        const COleDateTime firstOfMonth(year, month, 1, 0, 0, 1);
        first_ = firstOfMonth - COleDateTimeSpan(firstOfMonth.GetDayOfWeek() - 1);
        last_ = first_ + COleDateTimeSpan(41);
    }

    const COleDateTime& First() const { return first_; } // at 00:00:01
    const COleDateTime& Last() const { return last_; }

    bool IsMarkable() const override { return markable; }
    int SetDayColor(const COleDateTime& date, COLORREF colour) override
    {
        ++calls;
        colours.insert(colour);
        const int64_t day = date.DayNumber();
        if (day < first_.DayNumber() || day > last_.DayNumber())
            return 0;
        marked.insert(day);
        return 1;
    }

    // The marked days as "YYYY-MM-DD", in order.
    std::vector<std::string> MarkedDates() const
    {
        std::vector<std::string> dates;
        for (int64_t day : marked) {
            const COleDateTime date = COleDateTime() + COleDateTimeSpan(static_cast<long>(day));
            char text[16];
            std::snprintf(text, sizeof(text), "%04d-%02d-%02d", date.GetYear(), date.GetMonth(),
                          date.GetDay());
            dates.push_back(text);
        }
        return dates;
    }

    bool markable = true;
    long calls = 0;
    std::set<int64_t> marked;
    std::set<COLORREF> colours;

private:
    COleDateTime first_;
    COleDateTime last_;
};

} // namespace model_tests
