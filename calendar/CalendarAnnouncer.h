#pragma once
// What a month calendar tells screen readers. It answers their WM_GETOBJECT
// with the calendar's accessible object (calendar/CalendarAccessible.h), made
// at the first question and detached when the window goes, and announces
// what changed (NotifyWinEvent): a new month (its name and its cells), the
// cells in another order (another first day of the week), and the focused
// day while the calendar has the focus.
#include <windows.h>

#include "framework/ComPtr.h"
#include "framework/DateTime.h"

class CalendarAccessible;
class MonthCalendarCtrl;

class CalendarAnnouncer {
public:
    explicit CalendarAnnouncer(MonthCalendarCtrl& calendar);
    ~CalendarAnnouncer();
    CalendarAnnouncer(const CalendarAnnouncer&) = delete;
    CalendarAnnouncer& operator=(const CalendarAnnouncer&) = delete;

    // WM_GETOBJECT: true, with the answer, when the client area's object is
    // asked for; false for any other object (the window's default answers).
    bool AnswerGetObject(WPARAM wParam, LPARAM objectId, LRESULT& answer);
    // The window goes: a client still holding the object gets "not connected".
    void Release();
    // A new window: no month was told of yet, and its first is not.
    void Restart() { told_ = COleDateTime(); }
    // The grid was built again: a month other than the one told of gets its
    // name and cells announced, and the focused day with them.
    void MonthShown(const COleDateTime& month);
    // The cells were put in another order, the focused day with them.
    void Reordered() const;
    // Which day has the focus (while the calendar has it).
    void Focus() const;

private:
    MonthCalendarCtrl& calendar_;
    COleDateTime told_; // day 1 of the month clients were told of; 1899-12-30: none
    fw::ComPtr<CalendarAccessible> accessible_;
};
