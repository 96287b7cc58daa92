#include "lang/LanguageManager.h"

#include <mbstring.h>

#include <cstdio>

#include "lang/LanguageFile.h"
#include "model/AppIdentity.h"

namespace {

const char kEnglish[] = "english";
const char kTranslatorSection[] = "Translator";
const char kWhiteSpace[] = " \t\r\n\v\f";

CString TrimWhiteSpace(const CString& text)
{
    const size_t first = text.find_first_not_of(kWhiteSpace);
    if (first == CString::npos)
        return CString();
    const size_t last = text.find_last_not_of(kWhiteSpace);
    return text.substr(first, last - first + 1);
}

bool EqualNoCase(const CString& a, const CString& b)
{
    return _mbsicmp(reinterpret_cast<const unsigned char*>(a.c_str()),
                    reinterpret_cast<const unsigned char*>(b.c_str())) == 0;
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

bool LanguageManager::SetLanguage(const CString& name)
{
    const CString trimmed = TrimWhiteSpace(name);
    if (EqualNoCase(trimmed, language_))
        return false;
    language_ = trimmed;
    for (int index = 0; index < 3; ++index)
        GetTranslatorInfo(index);
    return true;
}

CString LanguageManager::ReadString(const CString& section, const CString& key) const
{
    if (!HasLanguage() || key.empty())
        return CString();
    return LanguageFile(language_).Read(section, key);
}

bool LanguageManager::WriteString(const CString& section, const CString& key,
                                  const CString& value) const
{
    if (!HasLanguage() || key.empty())
        return false;
    return LanguageFile(kEnglish).Write(section, key, value);
}

CString LanguageManager::LookupText(const CString& section, int n, const CString& defaultText) const
{
    const CString text = ReadString(section, NumberedKey(n));
    return text.empty() ? defaultText : text;
}

bool LanguageManager::StoreText(const CString& section, int n, const CString& text) const
{
    return WriteString(section, NumberedKey(n), text);
}

CString LanguageManager::GetTranslatorInfo(int index) const
{
    const char* builtIn = TranslatorDefault(index);
    if (!builtIn)
        return CString();
    StoreText(kTranslatorSection, index, builtIn);
    return LookupText(kTranslatorSection, index, builtIn);
}
