// The half-year calendar's months, and its steps by half-years within the
// half-years the calendars show (July 1973 to January-June 9999).
#include <gtest/gtest.h>

#include "model/HalfYear.h"
#include "tests/support/DateStamp.h"

namespace {

const auto& Text = testing_support::DateStamp;
const COleDateTime kInvalid(2004, 13, 1, 0, 0, 0);

TEST(HalfYear, SixMonthsFromJanuaryOrJuly)
{
    const struct {
        COleDateTime anchor;
        int index;
        const char* month;
    } months[] = {
        {{2004, 5, 20, 10, 0, 0}, 0, "2004-01-01 00:00:00"},
        {{2004, 6, 30, 23, 0, 0}, 5, "2004-06-01 00:00:00"},
        {{2004, 7, 1, 0, 0, 0}, 0, "2004-07-01 00:00:00"},
        {{2004, 12, 31, 9, 0, 0}, 4, "2004-11-01 00:00:00"},
        {{2004, 12, 31, 9, 0, 0}, 6, "invalid"},
        {{2004, 1, 1, 9, 0, 0}, -1, "invalid"},
        {kInvalid, 0, "invalid"},
    };
    for (const auto& m : months)
        EXPECT_EQ(Text(MonthOfHalfYear(m.anchor, m.index)), m.month)
            << Text(m.anchor) << " " << m.index;
}

// The anchor's day is kept where the month has it, else the month's last.
TEST(HalfYear, StepsBackAndOnToTheEndsOfTheCalendarsRange)
{
    const struct {
        COleDateTime anchor;
        int step;
        const char* to;
    } steps[] = {
        {{2004, 5, 20, 10, 0, 0}, 1, "2004-11-20 10:00:00"},
        {{2004, 3, 31, 10, 0, 0}, 1, "2004-09-30 10:00:00"},
        {{2003, 8, 31, 10, 0, 0}, 1, "2004-02-29 10:00:00"},
        {{2004, 8, 31, 10, 0, 0}, -1, "2004-02-29 10:00:00"},
        {{1974, 1, 1, 1, 1, 2}, -1, "1973-07-01 01:01:02"},
        {{1974, 1, 1, 1, 1, 1}, -1, "invalid"},
        {{1973, 7, 15, 10, 0, 0}, -1, "invalid"},
        {{9998, 12, 31, 23, 59, 59}, 1, "9999-06-30 23:59:59"},
        {{9999, 1, 1, 0, 0, 0}, 1, "invalid"},
        {{9999, 7, 15, 10, 0, 0}, -1, "9999-01-15 10:00:00"},
        {kInvalid, -1, "invalid"},
        {kInvalid, 1, "invalid"},
    };
    for (const auto& s : steps)
        EXPECT_EQ(Text(StepHalfYear(s.anchor, s.step)), s.to) << Text(s.anchor) << " " << s.step;
}

} // namespace
