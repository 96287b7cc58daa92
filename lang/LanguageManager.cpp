#include "lang/LanguageManager.h"

#include <cstdio>

#include "framework/DateFormat.h"
#include "framework/TextCodec.h"
#include "lang/LanguageName.h"
#include "lang/ProgramTexts.h"
#include "model/AppIdentity.h"

namespace {

const char* const kEnglish = kEnglishLanguage;
const char kTranslatorSection[] = "Translator";
// The locale whose names and date order the language's dates take, and whose
// plural rule its counts.
const char kLocaleKey[] = "Locale";
// The language's own name, which the list of languages shows.
const char kOwnNameKey[] = "Name";
const char kTextsSection[] = "Texts";

// "<key>.<category>": the key of a form.
CString FormKey(const CString& key, PluralCategory category)
{
    return key + "." + PluralSuffix(category);
}

// The user's own locale, which dates take when a language names none.
CString UserLocaleName()
{
    wchar_t name[LOCALE_NAME_MAX_LENGTH] = {};
    return GetUserDefaultLocaleName(name, LOCALE_NAME_MAX_LENGTH) > 0 ? fw::Utf8(name) : CString();
}

CString NumberedKey(int n)
{
    char key[24];
    std::snprintf(key, sizeof(key), "ID_%d", n);
    return key;
}

const char* TranslatorDefault(int index)
{
    switch (index) {
    case 0:
        return "Orrowby";
    case 1:
        return velindra::kSupportAddress;
    case 2:
        return "09/20/2004";
    default:
        return nullptr;
    }
}

} // namespace

LanguageManager::Pass::Pass(const LanguageManager& manager)
    : manager_(manager), finished_(manager.passDepth_ > 0)
{
    if (manager_.passDepth_++ > 0)
        return;
    manager_.english_.Open(manager_.programFile_, kEnglish);
    if (!manager_.IsEnglish())
        manager_.other_.Open(manager_.programFile_, manager_.language_);
}

LanguageManager::Pass::~Pass()
{
    Finish();
    --manager_.passDepth_;
}

bool LanguageManager::Pass::Finish()
{
    if (finished_)
        return true;
    finished_ = true;
    return manager_.english_.Flush();
}

bool LanguageManager::IsEnglish() const
{
    return IsEnglishLanguage(language_);
}

LanguageFile& LanguageManager::CurrentFile() const
{
    return IsEnglish() ? english_ : other_;
}

bool LanguageManager::SetLanguage(const CString& name)
{
    CString trimmed = TrimLanguageName(name);
    if (!IsPlainLanguageName(trimmed)) // never a path elsewhere
        trimmed = kEnglish;
    if (EqualNoCase(trimmed, language_))
        return false;
    language_ = trimmed;
    if (IsEnglish())
        other_.Open(programFile_, CString()); // nothing kept of the language shown before
    Pass pass(*this);
    for (int index = 0; index < 3; ++index)
        GetTranslatorInfo(index);
    fw::SetDateLocale(GetLocaleName());
    WriteString(kTranslatorSection, kOwnNameKey, kEnglishOwnName);
    // english.lng holds every text, also those a run may never show.
    for (int id = 0; id < static_cast<int>(TextId::Count); ++id)
        Text(static_cast<TextId>(id), 0);
    return true;
}

CString LanguageManager::ReadString(const CString& section, const CString& key) const
{
    if (!HasLanguage() || key.empty())
        return CString();
    Pass pass(*this);
    return CurrentFile().Read(section, key);
}

bool LanguageManager::WriteString(const CString& section, const CString& key,
                                  const CString& value) const
{
    if (!HasLanguage() || key.empty())
        return false;
    Pass pass(*this);
    const bool stored = english_.Write(section, key, value);
    return pass.Finish() && stored;
}

CString LanguageManager::LookupText(const CString& section, int n, const CString& defaultText) const
{
    const CString key = NumberedKey(n);
    CString text = ReadString(section, key);
    // A text the translation lacks is shown as english.lng has it (the
    // built-in text), not as the language shown before had it.
    if (text.empty() && HasLanguage() && !IsEnglish()) {
        Pass pass(*this);
        text = english_.Read(section, key);
    }
    return text.empty() ? defaultText : text;
}

bool LanguageManager::StoreText(const CString& section, int n, const CString& text) const
{
    return WriteString(section, NumberedKey(n), text);
}

CString LanguageManager::Text(TextId id) const
{
    const ProgramText text = ProgramTextOf(id);
    if (!text.key)
        return CString();
    if (!HasLanguage())
        return text.english;
    Pass pass(*this);
    WriteString(kTextsSection, text.key, text.english);
    const CString value = ReadString(kTextsSection, text.key);
    return value.empty() ? CString(text.english) : value;
}

CString LanguageManager::Text(TextId id, long long count) const
{
    const ProgramText text = ProgramTextOf(id);
    if (!text.key)
        return CString();
    return CountedText(kTextsSection, text.key, count, text.english, text.englishOne);
}

CString LanguageManager::Format(TextId id, const CStringArray& arguments) const
{
    return FormatText(Text(id), arguments);
}

CString LanguageManager::Format(TextId id, long long count, const CStringArray& arguments) const
{
    return FormatText(Text(id, count), arguments);
}

CString LanguageManager::CountedText(const CString& section, const CString& key, long long count,
                                     const CString& builtIn, const char* builtInOne) const
{
    if (!HasLanguage())
        return BuiltInForm(builtIn, builtInOne, count);
    Pass pass(*this);
    WriteString(section, key, builtIn);
    if (builtInOne)
        WriteString(section, FormKey(key, PluralCategory::One), builtInOne);
    const PluralCategory category = CurrentPluralRule().CategoryOf(count);
    for (const CString& candidate : {FormKey(key, category), key}) {
        const CString value = ReadString(section, candidate);
        if (!value.empty())
            return value;
    }
    const PluralCategory english = PluralRule::ForLocale(kEnglishLocale).CategoryOf(count);
    for (const CString& candidate : {FormKey(key, english), key}) {
        const CString value = english_.Read(section, candidate);
        if (!value.empty())
            return value;
    }
    return BuiltInForm(builtIn, builtInOne, count);
}

CString LanguageManager::BuiltInForm(const CString& builtIn, const char* builtInOne,
                                     long long count)
{
    const bool one = PluralRule::ForLocale(kEnglishLocale).CategoryOf(count) == PluralCategory::One;
    return one && builtInOne ? CString(builtInOne) : builtIn;
}

PluralRule LanguageManager::CurrentPluralRule() const
{
    const CString locale = GetLocaleName();
    return PluralRule::ForLocale(locale.empty() ? UserLocaleName() : locale);
}

CString LanguageManager::GetLocaleName() const
{
    if (!HasLanguage())
        return CString();
    Pass pass(*this);
    WriteString(kTranslatorSection, kLocaleKey, kEnglishLocale);
    return ReadString(kTranslatorSection, kLocaleKey);
}

CString LanguageManager::GetTranslatorInfo(int index) const
{
    const char* builtIn = TranslatorDefault(index);
    if (!builtIn)
        return CString();
    Pass pass(*this);
    StoreText(kTranslatorSection, index, builtIn);
    return LookupText(kTranslatorSection, index, builtIn);
}
