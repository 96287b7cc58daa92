#pragma once
// The About page: the program and its version, the maker's rights notice,
// the web and support e-mail addresses as links, a banner that opens the web
// site and a button that does the same.
#include "framework/Controls.h"
#include "lang/LanguageManager.h"
#include "ui/CFramedPage.h"
#include "ui/CLinkStatic.h"

class CDialogCritAbout : public CFramedPage {
public:
    CDialogCritAbout(HelpOpener& help, Shell& shell, const LanguageManager& texts);

    // Sets up the texts and the links.
    BOOL OnInitDialog() override;
    // Opens the maker's web site with the shell (button 1002, the tray menu).
    void OpenWebSite();
    // The banner at the new scale, centred again.
    void OnDpiChanged(int dpi) override;
    // The banner in the colours of the moment.
    void OnColoursChanged() override;

    DECLARE_MESSAGE_MAP()

protected:
    void DoDataExchange(CDataExchange* exchange) override;
    // The links' action name in the language now in force.
    LRESULT OnTranslated(WPARAM, LPARAM);

private:
    void LoadBanner(int dpi);
    void CentrePictures();

    Shell& shell_;
    const LanguageManager& texts_;
    CLinkStatic banner_;
    CLinkStatic web_;
    CLinkStatic mail_;
    CStatic notice_;
    CStatic product_;
};
