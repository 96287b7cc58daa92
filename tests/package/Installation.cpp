#include "tests/package/Installation.h"

#include <shlobj.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "tests/support/Sandbox.h"

namespace package_test {

const RunKey kRunKeys[3] = {
    {HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Run"},
    {HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion\\Run"},
    {HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows NT\\CurrentVersion\\Run"},
};

namespace {

constexpr DWORD kPatience = 60000; // milliseconds; Wine may be slow under load
constexpr char kBackupKey[] = "Software\\Orrowby\\Velindra.package-test";

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
    if (FAILED(SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path)))
        return std::string();
    return path;
}

std::vector<std::string> Names(const std::string& pattern, bool folders)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        const std::string name = found.cFileName;
        const bool folder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        if (name != "." && name != ".." && folder == folders)
            names.push_back(name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

bool EndsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

} // namespace

DWORD RunToEnd(const std::string& commandLine)
{
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    std::string line = commandLine;
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return kNotStarted;
    const DWORD start = GetTickCount();
    DWORD code = kNeverEnded;
    for (;;) {
        const DWORD waited = GetTickCount() - start;
        if (waited >= kPatience)
            break;
        const DWORD woken =
            MsgWaitForMultipleObjects(1, &process.hProcess, FALSE, kPatience - waited, QS_ALLINPUT);
        if (woken == WAIT_OBJECT_0) {
            GetExitCodeProcess(process.hProcess, &code);
            break;
        }
        testing_support::PumpMessages();
    }
    if (code == kNeverEnded)
        TerminateProcess(process.hProcess, kNeverEnded);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
}

DWORD InstallSilently(const std::string& folder)
{
    std::string line = "\"" + BuildPath(VELINDRA_SETUP) + "\" /S";
    if (!folder.empty())
        line += " /D=" + folder; // last and unquoted, as the installer wants it
    return RunToEnd(line);
}

DWORD UninstallSilently(const std::string& folder)
{
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string copy = std::string(temp) + "velindra-uninstall-test.exe";
    if (!CopyFileA((folder + "\\Uninstall.exe").c_str(), copy.c_str(), FALSE))
        return kNotStarted;
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
    for (const std::string& name : Names(BuildPath(VELINDRA_SHIPPED_LANGUAGES) + "\\*", false)) {
        if (EndsWith(name, ".lng"))
            files.push_back(name);
    }
    std::sort(files.begin(), files.end());
    return files;
}

bool Exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::vector<std::string> FilesIn(const std::string& folder)
{
    std::vector<std::string> names = Names(folder + "\\*", false);
    for (const std::string& subfolder : Names(folder + "\\*", true))
        names.push_back(subfolder + "\\");
    return names;
}

bool WriteFile(const std::string& path, const std::string& contents)
{
    std::ofstream out(path, std::ios::binary);
    out << contents;
    return static_cast<bool>(out);
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool HasKey(HKEY root, const char* key)
{
    HKEY opened = nullptr;
    if (RegOpenKeyExA(root, key, 0, KEY_READ, &opened) != ERROR_SUCCESS)
        return false;
    RegCloseKey(opened);
    return true;
}

bool HasValue(HKEY root, const char* key, const char* name)
{
    return RegGetValueA(root, key, name, RRF_RT_ANY, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

std::string ReadString(HKEY root, const char* key, const char* name)
{
    char value[1024] = {};
    DWORD size = sizeof(value);
    if (RegGetValueA(root, key, name, RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS)
        return std::string();
    return value;
}

DWORD ReadDword(HKEY root, const char* key, const char* name)
{
    DWORD value = 0;
    DWORD size = sizeof(value);
    if (RegGetValueA(root, key, name, RRF_RT_REG_DWORD, nullptr, &value, &size) != ERROR_SUCCESS)
        return 0;
    return value;
}

bool WriteString(HKEY root, const char* key, const char* name, const std::string& value)
{
    return RegSetKeyValueA(root, key, name, REG_SZ, value.c_str(),
                           static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

void RemoveTraces(const std::string& folder)
{
    for (const std::string& name : Names(folder + "\\*", false))
        DeleteFileA((folder + "\\" + name).c_str());
    RemoveDirectoryA(folder.c_str());
    DeleteFileA(ShortcutPath().c_str());
    RegDeleteTreeA(HKEY_CURRENT_USER, kUninstallKey);
    RegDeleteKeyA(HKEY_CURRENT_USER, kUninstallKey);
    for (const RunKey& run : kRunKeys)
        RegDeleteKeyValueA(run.root, run.path, kRunValue);
}

SettingsKeyGuard::SettingsKeyGuard()
{
    RegDeleteTreeA(HKEY_CURRENT_USER, kBackupKey);
    RegDeleteKeyA(HKEY_CURRENT_USER, kBackupKey);
    HKEY settings = nullptr, backup = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_READ, &settings) != ERROR_SUCCESS)
        return;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kBackupKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &backup, nullptr) == ERROR_SUCCESS) {
        saved_ = RegCopyTreeA(settings, nullptr, backup) == ERROR_SUCCESS;
        RegCloseKey(backup);
    }
    RegCloseKey(settings);
    if (saved_) {
        RegDeleteTreeA(HKEY_CURRENT_USER, kSettingsKey);
        RegDeleteKeyA(HKEY_CURRENT_USER, kSettingsKey);
    }
}

SettingsKeyGuard::~SettingsKeyGuard()
{
    RegDeleteTreeA(HKEY_CURRENT_USER, kSettingsKey);
    RegDeleteKeyA(HKEY_CURRENT_USER, kSettingsKey);
    if (!saved_)
        return;
    HKEY settings = nullptr, backup = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kBackupKey, 0, KEY_READ, &backup) != ERROR_SUCCESS)
        return;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &settings, nullptr) == ERROR_SUCCESS) {
        RegCopyTreeA(backup, nullptr, settings);
        RegCloseKey(settings);
    }
    RegCloseKey(backup);
    RegDeleteTreeA(HKEY_CURRENT_USER, kBackupKey);
    RegDeleteKeyA(HKEY_CURRENT_USER, kBackupKey);
}

} // namespace package_test
