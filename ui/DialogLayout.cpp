#include "ui/DialogLayout.h"

#include <algorithm>
#include <numeric>
#include <string>
#include <vector>

#include "framework/Dc.h"
#include "framework/Dpi.h"
#include "framework/WindowText.h"

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

namespace {

// The width a push button needs for its text: the text in the button's font,
// with four dialog units on either side for its edge and focus rectangle.
int ButtonWidthForText(HWND dialog, HWND button)
{
    const std::string text = fw::GetWindowText(button);
    CClientDC dc(button);
    fw::SelectGuard font(dc, reinterpret_cast<HFONT>(::SendMessageW(button, WM_GETFONT, 0, 0)));
    RECT need{};
    dc.DrawText(text, &need, DT_CALCRECT | DT_SINGLELINE);
    return need.right - need.left + 2 * DialogUnitsX(dialog, 4);
}

} // namespace

ButtonRow::ButtonRow(std::initializer_list<int> ids) : ids_(ids) {}

void ButtonRow::Fit(HWND dialog, int left)
{
    const int count = static_cast<int>(ids_.size());
    if (count == 0)
        return;
    const int dpi = fw::WindowDpi(dialog);
    std::vector<RECT> rects;
    std::vector<int> natural, fitted;
    int gaps = 0;
    for (int i = 0; i < count; ++i) {
        rects.push_back(ControlRect(dialog, ids_[i]));
        if (static_cast<int>(naturalWidths_.size()) <= i) // the first fit
            naturalWidths_.push_back(rects[i].right - rects[i].left);
        natural.push_back(naturalDpi_ ? ::MulDiv(naturalWidths_[i], dpi, naturalDpi_)
                                      : naturalWidths_[i]);
        fitted.push_back(
            std::max(natural[i], ButtonWidthForText(dialog, ::GetDlgItem(dialog, ids_[i]))));
        if (i > 0)
            gaps += rects[i].left - rects[i - 1].right;
    }
    if (!naturalDpi_)
        naturalDpi_ = dpi;
    const int end = rects.back().right;
    const std::vector<int>& widths =
        end - gaps - std::accumulate(fitted.begin(), fitted.end(), 0) >= left ? fitted : natural;
    // Right to left from the end of the row, each gap kept.
    int right = end;
    for (int i = count - 1; i >= 0; --i) {
        RECT rect = rects[i];
        rect.right = right;
        rect.left = right - widths[i];
        PlaceControl(dialog, ids_[i], rect);
        if (i > 0)
            right = rect.left - (rects[i].left - rects[i - 1].right);
    }
}

void ShiftControls(HWND dialog, const int* ids, int count, int dx, int dy)
{
    for (int i = 0; i < count; ++i) {
        RECT rect = ControlRect(dialog, ids[i]);
        ::OffsetRect(&rect, dx, dy);
        PlaceControl(dialog, ids[i], rect);
    }
}

int CentreX(HWND dialog, int leftUnits, int widthUnits)
{
    return (DialogUnitsX(dialog, leftUnits) + DialogUnitsX(dialog, leftUnits + widthUnits)) / 2;
}

} // namespace layout
