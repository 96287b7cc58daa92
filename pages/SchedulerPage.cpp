#include "pages/SchedulerPage.h"

#include "res/resource.h"
#include "ui/Drawing.h"
#include "ui/HelpTopic.h"

BEGIN_MESSAGE_MAP(CDialogCritSched, CPropertyPage)
ON_WM_PAINT()
ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

CDialogCritSched::CDialogCritSched() : CPropertyPage(IDD_SCHEDULER) {}

BOOL CDialogCritSched::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    background_.CreateSolidBrush(::GetSysColor(COLOR_BTNFACE));
    return TRUE;
}

void CDialogCritSched::LoadFromSettings() {}

BOOL CDialogCritSched::PreTranslateMessage(MSG* message)
{
    if ((message->message == WM_KEYDOWN || message->message == WM_KEYUP) &&
        message->wParam == VK_F1) {
        OpenHelpTopic("sched");
        return TRUE;
    }
    return CPropertyPage::PreTranslateMessage(message);
}

void CDialogCritSched::OnPaint()
{
    DrawPageFrame(this, 78, 136, 0);
}

HBRUSH CDialogCritSched::OnCtlColor(CDC*, HWND window, UINT)
{
    if (window == m_hWnd && !background_.IsEmpty())
        return background_;
    return nullptr; // the default colours
}
