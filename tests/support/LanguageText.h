#pragma once
// A language file as a translator sees it: its sections and their entries in
// the file's order. And the language files the program ships (lang/shipped of
// the source tree, found through VELINDRA_SOURCE_DIR, which CTest sets).
#include <string>
#include <vector>

namespace testing_support {

struct LanguageEntry {
    std::string key;
    std::string value;
};
struct LanguageSection {
    std::string name;
    std::vector<LanguageEntry> entries;
};
using LanguageText = std::vector<LanguageSection>;

// "[name]" starts a section, "key=value" is an entry; blanks around names and
// values do not count; blank lines and ";" lines are skipped. UTF-8 (its
// byte-order mark skipped) or ASCII.
LanguageText ParseLanguageText(const std::string& bytes);

// One line per difference between the two: a section or key of `expected`
// that `actual` lacks, one of `actual` that `expected` lacks, and with
// `compareValues` each value that differs.
std::vector<std::string> CompareLanguageTexts(const LanguageText& expected,
                                              const LanguageText& actual, bool compareValues);

// The UTF-16 bytes of a text, low byte first or (bigEndian) high byte first;
// no byte-order mark unless the text starts with U+FEFF.
std::string Utf16Bytes(const std::wstring& text, bool bigEndian = false);

// The bytes of a shipped language file ("german.lng"); empty when it cannot
// be read or VELINDRA_SOURCE_DIR is not set.
std::string ShippedLanguageText(const std::string& name);
// The names of the shipped language files ("german.lng"), sorted.
std::vector<std::string> ShippedLanguageFiles();

// The text without the plural forms of its keys ("<key>.one", "<key>.few",
// ...), which a translation gives as its language needs, not as English does.
LanguageText WithoutPluralForms(const LanguageText& text);

} // namespace testing_support
