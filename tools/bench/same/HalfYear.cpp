#include "tools/bench/same/HalfYear.h"

#include "res/resource.h"
#include "tools/bench/same/CachedMonth.h"

namespace {

// Velindra's places: 11 dialog units from the left, 17 pixels from the top,
// one pixel between the months; the row of buttons ends where the months
// end, and the dialog is as wide as the months with their margins.
constexpr int kLeftUnits = 11;
constexpr int kTop = 17;
constexpr int kColumnStep = kCachedMonthWidth + 1;
constexpr int kRowStep = kCachedMonthHeight + 1;
constexpr int kButtons[] = {IDC_HALF_PREVIOUS, IDC_HALF_TODAY, IDC_HALF_NEXT, IDC_HALF_CLOSE,
                            IDC_HALF_HELP};

RECT ControlRect(HWND dialog, int id)
{
    RECT rect{};
    ::GetWindowRect(::GetDlgItem(dialog, id), &rect);
    ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// Moves the buttons so that their row ends at `right`, and sizes the dialog
// to `right` and the left margin again.
void FitTo(HWND dialog, int left, int right)
{
    const int shift = right - ControlRect(dialog, IDC_HALF_HELP).right;
    for (int id : kButtons) {
        RECT rect = ControlRect(dialog, id);
        ::SetWindowPos(::GetDlgItem(dialog, id), nullptr, rect.left + shift, rect.top, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    RECT client{}, window{};
    ::GetClientRect(dialog, &client);
    ::GetWindowRect(dialog, &window);
    ::SetWindowPos(dialog, nullptr, 0, 0, window.right - window.left + right + left - client.right,
                   window.bottom - window.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CreateMonths(HWND dialog)
{
    RECT margin{kLeftUnits, 0, 0, 0};
    ::MapDialogRect(dialog, &margin);
    const int left = margin.left;
    for (int i = 0; i < 6; ++i)
        CreateCachedMonth(dialog, IDC_HALF_CALENDAR0 + i, left + kColumnStep * (i % 3),
                          kTop + kRowStep * (i / 3));
    FitTo(dialog, left, left + 2 * kColumnStep + kCachedMonthWidth);
}

INT_PTR CALLBACK HalfYearProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        CreateMonths(dialog);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)
            ::EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace

void RunHalfYear(HWND owner)
{
    ::DialogBoxParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_HALFYEAR), owner,
                      HalfYearProc, 0);
}
