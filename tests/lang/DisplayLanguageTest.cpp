// The language a reader of the Windows display language gets while she has
// chosen none.
#include <gtest/gtest.h>

#include "lang/DisplayLanguage.h"

namespace {

TEST(LanguageForLocale, SameLanguageAndScriptTheSameRegionFirst)
{
    const std::vector<LanguageListing> offered = {
        {"english", "English", "en-US"},
        {"brasileiro", "", "pt-BR"},
        {"portugues", "", "pt-PT"},
        {"hans", "", "zh-CN"},
        {"hant", "", "zh-Hant-TW"},
        {"serbian", "", "sr-Latn"},
        {"nolocale", "", ""},
    };
    const struct {
        const char *wanted, *file;
    } table[] = {
        {"pt-PT", "portugues"},
        {"pt_br", "brasileiro"},
        {"pt-AO", "brasileiro"},
        {"en-GB", "english"},
        {"zh-SG", "hans"},
        {"zh-HK", "hant"},
        {"zh-Hant", "hant"},
        {"sr-Cyrl-RS", ""},
        {"sr-Latn-RS", "serbian"},
        {"de-DE", ""},
        {"", ""},
    };
    for (const auto& row : table)
        EXPECT_EQ(row.file, LanguageForLocale(row.wanted, offered)) << row.wanted;
}

} // namespace
