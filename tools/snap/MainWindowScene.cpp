// Scene "main": the program's main window on one of its four pages (0
// Monitor, 1 Scheduler, 2 Options, 3 About), with a sample cycle. The
// settings are read from a scratch key of their own, so taking pictures never
// touches the program's real settings, and the date is pinned to 2004-05-20.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "SampleCycle.h"
#include "Scene.h"
#include "app/MainDialog.h"
#include "framework/WinApp.h"
#include "model/Settings.h"
#include "res/resource.h"

namespace snap {

namespace {

void UseScratchSettings()
{
    std::string language; // chosen by the language scene, when it runs this one
    TheSettings().ReadText(SettingLang, language);
    HKEY scratch = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\VelindraSnapshots", 0, nullptr, 0,
                        KEY_ALL_ACCESS, nullptr, &scratch, nullptr) != ERROR_SUCCESS)
        return;
    RegOverridePredefKey(HKEY_CURRENT_USER, scratch);
    RegCloseKey(scratch);
    TheSettings().WriteStartDate(COleDateTime(2004, 5, 17, 9, 30, 0));
    TheSettings().WriteDword(SettingCritDayCount, 5);
    TheSettings().WriteDword(SettingClearDayCount, 23);
    TheSettings().WriteDword(SettingHideMessage, 1);
    TheSettings().WriteText(SettingLang, language);
}

HWND CreateMainWindowScene(const std::string& argument)
{
    int page = std::atoi(argument.c_str());
    if (page < 0 || page >= MainDialog::PageCount) {
        std::fprintf(stderr, "page %s: give 0 to 3\n", argument.c_str());
        return nullptr;
    }
    UseScratchSettings();
    // The window and the application object live until the viewer ends.
    static CWinApp app;
    static MainDialog mainWindow(TheClock(), TheHelp(), TheShell(), TheTexts(), TheSettings(),
                                 TheCycle());
    app.m_pMainWnd = &mainWindow;
    if (!mainWindow.Create(IDD_MAIN))
        return nullptr;
    mainWindow.ShowMainWindow(page);
    return mainWindow.m_hWnd;
}

SceneRegistration mainScene({"main", "<page 0-3>", CreateMainWindowScene});

} // namespace

} // namespace snap
