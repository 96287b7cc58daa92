#pragma once
// Property pages get the theme's tab texture (a white surface) from the
// common controls when a visual theme is active; the program's pages paint
// their own button-face surface instead.
#include <windows.h>

// Turns the theme's dialog texture off for the window; nothing happens when
// no theme library is in use.
void DisableThemeTexture(HWND window);
