#include <gtest/gtest.h>

#include "framework/TextCodec.h"
#include "model/Settings.h"
#include "tests/model/RegistryHelpers.h"

using namespace model_tests;

namespace {

const char kRun[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const char kRunNt[] = "Software\\Microsoft\\Windows NT\\CurrentVersion\\Run";

const std::wstring kExe = L"C:\\Program Files\\Velindra\\velindra.exe";

std::string QuotedExePath()
{
    return "\"C:\\Program Files\\Velindra\\velindra.exe\"" + std::string(1, '\0');
}

RawValue RunValue(HKEY root, const char* path)
{
    return GetRaw(root, path, "Velindra");
}

void SetAutoload(bool enable)
{
    ::SetAutoload(enable, kExe);
}

// The Run value as UTF-16, the form in which Windows reads it.
std::wstring WideRunValue(HKEY root, const char* path)
{
    wchar_t value[1024] = {};
    DWORD size = sizeof(value);
    if (RegGetValueW(root, fw::WidenUtf8(path).c_str(), L"Velindra", RRF_RT_REG_SZ, nullptr, value,
                     &size) != ERROR_SUCCESS)
        return std::wstring();
    return value;
}

TEST(Autoload, StoresTheQuotedPathUnderTheMachineRunKey)
{
    CreateKey(HKEY_LOCAL_MACHINE, kRun);
    SetRaw(HKEY_LOCAL_MACHINE, kRun, "Other", REG_SZ, "other.exe", 10);
    SetAutoload(true);
    const RawValue value = RunValue(HKEY_LOCAL_MACHINE, kRun);
    ASSERT_TRUE(value.exists);
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), value.type);
    EXPECT_EQ(QuotedExePath(), value.data);
    EXPECT_FALSE(RunValue(HKEY_CURRENT_USER, kRun).exists);

    SetAutoload(false);
    EXPECT_FALSE(RunValue(HKEY_LOCAL_MACHINE, kRun).exists);
    EXPECT_TRUE(GetRaw(HKEY_LOCAL_MACHINE, kRun, "Other").exists);
}

TEST(Autoload, UsesTheNtRunKeyWhenTheFirstIsMissing)
{
    CreateKey(HKEY_LOCAL_MACHINE, kRunNt);
    SetAutoload(true);
    EXPECT_EQ(QuotedExePath(), RunValue(HKEY_LOCAL_MACHINE, kRunNt).data);
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kRun));
    EXPECT_FALSE(RunValue(HKEY_CURRENT_USER, kRun).exists);
    SetAutoload(false);
    EXPECT_FALSE(RunValue(HKEY_LOCAL_MACHINE, kRunNt).exists);
}

TEST(Autoload, FallsBackToTheUserRunKey)
{
    ASSERT_FALSE(KeyExists(HKEY_CURRENT_USER, kRun));
    SetAutoload(true);
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kRun));
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kRunNt));
    const RawValue value = RunValue(HKEY_CURRENT_USER, kRun);
    ASSERT_TRUE(value.exists);
    EXPECT_EQ(QuotedExePath(), value.data);

    SetAutoload(false);
    EXPECT_FALSE(RunValue(HKEY_CURRENT_USER, kRun).exists);
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kRun));
}

TEST(Autoload, DisablingRemovesTheValueEverywhere)
{
    for (auto run :
         {std::make_pair(HKEY_LOCAL_MACHINE, kRun), std::make_pair(HKEY_LOCAL_MACHINE, kRunNt),
          std::make_pair(HKEY_CURRENT_USER, kRun)})
        SetRaw(run.first, run.second, "Velindra", REG_SZ, "x", 2);
    SetAutoload(false);
    EXPECT_FALSE(RunValue(HKEY_LOCAL_MACHINE, kRun).exists);
    EXPECT_FALSE(RunValue(HKEY_LOCAL_MACHINE, kRunNt).exists);
    EXPECT_FALSE(RunValue(HKEY_CURRENT_USER, kRun).exists);
}

TEST(Autoload, EnablingLeavesASingleValue)
{
    SetRaw(HKEY_CURRENT_USER, kRun, "Velindra", REG_SZ, "stale", 6);
    CreateKey(HKEY_LOCAL_MACHINE, kRun);
    SetAutoload(true);
    EXPECT_TRUE(RunValue(HKEY_LOCAL_MACHINE, kRun).exists);
    EXPECT_FALSE(RunValue(HKEY_CURRENT_USER, kRun).exists);
}

TEST(Autoload, DisablingWithNoRunKeysChangesNothing)
{
    SetAutoload(false);
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kRun));
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kRun));
}

TEST(Autoload, StoresAnyPathWholeAndQuoted)
{
    const std::wstring paths[] = {
        L"C:\\\u0442\u0435\u0441\u0442\u2713 \u65E5\u672C \U0001F389\\velindra.exe",
        L"C:\\" + std::wstring(300, L'x') + L"\\velindra.exe",
        L"\\\\server\\share\\Velindra\\velindra.exe",
    };
    CreateKey(HKEY_LOCAL_MACHINE, kRun);
    for (const std::wstring& path : paths) {
        ::SetAutoload(true, path);
        EXPECT_EQ(L"\"" + path + L"\"", WideRunValue(HKEY_LOCAL_MACHINE, kRun));
    }
    ::SetAutoload(true, L"");
    EXPECT_EQ(L"\"" + paths[2] + L"\"", WideRunValue(HKEY_LOCAL_MACHINE, kRun))
        << "an unknown path changes nothing";
}

} // namespace
