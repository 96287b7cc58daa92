// The visual style of Windows in use by the built program: with the theme on,
// its push buttons are drawn by the theme. The running program's button is
// compared with the same button of the same dialog template made by this
// process (which asks for the same common controls), once drawn by the
// theme and once with the theme taken away (SetWindowTheme naming no class
// of the theme; Wine keeps those names per process, so it cannot be done to
// the program's own window).
#include "tests/blackbox/Program.h"

#include <uxtheme.h>

#include <vector>

namespace blackbox {
namespace {

const char kThemes[] = "Software\\Microsoft\\Windows\\CurrentVersion\\ThemeManager";

// The theme switched on in the prefix for one test, as it was afterwards.
struct ThemeOn {
    ThemeOn()
        : had(::RegGetValueA(HKEY_CURRENT_USER, kThemes, "ThemeActive", RRF_RT_REG_SZ, nullptr,
                             previous, &size) == ERROR_SUCCESS)
    {
        Set("1");
    }
    ~ThemeOn() { Set(had ? previous : "1"); }
    static void Set(const char* value)
    {
        ::RegSetKeyValueA(HKEY_CURRENT_USER, kThemes, "ThemeActive", REG_SZ, value,
                          static_cast<DWORD>(lstrlenA(value) + 1));
    }
    char previous[8] = "1";
    DWORD size = sizeof(previous);
    const bool had;
};

// The pixels once its process (the program's, or this one's) has drawn the
// window again.
std::vector<COLORREF> Redrawn(HWND window)
{
    ::RedrawWindow(window, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
    Settle(window);
    for (const DWORD start = ::GetTickCount(); ::GetTickCount() - start < 300; ::Sleep(10)) {
        MSG message; // the screen follows the window's surface meanwhile
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageW(&message);
    }
    RECT place{}; // as the screen shows it (the window may be the program's)
    ::GetWindowRect(window, &place);
    return testing_support::ReadWindowPixels(nullptr, place);
}

int Unlike(const std::vector<COLORREF>& a, const std::vector<COLORREF>& b)
{
    int count = 0;
    for (size_t i = 0; i < a.size() && i < b.size(); ++i)
        count += a[i] != b[i];
    return count +
           static_cast<int>(a.size() > b.size() ? a.size() - b.size() : b.size() - a.size());
}

using ThemeTest = BlackBoxTest;

// The first run's offer of the wizard: its OK button; this process's copy
// of the offer stands where it covers nothing of the program's.
TEST_F(ThemeTest, ThePushButtonsAreDrawnByTheVisualStyle)
{
    ThemeOn theme;
    ProgramFolder folder;
    ASSERT_TRUE(folder.ready);
    Program program(folder);
    HWND offer = program.WaitFor(Holding(IDC_FIRST_LAUNCH_WIZARD));
    ASSERT_NE(offer, nullptr);
    const std::vector<COLORREF> shown = Redrawn(::GetDlgItem(offer, IDC_FIRST_OK));

    HWND copy = ::CreateDialogParamW(
        ::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_FIRST_LAUNCH), nullptr,
        [](HWND, UINT message, WPARAM, LPARAM) -> INT_PTR { return message == WM_INITDIALOG; }, 0);
    ASSERT_NE(copy, nullptr);
    ::SetWindowPos(copy, HWND_TOP, 1280 - 420, 0, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    HWND button = ::GetDlgItem(copy, IDC_FIRST_OK);
    const std::vector<COLORREF> themed = Redrawn(button);
    ASSERT_EQ(::SetWindowTheme(button, L" ", L" "), S_OK);
    const std::vector<COLORREF> classic = Redrawn(button);
    ::DestroyWindow(copy);
    EXPECT_GT(Unlike(themed, classic), static_cast<int>(themed.size()) / 20)
        << "the theme changes nothing here";
    EXPECT_EQ(Unlike(shown, themed), 0) << Unlike(shown, classic) << " unlike the classic look";
    ::PostMessageA(offer, WM_COMMAND, IDCANCEL, 0);
}

} // namespace
} // namespace blackbox
