#include "lang/LanguageName.h"

#include <windows.h>

#include "framework/TextCodec.h"

namespace {

const char kWhiteSpace[] = " \t\r\n\v\f";

// Characters no file name may hold, besides the control characters.
const wchar_t kForbidden[] = L"\\/:*?\"<>|";

const wchar_t* const kDeviceNames[] = {
    L"CON",  L"PRN",  L"AUX",  L"NUL",       L"CONIN$",    L"CONOUT$",
    L"COM1", L"COM2", L"COM3", L"COM4",      L"COM5",      L"COM6",
    L"COM7", L"COM8", L"COM9", L"COM\u00B9", L"COM\u00B2", L"COM\u00B3",
    L"LPT1", L"LPT2", L"LPT3", L"LPT4",      L"LPT5",      L"LPT6",
    L"LPT7", L"LPT8", L"LPT9", L"LPT\u00B9", L"LPT\u00B2", L"LPT\u00B3",
};

bool IsControl(wchar_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

bool IsDevice(const std::wstring& stem, const wchar_t* device)
{
    return CompareStringOrdinal(stem.c_str(), static_cast<int>(stem.size()), device, -1, TRUE) ==
           CSTR_EQUAL;
}

// The system takes "con.txt" or "nul .lng" for the device: the part before
// the first point, without trailing blanks, decides.
bool IsDeviceName(const std::wstring& name)
{
    std::wstring stem = name.substr(0, name.find(L'.'));
    const size_t last = stem.find_last_not_of(L' ');
    stem.erase(last == std::wstring::npos ? 0 : last + 1);
    for (const wchar_t* device : kDeviceNames)
        if (IsDevice(stem, device))
            return true;
    return false;
}

} // namespace

CString TrimLanguageName(const CString& utf8Name)
{
    const size_t first = utf8Name.find_first_not_of(kWhiteSpace);
    if (first == CString::npos)
        return CString();
    const size_t last = utf8Name.find_last_not_of(kWhiteSpace);
    return utf8Name.substr(first, last - first + 1);
}

bool IsPlainLanguageName(const CString& utf8Name)
{
    std::wstring name;
    if (!fw::WidenUtf8(TrimLanguageName(utf8Name), name) || name.empty())
        return false;
    if (name == L"." || name == L"..")
        return false;
    for (wchar_t c : name)
        if (IsControl(c) || std::wstring(kForbidden).find(c) != std::wstring::npos)
            return false;
    return !IsDeviceName(name);
}

bool EqualNoCase(const CString& a, const CString& b)
{
    const std::wstring wideA = fw::Wide(a);
    const std::wstring wideB = fw::Wide(b);
    return CompareStringOrdinal(wideA.c_str(), static_cast<int>(wideA.size()), wideB.c_str(),
                                static_cast<int>(wideB.size()), TRUE) == CSTR_EQUAL;
}

bool IsEnglishLanguage(const CString& name)
{
    return EqualNoCase(TrimLanguageName(name), kEnglishLanguage);
}
