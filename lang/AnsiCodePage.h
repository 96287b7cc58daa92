#pragma once
// The ANSI code page that plain text files without a byte-order mark are
// read in, behind a seam: the reader of language files is plain C++ and asks
// this interface for the one thing only the system knows.
#include <string>

class AnsiCodePage {
public:
    // The bytes as UTF-16, every byte sequence decoded as the system's
    // conversion decodes it (nothing is refused).
    virtual std::u16string Decode(const std::string& bytes) const = 0;
    // UTF-16 to the code page; false (and `bytes` empty) when a character
    // has no exact form in it (no look-alike, no default character).
    virtual bool Encode(const std::u16string& text, std::string& bytes) const = 0;

protected:
    ~AnsiCodePage() = default;
};

// The system's ANSI code page. The Windows build links the system's
// conversions (lang/SystemAnsiCodePage.cpp); a build for another platform
// links its own choice (the fuzz targets take Windows-1252).
const AnsiCodePage& SystemAnsiCodePage();

// Windows-1252 (Western European) as Windows converts it, in plain C++: the
// five bytes it leaves undefined stand for the control characters U+0081,
// U+008D, U+008F, U+0090 and U+009D, both ways.
const AnsiCodePage& Windows1252();
