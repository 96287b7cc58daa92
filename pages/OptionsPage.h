#pragma once
// The Options page: start with Windows, the pink icon, the language.
// For now a plain page on its template: background, frame and help key.
#include "framework/Gdi.h"
#include "framework/PropertySheet.h"

class CDialogCritOpt : public CPropertyPage {
public:
    CDialogCritOpt();

    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* message) override;
    // Shows the stored values; nothing while the page window does not exist.
    void LoadFromSettings();
    DECLARE_MESSAGE_MAP()

protected:
    void OnPaint();
    HBRUSH OnCtlColor(CDC* dc, HWND window, UINT kind);

private:
    CBrush background_;
};
