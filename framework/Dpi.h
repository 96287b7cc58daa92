#pragma once
// Display scale. A window's lengths are designed at 96 dots per inch (100 %);
// at another scale each becomes length x dpi / 96, rounded by MulDiv, the
// one rounding used everywhere, so that at 96 dpi every length is unchanged.
#include <windows.h>

namespace fw {

constexpr int kDefaultDpi = 96;

// Sent to each child window after its top-level window handled WM_DPICHANGED
// (Windows 10 1703 and later; the headers name it only for that target).
constexpr UINT kDpiChangedAfterParent = 0x02E3;

// The scale of a window: the dpi of the monitor it is on for a program aware
// of each monitor's scale, else the system's; the system's without a window.
int WindowDpi(HWND window);
// The system's dpi, for which the stock fonts and system metrics are made.
int SystemDpi();

// length x dpi / 96, rounded to the nearest pixel.
inline int ScaleToDpi(int length, int dpi)
{
    return dpi == kDefaultDpi ? length : ::MulDiv(length, dpi, kDefaultDpi);
}

// A font description made for the system's dpi (a stock font's), made for dpi.
void ScaleLogFont(LOGFONTW* font, int dpi);

// A dpi with its scaling: Dpi dpi(window); dpi(207) is 207 pixels at its scale.
class Dpi {
public:
    explicit Dpi(int dpi = kDefaultDpi) : dpi_(dpi > 0 ? dpi : kDefaultDpi) {}
    static Dpi Of(HWND window) { return Dpi(WindowDpi(window)); }
    int operator()(int length) const { return ScaleToDpi(length, dpi_); }
    RECT operator()(const RECT& rect) const
    {
        return RECT{(*this)(rect.left), (*this)(rect.top), (*this)(rect.right),
                    (*this)(rect.bottom)};
    }
    int Value() const { return dpi_; }
    bool IsDefault() const { return dpi_ == kDefaultDpi; }

private:
    int dpi_;
};

} // namespace fw
