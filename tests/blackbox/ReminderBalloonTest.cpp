// The reminder as the shell shows it: with the option on and critical days two
// days away, the notification icon's balloon carries the reminder; the next
// run on the same day shows none, since that period was announced.
#include "tests/blackbox/Program.h"

#include <commctrl.h>

#include "framework/TextCodec.h"

namespace blackbox {
namespace {

// The text of a balloon the shell shows (a tool tip with the balloon style of
// any process), or empty.
std::wstring ShownBalloon()
{
    for (HWND w = ::GetTopWindow(nullptr); w; w = ::GetWindow(w, GW_HWNDNEXT))
        if (::IsWindowVisible(w) && OfClass(TOOLTIPS_CLASSA)(w) &&
            (::GetWindowLongW(w, GWL_STYLE) & TTS_BALLOON) && !TextOf(w).empty())
            return TextOf(w);
    return std::wstring();
}

using ReminderBalloonTest = BlackBoxTest;

TEST_F(ReminderBalloonTest, TheShellShowsTheReminderOnceForAPeriod)
{
    SYSTEMTIME today{};
    ::GetLocalTime(&today);
    const COleDateTime periodStart =
        COleDateTime(today.wYear, today.wMonth, today.wDay, 0, 0, 0) + COleDateTimeSpan(2, 0, 0, 0);
    ASSERT_TRUE(TestSettings().WriteStartDate(periodStart));
    for (const auto& [setting, value] : {std::pair{SettingCritDayCount, 5},
                                         {SettingClearDayCount, 23},
                                         {SettingVisibled, 0},
                                         {SettingHideMessage, 1},
                                         {SettingRemind, 1},
                                         {SettingRemindDays, 2}})
        TestSettings().WriteDword(setting, static_cast<DWORD>(value));
    ProgramFolder folder;
    for (const bool first : {true, false}) {
        Program program(folder);
        HWND main = program.Main();
        ASSERT_NE(main, nullptr);
        std::wstring balloon;
        const bool shown = WaitUntil([&] { return !(balloon = ShownBalloon()).empty(); },
                                     first ? kPatience : 5000);
        EXPECT_EQ(shown, first);
        if (first) {
            EXPECT_EQ(balloon.rfind(L"Critical days begin in 2 days, on ", 0), 0u)
                << fw::Utf8(balloon);
        }
        ::PostMessageA(main, WM_CLOSE, 0, 0);
        EXPECT_TRUE(program.EndsCleanly());
    }
}

} // namespace
} // namespace blackbox
