#pragma once
// The wizard's sheet: a modal property sheet whose own surface (around the
// pages and behind the Back, Next, Finish and Cancel buttons) is a little
// lighter than the pages (the same face in high contrast), and whose buttons
// speak the language of its pages.
#include "framework/Gdi.h"
#include "framework/PropertySheet.h"
#include "lang/LanguageManager.h"

class CDialogWizSheet : public CPropertySheet {
public:
    explicit CDialogWizSheet(const LanguageManager& texts, const char* caption = "",
                             CWnd* parent = nullptr, UINT selectPage = 0);

    // Creates the background brush and words the Back, Next, Finish and
    // Cancel buttons in the language in force ([Texts] WizardBack, ...).
    BOOL OnInitDialog() override;
    HBRUSH GetBackgroundBrush() const { return background_; }

    DECLARE_MESSAGE_MAP()

protected:
    // The background brush for the sheet itself; default colours for the rest.
    HBRUSH OnCtlColor(CDC* dc, HWND window, UINT kind);
    // The brush follows a change of the system's colours.
    LRESULT OnSysColorChange(WPARAM, LPARAM);

private:
    const LanguageManager& texts_;
    CBrush background_;
};
