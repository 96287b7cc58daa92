#include <gtest/gtest.h>

#include "model/Settings.h"
#include "tests/model/RegistryHelpers.h"

using namespace model_tests;

namespace {

class StartDate : public testing::Test {
protected:
    void SetUp() override { fw::PinClock(now_); }
    void TearDown() override { fw::UnpinClock(); }

    static void Store(const char* text) { ASSERT_TRUE(WriteSettingText(SettingStartDate, text)); }

    const COleDateTime now_{2004, 5, 20, 12, 34, 56};
};

void ExpectDate(const COleDateTime& date, int y, int mo, int d, int h, int mi, int s)
{
    ASSERT_EQ(COleDateTime::valid, date.GetStatus());
    EXPECT_EQ(COleDateTime(y, mo, d, h, mi, s), date);
}

TEST_F(StartDate, MissingOrEmptyGivesFalseAndNow)
{
    COleDateTime date(1999, 1, 1, 0, 0, 0);
    EXPECT_FALSE(ReadStartDate(SettingStartDate, date));
    EXPECT_EQ(now_, date);
    Store("");
    date = COleDateTime();
    EXPECT_FALSE(ReadStartDate(SettingStartDate, date));
    EXPECT_EQ(now_, date);
}

TEST_F(StartDate, ParsesSixNumbers)
{
    Store("2004 9 20 14 5 0");
    COleDateTime date;
    EXPECT_TRUE(ReadStartDate(SettingStartDate, date));
    ExpectDate(date, 2004, 9, 20, 14, 5, 0);

    Store("  2004\t 9  20\r\n14 5   0 ");
    date = COleDateTime();
    EXPECT_TRUE(ReadStartDate(SettingStartDate, date));
    ExpectDate(date, 2004, 9, 20, 14, 5, 0);

    Store("2004 9 20 14 5 0 and more");
    EXPECT_TRUE(ReadStartDate(SettingStartDate, date));
    ExpectDate(date, 2004, 9, 20, 14, 5, 0);
}

TEST_F(StartDate, TooFewNumbersGiveFalseAndNow)
{
    for (const char* text : {"2004 9 20", "2004 9 20 14 5 x", "garbage", "2004,9,20,14,5,0"}) {
        Store(text);
        COleDateTime date;
        EXPECT_FALSE(ReadStartDate(SettingStartDate, date)) << text;
        EXPECT_EQ(now_, date) << text;
        EXPECT_EQ(COleDateTime::valid, date.GetStatus()) << text;
    }
}

TEST_F(StartDate, ImpossibleDatesGiveFalseAndInvalid)
{
    for (const char* text : {"2004 13 20 14 5 0", "2004 4 31 0 0 0", "2004 9 20 24 0 0",
                             "2003 2 29 0 0 0", "99 1 1 0 0 0", "2004 -9 20 14 5 0",
                             "99999999999999 1 1 0 0 0", "2004 9 20 14 5 -1", "10000 1 1 0 0 0"}) {
        Store(text);
        COleDateTime date;
        EXPECT_FALSE(ReadStartDate(SettingStartDate, date)) << text;
        EXPECT_EQ(COleDateTime::invalid, date.GetStatus()) << text;
        date.SetStatus(COleDateTime::valid);
        EXPECT_EQ(now_, date) << text; // the value is still the current date and time
    }
}

TEST_F(StartDate, WriteThenReadGivesTheSameSecond)
{
    const COleDateTime dates[] = {{2004, 9, 20, 14, 5, 0},
                                  {2004, 2, 29, 23, 59, 59},
                                  {1960, 5, 1, 0, 0, 1},
                                  {1752, 9, 14, 0, 0, 0},
                                  {9999, 12, 31, 0, 0, 0}};
    for (const COleDateTime& written : dates) {
        ASSERT_TRUE(WriteStartDate(SettingStartDate, written));
        COleDateTime read;
        EXPECT_TRUE(ReadStartDate(SettingStartDate, read));
        EXPECT_EQ(written, read);
    }
    ASSERT_TRUE(WriteStartDate(SettingStartDate, COleDateTime(2004, 9, 20, 14, 5, 0)));
    EXPECT_EQ(std::string("2004 9 20 14 5 0", 17),
              GetRaw(HKEY_CURRENT_USER, kSettingsPath, "StartDate").data);
}

// The date picker of the Scheduler page shows nothing before 1752-09-14 and
// nothing after 9999-12-31 00:00:00: such a date would come back as today.
TEST_F(StartDate, DatesThePickerCannotShowCountAsMissing)
{
    for (const char* text : {"1752 9 13 23 59 59", "1600 1 1 0 0 0", "100 1 1 0 0 0",
                             "9999 12 31 0 0 1", "9999 12 31 14 5 0"}) {
        Store(text);
        COleDateTime date;
        EXPECT_FALSE(ReadStartDate(SettingStartDate, date)) << text;
        EXPECT_EQ(COleDateTime::valid, date.GetStatus()) << text;
        EXPECT_EQ(now_, date) << text;
        EXPECT_FALSE(SettingsReader().ReadStartDate(date)) << text;
    }
    EXPECT_FALSE(WriteStartDate(SettingStartDate, COleDateTime(1752, 9, 13, 12, 0, 0)));
    EXPECT_FALSE(WriteStartDate(SettingStartDate, COleDateTime(9999, 12, 31, 0, 0, 1)));
    EXPECT_EQ(std::string("9999 12 31 14 5 0", 18),
              GetRaw(HKEY_CURRENT_USER, kSettingsPath, "StartDate").data);
}

TEST_F(StartDate, InvalidDatesAndOtherIndicesAreRefused)
{
    ASSERT_TRUE(WriteStartDate(SettingStartDate, COleDateTime(2004, 9, 20, 14, 5, 0)));
    COleDateTime invalid(2004, 9, 20, 14, 5, 0);
    invalid.SetStatus(COleDateTime::invalid);
    EXPECT_FALSE(WriteStartDate(SettingStartDate, invalid));
    EXPECT_FALSE(WriteStartDate(SettingLang, COleDateTime(2004, 1, 1, 0, 0, 0)));
    EXPECT_FALSE(GetRaw(HKEY_CURRENT_USER, kSettingsPath, "Lang").exists);

    COleDateTime date;
    EXPECT_TRUE(ReadStartDate(SettingStartDate, date));
    ExpectDate(date, 2004, 9, 20, 14, 5, 0);
    EXPECT_FALSE(ReadStartDate(SettingLang, date));
    EXPECT_EQ(now_, date);
}

} // namespace
