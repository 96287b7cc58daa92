// What the dialogs share: the help key, and a row of controls spread over
// a span of pixels.
#include <gtest/gtest.h>

#include <sstream>

#include "tests/ui/PixelTesting.h"
#include "ui/DialogLayout.h"
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
TEST(DialogLayout, ARowSpreadEndsExactlyAndKeepsEachControlsShare)
{
    const struct {
        std::vector<int> widths;
        int gap, left, right;
        const char* places;
    } rows[] = {{{30, 60, 10}, 5, 10, 310, "10-97 102-276 281-310 "},
                {{1}, 0, 10, 50, "10-50 "},
                {{30, 60}, 5, 10, 15, "0-30 0-60 "}};
    for (const auto& r : rows) {
        pixel_testing::Window dialog(RECT{0, 0, 400, 100});
        std::vector<int> ids;
        for (int width : r.widths) {
            ids.push_back(100 + int(ids.size()));
            ::CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, width, 10, dialog,
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

} // namespace
