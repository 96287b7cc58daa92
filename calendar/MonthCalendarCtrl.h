#pragma once
// MonthCalendarCtrl: the program's month calendar, a custom-drawn child window
// of 207 x 160 pixels at 96 dpi (every length times dpi / 96 at another
// display scale) showing one month as six weeks under a band with the month
// and year. Its weeks start on the first day of the week of the user's
// regional settings (Monday in most of Europe, Sunday in the United States),
// read again when those settings change; the grid itself is a MonthGrid
// (model/MonthGrid.h). It knows nothing about cycles: after every rebuild of
// its grid it asks its parent for marks (WM_CALENDAR_MARKDAYS with a
// CalendarMarkRequest: which calendar asks, its first and last displayed
// day), and the parent colours days through SetDayColor before the send
// returns.
//
// The keyboard: the calendar is a tab stop with a cursor on one day of its
// month, the focused day, framed two pixels wide while the calendar has the
// focus (and keyboard cues are shown). The arrow keys move it a day
// or a week, Home and End to the month's first and last day; with month
// buttons the month steps when the cursor leaves it, and Page Up / Page Down
// step a month. A calendar without buttons leaves stepping to its parent.
//
// Screen readers: a CalendarAnnouncer answers them and tells them what changed.
#include <windows.h>

#include <string>
#include <vector>

#include "calendar/CalendarAnnouncer.h"
#include "calendar/CalendarCell.h"
#include "calendar/CalendarMarkRequest.h"
#include "framework/Clock.h"
#include "framework/Controls.h"
#include "framework/DateTime.h"
#include "framework/Dpi.h"
#include "framework/Gdi.h"
#include "framework/Wnd.h"
#include "lang/LanguageManager.h"
#include "model/DayMarker.h"
#include "model/MonthGrid.h"

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
    // two); the current month when the calendar cannot show that one
    // (IsShowableDate, model/MonthGrid.h).
    BOOL CreateCalendar(CWnd* parent, UINT id, int x, int y, BOOL withButtons, BOOL showLeading,
                        BOOL showTrailing, const COleDateTime& month);
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
    // own request for marks.
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

    const COleDateTime& GetShownDate() const { return shownDate_; }
    // Row 0..5, column 0..6 (the first day of the week first); null outside the grid.
    const CalendarCell* GetCell(int row, int column) const;
    // A cell's place in client pixels: one row pitch high, so that the 42
    // places do not overlap (the painted cell reaches one pixel further).
    RECT GetCellRect(int index) const;
    bool HasMonthButtons() const { return withButtons_; }
    // Whether the day belongs to the shown month.
    bool IsInShownMonth(const COleDateTime& day) const { return grid_.BelongsToMonth(day); }
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
    // this calendar is asking for its own marks.
    bool ShowMonth(const COleDateTime& date);
    // Fills the cells from the shown date and keeps the cursor in its month.
    void BuildGrid();
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
    // The same, and the month buttons paint again too (other colours, another scale).
    void RepaintAll();
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
    bool refreshing_ = false; // inside its own request for marks
    bool withButtons_ = false;
    CBitmap picture_; // what the last paint showed
    bool pictureStale_ = true;
    std::wstring namesLocale_; // the date locale of the names last shown
    // The weekday row's names as last drawn, and what they were made for.
    struct NamesKey {
        int width = 0;
        int firstWeekday = -1;
        std::wstring locale;
        bool operator==(const NamesKey& other) const
        {
            return width == other.width && firstWeekday == other.firstWeekday &&
                   locale == other.locale;
        }
    };
    std::vector<std::string> dayNames_;
    NamesKey dayNamesKey_;
    fw::Dpi dpi_;
    COleDateTime cursor_;
    CalendarAnnouncer announcer_{*this};
};

// The month a key steps to: -1 back (Page Up), +1 forward (Page Down), 0
// for other keys.
int MonthStepOfKey(WPARAM key);
