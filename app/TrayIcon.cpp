#include "app/TrayIcon.h"

#include "framework/Wnd.h"
#include "res/resource.h"

namespace {

BOOL CallShell(DWORD message, NOTIFYICONDATAA* data)
{
    return ::Shell_NotifyIconA(message, data);
}

ShellNotifier g_notifier = &CallShell;

} // namespace

ShellNotifier SetShellNotifier(ShellNotifier notifier)
{
    ShellNotifier previous = g_notifier;
    g_notifier = notifier ? notifier : &CallShell;
    return previous;
}

TrayIcon::~TrayIcon()
{
    RemoveIcon();
}

BOOL TrayIcon::AddIcon(CWnd* window, const char* tooltip, HICON normal, HICON alternate)
{
    if (added_)
        return added_;
    normal_ = normal;
    alternate_ = alternate;
    state_ = StateNormal;

    record_ = NOTIFYICONDATAA{};
    record_.cbSize = kRecordSize;
    record_.hWnd = window ? window->m_hWnd : nullptr;
    record_.uID = 0;
    record_.uCallbackMessage = WM_TRAYNOTIFY;
    bool hasTip = tooltip && tooltip[0] != '\0';
    record_.uFlags = NIF_MESSAGE | NIF_ICON | (hasTip ? NIF_TIP : 0);
    record_.hIcon = normal_;
    ::lstrcpynA(record_.szTip, hasTip ? tooltip : "", kTipRoom);

    wanted_ = true;
    added_ = g_notifier(NIM_ADD, &record_);
    return added_;
}

void TrayIcon::SetState(int state)
{
    if (state == state_)
        return;
    state_ = state;
    record_.hIcon = state != StateAlternate ? normal_ : alternate_;
    if (added_)
        g_notifier(NIM_MODIFY, &record_);
}

bool TrayIcon::RemoveIcon()
{
    wanted_ = false;
    if (!added_)
        return false;
    g_notifier(NIM_DELETE, &record_);
    added_ = FALSE;
    return true;
}

BOOL TrayIcon::AddAgain()
{
    if (!wanted_)
        return FALSE;
    // A shell that kept the icon refuses a second add; it still takes a change.
    added_ = g_notifier(NIM_ADD, &record_) || g_notifier(NIM_MODIFY, &record_);
    return added_;
}
