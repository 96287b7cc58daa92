#include "framework/WinApp.h"

#include "framework/Wnd.h"

namespace {
CWinApp* g_app = nullptr;
}

CWinApp::CWinApp(const char* appName) : m_appName(appName ? appName : "")
{
    g_app = this;
}

CWinApp::~CWinApp()
{
    if (g_app == this)
        g_app = nullptr;
}

void CWinApp::SetRegistryKey(const char* key)
{
    m_registryKey = key ? key : "";
    m_profileName = m_appName;
}

BOOL CWinApp::PreTranslateMessage(MSG* message)
{
    HWND main = m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr;
    return WalkPreTranslateTree(main, message);
}

int CWinApp::Run()
{
    MSG message;
    for (;;) {
        BOOL got = ::GetMessageW(&message, nullptr, 0, 0);
        if (got == 0 || got == -1)
            break;
        if (PreTranslateMessage(&message))
            continue;
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    exitCode_ = static_cast<int>(message.wParam);
    return ExitInstance();
}

CWinApp* AfxGetApp()
{
    return g_app;
}

int AfxWinMain()
{
    CWinApp* app = AfxGetApp();
    if (!app)
        return 1;
    if (!app->InitInstance())
        return app->ExitInstance();
    return app->Run();
}

bool RunModalLoop(HWND stop, const bool* done)
{
    MSG message;
    while (!*done) {
        BOOL got = ::GetMessageW(&message, nullptr, 0, 0);
        if (got == -1)
            return false;
        if (got == 0) {
            ::PostQuitMessage(static_cast<int>(message.wParam));
            return false;
        }
        if (WalkPreTranslateTree(stop, &message))
            continue;
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return true;
}
