#pragma once
// The application object: one per process, constructed statically by the
// program. It names the application, owns the main window pointer and runs
// the message loop.
#include <windows.h>

#include <string>

class CWnd;

class CWinApp {
public:
    explicit CWinApp(const char* appName = nullptr);
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual BOOL InitInstance() { return TRUE; }
    virtual int ExitInstance() { return exitCode_; }
    // The message loop: runs until WM_QUIT, then ExitInstance.
    virtual int Run();
    // Called for every message before it is dispatched; true swallows it.
    virtual BOOL PreTranslateMessage(MSG* message);

    // Settings live under Software\<key>\<profile>; the profile is the application name.
    void SetRegistryKey(const char* key);
    void Enable3dControls() {}

    std::string m_appName;
    std::string m_registryKey;
    std::string m_profileName;
    CWnd* m_pMainWnd = nullptr;

private:
    int exitCode_ = 0;
};

CWinApp* AfxGetApp();

// The program's entry: InitInstance, then Run (or ExitInstance when it failed).
int AfxWinMain();

// Runs the loop of a modal window until *done becomes true; messages go
// through PreTranslateMessage of the windows from the target up to stop.
// False when WM_QUIT arrived (it is posted again for the outer loop).
bool RunModalLoop(HWND stop, const bool* done);
