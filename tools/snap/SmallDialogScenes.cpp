// Scenes "firstlaunch" and "quickhelp": the real first-launch dialog (149)
// and the real small help window shown when the main window hides (143),
// modeless, with settings in a scratch key. No argument.
#include <windows.h>

#include <cstdio>
#include <memory>

#include "SampleCycle.h"
#include "Scene.h"
#include "app/FirstLaunchDialog.h"
#include "app/QuickLaunchHelpDialog.h"

namespace snap {

namespace {

template <class Dialog, class... Services>
HWND CreateDialogOfClass(const char* what, Services&... services)
{
    static std::unique_ptr<Dialog> dialog;
    if (!UseSampleCycle()) {
        std::fprintf(stderr, "no scratch settings key\n");
        return nullptr;
    }
    dialog = std::make_unique<Dialog>(services...);
    if (!dialog->Create()) {
        std::fprintf(stderr, "the %s could not be created\n", what);
        return nullptr;
    }
    return dialog->m_hWnd;
}

HWND CreateFirstLaunchScene(const std::string&)
{
    return CreateDialogOfClass<FirstLaunchDialog>("first-launch dialog", TheTexts());
}

HWND CreateQuickHelpScene(const std::string&)
{
    return CreateDialogOfClass<QuickLaunchHelpDialog>("small help window", TheHelp(), TheTexts(),
                                                      TheSettings());
}

SceneRegistration firstLaunchScene({"firstlaunch", "-", CreateFirstLaunchScene});
SceneRegistration quickHelpScene({"quickhelp", "-", CreateQuickHelpScene});

} // namespace

} // namespace snap
