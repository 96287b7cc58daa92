#include "tests/blackbox/Program.h"

#include <shellapi.h>

#include <vector>

#include "framework/DateTime.h"
#include "model/Settings.h"
#include "res/resource.h"

namespace blackbox {
namespace {

// The top-level windows of a process.
std::vector<HWND> WindowsOf(DWORD process)
{
    std::pair<DWORD, std::vector<HWND>> search{process, {}};
    ::EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<std::pair<DWORD, std::vector<HWND>>*>(data);
            DWORD owner = 0;
            ::GetWindowThreadProcessId(window, &owner);
            if (owner == s->first)
                s->second.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.second;
}

bool IsOfClass(HWND window, const char* className)
{
    char name[64] = "";
    ::GetClassNameA(window, name, sizeof(name));
    return lstrcmpiA(name, className) == 0;
}

} // namespace

ProgramFolder::ProgramFolder(const std::wstring& name)
{
    static int serial = 0;
    root_ = std::filesystem::temp_directory_path() /
            ("velindra-box-" + std::to_string(::GetCurrentProcessId()) + "-" +
             std::to_string(++serial));
    std::filesystem::create_directories(root_ / name);
    path_ = (root_ / name).wstring();
    // The build put velindra.exe and its help beside this test executable.
    wchar_t self[MAX_PATH] = {};
    const std::wstring build(self, ::GetModuleFileNameW(nullptr, self, MAX_PATH));
    for (const wchar_t* file : {L"\\velindra.chm", L"\\velindra.exe"})
        ready_ = ::CopyFileW((build.substr(0, build.find_last_of(L'\\')) + file).c_str(),
                             (path_ + file).c_str(), FALSE);
}

ProgramFolder::~ProgramFolder()
{
    testing_support::RemoveFolder(root_.wstring());
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
    if (!process_.hProcess)
        return;
    if (::WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
        for (HWND w : WindowsOf(Id()))
            if (IsOfClass(w, VELINDRA_MAIN_WINDOW_CLASS))
                ::PostMessageA(w, WM_CLOSE, 0, 0);
        if (::WaitForSingleObject(process_.hProcess, 3000) == WAIT_TIMEOUT)
            ::TerminateProcess(process_.hProcess, 99);
        ::WaitForSingleObject(process_.hProcess, 3000);
    }
    ::CloseHandle(process_.hThread);
    ::CloseHandle(process_.hProcess);
}

HWND Program::Main() const
{
    HWND main = WaitFor([](HWND w) { return IsOfClass(w, VELINDRA_MAIN_WINDOW_CLASS); }, false);
    // Start-up is over once the program waits for the user.
    ::WaitForInputIdle(process_.hProcess, kPatience);
    if (main)
        Settle(main);
    return main;
}

HWND Program::WaitForClass(const char* className) const
{
    return WaitFor([&](HWND w) { return IsOfClass(w, className); });
}

HWND Program::WaitForWindow(int controlId) const
{
    return WaitFor([&](HWND w) { return ::GetDlgItem(w, controlId) != nullptr; });
}

HWND Program::WaitFor(const std::function<bool(HWND)>& match, bool visible) const
{
    HWND found = nullptr;
    WaitUntil([&] {
        for (HWND w : WindowsOf(Id()))
            if ((!visible || ::IsWindowVisible(w)) && match(w))
                found = w;
        return found != nullptr;
    });
    return found;
}

int Program::CountWindows(int controlId, bool visible) const
{
    int count = 0;
    for (HWND w : WindowsOf(Id()))
        count += (!visible || ::IsWindowVisible(w)) && ::GetDlgItem(w, controlId);
    return count;
}

bool Program::EndsCleanly(DWORD patience) const
{
    DWORD code = 1;
    return process_.hProcess &&
           ::WaitForSingleObject(process_.hProcess, patience) == WAIT_OBJECT_0 &&
           ::GetExitCodeProcess(process_.hProcess, &code) && code == 0;
}

void Settle(HWND window)
{
    DWORD_PTR ignored = 0;
    ::SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, kPatience, &ignored);
}

HWND FindDescendant(HWND root, int id)
{
    std::pair<int, HWND> search{id, nullptr};
    ::EnumChildWindows(
        root,
        [](HWND window, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<std::pair<int, HWND>*>(data);
            if (::GetDlgCtrlID(window) == s->first)
                s->second = window;
            return !s->second;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.second;
}

std::wstring TextOf(HWND window)
{
    wchar_t text[512] = {};
    ::SendMessageW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text));
    return text;
}

void ChoosePage(HWND main, int index)
{
    HWND list = ::GetDlgItem(main, IDC_MAIN_NAVIGATION);
    ::SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    ::SendMessageA(main, WM_COMMAND, MAKEWPARAM(IDC_MAIN_NAVIGATION, LBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(list));
}

bool HasNotificationIcon(HWND owner)
{
    NOTIFYICONDATAW probe{};
    probe.cbSize = sizeof(probe);
    probe.hWnd = owner;
    return ::Shell_NotifyIconW(NIM_MODIFY, &probe) != FALSE;
}

long long StoredDword(const char* name)
{
    DWORD value = 0, size = sizeof(value);
    return ::RegGetValueA(HKEY_CURRENT_USER, SettingsKeyPath().c_str(), name, RRF_RT_REG_DWORD,
                          nullptr, &value, &size) == ERROR_SUCCESS
               ? static_cast<long long>(value)
               : -1;
}

void BlackBoxTest::SetUp()
{
    // The program sees the prefix's own registry: so must this process.
    ::RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    ::RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
    ::RegDeleteKeyA(HKEY_CURRENT_USER, SettingsKeyPath().c_str());
}

void BlackBoxTest::TearDown()
{
    ::RegDeleteKeyA(HKEY_CURRENT_USER, SettingsKeyPath().c_str());
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
