// Scene "page": the program's main window on one of its four pages (0
// Monitor, 1 Scheduler, 2 Options, 3 About), as the help and the README show
// it: the sample cycle on 2004-05-20, settings in a scratch key and an
// executable folder of its own. "0,today" shows the Monitor page after its
// Today button (May 2004, today framed) instead of the month of the first day;
// "2,remind" the Options page with the reminder on (and the offer to start
// with Windows beneath it); "0,record" the Monitor page with a record of first
// days that gives an offer of a suggested cycle.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "ProgramFolder.h"
#include "SampleCycle.h"
#include "Scene.h"
#include "app/MainDialog.h"
#include "framework/WinApp.h"
#include "model/Settings.h"
#include "res/resource.h"

namespace snap {

namespace {

struct Program {
    CWinApp app;
    MainDialog mainWindow{TheClock(), TheHelp(), TheShell(), TheTexts(), TheSettings(), TheCycle()};
};

std::unique_ptr<Program> g_program;

HWND CreatePageScene(const std::string& argument)
{
    const int page = std::atoi(argument.c_str());
    const bool today = argument.find(",today") != std::string::npos;
    const bool remind = argument.find(",remind") != std::string::npos;
    const bool record = argument.find(",record") != std::string::npos;
    if (argument.empty() || page < 0 || page >= MainDialog::PageCount) {
        std::fprintf(stderr, "page %s: give 0 to 3, 0,today, 0,record or 2,remind\n",
                     argument.c_str());
        return nullptr;
    }
    if (!UseSampleCycle() || !UseScratchProgramFolder()) {
        std::fprintf(stderr, "no scratch settings key or folder\n");
        return nullptr;
    }
    if (remind)
        TheSettings().WriteDword(SettingRemind, 1);
    if (record)
        StoreSampleRecord();
    g_program = std::make_unique<Program>();
    g_program->app.m_pMainWnd = &g_program->mainWindow;
    if (!g_program->mainWindow.Create(IDD_MAIN)) {
        std::fprintf(stderr, "the main window could not be created\n");
        return nullptr;
    }
    g_program->mainWindow.ShowMainWindow(page);
    if (today && page == MainDialog::PageMonitor)
        g_program->mainWindow.Monitor().ShowToday();
    return g_program->mainWindow.m_hWnd;
}

SceneRegistration pageScene({"page", "<page 0-3 | 0,today | 0,record | 2,remind>",
                             CreatePageScene});

} // namespace

} // namespace snap
