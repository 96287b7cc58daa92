#include "pages/AboutPage.h"

#include <shellapi.h>

#include "framework/WinApp.h"
#include "model/AppIdentity.h"
#include "res/resource.h"

BEGIN_MESSAGE_MAP(CDialogCritAbout, CFramedPage)
ON_BN_CLICKED(IDC_ABOUT_DOWNLOAD, OpenWebSite)
END_MESSAGE_MAP()

CDialogCritAbout::CDialogCritAbout() : CFramedPage(IDD_ABOUT, {"about"}) {}

void CDialogCritAbout::OpenWebSite()
{
    CWnd* main = AfxGetMainWnd();
    ::ShellExecuteA(main ? main->m_hWnd : nullptr, "open", velindra::kWebAddress, nullptr, nullptr,
                    SW_SHOW);
}
