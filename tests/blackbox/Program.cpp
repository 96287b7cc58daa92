#include "tests/blackbox/Program.h"

#include <shellapi.h>

#include "model/Settings.h"
#include "res/resource.h"

namespace blackbox {
Match OfClass(const char* className)
{
    return [className](HWND window) {
        char name[64] = "";
        ::GetClassNameA(window, name, sizeof(name));
        return lstrcmpiA(name, className) == 0;
    };
}

Match Holding(int controlId)
{
    return [controlId](HWND window) { return ::GetDlgItem(window, controlId) != nullptr; };
}

ProgramFolder::ProgramFolder(const std::wstring& name)
{
    static int serial = 0;
    path_ = std::filesystem::temp_directory_path() /
            ("velindra-box-" + std::to_string(::GetCurrentProcessId()) + "-" +
             std::to_string(++serial)) /
            name;
    std::filesystem::create_directories(path_);
    // The build put velindra.exe and its help beside this test executable.
    wchar_t self[MAX_PATH] = {};
    const std::wstring build(self, ::GetModuleFileNameW(nullptr, self, MAX_PATH));
    for (const wchar_t* file : {L"\\velindra.chm", L"\\velindra.exe"})
        ready = ::CopyFileW((build.substr(0, build.find_last_of(L'\\')) + file).c_str(),
                            (Path() + file).c_str(), FALSE);
}

ProgramFolder::~ProgramFolder()
{
    testing_support::RemoveFolder(path_.parent_path().wstring());
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
        for (HWND w : Windows(OfClass(VELINDRA_MAIN_WINDOW_CLASS), false))
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
    HWND main = WaitFor(OfClass(VELINDRA_MAIN_WINDOW_CLASS), false);
    // Start-up is over once the program waits for the user.
    ::WaitForInputIdle(process_.hProcess, kPatience);
    if (main)
        Settle(main);
    return main;
}

std::vector<HWND> Program::Windows(const Match& match, bool visible) const
{
    std::vector<HWND> windows;
    for (HWND w = ::GetTopWindow(nullptr); w; w = ::GetWindow(w, GW_HWNDNEXT)) {
        DWORD owner = 0;
        ::GetWindowThreadProcessId(w, &owner);
        if (owner == Id() && (!visible || ::IsWindowVisible(w)) && match(w))
            windows.push_back(w);
    }
    return windows;
}

HWND Program::WaitFor(const Match& match, bool visible) const
{
    std::vector<HWND> found;
    WaitUntil([&] { return !(found = Windows(match, visible)).empty(); });
    return found.empty() ? nullptr : found.back();
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
    for (HWND child = ::GetWindow(root, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        if (HWND found = ::GetDlgCtrlID(child) == id ? child : FindDescendant(child, id))
            return found;
    return nullptr;
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

} // namespace blackbox
