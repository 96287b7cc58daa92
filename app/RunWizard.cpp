// The main window's Wizard command: the three-step wizard, and on Finish the
// three values stored, the first day recorded, shown on the Scheduler page
// and made effective.
#include "app/MainDialog.h"

#include "model/PeriodRecord.h"
#include "model/Settings.h"
#include "pages/CDialogWizSheet.h"
#include "pages/CDialogWiz1.h"
#include "pages/CDialogWiz2.h"
#include "pages/CDialogWiz3.h"

void MainDialog::RunWizard()
{
    CDialogWiz1 step1(clock_, language_);
    CDialogWiz2 step2(language_);
    CDialogWiz3 step3(language_);
    step3.SetCritDaysStep(&step2);
    CDialogWizSheet sheet(language_, "", this, 0);
    sheet.AddPage(&step1);
    sheet.AddPage(&step2);
    sheet.AddPage(&step3);
    sheet.m_psh.dwFlags |= PSH_WIZARD;
    if (sheet.DoModal() != ID_WIZFINISH)
        return; // Cancel stores nothing

    const COleDateTime start = step1.GetChosenDate();
    const int critDays = step2.GetCountInUse();
    const int clearDays = step3.GetCountInUse();
    COleDateTime before;
    if (!settings_.ReadStartDate(clock_.Now(), before))
        before.SetStatus(COleDateTime::invalid);
    settings_.WriteStartDate(start);
    settings_.WriteDword(SettingCritDayCount, static_cast<DWORD>(critDays));
    settings_.WriteDword(SettingClearDayCount, static_cast<DWORD>(clearDays));
    RecordStoredFirstDay(settings_, start, before, clock_.Now()); // with the counts just stored
    scheduler_.ShowValues(start, critDays, clearDays);
    RefreshCycleState();
}
