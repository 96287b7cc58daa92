#pragma once
// The half-year dialog: Velindra's template 131 run modally, with six month
// sheets in two rows of three where Velindra has its calendars (ids 1111 to
// 1116). Close, Escape and the close box end it; its other buttons do nothing.
#include <windows.h>

void RunHalfYear(HWND owner);
