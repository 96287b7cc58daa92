#pragma once
// A measured program and how the driver does each operation in it, from
// outside, with the messages a user's input or the shell would bring.
#include <windows.h>

#include <string>
#include <utility>

class Target {
public:
    Target(std::string name, std::string exe) : name_(std::move(name)), exe_(std::move(exe)) {}
    virtual ~Target() = default;

    const std::string& Name() const { return name_; }
    const std::string& Exe() const { return exe_; }

    // Makes the next start visible or hidden; answers the command line arguments.
    virtual std::string PrepareStart(bool visible) const = 0;
    // A control id that only the main window has among the process's windows.
    virtual int MainChildId() const = 0;
    // The command that ends the program.
    virtual WPARAM ExitCommand() const = 0;
    // The command that opens the half-year (six-month) dialog.
    virtual WPARAM HalfYearCommand() const = 0;
    // Times one page switch in ms, painted; page 0 to 3.
    virtual double SwitchPage(HWND main, int page) const = 0;
    // Times one step of the month calendar to the next month in ms, painted,
    // and steps back untimed.
    virtual double StepMonth(HWND main) const = 0;
    // The same step by the keyboard (Page Down, then Page Up untimed): the
    // calendar's own work, without a push button pressed and painted. A
    // program without keys repaints as in StepMonth.
    virtual double StepMonthByKey(HWND main) const { return StepMonth(main); }

private:
    std::string name_;
    std::string exe_;
};

// Velindra: settings in the registry, the navigation list, the Monitor calendar.
class VelindraTarget : public Target {
public:
    explicit VelindraTarget(std::string exe) : Target("Velindra", std::move(exe)) {}
    std::string PrepareStart(bool visible) const override;
    int MainChildId() const override;
    WPARAM ExitCommand() const override;
    WPARAM HalfYearCommand() const override;
    double SwitchPage(HWND main, int page) const override;
    double StepMonth(HWND main) const override;
    double StepMonthByKey(HWND main) const override;

protected:
    VelindraTarget(std::string name, std::string exe) : Target(std::move(name), std::move(exe)) {}
};

// The same-windows program: Velindra's windows, ids and commands, driven as
// Velindra is; it starts hidden on an argument instead of a setting, and
// its month sheet has no months to step through, so a month step is a
// repaint of that sheet.
class SameTarget : public VelindraTarget {
public:
    explicit SameTarget(std::string exe) : VelindraTarget("same", std::move(exe)) {}
    std::string PrepareStart(bool visible) const override;
    double StepMonth(HWND main) const override;
    double StepMonthByKey(HWND main) const override { return StepMonth(main); }
};

// The bare program: it has no pages, so a page switch is a repaint of its
// whole dialog, and a month step a repaint of its month child.
class BareTarget : public Target {
public:
    explicit BareTarget(std::string exe) : Target("bare", std::move(exe)) {}
    std::string PrepareStart(bool visible) const override;
    int MainChildId() const override;
    WPARAM ExitCommand() const override;
    WPARAM HalfYearCommand() const override;
    double SwitchPage(HWND main, int page) const override;
    double StepMonth(HWND main) const override;
};

// The main window of the process: top-level, with the target's main child,
// visible when asked; waits for it. Null when it never comes.
HWND WaitForMainWindow(const Target& target, DWORD pid, bool visible);
// Opens the half-year dialog through the main window's command and times it
// until the dialog is visible and painted; *dialog receives it (null on
// failure, with -1 answered).
double OpenHalfYear(const Target& target, DWORD pid, HWND main, HWND* dialog);
// Closes the dialog with OK and waits until it is gone.
bool CloseDialog(HWND dialog);
