// The settings store: what every stored value reads as, what is written, the
// start date's text, and the Run value that starts the program with Windows.
#include <gtest/gtest.h>

#include <iterator>
#include <sstream>
#include <tuple>
#include <vector>

#include "framework/TextCodec.h"
#include "model/RegKey.h"
#include "model/Settings.h"

namespace {

const char kSettingsPath[] = "Software\\Orrowby\\Velindra";
SettingsStore store(HKEY_CURRENT_USER, kSettingsPath);

// Stores the bytes as they are (a REG_SZ given in ANSI is kept as UTF-16),
// creating the key when missing.
bool SetRaw(HKEY root, const char* path, const char* name, DWORD type, const std::string& bytes)
{
    return RegSetKeyValueA(root, path, name, type, bytes.data(),
                           static_cast<DWORD>(bytes.size())) == ERROR_SUCCESS;
}

struct RawValue {
    DWORD type = REG_NONE; // REG_NONE: no such value
    std::string bytes;     // as stored: texts in UTF-16 with their NUL
};

RawValue GetRaw(HKEY root, const char* path, const char* name)
{
    RawValue raw;
    const RegKey key = RegKey::Open(root, path, KEY_READ);
    const std::wstring wide = fw::Wide(name);
    DWORD size = 0;
    if (!key || RegQueryValueExW(key.Get(), wide.c_str(), nullptr, nullptr, nullptr, &size))
        return raw;
    raw.bytes.assign(size, '\0');
    if (RegQueryValueExW(key.Get(), wide.c_str(), nullptr, &raw.type,
                         reinterpret_cast<BYTE*>(&raw.bytes[0]), &size) != ERROR_SUCCESS)
        raw = RawValue();
    return raw;
}

std::string Dword(DWORD value)
{
    return std::string(reinterpret_cast<const char*>(&value), sizeof(value));
}
std::string Utf16(const std::wstring& text) // with its NUL
{
    return std::string(reinterpret_cast<const char*>(text.c_str()),
                       (text.size() + 1) * sizeof(wchar_t));
}

// The registry value names, by id.
const std::vector<std::string> kNames = [] {
    std::istringstream names("Visibled StartDate CritDayCount ClearDayCount Autoload CritRed Lang "
                             "HideMessage Remind RemindDays RemindedPeriod PeriodRecord "
                             "DismissedSuggestion RemindedPeriods FirstStartAnswered");
    return std::vector<std::string>(std::istream_iterator<std::string>(names), {});
}();
const int kSettingCount = static_cast<int>(kNames.size());
const std::string kTooLong(kSettingTextBufferSize, 'b');

RawValue Stored(const std::string& name)
{
    return GetRaw(HKEY_CURRENT_USER, kSettingsPath, name.c_str());
}

TEST(Settings, MissingValuesReadAsTheirDefaultsWhichAreNeverWritten)
{
    // Each DWORD setting's id and default.
    const DWORD defaults[][2] = {{0, 1}, {2, 3}, {3, 28}, {4, 0},  {5, 1}, {7, 0},
                                 {8, 0}, {9, 2}, {10, 0}, {12, 0}, {14, 1}};
    for (const auto& [id, value] : defaults)
        EXPECT_EQ(value, store.ReadDword(SettingId(id))) << kNames[id];
    std::string lang = "x", start = "x";
    EXPECT_FALSE(store.ReadText(SettingLang, lang) || store.ReadText(SettingStartDate, start));
    EXPECT_EQ("english", lang);
    EXPECT_EQ("", start);
    EXPECT_TRUE(RegistryKeyExists(HKEY_CURRENT_USER, kSettingsPath)) << "a read makes the key";
    EXPECT_FALSE(RegistryKeyExists(HKEY_CURRENT_USER, "Software\\Absent") ||
                 RegistryKeyExists(nullptr, kSettingsPath) ||
                 RegistryKeyExists(HKEY_CURRENT_USER, "") ||
                 RegistryKeyExists(HKEY_CURRENT_USER, nullptr));
    EXPECT_FALSE(RegKey::Open(HKEY_CURRENT_USER, nullptr, KEY_READ) ||
                 RegKey::Create(HKEY_CURRENT_USER, nullptr, KEY_READ));
    for (int id = 0; id < kSettingCount; ++id)
        EXPECT_EQ(REG_NONE, Stored(kNames[id]).type) << kNames[id];
}

// A DWORD is read by one rule: a wrong type or size, or a count outside the
// range its page offers, counts as missing; a flag reads as 0 or 1.
TEST(Settings, EveryStoredDwordIsReadByOneRule)
{
    // (The counts' ranges are CycleCountRule's: one row each shows it applied.)
    const DWORD table[][3] = {{2, 30, 30}, {2, 31, 3}, {2, ~0u, 3}, {3, 90, 90},   {3, 2, 28},
                              {9, 7, 7},   {9, 0, 2},  {5, 0, 0},   {5, 7, 1},     {0, 0, 0},
                              {4, 2, 1},   {7, 1, 1},  {8, 3, 1},   {10, ~0u, ~0u}};
    for (const auto& row : table) {
        ASSERT_TRUE(SetRaw(HKEY_CURRENT_USER, kSettingsPath, kNames[row[0]].c_str(), REG_DWORD,
                           Dword(row[1])));
        EXPECT_EQ(row[2], store.ReadDword(SettingId(row[0]))) << kNames[row[0]] << row[1];
    }
    const std::pair<DWORD, std::string> misfits[] = {{REG_SZ, std::string("5", 2)},
                                                     {REG_BINARY, Dword(5)},
                                                     {REG_DWORD_BIG_ENDIAN, Dword(5)},
                                                     {REG_DWORD, std::string("\5\0", 2)},
                                                     {REG_DWORD, Dword(5) + Dword(5)}};
    for (const auto& misfit : misfits) {
        ASSERT_TRUE(
            SetRaw(HKEY_CURRENT_USER, kSettingsPath, "CritDayCount", misfit.first, misfit.second));
        EXPECT_EQ(3u, SettingsReader(store).ReadDword(SettingCritDayCount)) << misfit.first;
        EXPECT_EQ(misfit.first, Stored("CritDayCount").type) << "never written back";
    }
    for (const char* name : {"Remind", "RemindDays"})
        ASSERT_TRUE(SetRaw(HKEY_CURRENT_USER, kSettingsPath, name, REG_SZ, "5"));
    EXPECT_TRUE(store.ReadDword(SettingRemind) == 0 && store.ReadDword(SettingRemindDays) == 2);
    for (int id : {0, 2, 3, 4, 5, 7, 8, 9, 10, 12, 14}) {
        ASSERT_TRUE(store.WriteDword(SettingId(id), 5));
        EXPECT_EQ(Dword(5), Stored(kNames[id]).bytes) << kNames[id];
    }
}

// Texts are UTF-8 in the program and UTF-16, with their NUL, in the registry;
// a reader reads what is stored when it reads, not when it was made. A text
// stored otherwise reads as it ends, or as missing.
TEST(Settings, TextsRoundTripInAnyScriptUpToTheBufferSize)
{
    const SettingsReader reader(store);
    for (const std::string& text :
         {std::string("\xD1\x80\xD1\x83\xD1\x81\xD1\x81\xD0\xBA\xD0\xB8\xD0\xB9"),
          std::string("\xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x8E\x89"), std::string(),
          std::string(kSettingTextBufferSize - 1, 'a')}) {
        ASSERT_TRUE(store.WriteText(SettingLang, text));
        EXPECT_EQ(Utf16(fw::Wide(text)), Stored("Lang").bytes);
        std::string read = "x";
        EXPECT_TRUE(reader.ReadText(SettingLang, read));
        EXPECT_EQ(text, read);
    }
    EXPECT_FALSE(store.WriteText(SettingLang, "\xFF\xFE not UTF-8"));
    EXPECT_FALSE(store.WriteText(SettingLang, kTooLong));
    EXPECT_FALSE(store.WriteText(SettingLang, static_cast<const char*>(nullptr)));
    EXPECT_EQ(Utf16(std::wstring(kSettingTextBufferSize - 1, L'a')), Stored("Lang").bytes);
    // Stored by others: the type, the bytes and what is read ("english": the default).
    const std::tuple<DWORD, std::string, std::string> table[] = {
        {REG_SZ, "german", "german"}, // stored without its NUL
        {REG_SZ, std::string("fr\0junk", 7), "fr"},
        {REG_EXPAND_SZ, "german", "english"},
        {REG_MULTI_SZ, std::string("german\0", 8), "english"},
        {REG_BINARY, "german", "english"},
        {REG_SZ, kTooLong, "english"},
        {REG_SZ, kTooLong + '\0', "english"},
    };
    for (const auto& [type, bytes, read] : table) {
        ASSERT_TRUE(SetRaw(HKEY_CURRENT_USER, kSettingsPath, "Lang", type, bytes));
        std::string text = "x";
        EXPECT_EQ(read != "english", store.ReadText(SettingLang, text)) << bytes.size();
        EXPECT_EQ(read, text) << type << " " << bytes.size();
    }
}

TEST(Settings, RefusedIndicesReadNothingAndWriteNothing)
{
    for (int index : {1, 6, 11, 13, kSettingCount, -1}) {
        EXPECT_EQ(0u, store.ReadDword(SettingId(index))) << index;
        EXPECT_FALSE(store.WriteDword(SettingId(index), 5)) << index;
    }
    for (int index : {0, 2, 7, 10, 12, 14, kSettingCount, -1}) {
        std::string text = "unchanged";
        EXPECT_FALSE(store.ReadText(SettingId(index), text) || text != "unchanged") << index;
        EXPECT_FALSE(store.WriteText(SettingId(index), "text")) << index;
    }
    EXPECT_TRUE(!SettingValueName(SettingId(kSettingCount)) && !SettingValueName(SettingId(-1)));
    for (const std::string& name : kNames)
        EXPECT_EQ(REG_NONE, Stored(name).type) << name;
}

// A stored start date reads as itself; one that is missing, unreadable or out
// of the date picker's range (1752-09-14 to 9999-12-31 00:00:00) as the
// caller's now, and an impossible one as that with invalid status.
TEST(StartDate, StoredTextsReadAsTheirDateOrNow)
{
    const COleDateTime date(2004, 9, 20, 14, 5, 0), now(2026, 1, 2, 3, 4, 5);
    COleDateTime value;
    auto expect = [&](const char* text, bool read, bool impossible) {
        SCOPED_TRACE(text ? text : "nothing stored");
        ASSERT_TRUE(!text || store.WriteText(SettingStartDate, text));
        value = COleDateTime(1999, 1, 1, 0, 0, 0);
        EXPECT_EQ(read, store.ReadStartDate(now, value));
        EXPECT_EQ(impossible, value.GetStatus() == COleDateTime::invalid);
        value.SetStatus(COleDateTime::valid);
        EXPECT_EQ(read ? date : now, value);
    };
    expect(nullptr, false, false);
    for (const char* text : {"2004 9 20 14 5 0", "  2004\t 9  20\r\n14 5   0 ",
                             "2004 9 20 14 5 0 and", "2004 9 20 14 5 0 7 8"})
        expect(text, true, false);
    for (const char* text : {"", "2004 9 20", "2004 9 20 14 5 x", "2004,9,20,14,5,0",
                             "1752 9 13 23 59 59", "100 1 1 0 0 0", "9999 12 31 0 0 1"})
        expect(text, false, false);
    for (const char* text :
         {"2004 13 20 14 5 0", "2004 4 31 0 0 0", "2004 9 20 24 0 0", "2003 2 29 0 0 0",
          "99 1 1 0 0 0", "2004 -9 20 14 5 0", "2004 9 20 14 5 -1", "99999999999999 1 1 0 0 0"})
        expect(text, false, true);
}

TEST(StartDate, WrittenDatesReadBackToTheSecond)
{
    for (const COleDateTime& date :
         {COleDateTime(2004, 2, 29, 23, 59, 59), COleDateTime(1960, 5, 1, 0, 0, 1),
          COleDateTime(1752, 9, 14, 0, 0, 0), COleDateTime(9999, 12, 31, 0, 0, 0),
          COleDateTime(2004, 9, 20, 14, 5, 0)}) {
        ASSERT_TRUE(store.WriteStartDate(date));
        COleDateTime read;
        EXPECT_TRUE(store.ReadStartDate(COleDateTime(), read));
        EXPECT_EQ(date, read);
    }
    COleDateTime invalid(2004, 9, 20, 14, 5, 0);
    invalid.SetStatus(COleDateTime::invalid);
    for (const COleDateTime& refused :
         {invalid, COleDateTime(1752, 9, 13, 12, 0, 0), COleDateTime(9999, 12, 31, 0, 0, 1)})
        EXPECT_FALSE(store.WriteStartDate(refused));
    EXPECT_EQ(Utf16(L"2004 9 20 14 5 0"), Stored("StartDate").bytes);
    EXPECT_EQ(REG_NONE, Stored("Lang").type);
}

const char kRun[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const char kRunNt[] = "Software\\Microsoft\\Windows NT\\CurrentVersion\\Run";
const HKEY kMachine = HKEY_LOCAL_MACHINE, kUser = HKEY_CURRENT_USER;

// The quoted path goes under the first Run key that exists, the machine's
// (that needs administrator rights) before the user's (made when missing),
// and once only; disabling removes it from every Run key.
TEST(Autoload, OneQuotedValueUnderTheFirstRunKeyRemovedFromAll)
{
    const std::wstring exe = L"C:\\Program Files\\Velindra\\velindra.exe";
    const std::string quoted = Utf16(L"\"" + exe + L"\"");
    SetAutoload(false);
    EXPECT_FALSE(RegistryKeyExists(kUser, kRun) || RegistryKeyExists(kMachine, kRunNt));
    SetRaw(kMachine, kRunNt, "Other", REG_SZ, "o");
    SetAutoload(true, exe);
    EXPECT_EQ(quoted, GetRaw(kMachine, kRunNt, "Velindra").bytes);
    EXPECT_FALSE(RegistryKeyExists(kUser, kRun) || RegistryKeyExists(kMachine, kRun));
    SetRaw(kMachine, kRun, "Other", REG_SZ, "o");
    SetRaw(kUser, kRun, "Velindra", REG_SZ, "stale");
    SetAutoload(true, exe);
    EXPECT_EQ(quoted, GetRaw(kMachine, kRun, "Velindra").bytes);
    EXPECT_EQ(REG_NONE, GetRaw(kMachine, kRunNt, "Velindra").type);
    EXPECT_EQ(REG_NONE, GetRaw(kUser, kRun, "Velindra").type);
    SetRaw(kMachine, kRunNt, "Velindra", REG_SZ, "x");
    SetRaw(kUser, kRun, "Velindra", REG_SZ, "x");
    SetAutoload(false);
    for (const char* path : {kRun, kRunNt})
        EXPECT_TRUE(GetRaw(kMachine, path, "Velindra").type == REG_NONE &&
                    GetRaw(kMachine, path, "Other").type == REG_SZ);
    EXPECT_EQ(REG_NONE, GetRaw(kUser, kRun, "Velindra").type);
}

TEST(Autoload, WithNoMachineRunKeyAnyPathGoesWholeUnderTheUsersAndNoPathChangesNothing)
{
    const std::wstring paths[] = {
        L"C:\\\u0442\u0435\u0441\u0442\u2713 \u65E5\u672C \U0001F389\\velindra.exe",
        L"C:\\" + std::wstring(300, L'x') + L"\\velindra.exe",
        L"\\\\server\\share\\Velindra\\velindra.exe"};
    for (const std::wstring& path : paths) {
        SetAutoload(true, path);
        EXPECT_EQ(Utf16(L"\"" + path + L"\""), GetRaw(kUser, kRun, "Velindra").bytes);
    }
    for (const std::wstring& unknown : {std::wstring(), std::wstring(L"C:\\a\0b.exe", 10)})
        SetAutoload(true, unknown);
    EXPECT_EQ(Utf16(L"\"" + paths[2] + L"\""), GetRaw(kUser, kRun, "Velindra").bytes);
    EXPECT_FALSE(RegistryKeyExists(kMachine, kRun) || RegistryKeyExists(kMachine, kRunNt));
}

// A stored wish to start with Windows is honoured for this program when its
// Run value is missing or names another copy; a Run value nobody wished for is
// left alone.
TEST(Autoload, AStoredWishIsHonouredForThisProgram)
{
    const char* const self = "\"C:\\New\\velindra.exe\"";
    const char* const old = "\"C:\\Old\\velindra.exe\"";
    const struct {
        DWORD wish;
        const char* runValue; // null: none
        const char* expected; // null: none
    } table[] = {{1, nullptr, self}, {1, old, self}, {0, old, old}, {0, nullptr, nullptr}};
    for (const auto& row : table) {
        RegDeleteTreeA(kUser, kRun);
        ASSERT_TRUE(store.WriteDword(SettingAutoload, row.wish));
        if (row.runValue)
            SetRaw(kUser, kRun, "Velindra", REG_SZ, std::string(row.runValue) + '\0');
        HonourAutoloadWish(store, L"C:\\New\\velindra.exe");
        EXPECT_EQ(GetRaw(kUser, kRun, "Velindra").bytes,
                  row.expected ? Utf16(fw::Wide(row.expected)) : "")
            << row.wish << " " << (row.runValue ? row.runValue : "none");
    }
}

} // namespace
