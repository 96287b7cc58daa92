// The notification icon as the main window runs it: added at start-up in the
// state of today and the pink option, switched only on a change, put in when
// the shell comes up, removed while its window still exists; and its pop-up
// menu, looked at and worked on the real menu window.
#include <algorithm>
#include <cstddef>

#include "framework/Dc.h"
#include "framework/Gdi.h"
#include "tests/app/MainWindowFixture.h"

using namespace main_window_testing;

namespace {

// Every call a tray icon makes to the shell while the recorder lives, passed
// on to the real shell or, when it refuses, answered with a failure.
class ShellRecorder {
public:
    struct Call {
        DWORD message;
        NOTIFYICONDATAA record;
        BOOL result;
        bool windowAlive; // whether the record's window existed at the call
    };
    explicit ShellRecorder(bool refuse = false)
    {
        refuse_ = refuse;
        calls.clear();
        previous_ = SetShellNotifier([](DWORD message, NOTIFYICONDATAA* data) {
            const BOOL result = !refuse_ && ::Shell_NotifyIconA(message, data);
            calls.push_back({message, *data, result, ::IsWindow(data->hWnd) != FALSE});
            return result;
        });
    }
    ~ShellRecorder() { SetShellNotifier(previous_); }
    static int Count(DWORD message)
    {
        return static_cast<int>(std::count_if(calls.begin(), calls.end(),
                                              [&](const Call& c) { return c.message == message; }));
    }

    static inline std::vector<Call> calls;

private:
    static inline bool refuse_ = false;
    ShellNotifier previous_ = nullptr;
};

using TrayTest = MainWindowEnvironment;

TEST_F(TrayTest, StartsInTheStateOfTodayAndThePinkOption)
{
    const struct {
        int day;
        DWORD critRed;
        MainDialog::TrayState state;
    } table[] = {{20, 1, MainDialog::TrayPink},
                 {20, 0, MainDialog::TrayNormal},
                 {26, 1, MainDialog::TrayNormal}};
    StoreSampleCycle();
    for (const auto& row : table) {
        const std::string name =
            "May " + std::to_string(row.day) + ", CritRed " + std::to_string(row.critRed);
        WriteSettingDword(SettingCritRed, row.critRed);
        fw::PinClock(COleDateTime(2004, 5, row.day, 12, 0, 0));
        ShellRecorder shell;
        CreateMain();
        EXPECT_EQ(main->GetTrayState(), row.state) << name;
        ASSERT_FALSE(shell.calls.empty());
        const NOTIFYICONDATAA& added = shell.calls[0].record;
        EXPECT_TRUE(shell.calls[0].message == NIM_ADD && shell.calls[0].result) << name;
        // The record of the shell's first version, up to its 64-character tip.
        EXPECT_EQ(added.cbSize, offsetof(NOTIFYICONDATAA, szTip) + 64) << name;
        EXPECT_EQ(added.hWnd, main->m_hWnd) << name;
        EXPECT_STREQ(added.szTip, "Velindra") << name;
        EXPECT_EQ(added.hIcon, main->GetTrayIcon(MainDialog::TrayNormal)) << name;
        EXPECT_EQ(shell.Count(NIM_MODIFY), row.state == MainDialog::TrayPink ? 1 : 0) << name;
        EXPECT_EQ(shell.calls.back().record.hIcon, main->GetTrayIcon(row.state)) << name;
        EXPECT_EQ(ShownMonth(), 3) << name; // the month of the first day
        main.reset();
    }
}

// Started before the shell (Autoload), the icon goes in when the shell
// announces its notification area.
TEST_F(TrayTest, FollowsTheSettingsAndTheClockTellingTheShellOnlyOfAChange)
{
    StoreSampleCycle();
    fw::PinClock(COleDateTime(2004, 5, 1, 12, 0, 0)); // between two periods
    {
        ShellRecorder refusing(true);
        CreateMain();
    }
    ShellRecorder shell;
    main->SendMessage(::RegisterWindowMessageA("TaskbarCreated"));
    ASSERT_EQ(shell.Count(NIM_ADD), 1);
    EXPECT_TRUE(shell.calls[0].result);
    shell.calls.clear();
    fw::PinClock(COleDateTime(2004, 5, 19, 8, 0, 0)); // the first day of a period
    main->RefreshCycleState();
    EXPECT_EQ(main->GetTrayState(), MainDialog::TrayPink);
    EXPECT_EQ(ShownMonth(), 5);
    main->RefreshCycleState();
    ASSERT_EQ(shell.calls.size(), 1u);
    EXPECT_TRUE(shell.calls[0].message == NIM_MODIFY &&
                shell.calls[0].record.hIcon == main->GetTrayIcon(MainDialog::TrayPink));
    EXPECT_NE(main->GetTrayIcon(MainDialog::TrayPink), main->GetTrayIcon(MainDialog::TrayNormal));

    // A page reports a change through the link it finds above its sheet.
    WriteSettingDword(SettingCritRed, 0);
    MainWindowOf(main->Sheet().GetPage(MainDialog::PageOptions))->RefreshCycleState();
    EXPECT_EQ(main->GetTrayState(), MainDialog::TrayNormal);
    ASSERT_EQ(shell.calls.size(), 2u);
    EXPECT_EQ(shell.calls[1].record.hIcon, main->GetTrayIcon(MainDialog::TrayNormal));

    WriteSettingDword(SettingCritRed, 1);
    fw::PinClock(COleDateTime(2004, 6, 24, 9, 0, 0)); // in the period 06-23 to 06-27
    main->SendMessage(WM_TIMECHANGE);
    EXPECT_EQ(main->GetTrayState(), MainDialog::TrayPink);
    EXPECT_EQ(ShownMonth(), 6);
}

// The application destroys the window before the object, after Exit has
// destroyed the icon handles; deleting the object alone destroys the window
// too. Either way the icon goes while its window exists: the shell finds it by
// that window.
TEST_F(TrayTest, TheIconGoesWhileItsWindowStillExists)
{
    for (bool exit : {true, false}) {
        ShellRecorder shell;
        CreateMain();
        const HWND window = main->m_hWnd;
        if (exit) {
            main->SendMessage(WM_COMMAND, IDC_MAIN_EXIT);
            EXPECT_TRUE(TakeQuitMessage());
            main->DestroyWindow();
        }
        main.reset();
        ASSERT_EQ(shell.Count(NIM_DELETE), 1) << exit;
        EXPECT_EQ(shell.calls.back().record.hWnd, window) << exit;
        EXPECT_TRUE(shell.calls.back().windowAlive) << exit;
        EXPECT_TRUE(shell.calls.back().result) << exit;
    }
}

// The width of a text in the menu's normal font, which its ink never exceeds.
int NormalWidth(const char* text)
{
    LOGFONTA logFont{};
    GetDefaultGuiLogFont(&logFont);
    CFont font;
    font.CreateFontIndirect(&logFont);
    CMemoryDC memory(nullptr, 1, 1);
    fw::SelectGuard guard(memory, font);
    SIZE size{};
    ::GetTextExtentPoint32A(memory, text, lstrlenA(text), &size);
    return size.cx;
}

// The menu at the cursor, drawn by the icon menu with "Open..." as its
// default item in bold (Wine sends no ODS_DEFAULT; the rest of the drawing:
// the icon menu's own test), and a command chosen from the keyboard arrives;
// while the window is shown it does not open.
TEST_F(TrayTest, TheRightButtonOnTheIconOfTheHiddenWindowOpensTheMenu)
{
    CreateMain();
    const HMENU popup = main->Menu().GetSubMenu(0);
    const HWND window = main->m_hWnd;
    HMENU shown = nullptr;
    UINT defaultItem = UINT(-1);
    std::pair<int, int> ink{-1, -1};
    {
        ModalScript menu(kPopupMenu,
                         {[&](HWND m) {
                              shown = reinterpret_cast<HMENU>(::SendMessageA(m, 0x01E1, 0, 0));
                              defaultItem = ::GetMenuDefaultItem(popup, TRUE, 0);
                          },
                          [](HWND m) { ::UpdateWindow(m); },
                          [&](HWND m) {
                              RECT item{};
                              ::GetMenuItemRect(m, popup, 0, &item);
                              ::MapWindowPoints(nullptr, m, reinterpret_cast<POINT*>(&item), 2);
                              item.left += 24; // past the gutter with the picture
                              ink = testing_support::ColumnsWithColour(
                                  m, item, ::GetSysColor(COLOR_MENUTEXT));
                              // Open, Half-Year, (separator passed over), Scheduler; Enter.
                              for (int i = 0; i < 3; ++i)
                                  ::PostMessageA(window, WM_KEYDOWN, VK_DOWN, 1);
                              ::PostMessageA(window, WM_CHAR, '\r', 1);
                          }});
        main->SendMessage(WM_TRAYNOTIFY, 0, WM_RBUTTONDOWN);
        PumpLikeTheProgram(100);
        EXPECT_EQ(menu.Seen(), 1);
    }
    EXPECT_EQ(shown, popup);
    EXPECT_EQ(defaultItem, 0u);
    ASSERT_GE(ink.first, 0);
    const int width = ink.second - ink.first + 1;
    EXPECT_GT(width, NormalWidth("Open...")) << width << " wide: not bold";
    EXPECT_TRUE(main->IsWindowVisible());
    EXPECT_EQ(main->Sheet().GetActiveIndex(), MainDialog::PageScheduler);

    ModalScript never(kPopupMenu, {});
    main->SendMessage(WM_TRAYNOTIFY, 0, WM_RBUTTONDOWN);
    PumpLikeTheProgram(100);
    EXPECT_EQ(never.Seen(), 0);
}

} // namespace
