// Drawing objects own their handles: nothing leaks, nothing is freed twice.
#include <gtest/gtest.h>

#include "framework/Dc.h"
#include "framework/Gdi.h"
#include "framework/ImageList.h"
#include "framework/Menu.h"
#include "res/resource.h"
#include "tests/support/GdiCount.h"

namespace {
DWORD GdiCount()
{
    return testing_support::LiveDrawingObjects();
}
} // namespace

TEST(DrawingObjects, CreateMoveAndDestroyLeaveTheGdiCountUnchanged)
{
    { // warm up anything created once per process
        CClientDC screen(nullptr);
        CMemoryDC memory(screen, 4, 4);
    }
    DWORD before = GdiCount();
    { // the count sees one more object while it lives
        CBrush probe;
        probe.CreateSolidBrush(RGB(7, 7, 7));
        ASSERT_EQ(before + 1, GdiCount());
    }
    for (int i = 0; i < 200; ++i) {
        CBrush brush;
        ASSERT_TRUE(brush.CreateSolidBrush(RGB(i, 0, 0)));
        CBrush moved(std::move(brush));
        EXPECT_TRUE(brush.IsEmpty());
        CPen pen;
        pen.CreatePen(PS_INSIDEFRAME, 1, RGB(0, i, 0));
        LOGFONTA description;
        ASSERT_TRUE(GetDefaultGuiLogFont(&description));
        description.lfWeight = 700;
        CFont font;
        font.CreateFontIndirect(&description);
        CFont other;
        other.CreateFontIndirect(&description);
        other = std::move(font); // frees other's own font
        CClientDC screen(nullptr);
        CMemoryDC memory(screen, 20, 10);
        ASSERT_TRUE(memory.IsReady());
        fw::SelectGuard selectFont(memory, other);
        fw::TextColorGuard colour(memory, RGB(1, 2, 3));
        memory.FillSolidRect(RECT{0, 0, 20, 10}, RGB(9, 9, 9));
        CBitmap bitmap;
        bitmap.CreateCompatibleBitmap(screen, 8, 8);
        CBitmap detached;
        detached.Attach(bitmap.Detach());
        CImageList list;
        list.Create(16, 16, ILC_COLOR24 | ILC_MASK, 0, 0);
    }
    EXPECT_EQ(before, GdiCount());
}

TEST(DrawingObjects, MemoryContextPutsItsOldBitmapBackAndBlitsExactly)
{
    CClientDC screen(nullptr);
    HBITMAP original;
    {
        CMemoryDC memory(screen, 8, 8);
        memory.FillSolidRect(0, 0, 8, 8, RGB(10, 20, 30));
        memory.Draw3dRect(RECT{0, 0, 8, 8}, RGB(200, 0, 0), RGB(0, 200, 0));
        EXPECT_EQ(RGB(200, 0, 0), memory.GetPixel(0, 0));
        EXPECT_EQ(RGB(200, 0, 0), memory.GetPixel(6, 0));
        EXPECT_EQ(RGB(0, 200, 0), memory.GetPixel(7, 0));
        EXPECT_EQ(RGB(0, 200, 0), memory.GetPixel(0, 7));
        EXPECT_EQ(RGB(10, 20, 30), memory.GetPixel(3, 3));

        CMemoryDC target(screen, 8, 8);
        original = static_cast<HBITMAP>(GetCurrentObject(target, OBJ_BITMAP));
        ASSERT_TRUE(memory.CopyTo(target, 0, 0));
        EXPECT_EQ(RGB(200, 0, 0), target.GetPixel(1, 0));
        EXPECT_EQ(RGB(10, 20, 30), target.GetPixel(4, 4));
    }
    EXPECT_NE(nullptr, original);
}

TEST(Menus, BoundObjectsAreFoundByHandleAndDestroyTheirMenu)
{
    HMENU handle;
    {
        CMenu menu;
        ASSERT_TRUE(menu.LoadMenu(IDR_TRAY_MENU));
        handle = menu.m_hMenu;
        EXPECT_EQ(&menu, CMenu::FromHandlePermanent(handle));
        EXPECT_EQ(1, menu.GetMenuItemCount());
        CMenu popup;
        ASSERT_TRUE(popup.Attach(menu.GetSubMenu(0)));
        EXPECT_EQ(&popup, CMenu::FromHandlePermanent(popup.m_hMenu));
        EXPECT_EQ("Open...", popup.GetMenuString(ID_MENU_OPEN, MF_BYCOMMAND));
        popup.Detach(); // destroyed with its parent menu
        EXPECT_EQ(nullptr, CMenu::FromHandlePermanent(menu.GetSubMenu(0)));
    }
    EXPECT_FALSE(IsMenu(handle));
}
