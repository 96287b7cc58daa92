#include "framework/Menu.h"

#include "framework/Module.h"
#include "framework/WindowText.h"
#include "framework/Wnd.h"

namespace {

// The popup menu being tracked: measuring requests name no menu.
thread_local HMENU t_trackedMenu = nullptr;

void SetMenuObject(HMENU menu, CMenu* object)
{
    MENUINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = MIM_MENUDATA;
    info.dwMenuData = reinterpret_cast<ULONG_PTR>(object);
    ::SetMenuInfo(menu, &info);
}

// The menu of the tree that holds an item with this id and item data.
HMENU FindHoldingMenu(HMENU menu, UINT id, ULONG_PTR data, int depth = 0)
{
    if (!menu || depth > 16)
        return nullptr;
    int count = ::GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_ID | MIIM_DATA | MIIM_SUBMENU;
        if (!::GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info))
            continue;
        if (info.hSubMenu) {
            if (HMENU found = FindHoldingMenu(info.hSubMenu, id, data, depth + 1))
                return found;
            if (id == UINT(-1) || id == 0xFFFF) {
                if (info.dwItemData == data)
                    return menu;
            }
        } else if (info.wID == id && info.dwItemData == data) {
            return menu;
        }
    }
    return nullptr;
}

} // namespace

CMenu::~CMenu()
{
    DestroyMenu();
}

CMenu* CMenu::FromHandlePermanent(HMENU menu)
{
    if (!menu || !::IsMenu(menu))
        return nullptr;
    MENUINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = MIM_MENUDATA;
    if (!::GetMenuInfo(menu, &info))
        return nullptr;
    return reinterpret_cast<CMenu*>(info.dwMenuData);
}

bool CMenu::Attach(HMENU menu)
{
    if (m_hMenu || !menu || !::IsMenu(menu))
        return false;
    m_hMenu = menu;
    SetMenuObject(menu, this);
    return true;
}

HMENU CMenu::Detach()
{
    HMENU menu = m_hMenu;
    if (menu && ::IsMenu(menu) && FromHandlePermanent(menu) == this)
        SetMenuObject(menu, nullptr);
    m_hMenu = nullptr;
    return menu;
}

bool CMenu::LoadMenu(UINT resourceId)
{
    if (m_hMenu)
        return false;
    return Attach(::LoadMenuW(AfxGetResourceHandle(), MAKEINTRESOURCEW(resourceId)));
}

bool CMenu::DestroyMenu()
{
    HMENU menu = Detach();
    return menu && ::DestroyMenu(menu);
}

std::string CMenu::GetMenuString(UINT item, UINT flags) const
{
    return fw::GetMenuString(m_hMenu, item, flags);
}

BOOL CMenu::TrackPopupMenu(UINT flags, int x, int y, CWnd* owner)
{
    HMENU outer = t_trackedMenu;
    t_trackedMenu = m_hMenu;
    BOOL result =
        ::TrackPopupMenu(m_hMenu, flags, x, y, 0, owner ? owner->m_hWnd : nullptr, nullptr);
    t_trackedMenu = outer;
    return result;
}

namespace fw {

static_assert(WM_MEASUREITEM == WM_DRAWITEM + 1, "one range of a message map holds both");

bool RouteMenuItem(HWND owner, UINT message, LPARAM item, LRESULT* result)
{
    CMenu* menu = nullptr;
    if (message == WM_DRAWITEM) {
        auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(item);
        if (draw->CtlType != ODT_MENU)
            return false;
        menu = CMenu::FromHandlePermanent(reinterpret_cast<HMENU>(draw->hwndItem));
        if (menu)
            menu->DrawItem(draw);
    } else if (message == WM_MEASUREITEM) {
        auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(item);
        if (measure->CtlType != ODT_MENU)
            return false;
        HMENU root = t_trackedMenu ? t_trackedMenu : ::GetMenu(owner);
        menu =
            CMenu::FromHandlePermanent(FindHoldingMenu(root, measure->itemID, measure->itemData));
        if (menu)
            menu->MeasureItem(measure);
    }
    if (!menu)
        return false;
    *result = TRUE;
    return true;
}

bool MenuItemThunk(CWnd* owner, UINT message, WPARAM, LPARAM item, LRESULT& result)
{
    return RouteMenuItem(owner->m_hWnd, message, item, &result);
}

} // namespace fw
