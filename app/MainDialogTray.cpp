// The notification-icon side of the main window: the icon's state and its
// callback, the pop-up menu, the icon's return after the shell restarts, and
// the new day at midnight, after sleep and after a change of the clock.
#include "app/MainDialog.h"

#include "calendar/HalfYearDialog.h"
#include "calendar/MonthCalendarCtrl.h"
#include "framework/Module.h"
#include "model/Settings.h"
#include "res/resource.h"
#include "ui/Drawing.h"

namespace {

CIcon LoadTrayIcon(UINT id, UINT flags)
{
    return CIcon(static_cast<HICON>(
        ::LoadImageW(AfxGetResourceHandle(), MAKEINTRESOURCEW(id), IMAGE_ICON, 16, 16, flags)));
}

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

void MainDialog::LoadTrayIcons()
{
    UINT flags = IsWindowsVersion5OrLater() ? 0 : LR_VGACOLOR;
    trayNormal_ = LoadTrayIcon(IDI_VELINDRA, flags);
    trayPink_ = LoadTrayIcon(IDI_VELINDRA_PINK, flags);
}

HICON MainDialog::GetTrayIcon(TrayIcon::State state) const
{
    return state == TrayIcon::StateAlternate ? trayPink_ : trayNormal_;
}

// Pink on a critical day when the user wants it so, by the marking rule
// itself: also on a day no calendar can show.
TrayIcon::State MainDialog::TrayStateFor(const DayStanding& standing)
{
    const bool pink =
        standing.kind == DayStanding::Critical && ReadSettingDword(SettingCritRed) != 0;
    return pink ? TrayIcon::StateAlternate : TrayIcon::StateNormal;
}

void MainDialog::RefreshCycleState()
{
    monitor_.ShowToday();
    TellStanding();
}

// Unlike a change of a setting, a new day leaves the calendars on the months
// the user is looking at (rebuilt, so that their today ring moves on).
void MainDialog::OnDayMayHaveChanged()
{
    if (monitor_.Calendar().IsWindow())
        monitor_.Calendar().Refresh();
    HalfYearDialog::RefreshOpen();
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

LRESULT MainDialog::OnTaskbarCreated(WPARAM, LPARAM)
{
    if (trayIcon_.AddAgain())
        RemindIfDue(StandingWithRecord(clock_.Now()));
    return 0;
}

LRESULT MainDialog::OnTrayNotify(WPARAM, LPARAM mouseMessage)
{
    const UINT mouse = static_cast<UINT>(mouseMessage);
    if (mouse == NIN_BALLOONUSERCLICK) {
        OnReminderClick();
        return 0;
    }
    if (mouse != WM_LBUTTONDOWN && mouse != WM_RBUTTONDOWN)
        return 0;
    // While a window of the program waits for an answer, a click leads to it.
    if (BringOpenModalToFront())
        return 0;
    if (mouse == WM_LBUTTONDOWN)
        OnMenuOpen();
    else if (!IsWindowVisible())
        ShowTrayMenu();
    return 0;
}

// The pop-up menu at the cursor, "Open..." in bold. The owner is made the
// foreground window first and gets an empty message afterwards, so that the
// menu closes when the user clicks elsewhere.
void MainDialog::ShowTrayMenu()
{
    POINT cursor{};
    ::GetCursorPos(&cursor);
    HMENU popup = iconMenu_.GetSubMenu(0);
    if (!popup)
        return;
    ::SetMenuDefaultItem(popup, 0, TRUE);
    HWND owner = m_hWnd;
    while (owner && (::GetWindowLongPtrW(owner, GWL_STYLE) & WS_CHILD))
        owner = ::GetParent(owner);
    ::SetForegroundWindow(owner);
    CWnd* ownerObject = CWnd::FromHandlePermanent(owner);
    CMenu* object = CMenu::FromHandlePermanent(popup);
    if (object && ownerObject)
        object->TrackPopupMenu(TPM_RIGHTBUTTON, cursor.x, cursor.y, ownerObject);
    else
        ::TrackPopupMenu(popup, TPM_RIGHTBUTTON, cursor.x, cursor.y, 0, owner, nullptr);
    ::PostMessageW(owner, WM_NULL, 0, 0);
    if (ending_) // asked to end while the menu was open
        ::PostQuitMessage(0);
}
