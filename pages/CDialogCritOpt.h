#pragma once
// The Options page: start with Windows, the pink notification icon during a
// critical period, a reminder some days before critical days, and the language of the user
// interface with its translator's name, contact and date. Every change is stored at once,
// the reminder's days once they have settled (pages/SettlingChange.h). While the reminder
// is on and the program does not start with Windows, a line under the reminder's row
// offers to start it so (the reminder comes only while the program runs).
// The language list names each language in its own words ("Deutsch"); a
// language is taken when she has chosen it: the dropped list closed on it, or
// a step in the closed list.
#include <vector>

#include "framework/Controls.h"
#include "framework/Strings.h"
#include "lang/LanguageFiles.h"
#include "model/Settings.h"
#include "pages/CountBox.h"
#include "pages/CountLabel.h"
#include "pages/CountSettler.h"
#include "ui/CFramedPage.h"

class CDialogCritOpt : public CFramedPage {
public:
    // The services outlive the page.
    CDialogCritOpt(HelpOpener& help, const LanguageManager& texts, SettingsStore& settings);

    // Lists the language files beside the executable.
    BOOL OnInitDialog() override;
    // Shows the stored values; nothing while the page window does not exist.
    void LoadFromSettings();
    // A letter typed into the dropped language list moves to the next
    // language it begins, as the arrows move: the list stays open and nothing
    // is chosen (a list may otherwise close on the letter, and Enter then
    // reaches the window's default button).
    BOOL PreTranslateMessage(MSG* message) override;
    // Left for another page: days that wait are stored.
    BOOL OnKillActive() override;
    // Stores days that wait, at once (the window hides or the program ends).
    void Settle();

    DECLARE_MESSAGE_MAP()

protected:
    void DoDataExchange(CDataExchange* exchange) override;

    void OnAutoload();
    void OnCritRed();
    // A step in the closed list is a choice; in the dropped one it is not.
    void OnLanguageSelChange();
    // The dropped list closed on an item, or without a choice: settled once
    // it has closed (kSettleLanguageMessage).
    void OnLanguageSelEndOk();
    void OnLanguageSelEndCancel();
    LRESULT OnSettleLanguage(WPARAM chosen, LPARAM);
    void OnRemind();
    void OnRemindDaysChange();
    void OnRemindDaysLeft();
    void OnStartWithWindows();
    void OnTimer(UINT_PTR id);
    void OnSpinStep(NMHDR* header, LRESULT* result) { SelectSteppedNumber(header), *result = 0; }
    // Translated (LanguageManager::TranslatedMessage): the reminder's unit
    // in the language now in force.
    LRESULT OnTranslated(WPARAM, LPARAM section);

    static constexpr UINT kSettleLanguageMessage = WM_APP + 0x60;

private:
    void FillLanguageList();
    // The language the windows show: the stored choice when its file can be
    // shown, else english; while she has chosen none, the one of Windows'
    // display language.
    void SelectStoredLanguage();
    // Selects the language (a file name) in the list, else english.
    void SelectLanguage(const CString& file);
    // The file name of the list's entry; empty for none.
    CString ListedFile(int index) const;
    // Stores and applies the selected language unless it is the stored one;
    // the keyboard focus stays where it is.
    void TakeSelectedLanguage();
    void ShowTranslatorInfo();
    void EnableRemindDays();
    // The offer to start with Windows, shown while the reminder is on and the
    // program does not start with Windows.
    void ShowAutoloadOffer();

    CEdit date_;
    const LanguageManager& texts_;
    SettingsStore& settings_;
    CEdit translator_;
    CEdit contact_;
    CComboBox language_; // names in any script
    CButton critRed_;
    CButton autoload_;
    CButton remind_;
    CEdit remindDays_;
    CSpinButtonCtrl remindSpin_;
    CountLabel remindUnit_;
    std::vector<LanguageListing> languages_; // each entry's data: its index here
    CountSettler days_;                      // the reminder's days
};
