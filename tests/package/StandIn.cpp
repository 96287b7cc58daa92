#include "tests/package/StandIn.h"

namespace package_test {
namespace {

constexpr char kMainWindowClass[] = "VelindraMainWindow";

} // namespace

StandIn::StandIn(Behaviour behaviour) : behaviour_(behaviour)
{
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kMainWindowClass;
    RegisterClassExA(&windowClass); // fails harmlessly when registered before
    window_ = CreateWindowExA(0, kMainWindowClass, "Velindra", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                              nullptr, nullptr, GetModuleHandleA(nullptr), this);
    created_ = open_ = window_ != nullptr;
}

StandIn::~StandIn()
{
    if (open_)
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
        if (self->behaviour_ == ClosesWhenAsked)
            DestroyWindow(window);
        return 0;
    }
    if (self && message == WM_NCDESTROY)
        self->open_ = false;
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace package_test
