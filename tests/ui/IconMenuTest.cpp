// The icon menu on the program's own menu 134 and on hand-made menus: the
// records and sub-objects made by BuildIconMenu, measuring, the pixels of
// every kind of item, release and rebuilding, and translation before building.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/support/GdiCount.h"
#include "framework/Gdi.h"
#include "lang/LanguageManager.h"
#include "lang/ModulePath.h"
#include "res/resource.h"
#include "tests/support/Sandbox.h"
#include "tests/ui/IconMenuSurface.h"
#include "ui/Drawing.h"
#include "ui/IconMenu.h"

using icon_menu_testing::DrawnItem;

namespace {

constexpr COLORREF kSilver = RGB(192, 192, 192);
constexpr int kWidth = 140;
// Positions in the pop-up of menu 134.
constexpr int kOpen = 0;
constexpr int kHalfYear = 1;
constexpr int kFirstSeparator = 2;
constexpr int kExit = 9;

COLORREF Gutter()
{
    return LightenColor(::GetSysColor(COLOR_BTNFACE), 0.16);
}

COLORREF Separator()
{
    return DarkenColor(Gutter(), 0.18);
}

COLORREF Highlight()
{
    return ::GetSysColor(COLOR_HIGHLIGHT);
}

COLORREF MenuColour()
{
    return ::GetSysColor(COLOR_MENU);
}

class IconMenuTest : public ::testing::Test {
protected:
    // Menu 134 built as the main window builds it.
    void BuildProgramMenu()
    {
        ASSERT_TRUE(menu.LoadMenu(IDR_TRAY_MENU));
        ASSERT_EQ(menu.BuildIconMenu(IDB_MENU_ICONS, kSilver), 1);
        menu.SetItemImage(ID_MENU_OPEN, 0);
        const IconMenuItem* top = menu.GetItemRecord(0);
        ASSERT_NE(top, nullptr);
        ASSERT_NE(top->submenu, nullptr);
        popup = top->submenu.get();
    }

    MEASUREITEMSTRUCT Measure(int position, UINT presetWidth = 99)
    {
        MEASUREITEMSTRUCT item{};
        item.CtlType = ODT_MENU;
        item.itemID = popup->GetMenuItemID(position);
        item.itemWidth = presetWidth;
        item.itemData = reinterpret_cast<ULONG_PTR>(popup->GetItemRecord(position));
        popup->MeasureItem(&item);
        return item;
    }

    DrawnItem Draw(int position, UINT state, int height = 22)
    {
        return DrawnItem(*popup, position, state, kWidth, height);
    }

    IconMenu menu;
    IconMenu* popup = nullptr;
};

TEST_F(IconMenuTest, BuildingGivesEveryItemARecordAndTheSubmenuItsOwnObject)
{
    BuildProgramMenu();
    EXPECT_EQ(menu.GetOwner(), &menu);
    EXPECT_EQ(menu.GetImageSize(), 16);
    // The framework routes the pop-up's items to the sub-object.
    HMENU submenu = menu.GetSubMenu(0);
    EXPECT_EQ(CMenu::FromHandlePermanent(submenu), popup);
    EXPECT_EQ(popup->IsBuilt(), 1);
    EXPECT_EQ(popup->GetOwner(), &menu);
    EXPECT_EQ(popup->GetImageSize(), 16);

    // The top level keeps its ordinary item, the pop-up's items are owner-drawn.
    MENUITEMINFOA info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE;
    ASSERT_TRUE(::GetMenuItemInfoA(menu.GetSafeHmenu(), 0, TRUE, &info));
    EXPECT_FALSE(info.fType & MFT_OWNERDRAW);
    const char* texts[] = {"Open...",  "Half-Year...", "", "Scheduler...", "Options...", "",
                           "Web-Site", "About",        "", "Exit"};
    ASSERT_EQ(popup->GetMenuItemCount(), 10);
    for (int position = 0; position < 10; ++position) {
        SCOPED_TRACE(position);
        ASSERT_TRUE(::GetMenuItemInfoA(submenu, position, TRUE, &info));
        EXPECT_TRUE(info.fType & MFT_OWNERDRAW);
        const IconMenuItem* record = popup->GetItemRecord(position);
        ASSERT_NE(record, nullptr);
        EXPECT_EQ(record->text, texts[position]);
        EXPECT_EQ(record->submenu, nullptr);
    }
    EXPECT_EQ(menu.GetItemImage(ID_MENU_OPEN), 1);
    EXPECT_EQ(menu.GetItemImage(ID_MENU_EXIT), 0);
}

TEST_F(IconMenuTest, CommandItemsAreTwentyTwoPixelsHighAndSeparatorsThree)
{
    BuildProgramMenu();
    CFont font;
    LOGFONTA logFont{};
    ASSERT_TRUE(GetDefaultGuiLogFont(&logFont));
    font.CreateFontIndirect(&logFont);
    int widest = 0;
    for (const char* text :
         {"Open...", "Half-Year...", "Scheduler...", "Options...", "Web-Site", "About", "Exit"})
        widest = std::max(widest, GetTextWidth(font, text));
    EXPECT_EQ(popup->GetTextColumnWidth(), widest);
    EXPECT_EQ(popup->GetAcceleratorOffset(), 0);

    MEASUREITEMSTRUCT open = Measure(kOpen);
    EXPECT_EQ(open.itemHeight, 22u);
    EXPECT_EQ(open.itemWidth, static_cast<UINT>(widest + 16 + 21));
    MEASUREITEMSTRUCT separator = Measure(kFirstSeparator);
    EXPECT_EQ(separator.itemHeight, 3u);
    EXPECT_EQ(separator.itemWidth, 99u);
}

TEST_F(IconMenuTest, SeparatorIsALineOnePixelBelowItsTopFromThirtyOnePixels)
{
    BuildProgramMenu();
    DrawnItem item = Draw(kFirstSeparator, 0, 3);
    EXPECT_TRUE(item.StaysInside());
    EXPECT_EQ(item.CountOther({0, 0, 23, 3}, Gutter()), 0);
    EXPECT_EQ(item.CountOther({23, 0, kWidth, 1}, MenuColour()), 0);
    EXPECT_EQ(item.CountOther({23, 2, kWidth, 3}, MenuColour()), 0);
    EXPECT_EQ(item.CountOther({23, 1, 31, 2}, MenuColour()), 0);
    EXPECT_EQ(item.CountOther({31, 1, kWidth, 2}, Separator()), 0);
    // Selection makes no difference to a separator.
    DrawnItem selected = Draw(kFirstSeparator, ODS_SELECTED, 3);
    EXPECT_EQ(selected.At(31, 1), Separator());
    EXPECT_EQ(selected.At(0, 0), Gutter());
}

TEST_F(IconMenuTest, OpenShowsPictureZeroAndOtherCommandsAnEmptyGutter)
{
    BuildProgramMenu();
    CBitmap picture;
    ASSERT_TRUE(picture.LoadBitmap(IDB_MENU_ICONS));
    HDC pictureDc = ::CreateCompatibleDC(nullptr);
    HGDIOBJ previous = ::SelectObject(pictureDc, picture);
    DrawnItem open = Draw(kOpen, 0);
    EXPECT_TRUE(open.StaysInside());
    int shown = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            COLORREF stored = ::GetPixel(pictureDc, x, y);
            COLORREF expected = stored == kSilver ? Gutter() : stored;
            EXPECT_EQ(open.At(4 + x, 4 + y), expected) << x << "," << y;
            shown += stored != kSilver ? 1 : 0;
        }
    ::SelectObject(pictureDc, previous);
    ::DeleteDC(pictureDc);
    EXPECT_GT(shown, 20);
    // Around the picture the gutter; the text area in the menu colour.
    EXPECT_EQ(open.CountOther({0, 0, 23, 4}, Gutter()), 0);
    EXPECT_EQ(open.CountOther({0, 20, 23, 22}, Gutter()), 0);
    EXPECT_GT(open.CountOther({31, 0, kWidth, 22}, MenuColour()), 0); // the text
    EXPECT_EQ(open.CountOther({23, 0, 31, 22}, MenuColour()), 0);

    for (int position : {kHalfYear, 3, 4, 6, 7, kExit}) {
        SCOPED_TRACE(position);
        DrawnItem other = Draw(position, 0);
        EXPECT_EQ(other.CountOther({0, 0, 23, 22}, Gutter()), 0);
        EXPECT_GT(other.CountOther({31, 0, kWidth, 22}, MenuColour()), 0);
    }
}

TEST_F(IconMenuTest, AGreyedItemUsesTheSeparatorColourWithoutSelectionAndASilhouette)
{
    BuildProgramMenu();
    DrawnItem greyed = Draw(kOpen, ODS_GRAYED | ODS_SELECTED);
    EXPECT_EQ(greyed.At(0, 0), Gutter());
    EXPECT_EQ(greyed.At(kWidth - 1, 0), MenuColour());
    RECT text{31, 0, kWidth, 22};
    EXPECT_GT(greyed.Count(text, Separator()), 0);
    EXPECT_EQ(greyed.Count(text, ::GetSysColor(COLOR_MENUTEXT)), 0);
    // The picture becomes one colour on the gutter.
    COLORREF silhouette = DarkenColor(Gutter(), 0.25);
    RECT picture{4, 4, 20, 20};
    int painted = greyed.Count(picture, silhouette);
    EXPECT_GT(painted, 20);
    EXPECT_EQ(painted + greyed.Count(picture, Gutter()), 16 * 16);
}

TEST_F(IconMenuTest, TheSelectedItemIsAFramedHighlightBoxWithARaisedPicture)
{
    BuildProgramMenu();
    DrawnItem selected = Draw(kOpen, ODS_SELECTED);
    COLORREF fill = LightenColor(Highlight(), 0.7);
    for (POINT corner : {POINT{0, 0}, POINT{kWidth - 1, 0}, POINT{0, 21}, POINT{kWidth - 1, 21}})
        EXPECT_EQ(selected.At(corner.x, corner.y), Highlight());
    EXPECT_EQ(selected.At(1, 1), fill);
    EXPECT_EQ(selected.At(kWidth - 2, 20), fill);
    EXPECT_EQ(selected.Count({0, 0, kWidth, 22}, Gutter()), 0);
    // The shadow below and right of the picture, which moved up and left.
    COLORREF shadow = DarkenColor(fill, 0.25);
    EXPECT_GT(selected.Count({5, 5, 20, 20}, shadow), 0);
    EXPECT_TRUE(selected.StaysInside());
}

TEST_F(IconMenuTest, ACheckedItemShowsTheCheckBoxInsteadOfItsPicture)
{
    BuildProgramMenu();
    for (int position : {kOpen, kHalfYear}) {
        SCOPED_TRACE(position);
        DrawnItem checked = Draw(position, ODS_CHECKED);
        EXPECT_EQ(checked.At(0, 0), Gutter());
        EXPECT_EQ(checked.At(1, 1), Highlight());   // the box's frame
        EXPECT_EQ(checked.At(20, 20), Highlight()); // (1, 1, 21, 21)
        EXPECT_EQ(checked.At(21, 21), Gutter());
        COLORREF box = LightenColor(Highlight(), 0.85);
        EXPECT_EQ(checked.At(19, 19), box);
        // The check mark inside the box.
        RECT inside{2, 2, 20, 20};
        EXPECT_GT(checked.CountOther(inside, box), 5);
    }
    DrawnItem selected = Draw(kHalfYear, ODS_CHECKED | ODS_SELECTED);
    EXPECT_EQ(selected.At(19, 19), LightenColor(Highlight(), 0.5));
    DrawnItem greyed = Draw(kHalfYear, ODS_CHECKED | ODS_GRAYED);
    EXPECT_EQ(greyed.At(1, 1), Gutter());
    EXPECT_GT(greyed.Count({2, 2, 20, 20}, DarkenColor(Gutter(), 0.25)), 5);
}

TEST_F(IconMenuTest, TextsWithATabAreDrawnInTwoColumns)
{
    HMENU top = ::CreateMenu();
    HMENU sub = ::CreatePopupMenu();
    ::AppendMenuA(sub, MF_STRING, 100, "Open\tCtrl+O");
    ::AppendMenuA(sub, MF_STRING, 101, "A much longer item");
    ::AppendMenuA(top, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), "-");
    ASSERT_TRUE(menu.Attach(top));
    ASSERT_EQ(menu.BuildIconMenu(IDB_MENU_ICONS, kSilver), 1);
    popup = menu.GetItemRecord(0)->submenu.get();
    ASSERT_NE(popup, nullptr);

    CFont font;
    LOGFONTA logFont{};
    GetDefaultGuiLogFont(&logFont);
    font.CreateFontIndirect(&logFont);
    int longest = GetTextWidth(font, "A much longer item");
    int accelerator = GetTextWidth(font, "Ctrl+O");
    EXPECT_EQ(popup->GetAcceleratorOffset(), longest + 10);
    EXPECT_EQ(popup->GetTextColumnWidth(), longest + accelerator + 10);
    EXPECT_EQ(popup->GetItemRecord(0)->text, "Open\tCtrl+O");

    int width = popup->GetTextColumnWidth() + 16 + 21;
    DrawnItem item(*popup, 0, 0, width, 22);
    int column = 31 + popup->GetAcceleratorOffset();
    EXPECT_GT(item.CountOther({31, 0, column - 10, 22}, MenuColour()), 0);
    EXPECT_EQ(item.CountOther({column - 10, 0, column, 22}, MenuColour()), 0);
    EXPECT_GT(item.CountOther({column, 0, width, 22}, MenuColour()), 0);

    std::string text;
    std::string rest;
    EXPECT_TRUE(SplitMenuText("Open\tCtrl+O\tX", &text, &rest));
    EXPECT_EQ(text, "Open");
    EXPECT_EQ(rest, "Ctrl+O\tX");
    EXPECT_FALSE(SplitMenuText("Exit\t", &text, &rest));
    EXPECT_EQ(text, "Exit");
}

TEST_F(IconMenuTest, BuildingTwiceChangesNothing)
{
    BuildProgramMenu();
    const IconMenuItem* record = popup->GetItemRecord(kOpen);
    EXPECT_EQ(menu.BuildIconMenu(IDB_MENU_ICONS, kSilver), 1);
    EXPECT_EQ(menu.BuildIconMenu(9999, kSilver), 1);
    EXPECT_EQ(menu.GetItemRecord(0)->submenu.get(), popup);
    EXPECT_EQ(popup->GetItemRecord(kOpen), record);
    EXPECT_EQ(menu.GetItemImage(ID_MENU_OPEN), 1);
}

TEST_F(IconMenuTest, AfterReleaseANewMenuCanBeAttachedAndBuilt)
{
    BuildProgramMenu();
    HMENU old = menu.GetSafeHmenu();
    HMENU oldPopup = menu.GetSubMenu(0);
    menu.ReleaseIconMenu();
    EXPECT_EQ(menu.GetSafeHmenu(), nullptr);
    EXPECT_FALSE(::IsMenu(old));
    EXPECT_FALSE(::IsMenu(oldPopup));
    EXPECT_EQ(menu.IsBuilt(), 0);
    EXPECT_EQ(menu.GetOwner(), nullptr);
    EXPECT_EQ(menu.GetItemImage(ID_MENU_OPEN), 0);

    BuildProgramMenu();
    EXPECT_EQ(menu.GetItemImage(ID_MENU_OPEN), 1);
    EXPECT_EQ(popup->GetItemRecord(kExit)->text, "Exit");
}

TEST_F(IconMenuTest, AMissingPictureLeavesTheMenuOrdinaryAndALaterBuildWorks)
{
    ASSERT_TRUE(menu.LoadMenu(IDR_TRAY_MENU));
    EXPECT_EQ(menu.BuildIconMenu(9999, kSilver), 0);
    EXPECT_EQ(menu.GetItemRecord(0), nullptr);
    EXPECT_EQ(CMenu::FromHandlePermanent(menu.GetSubMenu(0)), nullptr);
    menu.SetItemImage(ID_MENU_OPEN, 0);
    EXPECT_EQ(menu.GetItemImage(ID_MENU_OPEN), 0);
    menu.ReleaseIconMenu(); // not built: nothing to release
    EXPECT_NE(menu.GetSafeHmenu(), nullptr);

    EXPECT_EQ(menu.BuildIconMenu(IDB_MENU_ICONS, kSilver), 1);
    menu.SetItemImage(ID_MENU_OPEN, 0);
    EXPECT_EQ(menu.GetItemImage(ID_MENU_OPEN), 1);
}

TEST_F(IconMenuTest, WithoutAMenuNothingIsBuilt)
{
    EXPECT_EQ(menu.BuildIconMenu(IDB_MENU_ICONS, kSilver), 0);
    menu.ReleaseIconMenu();
    EXPECT_EQ(menu.GetItemImage(ID_MENU_OPEN), 0);
}

// Item data that no item of the menu carries is not taken for a record.
TEST_F(IconMenuTest, ADrawingRequestWithForeignItemDataDrawsNoText)
{
    BuildProgramMenu();
    char foreign[64] = "not a record";
    icon_menu_testing::Surface surface(kWidth, 22);
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_MENU;
    item.itemID = ID_MENU_HALFYEAR;
    item.hDC = surface.Dc();
    item.rcItem = RECT{0, 0, kWidth, 22};
    item.itemData = reinterpret_cast<ULONG_PTR>(foreign);
    popup->DrawItem(&item);
    EXPECT_EQ(surface.At(0, 0), Gutter());
    for (int x = 23; x < kWidth; ++x)
        for (int y = 0; y < 22; ++y)
            ASSERT_EQ(surface.At(x, y), MenuColour()) << x << "," << y;
}

TEST_F(IconMenuTest, AMenuTranslatedBeforeBuildingKeepsTheTranslatedTexts)
{
    testing_support::TempFolder folder;
    ModulePath::OverrideModuleFileName(folder.File("velindra.exe"));
    folder.Write("deutsch.lng", "[MenuID_134]\r\nID_32771=\326ffnen...\r\n"
                                "ID_32777=Beenden\r\n");
    LanguageManager language;
    language.SetLanguage("deutsch");
    ASSERT_TRUE(menu.LoadMenu(IDR_TRAY_MENU));
    EXPECT_TRUE(language.TranslateMenu(true, &menu, IDR_TRAY_MENU));
    ASSERT_EQ(menu.BuildIconMenu(IDB_MENU_ICONS, kSilver), 1);
    popup = menu.GetItemRecord(0)->submenu.get();
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->GetItemRecord(kOpen)->text, "\326ffnen...");
    EXPECT_EQ(popup->GetItemRecord(kHalfYear)->text, "Half-Year...");
    EXPECT_EQ(popup->GetItemRecord(kExit)->text, "Beenden");

    // A second translation leaves the converted items alone.
    ModulePath::OverrideModuleFileName(folder.File("velindra.exe"));
    language.TranslateMenu(true, &menu, IDR_TRAY_MENU);
    MENUITEMINFOA info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_DATA;
    ASSERT_TRUE(::GetMenuItemInfoA(menu.GetSubMenu(0), kExit, TRUE, &info));
    EXPECT_TRUE(info.fType & MFT_OWNERDRAW);
    EXPECT_EQ(info.dwItemData, reinterpret_cast<ULONG_PTR>(popup->GetItemRecord(kExit)));
    ModulePath::ResetModuleFileName();
}

TEST_F(IconMenuTest, BuildingAndReleasingKeepsTheDrawingObjectCount)
{
    auto cycle = [this] {
        BuildProgramMenu();
        for (int position = 0; position < 10; ++position)
            for (UINT state : {0u, UINT(ODS_SELECTED), UINT(ODS_GRAYED), UINT(ODS_CHECKED),
                               UINT(ODS_CHECKED | ODS_GRAYED), UINT(ODS_SELECTED | ODS_DEFAULT)})
                Draw(position, state, position == 2 || position == 5 || position == 8 ? 3 : 22);
        menu.ReleaseIconMenu();
    };
    cycle(); // first-use caches
    DWORD before = testing_support::LiveDrawingObjects();
    EXPECT_GT(before, 0u);
    for (int i = 0; i < 20; ++i)
        cycle();
    EXPECT_EQ(testing_support::LiveDrawingObjects(), before);
}

} // namespace
