#pragma once
// The same-windows program's month sheet: a child window of the size of
// Velindra's month calendar at 96 dpi (207 x 160 pixels) that draws a title
// band, the day names and a 7 x 6 grid of day numbers once, into a bitmap of
// its own, when it is created, and copies that bitmap on every paint.
#include <windows.h>

constexpr int kCachedMonthWidth = 207;
constexpr int kCachedMonthHeight = 160;

// Registers the window class; true when it is usable.
bool RegisterCachedMonth(HINSTANCE instance);
HWND CreateCachedMonth(HWND parent, int id, int x, int y);
