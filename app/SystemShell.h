#pragma once
// The shell of the running system: ShellExecuteExW and Shell_NotifyIconW.
#include "ui/Shell.h"

class SystemShell final : public Shell {
public:
    // The "open" verb with no parameters, no folder and SW_SHOW; a target
    // the shell cannot open fails silently instead of showing its error box.
    void Open(HWND owner, const char* target) override;
    BOOL NotifyIcon(DWORD message, NOTIFYICONDATAW* data) override;
};
