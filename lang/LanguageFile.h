#pragma once
// A language file: an INI-format text file "<language>.lng" beside the
// executable. It is read once into memory and answers every lookup from
// there, with the results of the platform's profile functions for the same
// file (lang/IniText.h, which also says which encodings are read); it is read
// again when the language changes or the file's time stamp or size changes.
// Changes are kept in memory until Flush writes them in one go, in the file's
// own encoding (a new file: UTF-8 with a byte-order mark), rewriting only the
// lines they touch; a key that already holds the value is not written at all.
// A file that could not be read (larger than kMaxFileSize, or held by another
// program) reads as missing and is never written until a read succeeds.
//
// Texts (sections, keys, values) and the language name are UTF-8; the path
// is wide, of any length and in any characters.
#include <windows.h>

#include <string>
#include <vector>

#include "framework/Strings.h"
#include "lang/IniText.h"

class LanguageFile {
public:
    LanguageFile() = default;

    // Points the file at "<language>.lng" beside the program (`programFile`,
    // the executable's full path) and has the next Read or Write look whether
    // the file has changed. A name that is not a plain file name
    // (lang/LanguageName.h), or a program path that is not a full path, leaves
    // the file without a path: nothing is read or written. Another path drops
    // the previous file's text and changes at once.
    void Open(const std::wstring& programFile, const CString& languageName);
    const std::wstring& GetPath() const { return path_; }

    // The value of the key, at most kMaxValueLength UTF-16 code units; empty
    // when the file, the section or the key is missing or the key is empty.
    CString Read(const CString& section, const CString& key);

    // Sets the value (unchanged) in memory, for Flush to write; true when the
    // file already holds it. False when there is no path, the key is empty or
    // the value holds a line break (the format keeps one line per entry), or
    // the file's encoding cannot hold the text (a character without an ANSI
    // form for an ANSI file).
    bool Write(const CString& section, const CString& key, const CString& value);

    // Writes what Write changed into the file (read again first when someone
    // else changed it meanwhile or it could not be read). True when there was
    // nothing to write or it was written; on failure (also for a file that
    // still cannot be read) the changes are dropped.
    bool Flush();

    // The section used when a section name is empty.
    static CString SectionName(const CString& section);
    // The key without the characters ":;., \t\r\n" at either end.
    static CString TrimKey(const CString& key);

    static constexpr int kMaxValueLength = 1023;
    // A language file holds a few kilobytes (english.lng, every text of the
    // program, about 2 KB; a translation with notes perhaps ten times that).
    // 256 KiB leaves room for any real one a hundred times over and bounds
    // what a stranger's file can cost: at worst (a line per two bytes) about
    // 50 ms to read, 30 MB of memory and a millisecond or two per lookup,
    // where 1 MiB would cost four times that and a file of 1 GB froze the
    // program half a minute and took 3 GB.
    static constexpr ULONGLONG kMaxFileSize = 256 * 1024;

private:
    struct Stamp {
        bool exists = false;
        FILETIME written{};
        ULONGLONG size = 0;
        bool operator==(const Stamp& other) const;
    };
    struct Change {
        CString section, key, value;
    };

    void Refresh();
    Stamp CurrentStamp() const;
    void Load();

    std::wstring path_;
    bool checked_ = false; // looked for changes since Open
    bool loaded_ = false;  // read (or missing) since the path was set
    Stamp stamp_;
    IniText text_;
    std::vector<Change> changes_;
};
