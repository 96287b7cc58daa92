#pragma once
// The History dialog: her recorded first days, earliest first, each with its
// period length and the days to the next recorded first day (none for the
// latest), in a list view that screen readers read by row and column. Remove
// takes the selected entry out of the stored record; Close (and Escape)
// closes. The first days are written as long dates in the locale of the
// language in force.
#include <vector>

#include "framework/Dialog.h"
#include "lang/LanguageManager.h"
#include "ui/HelpTopic.h"
#include "model/PeriodRecord.h"
#include "model/Settings.h"

class HistoryDialog : public CDialog {
public:
    HistoryDialog(HelpOpener& help, const LanguageManager& texts, SettingsStore& settings,
                  CWnd* parent = nullptr);

    // True once an entry was removed: the calendars are marked afresh.
    bool Changed() const { return changed_; }
    // The rows shown, as the list holds them.
    const std::vector<HistoryRow>& Rows() const { return rows_; }

    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* message) override;

    DECLARE_MESSAGE_MAP()

protected:
    void DoDataExchange(CDataExchange*) override {}

    void OnRemove();
    void OnItemChanged(NMHDR*, LRESULT* result);

private:
    void AddColumns();
    // The stored record's rows, the selection kept at the index (clamped).
    void Fill(int select);
    void FitColumns();
    int Selected() const;

    HelpOpener& help_;
    const LanguageManager& texts_;
    SettingsStore& settings_;
    std::vector<HistoryRow> rows_;
    bool changed_ = false;
};
