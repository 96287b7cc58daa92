#include "framework/Controls.h"

void CStatic::ShowBitmap(HBITMAP owned)
{
    HBITMAP previous = reinterpret_cast<HBITMAP>(
        SendMessage(STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(owned)));
    if (previous && previous != owned)
        ::DeleteObject(previous);
}

void ReleaseStaticPictures(HWND parent)
{
    for (HWND child = ::GetWindow(parent, GW_CHILD); child;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        wchar_t className[16] = {};
        ::GetClassNameW(child, className, 16);
        const LONG_PTR style = ::GetWindowLongPtrW(child, GWL_STYLE);
        if (lstrcmpiW(className, L"Static") != 0 || (style & SS_TYPEMASK) != SS_BITMAP)
            continue;
        // Taken out of the control first, so that nothing draws or frees it again.
        if (HGDIOBJ shown =
                reinterpret_cast<HGDIOBJ>(::SendMessageW(child, STM_SETIMAGE, IMAGE_BITMAP, 0)))
            ::DeleteObject(shown);
    }
}

std::string CListBox::GetText(int index) const
{
    return fw::GetItemText(m_hWnd, LB_GETTEXTLEN, LB_GETTEXT, index);
}

int CListBox::ItemFromPoint(POINT point, bool& outside) const
{
    LRESULT answer = SendMessage(LB_ITEMFROMPOINT, 0, MAKELPARAM(point.x, point.y));
    outside = HIWORD(answer) != 0;
    return LOWORD(answer);
}

bool CListBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message == WM_DRAWITEM) {
        DrawItem(reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
        *result = TRUE;
        return true;
    }
    if (message == WM_MEASUREITEM) {
        MeasureItem(reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
        *result = TRUE;
        return true;
    }
    return CWnd::OnChildNotify(message, wParam, lParam, result);
}

std::string CComboBox::GetLBText(int index) const
{
    return fw::GetItemText(m_hWnd, CB_GETLBTEXTLEN, CB_GETLBTEXT, index);
}

bool CDateTimeCtrl::GetTime(COleDateTime& time) const
{
    SYSTEMTIME st{};
    if (SendMessage(DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&st)) != GDT_VALID)
        return false;
    time = COleDateTime(st);
    return time.GetStatus() == COleDateTime::valid;
}

bool CDateTimeCtrl::SetTime(const COleDateTime& time)
{
    SYSTEMTIME st{};
    if (!time.GetAsSystemTime(st))
        return false;
    return SendMessage(DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&st)) != 0;
}
