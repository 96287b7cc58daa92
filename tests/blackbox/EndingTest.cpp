// How the program ends, seen from outside: asked to close (as an installer
// or End task asks, WM_CLOSE to its main window), it ends whichever of its
// windows is open; and a first start that ends before its question is
// answered (closed, or killed) asks again at the next start, until the
// question has been answered.
#include "tests/blackbox/Program.h"

#include <commctrl.h>

namespace blackbox {
namespace {

using EndingTest = BlackBoxTest;

// WM_CLOSE as an installer sends it: it waits up to two seconds for the answer.
void AskToClose(HWND main)
{
    DWORD_PTR ignored = 0;
    ::SendMessageTimeoutA(main, WM_CLOSE, 0, 0, SMTO_NORMAL, 2000, &ignored);
}

TEST_F(EndingTest, AskedToCloseItEndsWithAnyOfItsWindowsOpen)
{
    const struct {
        const char* window;
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        Match match;
    } table[] = {
        {"half-year calendar", WM_COMMAND, ID_MENU_HALFYEAR, 0, Holding(IDC_HALF_PREVIOUS)},
        {"wizard", WM_COMMAND, IDC_MAIN_WIZARD, 0, Holding(0x3024)},
        {"help window on hiding", WM_COMMAND, IDC_MAIN_HIDE, 0, Holding(IDC_QLH_HIDE_MESSAGE)},
        {"help", WM_COMMAND, IDC_MAIN_HELP, 0, OfClass("HH Parent")},
        {"icon's menu", WM_TRAYNOTIFY, 0, WM_RBUTTONDOWN, OfClass("#32768")},
    };
    ProgramFolder folder;
    for (const auto& row : table) {
        TestSettings().WriteDword(SettingVisibled, row.message == WM_TRAYNOTIFY ? 0 : 1);
        TestSettings().WriteDword(SettingHideMessage, 0);
        Program program(folder);
        HWND main = program.Main();
        ASSERT_NE(main, nullptr) << row.window;
        ::PostMessageA(main, row.message, row.wParam, row.lParam);
        EXPECT_NE(program.WaitFor(row.match), nullptr) << row.window;
        AskToClose(main);
        EXPECT_TRUE(program.EndsCleanly()) << row.window;
    }
}

TEST_F(EndingTest, AFirstStartAsksUntilItsQuestionIsAnswered)
{
    ProgramFolder folder;
    const char* before = "none";
    for (const char* end : {"closed", "killed", "answered"}) {
        Program program(folder);
        HWND question = program.WaitFor(Holding(IDC_FIRST_LAUNCH_WIZARD));
        ASSERT_NE(question, nullptr) << "after a first start " << before;
        before = end;
        HWND main = program.Main();
        if (end[0] == 'c') {
            AskToClose(main);
            EXPECT_TRUE(program.EndsCleanly());
        } else if (end[0] == 'k') {
            program.Kill();
        } else {
            ::SendMessageA(::GetDlgItem(question, IDC_FIRST_NO_THANKS), BM_CLICK, 0, 0);
            ::PostMessageA(::GetDlgItem(question, IDC_FIRST_OK), BM_CLICK, 0, 0);
            EXPECT_TRUE(WaitUntil([&] { return ::IsWindowVisible(main) != FALSE; }));
            AskToClose(main);
            EXPECT_TRUE(program.EndsCleanly());
        }
    }
    Program program(folder);
    HWND main = program.Main();
    EXPECT_TRUE(WaitUntil([&] { return ::IsWindowVisible(main) != FALSE; }));
    EXPECT_TRUE(program.Windows(Holding(IDC_FIRST_LAUNCH_WIZARD), false).empty());
}

} // namespace
} // namespace blackbox
