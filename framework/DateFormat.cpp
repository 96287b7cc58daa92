#include "framework/DateFormat.h"

#include "framework/TextCodec.h"

namespace fw {
namespace {

std::wstring& CurrentLocale()
{
    static std::wstring name; // empty: the user's default locale
    return name;
}

std::wstring LanguageOf(const wchar_t* locale)
{
    wchar_t language[LOCALE_NAME_MAX_LENGTH] = {};
    if (::GetLocaleInfoEx(locale, LOCALE_SISO639LANGNAME, language, LOCALE_NAME_MAX_LENGTH) <= 0)
        return std::wstring();
    return language;
}

const wchar_t* LocaleInUse()
{
    return HasDateLocale() ? CurrentLocale().c_str() : LOCALE_NAME_USER_DEFAULT;
}

} // namespace

bool SetDateLocale(const std::string& localeName)
{
    std::wstring name = Wide(localeName);
    const size_t first = name.find_first_not_of(L" \t");
    name = first == std::wstring::npos ? std::wstring() : name.substr(first);
    name.erase(name.find_last_not_of(L" \t") + 1);
    if (name.empty() || name.size() >= LOCALE_NAME_MAX_LENGTH ||
        !::IsValidLocaleName(name.c_str()) ||
        LanguageOf(name.c_str()) == LanguageOf(LOCALE_NAME_USER_DEFAULT))
        name.clear();
    CurrentLocale() = name;
    return !name.empty();
}

bool HasDateLocale()
{
    return !CurrentLocale().empty();
}

const std::wstring& DateLocaleName()
{
    return CurrentLocale();
}

std::string FormatDate(const SYSTEMTIME& date, const wchar_t* picture, DWORD flags)
{
    const wchar_t* locale = LocaleInUse();
    if (picture && !*picture)
        picture = nullptr;
    wchar_t buffer[256] = {};
    const int written =
        ::GetDateFormatEx(locale, picture ? 0 : flags, &date, picture, buffer, 256, nullptr);
    if (written <= 0)
        return std::string();
    // Some locale data puts a narrow no-break space before a year's unit
    // ("2004 г."), which the dialog fonts lack: a no-break space shows as one.
    for (wchar_t& c : buffer)
        if (c == L'\x202F')
            c = L'\xA0';
    return Utf8(buffer);
}

std::string ShortestDayName(int weekday)
{
    wchar_t name[32] = {};
    if (weekday < 0 || weekday > 6 ||
        ::GetLocaleInfoEx(LocaleInUse(), LOCALE_SSHORTESTDAYNAME1 + weekday, name, 32) <= 0)
        return std::string();
    return Utf8(name);
}

int UserFirstWeekday()
{
    DWORD first = 6;
    if (::GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_IFIRSTDAYOFWEEK | LOCALE_RETURN_NUMBER,
                          reinterpret_cast<wchar_t*>(&first),
                          sizeof(first) / sizeof(wchar_t)) <= 0 ||
        first > 6)
        return 6;
    return static_cast<int>(first);
}

std::string FormatMonthDay(const SYSTEMTIME& date)
{
    wchar_t picture[80] = {};
    ::GetLocaleInfoEx(LocaleInUse(), LOCALE_SMONTHDAY, picture, 80);
    const std::wstring given = picture;
    if (given.find(L'd') != std::wstring::npos && given.find(L'M') != std::wstring::npos)
        return FormatDate(date, picture);
    // A locale without a usable picture (Wine's Japanese has "M"): the day
    // and the month's name in the order the locale writes a date.
    DWORD order = 0;
    ::GetLocaleInfoEx(LocaleInUse(), LOCALE_IDATE | LOCALE_RETURN_NUMBER,
                      reinterpret_cast<wchar_t*>(&order), sizeof(order) / sizeof(wchar_t));
    return FormatDate(date, order == 1 ? L"d MMMM" : L"MMMM d");
}

} // namespace fw
