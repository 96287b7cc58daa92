#include "pages/OptionsPage.h"

#include "res/resource.h"

CDialogCritOpt::CDialogCritOpt() : CFramedPage(IDD_OPTIONS, {"opt", 78, 0, 0}) {}

void CDialogCritOpt::LoadFromSettings() {}
