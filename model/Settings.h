#pragma once
// The settings store: fifteen values under a key (the program's is
// HKEY_CURRENT_USER\Software\<maker>\<app>), plus the Run value that starts the
// program with Windows. Nothing is kept in memory: each read and each write
// opens the key, so whatever one window writes is what the next reader sees.
// A SettingsReader reads several values through one open key.
//
// Every read follows one rule: a value of the wrong registry type or size, a
// count outside its range (model/CycleCountRule.h), a text that is not valid
// Unicode and a start date the date picker cannot show all count as missing,
// and a missing value reads as its default. Defaults are never written back.
// Flags read as 0 or 1. Texts are UTF-8 inside the program and UTF-16 in the
// registry, so that any name round-trips exactly.
#include <windows.h>

#include <string>
#include <utility>

#include "framework/DateTime.h"
#include "model/RegKey.h"

enum SettingId {
    SettingVisibled = 0,      // "Visibled", REG_DWORD flag, default 1
    SettingStartDate = 1,     // "StartDate", REG_SZ "%d %d %d %d %d %d", default empty
    SettingCritDayCount = 2,  // "CritDayCount", REG_DWORD 1..30, default 3
    SettingClearDayCount = 3, // "ClearDayCount", REG_DWORD 3..90, default 28
    SettingAutoload = 4,      // "Autoload", REG_DWORD flag, default 0
    SettingCritRed = 5,       // "CritRed", REG_DWORD flag, default 1
    SettingLang = 6,          // "Lang", REG_SZ, default "english"
    SettingHideMessage = 7,   // "HideMessage", REG_DWORD flag, default 0
    SettingRemind = 8,        // "Remind", REG_DWORD flag, default 0
    SettingRemindDays = 9,    // "RemindDays", REG_DWORD 1..7, default 2
    // "RemindedPeriod", REG_DWORD, default 0: the day number (days since
    // 1899-12-30) of the first day of the critical period last announced.
    SettingRemindedPeriod = 10,
    // "PeriodRecord", REG_SZ, default empty: her recorded first days
    // (model/PeriodRecord.h).
    SettingPeriodRecord = 11,
    // "DismissedSuggestion", REG_DWORD, default 0: the fingerprint of the
    // record with which she dismissed the suggested cycle (model/CycleSuggestion.h).
    SettingDismissedSuggestion = 12,
    // "RemindedPeriods", REG_SZ, default empty: the day numbers of the first
    // days of the critical periods announced, separated by spaces, the latest
    // last (model/Reminder.h).
    SettingRemindedPeriods = 13,
    // "FirstStartAnswered", REG_DWORD flag, default 1: 0 from the start of a
    // first start until its question is answered (model/FirstStart.h).
    SettingFirstStartAnswered = 14,
};

// The registry value name of a setting; nullptr for an unknown index.
const char* SettingValueName(SettingId id);

// Characters of the buffer a stored text is read into, its terminating NUL
// included: a longer stored text counts as missing, a longer text is not written.
constexpr DWORD kSettingTextBufferSize = 2056;

// The first and the last date-time that the date picker of the Scheduler page
// and the wizard (SysDateTimePick32) takes with DTM_SETSYSTEMTIME: it shows
// anything else as today, and the next edit would store that. On Windows the
// picker takes 1752-09-14 to 9999-12-31; Wine 8.0 (measured) takes
// 1752-09-14 00:00:00 to 9999-12-31 00:00:00, time of day included. This is
// the range of both.
constexpr SYSTEMTIME kFirstPickerTime{1752, 9, 0, 14, 0, 0, 0, 0};
constexpr SYSTEMTIME kLastPickerTime{9999, 12, 0, 31, 0, 0, 0, 0};

// "Software\<maker>\<app>", a settings key under HKEY_CURRENT_USER (empty
// without both names); without names, the program's.
std::string SettingsKeyPath(const std::string& maker, const std::string& app);
std::string SettingsKeyPath();

// The settings under one key: the program's is HKEY_CURRENT_USER\SettingsKeyPath(),
// owned by the application object and handed to whatever reads or writes a
// setting. Reads and writes open the key, creating it when missing.
class SettingsStore {
public:
    SettingsStore(HKEY root, std::string path) : root_(root), path_(std::move(path)) {}
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    HKEY Root() const { return root_; }
    // True when the key can be opened for reading and writing; creates nothing.
    bool Exists() const;
    // Opens the key, creating it when missing; empty on failure.
    RegKey Open() const;

    // One value each, through a key opened for it alone (SettingsReader's rules).
    DWORD ReadDword(SettingId id) const;
    bool ReadText(SettingId id, std::string& text) const;
    bool ReadStartDate(const COleDateTime& now, COleDateTime& date) const;

    bool WriteDword(SettingId id, DWORD value);
    // Writes UTF-8 text; false for text that is not valid UTF-8 or does not fit
    // the read buffer.
    bool WriteText(SettingId id, const char* text);
    bool WriteText(SettingId id, const std::string& text) { return WriteText(id, text.c_str()); }
    // StartDate. Refuses an invalid date and one outside the picker's range
    // rather than storing one that would read as missing.
    bool WriteStartDate(const COleDateTime& date);

private:
    HKEY root_;
    std::string path_;
};

// Reads settings through one open key of the store (created when missing).
class SettingsReader {
public:
    explicit SettingsReader(const SettingsStore& store) : key_(store.Open()) {}

    // The DWORD settings (0, 2, 3, 4, 5, 7 to 10, 12, 14). A refused index, or a key that
    // cannot be opened, reads as 0.
    DWORD ReadDword(SettingId id) const;
    // The text settings (1, 6, 11, 13). True when the stored text was used; false with
    // the default when it counts as missing; false with the text unchanged
    // when the key cannot be opened or the index is refused.
    bool ReadText(SettingId id, std::string& text) const;
    // StartDate. True when a stored date was read, is valid and lies in the
    // picker's range; otherwise the date is the caller's `now`. An impossible
    // stored date leaves `now` with invalid status; one outside the picker's
    // range counts as missing.
    bool ReadStartDate(const COleDateTime& now, COleDateTime& date) const;

private:
    RegKey key_;
};

// True when root\path can be opened for reading and writing.
bool RegistryKeyExists(HKEY root, const char* path);

// Starts the program with Windows (the quoted executable path under the
// first writable Run key) or stops doing so (the value removed from every
// Run key). The path is the running executable's, of any length and in any
// characters; enabling without one changes nothing.
void SetAutoload(bool enable, const std::wstring& executablePath = std::wstring());
// True when a Run value starts this executable (the path compared without
// regard to case): what the Options page shows.
bool StartsWithWindows(const std::wstring& executablePath);
// A stored wish to start with Windows (Autoload) whose Run value is missing or
// names another copy of the program (an uninstall removed it, the folder
// moved) is honoured for the running program.
void HonourAutoloadWish(const SettingsStore& settings, const std::wstring& executablePath);
