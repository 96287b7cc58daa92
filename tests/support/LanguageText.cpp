#include "tests/support/LanguageText.h"

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace testing_support {
namespace {

std::string Trim(const std::string& text)
{
    const char* blanks = " \t\r\n\v\f";
    const size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos)
        return std::string();
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

const LanguageSection* FindSection(const LanguageText& text, const std::string& name)
{
    for (const LanguageSection& section : text)
        if (section.name == name)
            return &section;
    return nullptr;
}

const LanguageEntry* FindEntry(const LanguageSection& section, const std::string& key)
{
    for (const LanguageEntry& entry : section.entries)
        if (entry.key == key)
            return &entry;
    return nullptr;
}

// What `from` holds that `in` lacks.
void AddMissing(const LanguageText& from, const LanguageText& in, const char* what,
                std::vector<std::string>& lines)
{
    for (const LanguageSection& section : from) {
        const LanguageSection* other = FindSection(in, section.name);
        if (!other) {
            lines.push_back(std::string(what) + " section [" + section.name + "]");
            continue;
        }
        for (const LanguageEntry& entry : section.entries)
            if (!FindEntry(*other, entry.key))
                lines.push_back(std::string(what) + " key [" + section.name + "] " + entry.key);
    }
}

} // namespace

LanguageText ParseLanguageText(const std::string& bytes)
{
    LanguageText text;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string::npos)
            end = bytes.size();
        const std::string line = Trim(bytes.substr(start, end - start));
        start = end + 1;
        if (line.empty() || line[0] == ';')
            continue;
        if (line[0] == '[' && line.back() == ']') {
            text.push_back({Trim(line.substr(1, line.size() - 2)), {}});
            continue;
        }
        const size_t equals = line.find('=');
        if (!text.empty())
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
    AddMissing(expected, actual, "missing", lines);
    AddMissing(actual, expected, "stray", lines);
    if (!compareValues)
        return lines;
    for (const LanguageSection& section : expected) {
        const LanguageSection* other = FindSection(actual, section.name);
        for (const LanguageEntry& entry : section.entries) {
            const LanguageEntry* found = other ? FindEntry(*other, entry.key) : nullptr;
            if (found && found->value != entry.value)
                lines.push_back("[" + section.name + "] " + entry.key + " is \"" + found->value +
                                "\", not \"" + entry.value + "\"");
        }
    }
    return lines;
}

std::string ShippedLanguageFile(const std::string& name)
{
    const char* source = std::getenv("VELINDRA_SOURCE_DIR");
    if (!source || !*source)
        return std::string();
    std::string path = source[0] == '/' ? std::string("Z:") + source : source;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path + "\\lang\\shipped\\" + name;
}

std::string ReadFileBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

} // namespace testing_support
