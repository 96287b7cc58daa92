#pragma once
// A stand-in for the application's main window: it owns the LanguageManager
// that dialogs find through AfxGetMainWnd(), with one language file in a
// temporary folder that also holds the (pretended) executable, so english.lng
// is written there too.
#include <string>

#include "framework/WinApp.h"
#include "framework/Wnd.h"
#include "lang/LanguageManager.h"
#include "lang/LanguageOwner.h"
#include "lang/ModulePath.h"
#include "tests/support/Sandbox.h"

namespace testing_support {

class LanguageHost : public CWnd, public LanguageOwner {
public:
    LanguageHost(const std::string& language, const std::string& fileContents) : app_("Velindra")
    {
        folder_.Write(language + ".lng", fileContents);
        ModulePath::OverrideModuleFileName(folder_.File("velindra.exe"));
        app_.m_pMainWnd = this;
        language_.SetLanguage(language);
    }
    ~LanguageHost() override
    {
        app_.m_pMainWnd = nullptr;
        ModulePath::ResetModuleFileName();
    }

    LanguageManager* GetLanguageManager() override { return &language_; }
    std::string EnglishFile() const { return folder_.Read("english.lng"); }

private:
    TempFolder folder_;
    CWinApp app_;
    LanguageManager language_;
};

} // namespace testing_support
