#pragma once
// What every page of the main window has in common: a button-face background
// brush made in OnInitDialog, a soft frame with up to three separator rows as
// its whole painting (the rows in dialog units, laid out with the controls
// they run between), and its help topic on F1 (on the key going down and
// again on its release).
#include <vector>

#include "framework/Gdi.h"
#include "framework/PropertySheet.h"
#include "ui/HelpTopic.h"

class CFramedPage : public CPropertyPage {
public:
    struct Look {
        const char* helpTopic;
        int row1 = 0, row2 = 0, row3 = 0; // separator rows in dialog units, 0 = none
    };
    // F1 opens the look's topic through the opener, which outlives the page.
    CFramedPage(UINT templateId, const Look& look, HelpOpener& help);

    // What the page paints, in its client pixels: the frame and the bands of
    // its separators.
    RECT Frame() const;
    std::vector<RECT> SeparatorBands() const;

    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* message) override;
    // After the main window moved to a monitor of another scale: the page
    // lays its pixel parts out again (the frame follows by itself).
    virtual void OnDpiChanged(int dpi);
    // After the system's colours changed (the brush has followed already):
    // what else the page made from colours follows.
    virtual void OnColoursChanged();

    DECLARE_MESSAGE_MAP()

protected:
    void OnPaint();
    // A page never reaches beyond its sheet, which may end above the
    // window's buttons: the page's frame would be cut off there.
    LRESULT OnWindowPosChanging(WPARAM, LPARAM position);
    LRESULT OnDpiChangedAfterParent(WPARAM, LPARAM);
    LRESULT OnSysColorChange(WPARAM, LPARAM);
    // The background brush for the page itself; default colours for the rest.
    HBRUSH OnCtlColor(CDC* dc, HWND window, UINT kind);

private:
    std::vector<int> SeparatorRows() const; // client pixels

    Look look_;
    HelpOpener& help_;
    CBrush background_;
};
