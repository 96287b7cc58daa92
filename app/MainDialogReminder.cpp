// Where today stands, in words: the notification icon's tip, the Monitor
// page's line, and the reminder a few days before critical days, shown once
// for each critical period (the period announced is stored, so that a
// restart, another start or a change of language does not repeat it).
#include "app/MainDialog.h"

#include "app/StandingTexts.h"
#include "model/AppIdentity.h"
#include "model/Settings.h"

void MainDialog::TellStanding()
{
    const DayStanding standing = StandingFromSettings(COleDateTime::GetCurrentTime());
    SetTrayState(TrayStateFor(standing));
    trayIcon_.SetTip(TipText(standing));
    monitor_.ShowStatus(StatusText(standing));
    RemindIfDue(standing);
}

void MainDialog::RemindIfDue(const DayStanding& standing)
{
    const SettingsReader settings;
    const bool due = settings.ReadDword(SettingRemind) != 0 &&
                     standing.kind == DayStanding::Clear && standing.hasNext &&
                     standing.daysUntil <= static_cast<int>(settings.ReadDword(SettingRemindDays));
    if (reminderShown_ && (!due || standing.nextStart != remindedStart_)) {
        trayIcon_.HideNotification(); // its date no longer holds
        reminderShown_ = false;
    }
    const DWORD period = due ? static_cast<DWORD>(standing.nextStart.DayNumber()) : 0;
    if (!due || period == settings.ReadDword(SettingRemindedPeriod))
        return;
    // A window waits for an answer: the reminder comes when it closes.
    if (reminderHolds_ > 0 || !IsWindow() || !::IsWindowEnabled(m_hWnd))
        return;
    // Without a notification area it comes when the icon is added again.
    if (!trayIcon_.ShowNotification(velindra::kAppName, ReminderText(standing)))
        return;
    WriteSettingDword(SettingRemindedPeriod, period);
    reminderShown_ = true;
    remindedStart_ = standing.nextStart;
}

void MainDialog::HoldReminder(bool hold)
{
    reminderHolds_ += hold ? 1 : -1;
    if (reminderHolds_ == 0)
        RemindIfDue(StandingFromSettings(COleDateTime::GetCurrentTime()));
}

LRESULT MainDialog::OnEnableChange(WPARAM enabled, LPARAM)
{
    if (enabled)
        RemindIfDue(StandingFromSettings(COleDateTime::GetCurrentTime()));
    return 0;
}

void MainDialog::OnReminderClick()
{
    if (BringOpenModalToFront())
        return;
    ShowMainWindow(PageMonitor);
    if (reminderShown_)
        monitor_.Calendar().SetMonth(remindedStart_);
    ::SetForegroundWindow(m_hWnd);
}
