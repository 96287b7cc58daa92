#pragma once
// One run of a measured program: started by CreateProcess, ended on request
// or, failing that, terminated when the object goes.
#include <windows.h>

#include <string>

class Program {
public:
    // exe is a Windows path; arguments may be empty.
    Program(const std::string& exe, const std::string& arguments);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    bool Started() const { return process_.hProcess != nullptr; }
    DWORD Pid() const { return process_.dwProcessId; }
    HANDLE Handle() const { return process_.hProcess; }
    // When CreateProcess was called, in NowMs() time.
    double StartedAt() const { return startedAt_; }
    // Posts the command to the window and waits until the process has ended.
    bool EndWith(HWND window, WPARAM command);

private:
    PROCESS_INFORMATION process_{};
    double startedAt_ = 0;
};

// The folder of a Windows path, with its backslash.
std::string FolderOf(const std::string& path);
