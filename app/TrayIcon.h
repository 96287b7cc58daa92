#pragma once
// TrayIcon: the program's one icon in the notification area. It shows the
// normal icon or the alternate (pink) one and sends the main window the
// callback message WM_TRAYNOTIFY for mouse actions on it. The icon handles
// are borrowed from the main window, which loads and destroys them.
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "ui/Shell.h"

class CWnd;

class TrayIcon {
public:
    // What the icon shows; the main window's pink rule answers one of these.
    enum State { StateAlternate = 0, StateNormal = 1 };
    // The record of the shell of Windows Vista and later, with the long tip
    // and the notification texts.
    static constexpr DWORD kRecordSize = sizeof(NOTIFYICONDATAW);
    // Room for the tip, its terminating NUL included (UTF-16 units).
    static constexpr int kTipRoom = 128;

    // The icon's calls reach the shell, which outlives it.
    explicit TrayIcon(Shell& shell) : shell_(shell) {}
    virtual ~TrayIcon();
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    // Adds the icon with the normal icon shown. Once added, a further call
    // changes nothing and answers the first result. Non-zero when the icon is
    // in the notification area.
    BOOL AddIcon(CWnd* window, const std::string& tip, HICON normal, HICON alternate);
    // The text shown when the pointer rests on the icon (UTF-8), cut to what
    // the shell holds at a character's edge; told to the shell when it
    // differs from the one shown.
    void SetTip(const std::string& tip);
    // 1 shows the normal icon, 0 the alternate one. Nothing is sent to the
    // shell without an icon or when the state is already shown; the state is
    // kept either way, for AddAgain.
    void SetState(State state);
    // Shows a notification from the icon (a balloon; a toast on Windows 10
    // and 11) with the icon's own picture; true when the shell took it. The
    // record keeps no trace of it, so a later change of the icon or its
    // return after a shell restart shows nothing again.
    bool ShowNotification(const std::string& title, const std::string& text);
    // Withdraws a notification still shown.
    void HideNotification();
    // True when an icon was removed. The destructor calls it.
    bool RemoveIcon();
    // Puts the icon back after the shell re-created its notification area
    // (or first created it, when the program started before the shell), in
    // its current state. Nothing before AddIcon or after RemoveIcon.
    // Non-zero when the icon is in the notification area.
    BOOL AddAgain();

    BOOL IsAdded() const { return added_; }
    State GetState() const { return state_; }
    const NOTIFYICONDATAW& GetRecord() const { return record_; }

private:
    Shell& shell_;
    BOOL added_ = FALSE;
    bool wanted_ = false; // between AddIcon and RemoveIcon
    NOTIFYICONDATAW record_{};
    HICON normal_ = nullptr;
    HICON alternate_ = nullptr;
    State state_ = StateNormal;
};
