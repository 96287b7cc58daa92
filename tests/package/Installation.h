#pragma once
// The installer and its uninstaller run silently in this Wine prefix, and
// what they leave behind: files, the Start-menu shortcut, the uninstall entry
// and the Run values. The build names the installer (VELINDRA_SETUP) and the
// folder of shipped language files (VELINDRA_SHIPPED_LANGUAGES).
#include <windows.h>

#include <string>
#include <vector>

namespace package_test {

constexpr char kUninstallKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Velindra";
constexpr char kSettingsKey[] = "Software\\Orrowby\\Velindra";
constexpr char kRunValue[] = "Velindra";

// Every Run key the program may write its value to.
struct RunKey {
    HKEY root;
    const char* path;
};
extern const RunKey kRunKeys[3];

// Exit codes of the installer and uninstaller (and of RunToEnd itself).
constexpr DWORD kDone = 0;
constexpr DWORD kStopped = 2;
constexpr DWORD kNotStarted = 1000;
constexpr DWORD kNeverEnded = 1001;

// Runs a command line to its end while dispatching this thread's messages, so
// that a window of this thread can answer the installer; its exit code.
DWORD RunToEnd(const std::string& commandLine);

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

bool Exists(const std::string& path);
std::vector<std::string> FilesIn(const std::string& folder); // sorted names
bool WriteFile(const std::string& path, const std::string& contents);
std::string ReadFile(const std::string& path);

bool HasKey(HKEY root, const char* key);
bool HasValue(HKEY root, const char* key, const char* name);
std::string ReadString(HKEY root, const char* key, const char* name); // empty when missing
DWORD ReadDword(HKEY root, const char* key, const char* name);        // 0 when missing
bool WriteString(HKEY root, const char* key, const char* name, const std::string& value);

// Removes all an installation into the folder may have left, the user's own
// files in it included.
void RemoveTraces(const std::string& folder);

// Keeps the prefix's settings key out of the way of a test and puts it back.
class SettingsKeyGuard {
public:
    SettingsKeyGuard();
    ~SettingsKeyGuard();
    SettingsKeyGuard(const SettingsKeyGuard&) = delete;
    SettingsKeyGuard& operator=(const SettingsKeyGuard&) = delete;

private:
    bool saved_ = false;
};

} // namespace package_test
