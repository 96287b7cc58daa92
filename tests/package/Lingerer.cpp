// A Velindra that takes its time to end, as one does on a busy machine: its
// window, of the main window's class, closes at once on WM_CLOSE, and its
// process ends eight seconds later. InstallerTest puts it in place of the
// installed velindra.exe.
#include <windows.h>

#include "res/resource.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = [](HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_DESTROY)
            PostQuitMessage(0);
        return DefWindowProcA(window, message, wParam, lParam);
    };
    windowClass.hInstance = instance;
    windowClass.lpszClassName = VELINDRA_MAIN_WINDOW_CLASS;
    RegisterClassA(&windowClass);
    CreateWindowA(VELINDRA_MAIN_WINDOW_CLASS, "Velindra", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                  100, 100, nullptr, nullptr, instance, nullptr);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0)
        DispatchMessageA(&message);
    Sleep(8000);
    return 0;
}
