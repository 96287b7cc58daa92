#include <gtest/gtest.h>

#include "framework/DateTime.h"

namespace {

void ExpectParts(const COleDateTime& date, int y, int mo, int d, int h, int mi, int s)
{
    ASSERT_EQ(COleDateTime::valid, date.GetStatus());
    EXPECT_EQ(y, date.GetYear());
    EXPECT_EQ(mo, date.GetMonth());
    EXPECT_EQ(d, date.GetDay());
    EXPECT_EQ(h, date.GetHour());
    EXPECT_EQ(mi, date.GetMinute());
    EXPECT_EQ(s, date.GetSecond());
}

TEST(DateTime, DefaultIsDayZeroAndValid)
{
    COleDateTime date;
    ExpectParts(date, 1899, 12, 30, 0, 0, 0);
    EXPECT_EQ(0, date.DayNumber());
    EXPECT_EQ(7, date.GetDayOfWeek()); // a Saturday
}

TEST(DateTime, ValidityRules)
{
    COleDateTime date;
    EXPECT_EQ(0, date.SetDateTime(2004, 2, 29, 23, 59, 59));
    ExpectParts(date, 2004, 2, 29, 23, 59, 59);
    EXPECT_EQ(0, date.SetDateTime(2000, 2, 29, 0, 0, 0));
    EXPECT_EQ(0, date.SetDateTime(100, 1, 1, 0, 0, 0));
    EXPECT_EQ(0, date.SetDateTime(9999, 12, 31, 23, 59, 59));

    const int impossible[][6] = {
        {2003, 2, 29, 0, 0, 0}, {1900, 2, 29, 0, 0, 0}, {2004, 13, 1, 0, 0, 0},
        {2004, 0, 1, 0, 0, 0},  {2004, 4, 31, 0, 0, 0}, {2004, 1, 0, 0, 0, 0},
        {2004, 1, 1, 24, 0, 0}, {2004, 1, 1, 0, 60, 0}, {2004, 1, 1, 0, 0, 60},
        {99, 12, 31, 0, 0, 0},  {10000, 1, 1, 0, 0, 0}, {-2004, 1, 1, 0, 0, 0},
        {2004, -1, 1, 0, 0, 0}, {2004, 1, -1, 0, 0, 0}, {2004, 1, 1, -1, 0, 0},
        {2004, 1, 1, 0, -1, 0}, {2004, 1, 1, 0, 0, -1},
    };
    for (const auto& v : impossible) {
        COleDateTime kept(2010, 6, 15, 8, 30, 0);
        EXPECT_NE(0, kept.SetDateTime(v[0], v[1], v[2], v[3], v[4], v[5])) << v[0] << "-" << v[1];
        EXPECT_EQ(COleDateTime::invalid, kept.GetStatus()) << v[0] << "-" << v[1] << "-" << v[2];
        kept.SetStatus(COleDateTime::valid); // the old value is still there
        ExpectParts(kept, 2010, 6, 15, 8, 30, 0);
    }
    EXPECT_EQ(-1, COleDateTime(2004, 13, 1, 0, 0, 0).GetYear());
}

TEST(DateTime, SetDateClearsTheTimeAndConstructsFromSystemTime)
{
    COleDateTime date(2004, 3, 10, 9, 30, 0);
    EXPECT_EQ(0, date.SetDate(2004, 9, 20));
    ExpectParts(date, 2004, 9, 20, 0, 0, 0);

    SYSTEMTIME st{};
    st.wYear = 2004;
    st.wMonth = 3;
    st.wDay = 10;
    st.wHour = 9;
    st.wMinute = 30;
    st.wSecond = 5;
    st.wMilliseconds = 999;
    ExpectParts(COleDateTime(st), 2004, 3, 10, 9, 30, 5);

    SYSTEMTIME back;
    ASSERT_TRUE(COleDateTime(2004, 3, 10, 9, 30, 5).GetAsSystemTime(back));
    EXPECT_EQ(2004, back.wYear);
    EXPECT_EQ(3, back.wMonth);
    EXPECT_EQ(10, back.wDay);
    EXPECT_EQ(3, back.wDayOfWeek); // Wednesday
    EXPECT_EQ(5, back.wSecond);
    EXPECT_FALSE(COleDateTime(2004, 2, 30, 0, 0, 0).GetAsSystemTime(back));
}

TEST(DateTime, DayOfWeek)
{
    EXPECT_EQ(1, COleDateTime(2004, 2, 29, 0, 0, 0).GetDayOfWeek()); // Sunday
    EXPECT_EQ(7, COleDateTime(2004, 4, 10, 0, 0, 0).GetDayOfWeek()); // Saturday
    EXPECT_EQ(2, COleDateTime(1800, 1, 6, 0, 0, 0).GetDayOfWeek());  // Monday
    EXPECT_EQ(5, COleDateTime(1970, 1, 1, 0, 0, 0).GetDayOfWeek());  // Thursday
}

TEST(DateTime, DayArithmeticKeepsTheTimeOfDay)
{
    const COleDateTime start(2004, 2, 27, 9, 30, 15);
    ExpectParts(start + COleDateTimeSpan(2), 2004, 2, 29, 9, 30, 15);
    ExpectParts(start + COleDateTimeSpan(3), 2004, 3, 1, 9, 30, 15);
    ExpectParts(start - COleDateTimeSpan(58), 2003, 12, 31, 9, 30, 15);
    ExpectParts(start - COleDateTimeSpan(-3), 2004, 3, 1, 9, 30, 15);
    // Across day 0, where a fraction of a negative day number is easily mistaken.
    const COleDateTime before(1899, 12, 29, 6, 0, 0);
    ExpectParts(before + COleDateTimeSpan(1), 1899, 12, 30, 6, 0, 0);
    ExpectParts(before + COleDateTimeSpan(2), 1899, 12, 31, 6, 0, 0);
    ExpectParts(COleDateTime(1900, 1, 1, 6, 0, 0) - COleDateTimeSpan(400), 1898, 11, 27, 6, 0, 0);

    COleDateTime walk = start;
    walk += COleDateTimeSpan(31);
    walk -= COleDateTimeSpan(1);
    ExpectParts(walk, 2004, 3, 28, 9, 30, 15);

    ExpectParts(start + COleDateTimeSpan(0, 15, 30, 0), 2004, 2, 28, 1, 0, 15);
    ExpectParts(start - COleDateTimeSpan(0, 9, 30, 16), 2004, 2, 26, 23, 59, 59);
    EXPECT_EQ(3,
              (COleDateTime(2004, 3, 1, 0, 0, 0) - COleDateTime(2004, 2, 27, 0, 0, 0)).GetDays());
}

TEST(DateTime, ArithmeticLeavingTheRangeIsInvalid)
{
    const COleDateTime last(9999, 12, 31, 12, 0, 0);
    EXPECT_EQ(COleDateTime::invalid, (last + COleDateTimeSpan(1)).GetStatus());
    EXPECT_EQ(COleDateTime::valid, (last - COleDateTimeSpan(1)).GetStatus());
    const COleDateTime first(100, 1, 1, 0, 0, 0);
    EXPECT_EQ(COleDateTime::invalid, (first - COleDateTimeSpan(0, 0, 0, 1)).GetStatus());
    EXPECT_EQ(COleDateTime::invalid, (first + COleDateTimeSpan(0x7FFFFFFF)).GetStatus());
    COleDateTime bad(2004, 2, 30, 0, 0, 0);
    EXPECT_EQ(COleDateTime::invalid, (bad + COleDateTimeSpan(1)).GetStatus());
}

TEST(DateTime, ComparisonsAcross1899)
{
    const COleDateTime earlyMorning(1899, 12, 29, 1, 0, 0);
    const COleDateTime lateEvening(1899, 12, 29, 23, 0, 0);
    const COleDateTime dayZero(1899, 12, 30, 0, 0, 0);
    const COleDateTime old(1850, 6, 1, 12, 0, 0);
    EXPECT_TRUE(earlyMorning < lateEvening);
    EXPECT_TRUE(lateEvening < dayZero);
    EXPECT_TRUE(old < earlyMorning);
    EXPECT_TRUE(lateEvening > earlyMorning);
    EXPECT_TRUE(earlyMorning <= earlyMorning);
    EXPECT_TRUE(earlyMorning >= earlyMorning);
    EXPECT_FALSE(earlyMorning > earlyMorning);
    EXPECT_TRUE(earlyMorning != lateEvening);
    EXPECT_TRUE(COleDateTime(1899, 12, 29, 1, 0, 0) == earlyMorning);

    const COleDateTime a(2004, 4, 10, 0, 0, 1);
    const COleDateTime b(2004, 4, 10, 9, 30, 0);
    EXPECT_TRUE(a < b);
    EXPECT_TRUE(b <= COleDateTime(2004, 4, 11, 0, 0, 0));
}

// Time values agree with the C library where it has them, and go on for
// every year of the date type.
TEST(DateTime, TimeValuesRoundTripInEveryYear)
{
    const COleDateTime date(2004, 3, 10, 0, 0, 1);
    int64_t value = 0;
    ASSERT_TRUE(date.ToTime64(value));
    std::tm parts{};
    parts.tm_year = 104;
    parts.tm_mon = 2;
    parts.tm_mday = 10;
    parts.tm_sec = 1;
    parts.tm_isdst = -1;
    EXPECT_EQ(static_cast<int64_t>(mktime(&parts)), value);
    ExpectParts(COleDateTime::FromTime64(value + 86400), 2004, 3, 11, 0, 0, 1);

    for (const COleDateTime& any :
         {COleDateTime(1601, 1, 2, 0, 0, 1), COleDateTime(1960, 5, 1, 12, 0, 0),
          COleDateTime(2040, 1, 10, 0, 0, 1), COleDateTime(9999, 12, 12, 0, 0, 1)}) {
        ASSERT_TRUE(any.ToTime64(value)) << any.GetYear();
        EXPECT_EQ(any, COleDateTime::FromTime64(value)) << any.GetYear();
    }
    int64_t unchanged = 42;
    EXPECT_FALSE(COleDateTime(2004, 2, 30, 0, 0, 0).ToTime64(unchanged));
    EXPECT_EQ(42, unchanged);
    EXPECT_EQ(COleDateTime::invalid, COleDateTime::FromTime64(int64_t{1} << 62).GetStatus());
}

TEST(DateTime, ClockCanBePinned)
{
    const COleDateTime pinned(2004, 5, 20, 12, 0, 0);
    fw::PinClock(pinned);
    EXPECT_EQ(pinned, COleDateTime::GetCurrentTime());
    fw::UnpinClock();

    SYSTEMTIME st;
    GetLocalTime(&st);
    const COleDateTime now = COleDateTime::GetCurrentTime();
    EXPECT_EQ(COleDateTime::valid, now.GetStatus());
    EXPECT_EQ(st.wYear, now.GetYear());
    EXPECT_NE(pinned, now);
}

} // namespace
