#pragma once
// The installed velindra.exe started as a process of its own, as the Start
// menu starts it.
#include <windows.h>

#include <string>

namespace package_test {

class InstalledProgram {
public:
    explicit InstalledProgram(const std::string& folder);
    // Ends a program still running, by force.
    ~InstalledProgram();
    InstalledProgram(const InstalledProgram&) = delete;
    InstalledProgram& operator=(const InstalledProgram&) = delete;

    // Its main window (found by its class) once shown; waits for it.
    HWND WaitForMainWindow() const;
    // True when it ended by itself with exit code 0; waits for it.
    bool EndsCleanly() const;

private:
    PROCESS_INFORMATION process_{};
    bool started_ = false;
};

} // namespace package_test
