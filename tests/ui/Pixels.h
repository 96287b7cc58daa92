#pragma once
// The pixels of a window's client area as it stands on the screen once it has
// painted, or of a device context, read in one block transfer and looked up
// by point (item-relative through an origin).
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <ostream>
#include <vector>

namespace pixel_testing {

class Pixels {
public:
    Pixels(HDC source, const RECT& area)
        : width_(area.right - area.left), height_(area.bottom - area.top)
    {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width_;
        info.bmiHeader.biHeight = -height_; // top-down
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        HDC copy = ::CreateCompatibleDC(source);
        HBITMAP bitmap = ::CreateDIBSection(copy, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        HGDIOBJ previous = ::SelectObject(copy, bitmap);
        ::BitBlt(copy, 0, 0, width_, height_, source, area.left, area.top, SRCCOPY);
        ::GdiFlush();
        const auto* words = static_cast<const uint32_t*>(bits);
        pixels_.assign(words, words + (bits ? width_ * height_ : 0));
        ::SelectObject(copy, previous);
        ::DeleteObject(bitmap);
        ::DeleteDC(copy);
    }
    static Pixels Of(HWND window)
    {
        ::UpdateWindow(window);
        RECT client{};
        ::GetClientRect(window, &client);
        HDC dc = ::GetDC(window);
        Pixels pixels(dc, client);
        ::ReleaseDC(window, dc);
        return pixels;
    }

    // Coordinates from here on are relative to the origin.
    Pixels& From(POINT origin)
    {
        origin_ = origin;
        return *this;
    }
    COLORREF operator()(int x, int y) const
    {
        x += origin_.x;
        y += origin_.y;
        if (x < 0 || y < 0 || x >= width_ || y >= height_)
            return CLR_INVALID;
        const uint32_t p = pixels_[y * width_ + x];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    int Count(const RECT& area, COLORREF colour) const
    {
        int count = 0;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
                count += (*this)(x, y) == colour ? 1 : 0;
        return count;
    }
    // The smallest rectangle holding every pixel of the area that is not the
    // background; empty when there is none.
    RECT Ink(const RECT& area, COLORREF background) const
    {
        RECT ink{area.right, area.bottom, area.left, area.top};
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
                if ((*this)(x, y) != background)
                    ink = {std::min<LONG>(ink.left, x), std::min<LONG>(ink.top, y),
                           std::max<LONG>(ink.right, x + 1), std::max<LONG>(ink.bottom, y + 1)};
        return ink.left < ink.right ? ink : RECT{};
    }
    // The first point of the area where the two differ, or {-1, -1}.
    POINT Differs(const Pixels& other, const RECT& area) const
    {
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
                if ((*this)(x, y) != other(x, y))
                    return {x, y};
        return {-1, -1};
    }

private:
    int width_;
    int height_;
    std::vector<uint32_t> pixels_;
    POINT origin_{0, 0};
};

} // namespace pixel_testing

// For comparisons and messages of the tests (in the rectangle's own namespace).
inline bool operator==(const RECT& a, const RECT& b)
{
    return ::EqualRect(&a, &b) != FALSE;
}

inline bool operator==(const POINT& a, const POINT& b)
{
    return a.x == b.x && a.y == b.y;
}

inline std::ostream& operator<<(std::ostream& out, const RECT& r)
{
    return out << "{" << r.left << "," << r.top << "," << r.right << "," << r.bottom << "}";
}

inline std::ostream& operator<<(std::ostream& out, const POINT& p)
{
    return out << "(" << p.x << "," << p.y << ")";
}
