#include "tools/bench/bare/MonthChild.h"

#include <cstdio>

namespace {

constexpr char kClassName[] = "BareMonthChild";
const char* const kDayNames[7] = {"Mo", "Tu", "We", "Th", "Fr", "Sa", "Su"};

void PaintMonth(HWND window, HDC dc)
{
    HFONT font = reinterpret_cast<HFONT>(::GetWindowLongPtrA(window, GWLP_USERDATA));
    HGDIOBJ oldFont = ::SelectObject(dc, font);
    ::SetBkMode(dc, TRANSPARENT);
    RECT band{0, 0, kMonthWidth, 20};
    ::FillRect(dc, &band, reinterpret_cast<HBRUSH>(COLOR_ACTIVECAPTION + 1));
    ::SetTextColor(dc, ::GetSysColor(COLOR_CAPTIONTEXT));
    char title[64] = "";
    ::GetDateFormatA(LOCALE_USER_DEFAULT, 0, nullptr, "MMMM, yyyy", title, sizeof(title));
    ::DrawTextA(dc, title, -1, &band, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    RECT body{0, 20, kMonthWidth, kMonthHeight};
    ::FillRect(dc, &body, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    ::SetTextColor(dc, ::GetSysColor(COLOR_WINDOWTEXT));
    for (int column = 0; column < 7; ++column) {
        RECT cell{column * 29 + 2, 20, column * 29 + 31, 40};
        ::DrawTextA(dc, kDayNames[column], -1, &cell, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    for (int day = 0; day < 42; ++day) {
        RECT cell{(day % 7) * 29 + 2, 42 + (day / 7) * 19, (day % 7) * 29 + 31,
                  62 + (day / 7) * 19};
        char number[4];
        std::snprintf(number, sizeof(number), "%d", day % 31 + 1);
        ::DrawTextA(dc, number, -1, &cell, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    ::SelectObject(dc, oldFont);
}

LRESULT CALLBACK MonthProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE: {
        HFONT font = ::CreateFontA(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0,
                                   "MS Sans Serif");
        ::SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(font));
        return 0;
    }
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = ::BeginPaint(window, &paint);
        PaintMonth(window, dc);
        ::EndPaint(window, &paint);
        return 0;
    }
    case WM_DESTROY:
        ::DeleteObject(reinterpret_cast<HGDIOBJ>(::GetWindowLongPtrA(window, GWLP_USERDATA)));
        return 0;
    default:
        return ::DefWindowProcA(window, message, wParam, lParam);
    }
}

} // namespace

bool RegisterMonthChild(HINSTANCE instance)
{
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = MonthProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)); // IDC_ARROW
    windowClass.lpszClassName = kClassName;
    return ::RegisterClassA(&windowClass) != 0;
}

HWND CreateMonthChild(HWND parent, int id, int x, int y)
{
    return ::CreateWindowExA(
        0, kClassName, "", WS_CHILD | WS_VISIBLE, x, y, kMonthWidth, kMonthHeight, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
        reinterpret_cast<HINSTANCE>(::GetWindowLongPtrA(parent, GWLP_HINSTANCE)), nullptr);
}
