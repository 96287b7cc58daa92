#pragma once
// The three steps of the wizard: the first day of a critical period (step 1),
// the length of a critical period (step 2) and the days between two periods
// (step 3). The pages only hold what the user chose; the main window stores
// it after Finish.
#include "framework/Controls.h"
#include "framework/DateTime.h"
#include "pages/SchedulerPage.h"
#include "pages/WizardPage.h"

class CDialogWiz1 : public CWizardPage {
public:
    CDialogWiz1();

    // Starts the picker at the current date and time.
    BOOL OnInitDialog() override;
    // Takes the picker's value as the chosen date each time the step is shown.
    BOOL OnSetActive() override;
    const COleDateTime& GetChosenDate() const { return chosenDate_; }

    DECLARE_MESSAGE_MAP()

protected:
    void DoDataExchange(CDataExchange* exchange) override;
    void OnToday();
    void OnDateTimeChange(NMHDR* header, LRESULT* result);

private:
    void TakePickerDate();

    CDateTimeCtrl date_; // 1000
    CButton today_;      // 1025
    COleDateTime chosenDate_;
};

// Steps 2 and 3: one count in an edit with an up-down control.
class CWizardCountPage : public CWizardPage {
public:
    struct Controls {
        int spinId;
        int editId;
        CycleCountRule rule;
    };
    CWizardCountPage(UINT templateId, DWORD buttons, const Controls& controls);

    BOOL OnInitDialog() override;
    // The up-down control's last 32-bit position answer: a non-zero high
    // word reports an unusable entry (see UsableCount).
    int GetCount() const { return count_; }

    DECLARE_MESSAGE_MAP()

protected:
    void DoDataExchange(CDataExchange* exchange) override;
    void OnCountChange();

private:
    Controls controls_;
    CSpinButtonCtrl spin_;
    CEdit edit_;
    int count_ = 0;
};

class CDialogWiz2 : public CWizardCountPage {
public:
    CDialogWiz2();
};

class CDialogWiz3 : public CWizardCountPage {
public:
    CDialogWiz3();
};
