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
    return Utf8(buffer);
}

std::string FormatMonthDay(const SYSTEMTIME& date)
{
    wchar_t picture[80] = {};
    if (::GetLocaleInfoEx(LocaleInUse(), LOCALE_SMONTHDAY, picture, 80) <= 0 || !picture[0])
        return std::string();
    return FormatDate(date, picture);
}

} // namespace fw
