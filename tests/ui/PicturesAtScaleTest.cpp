// The program's pictures at other display scales: which stored size a dpi
// takes, the PNG pictures decoded with their colours in place, a picture
// shrunk or stretched to exactly its scaled size keeping its colours, and the
// stripe's tint over every row, filler bytes or not.
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "framework/Dpi.h"
#include "framework/Gdi.h"
#include "res/resource.h"
#include "ui/LoadTintedBitmap.h"
#include "ui/ScaledPicture.h"

namespace {

// A picture's pixels as 0x00RRGGBB, top row first; its size in `size`.
std::vector<COLORREF> PixelsOf(HBITMAP picture, SIZE& size)
{
    BITMAP info{};
    if (!picture || !::GetObjectA(picture, sizeof(info), &info))
        return {};
    size = SIZE{info.bmWidth, info.bmHeight};
    BITMAPINFO format{}; // 32 bits a pixel, top row first
    format.bmiHeader = {
        sizeof(BITMAPINFOHEADER), info.bmWidth, -info.bmHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<COLORREF> pixels(static_cast<size_t>(info.bmWidth) * info.bmHeight);
    HDC screen = ::GetDC(nullptr);
    ::GetDIBits(screen, picture, 0, info.bmHeight, pixels.data(), &format, DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, screen);
    return pixels;
}

// The picture's mean colour over each eighth (four columns, two rows), as
// R, G, B: a picture upside down or with its colours swapped differs.
std::vector<int> Means(const std::vector<COLORREF>& pixels, SIZE size)
{
    std::vector<int> means;
    for (int part = 0; part < 8 && size.cx > 0; ++part)
        for (int shift : {16, 8, 0}) {
            long long sum = 0, count = 0;
            for (int y = part / 4 * size.cy / 2; y < (part / 4 + 1) * size.cy / 2; ++y)
                for (int x = part % 4 * size.cx / 4; x < (part % 4 + 1) * size.cx / 4; ++x, ++count)
                    sum += (pixels[static_cast<size_t>(y) * size.cx + x] >> shift) & 0xFF;
            means.push_back(count ? static_cast<int>(sum / count) : 0);
        }
    return means;
}

// Where two pictures' means are more than 8 apart; "" when nowhere.
std::string Difference(const std::vector<int>& a, const std::vector<int>& b)
{
    if (a.empty() || a.size() != b.size())
        return "no picture";
    for (size_t i = 0; i < a.size(); ++i)
        if (std::abs(a[i] - b[i]) > 8)
            return "mean " + std::to_string(i) + ": " + std::to_string(a[i]) + " vs " +
                   std::to_string(b[i]);
    return "";
}

TEST(PicturesAtScale, EachDpiTakesTheNearestStoredSizeTheLargerOnATie)
{
    const struct {
        UINT id;
        int dpi, scale;
    } table[] = {
        {IDB_NAVIGATION, 96, 100},  {IDB_NAVIGATION, 119, 100}, {IDB_NAVIGATION, 120, 150},
        {IDB_NAVIGATION, 167, 150}, {IDB_NAVIGATION, 168, 200}, {IDB_NAVIGATION, 288, 200},
        {IDB_STRIPE, 120, 100},     {IDB_STRIPE, 144, 200},     {IDB_QUICKLAUNCH, 192, 100},
    };
    for (const auto& row : table)
        EXPECT_EQ(PictureScaleFor(row.id, row.dpi), row.scale) << row.id << " at " << row.dpi;
}

// Every picture at every scale has its 100 % size x scale and the 100 %
// picture's colours where they are; the sized ones exactly dpi / 96.
TEST(PicturesAtScale, KeepTheirColoursInPlaceAtTheirSize)
{
    const struct {
        UINT id;
        int dpi;
        bool sized;  // LoadSizedBitmap, else LoadScaledBitmap
        int percent; // of the 100 % size
    } table[] = {
        {IDB_NAVIGATION, 144, false, 150}, {IDB_MENU_ICONS, 192, false, 200},
        {IDB_STRIPE, 120, true, 125},      {IDB_BANNER, 144, true, 150},
        {IDB_WIZARD, 192, true, 200},      {IDB_STRIPE, 288, true, 300},
        {IDB_STRIPE, 96, true, 100},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(testing::Message() << row.id << " at " << row.dpi);
        CBitmap base, scaled;
        ASSERT_TRUE(base.Attach(LoadScaledBitmap(row.id, fw::kDefaultDpi)));
        ASSERT_TRUE(scaled.Attach(row.sized ? LoadSizedBitmap(row.id, row.dpi)
                                            : LoadScaledBitmap(row.id, row.dpi)));
        SIZE baseSize{}, size{};
        const auto basePixels = PixelsOf(base, baseSize), pixels = PixelsOf(scaled, size);
        const int expectedWidth =
            row.sized ? fw::ScaleToDpi(baseSize.cx, row.dpi) : baseSize.cx * row.percent / 100;
        EXPECT_EQ(size.cx, expectedWidth);
        EXPECT_NEAR(size.cy, baseSize.cy * row.percent / 100, 1);
        EXPECT_EQ(Difference(Means(pixels, size), Means(basePixels, baseSize)), "");
        EXPECT_EQ(pixels.at(0) == 0, basePixels.at(0) == 0) << "the first pixel, drawn or not";
    }
}

// Each pixel becomes the tint of its blue byte, on every row, also where the
// scaled stripe's rows end in filler bytes (114 x 3 is no multiple of 4).
TEST(PicturesAtScale, TheStripeIsTintedPixelByPixelAtEveryScale)
{
    for (int dpi : {96, 144}) {
        SCOPED_TRACE(dpi);
        CBitmap plain, tinted;
        ASSERT_TRUE(plain.Attach(LoadSizedBitmap(IDB_STRIPE, dpi)));
        ASSERT_TRUE(LoadTintedBitmap(IDB_STRIPE, tinted, dpi));
        SIZE size{}, tintedSize{};
        const auto from = PixelsOf(plain, size), to = PixelsOf(tinted, tintedSize);
        ASSERT_EQ(tintedSize.cx, size.cx);
        ASSERT_EQ(from.size(), to.size());
        int otherBlues = 0;
        for (size_t i = 0; i < from.size(); i += 5) {
            const BYTE blue = static_cast<BYTE>(from[i] & 0xFF);
            const COLORREF c = TintedColor(blue);
            ASSERT_EQ(to[i], RGB(GetBValue(c), GetGValue(c), GetRValue(c))) << i;
            otherBlues += blue != (from[0] & 0xFF);
        }
        EXPECT_GT(otherBlues, 0); // a picture, not a flat surface
    }
    // What cannot be loaded or held is refused, the bitmap left as it was.
    CBitmap missing, taken;
    EXPECT_FALSE(LoadTintedBitmap(9999, missing));
    EXPECT_TRUE(missing.IsEmpty());
    ASSERT_TRUE(taken.LoadBitmap(IDB_NAVIGATION));
    const HBITMAP held = taken;
    EXPECT_FALSE(LoadTintedBitmap(IDB_STRIPE, taken));
    EXPECT_EQ(taken.GetSafeHandle(), held);
}

} // namespace
