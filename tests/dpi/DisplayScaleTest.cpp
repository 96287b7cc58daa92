// The windows at 150 and 200 % display scale (144 and 192 dpi): each scale
// in a process of its own that starts at it, which opens every window of
// the program and measures the month calendar's cells. At 96 dpi the pixel
// tests of the other suites hold.
#include <gtest/gtest.h>

#include "framework/Dpi.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/app/WindowTour.h"
#include "tests/dpi/DisplayScale.h"

using namespace main_window_testing;

namespace {

class DisplayScaleTest : public testing::TestWithParam<int> {};

TEST_P(DisplayScaleTest, WindowsHoldTheirLayoutAtTheScale)
{
    if (dpi_testing::RequestedDpi() != 0)
        GTEST_SKIP() << "the run at another scale itself";
    EXPECT_EQ(0, dpi_testing::RunAtDpi(GetParam(), "AtDpi.*"));
}

INSTANTIATE_TEST_SUITE_P(Scales, DisplayScaleTest, testing::Values(144, 192));

// The tests of the process started at another scale.
class AtDpi : public MainWindowEnvironment {
protected:
    void SetUp() override
    {
        if (dpi_testing::RequestedDpi() == 0)
            GTEST_SKIP() << "runs in a process started at another scale";
        CreateMain();
    }
};

TEST_F(AtDpi, EveryWindowHasTheScaleAndKeepsItsControlsInsideApartAndReadable)
{
    EXPECT_EQ(dpi_testing::RequestedDpi(), fw::SystemDpi());
    EXPECT_EQ(dpi_testing::RequestedDpi(), fw::WindowDpi(main->m_hWnd));
    EXPECT_EQ(TourFaults(*main, false), "");
}

// Today's ring (20 May 2004, row 3, column 4) frames exactly one cell: its
// size is the cell's, and its place is 3 rows and 4 columns into the grid.
TEST_F(AtDpi, TheCalendarsCellsKeepTheirProportionsInTheirGrid)
{
    main->ShowMainWindow(MainDialog::PageMonitor);
    PumpLikeTheProgram();
    MonthCalendarCtrl& calendar = main->Monitor().Calendar();
    const fw::Dpi dpi(calendar.GetDpi());
    ASSERT_GT(dpi.Value(), fw::kDefaultDpi);
    const RECT client = calendar.GetClientRect();
    EXPECT_EQ(dpi(MonthCalendarCtrl::kWidth), client.right);
    EXPECT_EQ(dpi(MonthCalendarCtrl::kHeight), client.bottom);

    const RECT grid{dpi(2), dpi(42), client.right - dpi(2), client.bottom - dpi(2)};
    const std::vector<COLORREF> pixels = testing_support::ReadWindowPixels(calendar.m_hWnd, grid);
    RECT ring{grid.right, grid.bottom, grid.left, grid.top};
    const int width = grid.right - grid.left;
    for (size_t i = 0; i < pixels.size(); ++i) {
        if (pixels[i] != ::GetSysColor(COLOR_HIGHLIGHT))
            continue;
        const int x = grid.left + static_cast<int>(i) % width;
        const int y = grid.top + static_cast<int>(i) / width;
        ring = RECT{std::min<int>(ring.left, x), std::min<int>(ring.top, y),
                    std::max<int>(ring.right, x + 1), std::max<int>(ring.bottom, y + 1)};
    }
    const int cellWidth = ring.right - ring.left, cellHeight = ring.bottom - ring.top;
    ASSERT_GT(cellHeight, 0);
    EXPECT_NEAR(29.0 / 19.0, static_cast<double>(cellWidth) / cellHeight, 0.08);
    EXPECT_EQ(grid.left + 4 * cellWidth, ring.left);
    EXPECT_EQ(grid.top + 3 * cellHeight, ring.top);
    EXPECT_EQ(width / 7, cellWidth);
    EXPECT_EQ((grid.bottom - grid.top) / 6, cellHeight);
}

} // namespace
