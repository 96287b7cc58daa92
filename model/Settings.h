#pragma once
// The settings store: eight values under HKEY_CURRENT_USER\Software\<maker>\<app>,
// read and written through stateless functions that open and close the key on
// every call, plus the Run value that starts the program with Windows.
#include <windows.h>

#include <string>

#include "framework/DateTime.h"
#include "model/RegKey.h"

enum SettingId {
    SettingVisibled = 0,      // "Visibled", REG_DWORD, default 1
    SettingStartDate = 1,     // "StartDate", REG_SZ "%d %d %d %d %d %d", default empty
    SettingCritDayCount = 2,  // "CritDayCount", REG_DWORD, default 3
    SettingClearDayCount = 3, // "ClearDayCount", REG_DWORD, default 28
    SettingAutoload = 4,      // "Autoload", REG_DWORD, default 0
    SettingCritRed = 5,       // "CritRed", REG_DWORD, default 1
    SettingLang = 6,          // "Lang", REG_SZ, default "english"
    SettingHideMessage = 7,   // "HideMessage", REG_DWORD, default 0
};

// The registry value name of a setting; nullptr for an unknown index.
const char* SettingValueName(SettingId id);

// Bytes of the buffer a stored text is read into, its terminating NUL included.
constexpr DWORD kSettingTextBufferSize = 2056;

// "Software\<maker>\<app>", the settings key under HKEY_CURRENT_USER.
std::string SettingsKeyPath();

// Opens the settings key, creating it when missing; empty on failure.
RegKey OpenSettingsKey();

// The DWORD settings (0, 2, 3, 4, 5, 7). A missing value reads as its default;
// an unopenable key or a refused index reads as 0.
DWORD ReadSettingDword(SettingId id);
bool WriteSettingDword(SettingId id, DWORD value);

// The text settings (1, 6). True when the stored text was used; false with
// the default when it is missing or unusable (longer than the buffer); false
// with the text unchanged when the key cannot be opened or the index is refused.
bool ReadSettingText(SettingId id, std::string& text);
bool WriteSettingText(SettingId id, const char* text);
bool WriteSettingText(SettingId id, const std::string& text);

// StartDate as a date. The date is set to the current date and time first;
// true when a stored date was read and is valid. An impossible stored date
// leaves the current date and time with invalid status.
bool ReadStartDate(SettingId id, COleDateTime& date);
// Refuses an invalid date rather than storing an unreadable one.
bool WriteStartDate(SettingId id, const COleDateTime& date);

// True when root\path can be opened for reading and writing.
bool RegistryKeyExists(HKEY root, const char* path);

// Starts the program with Windows (a quoted executable path under the first
// writable Run key) or stops doing so (the value removed from every Run key).
void SetAutoload(bool enable);
