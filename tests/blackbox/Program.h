#pragma once
// Black box: the built velindra.exe, copied into a folder of the test's own
// (of any name), started as a process of its own and driven from this
// process by window classes, control ids and messages, as a user or another
// program would. The program keeps its settings under this Wine prefix's
// real HKEY_CURRENT_USER; the fixture gives every test an empty settings key,
// and CTest runs these tests one at a time.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <functional>
#include <string>

#include "tests/support/Sandbox.h"

namespace blackbox {

constexpr DWORD kPatience = 20000; // milliseconds; Wine may start slowly under load

// A fresh folder under the temporary folder, with the program and its help
// file copied in; removed with every file in it at the end.
class ProgramFolder {
public:
    explicit ProgramFolder(const std::wstring& name = L"velindra");
    ~ProgramFolder();
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;

    std::wstring Path() const { return path_; }
    std::wstring File(const std::wstring& name) const { return path_ + L"\\" + name; }
    bool Write(const std::wstring& name, const std::string& bytes) const
    {
        return testing_support::WriteWholeFile(File(name), bytes);
    }
    std::string Read(const std::wstring& name) const // empty when missing
    {
        return testing_support::ReadWholeFile(File(name));
    }
    bool Ready() const { return ready_; }

private:
    std::filesystem::path root_;
    std::wstring path_;
    bool ready_ = false;
};

// One run of the program from a folder.
class Program {
public:
    explicit Program(const ProgramFolder& folder);
    // Ends a program still running (the close message, then by force).
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    DWORD Id() const { return process_.dwProcessId; }
    // The main window (found by its class), once it exists and answers.
    HWND Main() const;
    // A top-level window of the process of the class (a pop-up menu is
    // "#32768"), visible; waits for it. Null when there is none in time.
    HWND WaitForClass(const char* className) const;
    // A top-level window of the process holding a control with the id,
    // visible; waits for it. Null when there is none in time.
    HWND WaitForWindow(int controlId) const;
    // How many top-level windows of the process hold a control with the id.
    int CountWindows(int controlId, bool visible = true) const;
    // Waits for the process to end; true with its exit code 0 when it did.
    bool EndsCleanly(DWORD patience = kPatience) const;

private:
    HWND WaitFor(const std::function<bool(HWND)>& match, bool visible = true) const;

    PROCESS_INFORMATION process_{};
};

// Waits until the condition holds; false when it never did in time.
template <class Condition> bool WaitUntil(Condition condition, DWORD patience = kPatience)
{
    const DWORD start = ::GetTickCount();
    while (!condition()) {
        if (::GetTickCount() - start >= patience)
            return false;
        ::Sleep(30);
    }
    return true;
}

// Lets the program's thread work through what was sent to it.
void Settle(HWND window);
// A descendant of the window with the control id (the pages' controls).
HWND FindDescendant(HWND root, int id);
std::wstring TextOf(HWND window);
// Picks the entry of the main window's navigation list, as the user does.
void ChoosePage(HWND main, int index);
// True when the shell holds the window's notification icon (a change that
// changes nothing is accepted only for an icon that exists).
bool HasNotificationIcon(HWND owner);
// The named DWORD setting in the real settings key, or -1 when missing.
long long StoredDword(const char* name);

// Every test starts and ends with no settings key (a first run) and no Run
// value in the real HKEY_CURRENT_USER of the prefix, which the program uses.
class BlackBoxTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // A later run: the settings key with the given values (plus a sample cycle).
    static void StoreSettings(DWORD visible, DWORD hideMessage = 1);
};

} // namespace blackbox
