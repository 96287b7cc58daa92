#pragma once
// A language name is the name of its file beside the executable without the
// extension ".lng", kept as UTF-8 inside the program. Only a plain file name
// may become a path: anything that could lead elsewhere counts as no name.
#include "framework/Strings.h"

// The language whose texts are built in, its own name ("Name" of its file's
// "Translator" section) and its locale ("Locale" there).
constexpr char kEnglishLanguage[] = "english";
constexpr char kEnglishOwnName[] = "English";
constexpr char kEnglishLocale[] = "en-US";

// The name without leading and trailing white space.
CString TrimLanguageName(const CString& utf8Name);

// True when the trimmed name is a plain file name: valid UTF-8, not empty,
// not "." or "..", without path or drive separators, wildcards, characters
// that no file name may hold or control characters, and no reserved device
// name (CON, PRN, AUX, NUL, COM1-9, LPT1-9, also with an extension).
bool IsPlainLanguageName(const CString& utf8Name);

// True when the two UTF-8 names are the same without regard to case, as the
// file system compares file names ("English" is "english").
bool EqualNoCase(const CString& a, const CString& b);

// True when the name, blanks around it dropped, is english's in any case.
bool IsEnglishLanguage(const CString& name);
