#pragma once
// CMenu: a C++ object bound to one menu handle. The binding is kept in the
// menu's own data (MENUINFO), so that owner-drawn menu items reach the object
// of the submenu that holds them.
#include <windows.h>

#include <string>

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

// Routing of WM_DRAWITEM and WM_MEASUREITEM for menu items (used by CWnd).
struct CMenuDispatch {
    static bool Draw(const DRAWITEMSTRUCT* item, LRESULT* result);
    static bool Measure(HWND window, MEASUREITEMSTRUCT* item, LRESULT* result);
};
