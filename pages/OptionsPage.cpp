#include "pages/OptionsPage.h"

#include "res/resource.h"
#include "ui/Drawing.h"
#include "ui/HelpTopic.h"

BEGIN_MESSAGE_MAP(CDialogCritOpt, CPropertyPage)
ON_WM_PAINT()
ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

CDialogCritOpt::CDialogCritOpt() : CPropertyPage(IDD_OPTIONS) {}

BOOL CDialogCritOpt::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    background_.CreateSolidBrush(::GetSysColor(COLOR_BTNFACE));
    return TRUE;
}

void CDialogCritOpt::LoadFromSettings() {}

BOOL CDialogCritOpt::PreTranslateMessage(MSG* message)
{
    if ((message->message == WM_KEYDOWN || message->message == WM_KEYUP) &&
        message->wParam == VK_F1) {
        OpenHelpTopic("opt");
        return TRUE;
    }
    return CPropertyPage::PreTranslateMessage(message);
}

void CDialogCritOpt::OnPaint()
{
    DrawPageFrame(this, 78, 0, 0);
}

HBRUSH CDialogCritOpt::OnCtlColor(CDC*, HWND window, UINT)
{
    if (window == m_hWnd && !background_.IsEmpty())
        return background_;
    return nullptr; // the default colours
}
