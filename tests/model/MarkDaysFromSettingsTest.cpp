#include <gtest/gtest.h>

#include <cstring>

#include "model/CycleCalculator.h"
#include "model/Settings.h"
#include "tests/model/FakeCalendar.h"
#include "tests/model/RegistryHelpers.h"

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

// The calendar reads the counts as the Scheduler page shows them: anything
// outside 1..30 and 3..90, or not a REG_DWORD, is the default.
TEST_F(MarkDaysFromSettingsTest, UnusableStoredValuesCountAsMissing)
{
    const Dates defaults = {"2004-03-10", "2004-03-11", "2004-03-12"};
    const char* const names[] = {"CritDayCount", "ClearDayCount"};
    const DWORD counts[] = {0, 0x80000000u, 0xFFFFFFFFu, 1000, 91};
    for (const char* name : names) {
        for (DWORD count : counts) {
            ASSERT_TRUE(SetRaw(HKEY_CURRENT_USER, kSettingsPath, name, REG_DWORD, &count, 4));
            FakeCalendar march(2004, 3);
            EXPECT_EQ(defaults, MarkGrid(march)) << name << " " << count;
        }
        for (const char* text : {"5", ""}) {
            ASSERT_TRUE(SetRaw(HKEY_CURRENT_USER, kSettingsPath, name, REG_SZ, text,
                               static_cast<DWORD>(std::strlen(text) + 1)));
            FakeCalendar march(2004, 3);
            EXPECT_EQ(defaults, MarkGrid(march)) << name << " \"" << text << "\"";
        }
        ASSERT_TRUE(SetRaw(HKEY_CURRENT_USER, kSettingsPath, name, REG_DWORD, "", 0));
        FakeCalendar march(2004, 3);
        EXPECT_EQ(defaults, MarkGrid(march)) << name << " of no bytes";
        RegDeleteKeyValueA(HKEY_CURRENT_USER, kSettingsPath, name);
    }
    // A first day the picker cannot show is today, as the page shows it.
    ASSERT_TRUE(WriteSettingText(SettingStartDate, "1600 3 13 9 30 0"));
    FakeCalendar march(2004, 3);
    EXPECT_EQ(defaults, MarkGrid(march));
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
