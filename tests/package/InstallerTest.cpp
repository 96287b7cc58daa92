// The silent installer and uninstaller, run in this Wine prefix as a user
// would run them: what they put where, what an upgrade keeps, what removal
// leaves, and how they treat a running Velindra and a folder that cannot be
// written. They touch the user's real keys, Start menu and Run values, so
// CTest runs each of these tests alone.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "res/resource.h"
#include "tests/package/Installation.h"
#include "tests/package/StandIn.h"
#include "tests/support/Sandbox.h"

namespace package_test {
namespace {

constexpr DWORD kPatience = 30000; // milliseconds

// The installed program started as a process of its own: its main window
// shows, and it ends cleanly when closed with its close box.
class InstalledProgram {
public:
    explicit InstalledProgram(const std::string& folder)
    {
        STARTUPINFOA startup{};
        startup.cb = sizeof(startup);
        std::string line = "\"" + folder + "\\velindra.exe\"";
        started_ = CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                  folder.c_str(), &startup, &process_) != FALSE;
    }
    ~InstalledProgram()
    {
        if (!started_)
            return;
        if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT)
            TerminateProcess(process_.hProcess, 99);
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }
    InstalledProgram(const InstalledProgram&) = delete;
    InstalledProgram& operator=(const InstalledProgram&) = delete;

    // Its visible top-level window with the navigation list; waits for it.
    HWND WaitForMainWindow() const
    {
        const DWORD start = GetTickCount();
        while (started_ && GetTickCount() - start < kPatience) {
            struct Search {
                DWORD process;
                HWND found;
            } search{process_.dwProcessId, nullptr};
            EnumWindows(
                [](HWND window, LPARAM data) -> BOOL {
                    auto* s = reinterpret_cast<Search*>(data);
                    DWORD owner = 0;
                    GetWindowThreadProcessId(window, &owner);
                    if (owner != s->process || !IsWindowVisible(window) ||
                        !GetDlgItem(window, IDC_MAIN_NAVIGATION))
                        return TRUE;
                    s->found = window;
                    return FALSE;
                },
                reinterpret_cast<LPARAM>(&search));
            if (search.found)
                return search.found;
            Sleep(50);
        }
        return nullptr;
    }

    bool EndsCleanly() const
    {
        DWORD code = 1;
        return WaitForSingleObject(process_.hProcess, kPatience) == WAIT_OBJECT_0 &&
               GetExitCodeProcess(process_.hProcess, &code) && code == 0;
    }

private:
    PROCESS_INFORMATION process_{};
    bool started_ = false;
};

// Every test starts and ends with no installation, shortcut, entry or Run value.
class InstallerTest : public testing::Test {
protected:
    void SetUp() override { RemoveTraces(DefaultFolder()); }
    void TearDown() override
    {
        RemoveTraces(DefaultFolder());
        RemoveTraces(scratch_.File("Velindra"));
    }

    // Nothing of an installation anywhere.
    void ExpectNoInstallation(const std::string& folder) const
    {
        EXPECT_FALSE(Exists(folder + "\\velindra.exe"));
        EXPECT_FALSE(Exists(ShortcutPath()));
        EXPECT_FALSE(HasKey(HKEY_CURRENT_USER, kUninstallKey));
    }

    testing_support::TempFolder scratch_;
};

TEST_F(InstallerTest, InstallsRunsUpgradesAndUninstallsForThisUserAlone)
{
    SettingsKeyGuard keepTheRealSettings;
    // Settings of an earlier run: the program starts with its window shown.
    ASSERT_TRUE(WriteString(HKEY_CURRENT_USER, kSettingsKey, "StartDate", "2004 5 20 0 0 0"));
    const std::string folder = DefaultFolder();

    ASSERT_EQ(InstallSilently(), kDone);
    EXPECT_EQ(FilesIn(folder), InstalledFiles());
    EXPECT_TRUE(Exists(ShortcutPath()));
    const std::string exe = folder + "\\velindra.exe";
    const std::string uninstaller = "\"" + folder + "\\Uninstall.exe\"";
    const struct {
        const char* name;
        std::string expected;
    } entry[] = {
        {"DisplayName", "Velindra"},
        {"DisplayVersion", VELINDRA_VERSION},
        {"Publisher", "Orrowby"},
        {"DisplayIcon", "\"" + exe + "\",0"},
        {"InstallLocation", folder},
        {"UninstallString", uninstaller},
        {"QuietUninstallString", uninstaller + " /S"},
    };
    for (const auto& value : entry)
        EXPECT_EQ(ReadString(HKEY_CURRENT_USER, kUninstallKey, value.name), value.expected)
            << value.name;
    EXPECT_GT(ReadDword(HKEY_CURRENT_USER, kUninstallKey, "EstimatedSize"), 100u);

    {
        InstalledProgram program(folder);
        HWND main = program.WaitForMainWindow();
        ASSERT_NE(main, nullptr);
        PostMessageA(main, WM_SYSCOMMAND, SC_CLOSE, 0); // its close box
        EXPECT_TRUE(program.EndsCleanly());
    }
    EXPECT_TRUE(Exists(folder + "\\english.lng")); // written by the program itself

    // An upgrade over it keeps the user's own language file.
    const std::string own = folder + "\\mine.lng";
    ASSERT_TRUE(WriteFile(own, "[Options]\nLanguage=Mine\n"));
    ASSERT_EQ(InstallSilently(), kDone);
    EXPECT_EQ(ReadFile(own), "[Options]\nLanguage=Mine\n");

    // Removal: the program, its shortcut, entry and Run values go; the
    // settings and the user's own language file stay.
    for (const RunKey& run : kRunKeys)
        ASSERT_TRUE(WriteString(run.root, run.path, kRunValue, "\"" + exe + "\""));
    ASSERT_EQ(UninstallSilently(folder), kDone);
    EXPECT_EQ(FilesIn(folder), std::vector<std::string>{"mine.lng"});
    EXPECT_FALSE(Exists(ShortcutPath()));
    EXPECT_FALSE(HasKey(HKEY_CURRENT_USER, kUninstallKey));
    for (const RunKey& run : kRunKeys)
        EXPECT_FALSE(HasValue(run.root, run.path, kRunValue)) << run.path;
    EXPECT_EQ(ReadString(HKEY_CURRENT_USER, kSettingsKey, "StartDate"), "2004 5 20 0 0 0");
}

TEST_F(InstallerTest, AsksARunningVelindraToCloseFirst)
{
    const std::string folder = scratch_.File("Velindra");
    {
        StandIn running(StandIn::ClosesWhenAsked);
        ASSERT_TRUE(running.Created());
        ASSERT_EQ(InstallSilently(folder), kDone);
        EXPECT_EQ(running.CloseRequests(), 1);
        EXPECT_FALSE(running.Open());
    }
    EXPECT_EQ(FilesIn(folder), InstalledFiles());
    {
        StandIn running(StandIn::ClosesWhenAsked);
        ASSERT_EQ(UninstallSilently(folder), kDone);
        EXPECT_EQ(running.CloseRequests(), 1);
    }
    EXPECT_FALSE(Exists(folder));
}

TEST_F(InstallerTest, ChangesNothingWhileVelindraWillNotClose)
{
    const std::string folder = scratch_.File("Velindra");
    {
        StandIn running(StandIn::StaysOpen);
        ASSERT_EQ(InstallSilently(folder), kStopped);
        EXPECT_EQ(running.CloseRequests(), 1);
    }
    EXPECT_FALSE(Exists(folder));
    ExpectNoInstallation(folder);

    ASSERT_EQ(InstallSilently(folder), kDone);
    {
        StandIn running(StandIn::StaysOpen);
        ASSERT_EQ(UninstallSilently(folder), kStopped);
    }
    EXPECT_EQ(FilesIn(folder), InstalledFiles());
    EXPECT_TRUE(Exists(ShortcutPath()));
    EXPECT_TRUE(HasKey(HKEY_CURRENT_USER, kUninstallKey));
}

TEST_F(InstallerTest, ChangesNothingWhenTheFolderCannotBeWritten)
{
    // A folder in a file system nobody may write to, whatever the rights:
    // the Linux host's /proc, Wine's Z:\proc.
    const std::string folder = "Z:\\proc\\Velindra";
    ASSERT_TRUE(Exists("Z:\\proc"));
    EXPECT_EQ(InstallSilently(folder), kStopped);
    ExpectNoInstallation(folder);
    EXPECT_FALSE(Exists(DefaultFolder()));
}

} // namespace
} // namespace package_test
