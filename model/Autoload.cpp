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

} // namespace

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
