#include "lang/LanguageFile.h"

#include <windows.h>

#include "lang/ModulePath.h"

namespace {

const char kKeyTrimSet[] = ":;., \t\r\n";

} // namespace

LanguageFile::LanguageFile(const CString& languageName)
{
    ModulePath path;
    path.SetFileName(languageName);
    path.SetExtension(".lng");
    path_ = path.MakePath();
}

CString LanguageFile::SectionName(const CString& section)
{
    return section.empty() ? CString("Common") : section;
}

CString LanguageFile::TrimKey(const CString& key)
{
    const size_t first = key.find_first_not_of(kKeyTrimSet);
    if (first == CString::npos)
        return CString();
    const size_t last = key.find_last_not_of(kKeyTrimSet);
    return key.substr(first, last - first + 1);
}

CString LanguageFile::Read(const CString& section, const CString& key) const
{
    const CString trimmedKey = TrimKey(key);
    if (trimmedKey.empty())
        return CString();
    // The buffer makes the cap: the platform's own reader may not have one.
    char value[kMaxValueLength + 1] = {};
    GetPrivateProfileStringA(SectionName(section).c_str(), trimmedKey.c_str(), "", value,
                             sizeof(value), path_.c_str());
    value[kMaxValueLength] = '\0';
    return CString(value);
}

bool LanguageFile::Write(const CString& section, const CString& key, const CString& value) const
{
    const CString trimmedKey = TrimKey(key);
    if (trimmedKey.empty() || value.find_first_of("\r\n") != CString::npos)
        return false;
    return WritePrivateProfileStringA(SectionName(section).c_str(), trimmedKey.c_str(),
                                      value.c_str(), path_.c_str()) != FALSE;
}
