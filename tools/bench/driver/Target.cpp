#include "tools/bench/driver/Target.h"

#include "res/resource.h"
#include "tools/bench/bare/BareProgram.h"
#include "tools/bench/driver/Clock.h"
#include "tools/bench/driver/Settings.h"
#include "tools/bench/driver/Windows.h"
#include "tools/bench/same/SameProgram.h"

static_assert(kBareHalfYearFirstMonth == IDC_HALF_CALENDAR0, "one id finds every half-year dialog");

std::string VelindraTarget::PrepareStart(bool visible) const
{
    WriteVelindraSettings(visible);
    return std::string();
}

int VelindraTarget::MainChildId() const
{
    return IDC_MAIN_NAVIGATION;
}

WPARAM VelindraTarget::ExitCommand() const
{
    return IDC_MAIN_EXIT;
}

WPARAM VelindraTarget::HalfYearCommand() const
{
    return ID_MENU_HALFYEAR;
}

// What a click on a navigation entry brings: the selection moves, the list
// tells its parent, and the window paints.
double VelindraTarget::SwitchPage(HWND main, int page) const
{
    HWND list = ::GetDlgItem(main, IDC_MAIN_NAVIGATION);
    double start = NowMs();
    ::SendMessageA(list, LB_SETCURSEL, page, 0);
    ::SendMessageA(main, WM_COMMAND, MAKEWPARAM(IDC_MAIN_NAVIGATION, LBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(list));
    PaintNow(main);
    return NowMs() - start;
}

double VelindraTarget::StepMonth(HWND main) const
{
    HWND calendar = FindDescendant(main, IDC_MON_CALENDAR);
    HWND next = calendar ? ::GetDlgItem(calendar, IDC_CAL_NEXT_MONTH) : nullptr;
    HWND previous = calendar ? ::GetDlgItem(calendar, IDC_CAL_PREV_MONTH) : nullptr;
    if (!next || !previous)
        return -1;
    double start = NowMs();
    ::SendMessageA(next, BM_CLICK, 0, 0);
    PaintNow(main);
    double taken = NowMs() - start;
    ::SendMessageA(previous, BM_CLICK, 0, 0);
    PaintNow(main);
    return taken;
}

double VelindraTarget::StepMonthByKey(HWND main) const
{
    HWND calendar = FindDescendant(main, IDC_MON_CALENDAR);
    if (!calendar)
        return -1;
    double start = NowMs();
    ::SendMessageA(calendar, WM_KEYDOWN, VK_NEXT, 0);
    PaintNow(main);
    double taken = NowMs() - start;
    ::SendMessageA(calendar, WM_KEYDOWN, VK_PRIOR, 0);
    PaintNow(main);
    return taken;
}

std::string SameTarget::PrepareStart(bool visible) const
{
    return visible ? std::string() : std::string(kSameHiddenArgument);
}

double SameTarget::StepMonth(HWND main) const
{
    HWND month = FindDescendant(main, IDC_MON_CALENDAR);
    if (!month)
        return -1;
    double start = NowMs();
    RepaintAll(month);
    return NowMs() - start;
}

std::string BareTarget::PrepareStart(bool visible) const
{
    return visible ? std::string() : std::string(kBareHiddenArgument);
}

int BareTarget::MainChildId() const
{
    return kBareMonthId;
}

WPARAM BareTarget::ExitCommand() const
{
    return IDCANCEL;
}

WPARAM BareTarget::HalfYearCommand() const
{
    return kBareHalfYearCommand;
}

double BareTarget::SwitchPage(HWND main, int) const
{
    double start = NowMs();
    RepaintAll(main);
    return NowMs() - start;
}

double BareTarget::StepMonth(HWND main) const
{
    HWND month = ::GetDlgItem(main, kBareMonthId);
    if (!month)
        return -1;
    double start = NowMs();
    RepaintAll(month);
    return NowMs() - start;
}

HWND WaitForMainWindow(const Target& target, DWORD pid, bool visible)
{
    HWND main = nullptr;
    WaitFor([&] {
        main = FindTopWindow(pid, visible, target.MainChildId());
        return main != nullptr;
    });
    return main;
}

double OpenHalfYear(const Target& target, DWORD pid, HWND main, HWND* dialog)
{
    *dialog = nullptr;
    double start = NowMs();
    ::PostMessageA(main, WM_COMMAND, target.HalfYearCommand(), 0);
    HWND found = nullptr;
    // Every half-year dialog holds its first month as child 1111.
    auto opened = [&] {
        return (found = FindOtherVisibleWindow(pid, main, IDC_HALF_CALENDAR0)) != nullptr;
    };
    if (!WaitFor(opened))
        return -1;
    PaintNow(found);
    double taken = NowMs() - start;
    *dialog = found;
    return taken;
}

bool CloseDialog(HWND dialog)
{
    ::PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    return WaitFor([&] { return !::IsWindow(dialog); });
}
