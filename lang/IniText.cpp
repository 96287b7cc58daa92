#include "lang/IniText.h"

#include <windows.h>

#include <algorithm>

#include "framework/TextCodec.h"

namespace {

const char kMarkUtf8[] = "\xEF\xBB\xBF";
const char kMarkUtf16[] = "\xFF\xFE";
const char kMarkUtf16Swapped[] = "\xFE\xFF";
const wchar_t kLineBreak[] = L"\r\n";

bool IsBlank(wchar_t c)
{
    return (c >= 0x09 && c <= 0x0D) || c == 0x1A || c == 0x20;
}

bool IsLineBreak(int c)
{
    return c == '\r' || c == '\n';
}

std::wstring Trim(const std::wstring& text)
{
    size_t first = 0, last = text.size();
    while (first < last && IsBlank(text[first]))
        ++first;
    while (last > first && IsBlank(text[last - 1]))
        --last;
    return text.substr(first, last - first);
}

std::wstring TrimLeft(const std::wstring& text)
{
    size_t first = 0;
    while (first < text.size() && IsBlank(text[first]))
        ++first;
    return text.substr(first);
}

bool EqualNoCase(const std::wstring& a, const std::wstring& b)
{
    return CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(),
                                static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

bool StartsWith(const std::string& bytes, const char* mark)
{
    return bytes.compare(0, std::char_traits<char>::length(mark), mark) == 0;
}

// A file without a byte-order mark that only an editor saving UTF-8 makes.
bool LooksLikeUtf8(const std::string& bytes)
{
    if (GetACP() == CP_UTF8)
        return false; // the ANSI code page reads it as it is
    bool beyondAscii = false;
    for (char c : bytes)
        beyondAscii = beyondAscii || static_cast<unsigned char>(c) >= 0x80;
    std::wstring unused;
    return beyondAscii && fw::WidenUtf8(bytes, unused);
}

std::string LossyAnsi(const std::wstring& text)
{
    std::string bytes(text.size() * 2, '\0');
    const int length =
        WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &bytes[0],
                            static_cast<int>(bytes.size()), nullptr, nullptr);
    bytes.resize(length > 0 ? static_cast<size_t>(length) : 0);
    return bytes;
}

void SwapBytes(std::string& bytes)
{
    for (size_t i = 0; i + 1 < bytes.size(); i += 2)
        std::swap(bytes[i], bytes[i + 1]);
}

// What the profile functions copy into a buffer of capacity + 1 characters:
// matching outer quotes dropped; a quoted value that only just fits loses
// its last character with the closing quote, as theirs does.
std::wstring CopiedValue(const std::wstring& value, size_t capacity)
{
    const bool quoted =
        value.size() >= 2 && (value[0] == L'"' || value[0] == L'\'') && value.back() == value[0];
    const std::wstring body = quoted ? value.substr(1) : value;
    std::wstring copied = body.substr(0, capacity);
    if (quoted && capacity + 1 >= body.size() && !copied.empty())
        copied.pop_back();
    return copied;
}

// Cuts ANSI text to at most `capacity` bytes without splitting a character.
void CutAnsi(CString& text, size_t capacity)
{
    if (text.size() <= capacity)
        return;
    size_t end = 0;
    while (end < capacity) {
        const size_t next =
            end + (IsDBCSLeadByte(static_cast<BYTE>(text[end])) && end + 1 < text.size() ? 2 : 1);
        if (next > capacity)
            break;
        end = next;
    }
    text.erase(end);
}

} // namespace

IniText::IniText(const std::string& bytes)
{
    std::string text = bytes;
    if (StartsWith(bytes, kMarkUtf8)) {
        encoding_ = Encoding::Utf8Marked;
        text.erase(0, 3);
    } else if (StartsWith(bytes, kMarkUtf16)) {
        encoding_ = Encoding::Utf16;
        text.erase(0, 2);
    } else if (StartsWith(bytes, kMarkUtf16Swapped)) {
        encoding_ = Encoding::Utf16Swapped;
        text.erase(0, 2);
    } else if (LooksLikeUtf8(bytes)) {
        encoding_ = Encoding::Utf8;
    }
    Split(text);
}

// A line is its text up to a line feed or carriage return, with the run of
// line breaks that follows it. UTF-16 text is split by its characters.
void IniText::Split(const std::string& text)
{
    const bool wide = encoding_ == Encoding::Utf16 || encoding_ == Encoding::Utf16Swapped;
    const size_t unit = wide ? 2 : 1;
    auto at = [&](size_t i) {
        if (!wide)
            return static_cast<int>(static_cast<unsigned char>(text[i]));
        const size_t low = encoding_ == Encoding::Utf16 ? i : i + 1;
        return static_cast<int>(static_cast<unsigned char>(text[low]) |
                                (static_cast<unsigned char>(text[i + i + 1 - low]) << 8));
    };
    const size_t end = text.size() - text.size() % unit;
    size_t start = 0;
    while (start < end) {
        size_t next = start;
        while (next < end && !IsLineBreak(at(next)))
            next += unit;
        while (next < end && IsLineBreak(at(next)))
            next += unit;
        AddLine(text.substr(start, next - start));
        start = next;
    }
}

void IniText::AddLine(std::string raw)
{
    Line line;
    line.raw = std::move(raw);
    const std::wstring text = Trim(Decode(line.raw, line.readable));
    if (text.empty()) {
        lines_.push_back(line);
        return;
    }
    const size_t close = text.rfind(L']');
    if (text[0] == L'[' && close != std::wstring::npos && close > 0) {
        line.kind = Kind::Section;
        line.name = Trim(text.substr(1, close - 1));
        lines_.push_back(line);
        return;
    }
    line.kind = Kind::Entry;
    const size_t equals = text.find(L'=');
    line.hasValue = equals != std::wstring::npos;
    line.name = line.hasValue ? Trim(text.substr(0, equals)) : text;
    if (line.hasValue)
        line.value = TrimLeft(text.substr(equals + 1));
    lines_.push_back(line);
}

std::wstring IniText::Decode(const std::string& raw, bool& readable) const
{
    std::wstring text;
    switch (encoding_) {
    case Encoding::Ansi:
        readable = fw::IsAnsiText(raw);
        return fw::WidenAnsi(raw);
    case Encoding::Utf8:
    case Encoding::Utf8Marked:
        readable = fw::WidenUtf8(raw, text);
        return readable ? text : fw::Wide(raw);
    case Encoding::Utf16:
    case Encoding::Utf16Swapped: {
        std::string bytes = raw;
        if (encoding_ == Encoding::Utf16Swapped)
            SwapBytes(bytes);
        text.assign(bytes.size() / 2, L'\0');
        for (size_t i = 0; i < text.size(); ++i)
            text[i] = static_cast<wchar_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                           (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
        readable = true;
        return text;
    }
    }
    return text;
}

std::string IniText::Encode(const std::wstring& text) const
{
    std::string bytes;
    switch (encoding_) {
    case Encoding::Ansi:
        if (!fw::NarrowAnsi(text, bytes)) // only a line that was unreadable already
            bytes = LossyAnsi(text);
        break;
    case Encoding::Utf8:
    case Encoding::Utf8Marked:
        fw::NarrowUtf8(text, bytes);
        break;
    case Encoding::Utf16:
    case Encoding::Utf16Swapped:
        for (wchar_t c : text) {
            bytes += static_cast<char>(c & 0xFF);
            bytes += static_cast<char>((c >> 8) & 0xFF);
        }
        if (encoding_ == Encoding::Utf16Swapped)
            SwapBytes(bytes);
        break;
    }
    return bytes;
}

size_t IniText::FindSection(const std::wstring& section) const
{
    const std::wstring name = Trim(section);
    for (size_t i = 0; i < lines_.size(); ++i)
        if (lines_[i].kind == Kind::Section && EqualNoCase(lines_[i].name, name))
            return i;
    return std::wstring::npos;
}

size_t IniText::FindEntry(size_t section, const std::wstring& key) const
{
    const std::wstring name = Trim(key);
    for (size_t i = section + 1; i < lines_.size() && lines_[i].kind != Kind::Section; ++i)
        if (lines_[i].kind == Kind::Entry && EqualNoCase(lines_[i].name, name))
            return i;
    return std::wstring::npos;
}

const IniText::Line* IniText::FindLine(const CString& section, const CString& key) const
{
    const size_t found = FindSection(fw::WidenAnsi(section));
    if (found == std::wstring::npos)
        return nullptr;
    const size_t entry = FindEntry(found, fw::WidenAnsi(key));
    return entry == std::wstring::npos ? nullptr : &lines_[entry];
}

bool IniText::Read(const CString& section, const CString& key, size_t capacity,
                   CString& value) const
{
    value.clear();
    const Line* line = FindLine(section, key);
    if (!line || !line->hasValue || !line->readable)
        return false;
    if (!fw::NarrowAnsi(CopiedValue(line->value, capacity), value))
        return false;
    CutAnsi(value, capacity);
    return true;
}

bool IniText::Holds(const CString& section, const CString& key, const CString& value) const
{
    const Line* line = FindLine(section, key);
    return line && line->hasValue && line->readable &&
           Trim(line->value) == Trim(fw::WidenAnsi(value));
}

// The last line of the section that is not blank: entries go after it.
size_t IniText::EndOfSection(size_t section) const
{
    size_t last = section;
    for (size_t i = section + 1; i < lines_.size() && lines_[i].kind != Kind::Section; ++i)
        if (lines_[i].kind != Kind::Blank)
            last = i;
    return last + 1;
}

// The bytes of a line before its line breaks.
size_t IniText::ContentLength(const std::string& raw) const
{
    const bool wide = encoding_ == Encoding::Utf16 || encoding_ == Encoding::Utf16Swapped;
    const size_t unit = wide ? 2 : 1;
    const size_t low = encoding_ == Encoding::Utf16Swapped ? 1 : 0;
    size_t length = raw.size() - raw.size() % unit;
    while (length >= unit && IsLineBreak(raw[length - unit + low]) &&
           (!wide || raw[length - unit + 1 - low] == '\0'))
        length -= unit;
    return length;
}

// Puts a line of its own before line `at` (or at the end); the line before
// it gets a line break when it has none.
void IniText::InsertLine(size_t at, const std::wstring& text)
{
    if (at > 0) {
        std::string& previous = lines_[at - 1].raw;
        if (ContentLength(previous) == previous.size())
            previous += Encode(kLineBreak);
    }
    AddLine(Encode(text) + Encode(kLineBreak));
    std::rotate(lines_.begin() + static_cast<std::ptrdiff_t>(at), lines_.end() - 1, lines_.end());
}

bool IniText::Write(const CString& section, const CString& key, const CString& value)
{
    const std::wstring name = Trim(fw::WidenAnsi(section));
    const std::wstring entryName = Trim(fw::WidenAnsi(key));
    const std::wstring text = TrimLeft(fw::WidenAnsi(value));
    if (name.empty() || entryName.empty() || name.find_first_of(L"\r\n]") != std::wstring::npos ||
        entryName.find_first_of(L"\r\n=") != std::wstring::npos || entryName[0] == L'[' ||
        entryName[0] == L';' || text.find_first_of(L"\r\n") != std::wstring::npos)
        return false;
    const size_t found = FindSection(name);
    if (found == std::wstring::npos) {
        InsertLine(lines_.size(), L"[" + name + L"]");
        InsertLine(lines_.size(), entryName + L"=" + text);
        return true;
    }
    const size_t entry = FindEntry(found, entryName);
    if (entry == std::wstring::npos) {
        InsertLine(EndOfSection(found), entryName + L"=" + text);
        return true;
    }
    // The entry keeps its name as spelt in the file, and its line break.
    const std::string raw = lines_[entry].raw;
    const std::wstring spelt = lines_[entry].name;
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(entry));
    AddLine(Encode(spelt + L"=" + text) + raw.substr(ContentLength(raw)));
    std::rotate(lines_.begin() + static_cast<std::ptrdiff_t>(entry), lines_.end() - 1,
                lines_.end());
    return true;
}

std::string IniText::Bytes() const
{
    std::string bytes;
    if (encoding_ == Encoding::Utf8Marked)
        bytes = kMarkUtf8;
    else if (encoding_ == Encoding::Utf16)
        bytes = std::string(kMarkUtf16, 2);
    else if (encoding_ == Encoding::Utf16Swapped)
        bytes = std::string(kMarkUtf16Swapped, 2);
    for (const Line& line : lines_)
        bytes += line.raw;
    return bytes;
}
