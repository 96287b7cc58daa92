#include "ui/Drawing.h"

#include "framework/Dc.h"
#include "framework/Wnd.h"

namespace {

bool InRange(double fraction)
{
    return fraction > 0.0 && fraction <= 1.0;
}

BYTE Channel(double value)
{
    return static_cast<BYTE>(static_cast<int>(value) & 0xFF);
}

SIZE MeasureText(HFONT font, const char* text)
{
    SIZE size{0, 0};
    if (!text)
        return size;
    CClientDC screen(nullptr);
    fw::SelectGuard select(screen, font);
    ::GetTextExtentPoint32A(screen, text, ::lstrlenA(text), &size);
    return size;
}

} // namespace

COLORREF LightenColor(COLORREF colour, double fraction)
{
    if (!InRange(fraction)) // also false for NaN
        return 0;
    auto lighten = [fraction](BYTE c) { return Channel((255 - c) * fraction + c); };
    return RGB(lighten(GetRValue(colour)), lighten(GetGValue(colour)), lighten(GetBValue(colour)));
}

COLORREF DarkenColor(COLORREF colour, double fraction)
{
    if (!InRange(fraction))
        return 0;
    auto darken = [fraction](BYTE c) { return Channel(c - c * fraction); };
    return RGB(darken(GetRValue(colour)), darken(GetGValue(colour)), darken(GetBValue(colour)));
}

bool DrawSoftFrame(CDC* dc, const RECT* rect, COLORREF colour, double cornerFraction)
{
    if (!dc || !dc->GetSafeHdc() || !rect)
        return false;
    RECT r = *rect;
    COLORREF outer = DarkenColor(colour, 0.15);
    dc->Draw3dRect(r, outer, outer);
    ::InflateRect(&r, -1, -1);
    COLORREF inner = DarkenColor(colour, 0.05);
    dc->Draw3dRect(r, inner, inner);
    ::InflateRect(&r, 1, 1);
    COLORREF corner = LightenColor(colour, cornerFraction);
    dc->SetPixel(r.left, r.top, corner);
    dc->SetPixel(r.right - 1, r.top, corner);
    dc->SetPixel(r.left, r.bottom - 1, corner);
    dc->SetPixel(r.right - 1, r.bottom - 1, corner);
    return true;
}

bool DrawFrameSeparator(CDC* dc, const RECT* rect, COLORREF colour, double endFraction)
{
    if (!dc || !dc->GetSafeHdc() || !rect)
        return false;
    int y = rect->top;
    COLORREF band = DarkenColor(colour, 0.05);
    for (int row = y - 1; row <= y + 1; ++row)
        dc->FillSolidRect(RECT{rect->left + 1, row, rect->right - 1, row + 1}, band);
    COLORREF end = LightenColor(colour, endFraction);
    dc->SetPixel(rect->left, y, end);
    dc->SetPixel(rect->right - 1, y, end);
    return true;
}

void DrawPageFrame(CWnd* page, int row1, int row2, int row3)
{
    if (!page || !page->IsWindow())
        return;
    CPaintDC dc(page->m_hWnd);
    RECT frame = page->GetClientRect();
    frame.right -= 1;
    frame.bottom -= 14;
    COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    DrawSoftFrame(&dc, &frame, face, 0.24);
    for (int row : {row1, row2, row3}) {
        if (row <= 0)
            continue;
        RECT band = frame;
        band.top = row;
        DrawFrameSeparator(&dc, &band, face, 0.24);
    }
}

int GetTextWidth(HFONT font, const char* text)
{
    return MeasureText(font, text).cx;
}

int GetTextHeight(HFONT font, const char* text)
{
    return MeasureText(font, text).cy;
}

bool IsWindowsVersion5OrLater()
{
    OSVERSIONINFOEXA info{};
    info.dwOSVersionInfoSize = sizeof(info);
    if (!::GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&info)))
        return false;
    return info.dwMajorVersion >= 5;
}
