#pragma once
// The language the program speaks while the user has chosen none: the
// translation of her Windows display language among the language files
// beside the executable (their "Locale"), English when there is none.
#include <vector>

#include "framework/Strings.h"
#include "lang/LanguageFiles.h"

// The language (its file name) a reader of the wanted locale ("ru-RU") reads:
// one of the same language ("pt-PT" reads "pt-BR"), and for Chinese of the
// same script (simplified: zh-CN, zh-SG, zh-Hans; traditional: zh-TW, zh-HK,
// zh-MO, zh-Hant). Of those the first of the same region, else the first.
// Empty when none suits.
CString LanguageForLocale(const CString& wanted, const std::vector<LanguageListing>& languages);

// The user's Windows display language as a locale name ("ru-RU"; empty when
// the system cannot say).
CString DisplayLocaleName();

// The language to show for the stored choice (the `Lang` setting): the stored
// name when there is one; otherwise the language of the display language,
// english when no file suits it.
CString LanguageToShow(const std::wstring& programFile, const CString& stored);
