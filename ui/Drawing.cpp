#include "ui/Drawing.h"

#include <cmath>

#include "framework/Dc.h"
#include "framework/Wnd.h"
#include "ui/DialogLayout.h"
#include "ui/HighContrast.h"

namespace {

bool InRange(double fraction)
{
    return fraction > 0.0 && fraction <= 1.0;
}

BYTE Channel(double value)
{
    return static_cast<BYTE>(static_cast<int>(value) & 0xFF);
}

SIZE MeasureText(HFONT font, const std::string& text)
{
    CClientDC screen(nullptr);
    fw::SelectGuard select(screen, font);
    return screen.GetTextExtent(text);
}

// A line of the given thickness along the inside of every side of r.
void FillOutline(CDC* dc, const RECT& r, int thickness, COLORREF colour)
{
    dc->FillSolidRect(RECT{r.left, r.top, r.right, r.top + thickness}, colour);
    dc->FillSolidRect(RECT{r.left, r.bottom - thickness, r.right, r.bottom}, colour);
    dc->FillSolidRect(RECT{r.left, r.top, r.left + thickness, r.bottom}, colour);
    dc->FillSolidRect(RECT{r.right - thickness, r.top, r.right, r.bottom}, colour);
}

void FillSquare(CDC* dc, int x, int y, int size, COLORREF colour)
{
    dc->FillSolidRect(RECT{x, y, x + size, y + size}, colour);
}

// The soft frame at a scale other than 96 dpi: its one-pixel parts become
// squares and lines as thick as one pixel is at that scale.
void DrawScaledSoftFrame(CDC* dc, RECT r, COLORREF colour, double cornerFraction, fw::Dpi dpi)
{
    const int outer = dpi(1);
    const int inner = dpi(2) - outer;
    FillOutline(dc, r, outer, DarkenColor(colour, 0.15));
    ::InflateRect(&r, -outer, -outer);
    if (inner > 0)
        FillOutline(dc, r, inner, DarkenColor(colour, 0.05));
    ::InflateRect(&r, outer, outer);
    COLORREF corner = LightenColor(colour, cornerFraction);
    FillSquare(dc, r.left, r.top, outer, corner);
    FillSquare(dc, r.right - outer, r.top, outer, corner);
    FillSquare(dc, r.left, r.bottom - outer, outer, corner);
    FillSquare(dc, r.right - outer, r.bottom - outer, outer, corner);
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

COLORREF MixColors(COLORREF colour, COLORREF towards, double fraction)
{
    if (!InRange(fraction))
        return colour;
    auto mix = [fraction](BYTE c, BYTE to) { return Channel((to - c) * fraction + c); };
    return RGB(mix(GetRValue(colour), GetRValue(towards)),
               mix(GetGValue(colour), GetGValue(towards)),
               mix(GetBValue(colour), GetBValue(towards)));
}

namespace {

double Luminance(COLORREF colour)
{
    auto linear = [](BYTE c) {
        const double v = c / 255.0;
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(GetRValue(colour)) + 0.7152 * linear(GetGValue(colour)) +
           0.0722 * linear(GetBValue(colour));
}

} // namespace

double ContrastRatio(COLORREF a, COLORREF b)
{
    const double first = Luminance(a) + 0.05, second = Luminance(b) + 0.05;
    return first > second ? first / second : second / first;
}

COLORREF ReadableOn(COLORREF background)
{
    const COLORREF black = RGB(0, 0, 0), white = RGB(255, 255, 255);
    return ContrastRatio(black, background) >= ContrastRatio(white, background) ? black : white;
}

bool DrawSoftFrame(CDC* dc, const RECT* rect, COLORREF colour, double cornerFraction, fw::Dpi dpi)
{
    if (!dc || !dc->GetSafeHdc() || !rect)
        return false;
    if (IsHighContrast()) { // a plain line in the text colour on the face
        FillOutline(dc, *rect, dpi(1), ::GetSysColor(COLOR_BTNTEXT));
        RECT inner = *rect;
        ::InflateRect(&inner, -dpi(1), -dpi(1));
        FillOutline(dc, inner, dpi(2) - dpi(1), ::GetSysColor(COLOR_BTNFACE));
        return true;
    }
    if (!dpi.IsDefault()) {
        DrawScaledSoftFrame(dc, *rect, colour, cornerFraction, dpi);
        return true;
    }
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

bool DrawFrameSeparator(CDC* dc, const RECT* rect, COLORREF colour, double endFraction, fw::Dpi dpi)
{
    if (!dc || !dc->GetSafeHdc() || !rect)
        return false;
    int y = rect->top;
    const int pixel = dpi(1);
    const int height = dpi(3);
    const int top = y - (height - 1) / 2;
    if (IsHighContrast()) {
        const int lineTop = y - (pixel - 1) / 2;
        dc->FillSolidRect(RECT{rect->left, top, rect->right, top + height},
                          ::GetSysColor(COLOR_BTNFACE));
        dc->FillSolidRect(RECT{rect->left + pixel, lineTop, rect->right - pixel, lineTop + pixel},
                          ::GetSysColor(COLOR_BTNTEXT));
        return true;
    }
    COLORREF band = DarkenColor(colour, 0.05);
    for (int row = top; row < top + height; ++row)
        dc->FillSolidRect(RECT{rect->left + pixel, row, rect->right - pixel, row + 1}, band);
    COLORREF end = LightenColor(colour, endFraction);
    if (dpi.IsDefault()) {
        dc->SetPixel(rect->left, y, end);
        dc->SetPixel(rect->right - 1, y, end);
    } else {
        const int endTop = y - (pixel - 1) / 2;
        dc->FillSolidRect(RECT{rect->left, endTop, rect->left + pixel, endTop + pixel}, end);
        dc->FillSolidRect(RECT{rect->right - pixel, endTop, rect->right, endTop + pixel}, end);
    }
    return true;
}

RECT PageFrameRect(HWND page)
{
    const fw::Dpi dpi(layout::LayoutDpi(page));
    RECT frame{};
    ::GetClientRect(page, &frame);
    frame.right -= dpi(1);
    frame.bottom -= dpi(14);
    return frame;
}

RECT SeparatorBand(const RECT& frame, int row, fw::Dpi dpi)
{
    const int height = dpi(3);
    const int top = row - (height - 1) / 2;
    return RECT{frame.left, top, frame.right, top + height};
}

void DrawPageFrame(CWnd* page, const std::vector<int>& rows)
{
    if (!page || !page->IsWindow())
        return;
    CPaintDC dc(page->m_hWnd);
    if (::IsRectEmpty(&dc.m_ps.rcPaint))
        return; // nothing to show (a paint asked for after another had done it)
    const fw::Dpi dpi(layout::LayoutDpi(page->m_hWnd));
    RECT frame = PageFrameRect(page->m_hWnd);
    COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    DrawSoftFrame(&dc, &frame, face, 0.24, dpi);
    for (int row : rows) {
        RECT band = frame;
        band.top = row;
        DrawFrameSeparator(&dc, &band, face, 0.24, dpi);
    }
}

COLORREF LightFace(double fraction)
{
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    return IsHighContrast() ? face : LightenColor(face, fraction);
}

int GetTextWidth(HFONT font, const std::string& text)
{
    return MeasureText(font, text).cx;
}

int GetTextHeight(HFONT font, const std::string& text)
{
    return MeasureText(font, text).cy;
}

bool IsWindowsVersion5OrLater()
{
    OSVERSIONINFOEXW info{};
    info.dwOSVersionInfoSize = sizeof(info);
    if (!::GetVersionExW(reinterpret_cast<OSVERSIONINFOW*>(&info)))
        return false;
    return info.dwMajorVersion >= 5;
}
