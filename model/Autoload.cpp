// Starting with Windows: the Run value named after the program, holding the
// quoted path of the executable.
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

// The executable's path in double quotes, so that blanks in it are safe;
// empty when the path cannot be had whole.
std::string QuotedModulePath()
{
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return std::string();
    return "\"" + std::string(path, length) + "\"";
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
        RegDeleteValueA(key.Get(), velindra::kAppName);
}

bool StoreRunValue(const RegKey& key, const std::string& value)
{
    return RegSetValueExA(key.Get(), velindra::kAppName, 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

} // namespace

void SetAutoload(bool enable)
{
    const size_t count = sizeof(kRunKeys) / sizeof(kRunKeys[0]);
    if (!enable) {
        for (size_t i = 0; i < count; ++i)
            RemoveRunValue(kRunKeys[i]);
        return;
    }
    const std::string value = QuotedModulePath();
    if (value.empty())
        return;
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
