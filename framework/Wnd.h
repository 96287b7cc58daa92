#pragma once
// CWnd: a C++ object bound to one window. Messages of a bound window reach
// the object's WindowProc, which offers reflected messages to the child
// control concerned, then searches the message maps, and otherwise lets the
// window's original procedure handle them (Default). Every window is a
// Unicode window; texts cross into and out of it as UTF-8 (framework/TextCodec.h).
#include <windows.h>

#include <string>

#include "framework/Dc.h"
#include "framework/MessageMap.h"

class CWnd {
public:
    CWnd() = default;
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;

    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }

    // The object bound to a window, or null for a window without one.
    static CWnd* FromHandlePermanent(HWND window);

    // Creates a window of the framework's default class (no background brush).
    bool CreateEx(DWORD exStyle, const char* className, const char* text, DWORD style,
                  const RECT& rect, CWnd* parent, UINT id);
    bool Create(const char* className, const char* text, DWORD style, const RECT& rect,
                CWnd* parent, UINT id)
    {
        return CreateEx(0, className, text, style, rect, parent, id);
    }
    bool DestroyWindow();

    // Binds an existing window (a control of a dialog) and routes its messages here.
    bool SubclassWindow(HWND window);
    bool SubclassDlgItem(UINT id, CWnd* parent);
    HWND UnsubclassWindow();

    // ---- common operations ----
    bool IsWindow() const { return m_hWnd && ::IsWindow(m_hWnd); }
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendMessageW(m_hWnd, message, wParam, lParam);
    }
    bool PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::PostMessageW(m_hWnd, message, wParam, lParam) != FALSE;
    }
    std::string GetWindowText() const;
    void SetWindowText(const std::string& text);
    bool ShowWindow(int command) { return ::ShowWindow(m_hWnd, command) != FALSE; }
    void UpdateWindow() { ::UpdateWindow(m_hWnd); }
    bool IsWindowVisible() const { return ::IsWindowVisible(m_hWnd) != FALSE; }
    bool IsIconic() const { return ::IsIconic(m_hWnd) != FALSE; }
    void Invalidate(bool erase = true) { ::InvalidateRect(m_hWnd, nullptr, erase); }
    void InvalidateRect(const RECT* rect, bool erase = true)
    {
        ::InvalidateRect(m_hWnd, rect, erase);
    }
    bool RedrawWindow(UINT flags)
    {
        return ::RedrawWindow(m_hWnd, nullptr, nullptr, flags) != FALSE;
    }
    RECT GetClientRect() const;
    RECT GetWindowRect() const;
    void ScreenToClient(RECT& rect) const;
    void ScreenToClient(POINT& point) const { ::ScreenToClient(m_hWnd, &point); }
    bool SetWindowPos(HWND insertAfter, int x, int y, int cx, int cy, UINT flags)
    {
        return ::SetWindowPos(m_hWnd, insertAfter, x, y, cx, cy, flags) != FALSE;
    }
    bool MoveWindow(int x, int y, int cx, int cy, bool repaint = true)
    {
        return ::MoveWindow(m_hWnd, x, y, cx, cy, repaint) != FALSE;
    }
    void CenterWindow();
    CWnd* GetParent() const { return FromHandlePermanent(::GetParent(m_hWnd)); }
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
    DWORD GetStyle() const { return static_cast<DWORD>(::GetWindowLongPtrW(m_hWnd, GWL_STYLE)); }
    DWORD GetExStyle() const
    {
        return static_cast<DWORD>(::GetWindowLongPtrW(m_hWnd, GWL_EXSTYLE));
    }
    void ModifyStyle(DWORD remove, DWORD add);
    void ModifyStyleEx(DWORD remove, DWORD add);
    LONG_PTR GetUserData() const { return ::GetWindowLongPtrW(m_hWnd, GWLP_USERDATA); }
    void SetUserData(LONG_PTR value) { ::SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, value); }
    UINT_PTR SetTimer(UINT_PTR id, UINT milliseconds)
    {
        return ::SetTimer(m_hWnd, id, milliseconds, nullptr);
    }
    bool KillTimer(UINT_PTR id) { return ::KillTimer(m_hWnd, id) != FALSE; }
    void SetIcon(HICON icon, bool big)
    {
        SendMessage(WM_SETICON, big ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    }
    void SetFont(HFONT font, bool redraw = true)
    {
        SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw);
    }
    HWND SetFocus() { return ::SetFocus(m_hWnd); }
    void BringWindowToTop() { ::BringWindowToTop(m_hWnd); }
    bool EnableWindow(bool enable) { return ::EnableWindow(m_hWnd, enable) != FALSE; }

    // Called by the message loop for every message aimed at this window or a
    // descendant, from the innermost bound window outwards; true swallows it.
    virtual BOOL PreTranslateMessage(MSG* message);

    // Lets a bound child control handle a message its parent received about it
    // (control colours, owner drawing). True when the child handled it.
    virtual bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

    static const fw::MessageMap* GetThisMessageMap();

    // Whether a WM_SETTINGCHANGE tells of the regional settings ("intl"),
    // which every top-level window passes on to the windows inside it.
    static bool IsRegionalChange(LPARAM area);

protected:
    virtual const fw::MessageMap* GetMessageMap() const;
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Dispatches through the message maps; false when no entry took the message.
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    // The original procedure of the window.
    LRESULT Default();
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // After the last message of the window; the object is unbound by then.
    virtual void PostNcDestroy() {}

    // Binding used by the framework's own window procedures.
    void Bind(HWND window, WNDPROC superProc);
    static LRESULT CALLBACK StaticWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    // Sends WM_SYSCOLORCHANGE to every window inside this one and repaints
    // it all: what a top-level window does with a change of the colours.
    void PassColourChangeOn();
    void PassSettingChangeOn(WPARAM wParam, LPARAM lParam);
    bool ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    void Unbind();

    WNDPROC superProc_ = nullptr;
    const MSG* currentMessage_ = nullptr; // for Default()
};

// Walks from the window of the message out to (and including) stop, giving
// every bound window's PreTranslateMessage its chance. True when swallowed.
bool WalkPreTranslateTree(HWND stop, MSG* message);

namespace fw {

template <class T, HBRUSH (T::*F)(CDC*, HWND, UINT)>
bool CtlColorThunk(CWnd* w, UINT m, WPARAM wp, LPARAM lp, LRESULT& r)
{
    CDC dc(reinterpret_cast<HDC>(wp));
    HBRUSH brush = (static_cast<T*>(w)->*F)(&dc, reinterpret_cast<HWND>(lp), CtlColorKind(m));
    if (!brush)
        return false;
    r = reinterpret_cast<LRESULT>(brush);
    return true;
}

template <class T, HBRUSH (T::*F)(CDC*, UINT)>
bool CtlColorReflectThunk(CWnd* w, UINT m, WPARAM wp, LPARAM, LRESULT& r)
{
    CDC dc(reinterpret_cast<HDC>(wp));
    HBRUSH brush = (static_cast<T*>(w)->*F)(&dc, CtlColorKind(m));
    if (!brush)
        return false;
    r = reinterpret_cast<LRESULT>(brush);
    return true;
}

} // namespace fw
