// Scene "bitmap": one bitmap resource, as stored, in a window of its own.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "Scene.h"
#include "PictureScene.h"

namespace snap {

HWND ShowPicture(HBITMAP picture)
{
    BITMAP info{};
    if (!picture || !GetObjectA(picture, sizeof info, &info))
        return nullptr;
    RECT r{0, 0, info.bmWidth, info.bmHeight};
    AdjustWindowRectEx(&r, WS_POPUP | WS_BORDER, FALSE, 0);
    HWND window =
        CreateWindowExA(0, "Static", "", WS_POPUP | WS_BORDER | SS_BITMAP, 0, 0, r.right - r.left,
                        r.bottom - r.top, nullptr, nullptr, nullptr, nullptr);
    if (window)
        SendMessageA(window, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture));
    return window;
}

namespace {

HWND CreateBitmapScene(const std::string& argument)
{
    int id = std::atoi(argument.c_str());
    auto picture = static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id),
                                                   IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!picture)
        std::fprintf(stderr, "no bitmap %s\n", argument.c_str());
    return ShowPicture(picture);
}

SceneRegistration bitmapScene({"bitmap", "<bitmap id>", CreateBitmapScene});

} // namespace

} // namespace snap
