// Scene "trayicons": the notification icon as it is normally and on a
// critical day (icons 128 and 144 at 16 x 16), each enlarged three times
// with every pixel kept, side by side on the button face. No argument.
#include <windows.h>

#include "PictureScene.h"
#include "Scene.h"
#include "res/resource.h"

namespace snap {

namespace {

constexpr int kIcon = 16;
constexpr int kScale = 3;
constexpr int kGap = 12;

// Draws one 16 x 16 icon enlarged at (x, y) of the picture.
void DrawEnlarged(HDC picture, int x, int y, UINT iconId)
{
    auto icon = static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(iconId),
                                              IMAGE_ICON, kIcon, kIcon, 0));
    if (!icon)
        return;
    HDC small = CreateCompatibleDC(picture);
    HBITMAP pixels = CreateCompatibleBitmap(picture, kIcon, kIcon);
    HGDIOBJ previous = SelectObject(small, pixels);
    RECT all{0, 0, kIcon, kIcon};
    FillRect(small, &all, GetSysColorBrush(COLOR_BTNFACE));
    DrawIconEx(small, 0, 0, icon, kIcon, kIcon, 0, nullptr, DI_NORMAL);
    SetStretchBltMode(picture, COLORONCOLOR);
    StretchBlt(picture, x, y, kIcon * kScale, kIcon * kScale, small, 0, 0, kIcon, kIcon, SRCCOPY);
    SelectObject(small, previous);
    DeleteObject(pixels);
    DeleteDC(small);
    DestroyIcon(icon);
}

HWND CreateTrayIconsScene(const std::string&)
{
    const int size = kIcon * kScale;
    const int width = 3 * kGap + 2 * size;
    const int height = 2 * kGap + size;
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP picture = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    HGDIOBJ previous = SelectObject(dc, picture);
    RECT all{0, 0, width, height};
    FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
    DrawEnlarged(dc, kGap, kGap, IDI_VELINDRA);
    DrawEnlarged(dc, 2 * kGap + size, kGap, IDI_VELINDRA_PINK);
    SelectObject(dc, previous);
    DeleteDC(dc);
    return ShowPicture(picture);
}

SceneRegistration trayIconsScene({"trayicons", "-", CreateTrayIconsScene});

} // namespace

} // namespace snap
