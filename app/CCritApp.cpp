#include "app/CCritApp.h"

#include <new>

#include "app/FirstLaunchDialog.h"
#include "app/Help.h"
#include "app/MainDialog.h"
#include "model/AppIdentity.h"
#include "model/FirstStart.h"
#include "model/Settings.h"
#include "res/resource.h"

namespace {

// Names the application's registry key: Software\<maker>\<app> under
// HKEY_CURRENT_USER holds its settings.
std::string NameRegistryKey(CWinApp& app)
{
    app.SetRegistryKey(velindra::kRegistryKeyName);
    return SettingsKeyPath(app.m_registryKey, app.m_profileName);
}

} // namespace

CCritApp::CCritApp(const std::wstring& programFile)
    : CWinApp(velindra::kAppName), programFile_(programFile),
      settings_(HKEY_CURRENT_USER, NameRegistryKey(*this)), help_(programFile),
      language_(programFile)
{
}

CCritApp::~CCritApp()
{
    delete mainDialog_;
}

MainDialog* CCritApp::NewMainDialog(const fw::Clock& clock, HelpOpener& help, Shell& shell,
                                    LanguageManager& language, SettingsStore& settings,
                                    StoredCycle& stored)
{
    return new (std::nothrow) MainDialog(clock, help, shell, language, settings, stored);
}

BOOL CCritApp::InitInstance()
{
    // Before anything touches a setting: the settings store creates the key.
    firstRun_ = IsFirstStart(settings_);
    if (firstRun_)
        BeginFirstStart(settings_); // until its question is answered
    else
        HonourAutoloadWish(settings_, programFile_);

    Enable3dControls();
    mainDialog_ = NewMainDialog(clock_, help_, shell_, language_, settings_, stored_);
    if (!mainDialog_)
        return FALSE;
    // A main window that cannot be created would leave a message loop that
    // nothing can end: the program ends instead.
    if (!mainDialog_->Create(IDD_MAIN, nullptr))
        return FALSE;
    m_pMainWnd = mainDialog_;
    help_.SetOwner(mainDialog_->m_hWnd);

    if (firstRun_) {
        // Every page's texts reach english.lng before the first-launch dialog's.
        mainDialog_->CreateEveryPage();
        OfferWizard();
    }
    if (mainDialog_->IsEnding())
        return TRUE; // asked to end while the question waited: the loop ends at once
    // The first start shows the window, whatever an unanswered one before it stored.
    if (firstRun_ || settings_.ReadDword(SettingVisibled) != 0) {
        mainDialog_->ShowWindow(SW_SHOW);
        mainDialog_->UpdateWindow();
        mainDialog_->BringWindowToTop();
    }
    return TRUE;
}

void CCritApp::OfferWizard()
{
    mainDialog_->HoldReminder(true);
    FirstLaunchDialog offer(language_, mainDialog_);
    const INT_PTR answer = offer.DoModal();
    // Ended otherwise (the program asked to end), the question comes again next time.
    if (answer == IDOK || answer == IDCANCEL)
        EndFirstStart(settings_);
    if (answer == IDOK)
        mainDialog_->RunWizard();
    mainDialog_->HoldReminder(false);
}

int CCritApp::ExitInstance()
{
    help_.Uninitialize();
    help_.SetOwner(nullptr);
    if (mainDialog_) {
        if (mainDialog_->IsWindow())
            mainDialog_->DestroyWindow();
        delete mainDialog_;
        mainDialog_ = nullptr;
    }
    m_pMainWnd = nullptr;
    return CWinApp::ExitInstance();
}
