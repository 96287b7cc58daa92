// Every colour the program paints reads on what it is painted on, in the
// session's colours, in dark window colours and in high contrast: a fixed
// colour (a mark) goes with a fixed one, a system colour with the system's.
// The calendar's focused day shows a frame two pixels wide that stands out
// from the day's fill by at least 3:1.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "tests/app/MainWindowFixture.h"
#include "tests/calendar/CalendarTesting.h"
#include "tests/contrast/ColourScheme.h"
#include "tests/ui/PixelTesting.h"
#include "ui/Drawing.h"

using colour_scheme::Scheme;
using pixel_testing::Pixels;

namespace {

// The colour most pixels of the area have (a text's background), and how
// far the pixel that stands out most from it stands out (the text).
COLORREF Dominant(const Pixels& p, const RECT& area)
{
    std::map<COLORREF, int> counts;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            ++counts[p(x, y)];
    auto most = counts.begin();
    for (auto i = counts.begin(); i != counts.end(); ++i)
        most = i->second > most->second ? i : most;
    return most->first;
}
double TextContrast(const Pixels& p, const RECT& area)
{
    const COLORREF background = Dominant(p, area);
    double best = 1;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            best = std::max(best, ContrastRatio(p(x, y), background));
    return best;
}
// Inside a cell's rings and focus frame: its fill and number.
RECT Number(int cell)
{
    const int x = 2 + cell % 7 * 29, y = 42 + cell / 7 * 19;
    return RECT{x + 4, y + 4, x + 25, y + 15};
}

class Readable : public calendar_testing::CalendarTest {
protected:
    Scheme scheme_;
};

// May 2004 from April 25, today May 20 (cell 25): the sample cycle marks May
// 5 to 9 (cells 10 to 14) and June 2 to 5 (38 to 41).
TEST_F(Readable, CalendarNumbersAndTheFocusFrameStandOutInEveryScheme)
{
    clock.now = COleDateTime(2004, 5, 20, 10, 0, 0);
    for (const colour_scheme::Colours* scheme :
         {static_cast<const colour_scheme::Colours*>(nullptr), &colour_scheme::kDarkScheme,
          &colour_scheme::kBlackScheme}) {
        SCOPED_TRACE(scheme ? (scheme == &colour_scheme::kDarkScheme ? "dark" : "black") : "own");
        scheme_.Set(scheme);
        MonthCalendarCtrl calendar{clock, texts};
        ASSERT_TRUE(calendar.CreateCalendar(&parent, 1110, 0, 0, TRUE, TRUE, TRUE));
        const Pixels shown = Pixels::Of(calendar);
        for (int cell : {12, 25, 40}) // marked, plain, marked next month
            EXPECT_GE(TextContrast(shown, Number(cell)), 4.5) << "cell " << cell;
        // Next month's grey number reads as the system's grey text reads on
        // the window and the face (its fill lies between them).
        const COLORREF grey = colour_scheme::System(COLOR_GRAYTEXT);
        EXPECT_GE(TextContrast(shown, Number(37)),
                  0.95 * std::min(ContrastRatio(grey, colour_scheme::System(COLOR_WINDOW)),
                                  ContrastRatio(grey, colour_scheme::System(COLOR_BTNFACE))));
        calendar.SetFocus();
        for (auto [key, cell] : {std::pair{VK_LEFT, 24}, {VK_HOME, 6}, {VK_DOWN, 13}}) {
            calendar.SendMessage(WM_KEYDOWN, key, 1);
            const Pixels focused = Pixels::Of(calendar);
            ASSERT_EQ(calendar_testing::FocusedCell(focused), cell);
            const int x = 2 + cell % 7 * 29, y = 42 + cell / 7 * 19;
            EXPECT_GE(ContrastRatio(focused(x + 2, y + 2), focused(x + 5, y + 9)), 3.0) << cell;
        }
    }
}

class ReadableWindow : public main_window_testing::MainWindowEnvironment {
protected:
    Scheme scheme_;
};

// In dark window colours: the navigation list's captions, selected or not,
// and the About page's links.
TEST_F(ReadableWindow, CaptionsAndLinksReadInDarkColours)
{
    scheme_.Set(&colour_scheme::kDarkScheme);
    CreateMain();
    main->ShowMainWindow(MainDialog::PageAbout);
    main_window_testing::PumpLikeTheProgram();
    const Pixels list = Pixels::Of(main->Navigation());
    for (int item = 0; item < main->Navigation().GetCount(); ++item) {
        RECT place{};
        main->Navigation().GetItemRect(item, &place);
        place.top = place.bottom - 16; // the caption under the icon
        EXPECT_GE(TextContrast(list, place), 4.5) << "item " << item;
    }
    HWND page = main->Sheet().GetPage(MainDialog::PageAbout)->m_hWnd;
    const Pixels about = Pixels::Of(page);
    for (int id : {IDC_ABOUT_WEB, IDC_ABOUT_MAIL}) {
        const RECT link = layout::ControlRect(page, id);
        EXPECT_GE(TextContrast(about, link), 4.5) << "link " << id;
    }
    main->ShowWindow(SW_HIDE);
}

} // namespace
