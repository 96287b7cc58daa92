#include "pages/WizardSheet.h"

#include "ui/Drawing.h"

BEGIN_MESSAGE_MAP(CDialogWizSheet, CPropertySheet)
ON_WM_CTLCOLOR()
ON_MESSAGE(WM_SYSCOLORCHANGE, OnSysColorChange)
END_MESSAGE_MAP()

CDialogWizSheet::CDialogWizSheet(const char* caption, CWnd* parent, UINT selectPage)
    : CPropertySheet(caption, parent, selectPage)
{
}

BOOL CDialogWizSheet::OnInitDialog()
{
    CPropertySheet::OnInitDialog();
    background_.CreateSolidBrush(LightFace(0.24));
    return TRUE;
}

LRESULT CDialogWizSheet::OnSysColorChange(WPARAM, LPARAM)
{
    if (!background_.IsEmpty())
        background_.CreateSolidBrush(LightFace(0.24));
    return Default();
}

HBRUSH CDialogWizSheet::OnCtlColor(CDC*, HWND window, UINT)
{
    if (window == m_hWnd && !background_.IsEmpty())
        return background_;
    return nullptr; // the default colours
}
