#include "app/TrayIcon.h"

#include <cwchar>

#include "framework/TextCodec.h"
#include "framework/Wnd.h"
#include "res/resource.h"

namespace {

// Copies text into a buffer of `room` units, cut before a character that
// would not fit whole (never between the halves of a surrogate pair).
template <size_t room> void CopyCut(wchar_t (&buffer)[room], const std::string& text)
{
    const std::wstring wide = fw::Wide(text);
    size_t length = wide.size() < room ? wide.size() : room - 1;
    if (length < wide.size() && length > 0 && IS_HIGH_SURROGATE(wide[length - 1]))
        --length;
    wide.copy(buffer, length);
    buffer[length] = L'\0';
}

} // namespace

TrayIcon::~TrayIcon()
{
    RemoveIcon();
}

BOOL TrayIcon::AddIcon(CWnd* window, const std::string& tip, HICON normal, HICON alternate)
{
    if (added_)
        return added_;
    normal_ = normal;
    alternate_ = alternate;
    state_ = StateNormal;

    record_ = NOTIFYICONDATAW{};
    record_.cbSize = kRecordSize;
    record_.hWnd = window ? window->m_hWnd : nullptr;
    record_.uID = 0;
    record_.uCallbackMessage = WM_TRAYNOTIFY;
    record_.uFlags = NIF_MESSAGE | NIF_ICON | (tip.empty() ? 0 : NIF_TIP);
    record_.hIcon = normal_;
    CopyCut(record_.szTip, tip);

    wanted_ = true;
    added_ = shell_.NotifyIcon(NIM_ADD, &record_);
    return added_;
}

void TrayIcon::SetTip(const std::string& tip)
{
    wchar_t cut[kTipRoom];
    CopyCut(cut, tip);
    if (std::wcscmp(cut, record_.szTip) == 0 && (tip.empty() || (record_.uFlags & NIF_TIP)))
        return;
    std::wcscpy(record_.szTip, cut);
    record_.uFlags = (record_.uFlags & ~static_cast<UINT>(NIF_TIP)) | (tip.empty() ? 0 : NIF_TIP);
    if (added_)
        shell_.NotifyIcon(NIM_MODIFY, &record_);
}

void TrayIcon::SetState(State state)
{
    if (state == state_)
        return;
    state_ = state;
    record_.hIcon = state != StateAlternate ? normal_ : alternate_;
    if (added_)
        shell_.NotifyIcon(NIM_MODIFY, &record_);
}

bool TrayIcon::ShowNotification(const std::string& title, const std::string& text)
{
    if (!added_)
        return false;
    NOTIFYICONDATAW notification = record_;
    notification.uFlags = NIF_INFO;
    CopyCut(notification.szInfoTitle, title);
    CopyCut(notification.szInfo, text);
    notification.dwInfoFlags = NIIF_USER; // the icon's own picture
    return shell_.NotifyIcon(NIM_MODIFY, &notification) != FALSE;
}

void TrayIcon::HideNotification()
{
    if (!added_)
        return;
    NOTIFYICONDATAW notification = record_;
    notification.uFlags = NIF_INFO; // an empty text withdraws it
    notification.szInfo[0] = L'\0';
    notification.szInfoTitle[0] = L'\0';
    shell_.NotifyIcon(NIM_MODIFY, &notification);
}

bool TrayIcon::RemoveIcon()
{
    wanted_ = false;
    if (!added_)
        return false;
    shell_.NotifyIcon(NIM_DELETE, &record_);
    added_ = FALSE;
    return true;
}

BOOL TrayIcon::AddAgain()
{
    if (!wanted_)
        return FALSE;
    // A shell that kept the icon refuses a second add; it still takes a change.
    added_ = shell_.NotifyIcon(NIM_ADD, &record_) || shell_.NotifyIcon(NIM_MODIFY, &record_);
    return added_;
}
