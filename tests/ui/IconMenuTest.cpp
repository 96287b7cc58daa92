// The icon menu as the user sees it: menu 134 built as the main window builds
// it, shown with TrackPopupMenu over an owner of its own and read back from
// the menu window at the idle moments of the menu's loop, in the states the
// system gives the items (selected with the Down key, greyed, checked, default).
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "framework/TextCodec.h"
#include "res/resource.h"
#include "tests/support/GdiCount.h"
#include "tests/ui/PixelTesting.h"
#include "ui/Drawing.h"
#include "ui/IconMenu.h"

using pixel_testing::Pixels;
using pixel_testing::Window;

namespace {

constexpr COLORREF kSilver = RGB(192, 192, 192); // the pictures' mask colour
enum Position { kOpen, kHalfYear, kSeparator, kStarted, kExport };

class IconMenuTest : public ::testing::Test {
protected:
    IconMenuTest()
    {
        for (UINT message : {WM_MEASUREITEM, WM_DRAWITEM}) // the owner's menu owner-draw
            owner.on[message] = [this, message](WPARAM, LPARAM item) {
                LRESULT result = 0;
                fw::RouteMenuItem(owner, message, item, &result);
                return result;
            };
    }
    // Menu 134 as the main window builds and shows it: "Open..." with
    // picture 0 and the menu's default item.
    IconMenu* Build()
    {
        if (!menu.LoadMenu(IDR_TRAY_MENU) || menu.BuildIconMenu(IDB_MENU_ICONS, kSilver) != 1)
            return nullptr;
        menu.SetItemImage(ID_MENU_OPEN, 0);
        ::SetMenuDefaultItem(menu.GetSubMenu(0), kOpen, TRUE);
        ::EnableMenuItem(menu.GetSubMenu(0), kStarted, MF_BYPOSITION | MF_GRAYED);
        ::EnableMenuItem(menu.GetSubMenu(0), kExport, MF_BYPOSITION | MF_GRAYED);
        ::CheckMenuItem(menu.GetSubMenu(0), kHalfYear, MF_BYPOSITION | MF_CHECKED);
        ::CheckMenuItem(menu.GetSubMenu(0), kStarted, MF_BYPOSITION | MF_CHECKED);
        return Popup();
    }
    IconMenu* Popup() { return const_cast<IconMenu*>(menu.GetItemRecord(0)->submenu.get()); }
    // Shows the pop-up menu and reads its window at first and after each press
    // of the Down key, at the idle moments of the menu's loop; then closes it.
    void Show(IconMenu& popup, size_t downs)
    {
        shots.clear();
        owner.on[WM_ENTERIDLE] = [&, downs](WPARAM, LPARAM window) {
            HWND shown = reinterpret_cast<HWND>(window);
            for (UINT i = 0; i < 10; ++i) {
                ::GetMenuItemRect(shown, popup.GetSafeHmenu(), i, &items[i]);
                ::MapWindowPoints(nullptr, shown, reinterpret_cast<POINT*>(&items[i]), 2);
            }
            shots.push_back(Pixels::Of(shown));
            shots.size() > downs ? ::EndMenu() : owner.PostMessage(WM_KEYDOWN, VK_DOWN, 1);
            return 0;
        };
        popup.TrackPopupMenu(TPM_LEFTALIGN | TPM_TOPALIGN, 900, 100, &owner);
    }
    // An item's pixels in a shot, relative to the item's corner.
    Pixels Item(size_t shot, int position)
    {
        return Pixels(shots.at(shot)).From(items[position].left, items[position].top);
    }

    Window owner{RECT{0, 0, 9, 9}};
    std::vector<Pixels> shots;
    RECT items[10] = {}; // in the menu window
    IconMenu menu;
};

// Shot 0 with nothing selected, then Open (picture 0, the default item),
// Half-Year (checked), My period started today (checked, greyed) and Export
// to calendar (greyed, given picture 0 too) selected in turn.
TEST_F(IconMenuTest, EveryKindOfItemInEveryStatePixelForPixel)
{
    ASSERT_NE(Build(), nullptr);
    menu.SetItemImage(ID_MENU_EXPORT, 0);
    Show(*Popup(), 4);
    ASSERT_EQ(items[kOpen].bottom - items[kOpen].top, 22);
    ASSERT_EQ(items[kSeparator].bottom - items[kSeparator].top, 3);
    const COLORREF high = ::GetSysColor(COLOR_HIGHLIGHT), plain = ::GetSysColor(COLOR_MENU);
    const COLORREF gutter = LightenColor(::GetSysColor(COLOR_BTNFACE), 0.16);
    const COLORREF line = DarkenColor(gutter, 0.18), fill = LightenColor(high, 0.7);
    const std::vector<COLORREF> colours{
        gutter, plain, line, high, fill, LightenColor(high, 0.85), LightenColor(high, 0.5)};
    // g gutter, m menu, l line, h highlight, f fill, b and c check boxes
    for (auto [shot, position, pixels] :
         {std::tuple{0, kSeparator, "0,1=g 22,1=g 23,1=m 30,1=m 31,1=l 100,1=l 31,0=m 31,2=m"},
          {0, kOpen, "0,0=g 3,3=g 22,21=g 23,0=m 23,21=m"},
          {1, kOpen, "0,0=h 0,21=h 100,0=h 1,1=f 22,20=f"},
          {0, kHalfYear, "0,0=g 1,0=g 1,1=h 20,1=h 1,20=h 20,20=h 19,19=b 21,21=g 21,10=g 23,10=m"},
          {2, kHalfYear, "0,0=h 1,1=h 20,20=h 19,19=c 21,21=h 22,1=f"},
          {0, kStarted, "0,0=g 1,1=g 20,20=g 19,19=g 21,21=g"},
          {3, kStarted, "0,0=g 1,1=g 20,20=g 100,0=m"},
          {4, kExport, "0,0=g 3,3=g 100,0=m"}}) {
        SCOPED_TRACE(testing::Message() << "shot " << shot << ", item " << position);
        Item(shot, position).Expect(pixels, "gmlhfbc", colours);
    }

    // Picture 0 and the system's check mark (OBM_CHECK) where not masked: as
    // they are, raised a pixel over a shadow when selected, silhouettes when
    // greyed.
    CBitmap icons, mark;
    ASSERT_TRUE(icons.LoadBitmap(IDB_MENU_ICONS));
    mark.Attach(static_cast<HBITMAP>(
        ::LoadImageA(nullptr, MAKEINTRESOURCEA(32760), IMAGE_BITMAP, 0, 0, LR_DEFAULTSIZE)));
    BITMAP size{};
    mark.GetBitmap(&size);
    const int x = size.bmWidth / 2 - 1, y = size.bmHeight / 2 - 2;
    const COLORREF grey = DarkenColor(gutter, 0.25), none = CLR_NONE;
    for (auto [shot, position, picture, at, ink] : {std::tuple{0, kOpen, &icons, POINT{4, 4}, none},
                                                    {1, kOpen, &icons, POINT{3, 3}, none},
                                                    {0, kExport, &icons, POINT{4, 4}, grey},
                                                    {4, kExport, &icons, POINT{4, 4}, grey},
                                                    {0, kHalfYear, &mark, POINT{x, y}, none},
                                                    {2, kHalfYear, &mark, POINT{x, y}, none},
                                                    {0, kStarted, &mark, POINT{x, y}, grey}}) {
        CDC dc;
        dc.CreateCompatibleDC(CClientDC(nullptr));
        fw::SelectGuard select(dc, *picture);
        const bool icon = picture == &icons;
        const int side = icon ? 16 : size.bmWidth;
        const Pixels drawn(dc, RECT{0, 0, side, side}), item = Item(shot, position);
        int shown = 0, unlike = 0;
        for (int py = 0; py < side; ++py)
            for (int px = 0; px < side; ++px)
                if (drawn(px, py) != (icon ? kSilver : RGB(255, 255, 255))) {
                    ++shown;
                    unlike += item(at.x + px, at.y + py) != (ink == none ? drawn(px, py) : ink);
                }
        EXPECT_GT(shown, 10);
        EXPECT_EQ(unlike, 0) << "shot " << shot << ", item " << position;
        if (at.x == 4) { // nothing else on the gutter
            EXPECT_EQ(item.Count({0, 0, 23, 22}, gutter), 23 * 22 - shown);
        }
    }
    EXPECT_GT(Item(1, kOpen).Count({5, 5, 21, 21}, DarkenColor(fill, 0.25)), 0);

    // The texts: bold for the default item, in the separator colour when greyed.
    const COLORREF black = ::GetSysColor(COLOR_MENUTEXT);
    for (auto [shot, position, background, colour, text] :
         {std::tuple{0, kOpen, plain, black, "Open..."},
          {0, kHalfYear, plain, black, "Half-Year..."},
          {1, kOpen, fill, black, "Open..."},
          {4, kExport, plain, line, "Export to calendar..."}}) {
        const Pixels expected = Pixels::Drawn(200, 22, background, [&](CDC& dc) {
            pixel_testing::DrawGuiText(dc, position == kOpen, colour, RECT{31, 0, 200, 22}, text,
                                       DT_LEFT | DT_SINGLELINE | DT_VCENTER);
        });
        EXPECT_EQ(Item(shot, position).Count({23, 1, 100, 21}, 0, &expected), 0) << text;
    }
}

// A translation may make any item the widest, the first one too (the menu
// is much narrower with the built-in texts).
TEST_F(IconMenuTest, TheWidestTextSetsTheWidthWhereverItStands)
{
    std::vector<LONG> widths;
    for (Position position : {kOpen, kExport}) {
        ASSERT_TRUE(menu.LoadMenu(IDR_TRAY_MENU));
        HMENU popup = menu.GetSubMenu(0);
        ::ModifyMenuA(popup, position, MF_BYPOSITION | MF_STRING, ::GetMenuItemID(popup, position),
                      "Open the calendar with every page...");
        ASSERT_EQ(menu.BuildIconMenu(IDB_MENU_ICONS, kSilver), 1);
        Show(*Popup(), 0);
        widths.push_back(items[kSeparator].right - items[kSeparator].left);
        menu.ReleaseIconMenu();
    }
    EXPECT_TRUE(widths[0] == widths[1] && widths[0] > 212) << widths[0] << " " << widths[1];
}

TEST_F(IconMenuTest, BuildsOnceReleasesEverythingAndMayTryAgainAfterAFailure)
{
    EXPECT_EQ(menu.BuildIconMenu(IDB_MENU_ICONS, kSilver), 0); // no menu yet
    ASSERT_TRUE(menu.LoadMenu(IDR_TRAY_MENU));
    EXPECT_EQ(menu.BuildIconMenu(9999, kSilver), 0); // no such picture
    EXPECT_EQ(CMenu::FromHandlePermanent(menu.GetSubMenu(0)), nullptr);
    menu.ReleaseIconMenu(); // not built: the menu stays
    ASSERT_EQ(menu.BuildIconMenu(IDB_MENU_ICONS, kSilver), 1);
    const IconMenuItem* record = Popup()->GetItemRecord(kOpen);
    EXPECT_EQ(menu.BuildIconMenu(IDB_MENU_ICONS, kSilver), 1); // built: nothing changes
    EXPECT_EQ(Popup()->GetItemRecord(kOpen), record);
    HMENU old = menu.GetSafeHmenu(), oldPopup = menu.GetSubMenu(0);
    menu.ReleaseIconMenu();
    EXPECT_EQ(menu.GetSafeHmenu(), nullptr);
    EXPECT_FALSE(::IsMenu(old) || ::IsMenu(oldPopup));

    // Shown and rebuilt again and again, it keeps the drawing objects it had.
    auto cycle = [this] {
        if (IconMenu* popup = Build())
            Show(*popup, 5); // every item drawn, the first five selected once
        menu.ReleaseIconMenu();
    };
    cycle(); // first-use caches
    const DWORD before = testing_support::LiveDrawingObjects();
    for (int i = 0; i < 3; ++i)
        cycle();
    EXPECT_EQ(testing_support::LiveDrawingObjects(), before);
}

// Screen readers read each drawn item's text: it stays in the menu beside
// the owner-drawn type, and starts the item's data as MSAAMENUINFO.
TEST_F(IconMenuTest, EveryDrawnItemKeepsItsTextWhereScreenReadersReadIt)
{
    IconMenu* popup = Build();
    ASSERT_NE(popup, nullptr);
    for (int position = 0; position < popup->GetMenuItemCount(); ++position) {
        wchar_t text[256] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_STRING | MIIM_DATA;
        info.dwTypeData = text;
        info.cch = 256;
        ASSERT_TRUE(::GetMenuItemInfoW(popup->GetSafeHmenu(), position, TRUE, &info));
        const std::string expected = popup->GetItemRecord(position)->text;
        SCOPED_TRACE(expected);
        EXPECT_NE(info.fType & MFT_OWNERDRAW, 0u);
        EXPECT_EQ(fw::Utf8(text), expected);
        const auto* read = reinterpret_cast<const MSAAMENUINFO*>(info.dwItemData);
        EXPECT_EQ(read->dwMSAASignature, static_cast<DWORD>(MSAA_MENU_SIG));
        EXPECT_EQ(fw::Utf8(read->pszWText ? read->pszWText : L"", read->cchWText), expected);
    }
}

} // namespace
