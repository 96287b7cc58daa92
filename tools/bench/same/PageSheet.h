#pragma once
// The main window's page sheet, made as Velindra makes it: a modeless
// comctl32 property sheet turned into a child of the main window, with the
// Monitor, Scheduler, Options and About page templates as they are (the
// Monitor page with one month sheet where Velindra has its calendar), its tab
// control and its own buttons hidden, placed right of the navigation list
// and above the row of buttons. Every page is created at once.
#include <windows.h>

// The sheet window, or null.
HWND CreatePageSheet(HWND mainWindow);
// Makes the page (0 to 3) the current one.
void SelectPage(HWND sheet, int page);
