#include "app/CCritApp.h"

#include <cstdio>
#include <new>

#include "app/FirstLaunchDialog.h"
#include "app/Help.h"
#include "app/MainDialog.h"
#include "lang/LanguageOwner.h"
#include "lang/ModulePath.h"
#include "model/AppIdentity.h"
#include "model/Settings.h"
#include "res/resource.h"
#include "ui/LinkStatic.h"

CCritApp::CCritApp() : CWinApp(nullptr) {}

CCritApp::~CCritApp()
{
    delete mainDialog_;
}

MainDialog* CCritApp::NewMainDialog()
{
    return new (std::nothrow) MainDialog;
}

BOOL CCritApp::InitInstance()
{
    m_appName = velindra::kAppName;
    // HTML Help is loaded and initialised when the first topic is opened.
    InstallHtmlHelp();
    SetLinkActionNamer([] { return AppText(TextId::OpenLinkAction); });
    SetRegistryKey(velindra::kRegistryKeyName);

    // Before anything touches a setting: the settings store creates the key.
    char keyPath[MAX_PATH];
    std::snprintf(keyPath, sizeof(keyPath), velindra::kSettingsKeyFormat, m_registryKey.c_str(),
                  m_profileName.c_str());
    firstRun_ = !RegistryKeyExists(HKEY_CURRENT_USER, keyPath);
    if (!firstRun_)
        HonourAutoloadWish(ModulePath::ModuleFileName());

    Enable3dControls();
    mainDialog_ = NewMainDialog();
    if (!mainDialog_)
        return FALSE;
    // Published before it is created: its pages reach the language manager
    // through the application's main window while they are initialised.
    m_pMainWnd = mainDialog_;
    // A main window that cannot be created would leave a message loop that
    // nothing can end: the program ends instead.
    if (!mainDialog_->Create(IDD_MAIN, nullptr)) {
        m_pMainWnd = nullptr;
        return FALSE;
    }

    if (firstRun_) {
        // Every page's texts reach english.lng before the first-launch dialog's.
        mainDialog_->CreateEveryPage();
        OfferWizard();
    }
    if (ReadSettingDword(SettingVisibled) != 0) {
        mainDialog_->ShowWindow(SW_SHOW);
        mainDialog_->UpdateWindow();
        mainDialog_->BringWindowToTop();
    }
    return TRUE;
}

void CCritApp::OfferWizard()
{
    mainDialog_->HoldReminder(true);
    FirstLaunchDialog offer;
    if (offer.DoModal() == IDOK)
        mainDialog_->RunWizard();
    mainDialog_->HoldReminder(false);
}

int CCritApp::ExitInstance()
{
    UninitializeHtmlHelp();
    if (mainDialog_) {
        if (mainDialog_->IsWindow())
            mainDialog_->DestroyWindow();
        delete mainDialog_;
        mainDialog_ = nullptr;
    }
    m_pMainWnd = nullptr;
    return CWinApp::ExitInstance();
}
