// Colour arithmetic and the pixels of soft frames, separator
// bands and a page's frame, at 96 dpi and thicker at other scales.
#include <gtest/gtest.h>

#include <cmath>

#include "framework/Gdi.h"
#include "tests/ui/PixelTesting.h"
#include "ui/Drawing.h"

using pixel_testing::Pixels;
using pixel_testing::Window;

namespace {

constexpr COLORREF kFace = RGB(200, 180, 160);
constexpr COLORREF kBackground = RGB(1, 2, 3);

TEST(ColourMixing, ChannelsMoveByTheFractionTruncatedAndOtherFractionsGiveBlack)
{
    const struct {
        COLORREF colour;
        double fraction;
        COLORREF lighter, darker;
    } mixes[] = {
        {RGB(100, 0, 200), 0.24, RGB(137, 61, 213), RGB(76, 0, 152)},
        {RGB(255, 255, 255), 0.05, RGB(255, 255, 255), RGB(242, 242, 242)},
        {RGB(0, 0, 0), 0.24, RGB(61, 61, 61), RGB(0, 0, 0)},
        {RGB(10, 20, 30), 1.0, RGB(255, 255, 255), 0},
        {RGB(10, 20, 30), 0.0, 0, 0},
        {RGB(10, 20, 30), 1.0000001, 0, 0},
        {RGB(10, 20, 30), std::nan(""), 0, 0},
    };
    for (const auto& m : mixes) {
        EXPECT_EQ(LightenColor(m.colour, m.fraction), m.lighter) << m.fraction;
        EXPECT_EQ(DarkenColor(m.colour, m.fraction), m.darker) << m.fraction;
    }
}

// A soft frame: two outlines inside the rectangle, light corners drawn last;
// a separator band: three rows across centred on the rectangle's top, light
// ends, its bottom ignored. Lines as thick as a pixel is at the scale.
TEST(FrameDrawing, FramesAndBandsPixelForPixel)
{
    const struct {
        bool frame;
        int dpi;
        RECT rect;
        const char* pixels; // b background, c corner or end, o outer line, i inner line or band
    } drawings[] = {
        {1, 96, {5, 4, 25, 20}, "5,4=c 24,4=c 5,19=c 24,19=c 6,4=o 23,4=o 5,5=o 24,18=o 10,19=o"},
        {1, 96, {5, 4, 25, 20}, "6,5=i 23,5=i 6,18=i 23,18=i 12,18=i 7,6=b 25,20=b 4,4=b"},
        {1, 96, {3, 3, 5, 5}, "3,3=c 4,3=c 3,4=c 4,4=c"},
        {1, 192, {4, 4, 24, 20}, "4,4=c 5,5=c 22,4=c 23,5=c 4,18=c 5,19=c 22,18=c 23,19=c"},
        {1, 192, {4, 4, 24, 20}, "6,4=o 6,5=o 4,6=o 6,6=i 7,7=i 21,17=i 8,8=b 24,20=b"},
        {1, 192, {4, 4, 24, 20}, "23,10=o 22,10=o 21,10=i 20,10=i 19,10=b"},
        {0, 96, {2, 10, 30, 11}, "3,9=i 3,10=i 3,11=i 28,9=i 28,11=i 2,10=c 29,10=c 29,9=b"},
        {0, 96, {2, 10, 30, 11}, "29,11=b 2,9=b 3,8=b 3,12=b 30,10=b 1,10=b"},
        {0, 192, {2, 10, 30, 11}, "4,8=i 27,13=i 2,10=c 3,11=c 28,10=c 29,11=c 4,7=b 4,14=b"},
        {0, 192, {2, 10, 30, 11}, "2,9=b 2,12=b"},
        {0, 288, {2, 10, 30, 11}, "5,6=i 26,14=i 2,9=c 4,11=c 27,9=c 2,12=b 2,8=b 5,5=b"},
    };
    const std::vector<COLORREF> colours{kBackground, LightenColor(kFace, 0.24),
                                        DarkenColor(kFace, 0.15), DarkenColor(kFace, 0.05)};
    CClientDC screen(nullptr);
    for (const auto& d : drawings) {
        SCOPED_TRACE(testing::Message() << (d.frame ? "frame" : "band") << " at " << d.dpi);
        CMemoryDC dc(screen, 40, 30);
        dc.FillSolidRect(0, 0, 40, 30, kBackground);
        RECT rect = d.rect;
        ASSERT_TRUE(d.frame ? DrawSoftFrame(&dc, &rect, kFace, 0.24, fw::Dpi(d.dpi))
                            : DrawFrameSeparator(&dc, &rect, kFace, 0.24, fw::Dpi(d.dpi)));
        EXPECT_TRUE(::EqualRect(&rect, &d.rect));
        Pixels(dc, RECT{0, 0, 40, 30}).Expect(d.pixels, "bcoi", colours);
    }
    CMemoryDC dc(screen, 40, 30);
    RECT rect{5, 4, 25, 20};
    EXPECT_FALSE(DrawSoftFrame(&dc, nullptr, kFace, 0.24));
    EXPECT_FALSE(DrawSoftFrame(nullptr, &rect, kFace, 0.24));
    EXPECT_FALSE(DrawFrameSeparator(&dc, nullptr, kFace, 0.24));
    EXPECT_FALSE(DrawFrameSeparator(nullptr, &rect, kFace, 0.24));
}

// A page's paint is its frame, here with a band at row 40.
TEST(FrameDrawing, APagesFrameEndsOnePixelFromTheRightAnd14AboveTheBottom)
{
    Window page(RECT{50, 50, 250, 150});
    page.on[WM_PAINT] = [&page](WPARAM, LPARAM) { return DrawPageFrame(&page, {40}), 0; };
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    Pixels::Of(page).Expect(
        "0,0=c 198,0=c 0,85=c 198,85=c 0,40=c 1,85=o 100,39=i", "coi",
        {LightenColor(face, 0.24), DarkenColor(face, 0.15), DarkenColor(face, 0.05)});
}

} // namespace
