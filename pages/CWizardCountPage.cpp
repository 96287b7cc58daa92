#include "pages/CWizardCountPage.h"

#include "framework/WindowText.h"
#include "lang/LanguageManager.h"
#include "res/resource.h"

namespace {
constexpr UINT kCountTextLimit = 2; // characters
const char kDayUnitOne[] = "Day";   // the unit's English form for one
const UINT kTranslatedMessage = LanguageManager::TranslatedMessage();
} // namespace

// One map for both count pages: each page holds only its own edit, so only
// that edit's entry ever fires on it.
BEGIN_MESSAGE_MAP(CWizardCountPage, CWizardPage)
ON_EN_CHANGE(IDC_WIZ2_EDIT, OnCountChange)
ON_EN_CHANGE(IDC_WIZ3_EDIT, OnCountChange)
ON_CONTROL(EN_KILLFOCUS, IDC_WIZ2_EDIT, OnCountLeft)
ON_CONTROL(EN_KILLFOCUS, IDC_WIZ3_EDIT, OnCountLeft)
ON_REGISTERED_MESSAGE(kTranslatedMessage, OnTranslated)
ON_NOTIFY(UDN_DELTAPOS, IDC_WIZ2_SPIN, OnSpinStep)
ON_NOTIFY(UDN_DELTAPOS, IDC_WIZ3_SPIN, OnSpinStep)
END_MESSAGE_MAP()

CWizardCountPage::CWizardCountPage(UINT templateId, DWORD buttons, const Controls& controls,
                                   const LanguageManager& texts)
    : CWizardPage(templateId, buttons, texts), controls_(controls), balloon_(texts),
      unit_(texts, controls.unitId, kDayUnitOne)
{
}

void CWizardCountPage::DoDataExchange(CDataExchange* exchange)
{
    CWizardPage::DoDataExchange(exchange);
    DDX_Control(exchange, controls_.spinId, spin_);
    DDX_Control(exchange, controls_.editId, edit_);
}

BOOL CWizardCountPage::OnInitDialog()
{
    CWizardPage::OnInitDialog();
    if (controls_.hintId)
        LanguageManager::ExcludeFromTranslation(GetDlgItem(controls_.hintId));
    unit_.Attach(m_hWnd);
    spin_.SetRange(controls_.rule.lowest, controls_.rule.highest);
    spin_.SetPos(controls_.rule.fallback);
    edit_.SetLimitText(kCountTextLimit);
    if (spin_.IsWindow())
        count_ = static_cast<int>(spin_.GetPos());
    return TRUE;
}

BOOL CWizardCountPage::OnSetActive()
{
    ShowCountTexts(); // step 2's count may have changed meanwhile
    // The box takes the focus with the step: its number selected, to be typed
    // over, and the caret after it (not drawn over its first digit).
    edit_.SendMessage(EM_SETSEL, 0, -1);
    return CWizardPage::OnSetActive();
}

void CWizardCountPage::OnCountChange()
{
    if (spin_.IsWindow())
        count_ = static_cast<int>(spin_.GetPos());
    balloon_.Hide();
    ShowCountTexts();
}

LRESULT CWizardCountPage::OnTranslated(WPARAM, LPARAM section)
{
    unit_.Translated(*reinterpret_cast<const CString*>(section));
    ShowCountTexts();
    return 0;
}

void CWizardCountPage::ShowCountTexts()
{
    if (!IsWindow())
        return;
    unit_.Show(GetCountInUse());
    if (!controls_.hintId)
        return;
    // Without step 2 its count is the one Finish would store: the fallback.
    const int critDays = critDaysStep_ ? critDaysStep_->GetCountInUse() : kCritDayRule.fallback;
    fw::SetWindowText(GetDlgItem(controls_.hintId), CycleHint(Texts(), critDays, GetCountInUse()));
}
