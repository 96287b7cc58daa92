#pragma once
// Local date-times with a valid/invalid status, and whole-day spans. A date is
// held as a day number (days since 1899-12-30) plus the seconds since midnight,
// so that day steps keep the time of day and comparisons are exact on both
// sides of 1899-12-30.
#include <windows.h>

#include <cstdint>

// winbase.h maps GetCurrentTime() to GetTickCount(); the date type needs the name.
#ifdef GetCurrentTime
#undef GetCurrentTime
#endif

class COleDateTimeSpan {
public:
    COleDateTimeSpan() = default;
    COleDateTimeSpan(long days, int hours = 0, int minutes = 0, int seconds = 0);

    static COleDateTimeSpan FromSeconds(int64_t seconds);
    COleDateTimeSpan operator-() const { return FromSeconds(-seconds_); }

    int64_t GetTotalSeconds() const { return seconds_; }
    // Whole days, rounded towards zero.
    long GetDays() const { return static_cast<long>(seconds_ / kSecondsPerDay); }

    static constexpr int64_t kSecondsPerDay = 86400;

private:
    int64_t seconds_ = 0;
};

class COleDateTime {
public:
    enum DateTimeStatus { valid = 0, invalid = 1 };

    COleDateTime() = default; // 1899-12-30 00:00:00, valid
    COleDateTime(int year, int month, int day, int hour, int minute, int second);
    explicit COleDateTime(const SYSTEMTIME& time);

    // 0 on success; on an impossible date-time the status becomes invalid and
    // the value stays as it was.
    int SetDateTime(int year, int month, int day, int hour, int minute, int second);
    int SetDate(int year, int month, int day) { return SetDateTime(year, month, day, 0, 0, 0); }

    DateTimeStatus GetStatus() const { return status_; }
    void SetStatus(DateTimeStatus status) { status_ = status; }

    // The parts of the date-time; -1 while the status is invalid.
    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;
    int GetDayOfWeek() const; // 1 = Sunday ... 7 = Saturday
    bool GetAsSystemTime(SYSTEMTIME& time) const;

    // Local date-time to seconds since 1970-01-01 00:00:00 UTC (negative
    // before), through the system's time zone, for every year of the type;
    // false when invalid.
    bool ToTime64(int64_t& out) const;
    // Seconds since 1970 as local date-time; invalid when outside the type.
    static COleDateTime FromTime64(int64_t time);

    // The current local date and time (windows ask fw::Clock).
    static COleDateTime GetCurrentTime();

    COleDateTime operator+(const COleDateTimeSpan& span) const;
    COleDateTime operator-(const COleDateTimeSpan& span) const;
    COleDateTime& operator+=(const COleDateTimeSpan& span);
    COleDateTime& operator-=(const COleDateTimeSpan& span);
    COleDateTimeSpan operator-(const COleDateTime& other) const;

    // Equal in value and status; the order compares values only.
    bool operator==(const COleDateTime& other) const;
    bool operator!=(const COleDateTime& other) const { return !(*this == other); }
    bool operator<(const COleDateTime& other) const;
    bool operator>(const COleDateTime& other) const { return other < *this; }
    bool operator<=(const COleDateTime& other) const { return !(other < *this); }
    bool operator>=(const COleDateTime& other) const { return !(*this < other); }

    // Days since 1899-12-30 and seconds since midnight.
    int64_t DayNumber() const { return day_; }
    int SecondOfDay() const { return second_; }

private:
    int64_t day_ = 0;
    int second_ = 0;
    DateTimeStatus status_ = valid;
};

namespace fw {

// The days of a month (1 to 12) of a year of the proleptic Gregorian
// calendar; 0 for a month that does not exist.
int DaysInMonth(int year, int month);
// The date moved by whole months (back when negative), its time of day kept
// and its day limited to the last day of the month reached; invalid when the
// date is, or when the month reached lies outside the type's years.
COleDateTime AddMonths(const COleDateTime& date, int months);

} // namespace fw
