#include "pages/CDialogWiz3.h"

#include "res/resource.h"

CDialogWiz3::CDialogWiz3(const LanguageManager& texts)
    : CWizardCountPage(
          IDD_WIZARD_STEP3, PSWIZB_BACK | PSWIZB_FINISH,
          {IDC_WIZ3_SPIN, IDC_WIZ3_EDIT, IDC_WIZ3_UNIT, kClearDayRule, IDC_WIZ3_CYCLE_HINT}, texts)
{
}
