#pragma once
// The application object: owns the services its windows are handed (the
// clock, the help, the shell, the program's texts, the settings store and the
// stored cycle), names the application and its settings key, finds out
// whether this is the first start, creates the hidden main window, offers the
// wizard on the first start and shows the main window then or when it was
// visible at the end of the last run. At the end it releases HTML Help and
// destroys the main window.
#include <windows.h>

#include <string>

#include "app/Help.h"
#include "app/SystemShell.h"
#include "framework/Clock.h"
#include "framework/WinApp.h"
#include "lang/LanguageManager.h"
#include "model/Settings.h"
#include "model/StoredCycle.h"

class MainDialog;

class CCritApp : public CWinApp {
public:
    // The program whose executable's full path is `programFile`: its
    // language files and help file lie beside it, and it is what starts with
    // Windows.
    explicit CCritApp(const std::wstring& programFile);
    ~CCritApp() override;

    BOOL InitInstance() override;
    int ExitInstance() override;

    MainDialog* GetMainDialog() const { return mainDialog_; }
    // True when this start asks the first start's question (model/FirstStart.h).
    bool IsFirstRun() const { return firstRun_; }
    const HtmlHelp& Help() const { return help_; }

protected:
    // Allocates the main window object with the application's services; null
    // ends the program.
    virtual MainDialog* NewMainDialog(const fw::Clock& clock, HelpOpener& help, Shell& shell,
                                      LanguageManager& language, SettingsStore& settings,
                                      StoredCycle& stored);

private:
    void OfferWizard();

    std::wstring programFile_;
    SettingsStore settings_; // under the key named by SetRegistryKey
    fw::SystemClock clock_;
    HtmlHelp help_;
    SystemShell shell_;
    LanguageManager language_;
    StoredCycle stored_{settings_};
    MainDialog* mainDialog_ = nullptr; // owned
    bool firstRun_ = false;
};
