#pragma once
// Conversions between UTF-8 and UTF-16 in plain C++, for text that may come
// from anywhere: nothing ill-formed is rejected, it is replaced.
#include <string>

constexpr char16_t kReplacementCharacter = 0xFFFD;

inline bool IsHighSurrogate(char16_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}
inline bool IsLowSurrogate(char16_t unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// UTF-8 to UTF-16; each maximal ill-formed subsequence (a sequence cut
// short, a stray byte, an overlong form, a surrogate, a code point beyond
// U+10FFFF) becomes one U+FFFD, as Unicode recommends.
std::u16string Utf8ToUtf16(const std::string& utf8);

// True when the whole text is well-formed UTF-8.
bool IsWellFormedUtf8(const std::string& bytes);

// UTF-16 to UTF-8; an unpaired surrogate becomes U+FFFD.
std::string Utf16ToUtf8(const std::u16string& utf16);
