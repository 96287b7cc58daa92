// The pictures at the display's scale: the stored scale nearest to it (on a
// tie the larger), or a picture of exactly the scaled size shrunk from a
// larger stored one, the right way up, or stretched from the largest; and
// grey pictures tinted into the button-face colours.
#include <gtest/gtest.h>

#include "res/resource.h"
#include "tests/ui/PixelTesting.h"
#include "ui/LoadTintedBitmap.h"
#include "ui/ScaledPicture.h"

using pixel_testing::Pixels;

namespace {

// The picture's size and bits per pixel, and its pixels; the picture is deleted.
struct Picture {
    explicit Picture(HBITMAP bitmap)
    {
        ::GetObjectA(bitmap, sizeof(info), &info);
        {
            CDC dc;
            dc.CreateCompatibleDC(CClientDC(nullptr));
            fw::SelectGuard select(dc, bitmap);
            pixels = Pixels(dc, RECT{0, 0, info.bmWidth, info.bmHeight});
        }
        ::DeleteObject(bitmap);
    }
    COLORREF Corner(bool right, bool bottom) const
    {
        return pixels(right ? info.bmWidth - 1 : 0, bottom ? info.bmHeight - 1 : 0);
    }
    BITMAP info{};
    Pixels pixels{nullptr, RECT{}};
};

TEST(ScaledPicture, TheNearestStoredScaleOnATieTheLarger)
{
    for (auto [id, dpi, scale] : {std::tuple{IDB_NAVIGATION, 96, 100},
                                  {IDB_NAVIGATION, 120, 150},
                                  {IDB_NAVIGATION, 168, 200},
                                  {IDB_STRIPE, 120, 100},
                                  {IDB_STRIPE, 144, 200}})
        EXPECT_EQ(PictureScaleFor(id, dpi), scale) << id << " at " << dpi;
}

// The banner is stored at 100 and 200 %: 125 and 150 % are shrunk from the
// latter, 300 % stretched from it (its corners kept); 200 % is the stored
// picture itself.
TEST(ScaledPicture, ExactSizesShrunkFromTheStoredPictureTheRightWayUp)
{
    const Picture base(LoadScaledBitmap(IDB_BANNER, 96)), stored(LoadScaledBitmap(IDB_BANNER, 192));
    EXPECT_EQ(stored.Corner(true, true), base.Corner(true, true));
    for (int dpi : {120, 144, 192, 288}) {
        const Picture sized(LoadSizedBitmap(IDB_BANNER, dpi));
        EXPECT_EQ(sized.info.bmWidth, ::MulDiv(base.info.bmWidth, dpi, 96)) << dpi;
        EXPECT_EQ(sized.info.bmHeight, ::MulDiv(base.info.bmHeight, dpi, 96)) << dpi;
        EXPECT_EQ(sized.info.bmBitsPixel, 24) << dpi;
        EXPECT_EQ(sized.Corner(false, true), stored.Corner(false, true)) << dpi;
        EXPECT_EQ(sized.Corner(true, false), stored.Corner(true, false)) << dpi;
    }
    const Picture same(LoadSizedBitmap(IDB_BANNER, 192));
    EXPECT_EQ(same.pixels.Count({0, 0, same.info.bmWidth, same.info.bmHeight}, 0, &stored.pixels),
              0);
}

// The stripe recoloured pixel by pixel from each one's blue, at 96 dpi and
// shrunk for 144 (its rows then end in filler bytes); a bitmap that already
// holds a picture is refused and kept.
TEST(TintedPicture, EveryPixelBecomesTheTintOfItsBlue)
{
    for (int dpi : {96, 144}) {
        CBitmap tinted, original;
        ASSERT_TRUE(LoadTintedBitmap(IDB_STRIPE, tinted, dpi));
        original.Attach(LoadSizedBitmap(IDB_STRIPE, dpi));
        DIBSECTION from{}, to{};
        ::GetObjectA(original, sizeof(from), &from);
        ::GetObjectA(tinted, sizeof(to), &to);
        int unlike = 0;
        for (int y = 0; y < from.dsBm.bmHeight; ++y)
            for (int x = 0; x < from.dsBm.bmWidth; ++x) {
                const BYTE* was =
                    static_cast<BYTE*>(from.dsBm.bmBits) + y * from.dsBm.bmWidthBytes + 3 * x;
                const BYTE* is =
                    static_cast<BYTE*>(to.dsBm.bmBits) + y * to.dsBm.bmWidthBytes + 3 * x;
                unlike += RGB(is[2], is[1], is[0]) != TintedColor(was[0]);
            }
        EXPECT_EQ(unlike, 0) << dpi;
    }
    CBitmap missing, taken;
    EXPECT_FALSE(LoadTintedBitmap(9999, missing));
    ASSERT_TRUE(taken.LoadBitmap(IDB_NAVIGATION));
    const HBITMAP held = taken;
    EXPECT_FALSE(LoadTintedBitmap(IDB_STRIPE, taken));
    EXPECT_EQ(taken.GetSafeHandle(), held);
}

} // namespace
