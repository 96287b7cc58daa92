#pragma once
// Records every call that a TrayIcon makes to the shell, passing it on to
// the real Shell_NotifyIconA (or answering a fixed result instead).
#include <windows.h>
#include <shellapi.h>

#include <vector>

#include "app/TrayIcon.h"

namespace tray_testing {

struct ShellCall {
    DWORD message;
    NOTIFYICONDATAA record;
    BOOL result;
    bool windowAlive; // whether the record's window existed at the call
};

class ShellRecorder {
public:
    // With passOn false every call answers the given result without the shell.
    explicit ShellRecorder(bool passOn = true, BOOL result = TRUE)
    {
        current_ = this;
        passOn_ = passOn;
        result_ = result;
        previous_ = SetShellNotifier(&Record);
    }
    ~ShellRecorder()
    {
        SetShellNotifier(previous_);
        current_ = nullptr;
    }
    ShellRecorder(const ShellRecorder&) = delete;
    ShellRecorder& operator=(const ShellRecorder&) = delete;

    const std::vector<ShellCall>& Calls() const { return calls_; }
    int Count(DWORD message) const
    {
        int count = 0;
        for (const ShellCall& call : calls_)
            count += call.message == message ? 1 : 0;
        return count;
    }
    void Clear() { calls_.clear(); }

private:
    static BOOL Record(DWORD message, NOTIFYICONDATAA* data)
    {
        ShellRecorder* self = current_;
        BOOL result = self->passOn_ ? ::Shell_NotifyIconA(message, data) : self->result_;
        self->calls_.push_back({message, *data, result, ::IsWindow(data->hWnd) != FALSE});
        return result;
    }

    static inline ShellRecorder* current_ = nullptr;
    bool passOn_ = true;
    BOOL result_ = TRUE;
    ShellNotifier previous_ = nullptr;
    std::vector<ShellCall> calls_;
};

} // namespace tray_testing
