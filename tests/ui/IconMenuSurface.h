#pragma once
// Draws icon-menu items into 32-bit off-screen pixels, the way the menu
// window asks for them (WM_MEASUREITEM / WM_DRAWITEM), and reads them back.
#include <windows.h>

#include <cstdint>

#include "ui/IconMenu.h"

namespace icon_menu_testing {

constexpr COLORREF kUntouched = RGB(255, 0, 255);

class Surface {
public:
    Surface(int width, int height) : width_(width), height_(height)
    {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        bitmap_ = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        bits_ = static_cast<uint32_t*>(bits);
        dc_ = ::CreateCompatibleDC(nullptr);
        previous_ = ::SelectObject(dc_, bitmap_);
        for (int i = 0; i < width * height; ++i)
            bits_[i] = 0xFF00FF;
    }
    ~Surface()
    {
        ::SelectObject(dc_, previous_);
        ::DeleteDC(dc_);
        ::DeleteObject(bitmap_);
    }
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    HDC Dc() const { return dc_; }
    COLORREF At(int x, int y) const
    {
        ::GdiFlush();
        if (x < 0 || y < 0 || x >= width_ || y >= height_)
            return CLR_INVALID;
        uint32_t p = bits_[y * width_ + x];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }

private:
    int width_;
    int height_;
    HBITMAP bitmap_ = nullptr;
    HDC dc_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    uint32_t* bits_ = nullptr;
};

// One item as the menu window would draw it, placed at (left, top) of the
// surface; the pixels are read relative to the item.
class DrawnItem {
public:
    static constexpr int kLeft = 5;
    static constexpr int kTop = 7;

    DrawnItem(IconMenu& menu, int position, UINT state, int width, int height)
        : surface_(width + 2 * kLeft, height + 2 * kTop), width_(width), height_(height)
    {
        MENUITEMINFOA info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_ID | MIIM_DATA;
        ::GetMenuItemInfoA(menu.GetSafeHmenu(), static_cast<UINT>(position), TRUE, &info);
        DRAWITEMSTRUCT item{};
        item.CtlType = ODT_MENU;
        item.itemID = info.wID;
        item.itemAction = ODA_DRAWENTIRE;
        item.itemState = state;
        item.hwndItem = reinterpret_cast<HWND>(menu.GetSafeHmenu());
        item.hDC = surface_.Dc();
        item.rcItem = RECT{kLeft, kTop, kLeft + width, kTop + height};
        item.itemData = info.dwItemData;
        menu.DrawItem(&item);
    }

    COLORREF At(int x, int y) const { return surface_.At(kLeft + x, kTop + y); }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // Pixels of the rectangle (item coordinates) that differ from the colour.
    int CountOther(const RECT& area, COLORREF colour) const
    {
        int count = 0;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
                count += At(x, y) != colour ? 1 : 0;
        return count;
    }
    int Count(const RECT& area, COLORREF colour) const
    {
        return (area.right - area.left) * (area.bottom - area.top) - CountOther(area, colour);
    }
    // True when nothing was drawn outside the item.
    bool StaysInside() const
    {
        for (int y = -kTop; y < height_ + kTop; ++y)
            for (int x = -kLeft; x < width_ + kLeft; ++x) {
                bool inside = x >= 0 && y >= 0 && x < width_ && y < height_;
                if (!inside && At(x, y) != kUntouched)
                    return false;
            }
        return true;
    }

private:
    Surface surface_;
    int width_;
    int height_;
};

} // namespace icon_menu_testing
