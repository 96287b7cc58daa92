#include "lang/LanguageFiles.h"

#include <windows.h>

#include <algorithm>

#include "framework/Handle.h"
#include "framework/TextCodec.h"
#include "lang/LanguageFile.h"
#include "lang/LanguageName.h"
#include "lang/LongPath.h"
#include "lang/ModulePath.h"

namespace {

bool SameLetter(wchar_t a, wchar_t b)
{
    return CompareStringOrdinal(&a, 1, &b, 1, TRUE) == CSTR_EQUAL;
}

// Removes every character of `set` from the end of `text`.
std::wstring TrimRight(const std::wstring& text, const wchar_t* set)
{
    const size_t last = text.find_last_not_of(set);
    return last == std::wstring::npos ? std::wstring() : text.substr(0, last + 1);
}

std::wstring TrimLeft(const std::wstring& text, const wchar_t* set)
{
    const size_t first = text.find_first_not_of(set);
    return first == std::wstring::npos ? std::wstring() : text.substr(first);
}

// The part of a search pattern after its last separator.
std::wstring NamePattern(const std::wstring& pattern)
{
    const size_t separator = pattern.find_last_of(L"\\/");
    return separator == std::wstring::npos ? pattern : pattern.substr(separator + 1);
}

std::wstring ListedName(const WIN32_FIND_DATAW& entry, bool cutExtension)
{
    std::wstring name = entry.cFileName;
    if (cutExtension) {
        const size_t point = name.rfind(L'.');
        if (point != std::wstring::npos)
            name.erase(point);
    }
    return name;
}

} // namespace

bool MatchesFilePattern(const std::wstring& name, const std::wstring& pattern)
{
    size_t n = 0, p = 0;
    size_t starPattern = std::wstring::npos, starName = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == L'?' || SameLetter(pattern[p], name[n]))) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == L'*') {
            starPattern = p++;
            starName = n;
        } else if (starPattern != std::wstring::npos) {
            p = starPattern + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == L'*')
        ++p;
    return p == pattern.size();
}

bool DirectoryExists(const std::wstring& path)
{
    const std::wstring trimmed = TrimRight(TrimLeft(path, L" \t\r\n"), L" \t\\/");
    if (trimmed.empty())
        return true;
    const DWORD attributes = GetFileAttributesW(FileSystemPath(trimmed).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool ListFiles(const std::wstring& folder, const std::wstring& pattern, WideNames& names,
               bool withPath, bool cutExtension)
{
    names.clear();
    if (!folder.empty() && !DirectoryExists(folder))
        return false;
    const std::wstring searchFolder = TrimRight(folder, L"\\/ \t") + L"\\";
    const std::wstring namePattern = NamePattern(pattern);
    WIN32_FIND_DATAW entry;
    fw::FindHandle find(FindFirstFileW(FileSystemPath(searchFolder + pattern).c_str(), &entry));
    if (!find.IsValid())
        return true;
    do {
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            continue;
        if (!MatchesFilePattern(entry.cFileName, namePattern))
            continue;
        const std::wstring name = ListedName(entry, cutExtension);
        if (!name.empty())
            names.push_back(withPath ? searchFolder + name : name);
    } while (FindNextFileW(find.Get(), &entry));
    return true;
}

CStringArray ListLanguageNames(const std::wstring& programFile)
{
    CStringArray languages;
    if (!IsFullPath(programFile))
        return languages;
    const ModulePath path(programFile);
    WideNames names;
    ListFiles(path.GetDrive() + path.GetFolder(), L"*.lng", names, false, true);
    for (const std::wstring& name : names) {
        CString utf8;
        if (fw::NarrowUtf8(name, utf8) && IsPlainLanguageName(utf8))
            languages.push_back(utf8);
    }
    return languages;
}

std::vector<LanguageListing> ListLanguages(const std::wstring& programFile)
{
    CStringArray names = ListLanguageNames(programFile);
    if (std::none_of(names.begin(), names.end(), IsEnglishLanguage))
        names.push_back(kEnglishLanguage);
    std::sort(names.begin(), names.end(), [](const CString& a, const CString& b) {
        return CompareStringOrdinal(fw::Wide(a).c_str(), -1, fw::Wide(b).c_str(), -1, TRUE) ==
               CSTR_LESS_THAN;
    });
    std::vector<LanguageListing> languages;
    for (const CString& name : names) {
        if (!IsLanguageAvailable(programFile, name))
            continue;
        LanguageFile file;
        file.Open(programFile, name);
        LanguageListing listing{name, file.Read("Translator", "Name"),
                                file.Read("Translator", "Locale")};
        if (listing.name.empty())
            listing.name = IsEnglishLanguage(name) ? CString(kEnglishOwnName) : name;
        if (listing.locale.empty() && IsEnglishLanguage(name))
            listing.locale = kEnglishLocale;
        languages.push_back(listing);
    }
    std::vector<LanguageListing> listed = languages;
    for (LanguageListing& listing : listed)
        if (std::count_if(languages.begin(), languages.end(), [&](const LanguageListing& other) {
                return EqualNoCase(other.name, listing.name);
            }) > 1)
            listing.name += " (" + listing.file + ")";
    return listed;
}

bool IsLanguageAvailable(const std::wstring& programFile, const CString& name)
{
    const CString trimmed = TrimLanguageName(name);
    if (!IsPlainLanguageName(trimmed))
        return false;
    if (IsEnglishLanguage(trimmed))
        return true;
    LanguageFile file;
    file.Open(programFile, trimmed);
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (file.GetPath().empty() ||
        !GetFileAttributesExW(FileSystemPath(file.GetPath()).c_str(), GetFileExInfoStandard, &data))
        return false;
    const ULONGLONG size = (static_cast<ULONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    return !(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
           size <= LanguageFile::kMaxFileSize;
}
