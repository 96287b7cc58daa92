#pragma once
#include "framework/Clock.h"
#include "framework/Controls.h"
#include "framework/DateTime.h"
#include "pages/CDialogCritSched.h"
#include "pages/CWizardPage.h"

// Steps 2 and 3: one count in an edit with an up-down control and its unit in
// the count's form; step 3 shows beside it the cycle that it gives with step
// 2's count.
class CWizardCountPage : public CWizardPage {
public:
    struct Controls {
        int spinId;
        int editId;
        int unitId;
        CycleCountRule rule;
        int hintId; // 0: no hint
    };
    CWizardCountPage(UINT templateId, DWORD buttons, const Controls& controls,
                     const LanguageManager& texts);

    BOOL OnInitDialog() override;
    // The up-down control's last 32-bit position answer: a non-zero high
    // word reports an unusable entry (see UsableCount).
    int GetCount() const { return count_; }
    // The count the number in the box stands for (the rule's fallback for
    // one it cannot use).
    int GetCountInUse() const { return UsableCount(count_, controls_.rule); }
    // The step whose count of critical days the hint adds to this one's.
    void SetCritDaysStep(const CWizardCountPage* step) { critDaysStep_ = step; }
    BOOL OnSetActive() override;
    // Next (or Back) and Finish with a number the box cannot use: the box
    // shows the number in use, the balloon says why, and the step stays, so
    // that nothing is taken that the box did not show.
    BOOL OnKillActive() override { return !balloon_.Correct(spin_, edit_, controls_.rule); }
    BOOL OnWizardFinish() override { return !balloon_.Correct(spin_, edit_, controls_.rule); }

    DECLARE_MESSAGE_MAP()

protected:
    void DoDataExchange(CDataExchange* exchange) override;
    void OnCountChange();
    void OnCountLeft()
    {
        if (IsWindowVisible()) // not while the wizard ends
            balloon_.Correct(spin_, edit_, controls_.rule);
    }
    void OnSpinStep(NMHDR* header, LRESULT* result) { SelectSteppedNumber(header), *result = 0; }
    // Translated (LanguageManager::TranslatedMessage): the unit and the hint
    // in the language now in force.
    LRESULT OnTranslated(WPARAM, LPARAM section);

private:
    void ShowCountTexts();

    Controls controls_;
    CSpinButtonCtrl spin_;
    CEdit edit_;
    int count_ = 0;
    const CWizardCountPage* critDaysStep_ = nullptr;
    CountBalloon balloon_;
    CountLabel unit_;
};
