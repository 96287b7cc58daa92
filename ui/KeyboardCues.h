#pragma once
// Windows' rule for keyboard cues: a window shows focus rectangles and
// access-key underlines only once the keyboard has been used in it (or
// always, when the user asked for them); the window's UI state says which
// of the two it hides at the moment.
#include <windows.h>

bool HidesFocusCue(HWND window);
bool HidesAccessKeyCue(HWND window);
