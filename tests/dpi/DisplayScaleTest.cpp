// The windows at 150 and 200 % display scale (144 and 192 dpi), each with the
// visual style of the system on and off (the classic look). A process takes
// the prefix's dpi (LogPixels under HKCU\Control Panel\Desktop) and whether a
// theme is active (ThemeActive under its ThemeManager key) when it starts,
// so a test sets those values, starts this test program again for the tests
// that look at the windows, waits for it and puts the values back; every
// test of this program runs alone (RUN_SERIAL). The process at the scale
// opens every window of the program in every shipped language, with the
// texts the program builds at their longest, and measures the month
// calendar's cells. At 96 dpi with the theme on, the other suites look at
// every window.
#include <gtest/gtest.h>

#include <windows.h>

#include <uxtheme.h>

#include <algorithm>
#include <string>
#include <utility>

#include "framework/Dpi.h"
#include "framework/Handle.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/app/BuiltTexts.h"
#include "tests/app/WindowTour.h"
#include "tests/support/LanguageText.h"

using namespace main_window_testing;

namespace {

constexpr char kDpiVariable[] = "VELINDRA_TEST_DPI";
constexpr char kThemeVariable[] = "VELINDRA_TEST_THEME";

// The number this process was started with in the variable (the dpi, whether
// the visual style is on); `otherwise` in an ordinary run.
int Requested(const char* variable, int otherwise)
{
    const char* value = std::getenv(variable);
    return value ? std::atoi(value) : otherwise;
}

// Runs the tests of this program that match the filter in a new process
// started at the dpi, with the theme on or off; its exit code, or -1 when it
// did not run or end within 280 seconds. The prefix's values are put back
// in any case.
int RunAt(int dpi, bool theme, const std::string& filter)
{
    // The prefix's own settings, not this process's registry sandbox.
    ::RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    const char* desktop = "Control Panel\\Desktop";
    const char* themes = "Software\\Microsoft\\Windows\\CurrentVersion\\ThemeManager";
    auto set = [&](DWORD value) {
        return ::RegSetKeyValueA(HKEY_CURRENT_USER, desktop, "LogPixels", REG_DWORD, &value,
                                 sizeof(value)) == ERROR_SUCCESS;
    };
    auto setTheme = [&](const char* value) {
        return ::RegSetKeyValueA(HKEY_CURRENT_USER, themes, "ThemeActive", REG_SZ, value,
                                 static_cast<DWORD>(strlen(value) + 1)) == ERROR_SUCCESS;
    };
    DWORD previous = 96, size = sizeof(previous); // none is 96
    ::RegGetValueA(HKEY_CURRENT_USER, desktop, "LogPixels", RRF_RT_REG_DWORD, nullptr, &previous,
                   &size);
    char previousTheme[8] = "1";
    DWORD themeSize = sizeof(previousTheme);
    ::RegGetValueA(HKEY_CURRENT_USER, themes, "ThemeActive", RRF_RT_REG_SZ, nullptr, previousTheme,
                   &themeSize);
    if (!set(static_cast<DWORD>(dpi)) || !setTheme(theme ? "1" : "0"))
        return -1;
    ::SetEnvironmentVariableA(kDpiVariable, std::to_string(dpi).c_str());
    ::SetEnvironmentVariableA(kThemeVariable, theme ? "1" : "0");
    char self[MAX_PATH] = {};
    std::string command = "\"" + std::string(self, ::GetModuleFileNameA(nullptr, self, MAX_PATH)) +
                          "\" --gtest_filter=" + filter;
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    DWORD code = DWORD(-1);
    if (::CreateProcessA(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                         &startup, &process)) {
        const fw::KernelHandle running(process.hProcess), thread(process.hThread);
        if (::WaitForSingleObject(running.Get(), 280000) != WAIT_OBJECT_0)
            ::TerminateProcess(running.Get(), code); // and so it fails
        ::GetExitCodeProcess(running.Get(), &code);
    }
    ::SetEnvironmentVariableA(kDpiVariable, nullptr);
    ::SetEnvironmentVariableA(kThemeVariable, nullptr);
    set(previous);
    setTheme(previousTheme);
    return static_cast<int>(code);
}

// Each scale with the theme on and off, but 96 dpi themed (the other suites);
// each in a test of its own, so that each has the whole time of a test.
class DisplayScaleTest : public ::testing::TestWithParam<std::pair<int, bool>> {};

TEST_P(DisplayScaleTest, WindowsHoldTheirLayoutThemedAndClassic)
{
    if (Requested(kDpiVariable, 0) != 0)
        GTEST_SKIP() << "the run at another scale itself";
    const auto [dpi, theme] = GetParam();
    EXPECT_EQ(0, RunAt(dpi, theme, "AtDpi.*")) << dpi << (theme ? " themed" : "");
}

INSTANTIATE_TEST_SUITE_P(Scales, DisplayScaleTest,
                         ::testing::Values(std::pair{96, false}, std::pair{144, false},
                                           std::pair{144, true}, std::pair{192, false},
                                           std::pair{192, true}),
                         [](const ::testing::TestParamInfo<std::pair<int, bool>>& info) {
                             return std::to_string(info.param.first) +
                                    (info.param.second ? "Themed" : "Classic");
                         });

// The tests of the process started at another scale.
class AtDpi : public MainWindowEnvironment {
protected:
    void SetUp() override
    {
        if (Requested(kDpiVariable, 0) == 0)
            GTEST_SKIP() << "runs in a process started at another scale";
        CreateMain();
    }
};

// Every window has the scale and keeps its controls inside, apart and
// readable, in English and in every translation that ships, with every text
// the program builds at its longest. Today's ring in the calendar (20 May
// 2004, row 3, column 4) frames exactly one cell: its size is the cell's, and
// its place is 3 rows and 4 columns into the grid.
TEST_F(AtDpi, EveryWindowKeepsItsLayoutInEveryLanguageAndTheCalendarsCellsTheirProportions)
{
    EXPECT_TRUE(fw::SystemDpi() == Requested(kDpiVariable, 0) &&
                fw::WindowDpi(main->m_hWnd) == Requested(kDpiVariable, 0));
    EXPECT_EQ(::IsThemeActive() != FALSE, (Requested(kThemeVariable, 1) != 0));
    main->ShowMainWindow(MainDialog::PageMonitor);
    PumpLikeTheProgram();
    MonthCalendarCtrl& calendar = main->Monitor().Calendar();
    const fw::Dpi dpi(calendar.GetDpi());
    ASSERT_GE(dpi.Value(), fw::kDefaultDpi);
    const RECT client = calendar.GetClientRect();
    EXPECT_TRUE(client.right == dpi(MonthCalendarCtrl::kWidth) &&
                client.bottom == dpi(MonthCalendarCtrl::kHeight));

    const RECT grid{dpi(2), dpi(42), client.right - dpi(2), client.bottom - dpi(2)};
    const std::vector<COLORREF> pixels = testing_support::ReadWindowPixels(calendar.m_hWnd, grid);
    // The ring's first pixel, row by row, is its top left, its last its bottom right.
    const int width = grid.right - grid.left;
    const COLORREF highlight = ::GetSysColor(COLOR_HIGHLIGHT);
    const int first = std::find(pixels.begin(), pixels.end(), highlight) - pixels.begin();
    const int last = pixels.rend() - std::find(pixels.rbegin(), pixels.rend(), highlight) - 1;
    const RECT ring{grid.left + first % width, grid.top + first / width,
                    grid.left + last % width + 1, grid.top + last / width + 1};
    const int cellWidth = width / 7, cellHeight = (grid.bottom - grid.top) / 6;
    EXPECT_NEAR(29.0 / 19.0, static_cast<double>(cellWidth) / cellHeight, 0.08);
    const RECT cell{grid.left + 4 * cellWidth, grid.top + 3 * cellHeight, grid.left + 5 * cellWidth,
                    grid.top + 4 * cellHeight};
    EXPECT_TRUE(::EqualRect(&ring, &cell))
        << ring.left << "," << ring.top << " to " << ring.right << "," << ring.bottom;

    for (const std::string language :
         {"", "german", "french", "spanish", "italian", "russian", "polish", "turkish",
          "portuguese-brazil", "japanese", "chinese-simplified"}) {
        if (!language.empty()) { // the built-in English first
            ASSERT_TRUE(folder.Write(language + ".lng",
                                     testing_support::ShippedLanguageText(language + ".lng")));
            store.WriteText(SettingLang, language);
            CreateMain();
        }
        std::vector<std::string> built;
        EXPECT_EQ(TourFaults(*main, false, BuiltTextCheck(texts, built)) + Lines(built), "")
            << language;
    }
}

} // namespace
