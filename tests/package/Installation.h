#pragma once
// The installer and its uninstaller run silently in this Wine prefix, what
// they leave behind (files, the Start-menu shortcut, the uninstall entry, the
// Run values), and the programs they meet: the installed Velindra and a
// stand-in that will not close. The build names the installer
// (VELINDRA_SETUP) and the folder of shipped language files
// (VELINDRA_SHIPPED_LANGUAGES).
#include <windows.h>

#include <string>
#include <vector>

namespace package_test {

constexpr char kUninstallKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Velindra";
constexpr char kSettingsKey[] = "Software\\Orrowby\\Velindra";

// Every Run key the program may write its value "Velindra" to.
struct RunKey {
    HKEY root;
    const char* path;
};
extern const RunKey kRunKeys[3];

// Exit codes of the installer and uninstaller.
constexpr DWORD kDone = 0;
constexpr DWORD kStopped = 2;

// The installer, silently, into the folder (its default one when empty).
DWORD InstallSilently(const std::string& folder = std::string());
// The uninstaller of the folder, silently, run the way it runs itself: from a
// copy outside the folder, and waited for.
DWORD UninstallSilently(const std::string& folder);

std::string DefaultFolder(); // %LOCALAPPDATA%\Programs\Velindra
std::string ShortcutPath();  // in the user's Start menu
// What an installation puts into its folder, sorted: the program, its help,
// the read-me, the licence, the uninstaller and the shipped language files.
std::vector<std::string> InstalledFiles();
// The names in a folder, sorted; a subfolder's with a backslash.
std::vector<std::string> FilesIn(const std::string& folder);
bool Exists(const std::string& path);
bool HasKey(HKEY root, const char* key);
std::string ReadString(HKEY root, const char* key, const char* name); // empty when missing
bool WriteString(HKEY root, const char* key, const char* name, const std::string& value);

// Removes all an installation into the folder may have left, the user's own
// files in it included, and the settings key.
void RemoveTraces(const std::string& folder);

// The installed velindra.exe, started as the Start menu starts it; ended by
// force when still running at the end.
class InstalledProgram {
public:
    explicit InstalledProgram(const std::string& folder);
    ~InstalledProgram();
    InstalledProgram(const InstalledProgram&) = delete;
    InstalledProgram& operator=(const InstalledProgram&) = delete;

    HWND WaitForMainWindow() const; // its main window (found by its class), once shown
    bool EndsCleanly() const;       // ended by itself with exit code 0; waits for it

private:
    PROCESS_INFORMATION process_{};
};

// A Velindra that will not close, as the installer sees it: a hidden window
// of the main window's class in this process that counts the WM_CLOSE it
// gets and stays. It answers while this thread dispatches messages (the
// installer's runs above do).
class StandIn {
public:
    StandIn();
    ~StandIn() { DestroyWindow(window_); }
    StandIn(const StandIn&) = delete;
    StandIn& operator=(const StandIn&) = delete;

    bool Created() const { return window_ != nullptr; }
    static int closeRequests;

private:
    HWND window_ = nullptr;
};

} // namespace package_test
