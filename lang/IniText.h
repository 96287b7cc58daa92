#pragma once
// The text of an INI-format file, read the way the platform's profile
// functions read it (GetPrivateProfileStringW) and changed the way they change
// it (WritePrivateProfileStringW), except that a change leaves every line it
// does not touch byte for byte as it was. Plain C++: the ANSI code page is
// the one thing it asks the system (lang/AnsiCodePage.h).
//
// Reading rules: a line ends at a line feed or carriage return; blanks (tab,
// line feed, vertical tab, form feed, carriage return, space, ^Z) around a
// line, a name and a value do not count; "[name]" starts a section (up to the
// last "]" of the line, blanks inside the brackets dropped); "name=value" is
// an entry, a line without "=" an entry
// without value; ";" lines are entries no key ever names. Names match without
// regard to case (lang/NameCase.h). Only the first section of a name counts,
// and in it the first entry of a name, even when it has no value.
//
// Encodings: UTF-8 or UTF-16 (either byte order) with a byte-order mark;
// UTF-8 without a mark when the whole file is well-formed UTF-8 and not all
// ASCII (a translator's editor may have saved it so; the profile functions
// would read it as ANSI); otherwise the ANSI code page. Nothing is refused:
// an ill-formed sequence of a UTF-8 file with a mark and an unpaired
// surrogate of a UTF-16 file read as U+FFFD, the odd last byte of a UTF-16
// file is dropped. Texts in and out (sections, keys, values) are UTF-8; an
// ill-formed sequence in them counts as U+FFFD.
#include <string>
#include <vector>

#include "framework/Strings.h"

class IniText {
public:
    IniText() = default; // an empty or missing file
    explicit IniText(const std::string& bytes);

    // What GetPrivateProfileStringW(section, key, L"", buffer, capacity + 1)
    // puts into the buffer, as UTF-8: matching outer quotes dropped, at most
    // `capacity` UTF-16 code units, never half of a surrogate pair. False (and
    // `value` empty) when the key is missing or has no value.
    bool Read(const CString& section, const CString& key, size_t capacity, CString& value) const;

    // True when reading the key would give the value as written by Write:
    // the entry exists with a value equal to it (blanks around either aside).
    bool Holds(const CString& section, const CString& key, const CString& value) const;

    // Sets the key as WritePrivateProfileStringW does, in the file's encoding:
    // the first entry of the name in the first section of the name gets the
    // value (leading blanks dropped); a missing entry is added after the last
    // line of the section (a plural form "<key>.<suffix>" after the entries
    // of its key and its other forms); a missing section is added at the end. False, with
    // nothing changed, for an empty key, for names or values that the format
    // cannot hold (line breaks, "=" in a key, "]" in a section), and for text
    // that the encoding cannot hold (an ANSI file: a character without an ANSI
    // form, or a change that would make the whole file read as UTF-8).
    bool Write(const CString& section, const CString& key, const CString& value);

    // The file's bytes, in its encoding, with its byte-order mark.
    std::string Bytes() const;

private:
    enum class Encoding { Ansi, Utf8, Utf8Marked, Utf16, Utf16Swapped };
    enum class Kind { Blank, Section, Entry };
    // How a line's bytes would read as UTF-8 (what tells ANSI from UTF-8).
    enum class Form { Ascii, Utf8, NotUtf8 };
    struct Line {
        std::string raw; // as in the file, line break included
        Kind kind = Kind::Blank;
        Form form = Form::Ascii;
        std::u16string name;
        bool hasValue = false;
        std::u16string value;
    };

    bool IsWide() const;
    void Split(const std::string& text);
    Line MakeLine(std::string raw) const;
    void AddLine(std::string raw);
    std::u16string Decode(const std::string& raw) const;
    bool Encode(const std::u16string& text, std::string& bytes) const;
    std::string LineBreak() const;
    // The index of the first section of the name (npos when there is none),
    // and of the first entry of the key in it (npos when there is none).
    size_t FindSection(const std::u16string& section) const;
    size_t FindEntry(size_t section, const std::u16string& key) const;
    const Line* FindLine(const CString& section, const CString& key) const;
    size_t EndOfSection(size_t section) const;
    size_t PlaceOfNewEntry(size_t section, const std::u16string& key) const;
    size_t ContentLength(const std::string& raw) const;
    bool KeepsEncoding(const std::string& added, size_t replaced) const;
    void InsertLine(size_t at, const std::string& bytes);
    void ReplaceLine(size_t at, const std::string& bytes);

    Encoding encoding_ = Encoding::Ansi;
    std::vector<Line> lines_;
};
