#pragma once
// The Scheduler page: the first day of a critical period, the length of a
// critical period and the days between two periods. A change is stored once
// it has settled (pages/SettlingChange.h): the three values in the order
// StartDate, CritDayCount, ClearDayCount (the date only once there is one:
// stored before, or chosen here), and then the main window is told to
// refresh. Beside the counts, their units in the forms of the numbers ("Days",
// "Day") and what they give: "(a cycle of 33 days)".
#include "framework/Clock.h"
#include "framework/Controls.h"
#include "model/CycleCountRule.h"
#include "model/RegistryWatch.h"
#include "model/Settings.h"
#include "pages/CountBox.h"
#include "pages/CountLabel.h"
#include "pages/CountSettler.h"
#include "ui/CFramedPage.h"

class CDialogCritSched : public CFramedPage {
public:
    // The services outlive the page.
    CDialogCritSched(const fw::Clock& clock, HelpOpener& help, const LanguageManager& texts,
                     SettingsStore& settings);

    BOOL OnInitDialog() override;
    // Shows what is stored now: another program (or a second window) may
    // have changed it since the page was last shown.
    BOOL OnSetActive() override;
    // Left for another page: a change that waits is stored.
    BOOL OnKillActive() override;
    // Shows the stored values without writing anything (a change that waits
    // is stored first); nothing while the page window does not exist.
    void LoadFromSettings();
    // Stores a change that waits, at once (the window hides or the program ends).
    void Settle();
    // Shows values stored elsewhere (the wizard) without writing them again.
    void ShowValues(const COleDateTime& start, int critDays, int clearDays);
    DECLARE_MESSAGE_MAP()

protected:
    void DoDataExchange(CDataExchange* exchange) override;

    void OnToday();
    void OnDateTimeChange(NMHDR* header, LRESULT* result);
    void OnDateLeft(NMHDR* header, LRESULT* result);
    void OnCountChange();
    void OnCritLeft();
    void OnClearLeft();
    void OnTimer(UINT_PTR id);
    void OnSpinStep(NMHDR* header, LRESULT* result) { SelectSteppedNumber(header), *result = 0; }
    // Translated (LanguageManager::TranslatedMessage): the words that
    // follow the counts, in the language now in force.
    LRESULT OnTranslated(WPARAM, LPARAM section);

private:
    // Whether the page still shows what is stored (no reading needed).
    bool ShowsStoredValues();
    // Stores the three values and has the main window refresh.
    void SaveToSettings();
    // The units beside the counts and the hint, in the forms of the counts.
    void ShowCountTexts();

    const fw::Clock& clock_;
    const LanguageManager& texts_;
    SettingsStore& settings_;
    CSpinButtonCtrl critSpin_;  // 1038
    CSpinButtonCtrl clearSpin_; // 1039
    CEdit critEdit_;            // 1029
    CEdit clearEdit_;           // 1030
    CDateTimeCtrl date_;        // 1000
    CButton today_;             // 1025
    CountLabel critUnit_;       // 1052
    CountLabel clearUnit_;      // 1053
    // The two counts; its loading also keeps the picker's changes out of the
    // settings while values are shown.
    CountSettler counts_;
    RegistryWatch stored_;     // the settings changed since they were last read
    bool showsStored_ = false; // the values shown are the ones last read
    // The picker shows a first day: one stored, or one she chose. Until then
    // it offers today, which is not stored.
    bool hasDate_ = false;
};
