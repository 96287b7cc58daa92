#include "pages/SchedulerPage.h"

#include "res/resource.h"

CDialogCritSched::CDialogCritSched() : CFramedPage(IDD_SCHEDULER, {"sched", 78, 136, 0}) {}

void CDialogCritSched::LoadFromSettings() {}
