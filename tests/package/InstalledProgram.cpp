#include "tests/package/InstalledProgram.h"

#include "res/resource.h"

namespace package_test {
namespace {

constexpr DWORD kPatience = 30000; // milliseconds; Wine may start slowly under load

} // namespace

InstalledProgram::InstalledProgram(const std::string& folder)
{
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    std::string line = "\"" + folder + "\\velindra.exe\"";
    started_ = CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                              folder.c_str(), &startup, &process_) != FALSE;
}

InstalledProgram::~InstalledProgram()
{
    if (!started_)
        return;
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT)
        TerminateProcess(process_.hProcess, 99);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

HWND InstalledProgram::WaitForMainWindow() const
{
    const DWORD start = GetTickCount();
    while (started_ && GetTickCount() - start < kPatience) {
        for (HWND window = FindWindowExA(nullptr, nullptr, VELINDRA_MAIN_WINDOW_CLASS, nullptr);
             window; window = FindWindowExA(nullptr, window, VELINDRA_MAIN_WINDOW_CLASS, nullptr)) {
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == process_.dwProcessId && IsWindowVisible(window))
                return window;
        }
        Sleep(50);
    }
    return nullptr;
}

bool InstalledProgram::EndsCleanly() const
{
    DWORD code = 1;
    return started_ && WaitForSingleObject(process_.hProcess, kPatience) == WAIT_OBJECT_0 &&
           GetExitCodeProcess(process_.hProcess, &code) && code == 0;
}

} // namespace package_test
