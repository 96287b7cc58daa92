#pragma once
// CLinkStatic: a static control of a dialog that works as a link. It shows
// the hand cursor while the pointer is over it, colours its own text, and a
// left click opens its target (a web address, a "mailto:" address, any
// document) with the shell's "open" verb; a link without a target opens its
// own window text. Given the text colour CLR_DEFAULT it takes the system's
// colour of links (hot-light), the colour that goes with the system's
// background it is drawn on; in high contrast it takes that colour whatever
// colours it was given.
//
// The control needs the static style SS_NOTIFY: without it no mouse message
// reaches it, and both setters leave everything as it is.
//
// Screen readers hear it as a link named by its text, whose default action
// opens it (posted: the link opens once the program's thread gets to it).
#include <windows.h>

#include "framework/Controls.h"
#include "framework/Gdi.h"
#include "framework/Strings.h"
#include "ui/Shell.h"

class CLinkStatic : public CStatic {
public:
    static constexpr COLORREF kDefaultTextColor = RGB(0, 0, 255);
    static constexpr COLORREF kDefaultBackgroundColor = RGB(192, 192, 192);
    // Asks the link to open (the default action of its accessible object).
    static constexpr UINT kOpenMessage = WM_USER + 0x100;

    // Targets open through the shell, which outlives the link.
    explicit CLinkStatic(Shell& shell);

    // The target a click opens (SS_NOTIFY controls only).
    void SetLinkUrl(const CString& url);
    // Text drawn on the parent's background (transparent, with a hollow brush)
    // or on a solid background colour (SS_NOTIFY controls only).
    void SetLinkColors(BOOL transparent, COLORREF text, COLORREF background);
    // The name screen readers give its default action, in the language shown
    // ("Open" until one is given).
    void SetActionName(const CString& name) { actionName_ = name; }
    const CString& ActionName() const { return actionName_; }

    DECLARE_MESSAGE_MAP()

protected:
    BOOL OnSetCursor(HWND window, UINT hitTest, UINT message);
    void OnLButtonDown(UINT flags, POINT point);
    // The keyboard: a link with the tab-stop style takes the focus, shows it
    // round its text, and opens on Enter and Space.
    LRESULT OnGetDlgCode(WPARAM key, LPARAM message);
    LRESULT OnKeyDown(WPARAM key, LPARAM);
    LRESULT OnFocusChange(WPARAM, LPARAM);
    LRESULT OnUpdateUiState(WPARAM, LPARAM);
    // The focus shows once the keyboard is used.
    void OnPaint();
    LRESULT OnGetObject(WPARAM, LPARAM);
    LRESULT OnOpenMessage(WPARAM, LPARAM);
    // The control colours itself before its parent is asked.
    HBRUSH CtlColor(CDC* dc, UINT kind);

private:
    bool AcceptsSettings() const;
    // The text is drawn on the parent's background: the parent repaints the place.
    void RepaintPlace();
    void Open();
    // The rectangle the text takes in the control.
    RECT TextRect() const;

    Shell& shell_;
    HCURSOR cursor_; // a shared system cursor, never destroyed
    COLORREF textColor_ = kDefaultTextColor;
    COLORREF backgroundColor_ = kDefaultBackgroundColor;
    CBrush background_;
    CString target_;
    CString actionName_ = "Open";
    int transparent_ = 1;
};
