// How the month calendar paints: everything is drawn into one off-screen
// bitmap and copied to the window in a single block transfer, so that the
// calendar never flickers (six of them repaint together in the half-year view).
//
// Layout at 207 x 160 (right and bottom excluded):
//   month band   (2, 2, 205, 22)
//   weekday row  (2, 22, 205, 42), a 2-pixel line at y = 40 and 41
//   day grid     (2, 42, 205, 158): columns 29 wide, rows 19 apart, each
//                cell 29 x 20, so a cell covers the bottom line of the one
//                above it; y = 157 stays in the body colour
//   soft frame   the outermost 2 pixels
// At another display scale every one of these lengths is length x dpi / 96,
// and the columns and rows divide what the scaled areas leave.
//
// Colours: the calendar's twelve system colours pair with each other; a
// mark is a fixed colour, and its number (and the focus frame on it) takes
// the fixed colour that reads on it.
#include <string>
#include <vector>

#include "calendar/MonthCalendarCtrl.h"
#include "framework/DateFormat.h"
#include "framework/Dc.h"
#include "framework/TextCodec.h"
#include "ui/Drawing.h"

namespace {

constexpr UINT kTextFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE;

} // namespace

// The picture is drawn off-screen when something in it changed, and kept:
// a paint that changes nothing (another window uncovering the calendar, a
// page shown again) is one block transfer.
void MonthCalendarCtrl::OnPaint()
{
    CPaintDC paint(m_hWnd);
    if (::IsRectEmpty(&paint.m_ps.rcPaint))
        return; // nothing to show (a paint asked for after another had done it)
    const RECT client = GetClientRect();
    CDC surface;
    if (!surface.CreateCompatibleDC(paint))
        return;
    if (!picture_.GetSafeHandle()) {
        picture_.Attach(::CreateCompatibleBitmap(paint, client.right, client.bottom));
        pictureStale_ = true;
    }
    if (!picture_.GetSafeHandle())
        return;
    fw::SelectGuard keep(surface, picture_.GetSafeHandle());
    if (pictureStale_) {
        DrawPicture(&surface, client);
        pictureStale_ = false;
    }
    ::BitBlt(paint, 0, 0, client.right, client.bottom, surface, 0, 0, SRCCOPY);
}

void MonthCalendarCtrl::DrawPicture(CDC* dc, const RECT& client)
{
    CDC& surface = *dc;
    const int width = client.right;
    const int height = client.bottom;
    const int frame = dpi_(2), bandBottom = dpi_(22), namesBottom = dpi_(42);
    const RECT band{frame, frame, width - frame, bandBottom};
    DrawHeader(&surface, &band);
    surface.FillSolidRect(RECT{frame, bandBottom, width - frame, height - frame}, colours_[Body]);
    const RECT names{frame, bandBottom, width - frame, namesBottom};
    DrawDayNames(&surface, &names);
    const RECT days{frame, namesBottom, width - frame, height - frame};
    DrawDays(&surface, &days);
    DrawSoftFrame(&surface, &client, colours_[Frame], 0.24, dpi_);
}

// The month and year in the year-month pattern of the locale of the
// language shown ("March 2004", "März 2004", "2004年3月"); the month's name
// and the year when the locale cannot write it.
std::string MonthCalendarCtrl::MonthBandText(const COleDateTime& month) const
{
    SYSTEMTIME time{};
    if (month.GetAsSystemTime(time)) {
        const std::string text = fw::FormatDate(time, nullptr, DATE_YEARMONTH);
        if (!text.empty())
            return text;
    }
    std::string name;
    GetDateName(month, MonthName, FullName, name); // empty when it fails
    return name + " " + std::to_string(month.GetYear());
}

// The names of one fixed week, never of today's: the last week of 9999 has
// no Saturday to take a name from.
std::vector<std::string> MonthCalendarCtrl::WeekdayNames(CDC* dc, int width) const
{
    if (!dc || !dc->GetSafeHdc()) {
        CClientDC screen(nullptr);
        fw::SelectGuard font(screen, normalFont_);
        return WeekdayNames(&screen, width);
    }
    std::vector<std::string> names(kColumns), shortest(kColumns);
    bool fit = true;
    for (int column = 0; column < kColumns; ++column) {
        const int weekday = grid_.WeekdayOf(column);
        GetDateName(MonthGrid::SampleDay(weekday), WeekdayName, ShortName, names[column]);
        shortest[column] = fw::ShortestDayName(weekday);
        SIZE size{};
        const std::wstring wide = fw::Wide(names[column]);
        ::GetTextExtentPoint32W(*dc, wide.c_str(), static_cast<int>(wide.size()), &size);
        fit = fit && size.cx <= width - dpi_(2); // a pixel clear of each neighbour
    }
    for (int column = 0; column < kColumns && !fit; ++column)
        if (!shortest[column].empty())
            names[column] = shortest[column];
    return names;
}

void MonthCalendarCtrl::DrawHeader(CDC* dc, const RECT* rect)
{
    if (!dc || !dc->GetSafeHdc() || !rect)
        return;
    const std::string text = MonthBandText();

    fw::SelectGuard font(*dc, boldFont_);
    fw::TextColorGuard colour(*dc, colours_[BandText]);
    fw::BkModeGuard mode(*dc, TRANSPARENT);
    dc->FillSolidRect(*rect, colours_[BandBackground]);
    RECT textRect = *rect;
    dc->DrawText(text, &textRect, kTextFormat);
}

void MonthCalendarCtrl::DrawDayNames(CDC* dc, const RECT* rect)
{
    if (!dc || !dc->GetSafeHdc() || !rect)
        return;
    fw::SelectGuard font(*dc, normalFont_);
    fw::TextColorGuard colour(*dc, colours_[WeekdayText]);
    dc->FillSolidRect(*rect, colours_[WeekdayBackground]);

    // From the first day of the user's week; the names are looked up and
    // measured again only for another width, language, first day or font.
    const int width = (rect->right - rect->left) / kColumns;
    const NamesKey key{width, grid_.FirstWeekday(), fw::DateLocaleName()};
    if (!(key == dayNamesKey_) || dayNames_.size() != kColumns) {
        dayNames_ = WeekdayNames(dc, width);
        dayNamesKey_ = key;
    }
    int x = rect->left;
    for (const std::string& name : dayNames_) {
        RECT nameRect{x, rect->top, x + width, rect->bottom};
        dc->DrawText(name, &nameRect, kTextFormat);
        x += width;
    }
    dc->FillSolidRect(RECT{rect->left, rect->bottom - dpi_(2), rect->right, rect->bottom},
                      colours_[WeekdayLine]);
}

void MonthCalendarCtrl::DrawDays(CDC* dc, const RECT* rect)
{
    if (!dc || !dc->GetSafeHdc() || !rect)
        return;
    // Leftover pixels at the right and bottom keep the body colour.
    const int width = (rect->right - rect->left) / kColumns;
    const int height = (rect->bottom - rect->top) / kRows;
    fw::SelectGuard font(*dc, normalFont_);
    fw::TextColorGuard colour(*dc, colours_[DayText]);
    fw::BkModeGuard mode(*dc, TRANSPARENT);
    // Column by column, top to bottom: each cell is one pixel taller than the
    // row pitch and paints over the bottom line of the cell above it.
    for (int column = 0; column < kColumns; ++column) {
        for (int row = 0; row < kRows; ++row) {
            const int left = rect->left + column * width;
            const int top = rect->top + row * height;
            DrawCell(dc, cells_[row * kColumns + column],
                     RECT{left, top, left + width, top + height + dpi_(1)});
        }
    }
    const int cursor = GetCursorCell();
    if (cursor >= 0 && ShowsFocus() && cells_[cursor].shown) {
        const int left = rect->left + (cursor % kColumns) * width;
        const int top = rect->top + (cursor / kColumns) * height;
        DrawFocusFrame(dc, cells_[cursor], RECT{left, top, left + width, top + height});
    }
}

// Inside today's two rings, clear of the number.
void MonthCalendarCtrl::DrawFocusFrame(CDC* dc, const CalendarCell& cell, RECT cellRect) const
{
    ::InflateRect(&cellRect, -dpi_(2), -dpi_(2));
    const COLORREF colour = FocusColour(cell);
    for (int line = 0; line < dpi_(2); ++line) {
        dc->Draw3dRect(cellRect, colour, colour);
        ::InflateRect(&cellRect, -1, -1);
    }
}

COLORREF MonthCalendarCtrl::FocusColour(const CalendarCell& cell) const
{
    if (cell.colour != 0)
        return highContrast_ ? ::GetSysColor(COLOR_HIGHLIGHTTEXT) : ReadableOn(cell.colour);
    const COLORREF fill = colours_[cell.inMonth ? DayBackground : OtherDayBackground];
    const COLORREF text = ::GetSysColor(COLOR_WINDOWTEXT), button = ::GetSysColor(COLOR_BTNTEXT);
    return ContrastRatio(text, fill) >= ContrastRatio(button, fill) ? text : button;
}

void MonthCalendarCtrl::DrawCell(CDC* dc, const CalendarCell& cell, RECT cellRect)
{
    if (!cell.shown) { // empty: no number, no mark, no today ring
        dc->FillSolidRect(cellRect, colours_[Body]);
        return;
    }
    if (highContrast_ && (cell.colour != 0 || cell.today)) {
        DrawHighContrastCell(dc, cell, cellRect);
        return;
    }
    const bool inMonth = cell.inMonth != 0;
    dc->FillSolidRect(cellRect, colours_[inMonth ? DayBackground : OtherDayBackground]);
    dc->SetTextColor(colours_[inMonth ? DayText : OtherDayText]);
    if (cell.colour != 0) { // the mark replaces the background, its own colour the text
        dc->FillSolidRect(cellRect, cell.colour);
        const COLORREF text = ReadableOn(cell.colour);
        dc->SetTextColor(inMonth ? text : MixColors(text, cell.colour, 0.4));
    }
    RECT textRect = cellRect;
    dc->DrawText(std::to_string(cell.date.GetDay()), &textRect, kTextFormat);
    if (!cell.today)
        return;
    cellRect.bottom -= dpi_(1);
    DrawRing(dc, cellRect, colours_[TodayRing]);
    ::InflateRect(&cellRect, -dpi_(1), -dpi_(1));
    // Read now: the inner ring follows the current highlight colour.
    DrawRing(dc, cellRect, LightenColor(::GetSysColor(COLOR_HIGHLIGHT), 0.5));
}

// Whatever colour a mark has, it shows in the highlight colours inside a
// frame of the text colour; today has that frame too, and inside it a ring
// that stands out from the cell (a black-and-white picture still shows both).
void MonthCalendarCtrl::DrawHighContrastCell(CDC* dc, const CalendarCell& cell, RECT cellRect)
{
    const bool marked = cell.colour != 0;
    const bool inMonth = cell.inMonth != 0;
    const COLORREF highlight = ::GetSysColor(COLOR_HIGHLIGHT);
    dc->FillSolidRect(cellRect,
                      marked ? highlight : colours_[inMonth ? DayBackground : OtherDayBackground]);
    dc->SetTextColor(marked ? ::GetSysColor(COLOR_HIGHLIGHTTEXT)
                            : colours_[inMonth ? DayText : OtherDayText]);
    RECT textRect = cellRect;
    dc->DrawText(std::to_string(cell.date.GetDay()), &textRect, kTextFormat);
    cellRect.bottom -= dpi_(1);
    DrawRing(dc, cellRect, colours_[TodayRing]);
    if (!cell.today)
        return;
    ::InflateRect(&cellRect, -dpi_(1), -dpi_(1));
    DrawRing(dc, cellRect, marked ? ::GetSysColor(COLOR_HIGHLIGHTTEXT) : highlight);
}

void MonthCalendarCtrl::DrawRing(CDC* dc, RECT rect, COLORREF colour) const
{
    for (int line = 0; line < dpi_(1); ++line) {
        dc->Draw3dRect(rect, colour, colour);
        ::InflateRect(&rect, -1, -1);
    }
}
