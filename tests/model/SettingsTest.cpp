#include <gtest/gtest.h>

#include "model/Settings.h"
#include "tests/model/RegistryHelpers.h"

using namespace model_tests;

namespace {

const SettingId kDwordIds[] = {SettingVisibled, SettingCritDayCount, SettingClearDayCount,
                               SettingAutoload, SettingCritRed,      SettingHideMessage};

TEST(Settings, ValueNamesFollowTheIndex)
{
    const char* names[] = {"Visibled", "StartDate", "CritDayCount", "ClearDayCount",
                           "Autoload", "CritRed",   "Lang",         "HideMessage"};
    for (int i = 0; i < 8; ++i)
        EXPECT_STREQ(names[i], SettingValueName(static_cast<SettingId>(i)));
    EXPECT_EQ(nullptr, SettingValueName(static_cast<SettingId>(8)));
    EXPECT_EQ(nullptr, SettingValueName(static_cast<SettingId>(-1)));
    EXPECT_EQ(kSettingsPath, SettingsKeyPath());
}

TEST(Settings, MissingValuesReadAsDefaultsAndAreNotWrittenBack)
{
    EXPECT_EQ(1u, ReadSettingDword(SettingVisibled));
    EXPECT_EQ(3u, ReadSettingDword(SettingCritDayCount));
    EXPECT_EQ(28u, ReadSettingDword(SettingClearDayCount));
    EXPECT_EQ(0u, ReadSettingDword(SettingAutoload));
    EXPECT_EQ(1u, ReadSettingDword(SettingCritRed));
    EXPECT_EQ(0u, ReadSettingDword(SettingHideMessage));

    std::string lang = "something";
    EXPECT_FALSE(ReadSettingText(SettingLang, lang));
    EXPECT_EQ("english", lang);
    std::string start = "something";
    EXPECT_FALSE(ReadSettingText(SettingStartDate, start));
    EXPECT_EQ("", start);

    for (int i = 0; i < 8; ++i)
        EXPECT_FALSE(
            GetRaw(HKEY_CURRENT_USER, kSettingsPath, SettingValueName(static_cast<SettingId>(i)))
                .exists);
}

TEST(Settings, AMereReadCreatesTheKey)
{
    EXPECT_FALSE(RegistryKeyExists(HKEY_CURRENT_USER, kSettingsPath));
    ReadSettingDword(SettingCritRed);
    EXPECT_TRUE(RegistryKeyExists(HKEY_CURRENT_USER, kSettingsPath));
    EXPECT_TRUE(static_cast<bool>(OpenSettingsKey()));
}

TEST(Settings, RegistryKeyExistsRefusesMissingArguments)
{
    CreateKey(HKEY_CURRENT_USER, "Software\\Present");
    EXPECT_TRUE(RegistryKeyExists(HKEY_CURRENT_USER, "Software\\Present"));
    EXPECT_FALSE(RegistryKeyExists(HKEY_CURRENT_USER, "Software\\Absent"));
    EXPECT_FALSE(RegistryKeyExists(nullptr, "Software\\Present"));
    EXPECT_FALSE(RegistryKeyExists(HKEY_CURRENT_USER, ""));
    EXPECT_FALSE(RegistryKeyExists(HKEY_CURRENT_USER, nullptr));
}

TEST(Settings, DwordValuesRoundTripAsRegDword)
{
    DWORD value = 100;
    for (SettingId id : kDwordIds) {
        ASSERT_TRUE(WriteSettingDword(id, value));
        const RawValue raw = GetRaw(HKEY_CURRENT_USER, kSettingsPath, SettingValueName(id));
        EXPECT_EQ(static_cast<DWORD>(REG_DWORD), raw.type);
        EXPECT_EQ(4u, raw.data.size());
        EXPECT_EQ(value, ReadSettingDword(id));
        ++value;
    }
    ASSERT_TRUE(WriteSettingDword(SettingCritDayCount, 0xFFFFFFFFu));
    EXPECT_EQ(0xFFFFFFFFu, ReadSettingDword(SettingCritDayCount));
    ASSERT_TRUE(WriteSettingDword(SettingCritRed, 0));
    EXPECT_EQ(0u, ReadSettingDword(SettingCritRed));
}

TEST(Settings, OversizeOrOddDwordDataIsSafe)
{
    const char eight[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    SetRaw(HKEY_CURRENT_USER, kSettingsPath, "CritDayCount", REG_BINARY, eight, 8);
    EXPECT_EQ(3u, ReadSettingDword(SettingCritDayCount));
    const char two[2] = {7, 0};
    SetRaw(HKEY_CURRENT_USER, kSettingsPath, "ClearDayCount", REG_BINARY, two, 2);
    EXPECT_EQ(7u, ReadSettingDword(SettingClearDayCount));
}

TEST(Settings, RefusedIndicesReadNothingAndWriteNothing)
{
    for (int index : {1, 6, 8, -1}) {
        const SettingId id = static_cast<SettingId>(index);
        EXPECT_EQ(0u, ReadSettingDword(id)) << index;
        EXPECT_FALSE(WriteSettingDword(id, 5)) << index;
    }
    for (int index : {0, 2, 7, 8, -1}) {
        const SettingId id = static_cast<SettingId>(index);
        std::string text = "unchanged";
        EXPECT_FALSE(ReadSettingText(id, text)) << index;
        EXPECT_EQ("unchanged", text);
        EXPECT_FALSE(WriteSettingText(id, "text")) << index;
    }
    EXPECT_FALSE(WriteSettingText(SettingLang, static_cast<const char*>(nullptr)));
    for (const char* name : {"Visibled", "StartDate", "CritDayCount", "Lang", "HideMessage"})
        EXPECT_FALSE(GetRaw(HKEY_CURRENT_USER, kSettingsPath, name).exists) << name;
}

TEST(Settings, TextValuesRoundTripWithTheirNul)
{
    ASSERT_TRUE(WriteSettingText(SettingLang, "deutsch"));
    const RawValue raw = GetRaw(HKEY_CURRENT_USER, kSettingsPath, "Lang");
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), raw.type);
    EXPECT_EQ(std::string("deutsch", 8), raw.data);
    std::string text;
    EXPECT_TRUE(ReadSettingText(SettingLang, text));
    EXPECT_EQ("deutsch", text);

    ASSERT_TRUE(WriteSettingText(SettingLang, std::string()));
    text = "x";
    EXPECT_TRUE(ReadSettingText(SettingLang, text));
    EXPECT_EQ("", text);
}

TEST(Settings, TextLongerThanTheBufferGivesTheDefault)
{
    const std::string longest(kSettingTextBufferSize - 1, 'a'); // fits with its NUL
    ASSERT_TRUE(WriteSettingText(SettingLang, longest));
    std::string text;
    EXPECT_TRUE(ReadSettingText(SettingLang, text));
    EXPECT_EQ(longest, text);

    const std::string tooLong(kSettingTextBufferSize, 'b');
    EXPECT_FALSE(WriteSettingText(SettingLang, tooLong));
    ASSERT_TRUE(SetRaw(HKEY_CURRENT_USER, kSettingsPath, "Lang", REG_SZ, tooLong.c_str(),
                       static_cast<DWORD>(tooLong.size() + 1)));
    EXPECT_FALSE(ReadSettingText(SettingLang, text));
    EXPECT_EQ("english", text);

    // The same length stored without a NUL still has no room for one.
    ASSERT_TRUE(SetRaw(HKEY_CURRENT_USER, kSettingsPath, "Lang", REG_SZ, tooLong.c_str(),
                       static_cast<DWORD>(tooLong.size())));
    text = "x";
    EXPECT_FALSE(ReadSettingText(SettingLang, text));
    EXPECT_EQ("english", text);

    const std::string huge(100000, 'c');
    ASSERT_TRUE(SetRaw(HKEY_CURRENT_USER, kSettingsPath, "StartDate", REG_SZ, huge.c_str(),
                       static_cast<DWORD>(huge.size() + 1)));
    text = "x";
    EXPECT_FALSE(ReadSettingText(SettingStartDate, text));
    EXPECT_EQ("", text);
}

TEST(Settings, TextStoredWithoutNulEndsAtItsLastByte)
{
    ASSERT_TRUE(SetRaw(HKEY_CURRENT_USER, kSettingsPath, "Lang", REG_SZ, "german", 6));
    std::string text;
    EXPECT_TRUE(ReadSettingText(SettingLang, text));
    EXPECT_EQ("german", text);

    ASSERT_TRUE(SetRaw(HKEY_CURRENT_USER, kSettingsPath, "Lang", REG_SZ, "fr\0junk", 7));
    EXPECT_TRUE(ReadSettingText(SettingLang, text));
    EXPECT_EQ("fr", text);
}

} // namespace
