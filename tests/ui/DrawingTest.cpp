// Colour arithmetic and the pixels of frames and separator bands.
#include <gtest/gtest.h>

#include <cmath>

#include "framework/Dc.h"
#include "framework/Gdi.h"
#include "ui/Drawing.h"

TEST(ColourMixing, WorkedValuesAreTruncatedNotRounded)
{
    EXPECT_EQ(RGB(137, 61, 213), LightenColor(RGB(100, 0, 200), 0.24));
    EXPECT_EQ(RGB(85, 0, 170), DarkenColor(RGB(100, 0, 200), 0.15));
    EXPECT_EQ(RGB(242, 242, 242), DarkenColor(RGB(255, 255, 255), 0.05));
    EXPECT_EQ(RGB(61, 61, 61), LightenColor(RGB(0, 0, 0), 0.24));
}

TEST(ColourMixing, FractionsOutsideTheRangeGiveBlack)
{
    for (double f : {0.0, -0.5, 1.0000001, 7.0, std::nan("")}) {
        EXPECT_EQ(0u, LightenColor(RGB(10, 20, 30), f)) << f;
        EXPECT_EQ(0u, DarkenColor(RGB(10, 20, 30), f)) << f;
    }
    EXPECT_EQ(RGB(255, 255, 255), LightenColor(RGB(10, 20, 30), 1.0));
    EXPECT_EQ(0u, DarkenColor(RGB(10, 20, 30), 1.0));
    EXPECT_EQ(RGB(255, 255, 255), LightenColor(RGB(255, 255, 255), 0.3));
    EXPECT_EQ(0u, DarkenColor(RGB(0, 0, 0), 0.3));
}

namespace {

constexpr COLORREF kFace = RGB(200, 180, 160);
constexpr COLORREF kBackground = RGB(1, 2, 3);

struct Surface {
    CClientDC screen{nullptr};
    CMemoryDC dc{screen, 40, 30};
    Surface() { dc.FillSolidRect(0, 0, 40, 30, kBackground); }
};

} // namespace

TEST(SoftFrame, TwoOutlinesWithLightCornersDrawnLast)
{
    Surface s;
    RECT rect{5, 4, 25, 20};
    RECT copy = rect;
    ASSERT_TRUE(DrawSoftFrame(&s.dc, &rect, kFace, 0.24));
    EXPECT_TRUE(EqualRect(&rect, &copy));

    COLORREF outer = DarkenColor(kFace, 0.15), inner = DarkenColor(kFace, 0.05);
    COLORREF corner = LightenColor(kFace, 0.24);
    EXPECT_EQ(corner, s.dc.GetPixel(5, 4));
    EXPECT_EQ(corner, s.dc.GetPixel(24, 4));
    EXPECT_EQ(corner, s.dc.GetPixel(5, 19));
    EXPECT_EQ(corner, s.dc.GetPixel(24, 19));
    for (POINT p : {POINT{6, 4}, POINT{23, 4}, POINT{5, 5}, POINT{24, 18}, POINT{10, 19}})
        EXPECT_EQ(outer, s.dc.GetPixel(p.x, p.y)) << p.x << "," << p.y;
    for (POINT p : {POINT{6, 5}, POINT{23, 5}, POINT{6, 18}, POINT{23, 18}, POINT{12, 18}})
        EXPECT_EQ(inner, s.dc.GetPixel(p.x, p.y)) << p.x << "," << p.y;
    EXPECT_EQ(kBackground, s.dc.GetPixel(7, 6));   // inside untouched
    EXPECT_EQ(kBackground, s.dc.GetPixel(25, 20)); // right and bottom excluded
    EXPECT_FALSE(DrawSoftFrame(&s.dc, nullptr, kFace, 0.24));
    EXPECT_FALSE(DrawSoftFrame(nullptr, &rect, kFace, 0.24));
}

TEST(SoftFrame, TinyRectangleStillEndsWithItsCorners)
{
    Surface s;
    RECT rect{3, 3, 5, 5};
    DrawSoftFrame(&s.dc, &rect, kFace, 0.24);
    COLORREF corner = LightenColor(kFace, 0.24);
    for (POINT p : {POINT{3, 3}, POINT{4, 3}, POINT{3, 4}, POINT{4, 4}})
        EXPECT_EQ(corner, s.dc.GetPixel(p.x, p.y));
}

TEST(FrameSeparator, ThreeRowsAcrossWithLightEndsAndTheBottomIgnored)
{
    Surface s;
    RECT rect{2, 10, 30, 11}; // a bottom above the band must not matter
    ASSERT_TRUE(DrawFrameSeparator(&s.dc, &rect, kFace, 0.24));
    COLORREF band = DarkenColor(kFace, 0.05), end = LightenColor(kFace, 0.24);
    for (int y = 9; y <= 11; ++y) {
        EXPECT_EQ(band, s.dc.GetPixel(3, y));
        EXPECT_EQ(band, s.dc.GetPixel(28, y));
        EXPECT_EQ(kBackground, s.dc.GetPixel(29, y == 10 ? 8 : y));
    }
    EXPECT_EQ(end, s.dc.GetPixel(2, 10));
    EXPECT_EQ(end, s.dc.GetPixel(29, 10));
    EXPECT_EQ(kBackground, s.dc.GetPixel(2, 9));
    EXPECT_EQ(kBackground, s.dc.GetPixel(3, 8));
    EXPECT_EQ(kBackground, s.dc.GetPixel(3, 12));
}

TEST(TextMeasure, WidthAndHeightFollowTheFont)
{
    LOGFONTA description;
    ASSERT_TRUE(GetDefaultGuiLogFont(&description));
    CFont font;
    ASSERT_TRUE(font.CreateFontIndirect(&description));
    int w = GetTextWidth(font, "W");
    EXPECT_GT(w, 0);
    EXPECT_GT(GetTextWidth(font, "WWWW"), 3 * w);
    EXPECT_GT(GetTextHeight(font, "W"), 5);
    EXPECT_EQ(0, GetTextWidth(font, ""));
    EXPECT_TRUE(IsWindowsVersion5OrLater());
}
