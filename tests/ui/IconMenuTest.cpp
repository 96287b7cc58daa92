// The icon menu as the user sees it: menu 134 built as the main window builds
// it and shown with TrackPopupMenu over an owner of its own; the items are
// read back from the menu window while it is open, in the states the system
// gives them (the selection moved with the arrow keys, greyed and checked
// items, the default item).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/Dc.h"
#include "framework/Wnd.h"
#include "res/resource.h"
#include "tests/support/GdiCount.h"
#include "tests/ui/Pixels.h"
#include "ui/Drawing.h"
#include "ui/IconMenu.h"

using pixel_testing::Pixels;

namespace {

constexpr COLORREF kSilver = RGB(192, 192, 192); // the pictures' mask colour
enum Position { kOpen = 0, kHalfYear = 1, kSeparator = 2, kScheduler = 3, kOptions = 4 };

// The menu window as it stood at one moment, and its items' places in it.
struct Shot {
    Pixels pixels;
    std::vector<RECT> items;
    // The item's pixels, relative to its top left corner.
    Pixels Item(int position) const
    {
        Pixels item = pixels;
        return item.From({items[position].left, items[position].top});
    }
    int Width(int position) const { return items[position].right - items[position].left; }
};

// Shows a pop-up menu and takes a shot of it at first and after each press of
// the Down key, at the idle moments of the menu's own loop; then closes it.
class MenuOwner : public CWnd {
public:
    MenuOwner() { CreateEx(0, nullptr, "", WS_POPUP | WS_VISIBLE, RECT{0, 0, 9, 9}, nullptr, 0); }

    std::vector<Shot> Show(IconMenu& popup, int downs)
    {
        shots_.clear();
        popup_ = &popup;
        downs_ = downs;
        popup.TrackPopupMenu(TPM_LEFTALIGN | TPM_TOPALIGN, 900, 100, this);
        return shots_;
    }

    LRESULT OnEnterIdle(WPARAM, LPARAM window)
    {
        HWND menu = reinterpret_cast<HWND>(window);
        Shot shot{Pixels::Of(menu), {}};
        for (int i = 0; i < popup_->GetMenuItemCount(); ++i) {
            RECT item{};
            ::GetMenuItemRect(menu, popup_->GetSafeHmenu(), static_cast<UINT>(i), &item);
            ::MapWindowPoints(nullptr, menu, reinterpret_cast<POINT*>(&item), 2);
            shot.items.push_back(item);
        }
        shots_.push_back(shot);
        if (static_cast<int>(shots_.size()) > downs_)
            ::EndMenu();
        else
            PostMessage(WM_KEYDOWN, VK_DOWN, 1);
        return 0;
    }
    DECLARE_MESSAGE_MAP()

private:
    IconMenu* popup_ = nullptr;
    int downs_ = 0;
    std::vector<Shot> shots_;
};

BEGIN_MESSAGE_MAP(MenuOwner, CWnd)
ON_MESSAGE(WM_ENTERIDLE, OnEnterIdle)
END_MESSAGE_MAP()

COLORREF Sys(int index)
{
    return ::GetSysColor(index);
}

// Text as an item must show it: the menu's font (bold for the default item)
// in the colour on the background, each part from its x, vertically centred.
Pixels Text(const Shot& shot, int position, COLORREF background, COLORREF colour, bool bold,
            std::vector<std::pair<int, std::string>> parts)
{
    const RECT& item = shot.items[position];
    const int width = item.right - item.left, height = item.bottom - item.top;
    CClientDC screen(nullptr);
    CMemoryDC dc(screen, width, height);
    dc.FillSolidRect(RECT{0, 0, width, height}, background);
    LOGFONTA logFont{};
    GetDefaultGuiLogFont(&logFont);
    logFont.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    CFont font;
    font.CreateFontIndirect(&logFont);
    fw::SelectGuard select(dc, font);
    dc.SetTextColor(colour);
    dc.SetBkMode(TRANSPARENT);
    for (auto& [x, text] : parts) {
        RECT place{x, 0, width, height};
        dc.DrawText(text, &place, DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOCLIP);
    }
    return Pixels(dc, RECT{0, 0, width, height});
}

// The shape of a picture (where it is not the mask colour) placed at (x, y).
std::vector<POINT> Shape(HBITMAP picture, COLORREF mask, int x, int y)
{
    BITMAP info{};
    ::GetObjectA(picture, sizeof(info), &info);
    CClientDC screen(nullptr);
    CDC dc;
    dc.CreateCompatibleDC(screen);
    fw::SelectGuard select(dc, picture);
    std::vector<POINT> shape;
    for (int row = 0; row < info.bmHeight; ++row)
        for (int column = 0; column < 16 && column < info.bmWidth; ++column)
            if (dc.GetPixel(column, row) != mask)
                shape.push_back({x + column, y + row});
    return shape;
}

class IconMenuTest : public ::testing::Test {
protected:
    // Menu 134 as the main window builds and shows it: "Open..." with
    // picture 0 and the menu's default item.
    IconMenu* Build()
    {
        if (!menu.LoadMenu(IDR_TRAY_MENU) || menu.BuildIconMenu(IDB_MENU_ICONS, kSilver) != 1)
            return nullptr;
        menu.SetItemImage(ID_MENU_OPEN, 0);
        ::SetMenuDefaultItem(menu.GetSubMenu(0), kOpen, TRUE);
        return Popup();
    }
    IconMenu* Popup() { return const_cast<IconMenu*>(menu.GetItemRecord(0)->submenu.get()); }
    void Set(UINT position, UINT flags)
    {
        ::EnableMenuItem(menu.GetSubMenu(0), position, MF_BYPOSITION | (flags & MF_GRAYED));
        ::CheckMenuItem(menu.GetSubMenu(0), position, MF_BYPOSITION | (flags & MF_CHECKED));
    }

    const COLORREF gutter = LightenColor(Sys(COLOR_BTNFACE), 0.16);
    const COLORREF line = DarkenColor(gutter, 0.18);
    const COLORREF greyPicture = DarkenColor(gutter, 0.25);
    const COLORREF selection = LightenColor(Sys(COLOR_HIGHLIGHT), 0.7);
    MenuOwner owner;
    IconMenu menu;
};

TEST_F(IconMenuTest, ItemsShowGutterPictureTextAndSeparatorAndTheSelectionBox)
{
    IconMenu* popup = Build();
    ASSERT_NE(popup, nullptr);
    std::vector<Shot> shots = owner.Show(*popup, 1);
    ASSERT_EQ(shots.size(), 2u);
    const Shot& plain = shots[0];
    const Shot& selected = shots[1]; // "Open..." selected with the Down key
    EXPECT_EQ(plain.items[kOpen].bottom - plain.items[kOpen].top, 22);
    EXPECT_EQ(plain.items[kSeparator].bottom - plain.items[kSeparator].top, 3);
    const int w = plain.Width(kOpen);

    // "Open...": picture 0 on the gutter, the text in bold.
    CBitmap picture;
    ASSERT_TRUE(picture.LoadBitmap(IDB_MENU_ICONS));
    const std::vector<POINT> shape = Shape(picture, kSilver, 4, 4);
    EXPECT_GT(shape.size(), 20u);
    const Pixels open = plain.Item(kOpen);
    EXPECT_EQ(open.Count({0, 0, 23, 22}, gutter), 23 * 22 - static_cast<int>(shape.size()));
    EXPECT_EQ(open.Count({4, 4, 20, 20}, gutter), 16 * 16 - static_cast<int>(shape.size()));
    const Pixels openText =
        Text(plain, kOpen, Sys(COLOR_MENU), Sys(COLOR_MENUTEXT), true, {{31, "Open..."}});
    EXPECT_EQ(open.Differs(openText, {23, 0, w, 22}), (POINT{-1, -1}));
    // "Half-Year...": no picture, the text in the normal weight.
    const Pixels halfYear = plain.Item(kHalfYear);
    EXPECT_EQ(halfYear.Count({0, 0, 23, 22}, gutter), 23 * 22);
    EXPECT_EQ(halfYear.Differs(Text(plain, kHalfYear, Sys(COLOR_MENU), Sys(COLOR_MENUTEXT), false,
                                    {{31, "Half-Year..."}}),
                               {23, 0, w, 22}),
              (POINT{-1, -1}));

    // The separator: a line one pixel below its top from x = 31.
    const Pixels separator = plain.Item(kSeparator);
    struct {
        int x, y;
        COLORREF colour;
    } const lines[] = {{0, 1, gutter},           {22, 1, gutter},         {23, 1, Sys(COLOR_MENU)},
                       {30, 1, Sys(COLOR_MENU)}, {31, 1, line},           {w - 1, 1, line},
                       {31, 0, Sys(COLOR_MENU)}, {31, 2, Sys(COLOR_MENU)}};
    for (const auto& p : lines)
        EXPECT_EQ(separator(p.x, p.y), p.colour) << p.x << "," << p.y;

    // Selected: a framed highlight box; the picture moves up and left over
    // its shadow, the text stays.
    const Pixels box = selected.Item(kOpen);
    for (POINT p : {POINT{0, 0}, POINT{w - 1, 0}, POINT{0, 21}, POINT{w - 1, 21}})
        EXPECT_EQ(box(p.x, p.y), Sys(COLOR_HIGHLIGHT)) << p.x << "," << p.y;
    EXPECT_EQ(box.Count({1, 1, w - 1, 21}, gutter), 0);
    int lifted = 0;
    for (POINT p : shape)
        lifted += box(p.x - 1, p.y - 1) == open(p.x, p.y) ? 1 : 0;
    EXPECT_EQ(lifted, static_cast<int>(shape.size()));
    EXPECT_GT(box.Count({5, 5, 21, 21}, DarkenColor(selection, 0.25)), 0);
    const Pixels boxText =
        Text(selected, kOpen, selection, Sys(COLOR_MENUTEXT), true, {{31, "Open..."}});
    EXPECT_EQ(box.Differs(boxText, {23, 1, w - 1, 21}), (POINT{-1, -1}));
    EXPECT_EQ(selected.Item(kHalfYear).Count({0, 0, 23, 22}, gutter), 23 * 22);
}

TEST_F(IconMenuTest, GreyedAndCheckedItemsAsTheSystemMarksThem)
{
    IconMenu* popup = Build();
    ASSERT_NE(popup, nullptr);
    Set(kOpen, MF_GRAYED);
    Set(kHalfYear, MF_CHECKED);
    Set(kScheduler, MF_CHECKED | MF_GRAYED);
    std::vector<Shot> shots = owner.Show(*popup, 2); // Open, then Half-Year selected
    ASSERT_EQ(shots.size(), 3u);
    const int w = shots[0].Width(kOpen);

    // Greyed and selected: no box; the text in the separator colour and the
    // picture a one-colour silhouette.
    CBitmap picture;
    ASSERT_TRUE(picture.LoadBitmap(IDB_MENU_ICONS));
    const std::vector<POINT> shape = Shape(picture, kSilver, 4, 4);
    const Pixels open = shots[1].Item(kOpen);
    EXPECT_EQ(open(0, 0), gutter);
    EXPECT_EQ(open(w - 1, 0), Sys(COLOR_MENU));
    int silhouette = 0;
    for (POINT p : shape)
        silhouette += open(p.x, p.y) == greyPicture ? 1 : 0;
    EXPECT_EQ(silhouette, static_cast<int>(shape.size()));
    EXPECT_EQ(open.Count({0, 0, 23, 22}, gutter), 23 * 22 - static_cast<int>(shape.size()));
    EXPECT_EQ(open.Differs(Text(shots[1], kOpen, Sys(COLOR_MENU), line, true, {{31, "Open..."}}),
                           {23, 0, w, 22}),
              (POINT{-1, -1}));

    // Checked: the system's check mark in a framed box instead of a picture;
    // lighter when selected, a silhouette on the gutter when greyed.
    HBITMAP mark = static_cast<HBITMAP>(::LoadImageA(
        nullptr, MAKEINTRESOURCEA(32760) /* OBM_CHECK */, IMAGE_BITMAP, 0, 0, LR_DEFAULTSIZE));
    BITMAP size{};
    ::GetObjectA(mark, sizeof(size), &size);
    RECT expected{size.bmWidth, size.bmHeight, 0, 0}; // the mark's ink, placed
    for (POINT p : Shape(mark, RGB(255, 255, 255), size.bmWidth / 2 - 1, size.bmHeight / 2 - 2))
        expected = {std::min(expected.left, p.x), std::min(expected.top, p.y),
                    std::max(expected.right, p.x + 1), std::max(expected.bottom, p.y + 1)};
    ::DeleteObject(mark);
    const struct {
        int shot, position;
        COLORREF frame, fill;
    } checks[] = {
        {0, kHalfYear, Sys(COLOR_HIGHLIGHT), LightenColor(Sys(COLOR_HIGHLIGHT), 0.85)},
        {2, kHalfYear, Sys(COLOR_HIGHLIGHT), LightenColor(Sys(COLOR_HIGHLIGHT), 0.5)},
        {0, kScheduler, gutter, gutter},
    };
    for (const auto& c : checks) {
        SCOPED_TRACE(testing::Message() << "shot " << c.shot << ", item " << c.position);
        const Pixels item = shots[c.shot].Item(c.position);
        for (POINT p : {POINT{1, 1}, POINT{20, 1}, POINT{1, 20}, POINT{20, 20}})
            EXPECT_EQ(item(p.x, p.y), c.frame) << p.x << "," << p.y;
        EXPECT_EQ(item(21, 21), c.shot == 2 ? Sys(COLOR_HIGHLIGHT) : gutter);
        EXPECT_EQ(item.Ink({2, 2, 20, 20}, c.fill), expected);
        if (c.frame == gutter) {
            EXPECT_EQ(item.Count(expected, greyPicture) + item.Count(expected, gutter),
                      (expected.right - expected.left) * (expected.bottom - expected.top));
        }
    }
    EXPECT_EQ(shots[0].Item(kOptions).Count({0, 0, 23, 22}, gutter), 23 * 22);
}

TEST_F(IconMenuTest, AnAcceleratorAfterATabGetsAColumnOfItsOwn)
{
    HMENU top = ::CreateMenu();
    HMENU sub = ::CreatePopupMenu();
    ::AppendMenuA(sub, MF_STRING, 100, "Open\tCtrl+O");
    ::AppendMenuA(sub, MF_STRING, 101, "A much longer item");
    ::AppendMenuA(top, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), "-");
    ASSERT_TRUE(menu.Attach(top));
    ASSERT_EQ(menu.BuildIconMenu(IDB_MENU_ICONS, kSilver), 1);
    std::vector<Shot> shots = owner.Show(*Popup(), 0);
    ASSERT_EQ(shots.size(), 1u);

    LOGFONTA logFont{};
    GetDefaultGuiLogFont(&logFont);
    CFont font;
    font.CreateFontIndirect(&logFont);
    const int column = 31 + GetTextWidth(font, "A much longer item") + 10;
    const Pixels expected = Text(shots[0], 0, Sys(COLOR_MENU), Sys(COLOR_MENUTEXT), false,
                                 {{31, "Open"}, {column, "Ctrl+O"}});
    EXPECT_EQ(shots[0].Item(0).Differs(expected, {23, 0, shots[0].Width(0), 22}), (POINT{-1, -1}));

    const struct {
        const char* text;
        bool split;
        const char* part;
        const char* accelerator;
    } splits[] = {{"Open\tCtrl+O\tX", true, "Open", "Ctrl+O\tX"},
                  {"Exit\t", false, "Exit", ""},
                  {"Exit", false, "Exit", ""}};
    for (const auto& s : splits) {
        std::string part = "stale", accelerator = "stale";
        EXPECT_EQ(SplitMenuText(s.text, &part, &accelerator), s.split) << s.text;
        EXPECT_EQ(part, s.part);
        EXPECT_EQ(accelerator, s.accelerator);
    }
}

TEST_F(IconMenuTest, BuildsOnceReleasesEverythingAndMayTryAgainAfterAFailure)
{
    EXPECT_EQ(menu.BuildIconMenu(IDB_MENU_ICONS, kSilver), 0); // no menu yet
    ASSERT_TRUE(menu.LoadMenu(IDR_TRAY_MENU));
    EXPECT_EQ(menu.BuildIconMenu(9999, kSilver), 0); // no such picture
    EXPECT_EQ(CMenu::FromHandlePermanent(menu.GetSubMenu(0)), nullptr);
    menu.ReleaseIconMenu(); // not built: the menu stays
    ASSERT_NE(menu.GetSafeHmenu(), nullptr);

    ASSERT_EQ(menu.BuildIconMenu(IDB_MENU_ICONS, kSilver), 1);
    const IconMenuItem* record = menu.GetItemRecord(0)->submenu->GetItemRecord(kOpen);
    EXPECT_EQ(menu.BuildIconMenu(IDB_MENU_ICONS, kSilver), 1); // built: nothing changes
    EXPECT_EQ(menu.GetItemRecord(0)->submenu->GetItemRecord(kOpen), record);

    HMENU old = menu.GetSafeHmenu(), oldPopup = menu.GetSubMenu(0);
    menu.ReleaseIconMenu();
    EXPECT_EQ(menu.GetSafeHmenu(), nullptr);
    EXPECT_FALSE(::IsMenu(old));
    EXPECT_FALSE(::IsMenu(oldPopup));
    ASSERT_NE(Build(), nullptr);
    EXPECT_EQ(Popup()->GetItemRecord(9)->text, "Exit");
}

TEST_F(IconMenuTest, ShowingAndRebuildingKeepTheDrawingObjectCount)
{
    auto cycle = [this] {
        IconMenu* popup = Build();
        Set(kOpen, MF_GRAYED);
        Set(kHalfYear, MF_CHECKED);
        Set(kScheduler, MF_CHECKED | MF_GRAYED);
        if (popup)
            owner.Show(*popup, 5); // every item drawn, the first five selected once
        menu.ReleaseIconMenu();
    };
    cycle(); // first-use caches
    const DWORD before = testing_support::LiveDrawingObjects();
    for (int i = 0; i < 3; ++i)
        cycle();
    EXPECT_EQ(testing_support::LiveDrawingObjects(), before);
}

} // namespace
