#pragma once
// What the windows ask of the Windows shell: to open a target on behalf of a
// window, and to add, change or remove an icon in the notification area. The
// application hands its windows the system's shell (app/SystemShell.h); a
// test hands in its own.
#include <windows.h>
#include <shellapi.h>

class Shell {
public:
    // Opens the target (a web address, a "mailto:" address, any document)
    // with the shell's "open" verb; failures are not reported.
    virtual void Open(HWND owner, const char* target) = 0;
    // Shell_NotifyIconW's work: non-zero when the shell took the request.
    virtual BOOL NotifyIcon(DWORD message, NOTIFYICONDATAW* data) = 0;

protected:
    ~Shell() = default;
};
