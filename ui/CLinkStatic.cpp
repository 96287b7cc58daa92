#include "ui/CLinkStatic.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <utility>

#include "framework/Accessible.h"
#include "framework/Dc.h"
#include "framework/TextCodec.h"
#include "framework/WindowText.h"
#include "ui/HighContrast.h"
#include "ui/KeyboardCues.h"

namespace {

constexpr WORD kHandCursorId = 32649; // IDC_HAND, missing on old systems

bool IsOpeningKey(WPARAM key)
{
    return key == VK_RETURN || key == VK_SPACE;
}

// The system's object for the static, answering as a link.
class LinkAccessible final : public fw::AccessibleProxy {
public:
    using AccessibleProxy::AccessibleProxy;

    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override
    {
        if (fw::ChildIdOf(child) != CHILDID_SELF)
            return AccessibleProxy::get_accRole(child, role);
        return fw::AnswerNumber(ROLE_SYSTEM_LINK, role);
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override
    {
        if (fw::ChildIdOf(child) != CHILDID_SELF || !::IsWindow(window_))
            return AccessibleProxy::get_accName(child, name);
        return fw::AnswerText(fw::GetWindowText(window_), name);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override
    {
        const HRESULT result = AccessibleProxy::get_accState(child, state);
        if (SUCCEEDED(result) && state && state->vt == VT_I4 &&
            fw::ChildIdOf(child) == CHILDID_SELF)
            state->lVal |= STATE_SYSTEM_LINKED;
        return result;
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override
    {
        if (fw::ChildIdOf(child) != CHILDID_SELF)
            return AccessibleProxy::get_accDefaultAction(child, action);
        const auto* link = dynamic_cast<const CLinkStatic*>(CWnd::FromHandlePermanent(window_));
        return fw::AnswerText(link ? link->ActionName() : CString("Open"), action);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override
    {
        if (fw::ChildIdOf(child) != CHILDID_SELF)
            return AccessibleProxy::accDoDefaultAction(child);
        return ::PostMessageW(window_, CLinkStatic::kOpenMessage, 0, 0) ? S_OK : E_FAIL;
    }

private:
    ~LinkAccessible() override = default;
};

} // namespace

BEGIN_MESSAGE_MAP(CLinkStatic, CStatic)
ON_WM_SETCURSOR()
ON_WM_LBUTTONDOWN()
ON_WM_CTLCOLOR_REFLECT()
ON_MESSAGE(WM_GETDLGCODE, OnGetDlgCode)
ON_MESSAGE(WM_KEYDOWN, OnKeyDown)
ON_MESSAGE(WM_SETFOCUS, OnFocusChange)
ON_MESSAGE(WM_KILLFOCUS, OnFocusChange)
ON_MESSAGE(WM_UPDATEUISTATE, OnUpdateUiState)
ON_WM_PAINT()
ON_MESSAGE(WM_GETOBJECT, OnGetObject)
ON_MESSAGE(kOpenMessage, OnOpenMessage)
END_MESSAGE_MAP()

CLinkStatic::CLinkStatic(Shell& shell)
    : shell_(shell), cursor_(::LoadCursorW(nullptr, MAKEINTRESOURCEW(kHandCursorId)))
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

void CLinkStatic::Open()
{
    const CString target = target_.empty() ? GetWindowText() : target_;
    if (!target.empty())
        shell_.Open(::GetParent(m_hWnd), target.c_str());
}

void CLinkStatic::OnLButtonDown(UINT, POINT)
{
    Open();
    Default();
}

LRESULT CLinkStatic::OnGetDlgCode(WPARAM key, LPARAM message)
{
    const auto* asked = reinterpret_cast<const MSG*>(message);
    if (asked && asked->message == WM_KEYDOWN && IsOpeningKey(key))
        return DLGC_WANTMESSAGE;
    return Default();
}

LRESULT CLinkStatic::OnKeyDown(WPARAM key, LPARAM)
{
    if (!IsOpeningKey(key))
        return Default();
    Open();
    return 0;
}

// The text is drawn on its parent's background: the parent repaints the
// place, so that no focus rectangle is left behind.
LRESULT CLinkStatic::OnFocusChange(WPARAM, LPARAM)
{
    RepaintPlace();
    return Default();
}

// The keyboard was used, or the cues were hidden again: the focus shows or goes.
LRESULT CLinkStatic::OnUpdateUiState(WPARAM, LPARAM)
{
    const LRESULT result = Default();
    if (::GetFocus() == m_hWnd)
        RepaintPlace();
    return result;
}

void CLinkStatic::RepaintPlace()
{
    RECT place = GetWindowRect();
    HWND parent = ::GetParent(m_hWnd);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&place), 2);
    ::InvalidateRect(parent, &place, TRUE);
}

void CLinkStatic::OnPaint()
{
    Default();
    if (::GetFocus() != m_hWnd || HidesFocusCue(m_hWnd))
        return;
    CClientDC dc(m_hWnd);
    RECT focus = TextRect();
    ::InflateRect(&focus, 1, 0);
    ::DrawFocusRect(dc, &focus);
}

// A link that is a picture (the About page's banner) is decorative: the
// dialog marked it (framework/Accessible.h), and the link beside it has its text.
LRESULT CLinkStatic::OnGetObject(WPARAM wParam, LPARAM objectId)
{
    const DWORD type = GetStyle() & SS_TYPEMASK;
    if (!fw::AsksForClient(objectId) || type == SS_BITMAP || type == SS_ICON)
        return Default();
    const fw::ComPtr<LinkAccessible> link(new LinkAccessible(m_hWnd));
    return fw::AnswerGetObject(link.get(), wParam); // the client holds what it needs
}

LRESULT CLinkStatic::OnOpenMessage(WPARAM, LPARAM)
{
    Open();
    return 0;
}

RECT CLinkStatic::TextRect() const
{
    const RECT client = GetClientRect();
    RECT text = client;
    {
        CClientDC dc(m_hWnd);
        fw::SelectGuard font(dc, reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)));
        dc.DrawText(GetWindowText(), &text, DT_CALCRECT | DT_SINGLELINE);
    }
    const int width = std::min<int>(text.right - text.left, client.right);
    const LONG_PTR align = GetStyle() & SS_TYPEMASK;
    const int left = align == SS_CENTER  ? (client.right - width) / 2
                     : align == SS_RIGHT ? client.right - width
                                         : 0;
    return RECT{left, 0, left + width, std::min<int>(text.bottom, client.bottom)};
}

// The system's colour of links when asked for, and in high contrast, where
// a link with a background of its own is drawn on the button face.
HBRUSH CLinkStatic::CtlColor(CDC* dc, UINT)
{
    const bool highContrast = IsHighContrast();
    const bool system = highContrast || textColor_ == CLR_DEFAULT;
    dc->SetTextColor(system ? ::GetSysColor(COLOR_HOTLIGHT) : textColor_);
    if (transparent_) {
        dc->SetBkMode(TRANSPARENT);
        return background_;
    }
    if (highContrast) {
        dc->SetBkColor(::GetSysColor(COLOR_BTNFACE));
        return ::GetSysColorBrush(COLOR_BTNFACE);
    }
    dc->SetBkColor(backgroundColor_);
    return background_;
}
