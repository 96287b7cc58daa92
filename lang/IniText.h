#pragma once
// The text of an INI-format file, read the way the platform's profile
// functions read it (GetPrivateProfileString) and changed the way they change
// it (WritePrivateProfileString), except that a change leaves every line it
// does not touch byte for byte as it was.
//
// Reading rules: a line ends at a line feed or carriage return; blanks (tab,
// line feed, vertical tab, form feed, carriage return, space, ^Z) around a
// line, a name and a value do not count; "[name]" starts a section (up to the
// last "]" of the line, blanks inside the brackets dropped); "name=value" is
// an entry, a line without "=" an entry
// without value; ";" lines are entries no key ever names. Names match without
// regard to case. Only the first section of a name counts, and in it the
// first entry of a name, even when it has no value.
//
// Encodings: ANSI text of the system code page; UTF-8 or UTF-16 (either
// byte order) with a byte-order mark; and, beyond the profile functions,
// UTF-8 without a mark when every byte sequence of the file is UTF-8 and one
// is not ASCII (a translator's editor may have saved it so). Values are
// answered in the ANSI code page; one that has no ANSI form counts as missing.
#include <string>
#include <vector>

#include "framework/Strings.h"

class IniText {
public:
    IniText() = default; // an empty or missing file
    explicit IniText(const std::string& bytes);

    // What GetPrivateProfileStringA(section, key, "", buffer, capacity + 1)
    // puts into the buffer: matching outer quotes dropped, at most `capacity`
    // characters. False (and `value` empty) when the key is missing, has no
    // value, or its value is not ANSI text.
    bool Read(const CString& section, const CString& key, size_t capacity, CString& value) const;

    // True when reading the key would give the value as written by Write:
    // the entry exists with a value equal to it (blanks around either aside).
    bool Holds(const CString& section, const CString& key, const CString& value) const;

    // Sets the key as WritePrivateProfileStringA does: the first entry of the
    // name in the first section of the name gets the value (leading blanks
    // dropped); a missing entry is added after the last line of the section;
    // a missing section is added at the end. False, with nothing changed, for
    // an empty key and for names or values that the format cannot hold (line
    // breaks, "=" in a key, "]" in a section).
    bool Write(const CString& section, const CString& key, const CString& value);

    // The file's bytes, in its encoding, with its byte-order mark.
    std::string Bytes() const;

private:
    enum class Encoding { Ansi, Utf8, Utf8Marked, Utf16, Utf16Swapped };
    enum class Kind { Blank, Section, Entry };
    struct Line {
        std::string raw; // as in the file, line break included
        Kind kind = Kind::Blank;
        std::wstring name;
        bool hasValue = false;
        std::wstring value;
        bool readable = true; // decoded without error
    };

    void Split(const std::string& text);
    void AddLine(std::string raw);
    std::wstring Decode(const std::string& raw, bool& readable) const;
    std::string Encode(const std::wstring& text) const;
    // The index of the first section of the name (npos when there is none),
    // and of the first entry of the key in it (npos when there is none).
    size_t FindSection(const std::wstring& section) const;
    size_t FindEntry(size_t section, const std::wstring& key) const;
    const Line* FindLine(const CString& section, const CString& key) const;
    size_t EndOfSection(size_t section) const;
    size_t ContentLength(const std::string& raw) const;
    void InsertLine(size_t at, const std::wstring& text);

    Encoding encoding_ = Encoding::Ansi;
    std::vector<Line> lines_;
};
