#include "model/Settings.h"

#include <cstdio>
#include <cstring>

#include "framework/TextCodec.h"
#include "model/AppIdentity.h"
#include "model/CycleCountRule.h"

namespace {

constexpr REGSAM kReadWrite = KEY_READ | KEY_WRITE;

enum class Kind { Flag, Count, Number, Text };

struct SettingInfo {
    const char* name;
    Kind kind;
    DWORD defaultValue;
    const CycleCountRule* range; // counts only
    const char* defaultText;     // texts only
};

const SettingInfo kSettings[] = {
    {"Visibled", Kind::Flag, 1, nullptr, nullptr},
    {"StartDate", Kind::Text, 0, nullptr, ""},
    {"CritDayCount", Kind::Count, kCritDayRule.fallback, &kCritDayRule, nullptr},
    {"ClearDayCount", Kind::Count, kClearDayRule.fallback, &kClearDayRule, nullptr},
    {"Autoload", Kind::Flag, 0, nullptr, nullptr},
    {"CritRed", Kind::Flag, 1, nullptr, nullptr},
    {"Lang", Kind::Text, 0, nullptr, "english"},
    {"HideMessage", Kind::Flag, 0, nullptr, nullptr},
    {"Remind", Kind::Flag, 0, nullptr, nullptr},
    {"RemindDays", Kind::Count, kRemindDayRule.fallback, &kRemindDayRule, nullptr},
    {"RemindedPeriod", Kind::Number, 0, nullptr, nullptr},
    {"PeriodRecord", Kind::Text, 0, nullptr, ""},
    {"DismissedSuggestion", Kind::Number, 0, nullptr, nullptr},
    {"RemindedPeriods", Kind::Text, 0, nullptr, ""},
    {"FirstStartAnswered", Kind::Flag, 1, nullptr, nullptr},
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
    return info && info->kind != Kind::Text ? info : nullptr;
}

const SettingInfo* FindTextSetting(SettingId id)
{
    const SettingInfo* info = FindSetting(id);
    return info && info->kind == Kind::Text ? info : nullptr;
}

// The value names are ASCII.
std::wstring WideName(const char* name)
{
    return std::wstring(name, name + std::strlen(name));
}

// A stored DWORD as its setting reads it: a flag as 0 or 1, a count within
// its range; false when it counts as missing.
bool QueryDword(HKEY key, const SettingInfo& info, DWORD& value)
{
    DWORD type = REG_NONE;
    DWORD size = sizeof(value);
    if (RegQueryValueExW(key, WideName(info.name).c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof(value))
        return false;
    if (info.kind == Kind::Flag)
        value = value != 0 ? 1 : 0;
    if (info.kind == Kind::Count)
        return UsableCount(static_cast<int>(value), *info.range) == static_cast<int>(value);
    return true;
}

// A stored REG_SZ that fits the buffer with its terminating NUL, as UTF-8. A
// value stored without its NUL ends at its last character.
bool QueryText(HKEY key, const SettingInfo& info, std::string& text)
{
    wchar_t buffer[kSettingTextBufferSize];
    DWORD type = REG_NONE;
    DWORD size = sizeof(buffer);
    if (RegQueryValueExW(key, WideName(info.name).c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(buffer), &size) != ERROR_SUCCESS ||
        type != REG_SZ || size > sizeof(buffer))
        return false;
    const size_t stored = size / sizeof(wchar_t);
    size_t length = 0;
    while (length < stored && buffer[length] != L'\0')
        ++length;
    if (length >= kSettingTextBufferSize) // no room left for the terminating NUL
        return false;
    return fw::NarrowUtf8(std::wstring(buffer, length), text);
}

} // namespace

const char* SettingValueName(SettingId id)
{
    const SettingInfo* info = FindSetting(id);
    return info ? info->name : nullptr;
}

std::string SettingsKeyPath(const std::string& maker, const std::string& app)
{
    if (maker.empty() || app.empty())
        return std::string();
    char path[256];
    std::snprintf(path, sizeof(path), velindra::kSettingsKeyFormat, maker.c_str(), app.c_str());
    return path;
}

std::string SettingsKeyPath()
{
    return SettingsKeyPath(velindra::kRegistryKeyName, velindra::kAppName);
}

bool SettingsStore::Exists() const
{
    return RegistryKeyExists(root_, path_.c_str());
}

RegKey SettingsStore::Open() const
{
    if (!root_ || path_.empty())
        return RegKey();
    return RegKey::Create(root_, path_.c_str(), kReadWrite);
}

DWORD SettingsReader::ReadDword(SettingId id) const
{
    const SettingInfo* info = FindDwordSetting(id);
    if (!key_ || !info)
        return 0;
    DWORD value = 0;
    return QueryDword(key_.Get(), *info, value) ? value : info->defaultValue;
}

bool SettingsReader::ReadText(SettingId id, std::string& text) const
{
    const SettingInfo* info = FindTextSetting(id);
    if (!key_ || !info)
        return false;
    std::string stored;
    if (QueryText(key_.Get(), *info, stored)) {
        text = stored;
        return true;
    }
    text = info->defaultText;
    return false;
}

DWORD SettingsStore::ReadDword(SettingId id) const
{
    return SettingsReader(*this).ReadDword(id);
}

bool SettingsStore::ReadText(SettingId id, std::string& text) const
{
    return SettingsReader(*this).ReadText(id, text);
}

bool SettingsStore::ReadStartDate(const COleDateTime& now, COleDateTime& date) const
{
    return SettingsReader(*this).ReadStartDate(now, date);
}

bool SettingsStore::WriteDword(SettingId id, DWORD value)
{
    const RegKey key = Open();
    const SettingInfo* info = FindDwordSetting(id);
    if (!key || !info)
        return false;
    return RegSetValueExW(key.Get(), WideName(info->name).c_str(), 0, REG_DWORD,
                          reinterpret_cast<const BYTE*>(&value), sizeof(value)) == ERROR_SUCCESS;
}

bool SettingsStore::WriteText(SettingId id, const char* text)
{
    const RegKey key = Open();
    const SettingInfo* info = FindTextSetting(id);
    std::wstring wide;
    if (!key || !info || !text || !fw::WidenUtf8(text, wide))
        return false;
    if (wide.size() + 1 > kSettingTextBufferSize) // could never be read back
        return false;
    return RegSetValueExW(key.Get(), WideName(info->name).c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(wide.c_str()),
                          static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

bool RegistryKeyExists(HKEY root, const char* path)
{
    if (!root || !path || !*path)
        return false;
    return static_cast<bool>(RegKey::Open(root, path, kReadWrite));
}
