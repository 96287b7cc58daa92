#include "tests/package/StandIn.h"

#include "res/resource.h"

namespace package_test {

StandIn::StandIn()
{
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = VELINDRA_MAIN_WINDOW_CLASS;
    RegisterClassExA(&windowClass); // fails harmlessly when registered before
    window_ = CreateWindowExA(0, VELINDRA_MAIN_WINDOW_CLASS, "Velindra", WS_OVERLAPPEDWINDOW, 0, 0,
                              100, 100, nullptr, nullptr, GetModuleHandleA(nullptr), this);
}

StandIn::~StandIn()
{
    if (window_)
        DestroyWindow(window_);
}

LRESULT CALLBACK StandIn::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<StandIn*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self && message == WM_CLOSE) {
        ++self->closeRequests_;
        return 0; // stays open
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace package_test
