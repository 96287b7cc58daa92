#include "app/SingleInstance.h"

#include <string>

#include "app/MainDialog.h"
#include "res/resource.h"

namespace {

// "Local\": the user's own session, so other users of the computer each
// have their own instance.
constexpr wchar_t kMutexName[] = L"Local\\Orrowby.Velindra.Instance";
constexpr wchar_t kMainWindowClass[] = L"" VELINDRA_MAIN_WINDOW_CLASS;
constexpr DWORD kPatience = 5000; // milliseconds for a first instance still starting
constexpr DWORD kPoll = 50;
constexpr UINT kAnswerTimeout = 3000;

// The file name of a process's executable, without its folder; empty when
// it cannot be read.
std::wstring ExecutableName(DWORD process)
{
    wchar_t path[32768];
    DWORD length = sizeof(path) / sizeof(path[0]);
    const fw::KernelHandle handle(::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process));
    if (!handle.IsValid() || !::QueryFullProcessImageNameW(handle.Get(), 0, path, &length))
        return std::wstring();
    const std::wstring full(path, length);
    return full.substr(full.find_last_of(L"\\/") + 1);
}

bool AskToOpen(HWND window)
{
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    // Only the same program answers (a window of that class in another
    // program, a test for instance, is not the running Velindra).
    const std::wstring name = ExecutableName(process);
    if (name.empty() ||
        lstrcmpiW(name.c_str(), ExecutableName(::GetCurrentProcessId()).c_str()) != 0)
        return false;
    // The running instance may take the foreground only if this start lets it.
    ::AllowSetForegroundWindow(process);
    DWORD_PTR answer = 0;
    return ::SendMessageTimeoutW(window, MainDialog::OpenRequestMessage(), 0, 0, SMTO_ABORTIFHUNG,
                                 kAnswerTimeout, &answer) != 0 &&
           answer == static_cast<DWORD_PTR>(MainDialog::kOpenAnswer);
}

} // namespace

SingleInstance::SingleInstance()
    : mutex_(::CreateMutexW(nullptr, FALSE, kMutexName)),
      first_(!(mutex_.IsValid() && ::GetLastError() == ERROR_ALREADY_EXISTS))
{
}

bool SingleInstance::ActivateRunningInstance()
{
    const DWORD start = ::GetTickCount();
    do {
        for (HWND window = ::FindWindowExW(nullptr, nullptr, kMainWindowClass, nullptr); window;
             window = ::FindWindowExW(nullptr, window, kMainWindowClass, nullptr))
            if (AskToOpen(window))
                return true;
        ::Sleep(kPoll);
    } while (::GetTickCount() - start < kPatience);
    return false;
}
