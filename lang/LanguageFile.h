#pragma once
// A language file: an INI-format text file "<language>.lng" beside the
// executable, read and written only through the platform's profile functions,
// whose rules are the format's rules (names match without regard to case,
// blanks around keys and values are dropped, a write replaces a value in place).
#include "framework/Strings.h"

class LanguageFile {
public:
    // The file of the named language in the executable's folder.
    explicit LanguageFile(const CString& languageName);

    const CString& GetPath() const { return path_; }

    // The value of the key, at most kMaxValueLength characters; empty when the
    // file, the section or the key is missing, or the key is empty.
    CString Read(const CString& section, const CString& key) const;

    // Writes the value unchanged. False when the key is empty, when the value
    // holds a line break (the format keeps one line per entry) or when the
    // platform write fails.
    bool Write(const CString& section, const CString& key, const CString& value) const;

    // The section used when a section name is empty.
    static CString SectionName(const CString& section);
    // The key without the characters ":;., \t\r\n" at either end.
    static CString TrimKey(const CString& key);

    static constexpr int kMaxValueLength = 1023;

private:
    CString path_;
};
