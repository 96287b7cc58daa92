#pragma once
// The About page: the program, its maker, the web site.
// For now a plain page on its template: background, frame, help key and the
// button that opens the web site.
#include "ui/FramedPage.h"

class CDialogCritAbout : public CFramedPage {
public:
    CDialogCritAbout();
    // Opens the maker's web site with the shell (button 1002, the tray menu).
    void OpenWebSite();

    DECLARE_MESSAGE_MAP()
};
