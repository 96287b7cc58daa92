#pragma once
// A Velindra that will not close, as the installer sees it: a hidden
// top-level window of the program's main-window class in this process that
// counts the WM_CLOSE it gets and stays open. It answers only while this
// thread dispatches messages (RunToEnd does).
#include <windows.h>

namespace package_test {

class StandIn {
public:
    StandIn();
    ~StandIn();
    StandIn(const StandIn&) = delete;
    StandIn& operator=(const StandIn&) = delete;

    bool Created() const { return window_ != nullptr; }
    int CloseRequests() const { return closeRequests_; }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
    int closeRequests_ = 0;
};

} // namespace package_test
