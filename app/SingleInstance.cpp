#include "app/SingleInstance.h"

#include "app/MainDialog.h"
#include "res/resource.h"

namespace {

// "Local\": the user's own session, so other users of the computer each
// have their own instance.
constexpr char kMutexName[] = "Local\\Orrowby.Velindra.Instance";
constexpr DWORD kPatience = 5000; // milliseconds for a first instance still starting
constexpr DWORD kPoll = 50;
constexpr UINT kAnswerTimeout = 3000;

bool AskToOpen(HWND window)
{
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    // The running instance may take the foreground only if this start lets it.
    ::AllowSetForegroundWindow(process);
    DWORD_PTR answer = 0;
    return ::SendMessageTimeoutA(window, MainDialog::OpenRequestMessage(), 0, 0, SMTO_ABORTIFHUNG,
                                 kAnswerTimeout, &answer) != 0 &&
           answer == static_cast<DWORD_PTR>(MainDialog::kOpenAnswer);
}

} // namespace

SingleInstance::SingleInstance()
{
    mutex_ = ::CreateMutexA(nullptr, FALSE, kMutexName);
    first_ = !(mutex_ && ::GetLastError() == ERROR_ALREADY_EXISTS);
}

SingleInstance::~SingleInstance()
{
    if (mutex_)
        ::CloseHandle(mutex_);
}

bool SingleInstance::ActivateRunningInstance()
{
    const DWORD start = ::GetTickCount();
    do {
        for (HWND window = ::FindWindowExA(nullptr, nullptr, VELINDRA_MAIN_WINDOW_CLASS, nullptr);
             window; window = ::FindWindowExA(nullptr, window, VELINDRA_MAIN_WINDOW_CLASS, nullptr))
            if (AskToOpen(window))
                return true;
        ::Sleep(kPoll);
    } while (::GetTickCount() - start < kPatience);
    return false;
}
