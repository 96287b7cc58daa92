// What the dialogs and pages share: the help key, a row of controls spread
// over a span of pixels, and a page of the main window in a child sheet: never
// larger than the room the sheet leaves it, and the button face behind itself
// only, not its edit boxes; and pictures that screen readers pass over.
#include <gtest/gtest.h>

#include <sstream>

#include "res/resource.h"
#include "tests/support/AccessibleClient.h"
#include "tests/support/HelpRecorder.h"
#include "tests/ui/PixelTesting.h"
#include "ui/DialogLayout.h"
#include "ui/CFramedPage.h"
#include "ui/HelpTopic.h"

namespace {

TEST(HelpKey, IsF1PressedOrReleased)
{
    for (auto [message, key, help] : {std::tuple{WM_KEYDOWN, VK_F1, true},
                                      {WM_KEYUP, VK_F1, true},
                                      {WM_KEYDOWN, VK_F2, false},
                                      {WM_CHAR, VK_F1, false}}) {
        const MSG msg{nullptr, UINT(message), WPARAM(key), 0, 0, {}};
        EXPECT_EQ(IsHelpKey(&msg), help) << message << " " << key;
    }
    EXPECT_FALSE(IsHelpKey(nullptr));
}

// Controls of the widths, spread from `left` to `right` with the gap: where
// each then stands ("left-right ..."); nothing moves when there is no room.
// Every control starts at x = 20.
TEST(DialogLayout, ARowSpreadEndsExactlyAndKeepsEachControlsShare)
{
    const struct {
        std::vector<int> widths;
        int gap, left, right;
        const char* places;
    } rows[] = {{{30, 60, 10}, 5, 10, 310, "10-97 102-276 281-310 "},
                {{1}, 0, 10, 50, "10-50 "},
                {{30, 60}, 5, 10, 15, "20-50 20-80 "}};
    for (const auto& r : rows) {
        pixel_testing::Window dialog(RECT{0, 0, 400, 100});
        std::vector<int> ids;
        for (int width : r.widths) {
            ids.push_back(100 + int(ids.size()));
            ::CreateWindowExA(0, "STATIC", "", WS_CHILD, 20, 0, width, 10, dialog,
                              reinterpret_cast<HMENU>(INT_PTR(ids.back())), nullptr, nullptr);
        }
        layout::SpreadRow(dialog, ids.data(), int(ids.size()), r.gap, r.left, r.right);
        std::ostringstream places;
        for (int id : ids)
            places << layout::ControlRect(dialog, id).left << "-"
                   << layout::ControlRect(dialog, id).right << " ";
        EXPECT_EQ(places.str(), r.places);
    }
}

TEST(FramedPage, StaysInsideItsSheetAndPaintsOnlyItselfInTheButtonFace)
{
    pixel_testing::Window host(RECT{50, 50, 650, 550});
    testing_support::HelpTopicRecorder help;
    CFramedPage page(IDD_SCHEDULER, {"sched"}, help);
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
    EXPECT_EQ(pixel_testing::Pixels::Of(page)(30, 2), pixel_testing::Pixels::Of(page)(30, 20));
}

// Every dialog marks its pictures (the quick-launch help's picture)
// invisible to screen readers; its texts stay as they are.
TEST(DecorativePictures, AreInvisibleToScreenReadersAndTextsAreNot)
{
    CDialog dialog(IDD_QUICKLAUNCH_HELP);
    ASSERT_TRUE(dialog.Create(IDD_QUICKLAUNCH_HELP));
    int pictures = 0, texts = 0;
    for (HWND child = ::GetWindow(dialog, GW_CHILD); child;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        char kind[16] = "";
        ::GetClassNameA(child, kind, sizeof(kind));
        const LONG_PTR type = ::GetWindowLongPtrA(child, GWL_STYLE) & SS_TYPEMASK;
        if (lstrcmpiA(kind, "Static") != 0)
            continue;
        const bool picture = type == SS_BITMAP || type == SS_ICON;
        (picture ? pictures : texts) += 1;
        testing_support::Client client(child);
        ASSERT_TRUE(client);
        EXPECT_EQ((client.Number(&IAccessible::get_accState) & STATE_SYSTEM_INVISIBLE) != 0,
                  picture);
    }
    EXPECT_GT(pictures, 0);
    EXPECT_GT(texts, 0);
    dialog.DestroyWindow();
}

} // namespace
