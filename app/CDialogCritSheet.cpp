#include "app/CDialogCritSheet.h"

BEGIN_MESSAGE_MAP(CDialogCritSheet, CPropertySheet)
ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

CDialogCritSheet::CDialogCritSheet() : CPropertySheet("", nullptr, 0) {}

void CDialogCritSheet::SetBackgroundBrush(HBRUSH brush)
{
    if (brush)
        background_ = brush;
}

BOOL CDialogCritSheet::OnInitDialog()
{
    CPropertySheet::OnInitDialog();
    if (HWND tabs = GetTabControl()) {
        ::ShowWindow(tabs, SW_HIDE);
        ::SendMessageW(tabs, TCM_SETITEMSIZE, 0, MAKELPARAM(100, 2));
    }
    // The main window moves the sheet to its place right afterwards.
    RECT frame = GetWindowRect();
    SetWindowPos(nullptr, 0, 0, frame.right - frame.left - kShrinkWidth,
                 frame.bottom - frame.top - kShrinkHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE;
}

HBRUSH CDialogCritSheet::OnCtlColor(CDC*, HWND, UINT)
{
    return background_; // null: the default colours
}
