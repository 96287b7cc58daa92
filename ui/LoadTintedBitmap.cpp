#include "ui/LoadTintedBitmap.h"

#include <algorithm>

#include "framework/Dc.h"
#include "framework/Gdi.h"
#include "ui/Drawing.h"
#include "ui/HighContrast.h"
#include "ui/ScaledPicture.h"

namespace {

// In high contrast the picture, which only decorates, becomes the window
// colour throughout.
COLORREF TintBase()
{
    return IsHighContrast() ? ::GetSysColor(COLOR_WINDOW)
                            : LightenColor(::GetSysColor(COLOR_BTNFACE), 0.3);
}

COLORREF Tint(COLORREF base, BYTE blue)
{
    if (IsHighContrast())
        return base;
    double fraction = (1.0 - blue / 256.0) * 0.2;
    return DarkenColor(base, fraction);
}

void TintRow(BYTE* pixel, LONG width, COLORREF base)
{
    for (LONG x = 0; x < width; ++x, pixel += 3) {
        COLORREF c = Tint(base, pixel[0]);
        pixel[0] = GetBValue(c);
        pixel[1] = GetGValue(c);
        pixel[2] = GetRValue(c);
    }
}

int Brightness(DWORD pixel) // 0x00RRGGBB
{
    return (int((pixel >> 16) & 0xFF) * 299 + int((pixel >> 8) & 0xFF) * 587 +
            int(pixel & 0xFF) * 114) /
           1000;
}

DWORD AsPixel(COLORREF colour)
{
    return (DWORD(GetRValue(colour)) << 16) | (DWORD(GetGValue(colour)) << 8) | GetBValue(colour);
}

// A 32-bit top-down copy of the bitmap; its pixels in `bits`.
HBITMAP CopyAs32Bits(HBITMAP source, DWORD** bits, int* count)
{
    BITMAP size{};
    if (!::GetObjectW(source, sizeof(size), &size) || size.bmWidth <= 0 || size.bmHeight <= 0)
        return nullptr;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = size.bmWidth;
    info.bmiHeader.biHeight = -size.bmHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* pixels = nullptr;
    HBITMAP copy = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    CDC from, to;
    if (copy && from.CreateCompatibleDC(nullptr) && to.CreateCompatibleDC(nullptr)) {
        {
            fw::SelectGuard fromPicture(from, source), toPicture(to, copy);
            ::BitBlt(to, 0, 0, size.bmWidth, size.bmHeight, from, 0, 0, SRCCOPY);
        }
        ::GdiFlush();
    }
    *bits = static_cast<DWORD*>(pixels);
    *count = size.bmWidth * size.bmHeight;
    return copy;
}

} // namespace

COLORREF TintedColor(BYTE blue)
{
    return Tint(TintBase(), blue);
}

bool LoadTintedBitmap(UINT resourceId, CBitmap& bitmap, int dpi)
{
    if (!bitmap.IsEmpty())
        return false;
    const bool scaled = dpi != 96;
    if (!bitmap.Attach(LoadSizedBitmap(resourceId, dpi))) // refused only when nothing loaded
        return false;
    DIBSECTION section{};
    if (::GetObjectW(bitmap, sizeof(section), &section) != sizeof(section))
        return false;
    const BITMAP& info = section.dsBm;
    const bool filler = info.bmWidthBytes != info.bmWidth * 3;
    if (info.bmBitsPixel != 24 || info.bmWidth <= 0 || (filler && !scaled) || !info.bmBits)
        return false;

    COLORREF base = TintBase();
    auto* row = static_cast<BYTE*>(info.bmBits);
    const LONG rows = info.bmHeight < 0 ? -info.bmHeight : info.bmHeight;
    for (LONG y = 0; y < rows; ++y, row += info.bmWidthBytes)
        TintRow(row, info.bmWidth, base);
    ::GdiFlush();
    return true;
}

HBITMAP LoadTwoToneBitmap(UINT resourceId, int dpi)
{
    DWORD* bits = nullptr;
    int count = 0;
    HBITMAP picture = nullptr;
    {
        const CBitmap loaded(LoadSizedBitmap(resourceId, dpi));
        if (loaded.IsEmpty())
            return nullptr;
        picture = CopyAs32Bits(loaded, &bits, &count);
    }
    if (!picture || !bits)
        return picture;
    int darkest = 255, lightest = 0;
    for (int i = 0; i < count; ++i) {
        darkest = std::min(darkest, Brightness(bits[i]));
        lightest = std::max(lightest, Brightness(bits[i]));
    }
    // Thin strokes drawn soft are lighter than the thick ones: they count as
    // ink up to three quarters of the way to the lightest pixel.
    const int limit = darkest + (lightest - darkest) * 3 / 4;
    const DWORD text = AsPixel(::GetSysColor(COLOR_WINDOWTEXT));
    const DWORD window = AsPixel(::GetSysColor(COLOR_WINDOW));
    for (int i = 0; i < count; ++i)
        bits[i] = Brightness(bits[i]) < limit ? text : window;
    ::GdiFlush();
    return picture;
}
