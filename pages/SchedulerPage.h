#pragma once
// The Scheduler page: the first day of a critical period and the two counts.
// For now a plain page on its template: background, frame and help key.
#include "ui/FramedPage.h"

class CDialogCritSched : public CFramedPage {
public:
    CDialogCritSched();
    // Shows the stored values; nothing while the page window does not exist.
    void LoadFromSettings();
};
