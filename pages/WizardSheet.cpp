#include "pages/WizardSheet.h"

#include "ui/Drawing.h"

BEGIN_MESSAGE_MAP(CDialogWizSheet, CPropertySheet)
ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

CDialogWizSheet::CDialogWizSheet(const char* caption, CWnd* parent, UINT selectPage)
    : CPropertySheet(caption, parent, selectPage)
{
}

BOOL CDialogWizSheet::OnInitDialog()
{
    CPropertySheet::OnInitDialog();
    background_.CreateSolidBrush(LightenColor(::GetSysColor(COLOR_BTNFACE), 0.24));
    return TRUE;
}

HBRUSH CDialogWizSheet::OnCtlColor(CDC*, HWND window, UINT)
{
    if (window == m_hWnd && !background_.IsEmpty())
        return background_;
    return nullptr; // the default colours
}
