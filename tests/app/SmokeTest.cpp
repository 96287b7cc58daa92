// Black box: velindra.exe started as a process of its own, found by its
// caption, driven by control ids from this process, three runs in a row.
// The program uses the real settings key of this Wine prefix (only this
// process's registry is sandboxed), so the test saves the key first and puts
// it back at the end; everything runs in one test so no two runs overlap.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "model/AppIdentity.h"
#include "res/resource.h"

namespace {

constexpr char kSettingsKey[] = "HKCU\\Software\\Orrowby\\Velindra";
constexpr DWORD kPatience = 20000; // milliseconds; Wine may start slowly under load

std::string ExeFolder()
{
    char path[MAX_PATH] = {};
    DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string full(path, length);
    return full.substr(0, full.find_last_of("\\/") + 1);
}

// Runs a command line to its end; its standard output goes to *output.
bool RunCommand(const std::string& commandLine, std::string* output = nullptr,
                DWORD* exitCode = nullptr)
{
    SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!::CreatePipe(&readEnd, &writeEnd, &inherit, 0))
        return false;
    ::SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION process{};
    std::string line = commandLine;
    BOOL started = ::CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                                    nullptr, nullptr, &startup, &process);
    ::CloseHandle(writeEnd);
    std::string text;
    if (started) {
        char buffer[512];
        DWORD got = 0;
        while (::ReadFile(readEnd, buffer, sizeof(buffer), &got, nullptr) && got > 0)
            text.append(buffer, got);
        ::WaitForSingleObject(process.hProcess, kPatience);
        if (exitCode)
            ::GetExitCodeProcess(process.hProcess, exitCode);
        ::CloseHandle(process.hThread);
        ::CloseHandle(process.hProcess);
    }
    ::CloseHandle(readEnd);
    if (output)
        *output = text;
    return started != FALSE;
}

bool SettingsKeyExists()
{
    DWORD code = 1;
    return RunCommand(std::string("reg.exe query ") + kSettingsKey, nullptr, &code) && code == 0;
}

// The value of a REG_DWORD setting as reg.exe prints it ("0x1"), or empty.
std::string QuerySetting(const char* name)
{
    std::string output;
    RunCommand(std::string("reg.exe query ") + kSettingsKey + " /v " + name, &output);
    size_t at = output.find("0x");
    if (at == std::string::npos)
        return std::string();
    size_t end = output.find_first_of(" \r\n", at);
    return output.substr(at, end == std::string::npos ? std::string::npos : end - at);
}

// Saves the real settings key on construction and puts it back (or removes
// what the test created) on destruction.
class RealSettingsKeyGuard {
public:
    RealSettingsKeyGuard() : backup_(ExeFolder() + "smoke-settings-backup.reg")
    {
        ::DeleteFileA(backup_.c_str());
        saved_ = SettingsKeyExists() && RunCommand(std::string("reg.exe export ") + kSettingsKey +
                                                   " \"" + backup_ + "\" /y");
        RunCommand(std::string("reg.exe delete ") + kSettingsKey + " /f");
    }
    ~RealSettingsKeyGuard()
    {
        RunCommand(std::string("reg.exe delete ") + kSettingsKey + " /f");
        if (saved_)
            RunCommand("reg.exe import \"" + backup_ + "\"");
        ::DeleteFileA(backup_.c_str());
    }

private:
    std::string backup_;
    bool saved_ = false;
};

class ProgramProcess {
public:
    ProgramProcess()
    {
        STARTUPINFOA startup{};
        startup.cb = sizeof(startup);
        std::string line = "\"" + ExeFolder() + "velindra.exe\"";
        started_ = ::CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                    ExeFolder().c_str(), &startup, &process_) != FALSE;
    }
    ~ProgramProcess()
    {
        if (!started_)
            return;
        if (::WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT)
            ::TerminateProcess(process_.hProcess, 99);
        ::CloseHandle(process_.hThread);
        ::CloseHandle(process_.hProcess);
    }
    ProgramProcess(const ProgramProcess&) = delete;
    ProgramProcess& operator=(const ProgramProcess&) = delete;

    bool Started() const { return started_; }

    // A top-level window of this process with the caption (any caption when
    // null) and a control with the id (any when 0); waits for it.
    HWND WaitForWindow(const char* caption, int controlId, bool mustBeVisible) const
    {
        DWORD start = ::GetTickCount();
        while (::GetTickCount() - start < kPatience) {
            if (HWND found = FindWindow(caption, controlId, mustBeVisible))
                return found;
            ::Sleep(50);
        }
        return nullptr;
    }

    HWND FindWindow(const char* caption, int controlId, bool mustBeVisible) const
    {
        struct Search {
            DWORD pid;
            const char* caption;
            int id;
            bool visible;
            HWND found;
        } search{process_.dwProcessId, caption, controlId, mustBeVisible, nullptr};
        ::EnumWindows(
            [](HWND window, LPARAM data) -> BOOL {
                auto* s = reinterpret_cast<Search*>(data);
                DWORD pid = 0;
                ::GetWindowThreadProcessId(window, &pid);
                if (pid != s->pid || (s->visible && !::IsWindowVisible(window)))
                    return TRUE;
                char text[256] = {};
                ::GetWindowTextA(window, text, sizeof(text));
                if (s->caption && std::string(text) != s->caption)
                    return TRUE;
                if (s->id && !::GetDlgItem(window, s->id))
                    return TRUE;
                s->found = window;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&search));
        return search.found;
    }

    // True when the program ended by itself with exit code 0.
    bool EndsCleanly() const
    {
        if (::WaitForSingleObject(process_.hProcess, kPatience) != WAIT_OBJECT_0)
            return false;
        DWORD code = 1;
        ::GetExitCodeProcess(process_.hProcess, &code);
        return code == 0;
    }

private:
    PROCESS_INFORMATION process_{};
    bool started_ = false;
};

const std::string kCaption = std::string("Velindra - ") + velindra::kWebSiteHost;

// A descendant of the window with the control id.
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
            if (::GetDlgCtrlID(window) == s->id) {
                s->found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool WaitUntil(bool (*condition)(HWND), HWND window)
{
    DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < kPatience) {
        if (condition(window))
            return true;
        ::Sleep(50);
    }
    return false;
}

bool Visible(HWND window)
{
    return ::IsWindowVisible(window) != FALSE;
}
bool Hidden(HWND window)
{
    return ::IsWindowVisible(window) == FALSE;
}

TEST(SmokeTest, ThreeRunsOfTheRealProgram)
{
    RealSettingsKeyGuard keepTheRealKey;
    ASSERT_FALSE(SettingsKeyExists());

    // First run: the offer comes while the main window is still hidden.
    {
        ProgramProcess program;
        ASSERT_TRUE(program.Started());
        HWND offer = program.WaitForWindow(nullptr, IDC_FIRST_LAUNCH_WIZARD, true);
        ASSERT_NE(offer, nullptr);
        HWND main = program.FindWindow(kCaption.c_str(), IDC_MAIN_NAVIGATION, false);
        ASSERT_NE(main, nullptr);
        EXPECT_FALSE(::IsWindowVisible(main));
        ::SendMessageA(::GetDlgItem(offer, IDC_FIRST_NO_THANKS), BM_CLICK, 0, 0);
        ::SendMessageA(::GetDlgItem(offer, IDC_FIRST_OK), BM_CLICK, 0, 0);
        ASSERT_TRUE(WaitUntil(Visible, main));

        // The Options page, chosen through the navigation list.
        HWND list = ::GetDlgItem(main, IDC_MAIN_NAVIGATION);
        EXPECT_EQ(::SendMessageA(list, LB_GETCOUNT, 0, 0), 4);
        ::SendMessageA(list, LB_SETCURSEL, 2, 0);
        ::SendMessageA(main, WM_COMMAND, MAKEWPARAM(IDC_MAIN_NAVIGATION, LBN_SELCHANGE),
                       reinterpret_cast<LPARAM>(list));
        HWND languages = FindDescendant(main, IDC_OPT_LANGUAGE);
        HWND halfYear = FindDescendant(main, IDC_MON_HALFYEAR);
        ASSERT_NE(languages, nullptr);
        ASSERT_NE(halfYear, nullptr);
        EXPECT_TRUE(::IsWindowVisible(languages));
        EXPECT_FALSE(::IsWindowVisible(halfYear));

        ::SendMessageA(::GetDlgItem(main, IDC_MAIN_EXIT), BM_CLICK, 0, 0);
        EXPECT_TRUE(program.EndsCleanly());
    }
    EXPECT_EQ(QuerySetting("Visibled"), "0x1");

    // Second run: no offer; shown; Hide brings the quick-launch help, then
    // Exit from the menu while hidden.
    {
        ProgramProcess program;
        HWND main = program.WaitForWindow(kCaption.c_str(), IDC_MAIN_NAVIGATION, true);
        ASSERT_NE(main, nullptr);
        EXPECT_EQ(program.FindWindow(nullptr, IDC_FIRST_LAUNCH_WIZARD, false), nullptr);
        // Posted: the Hide handler runs the help window's modal loop.
        ::PostMessageA(::GetDlgItem(main, IDC_MAIN_HIDE), BM_CLICK, 0, 0);
        HWND help = program.WaitForWindow(nullptr, IDC_QLH_HIDE_MESSAGE, true);
        ASSERT_NE(help, nullptr);
        EXPECT_FALSE(::IsWindowVisible(main));
        ::PostMessageA(::GetDlgItem(help, IDC_QLH_OK), BM_CLICK, 0, 0);
        ASSERT_TRUE(WaitUntil([](HWND w) { return !::IsWindow(w); }, help));
        ::PostMessageA(main, WM_COMMAND, ID_MENU_EXIT, 0);
        EXPECT_TRUE(program.EndsCleanly());
    }
    EXPECT_EQ(QuerySetting("Visibled"), "0x0");
    EXPECT_EQ(QuerySetting("HideMessage"), "0x0");

    // Third run: it stays hidden, and ends hidden.
    {
        ProgramProcess program;
        HWND main = program.WaitForWindow(kCaption.c_str(), IDC_MAIN_NAVIGATION, false);
        ASSERT_NE(main, nullptr);
        DWORD_PTR ignored = 0;
        ::SendMessageTimeoutA(main, WM_NULL, 0, 0, SMTO_NORMAL, kPatience, &ignored);
        ::Sleep(300);
        EXPECT_TRUE(Hidden(main));
        ::PostMessageA(main, WM_COMMAND, IDC_MAIN_EXIT, 0);
        EXPECT_TRUE(program.EndsCleanly());
    }
    EXPECT_EQ(QuerySetting("Visibled"), "0x0");
}

} // namespace
