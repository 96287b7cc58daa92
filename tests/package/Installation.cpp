#include "tests/package/Installation.h"

#include <shlobj.h>

#include <algorithm>

#include "res/resource.h"
#include "tests/support/Sandbox.h"

namespace package_test {

const RunKey kRunKeys[3] = {
    {HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Run"},
    {HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion\\Run"},
    {HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows NT\\CurrentVersion\\Run"},
};

namespace {

constexpr DWORD kPatience = 60000; // milliseconds; Wine may be slow under load

// A path of the build machine; a Unix one is reached through Wine's Z: drive.
std::string BuildPath(const char* path)
{
    std::string windowsPath = path[0] == '/' ? std::string("Z:") + path : path;
    std::replace(windowsPath.begin(), windowsPath.end(), '/', '\\');
    return windowsPath;
}

std::string FolderOf(int csidl)
{
    char path[MAX_PATH] = {};
    return SUCCEEDED(SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path)) ? path
                                                                                          : "";
}

// Runs a command line to its end while dispatching this thread's messages, so
// that a window of this thread can answer; its exit code.
DWORD RunToEnd(std::string line)
{
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return DWORD(-1);
    const DWORD start = GetTickCount();
    DWORD code = DWORD(-1);
    while (GetTickCount() - start < kPatience) {
        if (MsgWaitForMultipleObjects(1, &process.hProcess, FALSE, 100, QS_ALLINPUT) ==
            WAIT_OBJECT_0) {
            GetExitCodeProcess(process.hProcess, &code);
            break;
        }
        testing_support::PumpMessages();
    }
    if (code == DWORD(-1))
        TerminateProcess(process.hProcess, code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
}

} // namespace

DWORD InstallSilently(const std::string& folder)
{
    // /D= last and unquoted, as the installer wants it.
    return RunToEnd("\"" + BuildPath(VELINDRA_SETUP) + "\" /S" +
                    (folder.empty() ? "" : " /D=" + folder));
}

DWORD UninstallSilently(const std::string& folder)
{
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string copy = std::string(temp) + "velindra-uninstall-test.exe";
    if (!CopyFileA((folder + "\\Uninstall.exe").c_str(), copy.c_str(), FALSE))
        return DWORD(-1);
    const DWORD code = RunToEnd("\"" + copy + "\" /S _?=" + folder);
    DeleteFileA(copy.c_str());
    return code;
}

std::string DefaultFolder()
{
    return FolderOf(CSIDL_LOCAL_APPDATA) + "\\Programs\\Velindra";
}

std::string ShortcutPath()
{
    return FolderOf(CSIDL_PROGRAMS) + "\\Velindra.lnk";
}

std::vector<std::string> InstalledFiles()
{
    std::vector<std::string> files = {"Uninstall.exe", "license.txt", "readme.txt", "velindra.chm",
                                      "velindra.exe"};
    for (const std::string& name : FilesIn(BuildPath(VELINDRA_SHIPPED_LANGUAGES)))
        if (name.size() > 4 && name.compare(name.size() - 4, 4, ".lng") == 0)
            files.push_back(name);
    std::sort(files.begin(), files.end());
    return files;
}

std::vector<std::string> FilesIn(const std::string& folder)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        const std::string name = found.cFileName;
        if (name != "." && name != "..")
            names.push_back(name + (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY ? "\\" : ""));
    } while (FindNextFileA(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

bool Exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool HasKey(HKEY root, const char* key)
{
    HKEY opened = nullptr;
    if (RegOpenKeyExA(root, key, 0, KEY_READ, &opened) != ERROR_SUCCESS)
        return false;
    RegCloseKey(opened);
    return true;
}

std::string ReadString(HKEY root, const char* key, const char* name)
{
    char value[1024] = {};
    DWORD size = sizeof(value);
    return RegGetValueA(root, key, name, RRF_RT_REG_SZ, nullptr, value, &size) == ERROR_SUCCESS
               ? value
               : "";
}

bool WriteString(HKEY root, const char* key, const char* name, const std::string& value)
{
    return RegSetKeyValueA(root, key, name, REG_SZ, value.c_str(),
                           static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

void RemoveTraces(const std::string& folder)
{
    for (const std::string& name : FilesIn(folder))
        DeleteFileA((folder + "\\" + name).c_str());
    RemoveDirectoryA(folder.c_str());
    DeleteFileA(ShortcutPath().c_str());
    RegDeleteKeyA(HKEY_CURRENT_USER, kUninstallKey);
    RegDeleteKeyA(HKEY_CURRENT_USER, kSettingsKey);
    for (const RunKey& run : kRunKeys)
        RegDeleteKeyValueA(run.root, run.path, "Velindra");
}

InstalledProgram::InstalledProgram(const std::string& folder)
{
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    std::string line = "\"" + folder + "\\velindra.exe\"";
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                        &startup, &process_))
        process_ = PROCESS_INFORMATION{};
}

InstalledProgram::~InstalledProgram()
{
    if (!process_.hProcess)
        return;
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT)
        TerminateProcess(process_.hProcess, 99);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

HWND InstalledProgram::WaitForMainWindow() const
{
    const DWORD start = GetTickCount();
    while (process_.hProcess && GetTickCount() - start < kPatience) {
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
    return process_.hProcess &&
           WaitForSingleObject(process_.hProcess, kPatience) == WAIT_OBJECT_0 &&
           GetExitCodeProcess(process_.hProcess, &code) && code == 0;
}

int StandIn::closeRequests = 0;

StandIn::StandIn()
{
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = [](HWND window, UINT message, WPARAM wParam,
                                 LPARAM lParam) -> LRESULT {
        if (message != WM_CLOSE)
            return DefWindowProcA(window, message, wParam, lParam);
        ++closeRequests;
        return 0; // stays open
    };
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = VELINDRA_MAIN_WINDOW_CLASS;
    RegisterClassExA(&windowClass); // fails harmlessly when registered before
    closeRequests = 0;
    window_ = CreateWindowExA(0, VELINDRA_MAIN_WINDOW_CLASS, "Velindra", WS_OVERLAPPEDWINDOW, 0, 0,
                              100, 100, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

} // namespace package_test
