#pragma once
// The wizard's step 1: the first day of a critical period. The steps only hold
// what the user chose; the main window stores it after Finish.
#include "framework/Clock.h"
#include "framework/Controls.h"
#include "framework/DateTime.h"
#include "pages/CDialogCritSched.h"
#include "pages/CWizardPage.h"

class CDialogWiz1 : public CWizardPage {
public:
    CDialogWiz1(const fw::Clock& clock, const LanguageManager& texts);

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

    const fw::Clock& clock_;
    CDateTimeCtrl date_; // 1000
    CButton today_;      // 1025
    COleDateTime chosenDate_;
};
