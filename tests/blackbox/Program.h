#pragma once
// Black box: the built velindra.exe, copied into a folder of the test's own
// (of any name), started as a process of its own and driven from this
// process by window classes, control ids and messages, as a user or another
// program would. The program keeps its settings under this Wine prefix's
// real HKEY_CURRENT_USER; the fixture gives every test an empty settings key,
// and CTest runs these tests one at a time.
#include <gtest/gtest.h>

#include "res/resource.h"
#include "tests/support/Sandbox.h"

namespace blackbox {

constexpr DWORD kPatience = 20000; // milliseconds; Wine may start slowly under load

// Waits until the condition holds; false when it never did in time.
template <class Condition> bool WaitUntil(Condition condition, DWORD patience = kPatience)
{
    for (const DWORD start = ::GetTickCount(); !condition(); ::Sleep(30))
        if (::GetTickCount() - start >= patience)
            return false;
    return true;
}

// Which windows: those of the class (a pop-up menu is "#32768"), or those
// holding a control with the id.
using Match = std::function<bool(HWND)>;
inline Match OfClass(const char* className)
{
    return [className](HWND window) {
        char name[64] = "";
        ::GetClassNameA(window, name, sizeof(name));
        return lstrcmpiA(name, className) == 0;
    };
}
inline Match Holding(int controlId)
{
    return [controlId](HWND window) { return ::GetDlgItem(window, controlId) != nullptr; };
}

// A descendant of the window with the control id (the pages' controls).
inline HWND FindDescendant(HWND root, int id)
{
    for (HWND child = ::GetWindow(root, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        if (HWND found = ::GetDlgCtrlID(child) == id ? child : FindDescendant(child, id))
            return found;
    return nullptr;
}

// A window's text as the program shows it, in UTF-16.
inline std::wstring TextOf(HWND window)
{
    wchar_t text[512] = {};
    ::SendMessageW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text));
    return text;
}

// Picks the language in the Options page's list as the user does; false when
// the list lacks it.
inline bool ChooseLanguage(HWND list, const std::wstring& name)
{
    const LRESULT index = ::SendMessageW(list, CB_FINDSTRINGEXACT, WPARAM(-1),
                                         reinterpret_cast<LPARAM>(name.c_str()));
    ::SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    ::SendMessageW(::GetParent(list), WM_COMMAND, MAKEWPARAM(IDC_OPT_LANGUAGE, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(list));
    return index >= 0;
}

// Lets the program's thread work through what was sent to it.
inline void Settle(HWND window)
{
    DWORD_PTR ignored = 0;
    ::SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, kPatience, &ignored);
}

// A fresh folder under the temporary folder, with the program and its help
// file copied in (the build put them beside this test executable); removed
// with every file in it at the end.
struct ProgramFolder : testing_support::WideFolder {
    explicit ProgramFolder(const std::wstring& name = L"velindra") : WideFolder(name)
    {
        wchar_t self[MAX_PATH] = {};
        const std::wstring build(self, ::GetModuleFileNameW(nullptr, self, MAX_PATH));
        for (const wchar_t* file : {L"\\velindra.chm", L"\\velindra.exe"})
            ready = ::CopyFileW((build.substr(0, build.find_last_of(L'\\')) + file).c_str(),
                                File(file + 1).c_str(), FALSE);
    }
    bool ready = false;
};

// One run of the program from a folder, started from its folder as a
// shortcut does; one still running at the end is sent the close message,
// then ended by force.
class Program {
public:
    explicit Program(const ProgramFolder& folder)
    {
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        std::wstring line = L"\"" + folder.File(L"velindra.exe") + L"\"";
        if (!::CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                              folder.Path().c_str(), &startup, &process_))
            process_ = PROCESS_INFORMATION{};
    }
    ~Program()
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
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // The main window (found by its class), once it exists and answers:
    // start-up is over once the program waits for the user.
    HWND Main() const
    {
        HWND main = WaitFor(OfClass(VELINDRA_MAIN_WINDOW_CLASS), false);
        ::WaitForInputIdle(process_.hProcess, kPatience);
        Settle(main); // nothing without one
        return main;
    }
    // The top-level windows of the process that match (and are visible).
    std::vector<HWND> Windows(const Match& match, bool visible = true) const
    {
        std::vector<HWND> windows;
        for (HWND w = ::GetTopWindow(nullptr); w; w = ::GetWindow(w, GW_HWNDNEXT)) {
            DWORD owner = 0;
            ::GetWindowThreadProcessId(w, &owner);
            if (owner == process_.dwProcessId && (!visible || ::IsWindowVisible(w)) && match(w))
                windows.push_back(w);
        }
        return windows;
    }
    // One of them, once there is one; null when there is none in time.
    HWND WaitFor(const Match& match, bool visible = true) const
    {
        std::vector<HWND> found;
        WaitUntil([&] { return !(found = Windows(match, visible)).empty(); });
        return found.empty() ? nullptr : found.back();
    }
    // Ends the process at once, as a crash or the task manager would.
    void Kill() const
    {
        ::TerminateProcess(process_.hProcess, 99);
        ::WaitForSingleObject(process_.hProcess, kPatience);
    }
    // Waits for the process to end; true with its exit code 0 when it did.
    bool EndsCleanly() const
    {
        DWORD code = 1;
        return process_.hProcess &&
               ::WaitForSingleObject(process_.hProcess, kPatience) == WAIT_OBJECT_0 &&
               ::GetExitCodeProcess(process_.hProcess, &code) && code == 0;
    }

private:
    PROCESS_INFORMATION process_{};
};

// The named DWORD setting in the real settings key, or -1 when missing.
inline long long StoredDword(const char* name)
{
    DWORD value = 0, size = sizeof(value);
    return ::RegGetValueA(HKEY_CURRENT_USER, SettingsKeyPath().c_str(), name, RRF_RT_REG_DWORD,
                          nullptr, &value, &size) == ERROR_SUCCESS
               ? static_cast<long long>(value)
               : -1;
}

// Every test starts and ends with no settings key (a first run) and no Run
// value in the real HKEY_CURRENT_USER of the prefix, which the program uses:
// so must this process.
class BlackBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ::RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
        ::RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
        TearDown();
    }
    void TearDown() override
    {
        ::RegDeleteKeyA(HKEY_CURRENT_USER, SettingsKeyPath().c_str());
        SetAutoload(false);
    }
};

} // namespace blackbox
