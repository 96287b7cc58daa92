#pragma once
// What the model's tests stand on: a month calendar's grid that records what
// it is asked to colour, and the (sandboxed) registry byte for byte.
#include <windows.h>

#include <cstdio>
#include <set>
#include <string>

#include "framework/DateTime.h"
#include "framework/TextCodec.h"
#include "model/DayMarker.h"

namespace model_tests {

// The 42 days from the Sunday on or before the first of the month, at
// 00:00:01 as the calendar sends them.
class FakeCalendar : public DayMarker {
public:
    FakeCalendar(int year, int month) : first_(year, month, 1, 0, 0, 1)
    {
        first_ -= COleDateTimeSpan(first_.GetDayOfWeek() - 1);
        last_ = first_ + COleDateTimeSpan(41);
    }
    const COleDateTime& First() const { return first_; }
    const COleDateTime& Last() const { return last_; }

    bool IsMarkable() const override { return markable; }
    int SetDayColor(const COleDateTime& date, COLORREF colour) override
    {
        ++calls;
        colours.insert(colour);
        if (date.DayNumber() < first_.DayNumber() || date.DayNumber() > last_.DayNumber())
            return 0;
        marked.insert(date.DayNumber());
        return 1;
    }

    // The marked days as runs of consecutive days: "2004-03-10+5 2004-04-07+4".
    std::string Runs() const
    {
        std::string runs;
        for (auto day = marked.begin(); day != marked.end();) {
            long length = 1;
            while (marked.count(*day + length))
                ++length;
            const COleDateTime date = COleDateTime() + COleDateTimeSpan(static_cast<long>(*day));
            char run[32];
            std::snprintf(run, sizeof(run), " %04d-%02d-%02d+%ld", date.GetYear(), date.GetMonth(),
                          date.GetDay(), length);
            runs += runs.empty() ? run + 1 : run;
            std::advance(day, length);
        }
        return runs;
    }

    bool markable = true;
    long calls = 0;
    std::set<int64_t> marked;
    std::set<COLORREF> colours;

private:
    COleDateTime first_, last_;
};

constexpr char kSettingsPath[] = "Software\\Orrowby\\Velindra";

// Stores the bytes as they are (a REG_SZ given in ANSI is kept as UTF-16),
// creating the key when missing.
inline bool SetRaw(HKEY root, const char* path, const char* name, DWORD type,
                   const std::string& bytes)
{
    return RegSetKeyValueA(root, path, name, type, bytes.data(),
                           static_cast<DWORD>(bytes.size())) == ERROR_SUCCESS;
}

struct RawValue {
    DWORD type = REG_NONE; // REG_NONE: no such value
    std::string bytes;     // as stored: texts in UTF-16 with their NUL
};

inline RawValue GetRaw(HKEY root, const char* path, const char* name)
{
    RawValue raw;
    HKEY key;
    if (RegOpenKeyExA(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return raw;
    const std::wstring wide = fw::WidenUtf8(name);
    DWORD size = 0;
    RegQueryValueExW(key, wide.c_str(), nullptr, nullptr, nullptr, &size);
    raw.bytes.assign(size, '\0');
    if (RegQueryValueExW(key, wide.c_str(), nullptr, &raw.type,
                         reinterpret_cast<BYTE*>(&raw.bytes[0]), &size) != ERROR_SUCCESS)
        raw = RawValue();
    RegCloseKey(key);
    return raw;
}

inline std::string Dword(DWORD value)
{
    return std::string(reinterpret_cast<const char*>(&value), sizeof(value));
}
inline std::string Utf16(const std::wstring& text) // with its NUL
{
    return std::string(reinterpret_cast<const char*>(text.c_str()),
                       (text.size() + 1) * sizeof(wchar_t));
}

} // namespace model_tests
