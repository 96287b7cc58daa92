#pragma once
// The program's texts in one language: a LanguageManager with that language's
// file in a temporary folder that also holds the (pretended) executable, so
// english.lng is written there too.
#include <string>

#include "lang/LanguageManager.h"
#include "lang/ModulePath.h"
#include "tests/support/Sandbox.h"

namespace testing_support {

class LanguageHost {
public:
    LanguageHost(const std::string& language, const std::string& fileContents)
    {
        folder_.Write(language + ".lng", fileContents);
        ModulePath::OverrideModuleFileName(folder_.File("velindra.exe"));
        this->language.SetLanguage(language);
    }
    ~LanguageHost() { ModulePath::ResetModuleFileName(); }

    std::string EnglishFile() const { return folder_.Read("english.lng"); }

    LanguageManager language;

private:
    TempFolder folder_;
};

} // namespace testing_support
