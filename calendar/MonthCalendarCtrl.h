#pragma once
// MonthCalendarCtrl: the program's month calendar, a custom-drawn child window
// of 207 x 160 pixels at 96 dpi (every length times dpi / 96 at another
// display scale) showing one month as six weeks under a band with the month
// and year. Its weeks start on the first day of the week of the user's
// regional settings (Monday in most of Europe, Sunday in the United States),
// read again when those settings change; the grid itself is a MonthGrid
// (model/MonthGrid.h). It knows nothing about cycles: after every rebuild of
// its grid it sends its parent WM_CALENDAR_MARKDAYS with the
// first and the last displayed day (00:00:01 local time, as 64-bit time
// values: seconds since 1970, in the message's 64-bit parameters), and the
// parent colours days through SetDayColor before the send returns.
//
// Which calendar is asking: the message cannot carry its sender, so while a
// calendar is inside that synchronous send, MonthCalendarCtrl::Refreshing()
// names it (null at any other time). A parent with several calendars marks
// the calendar that Refreshing() returns, after checking that it is one of
// its own; it needs no bookkeeping of the order in which calendars refresh.
//
// The keyboard: the calendar is a tab stop with a cursor on one day of its
// month, the focused day, framed two pixels wide while the calendar has the
// focus (and keyboard cues are shown). The arrow keys move it a day
// or a week, Home and End to the month's first and last day; with month
// buttons the month steps when the cursor leaves it, and Page Up / Page Down
// step a month. A calendar without buttons leaves stepping to its parent.
//
// Screen readers: the calendar answers WM_GETOBJECT with its own accessible
// object (calendar/CalendarAccessible.h) and tells them of a new month and of
// the focused day moving (NotifyWinEvent).
#include <windows.h>

#include <string>
#include <vector>

#include "calendar/CalendarCell.h"
#include "framework/Clock.h"
#include "framework/ComPtr.h"
#include "framework/Controls.h"
#include "framework/DateTime.h"
#include "framework/Dpi.h"
#include "framework/Gdi.h"
#include "framework/Wnd.h"
#include "lang/LanguageManager.h"
#include "model/DayMarker.h"
#include "model/MonthGrid.h"

class CalendarAccessible;

class MonthCalendarCtrl : public CWnd, public DayMarker {
public:
    // The size at 96 dpi; the window has them x dpi / 96 at the parent's scale.
    static constexpr int kWidth = 207;
    static constexpr int kHeight = 160;
    static constexpr int kRows = MonthGrid::kRows;
    static constexpr int kColumns = MonthGrid::kColumns;
    static constexpr int kCellCount = MonthGrid::kCellCount;
    // The months shown: from December 1972 to November 9999 (model/MonthGrid.h).
    // (With the clock in December 9999 the calendar opens on that month: its
    // cells after 31 December 9999 have no date and stay empty.)
    static constexpr int kLastYear = 9999;

    // The twelve paint colours, set by CreateCalendar and again when the
    // system's colours change; in high contrast other system colours (see
    // SetHighContrastColours).
    enum PaintColour {
        BandText,           // COLOR_CAPTIONTEXT
        BandBackground,     // COLOR_HIGHLIGHT
        WeekdayText,        // COLOR_HIGHLIGHT
        WeekdayBackground,  // COLOR_WINDOW
        WeekdayLine,        // COLOR_BTNFACE
        DayText,            // COLOR_BTNTEXT
        OtherDayText,       // COLOR_GRAYTEXT
        DayBackground,      // COLOR_WINDOW
        OtherDayBackground, // halfway from COLOR_BTNFACE to COLOR_WINDOW
        Body,               // COLOR_WINDOW
        Frame,              // COLOR_BTNFACE
        TodayRing,          // COLOR_HIGHLIGHT
        PaintColourCount
    };

    enum DateNamePart { MonthName, WeekdayName };
    enum DateNameLength { FullName, ShortName };

    // Today comes from the clock, the screen readers' words from the texts;
    // both outlive the calendar.
    MonthCalendarCtrl(const fw::Clock& clock, const LanguageManager& texts);
    ~MonthCalendarCtrl() override;

    // Creates (or re-creates) the window at (x, y) of the parent's client
    // area, at the parent's display scale, with the "<" and ">" month buttons
    // when asked; shows the current month. Nonzero when everything asked for
    // was created.
    BOOL CreateCalendar(CWnd* parent, UINT id, int x, int y, BOOL withButtons, BOOL showLeading,
                        BOOL showTrailing);
    // The same, showing the month of `month` from the start (one rebuild, not
    // two); the current month when the calendar cannot show that one.
    BOOL CreateCalendar(CWnd* parent, UINT id, int x, int y, BOOL withButtons, BOOL showLeading,
                        BOOL showTrailing, const COleDateTime& month);
    // Whether SetMonth accepts the date.
    static bool IsShowable(const COleDateTime& date);
    // Lays the calendar out again for another display scale (the window moved
    // to another monitor): size, fonts and month buttons; its corner stays.
    void ApplyDpi(int dpi);
    int GetDpi() const { return dpi_.Value(); }
    const LanguageManager& Texts() const { return texts_; }
    // The window's size at its scale.
    SIZE GetSize() const { return SIZE{dpi_(kWidth), dpi_(kHeight)}; }

    // Shows the month of date; 1 when accepted. Refused (0, nothing changed)
    // without a window, for an invalid date, and unless date is later than
    // 1973-01-01 01:01:01 and earlier than December 9999.
    int SetMonth(const COleDateTime& date);

    // By calendar date (time of day ignored); 0 when no cell holds the date
    // or the window does not exist.
    int SetDayColor(const COleDateTime& date, COLORREF colour) override;
    COLORREF GetDayColor(const COleDateTime& date) const;
    bool IsMarkable() const override { return IsWindow(); }

    // Clears the marks, rebuilds the grid, asks the parent for marks and
    // repaints later. Ignored when called for this calendar from inside its
    // own WM_CALENDAR_MARKDAYS.
    void Refresh();

    // The month buttons: one month back (not before December 1972) and
    // forward (not after November 9999), on day 1 at 00:00:00.
    void OnPrevMonth();
    void OnNextMonth();

    // The date's localized month or weekday name (in the program's date
    // locale, framework/DateFormat.h); 1 on success, 0 with text empty when
    // it cannot be formatted.
    virtual int GetDateName(const COleDateTime& date, DateNamePart part, DateNameLength length,
                            std::string& text) const;

    // The calendar whose WM_CALENDAR_MARKDAYS is being delivered, else null.
    static MonthCalendarCtrl* Refreshing();

    const COleDateTime& GetShownDate() const { return shownDate_; }
    // Row 0..5, column 0..6 (the first day of the week first); null outside the grid.
    const CalendarCell* GetCell(int row, int column) const;
    // A cell's place in client pixels: one row pitch high, so that the 42
    // places do not overlap (the painted cell reaches one pixel further).
    RECT GetCellRect(int index) const;
    bool HasMonthButtons() const { return withButtons_; }
    // Whether the day belongs to the shown month.
    bool IsInShownMonth(const COleDateTime& day) const;
    // The weekday (0 = Monday ... 6 = Sunday) the weeks start on.
    int GetFirstWeekday() const { return grid_.FirstWeekday(); }

    // The keyboard cursor: a day of the shown month (00:00:01), at first
    // today when the month holds it, else day 1. A new month keeps the
    // cursor's day of the month (the month's last day when it has fewer).
    const COleDateTime& GetCursorDay() const { return cursor_; }
    // The index of the cursor's cell.
    int GetCursorCell() const { return FindCell(cursor_); }
    // Moves the cursor to the day; false (nothing changed) unless the day is
    // in the shown month.
    bool SetCursorDay(const COleDateTime& day);
    // Where a key takes the cursor: the arrows a day or a week, Home and End
    // the first and last day of the month; invalid for any other key. The
    // day may lie outside the shown month.
    COleDateTime CursorTarget(WPARAM key) const;
    // Whether the day's cell may take the cursor: a day of the shown month,
    // or with month buttons a shown day of a neighbouring month (the month
    // steps to it).
    bool IsSelectable(const COleDateTime& day) const;
    // Puts the cursor on a selectable day, stepping the month when it lies
    // in a neighbouring one; false (nothing changed) for any other day.
    bool SelectDay(const COleDateTime& day);
    // Whether the focus rectangle is drawn: the calendar has the focus and
    // keyboard cues are not hidden.
    bool ShowsFocus() const;
    BOOL GetShowLeading() const { return showLeading_; }
    BOOL GetShowTrailing() const { return showTrailing_; }

    // The painting steps (calendar/MonthCalendarPaint.cpp). Each draws into
    // the given context, does nothing without a context or rectangle, and
    // restores the text colour, font and background mode it found.
    void DrawHeader(CDC* dc, const RECT* rect);
    void DrawDayNames(CDC* dc, const RECT* rect);
    void DrawDays(CDC* dc, const RECT* rect);
    // The month band's text for the shown month: the month and year as the
    // language's locale writes them ("May 2004", "май 2004 г.", "2004年5月").
    std::string MonthBandText() const { return MonthBandText(shownDate_); }
    // The band's text for the month of the date.
    std::string MonthBandText(const COleDateTime& month) const;
    // The weekday row's names, first column first: the abbreviated names, or
    // the locale's shortest ones when an abbreviated name is wider than
    // `width` pixels less a pixel each side, in the context's font (the
    // normal font on the screen when null).
    std::vector<std::string> WeekdayNames(CDC* dc, int width) const;

    DECLARE_MESSAGE_MAP()

protected:
    void OnPaint();
    // The keyboard (see the top of this file).
    LRESULT OnGetDlgCode(WPARAM, LPARAM) { return DLGC_WANTARROWS; }
    LRESULT OnKeyDown(WPARAM key, LPARAM);
    LRESULT OnFocusChange(WPARAM, LPARAM);
    LRESULT OnLButtonDown(WPARAM, LPARAM);
    LRESULT OnUpdateUiState(WPARAM, LPARAM);
    LRESULT OnGetObject(WPARAM, LPARAM);
    LRESULT OnDestroy(WPARAM, LPARAM);
    LRESULT OnSysColorChange(WPARAM, LPARAM);
    // The regional settings changed: the first day of the week (and the
    // names) may be others.
    LRESULT OnSettingChange(WPARAM, LPARAM);

private:
    // Stores the shown date and refreshes; false (nothing changed) while
    // this calendar is delivering its own WM_CALENDAR_MARKDAYS.
    bool ShowMonth(const COleDateTime& date);
    // Fills the cells from the shown date; gives the first and last displayed day.
    void BuildGrid(COleDateTime& first, COleDateTime& last);
    void SetPaintColours();
    void SetHighContrastColours();
    bool CreateFonts();
    bool CreateMonthButtons(bool withButtons);
    void DrawCell(CDC* dc, const CalendarCell& cell, RECT cellRect);
    // A marked day and today in high contrast: told apart without colour too.
    void DrawHighContrastCell(CDC* dc, const CalendarCell& cell, RECT cellRect);
    // The whole picture: band, weekday row, days and frame.
    void DrawPicture(CDC* dc, const RECT& client);
    // Something shown changed: the picture is drawn anew at the next paint.
    void Repaint();
    // The focused day's frame: two pixels (at 96 dpi) inside today's rings,
    // in a colour that stands out from the cell's fill.
    void DrawFocusFrame(CDC* dc, const CalendarCell& cell, RECT cellRect) const;
    // The frame's colour on the cell's fill: the colour that reads on a mark
    // (a fixed colour); else the system's text colour that stands out more.
    COLORREF FocusColour(const CalendarCell& cell) const;
    // A ring one pixel thick at 96 dpi along the inside of rect.
    void DrawRing(CDC* dc, RECT rect, COLORREF colour) const;
    // Index of the cell with the calendar date of date; -1 when none.
    int FindCell(const COleDateTime& date) const { return grid_.CellOf(date); }
    // Steps the month to a day of the previous or next month with the
    // cursor on it; false (nothing changed) when the month cannot step.
    bool StepTo(const COleDateTime& day);
    // Keeps the cursor in the shown month after a rebuild.
    void PlaceCursor(const COleDateTime& today);
    // Tells accessibility clients what the last rebuild changed.
    void AnnounceRebuild();
    // Tells them which day has the focus (while the calendar has it).
    void AnnounceFocus() const;
    // The accessible object goes with the window.
    void ReleaseAccessible();

    const fw::Clock& clock_;
    const LanguageManager& texts_;
    COleDateTime shownDate_;
    CFont boldFont_;
    CFont normalFont_;
    CButton prevButton_;
    CButton nextButton_;
    BOOL showLeading_ = 1;
    BOOL showTrailing_ = 1;
    COLORREF colours_[PaintColourCount] = {};
    bool highContrast_ = false; // whether the colours are those of high contrast
    CalendarCell cells_[kCellCount];
    MonthGrid grid_;
    bool refreshing_ = false;
    bool withButtons_ = false;
    CBitmap picture_; // what the last paint showed
    bool pictureStale_ = true;
    fw::Dpi dpi_;
    COleDateTime cursor_;
    int announcedMonth_ = 0;                    // the month accessibility clients were told of
    fw::ComPtr<CalendarAccessible> accessible_; // while the window lives
};

// The month a key steps to: -1 back (Page Up), +1 forward (Page Down), 0
// for other keys.
int MonthStepOfKey(WPARAM key);
