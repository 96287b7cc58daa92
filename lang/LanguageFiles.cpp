#include "lang/LanguageFiles.h"

#include <windows.h>

#include <cctype>

namespace {

char Lower(char c)
{
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

// Removes every character of `set` from the end of `text`.
CString TrimRight(const CString& text, const char* set)
{
    const size_t last = text.find_last_not_of(set);
    return last == CString::npos ? CString() : text.substr(0, last + 1);
}

CString TrimLeft(const CString& text, const char* set)
{
    const size_t first = text.find_first_not_of(set);
    return first == CString::npos ? CString() : text.substr(first);
}

// Closes a search handle when it goes out of scope.
class FindHandle {
public:
    explicit FindHandle(HANDLE handle) : handle_(handle) {}
    ~FindHandle()
    {
        if (IsValid())
            FindClose(handle_);
    }
    FindHandle(const FindHandle&) = delete;
    FindHandle& operator=(const FindHandle&) = delete;
    bool IsValid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return handle_; }

private:
    HANDLE handle_;
};

// The part of a search pattern after its last separator.
CString NamePattern(const CString& pattern)
{
    const size_t separator = pattern.find_last_of("\\/");
    return separator == CString::npos ? pattern : pattern.substr(separator + 1);
}

CString ListedName(const WIN32_FIND_DATAA& entry, bool cutExtension)
{
    CString name = entry.cFileName;
    if (cutExtension) {
        const size_t point = name.rfind('.');
        if (point != CString::npos)
            name.erase(point);
    }
    return name;
}

} // namespace

bool MatchesFilePattern(const CString& name, const CString& pattern)
{
    size_t n = 0, p = 0;
    size_t starPattern = CString::npos, starName = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || Lower(pattern[p]) == Lower(name[n]))) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starPattern = p++;
            starName = n;
        } else if (starPattern != CString::npos) {
            p = starPattern + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

bool DirectoryExists(const CString& path)
{
    const CString trimmed = TrimRight(TrimLeft(path, " \t\r\n"), " \t\\/");
    if (trimmed.empty())
        return true;
    const DWORD attributes = GetFileAttributesA(trimmed.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool ListFiles(const CString& folder, const CString& pattern, CStringArray& names, bool withPath,
               bool cutExtension)
{
    names.clear();
    if (!folder.empty() && !DirectoryExists(folder))
        return false;
    const CString searchFolder = TrimRight(folder, "\\/ \t") + "\\";
    const CString namePattern = NamePattern(pattern);
    WIN32_FIND_DATAA entry;
    FindHandle find(FindFirstFileA((searchFolder + pattern).c_str(), &entry));
    if (!find.IsValid())
        return true;
    do {
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            continue;
        if (!MatchesFilePattern(entry.cFileName, namePattern))
            continue;
        const CString name = ListedName(entry, cutExtension);
        if (!name.empty())
            names.push_back(withPath ? searchFolder + name : name);
    } while (FindNextFileA(find.Get(), &entry));
    return true;
}
