#pragma once
// A change the user is still making on a page: a number half typed, the
// arrows stepping through numbers, a date being typed. The page stores it and
// tells the rest of the program only once it has settled: after a short
// pause without another change (and then only when every box holds a number
// it can use), when she leaves the box, or when the page is left or hidden.
#include <windows.h>

class SettlingChange {
public:
    // The page's timer that ends the pause.
    static constexpr UINT_PTR kPauseTimer = 0x5E7;
    static constexpr UINT kPause = 1000; // milliseconds

    // A change: the pause begins again.
    void Begin(HWND page)
    {
        pending_ = true;
        ::SetTimer(page, kPauseTimer, kPause, nullptr);
    }
    // True, once, when a change waits to be stored; the pause ends.
    bool Take(HWND page)
    {
        ::KillTimer(page, kPauseTimer);
        const bool pending = pending_;
        pending_ = false;
        return pending;
    }
    bool IsPending() const { return pending_; }

private:
    bool pending_ = false;
};
