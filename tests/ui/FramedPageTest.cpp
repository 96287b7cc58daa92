// A page of the main window in a child sheet: never larger than the room the
// sheet leaves it, and the button face behind itself only, not its edit boxes.
#include <gtest/gtest.h>

#include "res/resource.h"
#include "tests/ui/PixelTesting.h"
#include "ui/FramedPage.h"

namespace {

TEST(FramedPage, StaysInsideItsSheetAndPaintsOnlyItselfInTheButtonFace)
{
    pixel_testing::Window host(RECT{50, 50, 650, 550});
    CFramedPage page(IDD_SCHEDULER, {"sched"});
    CPropertySheet sheet;
    sheet.AddPage(&page);
    ASSERT_TRUE(sheet.Create(&host));
    RECT room{}, place{};
    ::GetClientRect(sheet, &room);
    for (auto [width, height] : {std::pair{60, 40}, {5000, 5000}}) {
        page.SetWindowPos(nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
        ::GetWindowRect(page, &place);
        ::MapWindowPoints(nullptr, sheet, reinterpret_cast<POINT*>(&place), 2);
        EXPECT_EQ(place.right - place.left, std::min<int>(width, room.right - place.left));
        EXPECT_EQ(place.bottom - place.top, std::min<int>(height, room.bottom - place.top));
    }
    EXPECT_EQ(pixel_testing::Pixels::Of(::GetDlgItem(page, IDC_SCHED_CRIT_EDIT))(3, 3),
              ::GetSysColor(COLOR_WINDOW));
}

} // namespace
