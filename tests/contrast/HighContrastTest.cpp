// Everything the program paints itself, under a high-contrast scheme set by
// the test: the system's colours only, critical days told apart without
// colour as well, decorating pictures in the window colour; and the running
// main window switching to the scheme and back as the system tells it of the
// change. The scheme is the session's (SetSysColors), so these tests run
// alone; the question whether high contrast is on is answered through the
// program's one seam, because Wine 8 has no high contrast to turn on.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "framework/Gdi.h"
#include "res/resource.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/contrast/ColourScheme.h"
#include "tests/ui/PixelTesting.h"
#include "ui/Drawing.h"
#include "ui/HighContrast.h"
#include "ui/LoadTintedBitmap.h"

using pixel_testing::Pixels;

namespace {

using colour_scheme::Scheme;
using colour_scheme::System;

class HighContrast : public ::testing::Test {
protected:
    void SetUp() override { scheme_.Set(true); }
    Scheme scheme_;
};

// A frame is a line in the button text colour with the face inside it, a
// separator a line across; the decorating stripe is all window colour.
TEST_F(HighContrast, FramesTakeTheTextColourAndDecoratingPicturesTheWindowColour)
{
    const COLORREF text = System(COLOR_BTNTEXT), face = System(COLOR_BTNFACE);
    for (int dpi : {96, 192}) {
        const int line = fw::Dpi(dpi)(1);
        const Pixels pixels = Pixels::Drawn(40, 30, RGB(1, 2, 3), [&](CDC& dc) {
            RECT frame{4, 4, 36, 26}, band{4, 15, 36, 16};
            EXPECT_TRUE(DrawSoftFrame(&dc, &frame, RGB(200, 180, 160), 0.24, fw::Dpi(dpi)) &&
                        DrawFrameSeparator(&dc, &band, RGB(200, 180, 160), 0.24, fw::Dpi(dpi)));
        });
        EXPECT_TRUE(pixels(4, 4) == text && pixels(3 + line, 3 + line) == text &&
                    pixels(35, 25) == text && pixels(4 + line, 4 + line) == face &&
                    pixels(3 + 2 * line, 20) == face && pixels(3, 3) == RGB(1, 2, 3) &&
                    pixels(20, 15) == text && pixels(20, 14 - line / 2) == face &&
                    pixels(20, 15 + line + line / 2) == face)
            << dpi;
        EXPECT_EQ(pixels.Count(RECT{4 + line, 4 + line, 36 - line, 26 - line}, text),
                  (32 - 2 * line) * line)
            << "one line across, nothing else in the text colour inside the frame";
    }
    EXPECT_EQ(LightFace(0.24), face);
    CBitmap stripe;
    BITMAP info{};
    ASSERT_TRUE(LoadTintedBitmap(IDB_STRIPE, stripe) && stripe.GetBitmap(&info));
    const RECT whole{0, 0, info.bmWidth, info.bmHeight};
    const Pixels picture = Pixels::Drawn(whole.right, whole.bottom, 0, [&](CDC& dc) {
        CDC source;
        source.CreateCompatibleDC(dc);
        fw::SelectGuard select(source, stripe);
        dc.BitBlt(0, 0, whole.right, whole.bottom, source, 0, 0, SRCCOPY);
    });
    EXPECT_EQ(picture.Count(whole, System(COLOR_WINDOW)), whole.right * whole.bottom);
}

// The running main window, switched to the scheme as the system does it (its
// colours set, every top-level window told) and back.
class Switching : public main_window_testing::MainWindowEnvironment {
protected:
    void Switch(bool on)
    {
        scheme_.Set(on);
        main_window_testing::PumpLikeTheProgram(100);
    }
    // The icon's menu as the hidden window opens it: as it first shows, and
    // with its first item selected by the keyboard.
    std::vector<Pixels> MenuShots()
    {
        std::vector<Pixels> shots;
        const auto shoot = [&](HWND menu) {
            shots.push_back(Pixels::Of(menu));
            RECT item{};
            ::GetMenuItemRect(menu, main->Tray().Menu().GetSubMenu(0), 0, &item);
            ::MapWindowPoints(nullptr, menu, reinterpret_cast<POINT*>(&item), 2);
            shots.back().From(item.left, item.top);
        };
        main_window_testing::ModalScript script(
            main_window_testing::kPopupMenu,
            {shoot, [](HWND menu) { ::PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0); }, shoot,
             [](HWND) { ::EndMenu(); }});
        main->SendMessage(WM_TRAYNOTIFY, 0, WM_RBUTTONDOWN);
        return shots;
    }
    // The calendar and the navigation list as the shown window paints them.
    std::vector<Pixels> WindowShots()
    {
        main->ShowMainWindow(MainDialog::PageMonitor);
        main->Navigation().SetFocus(); // the calendar as it looks without the focus
        main_window_testing::PumpLikeTheProgram();
        std::vector<Pixels> shots{Pixels::Of(main->Monitor().Calendar()),
                                  Pixels::Of(main->Navigation())};
        main->ShowWindow(SW_HIDE);
        main_window_testing::PumpLikeTheProgram();
        return shots;
    }

    Scheme scheme_;
};

// Pinned today, 2004-05-20, is the second of the critical days 05-19 to
// 05-23; May 2004 shows from Sunday 04-25, in cells 29 pixels wide and 19
// apart from (2, 42).
TEST_F(Switching, CalendarListAndMenuTakeTheSchemeAndGiveItBack)
{
    StoreSampleCycle();
    CreateMain();
    main->Monitor().ShowToday();
    const std::vector<Pixels> before = WindowShots(), menuBefore = MenuShots();
    Switch(true);
    const std::vector<Pixels> contrast = WindowShots(), menu = MenuShots();
    const COLORREF window = System(COLOR_WINDOW), text = System(COLOR_WINDOWTEXT),
                   high = System(COLOR_HIGHLIGHT), highText = System(COLOR_HIGHLIGHTTEXT),
                   grey = System(COLOR_GRAYTEXT), face = System(COLOR_BTNFACE),
                   faceText = System(COLOR_BTNTEXT);
    const std::vector<COLORREF> colours{window, text, high, highText, grey, face, faceText};
    const auto fixed = [&](const Pixels& pixels, const RECT& area, const RECT& spared) {
        int count = 0;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
                count += !::PtInRect(&spared, POINT{x, y}) &&
                         std::count(colours.begin(), colours.end(), pixels(x, y)) == 0;
        return count;
    };
    // Under the band (whose month buttons the theme draws): nothing but the scheme.
    const Pixels& calendar = contrast[0];
    EXPECT_EQ(fixed(calendar, RECT{0, 22, 207, 160}, RECT{}), 0);
    // w window, t text, h highlight, x highlight text: 05-19 marked and
    // framed, 05-20 (today) marked with a ring inside its frame, 05-12 plain,
    // 05-23 marked at the start of a row, 04-25 of April, the weekday line.
    calendar.Expect("89,99=t 90,100=h 117,117=t 116,116=h 118,99=t 119,100=x 120,101=h "
                    "90,81=w 89,80=w 2,118=t 3,119=h 3,43=w 2,40=t",
                    "wthx", {window, text, high, highText});
    EXPECT_GT(calendar.Count(RECT{3, 43, 30, 62}, grey), 10);         // April's 25
    EXPECT_GT(calendar.Count(RECT{90, 100, 117, 117}, highText), 10); // 19 on the mark

    // The list: Monitor selected in the highlight colours, Scheduler flat on
    // the face, each caption in its text colour; only the icons have colours
    // of their own.
    RECT first{}, second{};
    main->Navigation().GetItemRect(0, &first);
    main->Navigation().GetItemRect(1, &second);
    const Pixels& list = contrast[1];
    EXPECT_TRUE(list(0, 0) == high && list(1, 1) == high && list(0, second.top) == face);
    EXPECT_GT(list.Count(RECT{0, first.bottom - 14, first.right, first.bottom - 2}, highText), 10);
    EXPECT_GT(list.Count(RECT{0, second.bottom - 14, second.right, second.bottom - 2}, faceText),
              10);
    for (int item = 0; item < main->Navigation().GetCount(); ++item) {
        RECT place{};
        main->Navigation().GetItemRect(item, &place);
        const int left = (place.right - 32) / 2 - 1;
        const RECT icon{left, place.top + 6, left + 36, place.top + 41};
        EXPECT_EQ(fixed(list, place, icon), 0) << "item " << item;
    }

    // The menu: the menu colour throughout, the selected item in the
    // highlight colours.
    const COLORREF menuColour = System(COLOR_MENU);
    ASSERT_EQ(menu.size(), 2u);
    menu[0].Expect("0,0=m 3,3=m 22,21=m 23,0=m 60,2=m", "m", {menuColour});
    menu[1].Expect("0,0=h 1,1=h 22,20=h 100,0=h", "h", {high});
    EXPECT_GT(menu[1].Count(RECT{23, 0, 100, 22}, highText), 10);
    EXPECT_GT(menu[0].Count(RECT{23, 0, 100, 22}, System(COLOR_MENUTEXT)), 10);
    LOGBRUSH background{};
    ::GetObjectW(main->GetBackgroundBrush(), sizeof(background), &background);
    EXPECT_EQ(background.lbColor, face);

    Switch(false); // every pixel as before
    const std::vector<Pixels> after = WindowShots(), menuAfter = MenuShots();
    for (size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(after[i].Count(RECT{0, 0, 207, 1000}, 0, &before[i]), 0) << "window part " << i;
        EXPECT_EQ(menuAfter[i].Count(RECT{-200, -200, 400, 400}, 0, &menuBefore[i]), 0)
            << "menu shot " << i;
    }
}

} // namespace
