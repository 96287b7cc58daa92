#include "pages/CDialogWiz2.h"

#include "res/resource.h"

CDialogWiz2::CDialogWiz2(const LanguageManager& texts)
    : CWizardCountPage(IDD_WIZARD_STEP2, PSWIZB_BACK | PSWIZB_NEXT,
                       {IDC_WIZ2_SPIN, IDC_WIZ2_EDIT, IDC_WIZ2_UNIT, kCritDayRule, 0}, texts)
{
}
