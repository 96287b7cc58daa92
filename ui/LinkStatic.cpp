#include "ui/LinkStatic.h"

#include <shellapi.h>

#include <utility>

namespace {

ShellOpener g_opener = nullptr;

constexpr WORD kHandCursorId = 32649; // IDC_HAND, missing on old systems

} // namespace

ShellOpener SetShellOpener(ShellOpener opener)
{
    return std::exchange(g_opener, opener);
}

void OpenWithShell(HWND owner, const char* target)
{
    if (!target || !*target)
        return;
    if (g_opener) {
        g_opener(owner, target);
        return;
    }
    // The "open" verb as ShellExecuteA has it, but a target the shell cannot
    // open fails silently instead of showing the shell's error box.
    SHELLEXECUTEINFOA info{};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_FLAG_NO_UI;
    info.hwnd = owner;
    info.lpVerb = "open";
    info.lpFile = target;
    info.nShow = SW_SHOW;
    ::ShellExecuteExA(&info);
}

BEGIN_MESSAGE_MAP(CLinkStatic, CStatic)
ON_WM_SETCURSOR()
ON_WM_LBUTTONDOWN()
ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

CLinkStatic::CLinkStatic() : cursor_(::LoadCursorA(nullptr, MAKEINTRESOURCEA(kHandCursorId)))
{
    background_.CreateSolidBrush(backgroundColor_);
}

bool CLinkStatic::AcceptsSettings() const
{
    return IsWindow() && (GetStyle() & SS_NOTIFY) != 0;
}

void CLinkStatic::SetLinkUrl(const CString& url)
{
    if (AcceptsSettings())
        target_ = url;
}

void CLinkStatic::SetLinkColors(BOOL transparent, COLORREF text, COLORREF background)
{
    if (!AcceptsSettings())
        return;
    transparent_ = transparent;
    textColor_ = text;
    backgroundColor_ = background;
    if (transparent_) {
        const LOGBRUSH hollow{BS_HOLLOW, 0, 0};
        background_.CreateBrushIndirect(&hollow);
    } else {
        background_.CreateSolidBrush(backgroundColor_);
    }
    if (IsWindowVisible())
        RedrawWindow(RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

BOOL CLinkStatic::OnSetCursor(HWND, UINT, UINT)
{
    if (!cursor_)
        return static_cast<BOOL>(Default());
    ::SetCursor(cursor_);
    return TRUE;
}

void CLinkStatic::OnLButtonDown(UINT, POINT)
{
    const CString target = target_.empty() ? GetWindowText() : target_;
    if (!target.empty())
        OpenWithShell(::GetParent(m_hWnd), target.c_str());
    Default();
}

HBRUSH CLinkStatic::CtlColor(CDC* dc, UINT)
{
    dc->SetTextColor(textColor_);
    if (transparent_)
        dc->SetBkMode(TRANSPARENT);
    else
        dc->SetBkColor(backgroundColor_);
    return background_;
}
