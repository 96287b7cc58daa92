#pragma once
// Lists the language files (or any files) of a folder.
#include "framework/Strings.h"

// Fills `names` with the files of `folder` whose names match `pattern`
// ("*.lng"), in the order the file system reports them. Folders are skipped.
// With `cutExtension` a name loses its last point and what follows; names
// that become empty are skipped. With `withPath` each name is preceded by the
// folder and a backslash. Only names that really match the pattern are listed:
// the file system also matches "*.lng" against short alternate names, which
// would offer "fr.lngx" as a language.
// False, with `names` empty, when the folder does not exist.
bool ListFiles(const CString& folder, const CString& pattern, CStringArray& names, bool withPath,
               bool cutExtension);

// True when the path (white space and trailing separators dropped) is empty or
// names an existing folder.
bool DirectoryExists(const CString& path);

// Matches a name against a pattern of '*' and '?' without regard to case.
bool MatchesFilePattern(const CString& name, const CString& pattern);
