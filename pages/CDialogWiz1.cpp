#include "pages/CDialogWiz1.h"

#include "framework/WindowText.h"
#include "lang/LanguageManager.h"
#include "res/resource.h"

BEGIN_MESSAGE_MAP(CDialogWiz1, CWizardPage)
ON_BN_CLICKED(IDC_WIZ1_TODAY, OnToday)
ON_NOTIFY(DTN_DATETIMECHANGE, IDC_WIZ1_DATE, OnDateTimeChange)
END_MESSAGE_MAP()

CDialogWiz1::CDialogWiz1(const fw::Clock& clock, const LanguageManager& texts)
    : CWizardPage(IDD_WIZARD_STEP1, PSWIZB_NEXT, texts), clock_(clock)
{
}

void CDialogWiz1::DoDataExchange(CDataExchange* exchange)
{
    CWizardPage::DoDataExchange(exchange);
    DDX_Control(exchange, IDC_WIZ1_DATE, date_);
    DDX_Control(exchange, IDC_WIZ1_TODAY, today_);
}

BOOL CDialogWiz1::OnInitDialog()
{
    CWizardPage::OnInitDialog();
    // The picker starts at the current time of its own accord; the program's
    // clock is set explicitly so that the wizard and the pages agree on it.
    date_.SetTime(clock_.Now());
    return TRUE;
}

BOOL CDialogWiz1::OnSetActive()
{
    TakePickerDate();
    return CWizardPage::OnSetActive();
}

void CDialogWiz1::TakePickerDate()
{
    COleDateTime picked;
    if (date_.GetTime(picked))
        chosenDate_ = picked;
}

void CDialogWiz1::OnToday()
{
    COleDateTime now = clock_.Now();
    date_.SetTime(now);
    chosenDate_ = now;
}

void CDialogWiz1::OnDateTimeChange(NMHDR*, LRESULT* result)
{
    TakePickerDate();
    *result = 0;
}
