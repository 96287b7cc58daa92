#pragma once
// Shown on the very first run only: offers the wizard. However the dialog is
// closed (OK carries the cancel id, Escape sends it too), its result follows
// the radio choice: IDOK for "Launch Wizard", IDCANCEL for "No, Thank You".
#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "lang/LanguageManager.h"

class FirstLaunchDialog : public CDialog {
public:
    explicit FirstLaunchDialog(const LanguageManager& texts, CWnd* parent = nullptr);
    ~FirstLaunchDialog() override;

    BOOL OnInitDialog() override;
    void OnCancel() override;

protected:
    void DoDataExchange(CDataExchange* exchange) override;

private:
    const LanguageManager& texts_;
    CStatic icon_;         // 1048
    CButton noThanks_;     // 1046 "No, Thank You"
    CButton launchWizard_; // 1045 "Launch Wizard"
    HICON question_ = nullptr;
};
