#pragma once
// Conversions between the texts the program keeps (UTF-8, in CString) and the
// UTF-16 texts of the system's wide functions. Every text that reaches or
// leaves a window passes through Wide or Utf8: nothing valid is lost on the
// way, and an invalid sequence becomes U+FFFD.
#include <string>

namespace fw {

// UTF-8 to UTF-16; false (and `wide` empty) when the text is not valid UTF-8.
bool WidenUtf8(const std::string& utf8, std::wstring& wide);
// The same, with every invalid sequence replaced by U+FFFD.
std::wstring Wide(const std::string& utf8);
// UTF-16 to UTF-8; false (and `utf8` empty) for an unpaired surrogate.
bool NarrowUtf8(const std::wstring& wide, std::string& utf8);
// The same, with an unpaired surrogate replaced by U+FFFD; `length` units of
// `text`, or up to its terminating zero when length is npos.
std::string Utf8(const wchar_t* text, size_t length = std::string::npos);
inline std::string Utf8(const std::wstring& text)
{
    return Utf8(text.data(), text.size());
}

} // namespace fw
