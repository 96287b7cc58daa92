#include "lang/IniText.h"

#include <algorithm>

#include "framework/TextCodec.h"
#include "lang/AnsiCodePage.h"
#include "lang/NameCase.h"

namespace {

const char kMarkUtf8[] = "\xEF\xBB\xBF";
const char kMarkUtf16[] = "\xFF\xFE";
const char kMarkUtf16Swapped[] = "\xFE\xFF";
constexpr size_t kNotFound = std::string::npos;

bool IsBlank(char16_t c)
{
    return (c >= 0x09 && c <= 0x0D) || c == 0x1A || c == 0x20;
}

bool IsLineBreak(char16_t c)
{
    return c == u'\r' || c == u'\n';
}

std::u16string Trim(const std::u16string& text)
{
    size_t first = 0, last = text.size();
    while (first < last && IsBlank(text[first]))
        ++first;
    while (last > first && IsBlank(text[last - 1]))
        --last;
    return text.substr(first, last - first);
}

std::u16string TrimLeft(const std::u16string& text)
{
    size_t first = 0;
    while (first < text.size() && IsBlank(text[first]))
        ++first;
    return text.substr(first);
}

bool StartsWith(const std::string& bytes, const char* mark)
{
    return bytes.compare(0, std::char_traits<char>::length(mark), mark) == 0;
}

bool IsAscii(const std::string& bytes)
{
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// The UTF-16 code unit at byte `at`, low byte first unless swapped.
char16_t UnitAt(const std::string& bytes, size_t at, bool swapped)
{
    const unsigned first = static_cast<unsigned char>(bytes[at]);
    const unsigned second = static_cast<unsigned char>(bytes[at + 1]);
    return static_cast<char16_t>(swapped ? (first << 8) | second : (second << 8) | first);
}

// What the profile functions copy into a buffer of capacity + 1 characters:
// matching outer quotes dropped; a quoted value that only just fits loses
// its last character with the closing quote, as theirs does. A surrogate
// pair that does not fit whole is left out whole.
std::u16string CopiedValue(const std::u16string& value, size_t capacity)
{
    const bool quoted =
        value.size() >= 2 && (value[0] == u'"' || value[0] == u'\'') && value.back() == value[0];
    const std::u16string body = quoted ? value.substr(1) : value;
    std::u16string copied = body.substr(0, capacity);
    if (quoted && capacity + 1 >= body.size() && !copied.empty())
        copied.pop_back();
    if (!copied.empty() && fw::IsHighSurrogate(copied.back()) &&
        fw::IsLowSurrogate(body[copied.size()]))
        copied.pop_back();
    return copied;
}

bool IsWritable(const std::u16string& section, const std::u16string& key,
                const std::u16string& value)
{
    return !section.empty() && !key.empty() && section.find_first_of(u"\r\n]") == kNotFound &&
           key.find_first_of(u"\r\n=") == kNotFound && key[0] != u'[' && key[0] != u';' &&
           value.find_first_of(u"\r\n") == kNotFound;
}

} // namespace

IniText::IniText(const std::string& bytes)
{
    size_t start = 0;
    if (StartsWith(bytes, kMarkUtf8)) {
        encoding_ = Encoding::Utf8Marked;
        start = 3;
    } else if (StartsWith(bytes, kMarkUtf16)) {
        encoding_ = Encoding::Utf16;
        start = 2;
    } else if (StartsWith(bytes, kMarkUtf16Swapped)) {
        encoding_ = Encoding::Utf16Swapped;
        start = 2;
    } else if (!IsAscii(bytes) && fw::IsWellFormedUtf8(bytes)) {
        encoding_ = Encoding::Utf8;
    }
    Split(bytes.substr(start));
}

bool IniText::IsWide() const
{
    return encoding_ == Encoding::Utf16 || encoding_ == Encoding::Utf16Swapped;
}

// A line is its text up to a line feed or carriage return, with the run of
// line breaks that follows it. UTF-16 text is split by its code units.
void IniText::Split(const std::string& text)
{
    const size_t unit = IsWide() ? 2 : 1;
    const bool swapped = encoding_ == Encoding::Utf16Swapped;
    auto isBreak = [&](size_t at) {
        return IsLineBreak(unit == 1 ? static_cast<unsigned char>(text[at])
                                     : UnitAt(text, at, swapped));
    };
    const size_t end = text.size() - text.size() % unit;
    size_t start = 0;
    while (start < end) {
        size_t next = start;
        while (next < end && !isBreak(next))
            next += unit;
        while (next < end && isBreak(next))
            next += unit;
        AddLine(text.substr(start, next - start));
        start = next;
    }
}

IniText::Line IniText::MakeLine(std::string raw) const
{
    Line line;
    line.raw = std::move(raw);
    if (!IsAscii(line.raw))
        line.form = fw::IsWellFormedUtf8(line.raw) ? Form::Utf8 : Form::NotUtf8;
    const std::u16string text = Trim(Decode(line.raw));
    if (text.empty())
        return line;
    const size_t close = text.rfind(u']');
    if (text[0] == u'[' && close != kNotFound && close > 0) {
        line.kind = Kind::Section;
        line.name = Trim(text.substr(1, close - 1));
        return line;
    }
    line.kind = Kind::Entry;
    const size_t equals = text.find(u'=');
    line.hasValue = equals != kNotFound;
    line.name = line.hasValue ? Trim(text.substr(0, equals)) : text;
    if (line.hasValue)
        line.value = TrimLeft(text.substr(equals + 1));
    return line;
}

void IniText::AddLine(std::string raw)
{
    lines_.push_back(MakeLine(std::move(raw)));
}

std::u16string IniText::Decode(const std::string& raw) const
{
    switch (encoding_) {
    case Encoding::Ansi:
        return SystemAnsiCodePage().Decode(raw);
    case Encoding::Utf8:
    case Encoding::Utf8Marked:
        return fw::Utf8ToUtf16(raw);
    case Encoding::Utf16:
    case Encoding::Utf16Swapped:
        break;
    }
    std::u16string text(raw.size() / 2, u'\0');
    for (size_t i = 0; i < text.size(); ++i)
        text[i] = UnitAt(raw, 2 * i, encoding_ == Encoding::Utf16Swapped);
    return text;
}

bool IniText::Encode(const std::u16string& text, std::string& bytes) const
{
    switch (encoding_) {
    case Encoding::Ansi:
        return SystemAnsiCodePage().Encode(text, bytes);
    case Encoding::Utf8:
    case Encoding::Utf8Marked:
        bytes = fw::Utf16ToUtf8(text);
        return true;
    case Encoding::Utf16:
    case Encoding::Utf16Swapped:
        break;
    }
    const bool swapped = encoding_ == Encoding::Utf16Swapped;
    bytes.clear();
    for (char16_t unit : text) {
        const char low = static_cast<char>(unit & 0xFF), high = static_cast<char>(unit >> 8);
        bytes += swapped ? high : low;
        bytes += swapped ? low : high;
    }
    return true;
}

std::string IniText::LineBreak() const
{
    std::string bytes;
    Encode(u"\r\n", bytes);
    return bytes;
}

size_t IniText::FindSection(const std::u16string& section) const
{
    const std::u16string name = Trim(section);
    for (size_t i = 0; i < lines_.size(); ++i)
        if (lines_[i].kind == Kind::Section && EqualIgnoringCase(lines_[i].name, name))
            return i;
    return kNotFound;
}

size_t IniText::FindEntry(size_t section, const std::u16string& key) const
{
    const std::u16string name = Trim(key);
    for (size_t i = section + 1; i < lines_.size() && lines_[i].kind != Kind::Section; ++i)
        if (lines_[i].kind == Kind::Entry && EqualIgnoringCase(lines_[i].name, name))
            return i;
    return kNotFound;
}

const IniText::Line* IniText::FindLine(const CString& section, const CString& key) const
{
    const size_t found = FindSection(fw::Utf8ToUtf16(section));
    if (found == kNotFound)
        return nullptr;
    const size_t entry = FindEntry(found, fw::Utf8ToUtf16(key));
    return entry == kNotFound ? nullptr : &lines_[entry];
}

bool IniText::Read(const CString& section, const CString& key, size_t capacity,
                   CString& value) const
{
    value.clear();
    const Line* line = FindLine(section, key);
    if (!line || !line->hasValue)
        return false;
    value = fw::Utf16ToUtf8(CopiedValue(line->value, capacity));
    return true;
}

bool IniText::Holds(const CString& section, const CString& key, const CString& value) const
{
    const Line* line = FindLine(section, key);
    return line && line->hasValue && Trim(line->value) == Trim(fw::Utf8ToUtf16(value));
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

// Where a new entry of the section goes: after its last line that is not
// blank; a form "<key>.<suffix>" after the last entry of its key or of
// another of its forms, so that a key's forms stay together.
size_t IniText::PlaceOfNewEntry(size_t section, const std::u16string& key) const
{
    const size_t point = key.rfind(u'.');
    size_t place = kNotFound;
    if (point != kNotFound && point > 0) {
        const std::u16string base = key.substr(0, point);
        for (size_t i = section + 1; i < lines_.size() && lines_[i].kind != Kind::Section; ++i) {
            const std::u16string& name = lines_[i].name;
            if (lines_[i].kind == Kind::Entry &&
                EqualIgnoringCase(name.substr(0, base.size()), base) &&
                (name.size() == base.size() || name[base.size()] == u'.'))
                place = i + 1;
        }
    }
    return place != kNotFound ? place : EndOfSection(section);
}

// The bytes of a line before its line breaks.
size_t IniText::ContentLength(const std::string& raw) const
{
    const size_t unit = IsWide() ? 2 : 1;
    const bool swapped = encoding_ == Encoding::Utf16Swapped;
    size_t length = raw.size() - raw.size() % unit;
    while (length >= unit && IsLineBreak(unit == 1 ? static_cast<unsigned char>(raw[length - 1])
                                                   : UnitAt(raw, length - 2, swapped)))
        length -= unit;
    return length;
}

// An ANSI file stays one as long as some line is not UTF-8 or all are ASCII:
// a change that would make it read as UTF-8 would change what other lines read.
bool IniText::KeepsEncoding(const std::string& added, size_t replaced) const
{
    if (encoding_ != Encoding::Ansi)
        return true;
    Form form = MakeLine(added).form;
    for (size_t i = 0; i < lines_.size() && form != Form::NotUtf8; ++i)
        if (i != replaced)
            form = std::max(form, lines_[i].form);
    return form != Form::Utf8;
}

// Puts a line of its own before line `at` (or at the end); the line before
// it gets a line break when it has none.
void IniText::InsertLine(size_t at, const std::string& bytes)
{
    if (at > 0) {
        std::string& previous = lines_[at - 1].raw;
        if (ContentLength(previous) == previous.size())
            previous += LineBreak();
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), MakeLine(bytes + LineBreak()));
}

// The line gets new text and keeps its line breaks.
void IniText::ReplaceLine(size_t at, const std::string& bytes)
{
    const std::string& raw = lines_[at].raw;
    lines_[at] = MakeLine(bytes + raw.substr(ContentLength(raw)));
}

bool IniText::Write(const CString& section, const CString& key, const CString& value)
{
    const std::u16string name = Trim(fw::Utf8ToUtf16(section));
    const std::u16string entryName = Trim(fw::Utf8ToUtf16(key));
    const std::u16string text = TrimLeft(fw::Utf8ToUtf16(value));
    if (!IsWritable(name, entryName, text))
        return false;
    const size_t found = FindSection(name);
    const size_t entry = found == kNotFound ? kNotFound : FindEntry(found, entryName);
    // An entry keeps its name as spelt in the file.
    const std::u16string& spelt = entry == kNotFound ? entryName : lines_[entry].name;
    std::string header, line;
    if (!Encode(spelt + u"=" + text, line) ||
        (found == kNotFound && !Encode(u"[" + name + u"]", header)) ||
        !KeepsEncoding(header + "\n" + line, entry))
        return false;
    if (found == kNotFound) {
        InsertLine(lines_.size(), header);
        InsertLine(lines_.size(), line);
    } else if (entry == kNotFound) {
        InsertLine(PlaceOfNewEntry(found, entryName), line);
    } else {
        ReplaceLine(entry, line);
    }
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
