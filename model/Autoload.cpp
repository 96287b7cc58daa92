// Starting with Windows: the Run value named after the program, holding the
// quoted path of the executable.
#include <cstring>
#include <string>

#include "model/AppIdentity.h"
#include "model/Settings.h"

namespace {

const char kMachineRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const char kMachineRunKeyNt[] = "Software\\Microsoft\\Windows NT\\CurrentVersion\\Run";
const char kUserRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

struct RunKey {
    HKEY root;
    const char* path;
};

// In order of preference; the machine-wide keys need administrator rights.
const RunKey kRunKeys[] = {
    {HKEY_LOCAL_MACHINE, kMachineRunKey},
    {HKEY_LOCAL_MACHINE, kMachineRunKeyNt},
    {HKEY_CURRENT_USER, kUserRunKey},
};

std::wstring ValueName()
{
    const char* name = velindra::kAppName;
    return std::wstring(name, name + std::strlen(name));
}

RegKey OpenRunKeyForWriting(const RunKey& run)
{
    if (run.root == HKEY_CURRENT_USER)
        return RegKey::Create(run.root, run.path, KEY_WRITE);
    return RegKey::Open(run.root, run.path, KEY_WRITE);
}

void RemoveRunValue(const RunKey& run)
{
    const RegKey key = RegKey::Open(run.root, run.path, KEY_WRITE);
    if (key)
        RegDeleteValueW(key.Get(), ValueName().c_str());
}

bool StoreRunValue(const RegKey& key, const std::wstring& value)
{
    return RegSetValueExW(key.Get(), ValueName().c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))) ==
           ERROR_SUCCESS;
}

// The executable path a Run value names: its text without the quotes.
std::wstring RunValuePath(const RunKey& run)
{
    const RegKey key = RegKey::Open(run.root, run.path, KEY_READ);
    wchar_t buffer[32768] = {};
    DWORD size = sizeof(buffer) - sizeof(wchar_t);
    DWORD type = REG_NONE;
    if (!key ||
        RegQueryValueExW(key.Get(), ValueName().c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(buffer), &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return std::wstring();
    std::wstring path(buffer, size / sizeof(wchar_t));
    path.erase(path.find(L'\0') == std::wstring::npos ? path.size() : path.find(L'\0'));
    if (path.size() >= 2 && path.front() == L'"' && path.back() == L'"')
        path = path.substr(1, path.size() - 2);
    return path;
}

} // namespace

bool StartsWithWindows(const std::wstring& executablePath)
{
    if (executablePath.empty())
        return false;
    for (const RunKey& run : kRunKeys) {
        const std::wstring named = RunValuePath(run);
        if (!named.empty() &&
            CompareStringOrdinal(named.c_str(), static_cast<int>(named.size()),
                                 executablePath.c_str(), static_cast<int>(executablePath.size()),
                                 TRUE) == CSTR_EQUAL)
            return true;
    }
    return false;
}

void HonourAutoloadWish(const SettingsStore& settings, const std::wstring& executablePath)
{
    if (settings.ReadDword(SettingAutoload) != 0 && !StartsWithWindows(executablePath))
        SetAutoload(true, executablePath);
}

void SetAutoload(bool enable, const std::wstring& executablePath)
{
    const size_t count = sizeof(kRunKeys) / sizeof(kRunKeys[0]);
    if (!enable) {
        for (size_t i = 0; i < count; ++i)
            RemoveRunValue(kRunKeys[i]);
        return;
    }
    if (executablePath.empty() || executablePath.find(L'\0') != std::wstring::npos)
        return;
    // In double quotes, so that blanks in the path are safe.
    const std::wstring value = L"\"" + executablePath + L"\"";
    for (size_t i = 0; i < count; ++i) {
        const RegKey key = OpenRunKeyForWriting(kRunKeys[i]);
        if (!key || !StoreRunValue(key, value))
            continue;
        // One value only, or the program would be started twice.
        for (size_t j = i + 1; j < count; ++j)
            RemoveRunValue(kRunKeys[j]);
        return;
    }
}
