#pragma once
// CMenu: a C++ object bound to one menu handle. The binding is kept in the
// menu's own data (MENUINFO), so that owner-drawn menu items reach the object
// of the submenu that holds them. A window that shows owner-drawn menus opts
// into their drawing with ON_MENU_OWNERDRAW() in its message map.
#include <windows.h>

#include <string>

#include "framework/MessageMap.h"

class CWnd;

class CMenu {
public:
    CMenu() = default;
    virtual ~CMenu();
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    HMENU m_hMenu = nullptr;
    HMENU GetSafeHmenu() const { return m_hMenu; }

    // The object bound to a menu, or null.
    static CMenu* FromHandlePermanent(HMENU menu);

    bool Attach(HMENU menu);
    HMENU Detach();
    bool LoadMenu(UINT resourceId);
    bool DestroyMenu();

    int GetMenuItemCount() const { return ::GetMenuItemCount(m_hMenu); }
    UINT GetMenuItemID(int position) const { return ::GetMenuItemID(m_hMenu, position); }
    HMENU GetSubMenu(int position) const { return ::GetSubMenu(m_hMenu, position); }
    // The item's text, at most 255 characters.
    std::string GetMenuString(UINT item, UINT flags) const;
    bool SetDefaultItem(UINT item, bool byPosition)
    {
        return ::SetMenuDefaultItem(m_hMenu, item, byPosition) != FALSE;
    }
    // Shows this (popup) menu; owner-drawn items are routed to their menu objects.
    BOOL TrackPopupMenu(UINT flags, int x, int y, CWnd* owner);

    virtual void DrawItem(DRAWITEMSTRUCT*) {}
    virtual void MeasureItem(MEASUREITEMSTRUCT*) {}
};

namespace fw {

// Menu owner-draw for the window that owns owner-drawn menus: a
// WM_MEASUREITEM or WM_DRAWITEM of a menu item goes to the object of the
// menu that holds the item. False, with nothing done, for a control's item
// and for a menu without an object.
bool RouteMenuItem(HWND owner, UINT message, LPARAM item, LRESULT* result);
// The same as a message-map entry (ON_MENU_OWNERDRAW).
bool MenuItemThunk(CWnd* owner, UINT message, WPARAM, LPARAM item, LRESULT& result);

} // namespace fw

// The entry of a message map that opts into menu owner-draw (both messages).
#define ON_MENU_OWNERDRAW()                                                                        \
    {fw::Match::Message, WM_DRAWITEM, WM_MEASUREITEM, 0, &fw::MenuItemThunk},
