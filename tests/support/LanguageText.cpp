#include "tests/support/LanguageText.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>

#include <windows.h>

#include "tests/support/Sandbox.h"

namespace testing_support {
namespace {

std::string Trim(const std::string& text)
{
    const size_t first = text.find_first_not_of(" \t\r\n\v\f");
    return first == std::string::npos
               ? std::string()
               : text.substr(first, text.find_last_not_of(" \t\r\n\v\f") - first + 1);
}

template <typename Items, typename Name>
auto Find(const Items& items, Name name, const std::string& wanted)
{
    return std::find_if(items.begin(), items.end(),
                        [&](const auto& item) { return item.*name == wanted; });
}

// What `from` holds that `in` lacks, and with `values` each value that differs.
void AddDifferences(const LanguageText& from, const LanguageText& in, const char* what, bool values,
                    std::vector<std::string>& lines)
{
    for (const LanguageSection& section : from) {
        const auto other = Find(in, &LanguageSection::name, section.name);
        if (other == in.end()) {
            lines.push_back(std::string(what) + " section [" + section.name + "]");
            continue;
        }
        for (const LanguageEntry& entry : section.entries) {
            const auto found = Find(other->entries, &LanguageEntry::key, entry.key);
            if (found == other->entries.end())
                lines.push_back(std::string(what) + " key [" + section.name + "] " + entry.key);
            else if (values && found->value != entry.value)
                lines.push_back("[" + section.name + "] " + entry.key + " is \"" + found->value +
                                "\", not \"" + entry.value + "\"");
        }
    }
}

} // namespace

LanguageText ParseLanguageText(const std::string& file)
{
    const bool marked = file.compare(0, 3, "\xEF\xBB\xBF") == 0;
    const std::string bytes = marked ? file.substr(3) : file;
    LanguageText text;
    for (size_t start = 0, end = 0; start < bytes.size(); start = end + 1) {
        end = std::min(bytes.find_first_of("\r\n", start), bytes.size());
        const std::string line = Trim(bytes.substr(start, end - start));
        const size_t equals = line.find('=');
        if (line.empty() || line[0] == ';')
            continue;
        if (line[0] == '[' && line.back() == ']')
            text.push_back({Trim(line.substr(1, line.size() - 2)), {}});
        else if (!text.empty())
            text.back().entries.push_back(
                {Trim(line.substr(0, equals)),
                 equals == std::string::npos ? std::string() : Trim(line.substr(equals + 1))});
    }
    return text;
}

std::vector<std::string> CompareLanguageTexts(const LanguageText& expected,
                                              const LanguageText& actual, bool compareValues)
{
    std::vector<std::string> lines;
    AddDifferences(expected, actual, "missing", compareValues, lines);
    AddDifferences(actual, expected, "stray", false, lines);
    return lines;
}

std::string Utf16Bytes(const std::wstring& text, bool bigEndian)
{
    std::string bytes;
    for (wchar_t unit : text) {
        const char low = static_cast<char>(unit & 0xFF), high = static_cast<char>(unit >> 8);
        bytes += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    return bytes;
}

namespace {

// The folder of the shipped language files, ending in a backslash; empty
// without VELINDRA_SOURCE_DIR.
std::string ShippedFolder()
{
    const char* source = std::getenv("VELINDRA_SOURCE_DIR");
    if (!source || !*source)
        return std::string();
    std::string path = (source[0] == '/' ? "Z:" : "") + std::string(source);
    std::replace(path.begin(), path.end(), '/', '\\');
    return path + "\\lang\\shipped\\";
}

const char* const kPluralSuffixes[] = {".zero", ".one", ".two", ".few", ".many", ".other"};

bool IsPluralForm(const std::string& key)
{
    const size_t point = key.rfind('.');
    return point != std::string::npos && point > 0 &&
           std::find(std::begin(kPluralSuffixes), std::end(kPluralSuffixes), key.substr(point)) !=
               std::end(kPluralSuffixes);
}

} // namespace

std::string ShippedLanguageText(const std::string& name)
{
    const std::string folder = ShippedFolder();
    return folder.empty() ? std::string() : ReadWholeFile(Wide(folder + name));
}

std::vector<std::string> ShippedLanguageFiles()
{
    std::vector<std::string> names;
    const std::string folder = ShippedFolder();
    WIN32_FIND_DATAW found{};
    HANDLE search = folder.empty() ? INVALID_HANDLE_VALUE
                                   : ::FindFirstFileW(Wide(folder + "*.lng").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do
        names.push_back(Narrow(found.cFileName));
    while (::FindNextFileW(search, &found));
    ::FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

LanguageText WithoutPluralForms(const LanguageText& text)
{
    LanguageText kept = text;
    for (LanguageSection& section : kept)
        section.entries.erase(
            std::remove_if(section.entries.begin(), section.entries.end(),
                           [](const LanguageEntry& entry) { return IsPluralForm(entry.key); }),
            section.entries.end());
    return kept;
}

} // namespace testing_support
