#include "app/QuickLaunchHelpDialog.h"

#include "lang/LanguageManager.h"
#include "model/Settings.h"
#include "res/resource.h"
#include "ui/HelpTopic.h"

QuickLaunchHelpDialog::QuickLaunchHelpDialog(HelpOpener& help, const LanguageManager& texts,
                                             SettingsStore& settings, CWnd* parent)
    : CDialog(IDD_QUICKLAUNCH_HELP, parent), help_(help), texts_(texts), settings_(settings)
{
}

void QuickLaunchHelpDialog::DoDataExchange(CDataExchange* exchange)
{
    CDialog::DoDataExchange(exchange);
    DDX_Control(exchange, IDC_QLH_HIDE_MESSAGE, hideMessage_);
}

BOOL QuickLaunchHelpDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    CString section;
    texts_.TranslateDialog(true, true, this, IDD_QUICKLAUNCH_HELP, 0, section);
    if (settings_.ReadDword(SettingHideMessage) != 0)
        EndDialog(IDCANCEL);
    return TRUE;
}

void QuickLaunchHelpDialog::OnCancel()
{
    const bool ticked = hideMessage_.IsWindow() && hideMessage_.GetCheck() == BST_CHECKED;
    settings_.WriteDword(SettingHideMessage, ticked ? 1 : 0);
    EndDialog(IDCANCEL);
}

BOOL QuickLaunchHelpDialog::PreTranslateMessage(MSG* message)
{
    if (IsHelpKey(message)) {
        help_.OpenTopic("tray");
        return TRUE;
    }
    return CDialog::PreTranslateMessage(message);
}
