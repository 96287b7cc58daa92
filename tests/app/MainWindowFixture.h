#pragma once
// Shared by the main-window and start-up tests: a pinned clock, a temporary
// folder as the executable's folder (language files), a recording help
// opener, a pump that goes through the application's PreTranslateMessage, and
// a driver for modal dialogs that run inside the code under test.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/DateTime.h"
#include "framework/WinApp.h"
#include "lang/ModulePath.h"
#include "model/Settings.h"
#include "tests/support/Sandbox.h"
#include "ui/HelpTopic.h"

namespace main_window_testing {

// Every topic requested through OpenHelpTopic, in order.
inline std::vector<std::string>& Topics()
{
    static std::vector<std::string> topics;
    return topics;
}

inline void RecordTopic(const char* topic)
{
    Topics().push_back(topic);
}

// Pumps this thread's messages the way the program's loop does, for at least
// the given time. A WM_QUIT found on the way is counted, not acted on.
inline int PumpLikeTheProgram(DWORD milliseconds = 0)
{
    int quits = 0;
    DWORD start = ::GetTickCount();
    for (;;) {
        MSG message;
        while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                ++quits;
                continue;
            }
            CWinApp* app = AfxGetApp();
            if (app && app->PreTranslateMessage(&message))
                continue;
            ::TranslateMessage(&message);
            ::DispatchMessageA(&message);
        }
        if (::GetTickCount() - start >= milliseconds)
            return quits;
        ::Sleep(10);
    }
}

// Removes a pending WM_QUIT; true when there was one.
inline bool TakeQuitMessage(int* exitCode = nullptr)
{
    MSG message;
    if (!::PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
        return false;
    if (exitCode)
        *exitCode = static_cast<int>(message.wParam);
    return true;
}

// A visible top-level window of this thread that has a control with the id.
inline HWND FindThreadDialog(int controlId)
{
    struct Search {
        int id;
        HWND found;
    } search{controlId, nullptr};
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND window, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            if (::IsWindowVisible(window) && ::GetDlgItem(window, s->id)) {
                s->found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Acts on a modal dialog from a timer of this thread, once it is shown: the
// action runs inside the dialog's own message loop. One driver at a time.
class DialogDriver {
public:
    DialogDriver(int controlId, std::function<void(HWND)> action)
        : controlId_(controlId), action_(std::move(action))
    {
        current_ = this;
        timer_ = ::SetTimer(nullptr, 0, 30, &DialogDriver::Tick);
    }
    ~DialogDriver()
    {
        ::KillTimer(nullptr, timer_);
        current_ = nullptr;
    }
    DialogDriver(const DialogDriver&) = delete;
    DialogDriver& operator=(const DialogDriver&) = delete;

    int Seen() const { return seen_; }
    HWND Window() const { return window_; }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        DialogDriver* self = current_;
        if (!self)
            return;
        HWND dialog = FindThreadDialog(self->controlId_);
        if (!dialog || dialog == self->window_)
            return;
        self->window_ = dialog;
        ++self->seen_;
        self->action_(dialog);
    }

    static inline DialogDriver* current_ = nullptr;
    int controlId_;
    std::function<void(HWND)> action_;
    UINT_PTR timer_ = 0;
    int seen_ = 0;
    HWND window_ = nullptr;
};

// The clock, the executable's folder and the help opener of one test.
class ProgramEnvironment : public ::testing::Test {
protected:
    ProgramEnvironment()
    {
        ModulePath::OverrideModuleFileName(folder.File("velindra.exe"));
        fw::PinClock(COleDateTime(2004, 5, 20, 12, 0, 0));
        previousOpener_ = SetHelpTopicOpener(&RecordTopic);
        Topics().clear();
    }
    ~ProgramEnvironment() override
    {
        TakeQuitMessage();
        SetHelpTopicOpener(previousOpener_);
        fw::UnpinClock();
        ModulePath::ResetModuleFileName();
    }

    // The sample cycle: periods of 5 days every 35 days from 2004-03-10, so
    // 2004-05-20 (the pinned today) lies in the period 05-19 to 05-23.
    static void StoreSampleCycle()
    {
        WriteStartDate(SettingStartDate, COleDateTime(2004, 3, 10, 9, 30, 0));
        WriteSettingDword(SettingCritDayCount, 5);
        WriteSettingDword(SettingClearDayCount, 30);
    }

    testing_support::TempFolder folder;

private:
    HelpTopicOpener previousOpener_ = nullptr;
};

} // namespace main_window_testing
