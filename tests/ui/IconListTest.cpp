// The navigation list: set-up, item size, the three looks of an item (read
// back as pixels from the real window), hover tracking through WM_SETCURSOR
// and the 100 ms timer, and which items a hover change redraws.
#include <gtest/gtest.h>

#include "framework/Dc.h"
#include "framework/Gdi.h"
#include "tests/support/Sandbox.h"
#include "ui/Drawing.h"
#include "ui/IconListBox.h"

namespace {

constexpr COLORREF kIconColour = RGB(200, 30, 40);

// An image list of `count` fully opaque 32 x 32 squares in kIconColour.
CImageList MakeImages(int count)
{
    CImageList images;
    images.Create(32, 32, ILC_MASK | ILC_COLOR24, 0, 0);
    CClientDC screen(nullptr);
    CBitmap strip;
    strip.CreateCompatibleBitmap(screen, 32 * count, 32);
    {
        CDC memory;
        memory.CreateCompatibleDC(screen);
        fw::SelectGuard select(memory, strip);
        memory.FillSolidRect(0, 0, 32 * count, 32, kIconColour);
    }
    images.Add(strip, RGB(192, 192, 192));
    return images;
}

void Pump(DWORD milliseconds)
{
    DWORD start = ::GetTickCount();
    do {
        testing_support::PumpMessages();
        ::Sleep(10);
    } while (::GetTickCount() - start < milliseconds);
}

// The list with the pointer where the test puts it: the real pointer is
// shared by every test process on the display.
class PointedIconListBox : public CIconListBox {
public:
    POINT pointer{5000, 5000};

protected:
    bool GetPointerPosition(POINT* at) const override
    {
        *at = pointer;
        return true;
    }
};

class IconListTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(host.CreateEx(0, nullptr, "list host", WS_POPUP | WS_VISIBLE,
                                  RECT{100, 100, 300, 700}, nullptr, 0));
        images = MakeImages(4);
    }

    bool CreateList(const CStringArray& names)
    {
        RECT area{10, 10, 90, 410};
        return list.CreateList(&host, &area, 2, &images, &names);
    }

    RECT ItemRect(int index) const
    {
        RECT rect{};
        list.GetItemRect(index, &rect);
        return rect;
    }

    // Puts the pointer on a client point of the list and tells the list.
    void PointAt(POINT client)
    {
        ::ClientToScreen(list, &client);
        list.pointer = client;
        list.SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(list.m_hWnd),
                         MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    }
    void PointAtItem(int index)
    {
        RECT item = ItemRect(index);
        PointAt(POINT{(item.left + item.right) / 2, (item.top + item.bottom) / 2});
    }

    // A pixel of an item, relative to the item's top left corner.
    COLORREF ItemPixel(int index, int x, int y)
    {
        list.UpdateWindow();
        RECT item = ItemRect(index);
        CClientDC dc(list);
        return dc.GetPixel(item.left + x, item.top + y);
    }

    CWnd host;
    CImageList images;
    PointedIconListBox list;
    CStringArray names{"Monitor", "Scheduler", "Options", "About"};
};

TEST_F(IconListTest, CreateListRefusesMismatchedTextsAndAddsNothing)
{
    CStringArray three{"Monitor", "Scheduler", "Options"};
    EXPECT_FALSE(CreateList(three));
    EXPECT_FALSE(list.IsWindow());
    EXPECT_FALSE(list.CreateList(nullptr, nullptr, 2, &images, &names));
    CImageList empty;
    EXPECT_FALSE(list.CreateList(&host, nullptr, 2, &empty, &names));
    EXPECT_FALSE(list.CreateList(&host, nullptr, 2, &images, nullptr));
    EXPECT_FALSE(list.IsWindow());
}

TEST_F(IconListTest, CreateListMakesTheListWithItsItemsFontAndTimer)
{
    ASSERT_TRUE(CreateList(names));
    EXPECT_EQ(list.GetDlgCtrlID(), static_cast<int>(CIconListBox::kCreatedListId));
    EXPECT_EQ(list.GetStyle() & CIconListBox::kListStyles, CIconListBox::kListStyles);
    ASSERT_EQ(list.GetCount(), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(list.GetText(i), names[i]);
        EXPECT_EQ(list.GetItemData(i), 0);
    }
    EXPECT_EQ(list.GetIconSize().cx, 32);
    EXPECT_EQ(list.GetIconSize().cy, 32);
    EXPECT_EQ(list.GetHoverIndex(), -1);
    // The timer exists: killing it succeeds once.
    EXPECT_TRUE(list.KillTimer(CIconListBox::kHoverTimerId));
}

TEST_F(IconListTest, CreateListTakesOverAnExistingListBox)
{
    HWND existing =
        ::CreateWindowExA(0, "LISTBOX", "", WS_CHILD | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS, 10,
                          10, 80, 400, host, reinterpret_cast<HMENU>(1023), nullptr, nullptr);
    ASSERT_TRUE(list.SubclassWindow(existing));
    ASSERT_TRUE(list.CreateList(&host, nullptr, 2, &images, &names));
    EXPECT_EQ(list.m_hWnd, existing);
    EXPECT_EQ(list.GetDlgCtrlID(), 1023);
    EXPECT_TRUE(list.GetStyle() & WS_VISIBLE);
    EXPECT_EQ(list.GetCount(), 4);
}

TEST_F(IconListTest, ItemHeightIsTextHeightPlusSpacingAndIcon)
{
    ASSERT_TRUE(CreateList(names));
    int text = GetTextHeight(list.GetListFont(), "W");
    ASSERT_GT(text, 0);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(list.SendMessage(LB_GETITEMHEIGHT, i), text + 44);
    RECT item = ItemRect(1);
    EXPECT_EQ(item.bottom - item.top, text + 44);
}

// Where the first shadow of an item goes, relative to the item: centred
// two pixels right of the middle, four spacing units and a pixel down.
POINT ShadowOrigin(const CIconListBox& list)
{
    RECT client = list.GetClientRect();
    return POINT{(client.right - 32) / 2 + 2, 4 * 2 + 1};
}

TEST_F(IconListTest, NormalItemIsFlatWithATwoStepShadow)
{
    ASSERT_TRUE(CreateList(names));
    list.SetCurSel(0);
    POINT o = ShadowOrigin(list);
    COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    EXPECT_EQ(ItemPixel(1, 0, 0), face);
    EXPECT_EQ(ItemPixel(1, o.x + 32, o.y + 32), face);
    EXPECT_EQ(ItemPixel(1, o.x + 31, o.y + 31), DarkenColor(face, 0.15));
    EXPECT_EQ(ItemPixel(1, o.x + 30, o.y + 30), DarkenColor(face, 0.4));
    EXPECT_EQ(ItemPixel(1, o.x + 29, o.y + 29), kIconColour);
    EXPECT_EQ(ItemPixel(1, o.x - 2, o.y - 2), kIconColour);
    EXPECT_EQ(ItemPixel(1, o.x - 3, o.y - 3), face);
}

TEST_F(IconListTest, SelectedItemIsPressedWithoutShadow)
{
    ASSERT_TRUE(CreateList(names));
    list.SetCurSel(1);
    POINT o = ShadowOrigin(list);
    COLORREF highlight = ::GetSysColor(COLOR_HIGHLIGHT);
    COLORREF fill = LightenColor(highlight, 0.85);
    EXPECT_EQ(ItemPixel(1, 0, 0), highlight);
    EXPECT_EQ(ItemPixel(1, 1, 1), fill);
    EXPECT_EQ(ItemPixel(1, o.x + 31, o.y + 31), kIconColour);
    EXPECT_EQ(ItemPixel(1, o.x, o.y), kIconColour);
    EXPECT_EQ(ItemPixel(1, o.x + 32, o.y + 32), fill);
    EXPECT_EQ(ItemPixel(1, o.x - 1, o.y - 1), fill);
}

TEST_F(IconListTest, HoveredItemLiftsOverAThreeStepShadow)
{
    ASSERT_TRUE(CreateList(names));
    list.SetCurSel(0);
    PointAtItem(1);
    ASSERT_EQ(list.GetHoverIndex(), 1);
    POINT o = ShadowOrigin(list);
    COLORREF highlight = ::GetSysColor(COLOR_HIGHLIGHT);
    COLORREF lifted = LightenColor(highlight, 0.7);
    EXPECT_EQ(ItemPixel(1, 0, 0), highlight);
    EXPECT_EQ(ItemPixel(1, 1, 1), lifted);
    EXPECT_EQ(ItemPixel(1, o.x + 32, o.y + 32), lifted);
    EXPECT_EQ(ItemPixel(1, o.x + 31, o.y + 31), DarkenColor(lifted, 0.1));
    EXPECT_EQ(ItemPixel(1, o.x + 30, o.y + 30), DarkenColor(lifted, 0.25));
    EXPECT_EQ(ItemPixel(1, o.x + 29, o.y + 29), DarkenColor(lifted, 0.4));
    EXPECT_EQ(ItemPixel(1, o.x + 28, o.y + 28), kIconColour);
    EXPECT_EQ(ItemPixel(1, o.x - 3, o.y - 3), kIconColour);
    // The caption is drawn in black beneath the icon.
    RECT item = ItemRect(1);
    CMemoryDC memory(CClientDC(nullptr), item.right - item.left, item.bottom - item.top);
    ASSERT_TRUE(memory.IsReady());
    list.DrawListItem(&memory, 1, RECT{0, 0, item.right - item.left, item.bottom - item.top},
                      "Scheduler", CIconListBox::StateHover);
    int dark = 0;
    for (int y = o.y + 35; y < item.bottom - item.top; ++y)
        for (int x = 0; x < item.right - item.left; ++x)
            dark += memory.GetPixel(x, y) == RGB(0, 0, 0);
    EXPECT_GT(dark, 10);
}

TEST_F(IconListTest, HoverMovesFromItemToItemRedrawingOnlyThoseTwo)
{
    ASSERT_TRUE(CreateList(names));
    list.SetCurSel(3);
    PointAtItem(0);
    list.UpdateWindow();
    EXPECT_EQ(list.GetItemData(0), 1);

    ::ValidateRect(list, nullptr);
    PointAtItem(1);
    EXPECT_EQ(list.GetHoverIndex(), 1);
    EXPECT_EQ(list.GetItemData(0), 0);
    EXPECT_EQ(list.GetItemData(1), 1);
    HRGN dirty = ::CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(::GetUpdateRgn(list, dirty, FALSE), ERROR);
    RECT first = ItemRect(0), second = ItemRect(1);
    HRGN expected = ::CreateRectRgnIndirect(&first);
    HRGN other = ::CreateRectRgnIndirect(&second);
    ::CombineRgn(expected, expected, other, RGN_OR);
    EXPECT_TRUE(::EqualRgn(dirty, expected));
    ::DeleteObject(dirty);
    ::DeleteObject(expected);
    ::DeleteObject(other);
}

TEST_F(IconListTest, HoveringTheSelectedItemMarksItButKeepsItsLook)
{
    ASSERT_TRUE(CreateList(names));
    list.SetCurSel(2);
    list.UpdateWindow();
    ::ValidateRect(list, nullptr);
    PointAtItem(2);
    EXPECT_EQ(list.GetHoverIndex(), 2);
    EXPECT_EQ(list.GetItemData(2), 1);
    RECT dirty{};
    EXPECT_FALSE(::GetUpdateRect(list, &dirty, FALSE));
    EXPECT_EQ(ItemPixel(2, 1, 1), LightenColor(::GetSysColor(COLOR_HIGHLIGHT), 0.85));
}

TEST_F(IconListTest, ThePointerBelowTheLastItemHighlightsNothing)
{
    ASSERT_TRUE(CreateList(names));
    PointAtItem(3);
    ASSERT_EQ(list.GetHoverIndex(), 3);
    RECT last = ItemRect(3);
    PointAt(POINT{last.left + 5, last.bottom + 10});
    EXPECT_EQ(list.GetHoverIndex(), -1);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(list.GetItemData(i), 0);
}

TEST_F(IconListTest, LeavingTheListClearsTheHoverWithinATimerPeriod)
{
    ASSERT_TRUE(CreateList(names));
    PointAtItem(2);
    ASSERT_EQ(list.GetItemData(2), 1);
    Pump(250); // the pointer is still inside: the hover stays
    EXPECT_EQ(list.GetHoverIndex(), 2);
    RECT window = list.GetWindowRect();
    list.pointer = POINT{window.right, window.top + 20}; // just outside
    Pump(250);
    EXPECT_EQ(list.GetHoverIndex(), -1);
    EXPECT_EQ(list.GetItemData(2), 0);
}

TEST_F(IconListTest, AnItemWithoutTextIsNotPainted)
{
    ASSERT_TRUE(CreateList(names));
    list.AddString("");
    RECT item = ItemRect(4);
    int width = item.right - item.left, height = item.bottom - item.top;
    CMemoryDC memory(CClientDC(nullptr), width, height);
    ASSERT_TRUE(memory.IsReady());
    memory.FillSolidRect(0, 0, width, height, RGB(0, 255, 0));
    DRAWITEMSTRUCT draw{ODT_LISTBOX,           0, 4, ODA_DRAWENTIRE, 0, list.m_hWnd, memory,
                        {0, 0, width, height}, 0};
    list.DrawItem(&draw);
    EXPECT_EQ(memory.GetPixel(0, 0), RGB(0, 255, 0));
    EXPECT_EQ(memory.GetPixel(width / 2, height / 2), RGB(0, 255, 0));
    draw.itemID = 1;
    list.DrawItem(&draw);
    EXPECT_EQ(memory.GetPixel(0, 0), ::GetSysColor(COLOR_BTNFACE));
}

TEST_F(IconListTest, TheListColoursItsBackgroundInButtonFace)
{
    ASSERT_TRUE(CreateList(names));
    CClientDC dc(list);
    auto brush = reinterpret_cast<HBRUSH>(
        host.SendMessage(WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(dc.GetSafeHdc()),
                         reinterpret_cast<LPARAM>(list.m_hWnd)));
    ASSERT_NE(brush, nullptr);
    LOGBRUSH info{};
    ASSERT_TRUE(::GetObjectA(brush, sizeof(info), &info));
    EXPECT_EQ(info.lbColor, ::GetSysColor(COLOR_BTNFACE));
    // Below the last item the list shows that brush.
    RECT last = ItemRect(3);
    list.Invalidate();
    list.UpdateWindow();
    EXPECT_EQ(dc.GetPixel(5, last.bottom + 5), ::GetSysColor(COLOR_BTNFACE));
}

} // namespace
