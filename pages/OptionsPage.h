#pragma once
// The Options page: start with Windows, the pink notification icon during a
// critical period, a reminder some days before critical days, and the language of the user
// interface with its translator's name, contact and date. Every change is stored at once,
// the reminder's days once they have settled (pages/SettlingChange.h). While the reminder
// is on and the program does not start with Windows, a line under the reminder's row
// offers to start it so (the reminder comes only while the program runs).
#include "framework/Controls.h"
#include "framework/Strings.h"
#include "pages/CountBox.h"
#include "pages/SettlingChange.h"
#include "ui/FramedPage.h"

class CDialogCritOpt : public CFramedPage {
public:
    CDialogCritOpt();

    // Lists the language files beside the executable.
    BOOL OnInitDialog() override;
    // Shows the stored values; nothing while the page window does not exist.
    void LoadFromSettings();
    // Left for another page: days that wait are stored.
    BOOL OnKillActive() override;
    // Stores days that wait, at once (the window hides or the program ends).
    void Settle();

    DECLARE_MESSAGE_MAP()

protected:
    void DoDataExchange(CDataExchange* exchange) override;

    void OnAutoload();
    void OnCritRed();
    void OnLanguageChange();
    void OnRemind();
    void OnRemindDaysChange();
    void OnRemindDaysLeft();
    void OnStartWithWindows();
    void OnTimer(UINT_PTR id);
    void OnSpinStep(NMHDR* header, LRESULT* result) { SelectSteppedNumber(header), *result = 0; }

private:
    void FillLanguageList();
    void SelectStoredLanguage();
    // Selects the language in the list, else english (added when missing).
    void SelectLanguage(const CString& name);
    void ShowTranslatorInfo();
    void EnableRemindDays();
    // The offer to start with Windows, shown while the reminder is on and the
    // program does not start with Windows.
    void ShowAutoloadOffer();

    CEdit date_;
    CEdit translator_;
    CEdit contact_;
    CComboBox language_; // names in any script, as the files are named
    CButton critRed_;
    CButton autoload_;
    CButton remind_;
    CEdit remindDays_;
    CSpinButtonCtrl remindSpin_;
    CountBalloon balloon_;
    SettlingChange days_;
    // Set while stored values are shown: the box's change stores nothing.
    bool loading_ = true;
};
