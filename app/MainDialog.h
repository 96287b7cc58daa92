#pragma once
// MainDialog: the program's one top-level window (dialog 102). A tinted
// picture stripe, the navigation list, the page sheet with the Monitor,
// Scheduler, Options and About pages, and the Wizard, Hide, Exit and Help
// buttons. It lives hidden from start-up to the end of the program; minimising
// hides it, closing ends the program. It sets the language of the program's
// LanguageManager, and it is the hub the pages report changes to
// (RefreshCycleState, ApplyLanguage).
#include <windows.h>

#include "app/CDialogCritSheet.h"
#include "app/TrayPresence.h"
#include "calendar/CDialogCritMonitor.h"
#include "framework/Clock.h"
#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "framework/Gdi.h"
#include "framework/ImageList.h"
#include "framework/Strings.h"
#include "lang/LanguageManager.h"
#include "model/StoredCycle.h"
#include "pages/CDialogCritAbout.h"
#include "pages/MainWindowLink.h"
#include "pages/CDialogCritOpt.h"
#include "pages/CDialogCritSched.h"
#include "res/resource.h"
#include "ui/CIconListBox.h"
#include "ui/DialogLayout.h"

class HalfYearDialog;

class MainDialog : public CDialog, public MainWindowLink, public TrayOwner {
public:
    enum Page { PageMonitor = 0, PageScheduler = 1, PageOptions = 2, PageAbout = 3, PageCount = 4 };
    // The timer that wakes the window at the next local midnight.
    static constexpr UINT_PTR kMidnightTimer = 1;
    // Posted at the end of OnInitDialog: the pages after the first are
    // created once the window has shown (or the icon has come, hidden).
    static constexpr UINT kCreatePagesMessage = WM_APP + 0x56;

    // The services outlive the window.
    MainDialog(const fw::Clock& clock, HelpOpener& help, Shell& shell, LanguageManager& language,
               SettingsStore& settings, StoredCycle& stored);
    ~MainDialog() override;

    void RefreshCycleState() override;
    void ApplyLanguage(bool initial) override;

    // Runs the three-step wizard (Wizard button, first run).
    virtual void RunWizard();
    // Creates the pages that have no window yet (the message loop does it
    // right after start-up).
    void CreateEveryPage();
    // Makes the page active, selects its list entry, shows the window and
    // puts the focus on the page.
    void ShowMainWindow(int page);
    // Hides the window to the notification area (Hide button, minimise).
    void HideToTray();
    // While held (the first-run offer and the wizard that may follow it), no
    // reminder is shown; the last release shows one that became due.
    void HoldReminder(bool hold) { tray_.HoldReminder(hold); }
    void OpenMonitor(const COleDateTime* month) override;
    // The help topic of the selected list entry ("overview" without one).
    void OnHelp();
    const char* HelpTopic() const;

    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* message) override;
    // While a window of the program waits for an answer, a command that
    // would open another window, however it arrives (posted from outside
    // too), brings that window forward instead.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Ends the program: stores whether the window was visible, posts WM_QUIT.
    void OnCancel() override;
    // True once the program was asked to end (the loops still unwinding).
    bool IsEnding() const override { return ending_; }

    // The message another start of the program sends to bring this window
    // to the front ("Open..."); the answer is kOpenAnswer.
    static UINT OpenRequestMessage();
    static constexpr LRESULT kOpenAnswer = 0x56454C; // "VEL"

    // For the application and the tests.
    CDialogCritSheet& Sheet() { return sheet_; }
    CIconListBox& Navigation() { return navigation_; }
    CDialogCritMonitor& Monitor() { return monitor_; }
    CDialogCritSched& Scheduler() { return scheduler_; }
    CDialogCritAbout& About() { return about_; }
    HBITMAP GetStripeBitmap() const { return stripe_.GetBitmap(); }
    HBRUSH GetBackgroundBrush() const { return background_; }
    TrayPresence& Tray() { return tray_; }
    // The half-year calendar while it is open, or null.
    HalfYearDialog* OpenHalfYear() const { return halfYear_; }
    LanguageManager& Language() { return language_; }

    DECLARE_MESSAGE_MAP()

protected:
    void DoDataExchange(CDataExchange* exchange) override;

    void OnPaint();
    HICON OnQueryDragIcon() { return windowIcon_; }
    HBRUSH OnCtlColor(CDC* dc, HWND window, UINT kind);
    void OnSysCommand(UINT command, LPARAM lParam);
    // WM_CLOSE (End task, taskkill, an installer): ends the program like the close box.
    void OnClose() { OnCancel(); }
    void OnTimeChange();
    void OnSelChangeNavigation();
    void OnMenuOpen() { ShowMainWindow(PageMonitor); }
    void OnMenuScheduler() { ShowMainWindow(PageScheduler); }
    void OnMenuOptions() { ShowMainWindow(PageOptions); }
    void OnMenuAbout() { ShowMainWindow(PageAbout); }
    void OnMenuHalfYear();
    void OnMenuWebSite() { about_.OpenWebSite(); }
    // Her record (MainDialogRecord.cpp): the icon's menu and the Monitor page.
    void OnStartedToday();
    void OnHistory();
    void OnExport();
    void OnUseSuggestion();
    void OnDismissSuggestion();
    // The notification icon's callback: lParam carries the mouse message.
    LRESULT OnTrayNotify(WPARAM id, LPARAM mouseMessage);
    // The shell's notification area was (re-)created: the icon goes back.
    LRESULT OnTaskbarCreated(WPARAM, LPARAM);
    LRESULT OnOpenRequest(WPARAM, LPARAM);
    void OnTimer(UINT_PTR id);
    LRESULT OnPowerBroadcast(WPARAM event, LPARAM);
    LRESULT OnQueryEndSession(WPARAM, LPARAM) { return TRUE; }
    LRESULT OnEndSession(WPARAM ending, LPARAM);
    void OnDestroy();
    LRESULT OnDpiChanged(WPARAM dpi, LPARAM suggested);
    LRESULT OnCreatePages(WPARAM, LPARAM);
    LRESULT OnEnableChange(WPARAM enabled, LPARAM);
    // Another colour scheme, or high contrast turned on or off: what was
    // made from colours is made again (the windows inside follow by themselves).
    LRESULT OnSysColorChange(WPARAM, LPARAM);
    LRESULT OnActivate(WPARAM state, LPARAM);

private:
    void CreatePages();
    void PlaceSheet();
    void FitButtons();
    void CreateNavigation();
    void LoadPageImages();
    void LoadStripe();
    // The page's window, created (translated, loaded from the settings) if
    // it has none yet; false when it cannot be created.
    bool CreatePage(int page);
    void PreparePage(int page);
    // A new day (midnight, resume, time change): the icon and every
    // calendar's today follow, and the timer waits for the next midnight.
    void OnDayMayHaveChanged();
    void ArmMidnightTimer();
    // Where today stands, told by the icon and on the Monitor page.
    void TellStanding();
    void SettlePages();
    void FocusPage();
    // While this window is disabled, a window of the program waits for an
    // answer (the help window, the half-year calendar, the wizard, the
    // first-run offer): it is brought to the front and the answer is true.
    bool BringOpenModalToFront() override;
    // That window: an enabled, visible window of this thread that this one
    // owns; null when there is none.
    HWND OpenModal() const;

    CStatic stripe_;          // 1031
    CIconListBox navigation_; // 1023
    const fw::Clock& clock_;
    HelpOpener& help_;
    LanguageManager& language_;
    SettingsStore& settings_;
    StoredCycle& stored_;
    layout::ButtonRow buttons_{IDC_MAIN_WIZARD, IDC_MAIN_HIDE, IDC_MAIN_EXIT, IDC_MAIN_HELP};
    CDialogCritSheet sheet_;
    CDialogCritMonitor monitor_;
    CDialogCritSched scheduler_;
    CDialogCritOpt options_;
    CDialogCritAbout about_;
    CIcon windowIcon_;
    CBrush background_;
    CImageList pageImages_;
    CStringArray pageNames_;
    TrayPresence tray_;                  // the notification icon, its menu 134 and the reminder
    HalfYearDialog* halfYear_ = nullptr; // while it runs
    bool ending_ = false;
};
