#include "tests/dpi/DisplayScale.h"

#include <windows.h>

#include <sddl.h>

#include <cstdlib>
#include <memory>

namespace dpi_testing {
namespace {

constexpr char kDpiVariable[] = "VELINDRA_TEST_DPI";
constexpr DWORD kTimeout = 180000; // milliseconds

// The user's own Control Panel\Desktop key (HKEY_CURRENT_USER of this
// process is the test's registry sandbox), through HKEY_USERS.
HKEY OpenDesktopKey()
{
    HANDLE token = nullptr;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &token))
        return nullptr;
    BYTE buffer[256] = {};
    DWORD size = 0;
    char* sid = nullptr;
    const bool named =
        ::GetTokenInformation(token, TokenUser, buffer, sizeof(buffer), &size) &&
        ::ConvertSidToStringSidA(reinterpret_cast<TOKEN_USER*>(buffer)->User.Sid, &sid);
    ::CloseHandle(token);
    if (!named)
        return nullptr;
    const std::string path = std::string(sid) + "\\Control Panel\\Desktop";
    ::LocalFree(sid);
    HKEY key = nullptr;
    if (::RegCreateKeyExA(HKEY_USERS, path.c_str(), 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE,
                          nullptr, &key, nullptr) != ERROR_SUCCESS)
        return nullptr;
    return key;
}

// Sets LogPixels and puts back what was there (or nothing) on destruction.
class LogPixelsSetting {
public:
    explicit LogPixelsSetting(int dpi) : key_(OpenDesktopKey())
    {
        DWORD size = sizeof(previous_);
        had_ =
            key_ && ::RegQueryValueExA(key_, "LogPixels", nullptr, nullptr,
                                       reinterpret_cast<BYTE*>(&previous_), &size) == ERROR_SUCCESS;
        Write(static_cast<DWORD>(dpi));
    }
    ~LogPixelsSetting()
    {
        if (had_)
            Write(previous_);
        else if (key_)
            ::RegDeleteValueA(key_, "LogPixels");
        if (key_)
            ::RegCloseKey(key_);
    }
    LogPixelsSetting(const LogPixelsSetting&) = delete;
    LogPixelsSetting& operator=(const LogPixelsSetting&) = delete;
    bool IsSet() const { return key_ != nullptr; }

private:
    void Write(DWORD value)
    {
        if (key_)
            ::RegSetValueExA(key_, "LogPixels", 0, REG_DWORD, reinterpret_cast<BYTE*>(&value),
                             sizeof(value));
    }
    HKEY key_;
    DWORD previous_ = 0;
    bool had_ = false;
};

int RunChild(const std::string& filter)
{
    char self[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string command = std::string("\"") + self + "\" --gtest_filter=" + filter;
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!::CreateProcessA(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                          &startup, &process))
        return -1;
    DWORD code = static_cast<DWORD>(-1);
    if (::WaitForSingleObject(process.hProcess, kTimeout) == WAIT_OBJECT_0)
        ::GetExitCodeProcess(process.hProcess, &code);
    else
        ::TerminateProcess(process.hProcess, 1);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return static_cast<int>(code);
}

} // namespace

int RequestedDpi()
{
    const char* value = std::getenv(kDpiVariable);
    return value ? std::atoi(value) : 0;
}

int RunAtDpi(int dpi, const std::string& filter)
{
    LogPixelsSetting setting(dpi);
    if (!setting.IsSet())
        return -1;
    ::SetEnvironmentVariableA(kDpiVariable, std::to_string(dpi).c_str());
    const int code = RunChild(filter);
    ::SetEnvironmentVariableA(kDpiVariable, nullptr);
    return code;
}

} // namespace dpi_testing
