// Drawing objects own their handles: nothing leaks, nothing is freed twice,
// and a memory context puts back what it selected. (What a memory context
// draws and copies: the pixels of the icon list and the month calendar.)
#include <gtest/gtest.h>

#include "framework/Dc.h"
#include "framework/Gdi.h"
#include "framework/ImageList.h"
#include "tests/support/GdiCount.h"

using testing_support::LiveDrawingObjects;

TEST(DrawingObjects, CreatedMovedAndDestroyedLeaveNothingBehind)
{
    const HICON shared = ::LoadIconW(nullptr, MAKEINTRESOURCEW(32514)); // borrowed, kept
    const auto round = [shared](int i) {
        CBrush brush;
        ASSERT_TRUE(brush.CreateSolidBrush(RGB(i, 0, 0)));
        CBrush moved(std::move(brush));
        EXPECT_TRUE(brush.IsEmpty());
        CFont font, other;
        ASSERT_TRUE(CreateShellFont(font, 96) && CreateShellFont(other, 144, FW_BOLD));
        other = std::move(font); // frees other's own font
        CClientDC screen(nullptr);
        CMemoryDC memory(screen, 20, 10);
        fw::SelectGuard selectFont(memory, other);
        fw::TextColorGuard colour(memory, RGB(1, 2, 3));
        CBitmap bitmap, detached;
        bitmap.CreateCompatibleBitmap(screen, 16, 16);
        detached.Attach(bitmap.Detach());
        CImageList list;
        list.Create(16, 16, ILC_COLOR24 | ILC_MASK, 0, 0);
        list.Add(detached, RGB(0, 0, 0));
        CIcon icon(static_cast<HICON>(::CopyImage(shared, IMAGE_ICON, 16, 16, 0)));
        const CIcon taken(std::move(icon)), picture(list.ExtractIcon(0));
        ASSERT_FALSE(taken.IsEmpty() || picture.IsEmpty());
    };
    round(0); // anything made once per process
    const DWORD before = LiveDrawingObjects();
    {
        CBrush probe;
        probe.CreateSolidBrush(RGB(7, 7, 7));
        ASSERT_EQ(before + 1, LiveDrawingObjects()) << "the count sees each object";
    }
    for (int i = 0; i < 200; ++i)
        round(i);
    EXPECT_EQ(before, LiveDrawingObjects());
}
