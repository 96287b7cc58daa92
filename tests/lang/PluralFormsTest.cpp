// Plural forms: the CLDR rule of each language, the form a count picks from
// a language file (and where it falls back to), and the forms every shipped
// language file gives.
#include <set>
#include <sstream>

#include "lang/IniText.h"
#include "lang/LanguageManager.h"
#include "lang/PluralRule.h"
#include "lang/ProgramTexts.h"
#include "tests/lang/LanguageFolder.h"
#include "tests/support/LanguageText.h"

namespace {

const long long kNumbers[] = {0, 1, 2, 3, 5, 11, 12, 21, 22, 25, 101, 111, 1000000};

// CLDR's own examples (plurals.xml, version 44): the category of each of
// kNumbers, "o" one, "f" few, "m" many, "." other.
const struct {
    const char* locales;
    const char* categories;
} kCldr[] = {
    {"en en-US de-DE tr-TR nl-NL", ". o . . . . . . . . . . ."},
    {"es-ES it-IT pt-PT PT_pt", ". o . . . . . . . . . . m"},
    {"fr-FR pt-BR pt", "o o . . . . . . . . . . m"},
    {"ru-RU uk-UA", "m o f f m m m o f m o m m"},
    {"pl-PL pl_PL", "m o f f m m m m f m m m m"},
    {"ja-JP zh-CN zh-Hans-CN ko xx-YY", ". . . . . . . . . . . . ."},
};

TEST(PluralRule, GivesCldrsCategoriesForWholeNumbers)
{
    const char letters[] = {'z', 'o', 't', 'f', 'm', '.'};
    for (const auto& row : kCldr) {
        std::istringstream locales(row.locales);
        for (std::string locale; locales >> locale;) {
            std::string categories;
            for (long long n : kNumbers)
                categories +=
                    std::string(categories.empty() ? "" : " ") +
                    letters[static_cast<int>(PluralRule::ForLocale(locale).CategoryOf(n))];
            EXPECT_EQ(categories, row.categories) << locale;
        }
    }
}

// A Russian file with some forms, the English file with the built-in ones:
// each count takes its form, else the key, else English's form, else its key.
TEST_F(LanguageFolderTest, ACountTakesTheFormOfItsCategoryOrFallsBack)
{
    folder.Write("russian.lng", "\xEF\xBB\xBF[Translator]\r\nLocale=ru-RU\r\n"
                                "[Texts]\r\nCycleHint.one=one %1\r\nCycleHint=key %1\r\n"
                                "TipDaysAway.few=few %1\r\n[S]\r\nID_7.many=many\r\n");
    LanguageManager manager{program};
    const TextId kUnit = TextId::Count; // stands for the unit "ID_7" of section "S"
    const struct {
        const char* language;
        TextId text;
        long long count;
        std::string shown;
    } table[] = {
        {"russian", TextId::CycleHint, 21, "one %1"},
        {"russian", TextId::CycleHint, 22, "key %1"},
        {"russian", TextId::TipDaysAway, 3, "few %1"},
        {"russian", TextId::TipDaysAway, 5, "Velindra \xE2\x80\x93 critical days in %1 days"},
        {"russian", TextId::TipDaysAway, 1, "Velindra \xE2\x80\x93 critical days in %1 day"},
        {"russian", kUnit, 25, "many"},
        {"russian", kUnit, 1, "Unit"},
        {"russian", kUnit, 2, "Units"},
        {"english", TextId::CycleHint, 1, "(a cycle of %1 day)"},
        {"english", TextId::CycleHint, 0, "(a cycle of %1 days)"},
        {"english", kUnit, 21, "Units"},
    };
    for (const auto& row : table) {
        manager.SetLanguage(row.language);
        EXPECT_EQ(row.text == kUnit ? manager.CountedText("S", "ID_7", row.count, "Units", "Unit")
                                    : manager.Text(row.text, row.count),
                  row.shown)
            << row.language << " " << static_cast<int>(row.text) << " " << row.count;
    }
    EXPECT_NE(English().find("[S]\r\nID_7=Units\r\nID_7.one=Unit\r\n"), std::string::npos);
}

// The texts with a count, as the contract between the program and its
// translators names them: the English template gives each a form for one.
const std::set<std::string> kCountedKeys = [] {
    std::set<std::string> keys = {
        "[DialogID_102 - PageNo_1] ID_1052", "[DialogID_102 - PageNo_1] ID_1053",
        "[DialogID_102 - PageNo_2] ID_1218", "[DialogID_147] ID_1052", "[DialogID_148] ID_1053"};
    for (const char* text : {"TipCriticalDay", "TipDaysAway", "StatusCriticalDay", "StatusDaysAway",
                             "ReminderDaysAway", "CycleHint", "CycleSuggestion"})
        keys.insert("[Texts] " + std::string(text));
    return keys;
}();

// Every shipped file gives each text with a count a form for each category
// its language (its Locale) gives the counts the program shows (0 to 999),
// but other, for which the key itself stands; and no other forms.
TEST(ShippedLanguages, GiveTheFormsTheirLanguagesNeed)
{
    const std::vector<std::string> files = testing_support::ShippedLanguageFiles();
    ASSERT_GE(files.size(), 11u) << "lang/shipped (VELINDRA_SOURCE_DIR)";
    for (const std::string& file : files) {
        const std::string bytes = testing_support::ShippedLanguageText(file);
        CString locale;
        IniText(bytes).Read("Translator", "Locale", 1023, locale);
        const PluralRule rule = PluralRule::ForLocale(locale);
        std::set<std::string> needed, given, counted;
        for (long long n = 0; n < 1000; ++n)
            if (rule.CategoryOf(n) != PluralCategory::Other)
                for (const std::string& key : kCountedKeys)
                    needed.insert(key + "." + PluralSuffix(rule.CategoryOf(n)));
        for (const auto& section : testing_support::ParseLanguageText(bytes))
            for (const auto& entry : section.entries) {
                const std::string key = "[" + section.name + "] " + entry.key;
                const size_t point = entry.key.rfind('.');
                if (point != std::string::npos &&
                    kCountedKeys.count("[" + section.name + "] " + entry.key.substr(0, point)))
                    given.insert(key);
                if (kCountedKeys.count(key))
                    counted.insert(key);
            }
        std::string faults;
        for (const std::string& key : needed)
            faults += given.count(key) ? "" : "missing " + key + "\n";
        for (const std::string& key : given)
            faults += needed.count(key) || key.substr(key.rfind('.')) == ".other"
                          ? ""
                          : "stray " + key + "\n";
        for (const std::string& key : kCountedKeys)
            faults += counted.count(key) ? "" : "missing " + key + "\n";
        EXPECT_EQ(faults, "") << file << " (" << locale << ")";
    }
}

} // namespace
