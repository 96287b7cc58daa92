// Scene "halfyear": the half-year calendar with the sample cycle on
// 2004-05-20 (January to June 2004). Argument "next" presses Next (July to
// December 2004).
#include <windows.h>

#include <cstdio>
#include <memory>

#include "Scene.h"
#include "SampleCycle.h"
#include "calendar/HalfYearDialog.h"
#include "res/resource.h"

namespace snap {

namespace {

std::unique_ptr<HalfYearDialog> g_dialog;

HWND CreateHalfYearScene(const std::string& argument)
{
    if (!UseSampleCycle()) {
        std::fprintf(stderr, "no scratch settings key\n");
        return nullptr;
    }
    g_dialog = std::make_unique<HalfYearDialog>(TheClock(), TheHelp(), TheTexts(), TheCycle());
    if (!g_dialog->Create()) {
        std::fprintf(stderr, "the half-year calendar could not be created\n");
        return nullptr;
    }
    if (argument == "next")
        g_dialog->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_HALF_NEXT, BN_CLICKED), 0);
    return g_dialog->m_hWnd;
}

SceneRegistration halfYearScene({"halfyear", "[next]", CreateHalfYearScene});

} // namespace

} // namespace snap
