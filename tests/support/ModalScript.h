#pragma once
// A script that works a modal window (dialog, wizard, pop-up menu) from a
// timer while the code under test runs the window's loop.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <vector>

namespace testing_support {

// What a script works on: a visible top-level window of this thread that
// holds a control with the id, or with kPopupMenu the open pop-up menu.
constexpr int kPopupMenu = -1;
using Step = std::function<void(HWND window)>;

// Runs one step per timer tick on the window, inside the modal loop that
// shows it. A window still open long after the last step is closed, and the
// test is told so. One script at a time.
class ModalScript {
public:
    ModalScript(int controlId, std::vector<Step> steps) : id_(controlId), steps_(std::move(steps))
    {
        current_ = this;
        timer_ = ::SetTimer(nullptr, 0, 30, [](HWND, UINT, UINT_PTR, DWORD) { current_->Tick(); });
    }
    ~ModalScript()
    {
        ::KillTimer(nullptr, timer_);
        current_ = nullptr;
        EXPECT_FALSE(leftOpen_) << "a window was still open after the last step";
    }
    ModalScript(const ModalScript&) = delete;
    ModalScript& operator=(const ModalScript&) = delete;

    int Seen() const { return seen_; } // the windows met

private:
    void Tick()
    {
        found_ = nullptr;
        ::EnumThreadWindows(
            ::GetCurrentThreadId(),
            [](HWND w, LPARAM) {
                char kind[16] = "";
                ::GetClassNameA(w, kind, sizeof(kind));
                const int id = current_->id_;
                if (::IsWindowVisible(w) && (id == kPopupMenu ? lstrcmpA(kind, "#32768") == 0
                                                              : ::GetDlgItem(w, id) != nullptr))
                    current_->found_ = w;
                return TRUE;
            },
            0);
        if (!found_)
            return;
        seen_ += found_ != window_;
        window_ = found_;
        if (next_ < steps_.size())
            return steps_[next_++](window_);
        if (++idleTicks_ > 30 && !leftOpen_) {
            leftOpen_ = true;
            id_ == kPopupMenu ? ::EndMenu() : ::PostMessageA(window_, WM_COMMAND, IDCANCEL, 0);
        }
    }

    static inline ModalScript* current_ = nullptr;
    int id_;
    std::vector<Step> steps_;
    size_t next_ = 0;
    int idleTicks_ = 0, seen_ = 0;
    bool leftOpen_ = false;
    HWND window_ = nullptr, found_ = nullptr;
    UINT_PTR timer_ = 0;
};

} // namespace testing_support
