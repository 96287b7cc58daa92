#include "tools/bench/driver/Tray.h"

#include <windows.h>

int TrayIconCount()
{
    HWND tray = ::FindWindowA("__winex11_standalone_tray", nullptr);
    int count = 0;
    for (HWND child = tray ? ::GetWindow(tray, GW_CHILD) : nullptr; child;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        char name[64] = "";
        ::GetClassNameA(child, name, sizeof(name));
        count += ::lstrcmpA(name, "__winex11_tray_icon") == 0 ? 1 : 0;
    }
    return count;
}
