#pragma once
// Drives a modal window that the code under way opens and runs itself: from a
// timer of this thread, once a visible top-level window of the thread holds
// the control, each message of the script is posted to it in turn, one per
// tick. The last message, which closes the window, is posted again on every
// tick for as long as the window stays, so that no window is left open.
#include <windows.h>

#include <vector>

namespace langtemplate {

struct PostedMessage {
    UINT message;
    WPARAM wParam;
};

class ModalDriver {
public:
    ModalDriver(int controlId, std::vector<PostedMessage> script);
    ~ModalDriver();
    ModalDriver(const ModalDriver&) = delete;
    ModalDriver& operator=(const ModalDriver&) = delete;

    // How many messages were posted; 0 when the window never showed.
    size_t Posted() const { return posted_; }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);

    static ModalDriver* current_;
    int controlId_;
    std::vector<PostedMessage> script_;
    size_t posted_ = 0;
    UINT_PTR timer_ = 0;
};

} // namespace langtemplate
