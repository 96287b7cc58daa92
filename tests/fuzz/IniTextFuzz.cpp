// Any bytes as a language file. The reader must not crash, overrun or hang;
// every value it answers is UTF-8 within the capacity; a shorter capacity
// answers a start of the same value; the bytes it was given come back
// unchanged; a write either changes nothing or reads back as written, leaves
// every other key as it was, and reads the same once the file's bytes are
// read again.
#include <cstdint>
#include <string>
#include <vector>

#include "framework/TextCodec.h"
#include "lang/IniText.h"
#include "tests/fuzz/FuzzCheck.h"

namespace {

constexpr size_t kCapacity = 1023;
constexpr size_t kMostPieces = 12;

// The runs of the text between line breaks, "=", "[" and "]": the names
// and values a read or write may use.
void AddPieces(const std::string& text, std::vector<std::string>& pieces)
{
    size_t start = 0;
    while (start <= text.size() && pieces.size() < kMostPieces) {
        size_t end = text.find_first_of("\r\n=[]", start);
        if (end == std::string::npos)
            end = text.size();
        if (end > start)
            pieces.push_back(text.substr(start, end - start));
        start = end + 1;
    }
}

// The pieces of the bytes, and of the bytes read as UTF-16 (either order).
std::vector<std::string> Pieces(const std::string& bytes)
{
    std::vector<std::string> pieces = {"", "S", "k"};
    AddPieces(bytes, pieces);
    const bool swapped = bytes.compare(0, 2, "\xFE\xFF") == 0;
    if (swapped || bytes.compare(0, 2, "\xFF\xFE") == 0) {
        std::u16string text;
        for (size_t i = 2; i + 1 < bytes.size(); i += 2) {
            const unsigned char a = bytes[i], b = bytes[i + 1];
            text += static_cast<char16_t>(swapped ? (a << 8) | b : (b << 8) | a);
        }
        AddPieces(fw::Utf16ToUtf8(text), pieces);
    }
    return pieces;
}

std::string ReadValue(const IniText& text, const std::string& section, const std::string& key,
                      size_t capacity = kCapacity)
{
    std::string value;
    const bool found = text.Read(section, key, capacity, value);
    FUZZ_CHECK(found || value.empty());
    FUZZ_CHECK(fw::IsWellFormedUtf8(value));
    FUZZ_CHECK(fw::Utf8ToUtf16(value).size() <= capacity);
    return value;
}

bool IsBlank(char16_t c)
{
    return (c >= 0x09 && c <= 0x0D) || c == 0x1A || c == 0x20;
}

// A value that must read back exactly as written: well-formed, no blanks
// around it, no matching outer quotes, within the capacity.
bool ReadsBackAsWritten(const std::string& value)
{
    const std::u16string text = fw::Utf8ToUtf16(value);
    if (!fw::IsWellFormedUtf8(value) || text.size() > kCapacity)
        return false;
    if (text.empty())
        return true;
    const bool quoted =
        text.size() >= 2 && (text[0] == u'"' || text[0] == u'\'') && text.back() == text[0];
    return !IsBlank(text.front()) && !IsBlank(text.back()) && !quoted;
}

void CheckWrite(IniText& text, const std::vector<std::string>& pieces, size_t s, size_t k, size_t v)
{
    const std::string &section = pieces[s], &key = pieces[k], &value = pieces[v];
    std::vector<std::string> before;
    for (size_t i = 0; i < pieces.size(); ++i)
        before.push_back(ReadValue(text, pieces[i], pieces[(i + 1) % pieces.size()]));
    const std::string bytes = text.Bytes();
    if (!text.Write(section, key, value)) {
        FUZZ_CHECK(text.Bytes() == bytes);
        return;
    }
    std::string read;
    FUZZ_CHECK(text.Read(section, key, kCapacity, read));
    FUZZ_CHECK(text.Holds(section, key, value));
    if (ReadsBackAsWritten(value))
        FUZZ_CHECK(read == value);
    const IniText again(text.Bytes());
    FUZZ_CHECK(ReadValue(again, section, key) == read);
    for (size_t i = 0; i < pieces.size(); ++i) {
        const std::string& otherSection = pieces[i];
        const std::string& otherKey = pieces[(i + 1) % pieces.size()];
        const std::string after = ReadValue(text, otherSection, otherKey);
        FUZZ_CHECK(after == before[i] || after == read);
        FUZZ_CHECK(ReadValue(again, otherSection, otherKey) == after);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    IniText text(bytes);
    // The bytes come back unchanged, but for the odd last byte of UTF-16.
    const bool wide = bytes.compare(0, 2, "\xFF\xFE") == 0 || bytes.compare(0, 2, "\xFE\xFF") == 0;
    FUZZ_CHECK(text.Bytes() == bytes.substr(0, size - (wide && size % 2)));
    const std::vector<std::string> pieces = Pieces(bytes);
    for (size_t s = 0; s < pieces.size(); ++s) {
        for (size_t k = 0; k < pieces.size(); ++k) {
            const std::string whole = ReadValue(text, pieces[s], pieces[k]);
            const size_t capacity = (s * 7 + k) % 8;
            const std::string start = ReadValue(text, pieces[s], pieces[k], capacity);
            FUZZ_CHECK(whole.compare(0, start.size(), start) == 0);
        }
    }
    const size_t n = pieces.size();
    CheckWrite(text, pieces, size % n, (size / n) % n, (size / n / n) % n);
    CheckWrite(text, pieces, 1, n - 1, n / 2);
    return 0;
}
