// Where today stands, and the new day: the notification icon and the Monitor
// page told of the standing, at midnight, after sleep and after a change of
// the clock.
#include "app/MainDialog.h"

#include "app/StandingTexts.h"
#include "calendar/HalfYearDialog.h"
#include "calendar/MonthCalendarCtrl.h"

namespace {

// Milliseconds from now to just after the next local midnight, at most an
// hour: a clock moved without notice or a day of a daylight-saving change
// then costs no more than that hour.
UINT MillisecondsToMidnight(const COleDateTime& now)
{
    constexpr int kSecondsPerDay = 24 * 60 * 60;
    constexpr int kLongestWait = 60 * 60;
    constexpr UINT kAfterMidnight = 200; // milliseconds: the new day has surely begun
    const int secondsOfDay = now.GetHour() * 3600 + now.GetMinute() * 60 + now.GetSecond();
    int wait = kSecondsPerDay - secondsOfDay;
    if (wait > kLongestWait)
        wait = kLongestWait;
    return static_cast<UINT>(wait) * 1000 + kAfterMidnight;
}

} // namespace

void MainDialog::RefreshCycleState()
{
    monitor_.ShowToday();
    TellStanding();
}

// The icon (its state, its tip and the reminder) and the Monitor page's line
// and its offer of a suggested cycle.
void MainDialog::TellStanding()
{
    const DayStanding standing = StandingWithRecord(stored_, clock_.Now());
    tray_.Tell(standing);
    monitor_.ShowStatus(StatusText(language_, standing));
    monitor_.ShowSuggestion();
}

// Unlike a change of a setting, a new day leaves the calendars on the months
// the user is looking at (rebuilt, so that their today ring moves on).
void MainDialog::OnDayMayHaveChanged()
{
    if (monitor_.Calendar().IsWindow())
        monitor_.Calendar().Refresh();
    if (halfYear_)
        halfYear_->Refresh();
    TellStanding();
    ArmMidnightTimer();
}

void MainDialog::ArmMidnightTimer()
{
    if (IsWindow())
        SetTimer(kMidnightTimer, MillisecondsToMidnight(clock_.Now()));
}

void MainDialog::OnTimer(UINT_PTR id)
{
    if (id != kMidnightTimer) {
        Default();
        return;
    }
    OnDayMayHaveChanged();
}

LRESULT MainDialog::OnPowerBroadcast(WPARAM event, LPARAM)
{
    if (event == PBT_APMRESUMEAUTOMATIC || event == PBT_APMRESUMESUSPEND)
        OnDayMayHaveChanged();
    return TRUE;
}

void MainDialog::OnTimeChange()
{
    Default();
    RefreshCycleState();
    if (halfYear_)
        halfYear_->Refresh(); // a new day moves its today ring too
    ArmMidnightTimer();
}
