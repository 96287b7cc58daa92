#pragma once
// The small window shown each time the main window hides: the program is
// still there, behind its icon in the notification area. The user can tick
// that it is not to be shown again (setting HideMessage).
#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "lang/LanguageManager.h"
#include "model/Settings.h"
#include "ui/HelpTopic.h"

class QuickLaunchHelpDialog : public CDialog {
public:
    QuickLaunchHelpDialog(HelpOpener& help, const LanguageManager& texts, SettingsStore& settings,
                          CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    // OK (it carries the cancel id), Escape and the close box.
    void OnCancel() override;
    // F1 going down and coming up opens the help topic about the icon.
    BOOL PreTranslateMessage(MSG* message) override;

protected:
    void DoDataExchange(CDataExchange* exchange) override;

private:
    HelpOpener& help_;
    const LanguageManager& texts_;
    SettingsStore& settings_;
    CButton hideMessage_; // 1037 "Do not show this window at next time"
};
