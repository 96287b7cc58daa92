#pragma once
// What the drawing tests share: the pixels of a device context, or of a
// window's client area as it stands on the screen once painted, looked up by
// point relative to an origin (checks written "x,y=k x,y=k ...", each k one
// of the letters naming the colours); and a plain window whose messages a
// test may answer.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <vector>

#include "framework/Dpi.h"
#include "framework/Gdi.h"
#include "framework/Wnd.h"

namespace pixel_testing {

class Pixels {
public:
    Pixels(HDC source, const RECT& area) : width_(area.right - area.left)
    {
        CMemoryDC copy(source, width_, area.bottom - area.top);
        copy.BitBlt(0, 0, width_, area.bottom - area.top, source, area.left, area.top, SRCCOPY);
        for (int y = 0; y < area.bottom - area.top; ++y)
            for (int x = 0; x < width_; ++x)
                pixels_.push_back(copy.GetPixel(x, y));
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

    // Points are relative to the origin from here on.
    Pixels& From(int x, int y) { return origin_ = {x, y}, *this; }
    COLORREF operator()(int x, int y) const
    {
        x += origin_.x;
        y += origin_.y;
        const bool inside = x >= 0 && y >= 0 && x < width_ && y * width_ < int(pixels_.size());
        return inside ? pixels_[y * width_ + x] : CLR_INVALID;
    }
    // The pixels of the area in the colour; with another picture, the pixels
    // unlike the other's.
    int Count(const RECT& area, COLORREF colour, const Pixels* other = nullptr) const
    {
        int count = 0;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
                count += other ? (*this)(x, y) != (*other)(x, y) : (*this)(x, y) == colour;
        return count;
    }
    void Expect(const char* checks, const char* keys, const std::vector<COLORREF>& colours) const
    {
        int x = 0, y = 0, used = 0;
        char key = 0;
        for (; std::sscanf(checks, " %d,%d=%c%n", &x, &y, &key, &used) == 3; checks += used)
            EXPECT_EQ((*this)(x, y), colours.at(std::strchr(keys, key) - keys))
                << "at " << x << "," << y << "=" << key;
    }

    // A picture of the size drawn by `draw` on a memory context filled with the background.
    static Pixels Drawn(int width, int height, COLORREF background,
                        const std::function<void(CDC&)>& draw)
    {
        CMemoryDC dc(CClientDC(nullptr), width, height);
        dc.FillSolidRect(RECT{0, 0, width, height}, background);
        draw(dc);
        return Pixels(dc, RECT{0, 0, width, height});
    }

private:
    int width_;
    std::vector<COLORREF> pixels_;
    POINT origin_{0, 0};
};

// Text drawn with the default GUI font (bold if asked), in the colour, without background.
inline void DrawGuiText(CDC& dc, bool bold, COLORREF colour, RECT place, const char* text,
                        UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE)
{
    CFont font;
    CreateShellFont(font, fw::kDefaultDpi, bold ? FW_BOLD : FW_NORMAL);
    fw::SelectGuard select(dc, font);
    dc.SetTextColor(colour);
    dc.SetBkMode(TRANSPARENT);
    dc.DrawText(text, &place, format);
}

// Messages with a handler go to it, the others to the framework.
class Window : public CWnd {
public:
    explicit Window(const RECT& place, DWORD style = WS_VISIBLE)
    {
        CreateEx(0, nullptr, "", WS_POPUP | style, place, nullptr, 0);
    }
    std::map<UINT, std::function<LRESULT(WPARAM, LPARAM)>> on;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        const auto handler = on.find(message);
        return handler != on.end() ? handler->second(wParam, lParam)
                                   : CWnd::WindowProc(message, wParam, lParam);
    }
};

} // namespace pixel_testing
