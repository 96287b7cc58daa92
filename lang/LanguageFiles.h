#pragma once
// Lists the language files (or any files) of a folder, and the languages the
// program offers. Folders and file names are wide, of any length.
#include <string>
#include <vector>

#include "framework/Strings.h"

using WideNames = std::vector<std::wstring>;

// Fills `names` with the files of `folder` whose names match `pattern`
// (L"*.lng"), in the order the file system reports them. Folders are skipped.
// With `cutExtension` a name loses its last point and what follows; names
// that become empty are skipped. With `withPath` each name is preceded by the
// folder and a backslash. Only names that really match the pattern are listed:
// the file system also matches "*.lng" against short alternate names, which
// would offer "fr.lngx" as a language.
// False, with `names` empty, when the folder does not exist.
bool ListFiles(const std::wstring& folder, const std::wstring& pattern, WideNames& names,
               bool withPath, bool cutExtension);

// True when the path (white space and trailing separators dropped) is empty or
// names an existing folder.
bool DirectoryExists(const std::wstring& path);

// Matches a name against a pattern of '*' and '?' without regard to case.
bool MatchesFilePattern(const std::wstring& name, const std::wstring& pattern);

// The names (UTF-8, without ".lng") of the language files beside the
// program (`programFile`, the executable's full path) that are plain
// language names.
CStringArray ListLanguageNames(const std::wstring& programFile);

// A language the user can choose: its file's name (what `Lang` stores), the
// name the list shows, and the locale its file names.
struct LanguageListing {
    CString file;
    CString name;
    CString locale;
};
// The languages offered, in the order of their file names: each file beside
// the executable that IsLanguageAvailable takes, and english (whose texts are
// built in) also without a file. Each is listed by its own name ("Name" of
// its "Translator" section; the file name without one, "English" for
// english); a name that two files give is followed by the file's in brackets.
std::vector<LanguageListing> ListLanguages(const std::wstring& programFile);

// True when the language can be shown: english (its texts are built in), or
// a plain language name whose file beside the executable is a file the
// program reads (not a folder, not larger than a language file can be).
bool IsLanguageAvailable(const std::wstring& programFile, const CString& name);
