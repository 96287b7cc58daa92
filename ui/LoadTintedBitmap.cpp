#include "ui/LoadTintedBitmap.h"

#include "framework/Gdi.h"
#include "framework/WinApp.h"
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
    HBITMAP loaded = LoadSizedBitmap(resourceId, dpi);
    if (!loaded || !bitmap.Attach(loaded)) {
        if (loaded)
            ::DeleteObject(loaded);
        return false;
    }
    DIBSECTION section{};
    if (::GetObjectW(loaded, sizeof(section), &section) != sizeof(section))
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
