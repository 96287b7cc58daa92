#pragma once
// Conversions between UTF-8, the texts the program keeps, and UTF-16, the
// texts of the system's wide functions and of language files in UTF-16. In
// plain C++, for text that may come from anywhere, with one rule for what is
// not well-formed, as Unicode recommends it: each maximal ill-formed
// subsequence of UTF-8 (a sequence cut short, a stray byte, an overlong
// form, a surrogate, a code point beyond U+10FFFF) and each unpaired
// surrogate of UTF-16 becomes one U+FFFD. Nothing valid is lost on the way.
#include <string>

namespace fw {

constexpr char16_t kReplacementCharacter = 0xFFFD;

inline bool IsHighSurrogate(char16_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}
inline bool IsLowSurrogate(char16_t unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// True when the whole text is well-formed UTF-8.
bool IsWellFormedUtf8(const std::string& bytes);

std::u16string Utf8ToUtf16(const std::string& utf8);
std::string Utf16ToUtf8(const std::u16string& utf16);

// The same for the system's wide characters (UTF-16 units on Windows).
std::wstring Wide(const std::string& utf8);
// `length` units of `text`, or up to its terminating zero when length is npos.
std::string Utf8(const wchar_t* text, size_t length = std::string::npos);
inline std::string Utf8(const std::wstring& text)
{
    return Utf8(text.data(), text.size());
}

// Strict: false (and the result empty) when the text is not well-formed
// UTF-8, or holds an unpaired surrogate.
bool WidenUtf8(const std::string& utf8, std::wstring& wide);
bool NarrowUtf8(const std::wstring& wide, std::string& utf8);

} // namespace fw
