// The month calendar's pixels: read back from the real window after it has
// painted, and compared cell by cell with what each day should look like.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/Dc.h"
#include "framework/Gdi.h"
#include "tests/calendar/MonthCalendarTestParent.h"
#include "ui/Drawing.h"

using namespace calendar_tests;

namespace {

constexpr int W = MonthCalendarCtrl::kWidth;
constexpr int H = MonthCalendarCtrl::kHeight;
constexpr UINT kTextFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE;

// The pixels of a W x H area, copied out of a device context.
class Picture {
public:
    explicit Picture(HDC source)
    {
        CMemoryDC copy(source, W, H);
        copy.BitBlt(0, 0, W, H, source, 0, 0, SRCCOPY);
        pixels_.resize(W * H);
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x)
                pixels_[y * W + x] = copy.GetPixel(x, y);
    }
    // What the window shows once it has painted.
    static Picture Of(HWND window)
    {
        ::UpdateWindow(window);
        CClientDC dc(window);
        return Picture(dc);
    }
    COLORREF operator()(int x, int y) const { return pixels_[y * W + x]; }
    bool Contains(RECT area, COLORREF colour) const
    {
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
                if ((*this)(x, y) == colour)
                    return true;
        return false;
    }
    bool Equals(const Picture& other, RECT area) const
    {
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
                if ((*this)(x, y) != other(x, y))
                    return false;
        return true;
    }

private:
    std::vector<COLORREF> pixels_;
};

COLORREF Sys(int index)
{
    return ::GetSysColor(index);
}

// What one day of a grid must look like, worked out from its date alone.
struct DayLook {
    bool shown, inMonth, critical, today;
    COLORREF Background() const
    {
        if (!shown)
            return Sys(COLOR_WINDOW);
        if (critical)
            return CRITICAL_DAY_COLOR;
        return inMonth ? Sys(COLOR_WINDOW) : LightenColor(Sys(COLOR_BTNFACE), 0.5);
    }
    COLORREF Text() const { return inMonth ? Sys(COLOR_BTNTEXT) : Sys(COLOR_GRAYTEXT); }
};

DayLook LookOf(const COleDateTime& day, int month, bool leading, bool trailing,
               const COleDateTime& today)
{
    const int64_t start = COleDateTime(2004, 3, 10, 0, 0, 0).DayNumber();
    const int64_t phase = ((day.DayNumber() - start) % 28 + 28) % 28;
    DayLook look{};
    look.inMonth = day.GetMonth() == month;
    const bool before = !look.inMonth && (day.GetMonth() % 12) + 1 == month;
    look.shown = look.inMonth || (before ? leading : trailing);
    look.critical = phase < 5;
    look.today = look.shown && SameDay(day, today);
    return look;
}

void ExpectCell(const Picture& p, int index, const DayLook& look)
{
    const int x = 2 + (index % 7) * 29, y = 42 + (index / 7) * 19;
    const bool lastRow = index >= 35;
    const COLORREF back = look.Background();
    SCOPED_TRACE("cell " + std::to_string(index));
    if (!look.shown) { // empty: not a single pixel of number, mark or ring
        for (int yy = y; yy < y + (lastRow ? 20 : 19); ++yy)
            for (int xx = x; xx < x + 29; ++xx)
                ASSERT_EQ(back, p(xx, yy)) << xx << "," << yy;
        return;
    }
    // Away from the number: the background up to the cell's edges.
    EXPECT_EQ(back, p(x + 3, y + 9));
    EXPECT_EQ(back, p(x + 25, y + 9));
    EXPECT_EQ(back, p(x + 3, y + 3));
    EXPECT_EQ(back, p(x + 25, y + 15));
    if (lastRow) {
        EXPECT_EQ(back, p(x + 14, y + 19));
    }
    // The number in the middle, in the text colour.
    EXPECT_TRUE(p.Contains(RECT{x + 6, y + 3, x + 23, y + 17}, look.Text()));
    const COLORREF outer = look.today ? Sys(COLOR_HIGHLIGHT) : back;
    const COLORREF inner = look.today ? LightenColor(Sys(COLOR_HIGHLIGHT), 0.5) : back;
    for (POINT pt : {POINT{x, y + 9}, POINT{x + 28, y + 9}, POINT{x + 14, y}, POINT{x + 14, y + 18},
                     POINT{x, y}, POINT{x + 28, y + 18}})
        EXPECT_EQ(outer, p(pt.x, pt.y)) << pt.x << "," << pt.y;
    for (POINT pt :
         {POINT{x + 1, y + 9}, POINT{x + 27, y + 9}, POINT{x + 14, y + 1}, POINT{x + 14, y + 17}})
        EXPECT_EQ(inner, p(pt.x, pt.y)) << pt.x << "," << pt.y;
}

void ExpectFrameBandAndRows(const Picture& p)
{
    const COLORREF face = Sys(COLOR_BTNFACE);
    for (POINT pt : {POINT{0, 0}, POINT{W - 1, 0}, POINT{0, H - 1}, POINT{W - 1, H - 1}})
        EXPECT_EQ(LightenColor(face, 0.24), p(pt.x, pt.y)) << pt.x << "," << pt.y;
    for (POINT pt : {POINT{1, 0}, POINT{0, 1}, POINT{100, H - 1}, POINT{W - 1, 80}})
        EXPECT_EQ(DarkenColor(face, 0.15), p(pt.x, pt.y)) << pt.x << "," << pt.y;
    for (POINT pt : {POINT{1, 1}, POINT{W - 2, 1}, POINT{1, H - 2}, POINT{W - 2, H - 2}})
        EXPECT_EQ(DarkenColor(face, 0.05), p(pt.x, pt.y)) << pt.x << "," << pt.y;
    // The band with its text, the weekday row with its names and line.
    for (POINT pt : {POINT{2, 2}, POINT{W - 3, 21}, POINT{20, 12}})
        EXPECT_EQ(Sys(COLOR_HIGHLIGHT), p(pt.x, pt.y));
    EXPECT_TRUE(p.Contains(RECT{60, 4, 150, 20}, Sys(COLOR_CAPTIONTEXT)));
    for (POINT pt : {POINT{2, 22}, POINT{W - 3, 39}, POINT{3, 30}})
        EXPECT_EQ(Sys(COLOR_WINDOW), p(pt.x, pt.y));
    for (int c = 0; c < 7; ++c)
        EXPECT_TRUE(p.Contains(RECT{2 + c * 29, 24, 31 + c * 29, 40}, Sys(COLOR_HIGHLIGHT))) << c;
    for (int x = 2; x < W - 2; ++x) {
        EXPECT_EQ(face, p(x, 40)) << x;
        EXPECT_EQ(face, p(x, 41)) << x;
        EXPECT_EQ(Sys(COLOR_WINDOW), p(x, 157)) << x; // never covered by a cell
    }
}

void ExpectMonth(const MonthCalendarCtrl& calendar, int month, bool leading, bool trailing)
{
    const Picture p = Picture::Of(calendar);
    ExpectFrameBandAndRows(p);
    const COleDateTime today = COleDateTime::GetCurrentTime();
    for (int i = 0; i < MonthCalendarCtrl::kCellCount; ++i)
        ExpectCell(p, i, LookOf(Cell(calendar, i).date, month, leading, trailing, today));
}

} // namespace

TEST_F(CalendarTest, MarkedMonthPaintsEveryKindOfCell)
{
    // February 2004 (Feb 1 a Sunday): the trailing March 10 to 13 are critical
    // days of the next month, and today (March 12) is one of them.
    MonthCalendarCtrl february;
    ASSERT_TRUE(february.CreateCalendar(&parent, 1111, 0, 0, FALSE, TRUE, TRUE));
    ASSERT_EQ(1, february.SetMonth(COleDateTime(2004, 2, 1, 0, 0, 0)));
    ExpectMonth(february, 2, true, true);

    // March 2004 without trailing days: April 7 to 10 are marked but empty;
    // today is a critical day of the month.
    MonthCalendarCtrl march;
    ASSERT_TRUE(march.CreateCalendar(&parent, 1112, 210, 0, FALSE, TRUE, FALSE));
    ExpectMonth(march, 3, true, false);

    // Today in an empty cell: no ring.
    fw::PinClock(COleDateTime(2004, 4, 2, 8, 0, 0));
    march.Refresh();
    ExpectMonth(march, 3, true, false);
}

TEST_F(CalendarTest, PaintingWithButtonsKeepsThemOverTheBand)
{
    MonthCalendarCtrl calendar;
    ASSERT_TRUE(calendar.CreateCalendar(&parent, 1110, 0, 170, TRUE, TRUE, TRUE));
    const Picture p = Picture::Of(calendar);
    // Between the buttons the band; beside them the band shows on its edges.
    EXPECT_EQ(Sys(COLOR_HIGHLIGHT), p(40, 10));
    EXPECT_EQ(Sys(COLOR_HIGHLIGHT), p(2, 10));
    EXPECT_EQ(Sys(COLOR_HIGHLIGHT), p(W - 3, 10));
    EXPECT_NE(Sys(COLOR_HIGHLIGHT), p(16, 12)); // the "<" button's face
}

namespace {

// A calendar whose locale cannot name months.
class NamelessMonths : public MonthCalendarCtrl {
public:
    int GetDateName(const COleDateTime& date, DateNamePart part, DateNameLength length,
                    std::string& text) const override
    {
        if (part == MonthName) {
            text.clear();
            return 0;
        }
        return MonthCalendarCtrl::GetDateName(date, part, length, text);
    }
};

// The band as the calendar must draw it, made with the plain drawing calls.
Picture ReferenceBand(HDC screen, const std::string& text)
{
    LOGFONTA logFont{};
    GetDefaultGuiLogFont(&logFont);
    logFont.lfWeight = FW_BOLD;
    CFont bold;
    bold.CreateFontIndirect(&logFont);
    CMemoryDC dc(screen, W, H);
    dc.FillSolidRect(RECT{0, 0, W, H}, RGB(1, 2, 3));
    fw::SelectGuard font(dc, bold);
    RECT band{2, 2, W - 2, 22};
    dc.FillSolidRect(band, Sys(COLOR_HIGHLIGHT));
    dc.SetTextColor(Sys(COLOR_CAPTIONTEXT));
    dc.SetBkMode(TRANSPARENT);
    dc.DrawText(text, &band, kTextFormat);
    return Picture(dc);
}

Picture DrawnBand(MonthCalendarCtrl& calendar, HDC screen)
{
    CMemoryDC dc(screen, W, H);
    dc.FillSolidRect(RECT{0, 0, W, H}, RGB(1, 2, 3));
    const RECT band{2, 2, W - 2, 22};
    calendar.DrawHeader(&dc, &band);
    return Picture(dc);
}

} // namespace

TEST_F(CalendarTest, BandShowsMonthAndYearOrOnlyTheYearWhenTheMonthHasNoName)
{
    MonthCalendarCtrl named;
    NamelessMonths nameless;
    ASSERT_TRUE(named.CreateCalendar(&parent, 1111, 0, 0, FALSE, TRUE, TRUE));
    ASSERT_TRUE(nameless.CreateCalendar(&parent, 1112, 210, 0, FALSE, TRUE, TRUE));
    CClientDC screen(nullptr);
    const RECT whole{0, 0, W, H};
    EXPECT_TRUE(DrawnBand(named, screen).Equals(ReferenceBand(screen, "March, 2004"), whole));
    EXPECT_TRUE(DrawnBand(nameless, screen).Equals(ReferenceBand(screen, ", 2004"), whole));
    EXPECT_FALSE(DrawnBand(nameless, screen).Equals(ReferenceBand(screen, "March, 2004"), whole));
}

TEST_F(CalendarTest, WeekdayNamesRunFromSundayWhateverTheDayToday)
{
    MonthCalendarCtrl calendar; // today is a Friday
    ASSERT_TRUE(calendar.CreateCalendar(&parent, 1111, 0, 0, FALSE, TRUE, TRUE));
    CClientDC screen(nullptr);
    const RECT row{2, 22, W - 2, 42};

    CMemoryDC drawn(screen, W, H);
    calendar.DrawDayNames(&drawn, &row);

    LOGFONTA logFont{};
    GetDefaultGuiLogFont(&logFont);
    CFont normal;
    normal.CreateFontIndirect(&logFont);
    CMemoryDC expected(screen, W, H);
    fw::SelectGuard font(expected, normal);
    expected.FillSolidRect(row, Sys(COLOR_WINDOW));
    expected.SetTextColor(Sys(COLOR_HIGHLIGHT));
    const char* names[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    for (int c = 0; c < 7; ++c) {
        RECT cell{2 + c * 29, 22, 31 + c * 29, 42};
        expected.DrawText(names[c], &cell, kTextFormat);
    }
    expected.FillSolidRect(RECT{2, 40, W - 2, 42}, Sys(COLOR_BTNFACE));
    EXPECT_TRUE(Picture(drawn).Equals(Picture(expected), row));
}

TEST_F(CalendarTest, PaintingStepsRestoreTheContextAndIgnoreMissingArguments)
{
    MonthCalendarCtrl calendar;
    ASSERT_TRUE(calendar.CreateCalendar(&parent, 1111, 0, 0, FALSE, TRUE, TRUE));
    CClientDC screen(nullptr);
    CMemoryDC dc(screen, W, H);
    HGDIOBJ font = ::GetStockObject(SYSTEM_FIXED_FONT);
    ::SelectObject(dc, font);
    dc.SetTextColor(RGB(1, 2, 3));
    dc.SetBkMode(OPAQUE);
    const RECT band{2, 2, W - 2, 22}, names{2, 22, W - 2, 42}, days{2, 42, W - 2, H - 2};
    calendar.DrawHeader(&dc, &band);
    calendar.DrawDayNames(&dc, &names);
    calendar.DrawDays(&dc, &days);
    EXPECT_EQ(RGB(1, 2, 3), ::GetTextColor(dc));
    EXPECT_EQ(OPAQUE, ::GetBkMode(dc));
    EXPECT_EQ(font, ::GetCurrentObject(dc, OBJ_FONT));

    dc.FillSolidRect(RECT{0, 0, W, H}, RGB(7, 8, 9));
    calendar.DrawHeader(&dc, nullptr);
    calendar.DrawDayNames(&dc, nullptr);
    calendar.DrawDays(&dc, nullptr);
    calendar.DrawHeader(nullptr, &band);
    calendar.DrawDayNames(nullptr, &names);
    calendar.DrawDays(nullptr, &days);
    EXPECT_FALSE(Picture(dc).Contains(RECT{0, 0, W, H}, Sys(COLOR_HIGHLIGHT)));
    EXPECT_EQ(RGB(7, 8, 9), dc.GetPixel(100, 100));
}
