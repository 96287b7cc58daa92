#pragma once
// A running Velindra as the installer sees it: a hidden top-level window of
// the program's main-window class in this process, which either closes on
// WM_CLOSE, as the program does, or stays open. It answers only while this
// thread dispatches messages (RunToEnd does).
#include <windows.h>

namespace package_test {

class StandIn {
public:
    enum Behaviour { ClosesWhenAsked, StaysOpen };
    explicit StandIn(Behaviour behaviour);
    ~StandIn();
    StandIn(const StandIn&) = delete;
    StandIn& operator=(const StandIn&) = delete;

    bool Created() const { return created_; }
    bool Open() const { return open_; }
    int CloseRequests() const { return closeRequests_; }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    Behaviour behaviour_;
    HWND window_ = nullptr;
    bool created_ = false;
    bool open_ = false;
    int closeRequests_ = 0;
};

} // namespace package_test
