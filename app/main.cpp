// Velindra's entry point: the one application object and the framework's main.
#include <windows.h>

#include "app/CCritApp.h"

namespace {
CCritApp theApp;
}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    return AfxWinMain();
}
