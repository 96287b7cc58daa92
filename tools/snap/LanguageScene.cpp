// Scene "lang": another scene in one of the shipped translations (lang/shipped
// of the source tree): "german,halfyear", "french,page,2", "russian,main,0",
// "italian,traymenu,-1". The language file is copied into the scratch
// executable folder and chosen in the scratch settings; for scenes that do
// not make the main window themselves, a hidden main window is made first,
// through which their windows find the language.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>

#include "ProgramFolder.h"
#include "SampleCycle.h"
#include "Scene.h"
#include "app/MainDialog.h"
#include "framework/WinApp.h"
#include "lang/ModulePath.h"
#include "model/Settings.h"
#include "res/resource.h"

namespace snap {

namespace {

struct Owner {
    CWinApp app;
    MainDialog mainWindow{TheClock(), TheHelp(), TheShell(), TheTexts(), TheSettings(), TheCycle()};
};

std::unique_ptr<Owner> g_owner;

std::wstring ShippedFile(const std::string& language)
{
    std::string path = VELINDRA_SHIPPED_LANGUAGES;
    if (!path.empty() && path[0] == '/')
        path = "Z:" + path;
    std::replace(path.begin(), path.end(), '/', '\\');
    path += "\\" + language + ".lng";
    return std::wstring(path.begin(), path.end());
}

bool ChooseLanguage(const std::string& language)
{
    if (!UseSampleCycle() || !UseScratchProgramFolder())
        return false;
    ModulePath target(ScratchProgramFile());
    target.SetFileName(std::wstring(language.begin(), language.end()));
    target.SetExtension(L".lng");
    if (!CopyFileW(ShippedFile(language).c_str(), target.MakePath().c_str(), FALSE)) {
        std::fprintf(stderr, "no shipped language %s\n", language.c_str());
        return false;
    }
    TheSettings().WriteText(SettingLang, language);
    return true;
}

HWND CreateLanguageScene(const std::string& argument)
{
    const size_t first = argument.find(',');
    const size_t second = argument.find(',', first == std::string::npos ? first : first + 1);
    const std::string language = argument.substr(0, first);
    const std::string name =
        first == std::string::npos ? std::string() : argument.substr(first + 1, second - first - 1);
    const std::string inner = second == std::string::npos ? "-" : argument.substr(second + 1);
    const Scene* scene = FindScene(name);
    if (language.empty() || !scene || name == "lang") {
        std::fprintf(stderr, "lang %s: give <language>,<scene>[,<argument>]\n", argument.c_str());
        return nullptr;
    }
    if (!ChooseLanguage(language))
        return nullptr;
    if (name != "page" && name != "main") {
        g_owner = std::make_unique<Owner>();
        g_owner->app.m_pMainWnd = &g_owner->mainWindow;
        if (!g_owner->mainWindow.Create(IDD_MAIN)) {
            std::fprintf(stderr, "the main window could not be created\n");
            return nullptr;
        }
    }
    return scene->create(inner);
}

SceneRegistration languageScene({"lang", "<language>,<scene>[,<argument>]", CreateLanguageScene});

} // namespace

} // namespace snap
