// The date type: which dates exist, arithmetic that keeps the time of day,
// order across day 0 (1899-12-30), time values, and the pinned clock.
#include <gtest/gtest.h>

#include <ctime>

#include "framework/DateTime.h"
#include "tests/support/DateStamp.h"

namespace {

const auto& Text = testing_support::DateStamp;

TEST(DateTime, OnlyDatesThatExistAreValidAndAnImpossibleOneKeepsTheValue)
{
    EXPECT_EQ("1899-12-30 00:00:00", Text(COleDateTime()));
    const int possible[][6] = {{2004, 2, 29, 23, 59, 59},
                               {2000, 2, 29, 0, 0, 0},
                               {100, 1, 1, 0, 0, 0},
                               {9999, 12, 31, 23, 59, 59}};
    const int impossible[][6] = {
        {2003, 2, 29, 0, 0, 0}, {1900, 2, 29, 0, 0, 0}, {2004, 13, 1, 0, 0, 0},
        {2004, 0, 1, 0, 0, 0},  {2004, 4, 31, 0, 0, 0}, {2004, 1, 0, 0, 0, 0},
        {2004, 1, 1, 24, 0, 0}, {2004, 1, 1, 0, 60, 0}, {2004, 1, 1, 0, 0, 60},
        {99, 12, 31, 0, 0, 0},  {10000, 1, 1, 0, 0, 0}, {-2004, 1, 1, 0, 0, 0},
        {2004, -1, 1, 0, 0, 0}, {2004, 1, -1, 0, 0, 0}, {2004, 1, 1, -1, 0, 0},
        {2004, 1, 1, 0, -1, 0}, {2004, 1, 1, 0, 0, -1}};
    for (const auto& v : possible)
        EXPECT_EQ(0, COleDateTime().SetDateTime(v[0], v[1], v[2], v[3], v[4], v[5])) << v[0];
    for (const auto& v : impossible) {
        COleDateTime kept(2010, 6, 15, 8, 30, 0);
        EXPECT_NE(0, kept.SetDateTime(v[0], v[1], v[2], v[3], v[4], v[5]))
            << v[0] << "-" << v[1] << "-" << v[2];
        EXPECT_EQ("invalid", Text(kept));
        kept.SetStatus(COleDateTime::valid);
        EXPECT_EQ("2010-06-15 08:30:00", Text(kept));
    }
    COleDateTime date(2004, 3, 10, 9, 30, 0);
    EXPECT_EQ(0, date.SetDate(2004, 9, 20));
    EXPECT_EQ("2004-09-20 00:00:00", Text(date));
}

// Arithmetic by days, seconds and months keeps the time of day, also before
// day 0, where a fraction of a negative day number is easily mistaken; a day
// the month reached lacks becomes its last day.
TEST(DateTime, ArithmeticKeepsTheTimeOfDayAndLeavesTheRangeInvalid)
{
    const COleDateTime feb27(2004, 2, 27, 9, 30, 15), before(1899, 12, 29, 6, 0, 0);
    const std::pair<COleDateTime, const char*> table[] = {
        {feb27 + COleDateTimeSpan(2), "2004-02-29 09:30:15"},
        {feb27 + COleDateTimeSpan(3), "2004-03-01 09:30:15"},
        {feb27 - COleDateTimeSpan(58), "2003-12-31 09:30:15"},
        {feb27 - COleDateTimeSpan(-3), "2004-03-01 09:30:15"},
        {feb27 + COleDateTimeSpan(0, 15, 30, 0), "2004-02-28 01:00:15"},
        {feb27 - COleDateTimeSpan(0, 9, 30, 16), "2004-02-26 23:59:59"},
        {before + COleDateTimeSpan(1), "1899-12-30 06:00:00"},
        {before + COleDateTimeSpan(2), "1899-12-31 06:00:00"},
        {COleDateTime(1900, 1, 1, 6, 0, 0) - COleDateTimeSpan(400), "1898-11-27 06:00:00"},
        {COleDateTime(9999, 12, 31, 12, 0, 0) + COleDateTimeSpan(1), "invalid"},
        {COleDateTime(100, 1, 1, 0, 0, 0) - COleDateTimeSpan(0, 0, 0, 1), "invalid"},
        {COleDateTime(100, 1, 1, 0, 0, 0) + COleDateTimeSpan(0x7FFFFFFF), "invalid"},
        {COleDateTime(2004, 2, 30, 0, 0, 0) + COleDateTimeSpan(1), "invalid"},
        {fw::AddMonths(feb27, 30), "2006-08-27 09:30:15"},
        {fw::AddMonths(feb27, -14), "2002-12-27 09:30:15"},
        {fw::AddMonths(COleDateTime(2004, 8, 31, 7, 0, 0), 6), "2005-02-28 07:00:00"},
        {fw::AddMonths(COleDateTime(2003, 8, 30, 7, 0, 0), 6), "2004-02-29 07:00:00"},
        {fw::AddMonths(COleDateTime(2004, 3, 31, 7, 0, 0), -6), "2003-09-30 07:00:00"},
        {fw::AddMonths(COleDateTime(2004, 12, 31, 0, 0, 0), -12), "2003-12-31 00:00:00"},
        {fw::AddMonths(COleDateTime(9999, 12, 1, 0, 0, 0), 1), "invalid"},
        {fw::AddMonths(COleDateTime(100, 1, 1, 0, 0, 0), -1), "invalid"}};
    for (const auto& row : table)
        EXPECT_EQ(row.second, Text(row.first));
    std::string days;
    for (const COleDateTime& date :
         {COleDateTime(2004, 2, 29, 0, 0, 0), COleDateTime(1800, 1, 6, 0, 0, 0),
          COleDateTime(1970, 1, 1, 0, 0, 0), COleDateTime()})
        days += char('0' + date.GetDayOfWeek());
    EXPECT_EQ("1257", days) << "Sunday 1 to Saturday 7";
    EXPECT_EQ(3, (COleDateTime(2004, 3, 1, 9, 30, 15) - feb27).GetDays());
}

TEST(DateTime, OrderFollowsTimeAcrossDayZero)
{
    const COleDateTime dates[] = {{1850, 6, 1, 12, 0, 0},   {1899, 12, 29, 1, 0, 0},
                                  {1899, 12, 29, 23, 0, 0}, {1899, 12, 30, 0, 0, 0},
                                  {2004, 4, 10, 0, 0, 1},   {2004, 4, 10, 9, 30, 0}};
    for (int i = 0; i < 6; ++i)
        for (int j = 0; j < 6; ++j) {
            const COleDateTime &a = dates[i], &b = dates[j];
            EXPECT_EQ((i > j) - (i < j), (a > b) - (a < b)) << i << " " << j;
            EXPECT_EQ(i == j, a == b && a <= b && a >= b && !(a != b)) << i << " " << j;
        }
}

// Time values agree with the C library where it has them, and go on for
// every year of the date type.
TEST(DateTime, TimeValuesAgreeWithTheCLibraryAndCoverEveryYear)
{
    std::tm parts{1, 0, 0, 10, 2, 104, 0, 0, -1}; // 2004-03-10 00:00:01, local time
    int64_t value = 0;
    ASSERT_TRUE(COleDateTime(2004, 3, 10, 0, 0, 1).ToTime64(value));
    EXPECT_EQ(int64_t(mktime(&parts)), value);
    EXPECT_EQ("2004-03-11 00:00:01", Text(COleDateTime::FromTime64(value + 86400)));
    for (const COleDateTime& any :
         {COleDateTime(1601, 1, 2, 0, 0, 1), COleDateTime(1960, 5, 1, 12, 0, 0),
          COleDateTime(9999, 12, 12, 0, 0, 1)}) {
        ASSERT_TRUE(any.ToTime64(value));
        EXPECT_EQ(Text(any), Text(COleDateTime::FromTime64(value)));
    }
    int64_t unchanged = 42;
    EXPECT_FALSE(COleDateTime(2004, 2, 30, 0, 0, 0).ToTime64(unchanged) || unchanged != 42);
    EXPECT_EQ("invalid", Text(COleDateTime::FromTime64(int64_t{1} << 62)));
}

} // namespace
