// velindra_snap: shows one scene (a window of the program) and saves a
// picture of it. Usage:
//   velindra_snap <scene> <argument> <out.bmp>   capture one scene
//   velindra_snap scenes                          list the scenes
//   velindra_snap dialogs                         list the dialog templates
// With VELINDRA_SNAP_CONTRAST=1 the scene shows under the colours of Windows'
// "High Contrast Black", with high contrast on for the program.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "Capture.h"
#include "Scene.h"
#include "ui/HighContrast.h"

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

// The session's colours while it lives: a high-contrast scheme, or nothing
// changed; those of before afterwards.
class ContrastScheme {
public:
    ContrastScheme()
    {
        const char* asked = std::getenv("VELINDRA_SNAP_CONTRAST");
        if (!asked || std::string(asked) != "1")
            return;
        const std::vector<std::pair<int, COLORREF>> black = {
            {COLOR_WINDOW, RGB(0, 0, 0)},
            {COLOR_WINDOWTEXT, RGB(255, 255, 255)},
            {COLOR_HIGHLIGHT, RGB(26, 235, 255)},
            {COLOR_HIGHLIGHTTEXT, RGB(0, 0, 0)},
            {COLOR_GRAYTEXT, RGB(63, 242, 63)},
            {COLOR_HOTLIGHT, RGB(255, 255, 0)},
            {COLOR_BTNFACE, RGB(0, 0, 0)},
            {COLOR_BTNTEXT, RGB(255, 255, 255)},
            {COLOR_CAPTIONTEXT, RGB(255, 255, 255)},
            {COLOR_MENU, RGB(0, 0, 0)},
            {COLOR_MENUTEXT, RGB(255, 255, 255)},
            {COLOR_ACTIVECAPTION, RGB(0, 0, 0)},
            {COLOR_INACTIVECAPTION, RGB(0, 0, 0)},
            {COLOR_BTNSHADOW, RGB(255, 255, 255)},
            {COLOR_BTNHIGHLIGHT, RGB(255, 255, 255)},
        };
        for (const auto& [element, colour] : black) {
            elements_.push_back(element);
            saved_.push_back(GetSysColor(element));
            colours_.push_back(colour);
        }
        high_contrast_testing::Answer(1);
        SetSysColors(int(elements_.size()), elements_.data(), colours_.data());
    }
    ~ContrastScheme()
    {
        if (!elements_.empty())
            SetSysColors(int(elements_.size()), elements_.data(), saved_.data());
    }

private:
    std::vector<int> elements_;
    std::vector<COLORREF> colours_, saved_;
};

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
    ContrastScheme scheme;
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
