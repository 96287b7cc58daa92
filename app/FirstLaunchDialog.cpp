#include "app/FirstLaunchDialog.h"

#include "lang/LanguageManager.h"
#include "res/resource.h"

FirstLaunchDialog::FirstLaunchDialog(const LanguageManager& texts, CWnd* parent)
    : CDialog(IDD_FIRST_LAUNCH, parent), texts_(texts)
{
}

// The question-mark icon is a shared system icon: nothing to destroy.
FirstLaunchDialog::~FirstLaunchDialog() = default;

void FirstLaunchDialog::DoDataExchange(CDataExchange* exchange)
{
    DDX_Control(exchange, IDC_FIRST_ICON, icon_);
    DDX_Control(exchange, IDC_FIRST_NO_THANKS, noThanks_);
    DDX_Control(exchange, IDC_FIRST_LAUNCH_WIZARD, launchWizard_);
}

BOOL FirstLaunchDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    CString section;
    texts_.TranslateDialog(true, true, this, IDD_FIRST_LAUNCH, 0, section);
    question_ = ::LoadIconW(nullptr, MAKEINTRESOURCEW(32514)) /* IDI_QUESTION */;
    icon_.SetIcon(question_);
    launchWizard_.SetCheck(BST_CHECKED);
    return TRUE;
}

void FirstLaunchDialog::OnCancel()
{
    EndDialog(launchWizard_.GetCheck() != 0 ? IDOK : IDCANCEL);
}
