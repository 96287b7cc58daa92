#pragma once
// The bare program's one custom-painted window: a 207 x 160 month sheet (a
// title band, the day names and a 7 x 6 grid of day numbers), painted straight
// into the window with one font.
#include <windows.h>

constexpr int kMonthWidth = 207;
constexpr int kMonthHeight = 160;

// Registers the window class; true when it is usable.
bool RegisterMonthChild(HINSTANCE instance);
HWND CreateMonthChild(HWND parent, int id, int x, int y);
