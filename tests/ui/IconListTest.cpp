// The navigation list, set up on an existing list box as the main window does:
// the three looks of an item read back as pixels, and the hover mark
// following the pointer's moves, redrawing only the items concerned, and
// going when the pointer leaves. The moves are told as the system tells them:
// the real pointer is shared by every test process on the display.
#include <gtest/gtest.h>

#include "tests/support/AccessibleClient.h"
#include "tests/ui/PixelTesting.h"
#include "ui/Drawing.h"
#include "ui/CIconListBox.h"

using pixel_testing::Pixels;
using pixel_testing::Window;

namespace {

constexpr COLORREF kIcon = RGB(200, 30, 40);

class IconListTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(list.SubclassWindow(
            ::CreateWindowExA(0, "LISTBOX", "", WS_CHILD | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS,
                              10, 10, 80, 400, host, nullptr, nullptr, nullptr)));
        const std::vector<DWORD> squares(4 * 32 * 32, 0xC81E28); // four, all kIcon
        CBitmap strip;
        strip.Attach(::CreateBitmap(4 * 32, 32, 1, 32, squares.data()));
        images.Create(32, 32, ILC_MASK | ILC_COLOR24, 0, 0);
        images.Add(strip, RGB(192, 192, 192));
        CStringArray three{"Monitor", "Scheduler", "Options"}; // one text short
        ASSERT_FALSE(list.CreateList(&host, nullptr, 2, &images, &three) ||
                     list.CreateList(&host, nullptr, 2, &images, nullptr));
        ASSERT_TRUE(list.CreateList(&host, nullptr, 2, &images, &names));
    }
    RECT Item(int index) const
    {
        RECT rect{};
        list.GetItemRect(index, &rect);
        return rect;
    }
    // A move of the pointer to a client point of the list (by default the
    // middle of an item), as the system tells it.
    void PointAt(int index, int x = -1, int y = -1)
    {
        const RECT item = Item(index);
        list.SendMessage(WM_MOUSEMOVE, 0,
                         MAKELPARAM(x < 0 ? (item.left + item.right) / 2 : x,
                                    y < 0 ? (item.top + item.bottom) / 2 : y));
    }
    // Whether exactly the items first..last wait to be drawn again (then none does).
    bool Redrawn(int first, int last)
    {
        RECT dirty{}, items = Item(first), end = Item(last);
        ::GetUpdateRect(list, &dirty, FALSE);
        ::ValidateRect(list, nullptr);
        ::UnionRect(&items, &items, &end);
        return ::EqualRect(&dirty, &items) != FALSE;
    }

    Window host{RECT{100, 100, 300, 700}};
    CImageList images;
    CIconListBox list;
    CStringArray names{"Monitor", "Scheduler", "Options", "About"};
};

// Item 0 flat over a two-step shadow, item 1 (selected) pressed without
// shadow, item 2 (under the pointer) lifted over three steps; black captions
// beneath the icons and the button face below the last item.
TEST_F(IconListTest, EachLookOfAnItemPixelForPixel)
{
    list.SetCurSel(1);
    PointAt(2);
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE), high = ::GetSysColor(COLOR_HIGHLIGHT);
    const COLORREF up = LightenColor(high, 0.7);
    std::vector<COLORREF> colours{face, DarkenColor(face, 0.15), DarkenColor(face, 0.4), high};
    colours.insert(colours.end(), {LightenColor(high, 0.85), up, DarkenColor(up, 0.1),
                                   DarkenColor(up, 0.25), DarkenColor(up, 0.4), kIcon});
    // Each item's corner, then its first shadow's corner: centred two pixels
    // right of the middle, four spacing units and a pixel down.
    const char* looks[][2] = {
        {"0,0=f", "32,32=f 31,31=1 30,30=2 29,29=i -2,-2=i -3,-3=f"},
        {"0,0=h 1,1=p", "31,31=i 0,0=i 32,32=p -1,-1=p"},
        {"0,0=h 1,1=l", "32,32=l 31,31=a 30,30=b 29,29=c 28,28=i -3,-3=i -4,-4=l"},
    };
    Pixels shown = Pixels::Of(list);
    const int x = (list.GetClientRect().right - 32) / 2 + 2, y = 4 * 2 + 1;
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(testing::Message() << "item " << i);
        const RECT item = Item(i);
        shown.From(item.left, item.top).Expect(looks[i][0], "f12hplabci", colours);
        EXPECT_GT(shown.Count({0, y + 35, item.right, item.bottom - item.top}, 0), 10);
        shown.From(item.left + x, item.top + y).Expect(looks[i][1], "f12hplabci", colours);
    }
    EXPECT_EQ(shown.From(0, 0)(5, Item(3).bottom + 5), face);
}

TEST_F(IconListTest, TheHoverMarkFollowsThePointerAndRedrawsOnlyTheItemsConcerned)
{
    list.SetCurSel(3);
    PointAt(0);
    list.UpdateWindow();
    PointAt(1);
    EXPECT_EQ(list.GetHoverIndex(), 1);
    EXPECT_EQ(list.GetItemData(0) + 2 * list.GetItemData(1), 2);
    EXPECT_TRUE(Redrawn(0, 1));
    PointAt(3); // the selected item is marked but keeps its look
    EXPECT_EQ(list.GetItemData(3), 1);
    EXPECT_TRUE(Redrawn(1, 1));
    list.ClearHover(); // marks gone: the pointer's item is marked again at its next move
    PointAt(3);
    EXPECT_EQ(list.GetItemData(3), 1);

    PointAt(3, 5, Item(3).bottom + 10); // below the last item nothing is marked
    EXPECT_EQ(list.GetHoverIndex(), -1);
    EXPECT_EQ(list.GetItemData(3), 0);

    PointAt(2); // the system says the pointer left the list: the mark goes
    list.SendMessage(WM_MOUSELEAVE);
    EXPECT_EQ(list.GetHoverIndex(), -1);
    EXPECT_EQ(list.GetItemData(2), 0);
}

// At another scale (the main window hands in its pictures for it) the items
// grow with the font, the spacing and the pictures.
TEST_F(IconListTest, AtAnotherScaleTheItemsGrowWithTheFontSpacingAndPictures)
{
    CImageList large; // four pictures of 64 pixels
    large.Create(64, 64, ILC_COLOR24, 0, 0);
    CBitmap strip;
    strip.Attach(::CreateBitmap(4 * 64, 64, 1, 32, std::vector<DWORD>(4 * 64 * 64).data()));
    large.Add(strip, CLR_NONE);
    for (auto [dpi, pictures, side] : {std::tuple{192, &large, 64}, {96, &images, 32}}) {
        list.ApplyDpi(dpi, pictures);
        EXPECT_EQ(Item(3).bottom - Item(3).top,
                  GetTextHeight(list.GetListFont(), "W") + fw::Dpi(dpi)(12) + side);
    }
}

// Screen readers read each item by its text: the list keeps its items'
// texts, by which the system's object for a list box names them.
TEST_F(IconListTest, ScreenReadersReadEachItemByItsText)
{
    testing_support::Client client(list);
    ASSERT_TRUE(client) << std::hex << client.result;
    LONG count = 0;
    EXPECT_EQ(client->get_accChildCount(&count), S_OK);
    EXPECT_EQ(count, 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(client.Name(i + 1), names[i]);
        EXPECT_EQ(client.Number(&IAccessible::get_accRole, i + 1), ROLE_SYSTEM_LISTITEM);
    }
}

} // namespace
