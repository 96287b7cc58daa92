// Where today stands, in words: the notification icon's tip, the Monitor
// page's line (and its offer of a suggested cycle), and the reminder a few
// days before critical days, shown once for each critical period (the periods
// announced are stored, so that a restart, another start, a change of
// language or of the clock does not repeat one).
#include "app/MainDialog.h"

#include "app/StandingTexts.h"
#include "model/AppIdentity.h"
#include "model/Reminder.h"

void MainDialog::TellStanding()
{
    const DayStanding standing = StandingWithRecord(clock_.Now());
    trayIcon_.SetState(TrayStateFor(standing));
    trayIcon_.SetTip(TipText(language_, standing));
    monitor_.ShowStatus(StatusText(language_, standing));
    monitor_.ShowSuggestion();
    RemindIfDue(standing);
}

void MainDialog::RemindIfDue(const DayStanding& standing)
{
    AnnouncedPeriods announced = ReadAnnouncedPeriods();
    const ReminderDecision decision = DecideReminder(standing, ReadReminderSettings(), announced,
                                                     reminderShown_ ? &remindedStart_ : nullptr);
    if (decision.withdraw) {
        trayIcon_.HideNotification(); // its date no longer holds
        reminderShown_ = false;
    }
    if (!decision.show)
        return;
    // A window waits for an answer: the reminder comes when it closes.
    if (reminderHolds_ > 0 || !IsWindow() || !::IsWindowEnabled(m_hWnd))
        return;
    // Without a notification area it comes when the icon is added again.
    if (!trayIcon_.ShowNotification(velindra::kAppName, ReminderText(language_, standing)))
        return;
    announced.Add(PeriodDay(decision.firstDay));
    StoreAnnouncedPeriods(announced);
    reminderShown_ = true;
    remindedStart_ = decision.firstDay;
}

void MainDialog::HoldReminder(bool hold)
{
    reminderHolds_ += hold ? 1 : -1;
    if (reminderHolds_ == 0)
        RemindIfDue(StandingWithRecord(clock_.Now()));
}

LRESULT MainDialog::OnEnableChange(WPARAM enabled, LPARAM)
{
    if (enabled)
        RemindIfDue(StandingWithRecord(clock_.Now()));
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
