#include <gtest/gtest.h>

#include "model/CycleCalculator.h"
#include "model/Settings.h"
#include "tests/model/FakeCalendar.h"

using namespace model_tests;
using Dates = std::vector<std::string>;

namespace {

class MarkDaysFromSettingsTest : public testing::Test {
protected:
    void SetUp() override { fw::PinClock(COleDateTime(2004, 3, 10, 9, 30, 0)); }
    void TearDown() override { fw::UnpinClock(); }

    // Sends the grid's range as the calendar does: both days at 00:00:01 as time values.
    static Dates MarkGrid(FakeCalendar& calendar)
    {
        int64_t first = 0, last = 0;
        EXPECT_TRUE(calendar.First().ToTime64(first));
        EXPECT_TRUE(calendar.Last().ToTime64(last));
        MarkDaysFromSettings(calendar, static_cast<WPARAM>(static_cast<uint64_t>(first)),
                             static_cast<LPARAM>(last));
        return calendar.MarkedDates();
    }
};

TEST_F(MarkDaysFromSettingsTest, UsesTheStoredCycle)
{
    ASSERT_TRUE(WriteSettingText(SettingStartDate, "2004 3 13 9 30 0"));
    ASSERT_TRUE(WriteSettingDword(SettingCritDayCount, 5));
    ASSERT_TRUE(WriteSettingDword(SettingClearDayCount, 23));
    FakeCalendar march(2004, 3);
    EXPECT_EQ((Dates{"2004-03-13", "2004-03-14", "2004-03-15", "2004-03-16", "2004-03-17"}),
              MarkGrid(march));
    FakeCalendar january(2004, 1);
    EXPECT_EQ((Dates{"2004-01-17", "2004-01-18", "2004-01-19", "2004-01-20", "2004-01-21"}),
              MarkGrid(january));
}

TEST_F(MarkDaysFromSettingsTest, MissingSettingsStartTodayWithTheDefaults)
{
    FakeCalendar march(2004, 3);
    // Today at 09:30: the period beginning on April 10, the last day, is not shown.
    EXPECT_EQ((Dates{"2004-03-10", "2004-03-11", "2004-03-12"}), MarkGrid(march));
}

TEST_F(MarkDaysFromSettingsTest, AnImpossibleStartDateCountsAsMissing)
{
    ASSERT_TRUE(WriteSettingText(SettingStartDate, "2004 13 13 9 30 0"));
    FakeCalendar march(2004, 3);
    EXPECT_EQ((Dates{"2004-03-10", "2004-03-11", "2004-03-12"}), MarkGrid(march));
}

TEST_F(MarkDaysFromSettingsTest, CountsAreSigned)
{
    ASSERT_TRUE(WriteSettingDword(SettingCritDayCount, 0xFFFFFFFFu));
    FakeCalendar march(2004, 3);
    EXPECT_TRUE(MarkGrid(march).empty());
    ASSERT_TRUE(WriteSettingDword(SettingCritDayCount, 3));
    ASSERT_TRUE(WriteSettingDword(SettingClearDayCount, 0x80000000u));
    EXPECT_TRUE(MarkGrid(march).empty());
    ASSERT_TRUE(WriteSettingDword(SettingClearDayCount, 0));
    EXPECT_TRUE(MarkGrid(march).empty());
}

TEST_F(MarkDaysFromSettingsTest, BadRangesAreIgnored)
{
    FakeCalendar march(2004, 3);
    int64_t first = 0, last = 0;
    ASSERT_TRUE(march.First().ToTime64(first));
    ASSERT_TRUE(march.Last().ToTime64(last));
    MarkDaysFromSettings(&march, 0, last);
    MarkDaysFromSettings(&march, first, 0);
    MarkDaysFromSettings(&march, first, -5);
    MarkDaysFromSettings(&march, first, static_cast<LPARAM>(-1));
    MarkDaysFromSettings(&march, static_cast<WPARAM>(int64_t{1} << 62), last); // beyond year 9999
    MarkDaysFromSettings(nullptr, first, last);
    EXPECT_EQ(0, march.calls);
}

} // namespace
