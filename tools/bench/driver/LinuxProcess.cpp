#include "tools/bench/driver/LinuxProcess.h"

#include <windows.h>

#include <cstdlib>
#include <cstring>

namespace {

std::string ReadLinuxFile(const std::string& path)
{
    std::string windowsPath = "Z:" + path;
    for (char& c : windowsPath)
        if (c == '/')
            c = '\\';
    HANDLE file =
        ::CreateFileA(windowsPath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                      nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::string();
    std::string text;
    char buffer[4096];
    DWORD got = 0;
    while (::ReadFile(file, buffer, sizeof(buffer), &got, nullptr) && got > 0)
        text.append(buffer, got);
    ::CloseHandle(file);
    return text;
}

long StatusField(const std::string& status, const char* name)
{
    size_t at = status.find(std::string("\n") + name + ":");
    if (at == std::string::npos)
        return -1;
    return std::strtol(status.c_str() + at + std::strlen(name) + 2, nullptr, 10);
}

} // namespace

long FindLinuxPid(const std::string& windowsExe)
{
    WIN32_FIND_DATAA entry;
    HANDLE search = ::FindFirstFileA("Z:\\proc\\*", &entry);
    if (search == INVALID_HANDLE_VALUE)
        return 0;
    long found = 0;
    do {
        char* end = nullptr;
        long pid = std::strtol(entry.cFileName, &end, 10);
        if (pid <= 0 || *end != '\0')
            continue;
        std::string commandLine = ReadLinuxFile("/proc/" + std::to_string(pid) + "/cmdline");
        // The first argument ends at the first NUL.
        if (::lstrcmpiA(commandLine.c_str(), windowsExe.c_str()) == 0)
            found = pid;
    } while (!found && ::FindNextFileA(search, &entry));
    ::FindClose(search);
    return found;
}

LinuxMemory ReadLinuxMemory(long linuxPid)
{
    LinuxMemory memory;
    if (linuxPid <= 0)
        return memory;
    std::string status = ReadLinuxFile("/proc/" + std::to_string(linuxPid) + "/status");
    memory.rssAnonKb = StatusField(status, "RssAnon");
    memory.vmRssKb = StatusField(status, "VmRSS");
    return memory;
}

std::string LoadAverage()
{
    std::string text = ReadLinuxFile("/proc/loadavg");
    size_t end = text.find('\n');
    return end == std::string::npos ? text : text.substr(0, end);
}
