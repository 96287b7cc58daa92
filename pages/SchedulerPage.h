#pragma once
// The Scheduler page: the first day of a critical period, the length of a
// critical period and the days between two periods. Every change is written
// to the settings at once, all three values in the order StartDate,
// CritDayCount, ClearDayCount, and the main window is told to refresh.
#include "framework/Controls.h"
#include "ui/FramedPage.h"

// The range of one cycle count and what takes the place of an unusable one.
struct CycleCountRule {
    int lowest;
    int highest;
    int fallback; // also the position shown when a page is created
};
constexpr CycleCountRule kCritDayRule{1, 30, 3};
constexpr CycleCountRule kClearDayRule{3, 90, 28};

// The count an up-down control's 32-bit position answer stands for: the
// fallback when the answer reports failure (a non-zero high word: empty,
// non-numeric or out-of-range buddy text) or lies outside the range.
int UsableCount(int spinAnswer, const CycleCountRule& rule);

class CDialogCritSched : public CFramedPage {
public:
    CDialogCritSched();

    BOOL OnInitDialog() override;
    // Shows what is stored now: another program (or a second window) may
    // have changed it since the page was last shown.
    BOOL OnSetActive() override;
    // Shows the stored values without writing anything; nothing while the
    // page window does not exist.
    void LoadFromSettings();
    // The common change handler: stores all three values and has the main
    // window refresh; nothing while loading.
    void SaveToSettings();
    // Shows values stored elsewhere (the wizard) without writing them again.
    void ShowValues(const COleDateTime& start, int critDays, int clearDays);

    DECLARE_MESSAGE_MAP()

protected:
    void DoDataExchange(CDataExchange* exchange) override;

    void OnToday();
    void OnDateTimeChange(NMHDR* header, LRESULT* result);

private:
    CSpinButtonCtrl critSpin_;  // 1038
    CSpinButtonCtrl clearSpin_; // 1039
    CEdit critEdit_;            // 1029
    CEdit clearEdit_;           // 1030
    CDateTimeCtrl date_;        // 1000
    CButton today_;             // 1025
    // Set from construction to the end of OnInitDialog and while values are
    // being shown: the controls' change notifications then store nothing.
    int loading_ = 1;
};
