#pragma once
// The main window's page sheet: a child property sheet whose tab control is
// hidden, since the pages are switched through the navigation list. Its own
// surface takes the main window's background brush.
#include "framework/PropertySheet.h"

class CDialogCritSheet : public CPropertySheet {
public:
    static constexpr int kShrinkWidth = 11;
    static constexpr int kShrinkHeight = 24;

    CDialogCritSheet();

    // Borrows the brush (the main window owns it); a null brush is ignored.
    void SetBackgroundBrush(HBRUSH brush);
    HBRUSH GetBackgroundBrush() const { return background_; }

    BOOL OnInitDialog() override;

    DECLARE_MESSAGE_MAP()

protected:
    HBRUSH OnCtlColor(CDC* dc, HWND window, UINT kind);

private:
    HBRUSH background_ = nullptr; // borrowed
};
