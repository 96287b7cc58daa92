#pragma once
// The Options page: start with Windows, the pink icon, the language.
// For now a plain page on its template: background, frame and help key.
#include "ui/FramedPage.h"

class CDialogCritOpt : public CFramedPage {
public:
    CDialogCritOpt();
    // Shows the stored values; nothing while the page window does not exist.
    void LoadFromSettings();
};
