#pragma once
// Dates written for people: month and weekday names and the order of a
// date's parts come from one locale for the whole program, as a thread's
// locale does for the system's own formatting. The program sets it from the
// language it shows, so that the names match the language of the texts
// around them.
#include <windows.h>

#include <string>

namespace fw {

// Makes the named locale ("de-DE") the one dates are written in. A name the
// system does not know, or an empty one, gives the user's default locale; so
// does a locale of the same language as the user's own (an Austrian user of a
// German translation keeps her "Jänner" and her order of day and month).
// True when the named locale is used.
bool SetDateLocale(const std::string& localeName);
// True while a locale other than the user's default is used.
bool HasDateLocale();
// The name of the locale set by SetDateLocale; empty for the user's default.
// Names and dates written before and after a change of language differ only
// when this differs (or the user's regional settings changed).
const std::wstring& DateLocaleName();

// The date written with a picture of the system's date formatting ("MMMM",
// "ddd", "dddd, d MMMM yyyy"), or with an empty picture in the locale's own
// format given by flags (DATE_LONGDATE, DATE_YEARMONTH). Empty when the date
// cannot be written.
std::string FormatDate(const SYSTEMTIME& date, const wchar_t* picture, DWORD flags = 0);
// The short name of a weekday (0 = Monday ... 6 = Sunday) as the locale
// gives it when space is scarce ("Mo", "Пн", "月"); empty when it has none.
std::string ShortestDayName(int weekday);

// The first day of the week in the user's own regional settings, as Windows
// numbers it: 0 = Monday ... 6 = Sunday (Sunday when it cannot be read).
int UserFirstWeekday();

// The day and month without the year, in the locale's own order
// ("November 20", "20. November", "11月20日"); empty when it cannot be written.
std::string FormatMonthDay(const SYSTEMTIME& date);

} // namespace fw
