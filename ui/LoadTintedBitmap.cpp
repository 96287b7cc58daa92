#include "ui/LoadTintedBitmap.h"

#include "framework/Gdi.h"
#include "framework/WinApp.h"
#include "ui/Drawing.h"

namespace {

COLORREF TintBase()
{
    return LightenColor(::GetSysColor(COLOR_BTNFACE), 0.3);
}

COLORREF Tint(COLORREF base, BYTE blue)
{
    double fraction = (1.0 - blue / 256.0) * 0.2;
    return DarkenColor(base, fraction);
}

} // namespace

COLORREF TintedColor(BYTE blue)
{
    return Tint(TintBase(), blue);
}

bool LoadTintedBitmap(UINT resourceId, CBitmap& bitmap)
{
    if (!bitmap.IsEmpty())
        return false;
    auto loaded = static_cast<HBITMAP>(::LoadImageA(AfxGetResourceHandle(),
                                                    MAKEINTRESOURCEA(resourceId), IMAGE_BITMAP, 0,
                                                    0, LR_CREATEDIBSECTION | LR_DEFAULTSIZE));
    if (!loaded || !bitmap.Attach(loaded)) {
        if (loaded)
            ::DeleteObject(loaded);
        return false;
    }
    DIBSECTION section{};
    if (::GetObjectA(loaded, sizeof(section), &section) != sizeof(section))
        return false;
    const BITMAP& info = section.dsBm;
    if (info.bmBitsPixel != 24 || info.bmWidth <= 0 || info.bmWidthBytes != info.bmWidth * 3 ||
        !info.bmBits)
        return false;

    COLORREF base = TintBase();
    auto* pixel = static_cast<BYTE*>(info.bmBits);
    size_t count = static_cast<size_t>(info.bmWidth) *
                   static_cast<size_t>(info.bmHeight < 0 ? -info.bmHeight : info.bmHeight);
    for (size_t i = 0; i < count; ++i, pixel += 3) {
        COLORREF c = Tint(base, pixel[0]);
        pixel[0] = GetBValue(c);
        pixel[1] = GetGValue(c);
        pixel[2] = GetRValue(c);
    }
    ::GdiFlush();
    return true;
}
