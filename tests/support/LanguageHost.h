#pragma once
// The program's texts in one language: a LanguageManager with that language's
// file in a temporary folder that also holds the (pretended) executable, so
// english.lng is written there too.
#include <string>

#include "lang/LanguageManager.h"
#include "tests/support/Sandbox.h"

namespace testing_support {

class LanguageHost {
public:
    LanguageHost(const std::string& language, const std::string& fileContents)
    {
        folder_.Write(language + ".lng", fileContents);
        this->language.SetLanguage(language);
    }

    std::string EnglishFile() const { return folder_.Read("english.lng"); }

private:
    TempFolder folder_;

public:
    LanguageManager language{folder_.File(L"velindra.exe")};
};

} // namespace testing_support
