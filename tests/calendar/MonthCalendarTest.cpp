// The month calendar on real windows: its six-week grids and range message,
// the months it takes and steps to with its buttons and keys, the marks its
// parent sets, and its pixels: every cell compared with what its day must
// look like, the band and weekday row with plain drawing calls, the focus.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "framework/DateFormat.h"
#include "tests/calendar/CalendarTesting.h"
#include "tests/support/AccessibleClient.h"
#include "tests/support/LanguageHost.h"
#include "tests/support/LanguageText.h"
#include "tests/support/Sandbox.h"
#include "tests/ui/PixelTesting.h"
#include "ui/Drawing.h"

using namespace calendar_testing;
using namespace pixel_testing;

namespace {

COLORREF Sys(int index)
{
    return ::GetSysColor(index);
}

// The marked days of a grid, as cell numbers.
std::set<int> Marked(const MonthCalendarCtrl& calendar)
{
    std::set<int> marked;
    for (int i = 0; i < 42; ++i)
        if (calendar.GetCell(i / 7, i % 7)->colour == CRITICAL_DAY_COLOR)
            marked.insert(i);
    return marked;
}

// The month steps are model/MonthGrid's; the window's part: its buttons and
// Page Up and Page Down take them, to the range's ends and no further, each
// new month with its request for marks; a calendar without buttons leaves
// the keys to its parent, and the buttons talk to the calendar only.
TEST_F(CalendarTest, ItsButtonsAndKeysStepTheMonthToTheEndsOfTheRange)
{
    MonthCalendarCtrl calendar{clock, texts}, bare{clock, texts};
    EXPECT_EQ(calendar.SetMonth(COleDateTime(2004, 5, 1, 0, 0, 0)), 0); // no window yet
    ASSERT_TRUE(calendar.CreateCalendar(&parent, 1110, 0, 0, TRUE, TRUE, TRUE,
                                        COleDateTime(1973, 1, 20, 8, 0, 0)));
    ASSERT_TRUE(bare.CreateCalendar(&parent, 1111, 210, 0, FALSE, TRUE, TRUE));
    for (int press = 0; press < 2; ++press)
        ::SendMessageA(calendar.GetDlgItem(IDC_CAL_PREV_MONTH), BM_CLICK, 0, 0);
    EXPECT_EQ(calendar.GetShownDate(), COleDateTime(1972, 12, 1, 0, 0, 0));
    ASSERT_EQ(calendar.SetMonth(COleDateTime(9999, 9, 30, 23, 0, 0)), 1);
    for (WPARAM key : {VK_NEXT, VK_NEXT, VK_NEXT, VK_PRIOR})
        calendar.SendMessage(WM_KEYDOWN, key, 1);
    ::SendMessageA(calendar.GetDlgItem(IDC_CAL_NEXT_MONTH), BM_CLICK, 0, 0);
    EXPECT_EQ(calendar.GetShownDate(), COleDateTime(9999, 11, 1, 0, 0, 0));
    EXPECT_EQ(requests.size(), 8u); // made (2), "<", the month set, Page Down twice, Page Up, ">"
    bare.SendMessage(WM_KEYDOWN, VK_NEXT, 1);
    EXPECT_EQ(bare.GetShownDate().GetMonth(), 3);
    EXPECT_EQ(commands, 0);
    ASSERT_TRUE(calendar.CreateCalendar(&parent, 1110, 0, 0, FALSE, TRUE, TRUE));
    EXPECT_EQ(calendar.GetDlgItem(IDC_CAL_PREV_MONTH), nullptr); // made again without buttons
}

// Each calendar asks for the marks of its own grid at every rebuild (the
// grid is model/MonthGrid's); they land on their dates.
TEST_F(CalendarTest, EachRebuildAsksForTheMarksOfItsOwnGridAndTheyLandOnTheirDates)
{
    MonthCalendarCtrl march{clock, texts}, july{clock, texts};
    ASSERT_TRUE(march.CreateCalendar(&parent, 1111, 0, 0, FALSE, TRUE, FALSE));
    ASSERT_TRUE(july.CreateCalendar(&parent, 1112, 208, 0, FALSE, FALSE, FALSE));
    ASSERT_EQ(requests.size(), 2u); // one each, naming itself and its first and last day
    EXPECT_TRUE(requests[0].sender == &march && requests[1].sender == &july);
    EXPECT_TRUE(requests[0].first == COleDateTime(2004, 2, 29, 0, 0, 1) &&
                requests[0].last == COleDateTime(2004, 4, 10, 0, 0, 1));
    // March 2004 from Feb 29: March 10 to 14 and April 7 to 10, hidden or not.
    EXPECT_EQ(Marked(march), (std::set<int>{10, 11, 12, 13, 14, 38, 39, 40, 41}));
    EXPECT_EQ(march.GetDayColor(COleDateTime(2004, 3, 10, 23, 59, 59)), CRITICAL_DAY_COLOR);
    EXPECT_EQ(march.GetDayColor(COleDateTime(2004, 4, 11, 0, 0, 1)), 0u); // not in the grid
    EXPECT_EQ(march.SetDayColor(COleDateTime(2004, 2, 28, 0, 0, 0), RGB(1, 2, 3)), 0);
    EXPECT_EQ(march.SetDayColor(COleDateTime(2004, 2, 29, 18, 0, 0), RGB(1, 2, 3)), 1);
    EXPECT_EQ(Cell(march, 0).colour, RGB(1, 2, 3));

    // One calendar refuses its month: no request; the other gets its own.
    requests.clear();
    EXPECT_EQ(march.SetMonth(COleDateTime(9999, 12, 1, 0, 0, 0)), 0);
    ASSERT_EQ(july.SetMonth(COleDateTime(2004, 7, 15, 0, 0, 0)), 1);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].sender, &july);
    // July 2004 from Jun 27: June 30 to July 4 and July 28 to August 1.
    EXPECT_EQ(Marked(july), (std::set<int>{3, 4, 5, 6, 7, 31, 32, 33, 34, 35}));

    StoreSampleCycle(COleDateTime(2004, 3, 20, 0, 0, 0));
    march.Refresh(); // the old marks go, the new ones come
    EXPECT_EQ(Marked(march), (std::set<int>{20, 21, 22, 23, 24}));
    EXPECT_EQ(Cell(march, 0).colour, 0u);
    mark = false;
    march.Refresh();
    EXPECT_TRUE(Marked(march).empty());

    // The parent cannot restart the refresh it is serving.
    mark = true;
    int nested = -1;
    onRequest = [&](MonthCalendarCtrl* sender) {
        sender->Refresh();
        nested = sender->SetMonth(COleDateTime(2010, 5, 5, 0, 0, 0));
    };
    requests.clear();
    march.Refresh();
    EXPECT_EQ(requests.size(), 1u);
    EXPECT_EQ(nested, 0);
    EXPECT_EQ(march.GetShownDate().GetMonth(), 3);
}

// What a day's cell must look like, from its date alone: its background (the
// mark, the month's or a neighbour's), its number's colour and today's ring.
void ExpectCell(Pixels p, int index, const COleDateTime& day, int month, bool shown, bool marked,
                const COleDateTime& now)
{
    const int x = 2 + (index % 7) * 29, y = 42 + (index / 7) * 19;
    const bool inMonth = day.GetMonth() == month;
    const bool today = shown && day.DayNumber() == now.DayNumber();
    const COLORREF back = !shown                            ? Sys(COLOR_WINDOW)
                          : marked && SampleOffset(day) < 5 ? CRITICAL_DAY_COLOR
                          : inMonth                         ? Sys(COLOR_WINDOW)
                                                            : LightenColor(Sys(COLOR_BTNFACE), 0.5);
    SCOPED_TRACE(testing::Message() << "cell " << index);
    if (!shown) { // not a pixel of number, mark or ring
        EXPECT_EQ(p.Count({x, y, x + 29, y + (index < 35 ? 19 : 20)}, back),
                  29 * (index < 35 ? 19 : 20));
        return;
    }
    const COLORREF ring = today ? Sys(COLOR_HIGHLIGHT) : back;
    const COLORREF inner = today ? LightenColor(Sys(COLOR_HIGHLIGHT), 0.5) : back;
    p.From(x, y).Expect(index < 35 ? "3,9=b 25,9=b 3,3=b 25,15=b" : "3,9=b 25,9=b 14,19=b", "b",
                        {back});
    p.Expect("0,9=r 28,9=r 14,0=r 14,18=r 0,0=r 28,18=r 1,9=i 27,9=i 14,1=i 14,17=i", "ri",
             {ring, inner});
    // The number in the system's text colours, on a mark in black (greyed
    // towards the mark in a neighbour's day).
    const COLORREF number = back != CRITICAL_DAY_COLOR
                                ? Sys(inMonth ? COLOR_BTNTEXT : COLOR_GRAYTEXT)
                            : inMonth ? RGB(0, 0, 0)
                                      : MixColors(RGB(0, 0, 0), back, 0.4);
    EXPECT_GT(p.Count({6, 3, 23, 17}, number), 0);
}

// February 2004 with its neighbours' days (today, March 12, a marked trailing
// day), March 2004 without trailing days, and the latter again once today
// has moved into an empty cell and nothing is marked.
TEST_F(CalendarTest, EveryCellIsPaintedAsItsDayMustLook)
{
    MonthCalendarCtrl february{clock, texts}, march{clock, texts};
    ASSERT_TRUE(february.CreateCalendar(&parent, 1111, 0, 0, FALSE, TRUE, TRUE));
    ASSERT_EQ(february.SetMonth(COleDateTime(2004, 2, 1, 0, 0, 0)), 1);
    ASSERT_TRUE(march.CreateCalendar(&parent, 1112, 210, 0, FALSE, TRUE, FALSE));
    for (auto [calendar, month, trailing, marked] : {std::tuple{&february, 2, true, true},
                                                     {&march, 3, false, true},
                                                     {&march, 3, false, false}}) {
        if (!marked) {
            clock.now = COleDateTime(2004, 4, 2, 8, 0, 0);
            mark = false;
            march.Refresh();
        }
        Pixels p = Pixels::Of(*calendar);
        const COLORREF face = Sys(COLOR_BTNFACE);
        p.Expect("0,0=c 206,0=c 0,159=c 206,159=c 1,0=o 0,1=o 100,159=o 206,80=o 1,1=i 205,1=i "
                 "1,158=i 205,158=i 2,2=h 204,21=h 2,22=w 204,39=w",
                 "coihw",
                 {LightenColor(face, 0.24), DarkenColor(face, 0.15), DarkenColor(face, 0.05),
                  Sys(COLOR_HIGHLIGHT), Sys(COLOR_WINDOW)});
        EXPECT_EQ(p.Count({2, 40, 205, 42}, face), 2 * 203);            // under the weekdays
        EXPECT_EQ(p.Count({2, 157, 205, 158}, Sys(COLOR_WINDOW)), 203); // never a cell's
        for (int i = 0; i < 42; ++i) {
            const COleDateTime day = calendar->GetCell(i / 7, i % 7)->date;
            const bool after = day.GetMonth() != month && i > 7;
            ExpectCell(p, i, day, month, day.GetMonth() == month || !after || trailing, marked,
                       clock.now);
        }
    }
}

// The band and the weekday row as plain drawing calls make them: the month
// and year in bold, Sunday to Saturday whatever the day today (a Friday).
TEST_F(CalendarTest, BandAndWeekdayRowAsPlainDrawingMakesThem)
{
    MonthCalendarCtrl calendar{clock, texts};
    ASSERT_TRUE(calendar.CreateCalendar(&parent, 1111, 0, 0, FALSE, TRUE, TRUE));
    const Pixels reference = Pixels::Drawn(207, 160, Sys(COLOR_WINDOW), [](CDC& dc) {
        dc.FillSolidRect(RECT{2, 2, 205, 22}, Sys(COLOR_HIGHLIGHT));
        dc.FillSolidRect(RECT{2, 40, 205, 42}, Sys(COLOR_BTNFACE));
        DrawGuiText(dc, true, Sys(COLOR_CAPTIONTEXT), RECT{2, 2, 205, 22}, "March 2004");
        const char* names[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
        for (int c = 0; c < 7; ++c)
            DrawGuiText(dc, false, Sys(COLOR_HIGHLIGHT), RECT{2 + c * 29, 22, 31 + c * 29, 42},
                        names[c]);
    });
    EXPECT_EQ(Pixels::Of(calendar).Count({2, 2, 205, 40}, 0, &reference), 0);
}

// A language's band in the year-month pattern of its locale, as a screen
// reader hears the calendar, and the weekday row (from Sunday) in the
// abbreviated names, the shortest where those do not fit (Polish "niedz.").
// (That every name fits its column: the translations' tour.)
TEST_F(CalendarTest, BandAndWeekdayNamesInTheFormsOfEachLanguage)
{
    const struct {
        const char* language;
        const char* band;
        const char* sunday;
    } languages[] = {
        {"english", "May 2004", "Sun"},
        {"spanish", "mayo de 2004", "dom"},
        {"russian", "\u043C\u0430\u0439 2004\u00A0\u0433.", "\u0432\u0441"},
        {"polish", "maj 2004", "nie"},
        {"japanese", "2004\u5E745\u6708", "\u65E5"},
    };
    for (const auto& l : languages) {
        testing_support::LanguageHost host(
            l.language, testing_support::ShippedLanguageText(std::string(l.language) + ".lng"));
        MonthCalendarCtrl calendar{clock, host.language};
        ASSERT_TRUE(calendar.CreateCalendar(&parent, 1110, 0, 0, TRUE, TRUE, TRUE));
        ASSERT_EQ(calendar.SetMonth(COleDateTime(2004, 5, 15, 0, 0, 0)), 1);
        EXPECT_EQ(calendar.MonthBandText(), l.band) << l.language;
        EXPECT_EQ(testing_support::Client(calendar).Name(), calendar.MonthBandText());
        EXPECT_EQ(calendar.WeekdayNames(nullptr, 29).at(0), l.sunday) << l.language;
    }
    fw::SetDateLocale("");
}

// The picture follows what it shows: another month, the names of another
// language; back again, it is the first pixel for pixel, the month buttons
// included (they are left alone while the month changes under them).
TEST_F(CalendarTest, ThePictureFollowsItsMonthAndItsNames)
{
    MonthCalendarCtrl calendar{clock, texts};
    ASSERT_TRUE(calendar.CreateCalendar(&parent, 1110, 0, 0, TRUE, TRUE, TRUE));
    const Pixels march = Pixels::Of(calendar);
    const RECT all{0, 0, 207, 160}, band{2, 2, 205, 40}, names{2, 22, 205, 40};
    for (int month : {4, 3}) {
        ASSERT_EQ(calendar.SetMonth(COleDateTime(2004, month, 1, 0, 0, 0)), 1);
        EXPECT_EQ(Pixels::Of(calendar).Count(all, 0, &march) > 0, month == 4) << month;
    }
    for (const char* locale : {"de-DE", ""}) {
        fw::SetDateLocale(locale);
        calendar.Refresh();
        const Pixels now = Pixels::Of(calendar);
        EXPECT_EQ(now.Count(names, 0, &march) > 0, *locale != 0) << locale;
        EXPECT_EQ(now.Count(all, 0, &march), now.Count(band, 0, &march)) << locale;
    }
}

// At another scale the calendar grows, its buttons and lines with it.
TEST_F(CalendarTest, AtAnotherScaleItAndItsButtonsGrow)
{
    MonthCalendarCtrl calendar{clock, texts};
    ASSERT_TRUE(calendar.CreateCalendar(&parent, 1110, 0, 0, TRUE, TRUE, TRUE));
    calendar.UpdateWindow(); // its picture made at 96 dpi first
    ::SetFocus(calendar.GetDlgItem(IDC_CAL_NEXT_MONTH));
    calendar.ApplyDpi(192);
    EXPECT_EQ(::GetFocus(), calendar.m_hWnd); // not lost with the button made anew
    ::SetFocus(parent);
    for (auto [id, left] : {std::pair{IDC_CAL_PREV_MONTH, 6}, {IDC_CAL_NEXT_MONTH, 356}}) {
        const RECT place = layout::ControlRect(calendar, id), expected{left, 6, left + 52, 42};
        EXPECT_TRUE(::EqualRect(&place, &expected)) << id; // over the band's ends
    }
    // Saturday's name centred over the last column (352 to 410), and today's
    // ring two pixels thick round Friday, March 12 (row 1, column 5).
    const Pixels shown = Pixels::Of(calendar);
    int first = 414, last = 0;
    for (int y = 46; y < 80; ++y)
        for (int x = 352; x < 410; ++x)
            if (shown(x, y) == Sys(COLOR_HIGHLIGHT))
                first = std::min(first, x), last = std::max(last, x);
    EXPECT_NEAR(first + last, 2 * 381, 2);
    shown.Expect("294,141=h 295,141=h 350,141=h 351,141=h 320,123=h", "h", {Sys(COLOR_HIGHLIGHT)});
}

} // namespace
