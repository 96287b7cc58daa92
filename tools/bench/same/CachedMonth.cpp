#include "tools/bench/same/CachedMonth.h"

#include <cwchar>
#include <new>

namespace {

constexpr wchar_t kClassName[] = L"SameMonthChild";
const wchar_t* const kDayNames[7] = {L"Mo", L"Tu", L"We", L"Th", L"Fr", L"Sa", L"Su"};
constexpr UINT kCentred = DT_CENTER | DT_VCENTER | DT_SINGLELINE;

// A memory device context with an object selected into it, both freed at the end.
class MemoryDc {
public:
    MemoryDc(HDC like, HGDIOBJ object)
        : dc_(::CreateCompatibleDC(like)), old_(::SelectObject(dc_, object))
    {
    }
    ~MemoryDc()
    {
        ::SelectObject(dc_, old_);
        ::DeleteDC(dc_);
    }
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;
    HDC Get() const { return dc_; }

private:
    HDC dc_;
    HGDIOBJ old_;
};

void DrawMonth(HDC dc)
{
    ::SetBkMode(dc, TRANSPARENT);
    RECT band{0, 0, kCachedMonthWidth, 20};
    ::FillRect(dc, &band, reinterpret_cast<HBRUSH>(COLOR_HIGHLIGHT + 1));
    ::SetTextColor(dc, ::GetSysColor(COLOR_CAPTIONTEXT));
    wchar_t title[64] = L"";
    ::GetDateFormatW(LOCALE_USER_DEFAULT, 0, nullptr, L"MMMM, yyyy", title, 64);
    ::DrawTextW(dc, title, -1, &band, kCentred);
    RECT body{0, 20, kCachedMonthWidth, kCachedMonthHeight};
    ::FillRect(dc, &body, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    ::SetTextColor(dc, ::GetSysColor(COLOR_HIGHLIGHT));
    for (int column = 0; column < 7; ++column) {
        RECT cell{column * 29 + 2, 20, column * 29 + 31, 40};
        ::DrawTextW(dc, kDayNames[column], -1, &cell, kCentred);
    }
    ::SetTextColor(dc, ::GetSysColor(COLOR_BTNTEXT));
    for (int day = 0; day < 42; ++day) {
        RECT cell{(day % 7) * 29 + 2, 42 + (day / 7) * 19, (day % 7) * 29 + 31,
                  62 + (day / 7) * 19};
        wchar_t number[4];
        std::swprintf(number, 4, L"%d", day % 31 + 1);
        ::DrawTextW(dc, number, -1, &cell, kCentred);
    }
}

// The window's picture: drawn once, freed with the window.
class MonthPicture {
public:
    explicit MonthPicture(HWND window)
    {
        HDC screen = ::GetDC(window);
        bitmap_ = ::CreateCompatibleBitmap(screen, kCachedMonthWidth, kCachedMonthHeight);
        HFONT font = ::CreateFontW(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0,
                                   L"MS Sans Serif");
        if (bitmap_) {
            MemoryDc memory(screen, bitmap_);
            HGDIOBJ oldFont = ::SelectObject(memory.Get(), font);
            DrawMonth(memory.Get());
            ::SelectObject(memory.Get(), oldFont);
        }
        ::DeleteObject(font);
        ::ReleaseDC(window, screen);
    }
    ~MonthPicture()
    {
        if (bitmap_)
            ::DeleteObject(bitmap_);
    }
    MonthPicture(const MonthPicture&) = delete;
    MonthPicture& operator=(const MonthPicture&) = delete;

    void Paint(HDC dc) const
    {
        MemoryDc memory(dc, bitmap_);
        ::BitBlt(dc, 0, 0, kCachedMonthWidth, kCachedMonthHeight, memory.Get(), 0, 0, SRCCOPY);
    }

private:
    HBITMAP bitmap_ = nullptr;
};

MonthPicture* PictureOf(HWND window)
{
    return reinterpret_cast<MonthPicture*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
}

LRESULT CALLBACK MonthProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        ::SetWindowLongPtrW(window, GWLP_USERDATA,
                            reinterpret_cast<LONG_PTR>(new (std::nothrow) MonthPicture(window)));
        return PictureOf(window) ? 0 : -1;
    case WM_ERASEBKGND:
        return 1; // the picture covers the whole window
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = ::BeginPaint(window, &paint);
        PictureOf(window)->Paint(dc);
        ::EndPaint(window, &paint);
        return 0;
    }
    case WM_NCDESTROY:
        delete PictureOf(window);
        ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        return 0;
    default:
        return ::DefWindowProcW(window, message, wParam, lParam);
    }
}

} // namespace

bool RegisterCachedMonth(HINSTANCE instance)
{
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = MonthProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    windowClass.lpszClassName = kClassName;
    return ::RegisterClassW(&windowClass) != 0;
}

HWND CreateCachedMonth(HWND parent, int id, int x, int y)
{
    return ::CreateWindowExW(
        0, kClassName, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, x, y, kCachedMonthWidth,
        kCachedMonthHeight, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
        reinterpret_cast<HINSTANCE>(::GetWindowLongPtrW(parent, GWLP_HINSTANCE)), nullptr);
}
