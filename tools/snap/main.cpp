// velindra_snap: shows one scene (a window of the program) and saves a
// picture of it. Usage:
//   velindra_snap <scene> <argument> <out.bmp>   capture one scene
//   velindra_snap scenes                          list the scenes
//   velindra_snap dialogs                         list the dialog templates
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "Capture.h"
#include "Scene.h"

namespace {

BOOL CALLBACK PrintDialogId(HMODULE, LPCSTR, LPSTR name, LONG_PTR)
{
    if (IS_INTRESOURCE(name))
        std::printf("%u\n", unsigned(reinterpret_cast<ULONG_PTR>(name)));
    return TRUE;
}

int Usage()
{
    std::fprintf(stderr, "usage: velindra_snap <scene> <argument> <out.bmp> | scenes | dialogs\n");
    return 2;
}

// How long windows get to paint; VELINDRA_SNAP_WAIT (milliseconds) overrides.
DWORD PaintTime()
{
    const char* wait = std::getenv("VELINDRA_SNAP_WAIT");
    int ms = wait ? std::atoi(wait) : 0;
    return ms > 0 ? DWORD(ms) : 400;
}

} // namespace

int main(int argc, char** argv)
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_DATE_CLASSES |
                                                       ICC_USEREX_CLASSES | ICC_COOL_CLASSES |
                                                       ICC_STANDARD_CLASSES | ICC_LINK_CLASS};
    InitCommonControlsEx(&controls);
    if (argc == 2 && std::string(argv[1]) == "scenes") {
        for (const snap::Scene& s : snap::Scenes())
            std::printf("%s %s\n", s.name, s.usage);
        return 0;
    }
    if (argc == 2 && std::string(argv[1]) == "dialogs") {
        EnumResourceNamesA(nullptr, MAKEINTRESOURCEA(5), PrintDialogId, 0);
        return 0;
    }
    if (argc != 4)
        return Usage();
    const snap::Scene* scene = snap::FindScene(argv[1]);
    if (!scene) {
        std::fprintf(stderr, "no scene named %s\n", argv[1]);
        return Usage();
    }
    HWND window = scene->create(argv[2]);
    if (!window) {
        std::fprintf(stderr, "scene %s %s: no window\n", argv[1], argv[2]);
        return 1;
    }
    SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    UpdateWindow(window);
    snap::PumpFor(PaintTime());
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    snap::PumpFor(100);
    bool saved = snap::CaptureWindow(window, argv[3]);
    DestroyWindow(window);
    if (!saved) {
        std::fprintf(stderr, "could not capture the window into %s\n", argv[3]);
        return 1;
    }
    return 0;
}
