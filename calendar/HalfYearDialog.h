#pragma once
// The half-year calendar: January to June or July to December as six month
// calendars in two rows of three, each with the critical days marked. The
// user steps by half-years or returns to the half-year of today. With the
// keyboard, the focused day moves across the six calendars (and on into the
// next or previous half-year); Page Up and Page Down step half-years. It
// opens with the focus on today's day; Close is the default button, and
// Escape asks for help (as the Help button does).
#include "calendar/MonthCalendarCtrl.h"
#include "framework/Clock.h"
#include "framework/DateTime.h"
#include "framework/Dialog.h"
#include "model/HalfYear.h"
#include "model/StoredCycle.h"
#include "ui/HelpTopic.h"

class HalfYearDialog : public CDialog {
public:
    static constexpr int kCalendarCount = kHalfYearMonths;

    HalfYearDialog(const fw::Clock& clock, HelpOpener& help, const LanguageManager& texts,
                   StoredCycle& stored, CWnd* parent = nullptr);
    ~HalfYearDialog() override;

    // Rebuilds the calendars (a new day: today's ring moves).
    void Refresh();

    // Shows the half-year that holds the anchor's month.
    void ShowHalfYear(const COleDateTime& anchor);

    const COleDateTime& GetAnchor() const { return anchor_; }
    const MonthCalendarCtrl& Calendar(int index) const { return calendars_[index]; }

    BOOL PreTranslateMessage(MSG* message) override;
    BOOL OnInitDialog() override;

    DECLARE_MESSAGE_MAP()

protected:
    void DoDataExchange(CDataExchange*) override {}

    void OnPrevious() { Step(-1); }
    void OnNext() { Step(1); }
    void OnToday();
    // Command id 2: the Help button, and also Escape.
    void OnHelp();
    // The close box closes, as Close does.
    void OnClose() { EndDialog(IDOK); }
    // Marks the calendar that is asking; each calendar gets exactly its own marks.
    LRESULT OnCalendarMarkDays(WPARAM, LPARAM request);
    LRESULT OnDpiChanged(WPARAM dpi, LPARAM suggested);

private:
    // The half-year back (step < 0) or on, within the calendars' months.
    void Step(int step);
    void CreateCalendars();
    void PlaceCalendars();
    bool IsCalendar(HWND window) const;
    MonthCalendarCtrl* CalendarOf(HWND window);
    MonthCalendarCtrl* CalendarShowing(const COleDateTime& day);
    // Moves the cursor for a key that leaves the month of the calendar with
    // the focus; true when the key was taken.
    bool MoveCursorAcross(HWND from, WPARAM key);

    const fw::Clock& clock_;
    HelpOpener& help_;
    const LanguageManager& texts_;
    StoredCycle& stored_;
    MonthCalendarCtrl calendars_[kCalendarCount];
    COleDateTime anchor_;
};
