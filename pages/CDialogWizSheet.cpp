#include "pages/CDialogWizSheet.h"

#include <utility>

#include "framework/WindowText.h"
#include "lang/ProgramTexts.h"
#include "ui/Drawing.h"

BEGIN_MESSAGE_MAP(CDialogWizSheet, CPropertySheet)
ON_WM_CTLCOLOR()
ON_MESSAGE(WM_SYSCOLORCHANGE, OnSysColorChange)
END_MESSAGE_MAP()

CDialogWizSheet::CDialogWizSheet(const LanguageManager& texts, const char* caption, CWnd* parent,
                                 UINT selectPage)
    : CPropertySheet(caption, parent, selectPage), texts_(texts)
{
}

BOOL CDialogWizSheet::OnInitDialog()
{
    CPropertySheet::OnInitDialog();
    background_.CreateSolidBrush(LightFace(0.24));
    // The buttons speak the wizard's language, not Windows' own.
    const std::pair<int, TextId> buttons[] = {{ID_WIZBACK, TextId::WizardBack},
                                              {ID_WIZNEXT, TextId::WizardNext},
                                              {ID_WIZFINISH, TextId::WizardFinish},
                                              {IDCANCEL, TextId::WizardCancel}};
    for (const auto& [id, text] : buttons)
        if (HWND button = ::GetDlgItem(m_hWnd, id))
            fw::SetWindowText(button, texts_.Format(text));
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
