#include "tools/bench/driver/Tray.h"

#include <windows.h>

int TrayIconCount()
{
    HWND tray = ::FindWindowA("__winex11_standalone_tray", nullptr);
    int count = 0;
    for (HWND icon = tray ? ::GetWindow(tray, GW_CHILD) : nullptr; icon;
         icon = ::GetWindow(icon, GW_HWNDNEXT))
        ++count;
    return count;
}
