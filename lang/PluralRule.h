#pragma once
// Which form of a word a whole number takes in a language: the plural
// categories of the Unicode CLDR (its plural rules, version 44) for integers.
// "1 день", "2 дня", "5 дней": Russian has the categories one, few and many
// for them, English one and other, Japanese other alone. A language file may
// give a text that holds a count one form per category, under the keys
// "<key>.one", "<key>.few", ... beside "<key>" (lang/LanguageManager.h).
#include "framework/Strings.h"

enum class PluralCategory { Zero, One, Two, Few, Many, Other };

// The suffix of a form's key: "zero", "one", "two", "few", "many", "other".
const char* PluralSuffix(PluralCategory category);

class PluralRule {
public:
    // The rule of the locale's language ("ru-RU", "pt_BR", "de"; in any case).
    // Portugal's Portuguese has a rule of its own. A language without a rule
    // here has the category other alone (CLDR's root rule).
    static PluralRule ForLocale(const CString& localeName);

    // The category of a whole number (of its absolute value).
    PluralCategory CategoryOf(long long n) const;

private:
    enum class Kind {
        OtherOnly,       // ja, zh, ko, ...: other
        One,             // en, de, tr, ...: one 1
        OneMillionsMany, // es, it, pt-PT, ...: one 1; many 1000000, 2000000, ...
        ZeroOneMillions, // fr, pt: one 0 and 1; many 1000000, 2000000, ...
        EastSlavic,      // ru, uk, be: one 1, 21, ...; few 2-4, 22-24, ...; many 0, 5-20, ...
        Polish,          // pl: one 1; few 2-4, 22-24, ...; many 0, 5-21, ...
    };
    explicit PluralRule(Kind kind) : kind_(kind) {}

    Kind kind_;
};
