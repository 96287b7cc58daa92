// Everything the program paints itself, under a high-contrast scheme set by
// the test: the system's colours only, critical days told apart without
// colour as well, decorating pictures in the window colour. The scheme is
// the session's (SetSysColors), so these tests run alone; the question
// whether high contrast is on is answered through the program's one seam,
// because Wine 8 has no high contrast to turn on.
#include <gtest/gtest.h>

#include <vector>

#include "framework/Gdi.h"
#include "res/resource.h"
#include "tests/ui/PixelTesting.h"
#include "ui/Drawing.h"
#include "ui/HighContrast.h"
#include "ui/LoadTintedBitmap.h"

using pixel_testing::Pixels;

namespace {

// Windows' "High Contrast Black", the elements the program paints with.
const std::vector<std::pair<int, COLORREF>> kBlackScheme = {
    {COLOR_WINDOW, RGB(0, 0, 0)},
    {COLOR_WINDOWTEXT, RGB(255, 255, 255)},
    {COLOR_HIGHLIGHT, RGB(26, 235, 255)},
    {COLOR_HIGHLIGHTTEXT, RGB(0, 0, 0)},
    {COLOR_GRAYTEXT, RGB(63, 242, 63)},
    {COLOR_HOTLIGHT, RGB(255, 255, 0)},
    {COLOR_BTNFACE, RGB(0, 0, 0)},
    {COLOR_BTNTEXT, RGB(255, 255, 255)},
    {COLOR_CAPTIONTEXT, RGB(255, 255, 255)},
};

class HighContrast : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const auto& [element, colour] : kBlackScheme)
            saved_.emplace_back(element, ::GetSysColor(element));
        Apply(kBlackScheme);
        high_contrast_testing::Answer(1);
    }
    void TearDown() override
    {
        high_contrast_testing::Answer(-1);
        Apply(saved_);
    }
    static void Apply(const std::vector<std::pair<int, COLORREF>>& scheme)
    {
        std::vector<int> elements;
        std::vector<COLORREF> colours;
        for (const auto& [element, colour] : scheme) {
            elements.push_back(element);
            colours.push_back(colour);
        }
        ::SetSysColors(static_cast<int>(elements.size()), elements.data(), colours.data());
    }
    static COLORREF System(int element) { return ::GetSysColor(element); }

private:
    std::vector<std::pair<int, COLORREF>> saved_;
};

// A frame is a line in the button text colour with the face inside it, a
// separator a line across; the decorating stripe is all window colour.
TEST_F(HighContrast, FramesTakeTheTextColourAndDecoratingPicturesTheWindowColour)
{
    CClientDC screen(nullptr);
    for (int dpi : {96, 192}) {
        SCOPED_TRACE(dpi);
        CMemoryDC dc(screen, 40, 30);
        dc.FillSolidRect(0, 0, 40, 30, RGB(1, 2, 3));
        RECT frame{4, 4, 36, 26}, band{4, 15, 36, 16};
        ASSERT_TRUE(DrawSoftFrame(&dc, &frame, RGB(200, 180, 160), 0.24, fw::Dpi(dpi)) &&
                    DrawFrameSeparator(&dc, &band, RGB(200, 180, 160), 0.24, fw::Dpi(dpi)));
        const int line = fw::Dpi(dpi)(1);
        const Pixels pixels(dc, RECT{0, 0, 40, 30});
        const COLORREF text = System(COLOR_BTNTEXT), face = System(COLOR_BTNFACE);
        EXPECT_TRUE(pixels(4, 4) == text && pixels(3 + line, 3 + line) == text &&
                    pixels(35, 25) == text && pixels(4 + line, 4 + line) == face &&
                    pixels(3 + 2 * line, 20) == face && pixels(3, 3) == RGB(1, 2, 3) &&
                    pixels(20, 15) == text && pixels(20, 14 - line / 2) == face &&
                    pixels(20, 15 + line + line / 2) == face);
        EXPECT_EQ(pixels.Count(RECT{4 + line, 4 + line, 36 - line, 26 - line}, text),
                  (32 - 2 * line) * line)
            << "one line across, nothing else in the text colour inside the frame";
    }
    EXPECT_EQ(LightFace(0.24), System(COLOR_BTNFACE));
    CBitmap stripe;
    ASSERT_TRUE(LoadTintedBitmap(IDB_STRIPE, stripe));
    BITMAP info{};
    ASSERT_TRUE(stripe.GetBitmap(&info));
    CMemoryDC picture(screen, info.bmWidth, info.bmHeight);
    CDC source;
    source.CreateCompatibleDC(screen);
    fw::SelectGuard select(source, stripe);
    picture.BitBlt(0, 0, info.bmWidth, info.bmHeight, source, 0, 0, SRCCOPY);
    EXPECT_EQ(Pixels(picture, RECT{0, 0, info.bmWidth, info.bmHeight})
                  .Count(RECT{0, 0, info.bmWidth, info.bmHeight}, System(COLOR_WINDOW)),
              info.bmWidth * info.bmHeight);
}

} // namespace
