#pragma once
// TrayIcon: the program's one icon in the notification area. It shows the
// normal icon or the alternate (pink) one and sends the main window the
// callback message WM_TRAYNOTIFY for mouse actions on it. The icon handles
// are borrowed from the main window, which loads and destroys them.
#include <windows.h>
#include <shellapi.h>

class CWnd;

// The call that reaches the shell; Shell_NotifyIconA unless replaced.
using ShellNotifier = BOOL (*)(DWORD message, NOTIFYICONDATAA* data);
// Test seam: routes every TrayIcon's shell calls through the given function
// (null restores Shell_NotifyIconA). Returns the previous one.
ShellNotifier SetShellNotifier(ShellNotifier notifier);

class TrayIcon {
public:
    // What the icon shows.
    enum State { StateAlternate = 0, StateNormal = 1 };
    // The record of the first shell version: 88 bytes on 32-bit Windows. On
    // 64-bit Windows the same fields take 104 bytes (wider handles and their
    // alignment), which is what the shell expects of that version there.
    static constexpr DWORD kRecordSize = NOTIFYICONDATAA_V1_SIZE;
    // Room for the tooltip, its terminating NUL included.
    static constexpr int kTipRoom = 62;

    TrayIcon() = default;
    virtual ~TrayIcon();
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    // Adds the icon with the normal icon shown. Once added, a further call
    // changes nothing and answers the first result. Non-zero when the icon is
    // in the notification area.
    BOOL AddIcon(CWnd* window, const char* tooltip, HICON normal, HICON alternate);
    // 1 shows the normal icon, 0 the alternate one. Nothing is sent to the
    // shell without an icon or when the state is already shown; the state is
    // kept either way, for AddAgain.
    void SetState(int state);
    // True when an icon was removed. The destructor calls it.
    bool RemoveIcon();
    // Puts the icon back after the shell re-created its notification area
    // (or first created it, when the program started before the shell), in
    // its current state. Nothing before AddIcon or after RemoveIcon.
    // Non-zero when the icon is in the notification area.
    BOOL AddAgain();

    BOOL IsAdded() const { return added_; }
    int GetState() const { return state_; }
    const NOTIFYICONDATAA& GetRecord() const { return record_; }

private:
    BOOL added_ = FALSE;
    bool wanted_ = false; // between AddIcon and RemoveIcon
    NOTIFYICONDATAA record_{};
    HICON normal_ = nullptr;
    HICON alternate_ = nullptr;
    int state_ = StateNormal;
};
