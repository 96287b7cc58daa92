#pragma once
// What the three wizard pages have in common: the tinted side picture,
// reloaded each time the page becomes active, the Back/Next/Finish buttons
// the page enables, its translation on every activation, and its painting
// (a soft frame around the side picture and one around the rest).
#include "framework/Controls.h"
#include "framework/Gdi.h"
#include "framework/PropertySheet.h"
#include "lang/LanguageManager.h"

#include <string>
#include <vector>

class CWizardPage : public CPropertyPage {
public:
    // buttons: the PSWIZB_* set enabled while the page is shown.
    CWizardPage(UINT templateId, DWORD buttons, const LanguageManager& texts);

    // Enables the page's buttons, translates the page and reloads its picture.
    BOOL OnSetActive() override;
    ~CWizardPage() override;
    HBITMAP GetSideBitmap() const { return picture_.GetBitmap(); }
    // The soft frames the page paints (around the side picture, around the
    // rest), in its client pixels.
    std::vector<RECT> Frames() const;

    DECLARE_MESSAGE_MAP()

protected:
    // Binds the side picture; derived pages bind their controls after it.
    void DoDataExchange(CDataExchange* exchange) override;
    void OnPaint();
    // Moved to a monitor of another scale: the side picture follows.
    LRESULT OnDpiChangedAfterParent(WPARAM, LPARAM);
    LRESULT OnSysColorChange(WPARAM, LPARAM);

protected:
    const LanguageManager& Texts() const { return texts_; }

private:
    const LanguageManager& texts_;
    void Translate();
    void ReloadSideBitmap();
    // The scale of the side picture: the page's, or less when the picture
    // would not fit the page's height otherwise (the sheet sizes its pages).
    int SidePictureDpi() const;
    // The page's icon at the size of its scale, when the system's icon size
    // differs from it (a dialog font that grows less than the dpi).
    void FitIcon();

    CStatic picture_;    // 1031
    std::wstring title_; // the step's caption in the language in force, as posted
    DWORD buttons_;
    CIcon icon_; // made by FitIcon
};
