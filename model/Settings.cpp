#include "model/Settings.h"

#include <cstdio>
#include <cstring>

#include "model/AppIdentity.h"

namespace {

constexpr REGSAM kReadWrite = KEY_READ | KEY_WRITE;

struct SettingInfo {
    const char* name;
    bool isText;
    DWORD defaultValue;
    const char* defaultText;
};

const SettingInfo kSettings[] = {
    {"Visibled", false, 1, nullptr},     {"StartDate", true, 0, ""},
    {"CritDayCount", false, 3, nullptr}, {"ClearDayCount", false, 28, nullptr},
    {"Autoload", false, 0, nullptr},     {"CritRed", false, 1, nullptr},
    {"Lang", true, 0, "english"},        {"HideMessage", false, 0, nullptr},
};

const SettingInfo* FindSetting(SettingId id)
{
    const int index = static_cast<int>(id);
    if (index < 0 || index >= static_cast<int>(sizeof(kSettings) / sizeof(kSettings[0])))
        return nullptr;
    return &kSettings[index];
}

const SettingInfo* FindDwordSetting(SettingId id)
{
    const SettingInfo* info = FindSetting(id);
    return info && !info->isText ? info : nullptr;
}

const SettingInfo* FindTextSetting(SettingId id)
{
    const SettingInfo* info = FindSetting(id);
    return info && info->isText ? info : nullptr;
}

// Reads a stored text that fits the buffer with its terminating NUL. A value
// stored without its NUL ends at its last byte.
bool QueryText(HKEY key, const char* name, std::string& text)
{
    char buffer[kSettingTextBufferSize];
    DWORD size = sizeof(buffer);
    if (RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size) !=
        ERROR_SUCCESS)
        return false;
    if (size > sizeof(buffer))
        return false;
    const void* nul = std::memchr(buffer, '\0', size);
    const size_t length = nul ? static_cast<const char*>(nul) - buffer : size;
    if (length >= sizeof(buffer)) // no room left for the terminating NUL
        return false;
    text.assign(buffer, length);
    return true;
}

} // namespace

const char* SettingValueName(SettingId id)
{
    const SettingInfo* info = FindSetting(id);
    return info ? info->name : nullptr;
}

std::string SettingsKeyPath()
{
    char path[256];
    std::snprintf(path, sizeof(path), velindra::kSettingsKeyFormat, velindra::kRegistryKeyName,
                  velindra::kAppName);
    return path;
}

RegKey OpenSettingsKey()
{
    if (!*velindra::kRegistryKeyName || !*velindra::kAppName)
        return RegKey();
    return RegKey::Create(HKEY_CURRENT_USER, SettingsKeyPath().c_str(), kReadWrite);
}

DWORD ReadSettingDword(SettingId id)
{
    const RegKey key = OpenSettingsKey();
    const SettingInfo* info = FindDwordSetting(id);
    if (!key || !info)
        return 0;
    DWORD value = 0;
    DWORD size = sizeof(value);
    if (RegQueryValueExA(key.Get(), info->name, nullptr, nullptr, reinterpret_cast<BYTE*>(&value),
                         &size) != ERROR_SUCCESS)
        return info->defaultValue;
    return value;
}

bool WriteSettingDword(SettingId id, DWORD value)
{
    const RegKey key = OpenSettingsKey();
    const SettingInfo* info = FindDwordSetting(id);
    if (!key || !info)
        return false;
    return RegSetValueExA(key.Get(), info->name, 0, REG_DWORD,
                          reinterpret_cast<const BYTE*>(&value), sizeof(value)) == ERROR_SUCCESS;
}

bool ReadSettingText(SettingId id, std::string& text)
{
    const RegKey key = OpenSettingsKey();
    const SettingInfo* info = FindTextSetting(id);
    if (!key || !info)
        return false;
    if (QueryText(key.Get(), info->name, text))
        return true;
    text = info->defaultText;
    return false;
}

bool WriteSettingText(SettingId id, const char* text)
{
    const RegKey key = OpenSettingsKey();
    const SettingInfo* info = FindTextSetting(id);
    if (!key || !info || !text)
        return false;
    const size_t size = std::strlen(text) + 1;
    if (size > kSettingTextBufferSize) // could never be read back
        return false;
    return RegSetValueExA(key.Get(), info->name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                          static_cast<DWORD>(size)) == ERROR_SUCCESS;
}

bool WriteSettingText(SettingId id, const std::string& text)
{
    return WriteSettingText(id, text.c_str());
}

bool RegistryKeyExists(HKEY root, const char* path)
{
    if (!root || !path || !*path)
        return false;
    return static_cast<bool>(RegKey::Open(root, path, kReadWrite));
}
