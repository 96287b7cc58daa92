// The silent installer and uninstaller, run in this Wine prefix as a user
// would run them: what they put where (files, the Start-menu shortcut, the
// uninstall entry), what an upgrade keeps, what removal leaves, and how they
// treat a running Velindra and a folder that cannot be written, and which
// language they speak. They touch the user's real keys, Start menu and Run
// values, so CTest runs each of these tests alone. The build names the
// installer (VELINDRA_SETUP), its winget manifest (VELINDRA_WINGET_INSTALLER),
// the folder of shipped language files (VELINDRA_SHIPPED_LANGUAGES) and a
// Velindra slow to end (VELINDRA_LINGERER).
#include <gtest/gtest.h>

#include <windows.h>

#include <shlobj.h>

#include <algorithm>
#include <filesystem>

#include "res/resource.h"
#include "tests/support/Sandbox.h"

namespace {

constexpr char kUninstallKeys[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";
constexpr char kUninstallKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Velindra";
constexpr char kSettingsKey[] = "Software\\Orrowby\\Velindra";
constexpr DWORD kDone = 0;         // the installer's and uninstaller's exit code when all went well
constexpr DWORD kPatience = 60000; // milliseconds; Wine may be slow under load

// Every Run key the program may write its value "Velindra" to.
const std::pair<HKEY, const char*> kRunKeys[] = {
    {HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Run"},
    {HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion\\Run"},
    {HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows NT\\CurrentVersion\\Run"},
};

namespace fs = std::filesystem;

// A path of the build machine; a Unix one is reached through Wine's Z: drive.
std::string BuildPath(const std::string& path)
{
    return fs::path(path[0] == '/' ? "Z:" + path : path).make_preferred().string();
}

std::string FolderOf(int csidl, const char* name)
{
    char path[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path);
    return path + std::string(name);
}
const std::string kDefaultFolder = FolderOf(CSIDL_LOCAL_APPDATA, "\\Programs\\Velindra");
const std::string kShortcut = FolderOf(CSIDL_PROGRAMS, "\\Velindra.lnk");

// The names in a folder, sorted, with the names of what an installation adds.
std::vector<std::string> FilesIn(const std::string& folder, std::vector<std::string> names = {})
{
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// What an installation puts into its folder: the program, its help, the
// read-me, the licence, the uninstaller and the shipped language files.
const std::vector<std::string> kInstalled =
    FilesIn(BuildPath(VELINDRA_SHIPPED_LANGUAGES),
            {"Uninstall.exe", "license.txt", "readme.txt", "velindra.chm", "velindra.exe"});

std::string ReadString(HKEY root, const char* key, const char* name)
{
    char value[1024] = {};
    DWORD size = sizeof(value);
    RegGetValueA(root, key, name, RRF_RT_REG_SZ, nullptr, value, &size);
    return value;
}
bool WriteString(HKEY root, const char* key, const char* name, const std::string& value)
{
    return RegSetKeyValueA(root, key, name, REG_SZ, value.c_str(),
                           static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

// The first value of the key in a winget manifest: from its line
// "Key: value" or "- Key: value", plain or in double quotes.
std::string ManifestValue(const std::string& manifest, const std::string& key)
{
    const std::string marker = key + ": ";
    for (size_t at = manifest.find(marker); at != std::string::npos;
         at = manifest.find(marker, at + 1)) {
        if (manifest.find_first_not_of(" -", manifest.rfind('\n', at) + 1) != at)
            continue;
        std::string value =
            manifest.substr(at + marker.size(), manifest.find('\n', at) - at - marker.size());
        if (value.size() < 2 || value.front() != '"' || value.back() != '"')
            return value;
        std::string text;
        for (size_t i = 1; i + 1 < value.size(); ++i)
            text += value[i] == '\\' ? value[++i] : value[i];
        return text;
    }
    return std::string();
}

// The installer's winget manifest.
const std::string kManifest =
    testing_support::ReadWholeFile(testing_support::Wide(BuildPath(VELINDRA_WINGET_INSTALLER)));

// The installer's exit code that its winget manifest gives the response
// ("packageInUse", ...); 0 when it gives none.
DWORD ReturnCodeFor(const std::string& response)
{
    const size_t at = kManifest.find("ReturnResponse: " + response + "\n");
    const char kCode[] = "InstallerReturnCode: ";
    const size_t code = at == std::string::npos ? at : kManifest.rfind(kCode, at);
    return code == std::string::npos ? 0
                                     : strtoul(&kManifest[code + sizeof(kCode) - 1], nullptr, 10);
}

// Starts a command line; its process, or null.
HANDLE Start(std::string line, const char* folder = nullptr)
{
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, folder, &startup,
                        &process))
        return nullptr;
    CloseHandle(process.hThread);
    return process.hProcess;
}

// Waits for the process to end, dispatching this thread's messages meanwhile
// (a window of this thread may have to answer); its exit code, or -1 after
// ending it by force.
DWORD WaitForEnd(HANDLE process)
{
    DWORD code = DWORD(-1);
    for (const DWORD start = GetTickCount(); process && GetTickCount() - start < kPatience;
         testing_support::PumpMessages())
        if (MsgWaitForMultipleObjects(1, &process, FALSE, 100, QS_ALLINPUT) == WAIT_OBJECT_0 &&
            GetExitCodeProcess(process, &code))
            break;
    if (process && code == DWORD(-1))
        TerminateProcess(process, code);
    CloseHandle(process);
    return code;
}

// The installer, silently, into the folder (its default one when empty);
// /D= comes last and unquoted, as the installer wants it.
DWORD InstallSilently(const std::string& folder = std::string())
{
    return WaitForEnd(Start("\"" + BuildPath(VELINDRA_SETUP) + "\" /S" +
                            (folder.empty() ? "" : " /D=" + folder)));
}

// The uninstaller of the folder, silently, run the way it runs itself: from a
// copy outside the folder, and waited for.
DWORD UninstallSilently(const std::string& folder)
{
    const fs::path copy = fs::temp_directory_path() / "velindra-uninstall-test.exe";
    std::error_code error;
    fs::copy_file(folder + "\\Uninstall.exe", copy, fs::copy_options::overwrite_existing, error);
    const DWORD code = WaitForEnd(Start("\"" + copy.string() + "\" /S _?=" + folder));
    fs::remove(copy, error);
    return code;
}

// The installed program started as the Start menu starts it, once its main
// window (found by its class) shows; null when it does not.
HANDLE StartInstalled(const std::string& folder)
{
    HANDLE process = Start("\"" + folder + "\\velindra.exe\"", folder.c_str());
    for (const DWORD start = GetTickCount(); process && GetTickCount() - start < kPatience;) {
        HWND w = FindWindowExA(nullptr, nullptr, VELINDRA_MAIN_WINDOW_CLASS, nullptr);
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        if (w && owner == GetProcessId(process) && IsWindowVisible(w))
            return process;
        Sleep(50);
    }
    WaitForEnd(process);
    return nullptr;
}

// A Velindra that will not close, as the installer sees it: a hidden window
// of the main window's class in this process that counts the WM_CLOSE it gets
// and stays. It answers while this thread dispatches messages (WaitForEnd).
int g_closeRequests = 0;
struct StandIn {
    StandIn()
    {
        WNDCLASSEXA windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = [](HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
            g_closeRequests += message == WM_CLOSE;
            return message == WM_CLOSE ? 0 : DefWindowProcA(window, message, wParam, lParam);
        };
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = VELINDRA_MAIN_WINDOW_CLASS;
        RegisterClassExA(&windowClass); // fails harmlessly when registered before
        g_closeRequests = 0;
        window = CreateWindowExA(0, VELINDRA_MAIN_WINDOW_CLASS, "Velindra", WS_OVERLAPPEDWINDOW, 0,
                                 0, 100, 100, nullptr, nullptr, windowClass.hInstance, nullptr);
    }
    ~StandIn() { DestroyWindow(window); }
    HWND window = nullptr;
};

// Every test starts and ends with no installation, shortcut, entry, Run
// value or settings key.
class InstallerTest : public testing::Test {
protected:
    void SetUp() override { RemoveTraces(kDefaultFolder); }
    void TearDown() override
    {
        RemoveTraces(kDefaultFolder);
        RemoveTraces(scratch_.File("Velindra"));
    }
    // Everything an installation into the folder may have left, the user's
    // own files in it included.
    static void RemoveTraces(const std::string& folder)
    {
        std::error_code error;
        fs::remove_all(folder, error);
        fs::remove(kShortcut, error);
        RegDeleteKeyA(HKEY_CURRENT_USER, kUninstallKey);
        RegDeleteKeyA(HKEY_CURRENT_USER, kSettingsKey);
        for (const auto& [root, key] : kRunKeys)
            RegDeleteKeyValueA(root, key, "Velindra");
    }
    // The program, the shortcut, the uninstall entry's name.
    static std::string Installation(const std::string& folder)
    {
        return std::to_string(fs::exists(folder + "\\velindra.exe")) +
               std::to_string(fs::exists(kShortcut)) +
               ReadString(HKEY_CURRENT_USER, kUninstallKey, "DisplayName");
    }

    testing_support::TempFolder scratch_;
};

// winget finds the installed program by its manifest: the uninstall entry
// under the manifest's ProductCode holds the name, publisher and version of
// its apps-and-features entry and its default folder.
TEST_F(InstallerTest, InstallsRunsUpgradesAndUninstallsForThisUserAlone)
{
    // Settings of an earlier run: the program starts with its window shown.
    ASSERT_TRUE(WriteString(HKEY_CURRENT_USER, kSettingsKey, "StartDate", "2004 5 20 0 0 0"));
    const std::string folder = kDefaultFolder, exe = folder + "\\velindra.exe";
    ASSERT_EQ(InstallSilently(), kDone);
    EXPECT_EQ(FilesIn(folder), kInstalled);
    EXPECT_EQ(Installation(folder), "11Velindra");
    const std::string key = kUninstallKeys + ManifestValue(kManifest, "ProductCode");
    char location[MAX_PATH] = {};
    ExpandEnvironmentStringsA(ManifestValue(kManifest, "DefaultInstallLocation").c_str(), location,
                              MAX_PATH);
    const std::string uninstaller = "\"" + folder + "\\Uninstall.exe\"";
    const std::pair<const char*, std::string> entry[] = {
        {"DisplayName", ManifestValue(kManifest, "DisplayName")},
        {"Publisher", ManifestValue(kManifest, "Publisher")},
        {"DisplayVersion", ManifestValue(kManifest, "DisplayVersion")},
        {"DisplayVersion", VELINDRA_VERSION},
        {"DisplayIcon", "\"" + exe + "\",0"},
        {"InstallLocation", location},
        {"InstallLocation", folder},
        {"UninstallString", uninstaller},
        {"QuietUninstallString", uninstaller + " /S"},
    };
    for (const auto& [name, expected] : entry)
        EXPECT_EQ(ReadString(HKEY_CURRENT_USER, key.c_str(), name), expected) << key << " " << name;

    // An upgrade while the program runs: the installer closes it as its close
    // box would, and keeps the user's own language file.
    const std::wstring mine = fs::path(folder + "\\mine.lng").wstring();
    ASSERT_TRUE(testing_support::WriteWholeFile(mine, "[Options]\n"));
    // (Never ASSERT while it may run: the end waited for ends it by force.)
    HANDLE running = StartInstalled(folder);
    EXPECT_NE(running, nullptr);
    EXPECT_EQ(InstallSilently(), kDone);
    EXPECT_EQ(WaitForEnd(running), 0u);
    // The shipped english.lng, kept up to date by the program, is there too.
    EXPECT_TRUE(testing_support::ReadWholeFile(mine) == "[Options]\n" &&
                fs::exists(folder + "\\english.lng"));

    // Removal, while the program runs again: the program, its shortcut, entry
    // and Run values go; the settings and the user's own language file stay.
    for (const auto& [root, key] : kRunKeys)
        ASSERT_TRUE(WriteString(root, key, "Velindra", "\"" + exe + "\""));
    running = StartInstalled(folder);
    EXPECT_NE(running, nullptr);
    EXPECT_EQ(UninstallSilently(folder), kDone);
    EXPECT_EQ(WaitForEnd(running), 0u);
    EXPECT_EQ(FilesIn(folder), std::vector<std::string>{"mine.lng"});
    EXPECT_EQ(Installation(folder), "00");
    for (const auto& [root, key] : kRunKeys)
        EXPECT_EQ(ReadString(root, key, "Velindra"), "") << key;
    EXPECT_EQ(ReadString(HKEY_CURRENT_USER, kSettingsKey, "StartDate"), "2004 5 20 0 0 0");
}

// Nothing is installed or removed while a Velindra will not close (after
// waiting for it), nor where a folder cannot be written: one in a file system
// nobody may write to, whatever the rights (the Linux host's /proc, Wine's
// Z:\\proc). Each ends with the exit code its winget manifest maps; the
// uninstaller stops as the installer does.
TEST_F(InstallerTest, ChangesNothingWhileVelindraWillNotCloseOrTheFolderCannotBeWritten)
{
    const DWORD inUse = ReturnCodeFor("packageInUse");
    ASSERT_TRUE(fs::exists("Z:\\proc"));
    EXPECT_EQ(InstallSilently("Z:\\proc\\Velindra"), ReturnCodeFor("invalidParameter"));
    EXPECT_TRUE(Installation("Z:\\proc\\Velindra") == "00" && !fs::exists(kDefaultFolder));

    const std::string folder = scratch_.File("Velindra");
    {
        StandIn running;
        ASSERT_NE(running.window, nullptr);
        ASSERT_EQ(InstallSilently(folder), inUse);
        EXPECT_EQ(g_closeRequests, 1);
    }
    EXPECT_TRUE(!fs::exists(folder) && Installation(folder) == "00");

    ASSERT_EQ(InstallSilently(folder), kDone);
    {
        StandIn running;
        ASSERT_EQ(UninstallSilently(folder), inUse);
        EXPECT_EQ(g_closeRequests, 1);
    }
    EXPECT_TRUE(FilesIn(folder) == kInstalled && Installation(folder) == "11Velindra");
}

// A Velindra that takes seconds to end after its window has gone (on a busy
// machine) is waited for: installation and removal go through, and only
// after it has ended.
TEST_F(InstallerTest, WaitsForAVelindraThatTakesSecondsToEnd)
{
    const std::string folder = kDefaultFolder;
    ASSERT_EQ(InstallSilently(), kDone);
    for (const bool removal : {false, true}) {
        ASSERT_TRUE(CopyFileA(BuildPath(VELINDRA_LINGERER).c_str(),
                              (folder + "\\velindra.exe").c_str(), 0));
        HANDLE lingering = StartInstalled(folder);
        EXPECT_NE(lingering, nullptr);
        EXPECT_EQ(removal ? UninstallSilently(folder) : InstallSilently(), kDone) << removal;
        EXPECT_EQ(WaitForSingleObject(lingering, 0), WAIT_OBJECT_0) << "ran on after " << removal;
        WaitForEnd(lingering);
    }
    EXPECT_EQ(Installation(folder), "00");
}

// The texts of the process's first visible window and its controls, caption
// first, one a line.
std::wstring ShownTexts(DWORD process)
{
    std::wstring texts;
    for (HWND w = GetTopWindow(nullptr); w && texts.empty(); w = GetWindow(w, GW_HWNDNEXT)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        if (owner != process || !IsWindowVisible(w))
            continue;
        const WNDENUMPROC add = [](HWND control, LPARAM to) {
            wchar_t text[1024] = {};
            SendMessageW(control, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text));
            reinterpret_cast<std::wstring*>(to)->append(text).push_back(L'\n');
            return TRUE;
        };
        add(w, reinterpret_cast<LPARAM>(&texts));
        EnumChildWindows(w, add, reinterpret_cast<LPARAM>(&texts));
    }
    return texts;
}

// The installer speaks the display language of Windows (NSIS's texts and its
// own alike): its window as it opens. CTest runs this test in English and,
// with Wine's display language set by the Linux locale, in Russian and in
// Japanese (tests/package/CMakeLists.txt).
TEST_F(InstallerTest, SpeaksTheDisplayLanguageOfWindows)
{
    const struct {
        const char* locale; // of this test's process, as CTest sets it
        const wchar_t *caption, *ownText;
    } table[] = {
        {"ru", L"Установка Velindra", L"Программа установки установит Velindra"},
        {"ja", L"Velindra セットアップ", L"管理者権限は必要ありません。"},
        {"", L"Velindra Setup", L"Setup will install Velindra"},
    };
    const char* locale = getenv("LC_ALL");
    const auto row = std::find_if(std::begin(table), std::end(table), [&](const auto& r) {
        return locale && *r.locale && strncmp(locale, r.locale, 2) == 0;
    });
    if (row == std::end(table) && PRIMARYLANGID(GetUserDefaultUILanguage()) != LANG_ENGLISH)
        GTEST_SKIP() << "no row for this display language";
    const auto& expected = row == std::end(table) ? table[2] : *row;
    HANDLE setup = Start("\"" + BuildPath(VELINDRA_SETUP) + "\"");
    std::wstring shown;
    for (const DWORD start = GetTickCount();
         setup && shown.find(expected.ownText) == std::wstring::npos &&
         GetTickCount() - start < kPatience;
         Sleep(100))
        shown = ShownTexts(GetProcessId(setup));
    TerminateProcess(setup, 0);
    WaitForEnd(setup);
    EXPECT_EQ(shown.substr(0, wcslen(expected.caption)), expected.caption);
    EXPECT_NE(shown.find(expected.ownText), std::wstring::npos) << shown;
}

} // namespace
