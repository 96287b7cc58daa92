#include "ui/FramedPage.h"

#include "ui/Drawing.h"
#include "ui/HelpTopic.h"

BEGIN_MESSAGE_MAP(CFramedPage, CPropertyPage)
ON_WM_PAINT()
ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

CFramedPage::CFramedPage(UINT templateId, const Look& look) : CPropertyPage(templateId), look_(look)
{
}

BOOL CFramedPage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    background_.CreateSolidBrush(::GetSysColor(COLOR_BTNFACE));
    return TRUE;
}

BOOL CFramedPage::PreTranslateMessage(MSG* message)
{
    if (IsHelpKey(message)) {
        OpenHelpTopic(look_.helpTopic);
        return TRUE;
    }
    return CPropertyPage::PreTranslateMessage(message);
}

void CFramedPage::OnPaint()
{
    DrawPageFrame(this, look_.row1, look_.row2, look_.row3);
}

HBRUSH CFramedPage::OnCtlColor(CDC*, HWND window, UINT)
{
    if (window == m_hWnd && !background_.IsEmpty())
        return background_;
    return nullptr; // the default colours
}
