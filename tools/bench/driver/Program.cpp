#include "tools/bench/driver/Program.h"

#include "tools/bench/driver/Clock.h"

Program::Program(const std::string& exe, const std::string& arguments)
{
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    std::string line = "\"" + exe + "\"" + (arguments.empty() ? "" : " " + arguments);
    std::string folder = FolderOf(exe);
    startedAt_ = NowMs();
    if (!::CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                          &startup, &process_))
        process_ = PROCESS_INFORMATION{};
}

Program::~Program()
{
    if (!Started())
        return;
    if (::WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
        ::TerminateProcess(process_.hProcess, 99);
        ::WaitForSingleObject(process_.hProcess, 5000);
    }
    ::CloseHandle(process_.hThread);
    ::CloseHandle(process_.hProcess);
}

bool Program::EndWith(HWND window, WPARAM command)
{
    if (!Started())
        return false;
    if (window)
        ::PostMessageA(window, WM_COMMAND, command, 0);
    return ::WaitForSingleObject(process_.hProcess, 10000) == WAIT_OBJECT_0;
}

std::string FolderOf(const std::string& path)
{
    size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}
