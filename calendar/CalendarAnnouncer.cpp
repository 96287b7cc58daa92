#include "calendar/CalendarAnnouncer.h"

#include "calendar/CalendarAccessible.h"
#include "calendar/MonthCalendarCtrl.h"

CalendarAnnouncer::CalendarAnnouncer(MonthCalendarCtrl& calendar) : calendar_(calendar) {}

CalendarAnnouncer::~CalendarAnnouncer()
{
    Release();
}

bool CalendarAnnouncer::AnswerGetObject(WPARAM wParam, LPARAM objectId, LRESULT& answer)
{
    if (!fw::AsksForClient(objectId))
        return false;
    if (!accessible_)
        accessible_ = fw::ComPtr<CalendarAccessible>(new CalendarAccessible(&calendar_));
    answer = fw::AnswerGetObject(accessible_.get(), wParam);
    return true;
}

void CalendarAnnouncer::Release()
{
    if (!accessible_)
        return;
    accessible_->Detach(); // clients holding it get "not connected" from now on
    accessible_.Reset();
}

void CalendarAnnouncer::MonthShown(const COleDateTime& month)
{
    const COleDateTime dayOne(month.GetYear(), month.GetMonth(), 1, 0, 0, 0);
    if (!calendar_.IsWindow() || dayOne == told_)
        return;
    const bool first = told_ == COleDateTime();
    told_ = dayOne;
    if (first)
        return; // a new window: nobody knows an older month
    ::NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, calendar_.m_hWnd, OBJID_CLIENT, CHILDID_SELF);
    Reordered();
}

void CalendarAnnouncer::Reordered() const
{
    ::NotifyWinEvent(EVENT_OBJECT_REORDER, calendar_.m_hWnd, OBJID_CLIENT, CHILDID_SELF);
    Focus();
}

void CalendarAnnouncer::Focus() const
{
    const int cell = calendar_.GetCursorCell();
    if (cell >= 0 && calendar_.IsWindow() && ::GetFocus() == calendar_.m_hWnd)
        ::NotifyWinEvent(EVENT_OBJECT_FOCUS, calendar_.m_hWnd, OBJID_CLIENT,
                         CalendarAccessible::CellChild(cell, calendar_.HasMonthButtons()));
}
