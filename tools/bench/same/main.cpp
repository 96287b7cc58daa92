// velindra_bench_same.exe: the benchmark's second yardstick, a program with
// Velindra's own windows and nothing else. Its dialogs come from Velindra's
// resource script (the main window 102 with the four pages in a child
// property sheet, the half-year dialog 131), its month calendars are sheets
// painted from one cached bitmap each, and it has a notification icon; no
// settings, no language, no calculation. Starts hidden with /hidden.
#include <windows.h>
#include <commctrl.h>

#include <cstring>

#include "tools/bench/same/CachedMonth.h"
#include "tools/bench/same/MainWindow.h"
#include "tools/bench/same/SameProgram.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int)
{
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_DATE_CLASSES};
    if (!::InitCommonControlsEx(&controls) || !RegisterCachedMonth(instance) ||
        !RegisterMainWindowClass(instance))
        return 1;
    HWND window = CreateMainWindow(instance);
    if (!window)
        return 1;
    if (!std::strstr(commandLine, kSameHiddenArgument)) {
        ::ShowWindow(window, SW_SHOW);
        ::UpdateWindow(window);
        ::BringWindowToTop(window);
    }
    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!::IsDialogMessageW(window, &message)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}
