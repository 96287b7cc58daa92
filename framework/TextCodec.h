#pragma once
// Conversions between the narrow texts the program keeps (UTF-8 for names and
// paths, the ANSI code page for texts shown in windows) and the UTF-16 texts
// of the system's wide functions.
#include <string>

namespace fw {

// UTF-8 to UTF-16; false (and `wide` empty) when the text is not valid UTF-8.
bool WidenUtf8(const std::string& utf8, std::wstring& wide);
// The same, with every invalid sequence replaced by U+FFFD.
std::wstring WidenUtf8(const std::string& utf8);
// UTF-16 to UTF-8; false (and `utf8` empty) for an unpaired surrogate.
bool NarrowUtf8(const std::wstring& wide, std::string& utf8);
std::wstring WidenAnsi(const std::string& ansi);
// UTF-16 to the ANSI code page; false (and `ansi` empty) when a character has
// no exact ANSI form (no best-fit look-alikes, no default character).
bool NarrowAnsi(const std::wstring& wide, std::string& ansi);
// True when the bytes are text of the ANSI code page (no invalid sequences).
bool IsAnsiText(const std::string& bytes);

} // namespace fw
