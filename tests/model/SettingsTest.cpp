#include <gtest/gtest.h>

#include "framework/TextCodec.h"
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

// What is stored (type and bytes) and what every reader makes of it.
struct StoredValue {
    SettingId id;
    DWORD type;
    std::string bytes;
    DWORD read;
};

std::string Dword(DWORD value)
{
    return std::string(reinterpret_cast<const char*>(&value), sizeof(value));
}

TEST(Settings, EveryStoredValueIsReadByOneRule)
{
    const StoredValue table[] = {
        {SettingCritDayCount, REG_DWORD, Dword(1), 1},
        {SettingCritDayCount, REG_DWORD, Dword(30), 30},
        {SettingCritDayCount, REG_DWORD, Dword(0), 3},
        {SettingCritDayCount, REG_DWORD, Dword(31), 3},
        {SettingCritDayCount, REG_DWORD, Dword(1000), 3},
        {SettingCritDayCount, REG_DWORD, Dword(0xFFFFFFFFu), 3},
        {SettingCritDayCount, REG_DWORD, Dword(0x80000000u), 3},
        {SettingCritDayCount, REG_SZ, std::string("5", 2), 3},
        {SettingCritDayCount, REG_BINARY, Dword(5), 3},
        {SettingCritDayCount, REG_DWORD, std::string(), 3},
        {SettingCritDayCount, REG_DWORD, std::string("\5\0", 2), 3},
        {SettingCritDayCount, REG_DWORD, Dword(5) + Dword(5), 3},
        {SettingClearDayCount, REG_DWORD, Dword(3), 3},
        {SettingClearDayCount, REG_DWORD, Dword(90), 90},
        {SettingClearDayCount, REG_DWORD, Dword(2), 28},
        {SettingClearDayCount, REG_DWORD, Dword(91), 28},
        {SettingClearDayCount, REG_DWORD_BIG_ENDIAN, Dword(40), 28},
        {SettingCritRed, REG_DWORD, Dword(0), 0},
        {SettingCritRed, REG_DWORD, Dword(7), 1},
        {SettingCritRed, REG_SZ, std::string("0", 2), 1},
        {SettingVisibled, REG_SZ, std::string("0", 2), 1},
        {SettingAutoload, REG_SZ, std::string("1", 2), 0},
        {SettingHideMessage, REG_SZ, std::string("1", 2), 0},
        {SettingHideMessage, REG_DWORD, Dword(1), 1},
    };
    for (const StoredValue& row : table) {
        const char* name = SettingValueName(row.id);
        ASSERT_TRUE(SetRaw(HKEY_CURRENT_USER, kSettingsPath, name, row.type, row.bytes.data(),
                           static_cast<DWORD>(row.bytes.size())));
        EXPECT_EQ(row.read, ReadSettingDword(row.id)) << name << " " << row.type;
        EXPECT_EQ(row.read, SettingsReader().ReadDword(row.id)) << name << " " << row.type;
        EXPECT_EQ(row.type, GetRaw(HKEY_CURRENT_USER, kSettingsPath, name).type)
            << "a default is never written back";
    }
}

TEST(Settings, DwordValuesAreStoredAsRegDword)
{
    for (SettingId id : kDwordIds) {
        ASSERT_TRUE(WriteSettingDword(id, 5));
        const RawValue raw = GetRaw(HKEY_CURRENT_USER, kSettingsPath, SettingValueName(id));
        EXPECT_EQ(static_cast<DWORD>(REG_DWORD), raw.type);
        EXPECT_EQ(Dword(5), raw.data);
    }
}

TEST(Settings, OneReaderReadsSeveralValuesThroughOneKey)
{
    ASSERT_TRUE(WriteSettingDword(SettingCritDayCount, 4));
    ASSERT_TRUE(WriteSettingText(SettingLang, "deutsch"));
    const SettingsReader reader;
    ASSERT_TRUE(WriteSettingDword(SettingClearDayCount, 30)); // seen: nothing is cached
    std::string lang;
    EXPECT_TRUE(reader.ReadText(SettingLang, lang));
    EXPECT_EQ("deutsch", lang);
    EXPECT_EQ(4u, reader.ReadDword(SettingCritDayCount));
    EXPECT_EQ(30u, reader.ReadDword(SettingClearDayCount));
    EXPECT_EQ(0u, reader.ReadDword(SettingLang));
}

TEST(Settings, TextsOfTheWrongTypeReadAsTheirDefaults)
{
    for (DWORD type : {REG_BINARY, REG_EXPAND_SZ, REG_MULTI_SZ, REG_DWORD}) {
        ASSERT_TRUE(SetRaw(HKEY_CURRENT_USER, kSettingsPath, "Lang", type, "german", 7));
        std::string text = "x";
        EXPECT_FALSE(ReadSettingText(SettingLang, text)) << type;
        EXPECT_EQ("english", text) << type;
    }
}

TEST(Settings, TextsRoundTripInAnyScript)
{
    for (const char* name : {"\xD1\x80\xD1\x83\xD1\x81\xD1\x81\xD0\xBA\xD0\xB8\xD0\xB9",
                             "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E \xF0\x9F\x8E\x89",
                             "fran\xC3\xA7"
                             "ais"}) {
        ASSERT_TRUE(WriteSettingText(SettingLang, name));
        std::string text;
        EXPECT_TRUE(ReadSettingText(SettingLang, text));
        EXPECT_EQ(name, text);
        // Stored as UTF-16, as any other program reads it.
        wchar_t stored[64] = {};
        DWORD size = sizeof(stored);
        ASSERT_EQ(ERROR_SUCCESS, RegGetValueW(HKEY_CURRENT_USER, L"Software\\Orrowby\\Velindra",
                                              L"Lang", RRF_RT_REG_SZ, nullptr, stored, &size));
        EXPECT_EQ(fw::WidenUtf8(name), std::wstring(stored));
    }
    EXPECT_FALSE(WriteSettingText(SettingLang, "\xFF\xFE not UTF-8"));
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
