// Scene "tinted": a grey picture recoloured the way the main window and the
// wizard show it.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "PictureScene.h"
#include "Scene.h"
#include "framework/Gdi.h"
#include "ui/LoadTintedBitmap.h"

namespace snap {

namespace {

HWND CreateTintedScene(const std::string& argument)
{
    CBitmap bitmap;
    if (!LoadTintedBitmap(UINT(std::atoi(argument.c_str())), bitmap))
        std::fprintf(stderr, "bitmap %s could not be tinted\n", argument.c_str());
    return ShowPicture(bitmap.Detach());
}

SceneRegistration tintedScene({"tinted", "<bitmap id>", CreateTintedScene});

} // namespace

} // namespace snap
