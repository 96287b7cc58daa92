#pragma once
// The environment of the program's windows in a test: a fixed clock, a
// temporary folder as the executable's folder (language files), recorders of
// the help topics asked for and of the calls to the shell's notification area,
// a pump that goes through the application's PreTranslateMessage, a real
// MainDialog as the application's main window, and the script that works a
// modal window (tests/support/ModalScript.h).
#include <gtest/gtest.h>

#include "app/MainDialog.h"
#include "framework/DateTime.h"
#include "framework/TextCodec.h"
#include "framework/WinApp.h"
#include "lang/LanguageManager.h"
#include "res/resource.h"
#include "tests/support/FixedClock.h"
#include "tests/support/HelpRecorder.h"
#include "tests/support/ShellRecorder.h"
#include "tests/support/ModalScript.h"
#include "tests/support/Sandbox.h"

namespace main_window_testing {

// Pumps this thread's messages as the program's loop does, for at least the
// given time. A WM_QUIT met on the way is posted again and ends the pump.
inline void PumpLikeTheProgram(DWORD milliseconds = 0)
{
    for (const DWORD start = ::GetTickCount();; ::Sleep(10)) {
        MSG message;
        while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT)
                return ::PostQuitMessage(static_cast<int>(message.wParam));
            if (AfxGetApp() && AfxGetApp()->PreTranslateMessage(&message))
                continue;
            ::TranslateMessage(&message);
            ::DispatchMessageA(&message);
        }
        if (::GetTickCount() - start >= milliseconds)
            return;
    }
}

// Removes a pending WM_QUIT; true when there was one.
inline bool TakeQuitMessage()
{
    MSG quit;
    return ::PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE;
}

// A key going down and up on a window, through the program's loop.
inline void PressKey(HWND window, WPARAM key)
{
    ::PostMessageA(window, WM_KEYDOWN, key, 1);
    ::PostMessageA(window, WM_KEYUP, key, 0xC0000001);
    PumpLikeTheProgram();
}

inline void Click(HWND dialog, int id)
{
    ::SendMessageA(::GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

using testing_support::kPopupMenu;
using testing_support::ModalScript;
using testing_support::Step;
constexpr int kWizard = 0x3024; // the wizard's own Next button

// Steps of the wizard: the page it shows, its buttons, its edits (which
// report the change).
inline HWND CurrentPage(HWND sheet)
{
    return reinterpret_cast<HWND>(::SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
}
inline Step Press(int button)
{
    return [button](HWND sheet) { ::PostMessageA(sheet, PSM_PRESSBUTTON, button, 0); };
}
inline Step Type(int editId, const char* text)
{
    return [editId, text](HWND sheet) { ::SetDlgItemTextA(CurrentPage(sheet), editId, text); };
}

using testing_support::ShellRecorder;

// The clock, the executable's folder and the help topics of one test.
class ProgramEnvironment : public ::testing::Test {
protected:
    ~ProgramEnvironment() override { TakeQuitMessage(); }

    // The sample cycle: periods of 5 days every 35 days from 2004-03-10, so
    // 2004-05-20 (the pinned today) lies in the period 05-19 to 05-23.
    static void StoreSampleCycle()
    {
        TestSettings().WriteStartDate(COleDateTime(2004, 3, 10, 9, 30, 0));
        TestSettings().WriteDword(SettingCritDayCount, 5);
        TestSettings().WriteDword(SettingClearDayCount, 30);
    }

    testing_support::FixedClock clock{COleDateTime(2004, 5, 20, 12, 0, 0)};
    testing_support::TempFolder folder;
    testing_support::HelpTopicRecorder help;
    ShellRecorder shell; // passes the icon's calls on to the real shell
    const std::wstring program = folder.File(L"velindra.exe"); // the (pretended) executable
    LanguageManager texts{program};
    SettingsStore& store = TestSettings();
    StoredCycle stored{store};
};

// A real MainDialog, created as the application creates it, hidden.
class MainWindowEnvironment : public ProgramEnvironment {
protected:
    ~MainWindowEnvironment() override
    {
        main.reset();
        app.m_pMainWnd = nullptr;
    }

    void CreateMain()
    {
        main.reset();
        main = std::make_unique<MainDialog>(clock, help, shell, texts, store, stored);
        app.m_pMainWnd = main.get();
        ASSERT_TRUE(main->Create(IDD_MAIN));
        PumpLikeTheProgram(); // the pages after the first, as the program's loop makes them
    }
    int ShownMonth() const { return main->Monitor().Calendar().GetShownDate().GetMonth(); }

    CWinApp app;
    std::unique_ptr<MainDialog> main;
};

} // namespace main_window_testing
