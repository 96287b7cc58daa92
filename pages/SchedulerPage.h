#pragma once
// The Scheduler page: the first day of a critical period and the two counts.
// For now a plain page on its template: background, frame and help key.
#include "framework/Gdi.h"
#include "framework/PropertySheet.h"

class CDialogCritSched : public CPropertyPage {
public:
    CDialogCritSched();

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
