#include "tests/blackbox/Program.h"

#include <shellapi.h>

#include <cstdio>
#include <fstream>

#include "framework/DateTime.h"
#include "model/Settings.h"
#include "res/resource.h"

namespace blackbox {
namespace {

// The folder of this test executable, where the build put velindra.exe too.
std::wstring BuildFolder()
{
    wchar_t path[MAX_PATH] = {};
    const DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring full(path, length);
    return full.substr(0, full.find_last_of(L"\\/"));
}

// "\\?\" lets every file function take a path longer than MAX_PATH.
std::wstring Long(const std::wstring& path)
{
    return L"\\\\?\\" + path;
}

void RemoveTree(const std::wstring& folder)
{
    WIN32_FIND_DATAW entry;
    HANDLE find = ::FindFirstFileW(Long(folder + L"\\*").c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = entry.cFileName;
            if (name == L"." || name == L"..")
                continue;
            const std::wstring full = folder + L"\\" + name;
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(full);
            else
                ::DeleteFileW(Long(full).c_str());
        } while (::FindNextFileW(find, &entry));
        ::FindClose(find);
    }
    ::RemoveDirectoryW(Long(folder).c_str());
}

struct WindowSearch {
    DWORD process;
    int controlId;
    bool visible;
    HWND found;
    int count;
};

BOOL CALLBACK CountWindow(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<WindowSearch*>(data);
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    if (process != search->process || (search->visible && !::IsWindowVisible(window)) ||
        !::GetDlgItem(window, search->controlId))
        return TRUE;
    search->found = window;
    ++search->count;
    return TRUE;
}

void DeleteSettingsKey()
{
    ::RegDeleteKeyA(HKEY_CURRENT_USER, SettingsKeyPath().c_str());
}

} // namespace

ProgramFolder::ProgramFolder(const std::wstring& name)
{
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    static int serial = 0;
    root_ = std::wstring(temp) + L"velindra-box-" + std::to_wstring(::GetCurrentProcessId()) +
            L"-" + std::to_wstring(++serial);
    RemoveTree(root_);
    path_ = root_ + L"\\" + name;
    // Each part of a long path is made in turn.
    for (size_t at = root_.size(); at != std::wstring::npos; at = path_.find(L'\\', at + 1))
        ::CreateDirectoryW(Long(path_.substr(0, at)).c_str(), nullptr);
    ::CreateDirectoryW(Long(path_).c_str(), nullptr);
    const std::wstring build = BuildFolder();
    ready_ = ::CopyFileW((build + L"\\velindra.exe").c_str(), Long(File(L"velindra.exe")).c_str(),
                         FALSE) != FALSE;
    ::CopyFileW((build + L"\\velindra.chm").c_str(), Long(File(L"velindra.chm")).c_str(), FALSE);
}

ProgramFolder::~ProgramFolder()
{
    RemoveTree(root_);
}

bool ProgramFolder::Write(const std::wstring& name, const std::string& bytes) const
{
    HANDLE file = ::CreateFileW(Long(File(name)).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const BOOL ok =
        ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    ::CloseHandle(file);
    return ok && written == bytes.size();
}

std::string ProgramFolder::Read(const std::wstring& name) const
{
    HANDLE file = ::CreateFileW(Long(File(name)).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::string();
    std::string bytes;
    char buffer[4096];
    DWORD got = 0;
    while (::ReadFile(file, buffer, sizeof(buffer), &got, nullptr) && got > 0)
        bytes.append(buffer, got);
    ::CloseHandle(file);
    return bytes;
}

Program::Program(const ProgramFolder& folder)
{
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    std::wstring line = L"\"" + folder.File(L"velindra.exe") + L"\"";
    // Started from its folder, as a shortcut does.
    if (!::CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          folder.Path().c_str(), &startup, &process_))
        process_ = PROCESS_INFORMATION{};
}

Program::~Program()
{
    if (!Started())
        return;
    if (!Ends(nullptr, 0)) {
        if (HWND main = OwnMainWindow())
            ::PostMessageA(main, WM_CLOSE, 0, 0);
        if (!Ends(nullptr, 3000))
            ::TerminateProcess(process_.hProcess, 99);
        Ends(nullptr, 3000);
    }
    ::CloseHandle(process_.hThread);
    ::CloseHandle(process_.hProcess);
}

HWND Program::OwnMainWindow() const
{
    for (HWND w = ::FindWindowExA(nullptr, nullptr, VELINDRA_MAIN_WINDOW_CLASS, nullptr); w;
         w = ::FindWindowExA(nullptr, w, VELINDRA_MAIN_WINDOW_CLASS, nullptr)) {
        DWORD process = 0;
        ::GetWindowThreadProcessId(w, &process);
        if (process == Id())
            return w;
    }
    return nullptr;
}

HWND Program::Main() const
{
    HWND main = nullptr;
    WaitUntil([&] { return (main = OwnMainWindow()) != nullptr; });
    // Start-up is over once the program waits for the user.
    ::WaitForInputIdle(process_.hProcess, kPatience);
    if (main)
        Settle(main);
    return main;
}

HWND Program::WaitForWindow(int controlId, bool visible) const
{
    WindowSearch search{Id(), controlId, visible, nullptr, 0};
    WaitUntil([&] {
        search.count = 0;
        ::EnumWindows(&CountWindow, reinterpret_cast<LPARAM>(&search));
        return search.found != nullptr;
    });
    return search.found;
}

int Program::CountWindows(int controlId, bool visible) const
{
    WindowSearch search{Id(), controlId, visible, nullptr, 0};
    ::EnumWindows(&CountWindow, reinterpret_cast<LPARAM>(&search));
    return search.count;
}

bool Program::Ends(DWORD* exitCode, DWORD patience) const
{
    if (!Started() || ::WaitForSingleObject(process_.hProcess, patience) != WAIT_OBJECT_0)
        return false;
    if (exitCode)
        ::GetExitCodeProcess(process_.hProcess, exitCode);
    return true;
}

void Settle(HWND window)
{
    DWORD_PTR ignored = 0;
    ::SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, kPatience, &ignored);
}

HWND FindDescendant(HWND root, int id)
{
    struct Search {
        int id;
        HWND found;
    } search{id, nullptr};
    ::EnumChildWindows(
        root,
        [](HWND window, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            if (::GetDlgCtrlID(window) != s->id)
                return TRUE;
            s->found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::wstring TextOf(HWND window)
{
    wchar_t text[512] = {};
    ::SendMessageW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text));
    return text;
}

bool HasNotificationIcon(HWND owner)
{
    NOTIFYICONDATAW probe{};
    probe.cbSize = sizeof(probe);
    probe.hWnd = owner;
    probe.uID = 0;
    return ::Shell_NotifyIconW(NIM_MODIFY, &probe) != FALSE;
}

void RemoveNotificationIcon(HWND owner)
{
    NOTIFYICONDATAW icon{};
    icon.cbSize = sizeof(icon);
    icon.hWnd = owner;
    ::Shell_NotifyIconW(NIM_DELETE, &icon);
}

long long StoredDword(const char* name)
{
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, SettingsKeyPath().c_str(), 0, KEY_READ, &key) !=
        ERROR_SUCCESS)
        return -1;
    DWORD value = 0, size = sizeof(value), type = 0;
    const LONG status =
        ::RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
    ::RegCloseKey(key);
    return status == ERROR_SUCCESS && type == REG_DWORD ? static_cast<long long>(value) : -1;
}

void BlackBoxTest::SetUp()
{
    // The program sees the prefix's own registry: so must this process.
    ::RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    ::RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
    DeleteSettingsKey();
}

void BlackBoxTest::TearDown()
{
    DeleteSettingsKey();
    SetAutoload(false);
}

void BlackBoxTest::StoreSettings(DWORD visible, DWORD hideMessage)
{
    WriteSettingDword(SettingVisibled, visible);
    WriteSettingDword(SettingHideMessage, hideMessage);
    WriteStartDate(SettingStartDate, COleDateTime(2004, 3, 10, 9, 30, 0));
    WriteSettingDword(SettingCritDayCount, 5);
    WriteSettingDword(SettingClearDayCount, 30);
}

} // namespace blackbox
