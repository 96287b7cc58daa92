// Velindra's entry point: the one application object and the framework's
// main, unless Velindra runs already in this session.
#include <windows.h>

#include "app/CCritApp.h"
#include "app/SingleInstance.h"
#include "lang/ModulePath.h"

namespace {
CCritApp theApp(ModulePath::ModuleFileName());
}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    const SingleInstance instance;
    if (!instance.IsFirst()) {
        SingleInstance::ActivateRunningInstance();
        return 0;
    }
    return AfxWinMain();
}
