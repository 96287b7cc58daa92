#include "ui/DialogLayout.h"

#include "framework/Dpi.h"

namespace layout {

int LayoutDpi(HWND dialog)
{
    const int dpi = fw::WindowDpi(dialog);
    if (dpi <= fw::kDefaultDpi || !dialog)
        return dpi; // at 100 % every pixel is as designed
    // 64 vertical dialog units are 104 pixels with the templates' font at 96 dpi.
    const int fontDpi = ::MulDiv(DialogUnitsY(dialog, 64), fw::kDefaultDpi, 104);
    if (fontDpi * 100 >= dpi * 95)
        return dpi;
    return fontDpi > fw::kDefaultDpi ? fontDpi : fw::kDefaultDpi;
}

void TakeSuggestedPlace(HWND window, LPARAM suggested)
{
    if (const RECT* place = reinterpret_cast<const RECT*>(suggested))
        ::SetWindowPos(window, nullptr, place->left, place->top, place->right - place->left,
                       place->bottom - place->top, SWP_NOZORDER | SWP_NOACTIVATE);
}

int DialogUnitsX(HWND dialog, int units)
{
    RECT rect{units, 0, 0, 0};
    ::MapDialogRect(dialog, &rect);
    return rect.left;
}

int DialogUnitsY(HWND dialog, int units)
{
    RECT rect{0, units, 0, 0};
    ::MapDialogRect(dialog, &rect);
    return rect.top;
}

RECT ControlRect(HWND dialog, int id)
{
    RECT rect{};
    HWND control = ::GetDlgItem(dialog, id);
    if (!control || !::GetWindowRect(control, &rect))
        return RECT{};
    ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void PlaceControl(HWND dialog, int id, const RECT& rect)
{
    if (HWND control = ::GetDlgItem(dialog, id))
        ::SetWindowPos(control, nullptr, rect.left, rect.top, rect.right - rect.left,
                       rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void SpreadRow(HWND dialog, const int* ids, int count, int gap, int left, int right)
{
    int widths = 0;
    for (int i = 0; i < count; ++i) {
        const RECT rect = ControlRect(dialog, ids[i]);
        widths += rect.right - rect.left;
    }
    const int room = right - left - gap * (count - 1);
    if (count <= 0 || widths <= 0 || room <= 0)
        return;
    int x = left;
    int given = 0; // of the old widths, placed so far
    for (int i = 0; i < count; ++i) {
        RECT rect = ControlRect(dialog, ids[i]);
        given += rect.right - rect.left;
        // Each right edge from the running total, so the row ends exactly at right.
        const int end = left + gap * i + MulDiv(room, given, widths);
        rect.right = end;
        rect.left = x;
        PlaceControl(dialog, ids[i], rect);
        x = end + gap;
    }
}

void ShiftControls(HWND dialog, const int* ids, int count, int dx)
{
    for (int i = 0; i < count; ++i) {
        RECT rect = ControlRect(dialog, ids[i]);
        ::OffsetRect(&rect, dx, 0);
        PlaceControl(dialog, ids[i], rect);
    }
}

int CentreX(HWND dialog, int leftUnits, int widthUnits)
{
    return (DialogUnitsX(dialog, leftUnits) + DialogUnitsX(dialog, leftUnits + widthUnits)) / 2;
}

} // namespace layout
