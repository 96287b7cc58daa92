// Scene "history": the real History dialog (150), modeless, listing the
// sample record (five first days before the sample cycle's) with settings in
// a scratch key. No argument.
#include <windows.h>

#include <cstdio>
#include <memory>

#include "SampleCycle.h"
#include "Scene.h"
#include "calendar/HistoryDialog.h"

namespace snap {

namespace {

HWND CreateHistoryScene(const std::string&)
{
    static std::unique_ptr<HistoryDialog> dialog;
    if (!UseSampleCycle()) {
        std::fprintf(stderr, "no scratch settings key\n");
        return nullptr;
    }
    StoreSampleRecord();
    dialog = std::make_unique<HistoryDialog>(TheHelp(), TheTexts(), TheSettings());
    if (!dialog->Create()) {
        std::fprintf(stderr, "the History dialog could not be created\n");
        return nullptr;
    }
    return dialog->m_hWnd;
}

SceneRegistration historyScene({"history", "-", CreateHistoryScene});

} // namespace

} // namespace snap
