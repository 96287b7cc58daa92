#include "lang/PluralRule.h"

#include <cctype>
#include <climits>

namespace {

const char* const kSuffixes[] = {"zero", "one", "two", "few", "many", "other"};

// The languages of each rule besides the root's (other alone).
const char* const kOneLanguages[] = {"en", "de", "nl", "sv", "da", "nb", "nn",
                                     "no", "fi", "et", "el", "hu", "bg", "tr"};
const char* const kOneMillionsManyLanguages[] = {"es", "it", "ca"};
const char* const kZeroOneMillionsLanguages[] = {"fr", "pt"};
const char* const kEastSlavicLanguages[] = {"ru", "uk", "be"};

// The subtags of a locale name, lower case: "pt-BR" -> {"pt", "br"}.
std::vector<CString> Subtags(const CString& localeName)
{
    std::vector<CString> subtags(1);
    for (char c : localeName) {
        if (c == '-' || c == '_')
            subtags.emplace_back();
        else
            subtags.back() += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return subtags;
}

template <size_t N> bool IsOneOf(const CString& language, const char* const (&languages)[N])
{
    for (const char* known : languages)
        if (language == known)
            return true;
    return false;
}

bool InRange(long long value, long long low, long long high)
{
    return value >= low && value <= high;
}

} // namespace

const char* PluralSuffix(PluralCategory category)
{
    return kSuffixes[static_cast<int>(category)];
}

PluralRule PluralRule::ForLocale(const CString& localeName)
{
    const std::vector<CString> subtags = Subtags(localeName);
    const CString& language = subtags.front();
    if (language == "pt")
        for (size_t i = 1; i < subtags.size(); ++i)
            if (subtags[i] == "pt")
                return PluralRule(Kind::OneMillionsMany);
    if (IsOneOf(language, kOneLanguages))
        return PluralRule(Kind::One);
    if (IsOneOf(language, kOneMillionsManyLanguages))
        return PluralRule(Kind::OneMillionsMany);
    if (IsOneOf(language, kZeroOneMillionsLanguages))
        return PluralRule(Kind::ZeroOneMillions);
    if (IsOneOf(language, kEastSlavicLanguages))
        return PluralRule(Kind::EastSlavic);
    if (language == "pl")
        return PluralRule(Kind::Polish);
    return PluralRule(Kind::OtherOnly);
}

PluralCategory PluralRule::CategoryOf(long long n) const
{
    if (n < 0)
        n = n == LLONG_MIN ? LLONG_MAX : -n;
    const long long last = n % 10, lastTwo = n % 100;
    const bool millions = n != 0 && n % 1000000 == 0;
    switch (kind_) {
    case Kind::OtherOnly:
        break;
    case Kind::One:
        if (n == 1)
            return PluralCategory::One;
        break;
    case Kind::OneMillionsMany:
    case Kind::ZeroOneMillions:
        if (n == 1 || (n == 0 && kind_ == Kind::ZeroOneMillions))
            return PluralCategory::One;
        if (millions)
            return PluralCategory::Many;
        break;
    case Kind::EastSlavic:
    case Kind::Polish:
        if (kind_ == Kind::EastSlavic ? last == 1 && lastTwo != 11 : n == 1)
            return PluralCategory::One;
        if (InRange(last, 2, 4) && !InRange(lastTwo, 12, 14))
            return PluralCategory::Few;
        return PluralCategory::Many;
    }
    return PluralCategory::Other;
}
