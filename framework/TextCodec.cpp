#include "framework/TextCodec.h"

namespace fw {
namespace {

// The length of the sequence a lead byte starts (0 for no lead byte) and the
// range of the byte after it (the later ones are all 0x80 to 0xBF).
struct Lead {
    int length;
    unsigned char low, high;
};

Lead LeadOf(unsigned char byte)
{
    if (byte >= 0xC2 && byte <= 0xDF)
        return {2, 0x80, 0xBF};
    if (byte == 0xE0)
        return {3, 0xA0, 0xBF}; // no overlong form
    if (byte == 0xED)
        return {3, 0x80, 0x9F}; // no surrogate
    if (byte >= 0xE1 && byte <= 0xEF)
        return {3, 0x80, 0xBF};
    if (byte == 0xF0)
        return {4, 0x90, 0xBF}; // no overlong form
    if (byte == 0xF4)
        return {4, 0x80, 0x8F}; // nothing beyond U+10FFFF
    if (byte >= 0xF1 && byte <= 0xF3)
        return {4, 0x80, 0xBF};
    return {0, 0, 0};
}

// Decodes the sequence at `at` and moves past it; false (having moved past
// the maximal ill-formed subsequence) when it is not well-formed.
bool NextCodePoint(const std::string& bytes, size_t& at, char32_t& codePoint)
{
    const unsigned char first = static_cast<unsigned char>(bytes[at++]);
    if (first < 0x80) {
        codePoint = first;
        return true;
    }
    const Lead lead = LeadOf(first);
    if (lead.length == 0)
        return false;
    codePoint = first & (0x7F >> lead.length);
    unsigned char low = lead.low, high = lead.high;
    for (int i = 1; i < lead.length; ++i) {
        if (at >= bytes.size())
            return false;
        const unsigned char next = static_cast<unsigned char>(bytes[at]);
        if (next < low || next > high)
            return false;
        codePoint = (codePoint << 6) | (next & 0x3F);
        ++at;
        low = 0x80;
        high = 0xBF;
    }
    return true;
}

template <class Unit> void AppendUtf16(char32_t codePoint, std::basic_string<Unit>& text)
{
    if (codePoint < 0x10000) {
        text += static_cast<Unit>(codePoint);
        return;
    }
    codePoint -= 0x10000;
    text += static_cast<Unit>(0xD800 + (codePoint >> 10));
    text += static_cast<Unit>(0xDC00 + (codePoint & 0x3FF));
}

void AppendUtf8(char32_t codePoint, std::string& text)
{
    if (codePoint < 0x80) {
        text += static_cast<char>(codePoint);
        return;
    }
    const int length = codePoint < 0x800 ? 2 : codePoint < 0x10000 ? 3 : 4;
    static const unsigned char kLeadBits[] = {0, 0, 0xC0, 0xE0, 0xF0};
    text += static_cast<char>(kLeadBits[length] | (codePoint >> (6 * (length - 1))));
    for (int shift = 6 * (length - 2); shift >= 0; shift -= 6)
        text += static_cast<char>(0x80 | ((codePoint >> shift) & 0x3F));
}

// UTF-8 to UTF-16 units; false when anything was replaced.
template <class Unit> bool Decode(const std::string& utf8, std::basic_string<Unit>& text)
{
    text.clear();
    text.reserve(utf8.size());
    bool wellFormed = true;
    size_t at = 0;
    while (at < utf8.size()) {
        char32_t codePoint = 0;
        if (!NextCodePoint(utf8, at, codePoint)) {
            codePoint = kReplacementCharacter;
            wellFormed = false;
        }
        AppendUtf16(codePoint, text);
    }
    return wellFormed;
}

// UTF-16 units to UTF-8; false when anything was replaced.
template <class Unit> bool Encode(const Unit* units, size_t length, std::string& text)
{
    text.clear();
    text.reserve(length);
    bool wellFormed = true;
    for (size_t i = 0; i < length; ++i) {
        const char16_t unit = static_cast<char16_t>(units[i]);
        if (IsHighSurrogate(unit) && i + 1 < length &&
            IsLowSurrogate(static_cast<char16_t>(units[i + 1]))) {
            const char16_t low = static_cast<char16_t>(units[++i]);
            AppendUtf8(0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) + (low - 0xDC00),
                       text);
        } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
            AppendUtf8(kReplacementCharacter, text);
            wellFormed = false;
        } else {
            AppendUtf8(unit, text);
        }
    }
    return wellFormed;
}

} // namespace

bool IsWellFormedUtf8(const std::string& bytes)
{
    size_t at = 0;
    char32_t codePoint = 0;
    while (at < bytes.size())
        if (!NextCodePoint(bytes, at, codePoint))
            return false;
    return true;
}

std::u16string Utf8ToUtf16(const std::string& utf8)
{
    std::u16string text;
    Decode(utf8, text);
    return text;
}

std::string Utf16ToUtf8(const std::u16string& utf16)
{
    std::string text;
    Encode(utf16.data(), utf16.size(), text);
    return text;
}

std::wstring Wide(const std::string& utf8)
{
    std::wstring wide;
    Decode(utf8, wide);
    return wide;
}

std::string Utf8(const wchar_t* text, size_t length)
{
    std::string utf8;
    if (!text)
        return utf8;
    if (length == std::string::npos)
        length = std::char_traits<wchar_t>::length(text);
    Encode(text, length, utf8);
    return utf8;
}

bool WidenUtf8(const std::string& utf8, std::wstring& wide)
{
    if (Decode(utf8, wide))
        return true;
    wide.clear();
    return false;
}

bool NarrowUtf8(const std::wstring& wide, std::string& utf8)
{
    if (Encode(wide.data(), wide.size(), utf8))
        return true;
    utf8.clear();
    return false;
}

} // namespace fw
