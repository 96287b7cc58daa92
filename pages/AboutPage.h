#pragma once
// The About page: the program, its maker, the web site.
// For now a plain page on its template: background, frame and help key.
#include "framework/Gdi.h"
#include "framework/PropertySheet.h"

class CDialogCritAbout : public CPropertyPage {
public:
    CDialogCritAbout();

    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* message) override;
    // Shows the stored values; nothing while the page window does not exist.
    void LoadFromSettings();
    // Opens the maker's web site with the shell (button 1002, the tray menu).
    void OpenWebSite();

    DECLARE_MESSAGE_MAP()

protected:
    void OnPaint();
    HBRUSH OnCtlColor(CDC* dc, HWND window, UINT kind);

private:
    CBrush background_;
};
