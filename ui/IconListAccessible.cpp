#include "ui/IconListAccessible.h"

#include "framework/WindowText.h"

HRESULT STDMETHODCALLTYPE IconListAccessible::get_accChildCount(LONG* count)
{
    if (!count)
        return E_POINTER;
    *count = Count();
    return S_OK;
}

HRESULT STDMETHODCALLTYPE IconListAccessible::get_accName(VARIANT child, BSTR* name)
{
    const int item = Item(child);
    if (item < 0)
        return AccessibleProxy::get_accName(child, name);
    return fw::AnswerText(fw::GetItemText(window_, LB_GETTEXTLEN, LB_GETTEXT, item), name);
}

HRESULT STDMETHODCALLTYPE IconListAccessible::get_accRole(VARIANT child, VARIANT* role)
{
    return Item(child) < 0 ? AccessibleProxy::get_accRole(child, role)
                           : fw::AnswerNumber(ROLE_SYSTEM_LISTITEM, role);
}

HRESULT STDMETHODCALLTYPE IconListAccessible::get_accState(VARIANT child, VARIANT* state)
{
    const int item = Item(child);
    if (item < 0)
        return AccessibleProxy::get_accState(child, state);
    LONG value = STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_FOCUSABLE;
    if (::SendMessageW(window_, LB_GETCURSEL, 0, 0) == item)
        value |= STATE_SYSTEM_SELECTED | (::GetFocus() == window_ ? STATE_SYSTEM_FOCUSED : 0);
    return fw::AnswerNumber(value, state);
}

HRESULT STDMETHODCALLTYPE IconListAccessible::accLocation(LONG* left, LONG* top, LONG* width,
                                                          LONG* height, VARIANT child)
{
    const int item = Item(child);
    RECT place{};
    if (item < 0 || !left || !top || !width || !height ||
        ::SendMessageW(window_, LB_GETITEMRECT, item, reinterpret_cast<LPARAM>(&place)) == LB_ERR)
        return AccessibleProxy::accLocation(left, top, width, height, child);
    ::MapWindowPoints(window_, nullptr, reinterpret_cast<POINT*>(&place), 2);
    *left = place.left;
    *top = place.top;
    *width = place.right - place.left;
    *height = place.bottom - place.top;
    return S_OK;
}

LONG IconListAccessible::Count() const
{
    const LRESULT count = ::SendMessageW(window_, LB_GETCOUNT, 0, 0);
    return count > 0 ? static_cast<LONG>(count) : 0;
}

int IconListAccessible::Item(const VARIANT& child) const
{
    const LONG id = fw::ChildIdOf(child);
    return id >= 1 && id <= Count() ? static_cast<int>(id - 1) : -1;
}
