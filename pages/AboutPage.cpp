#include "pages/AboutPage.h"

#include <shellapi.h>

#include "framework/WinApp.h"
#include "model/AppIdentity.h"
#include "res/resource.h"
#include "ui/Drawing.h"
#include "ui/HelpTopic.h"

BEGIN_MESSAGE_MAP(CDialogCritAbout, CPropertyPage)
ON_WM_PAINT()
ON_WM_CTLCOLOR()
ON_BN_CLICKED(IDC_ABOUT_DOWNLOAD, OpenWebSite)
END_MESSAGE_MAP()

CDialogCritAbout::CDialogCritAbout() : CPropertyPage(IDD_ABOUT) {}

BOOL CDialogCritAbout::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    background_.CreateSolidBrush(::GetSysColor(COLOR_BTNFACE));
    return TRUE;
}

void CDialogCritAbout::LoadFromSettings() {}

BOOL CDialogCritAbout::PreTranslateMessage(MSG* message)
{
    if ((message->message == WM_KEYDOWN || message->message == WM_KEYUP) &&
        message->wParam == VK_F1) {
        OpenHelpTopic("about");
        return TRUE;
    }
    return CPropertyPage::PreTranslateMessage(message);
}

void CDialogCritAbout::OnPaint()
{
    DrawPageFrame(this, 0, 0, 0);
}

HBRUSH CDialogCritAbout::OnCtlColor(CDC*, HWND window, UINT)
{
    if (window == m_hWnd && !background_.IsEmpty())
        return background_;
    return nullptr; // the default colours
}

void CDialogCritAbout::OpenWebSite()
{
    CWnd* main = AfxGetMainWnd();
    ::ShellExecuteA(main ? main->m_hWnd : nullptr, "open", velindra::kWebAddress, nullptr, nullptr,
                    SW_SHOW);
}
