#include "framework/DateTime.h"

#include <cstdint>

namespace {

constexpr int64_t kSecondsPerDay = COleDateTimeSpan::kSecondsPerDay;

// Days from 1970-01-01 in the proleptic Gregorian calendar.
int64_t DaysFromCivil(int64_t year, int month, int day)
{
    year -= month <= 2 ? 1 : 0;
    const int64_t era = (year >= 0 ? year : year - 399) / 400;
    const int64_t yearOfEra = year - era * 400;
    const int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

struct CivilDate {
    int year;
    int month;
    int day;
};

CivilDate CivilFromDays(int64_t days)
{
    days += 719468;
    const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const int64_t dayOfEra = days - era * 146097;
    const int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int64_t mp = (5 * dayOfYear + 2) / 153;
    const int day = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
    const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    const int64_t year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    return {static_cast<int>(year), month, day};
}

// 1899-12-30 is day 0.
constexpr int64_t kEpochOffset = 25569;
const int64_t kFirstDay = DaysFromCivil(100, 1, 1) + kEpochOffset;
const int64_t kLastDay = DaysFromCivil(9999, 12, 31) + kEpochOffset;

bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

bool IsValidDateTime(int year, int month, int day, int hour, int minute, int second)
{
    if (year < 100 || year > 9999 || month < 1 || month > 12)
        return false;
    if (day < 1 || day > fw::DaysInMonth(year, month))
        return false;
    return hour >= 0 && hour <= 23 && minute >= 0 && minute <= 59 && second >= 0 && second <= 59;
}

int64_t FloorDiv(int64_t a, int64_t b)
{
    return a / b - ((a % b != 0 && (a < 0) != (b < 0)) ? 1 : 0);
}

} // namespace

COleDateTimeSpan::COleDateTimeSpan(long days, int hours, int minutes, int seconds)
    : seconds_(static_cast<int64_t>(days) * kSecondsPerDay + static_cast<int64_t>(hours) * 3600 +
               static_cast<int64_t>(minutes) * 60 + seconds)
{
}

COleDateTimeSpan COleDateTimeSpan::FromSeconds(int64_t seconds)
{
    COleDateTimeSpan span;
    span.seconds_ = seconds;
    return span;
}

COleDateTime::COleDateTime(int year, int month, int day, int hour, int minute, int second)
{
    SetDateTime(year, month, day, hour, minute, second);
}

COleDateTime::COleDateTime(const SYSTEMTIME& time)
{
    SetDateTime(time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute, time.wSecond);
}

int COleDateTime::SetDateTime(int year, int month, int day, int hour, int minute, int second)
{
    if (!IsValidDateTime(year, month, day, hour, minute, second)) {
        status_ = invalid;
        return 1;
    }
    day_ = DaysFromCivil(year, month, day) + kEpochOffset;
    second_ = hour * 3600 + minute * 60 + second;
    status_ = valid;
    return 0;
}

int COleDateTime::GetYear() const
{
    return status_ == valid ? CivilFromDays(day_ - kEpochOffset).year : -1;
}
int COleDateTime::GetMonth() const
{
    return status_ == valid ? CivilFromDays(day_ - kEpochOffset).month : -1;
}
int COleDateTime::GetDay() const
{
    return status_ == valid ? CivilFromDays(day_ - kEpochOffset).day : -1;
}
int COleDateTime::GetHour() const
{
    return status_ == valid ? second_ / 3600 : -1;
}
int COleDateTime::GetMinute() const
{
    return status_ == valid ? second_ / 60 % 60 : -1;
}
int COleDateTime::GetSecond() const
{
    return status_ == valid ? second_ % 60 : -1;
}

int COleDateTime::GetDayOfWeek() const
{
    // Day 0 was a Saturday.
    return status_ == valid ? static_cast<int>(((day_ % 7) + 13) % 7) + 1 : -1;
}

bool COleDateTime::GetAsSystemTime(SYSTEMTIME& time) const
{
    if (status_ != valid)
        return false;
    const CivilDate date = CivilFromDays(day_ - kEpochOffset);
    time = SYSTEMTIME{};
    time.wYear = static_cast<WORD>(date.year);
    time.wMonth = static_cast<WORD>(date.month);
    time.wDay = static_cast<WORD>(date.day);
    time.wDayOfWeek = static_cast<WORD>(GetDayOfWeek() - 1);
    time.wHour = static_cast<WORD>(GetHour());
    time.wMinute = static_cast<WORD>(GetMinute());
    time.wSecond = static_cast<WORD>(GetSecond());
    return true;
}

namespace {

// FILETIME counts 100-nanosecond steps from 1601-01-01 00:00:00 UTC.
constexpr int64_t kFileTimeSteps = 10000000;
constexpr int64_t kSecondsFrom1601To1970 = 11644473600;

} // namespace

bool COleDateTime::ToTime64(int64_t& out) const
{
    SYSTEMTIME local{}, universal{};
    FILETIME file{};
    if (!GetAsSystemTime(local) ||
        !::TzSpecificLocalTimeToSystemTime(nullptr, &local, &universal) ||
        !::SystemTimeToFileTime(&universal, &file))
        return false;
    const int64_t steps = static_cast<int64_t>((static_cast<uint64_t>(file.dwHighDateTime) << 32) |
                                               file.dwLowDateTime);
    out = steps / kFileTimeSteps - kSecondsFrom1601To1970;
    return true;
}

COleDateTime COleDateTime::FromTime64(int64_t time)
{
    COleDateTime result;
    result.status_ = invalid;
    // Within the type's years (and far from overflowing the step count).
    constexpr int64_t kLimit = int64_t{28000} * 366 * 86400;
    if (time < -kSecondsFrom1601To1970 || time > kLimit)
        return result;
    const uint64_t steps = static_cast<uint64_t>(time + kSecondsFrom1601To1970) * kFileTimeSteps;
    const FILETIME file{static_cast<DWORD>(steps), static_cast<DWORD>(steps >> 32)};
    SYSTEMTIME universal{}, local{};
    if (!::FileTimeToSystemTime(&file, &universal) ||
        !::SystemTimeToTzSpecificLocalTime(nullptr, &universal, &local))
        return result;
    result.SetDateTime(local.wYear, local.wMonth, local.wDay, local.wHour, local.wMinute,
                       local.wSecond);
    return result;
}

COleDateTime COleDateTime::GetCurrentTime()
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    return COleDateTime(now);
}

COleDateTime COleDateTime::operator+(const COleDateTimeSpan& span) const
{
    COleDateTime result = *this;
    if (status_ != valid)
        return result;
    const int64_t total = day_ * kSecondsPerDay + second_ + span.GetTotalSeconds();
    const int64_t day = FloorDiv(total, kSecondsPerDay);
    if (day < kFirstDay || day > kLastDay) {
        result.status_ = invalid;
        return result;
    }
    result.day_ = day;
    result.second_ = static_cast<int>(total - day * kSecondsPerDay);
    return result;
}

COleDateTime COleDateTime::operator-(const COleDateTimeSpan& span) const
{
    return *this + (-span);
}

COleDateTime& COleDateTime::operator+=(const COleDateTimeSpan& span)
{
    return *this = *this + span;
}

COleDateTime& COleDateTime::operator-=(const COleDateTimeSpan& span)
{
    return *this = *this - span;
}

COleDateTimeSpan COleDateTime::operator-(const COleDateTime& other) const
{
    const int64_t seconds = (day_ - other.day_) * kSecondsPerDay + (second_ - other.second_);
    return COleDateTimeSpan::FromSeconds(seconds);
}

bool COleDateTime::operator==(const COleDateTime& other) const
{
    return status_ == other.status_ && day_ == other.day_ && second_ == other.second_;
}

bool COleDateTime::operator<(const COleDateTime& other) const
{
    return day_ != other.day_ ? day_ < other.day_ : second_ < other.second_;
}

namespace fw {

int DaysInMonth(int year, int month)
{
    static const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

COleDateTime AddMonths(const COleDateTime& date, int months)
{
    COleDateTime moved = date;
    if (date.GetStatus() != COleDateTime::valid)
        return moved;
    const int64_t index = int64_t{date.GetYear()} * 12 + (date.GetMonth() - 1) + months;
    if (index < 0 || index / 12 > 9999) {
        moved.SetStatus(COleDateTime::invalid);
        return moved;
    }
    const int year = static_cast<int>(index / 12), month = static_cast<int>(index % 12) + 1;
    const int day =
        date.GetDay() < DaysInMonth(year, month) ? date.GetDay() : DaysInMonth(year, month);
    moved.SetDateTime(year, month, day, date.GetHour(), date.GetMinute(), date.GetSecond());
    return moved;
}

} // namespace fw
