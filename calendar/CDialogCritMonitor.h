#pragma once
// The Monitor page: the first page of the main window and the program's main
// view. One month calendar with the critical days marked and today framed,
// a Today button and a button that opens the half-year calendar, and under
// them a line that says where today stands. Below: "My period started today",
// History and the export, and the suggested cycle with its two buttons while
// there is one. The main window carries out those commands: the page passes
// them on (WM_COMMAND with the control's id). It also tells the main window
// whether a day is marked critical.
#include "calendar/MonthCalendarCtrl.h"
#include "framework/Clock.h"
#include "framework/DateTime.h"
#include "framework/Strings.h"
#include "model/StoredCycle.h"
#include "res/resource.h"
#include "ui/CFramedPage.h"

class CDialogCritMonitor : public CFramedPage {
public:
    CDialogCritMonitor(const fw::Clock& clock, HelpOpener& help, const LanguageManager& texts,
                       const SettingsStore& settings, StoredCycle& stored);
    ~CDialogCritMonitor() override;

    // True when the displayed grid holds the date's day in the critical-day
    // colour; a day outside the 42 displayed days is never critical.
    bool IsCriticalDay(const COleDateTime& date) const;
    // Shows the current month and marks it again (the grid is marked twice).
    void ShowToday();
    // The line under the buttons (the main window words it).
    void ShowStatus(const CString& text);
    // The offer of the stored record's suggested cycle, in the language in
    // force; hidden, with its buttons, while there is none.
    void ShowSuggestion();

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;

    MonthCalendarCtrl& Calendar() { return calendar_; }

    // The calendar and its buttons laid out again at another display scale.
    void OnDpiChanged(int dpi) override;

    DECLARE_MESSAGE_MAP()

protected:
    void DoDataExchange(CDataExchange*) override {}

    void OnToday();
    LRESULT OnCalendarMarkDays(WPARAM, LPARAM request);
    // The buttons the main window answers.
    void OnHalfYear() { PassOn(IDC_MON_HALFYEAR); }
    void OnStarted() { PassOn(IDC_MON_STARTED); }
    void OnHistory() { PassOn(IDC_MON_HISTORY); }
    void OnExport() { PassOn(IDC_MON_EXPORT); }
    void OnUse() { PassOn(IDC_MON_USE); }
    void OnDismiss() { PassOn(IDC_MON_DISMISS); }

private:
    void CreateCalendar();
    void PlaceCalendar();
    void PassOn(int id);

    const fw::Clock& clock_;
    const LanguageManager& texts_;
    const SettingsStore& settings_;
    StoredCycle& stored_;
    MonthCalendarCtrl calendar_;
};
