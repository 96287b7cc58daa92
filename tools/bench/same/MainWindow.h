#pragma once
// The same-windows program's main window: Velindra's template 102 (of
// Velindra's window class, which the template names), its navigation list
// with the four page names, the page sheet, and a notification icon. It
// answers the commands the bench driver and the shell send Velindra: a
// navigation change switches the page, 32772 opens the half-year dialog,
// Hide hides, a left click on the icon or "Open..." shows, Exit ends.
#include <windows.h>

// Registers the window class; true when it is usable.
bool RegisterMainWindowClass(HINSTANCE instance);
// The main window, hidden, or null.
HWND CreateMainWindow(HINSTANCE instance);
