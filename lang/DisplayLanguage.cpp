#include "lang/DisplayLanguage.h"

#include <windows.h>

#include <cctype>

#include "framework/TextCodec.h"
#include "lang/LanguageName.h"

namespace {

// A locale name's language, script and region, lower case ("zh", "hant", "tw").
struct Locale {
    CString language, script, region;
};

Locale Parse(const CString& name)
{
    std::vector<CString> subtags(1);
    for (char c : name) {
        if (c == '-' || c == '_')
            subtags.emplace_back();
        else
            subtags.back() += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    Locale locale{subtags[0], CString(), CString()};
    for (size_t i = 1; i < subtags.size(); ++i) {
        if (subtags[i].size() == 4 && locale.script.empty() && locale.region.empty())
            locale.script = subtags[i];
        else if ((subtags[i].size() == 2 || subtags[i].size() == 3) && locale.region.empty())
            locale.region = subtags[i];
    }
    if (locale.language == "zh" && locale.script.empty())
        locale.script = locale.region == "tw" || locale.region == "hk" || locale.region == "mo"
                            ? "hant"
                            : "hans";
    return locale;
}

} // namespace

CString LanguageForLocale(const CString& wanted, const std::vector<LanguageListing>& languages)
{
    const Locale reader = Parse(wanted);
    const LanguageListing* found = nullptr;
    for (const LanguageListing& listing : languages) {
        const Locale offered = Parse(listing.locale);
        if (reader.language.empty() || offered.language != reader.language ||
            offered.script != reader.script)
            continue;
        if (offered.region == reader.region)
            return listing.file;
        if (!found)
            found = &listing;
    }
    return found ? found->file : CString();
}

CString DisplayLocaleName()
{
    wchar_t name[LOCALE_NAME_MAX_LENGTH] = {};
    const LCID display = MAKELCID(GetUserDefaultUILanguage(), SORT_DEFAULT);
    return LCIDToLocaleName(display, name, LOCALE_NAME_MAX_LENGTH, 0) > 0 ? fw::Utf8(name)
                                                                          : CString();
}

CString LanguageToShow(const std::wstring& programFile, const CString& stored)
{
    const CString trimmed = TrimLanguageName(stored);
    if (!trimmed.empty())
        return trimmed;
    const CString display = LanguageForLocale(DisplayLocaleName(), ListLanguages(programFile));
    return display.empty() ? CString(kEnglishLanguage) : display;
}
