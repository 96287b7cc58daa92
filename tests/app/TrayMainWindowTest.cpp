// The notification icon as the main window runs it: added at start-up in the
// state of the pink rule, switched by RefreshCycleState, its callback message
// (left and right button), the pop-up menu, and removal at the end.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>

#include "app/MainDialog.h"
#include "framework/Dc.h"
#include "framework/Gdi.h"
#include "ui/Drawing.h"
#include "res/resource.h"
#include "tests/app/MainWindowHost.h"
#include "tests/support/Sandbox.h"
#include "tests/app/TrayRecorder.h"

using namespace main_window_testing;
using tray_testing::ShellRecorder;

namespace {

constexpr UINT kGetMenuHandle = 0x01E1; // MN_GETHMENU

// The visible pop-up menu window of this thread, or null.
HWND FindPopupMenuWindow()
{
    HWND found = nullptr;
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND window, LPARAM data) -> BOOL {
            char name[16] = "";
            ::GetClassNameA(window, name, sizeof(name));
            if (::IsWindowVisible(window) && lstrcmpA(name, "#32768") == 0) {
                *reinterpret_cast<HWND*>(data) = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

// Acts on a pop-up menu from a timer while the menu's own loop runs. The
// action gets the menu window and the number of the tick (from 1); a menu
// still open after three seconds is closed.
class PopupMenuDriver {
public:
    explicit PopupMenuDriver(std::function<void(HWND, int)> action) : action_(std::move(action))
    {
        current_ = this;
        timer_ = ::SetTimer(nullptr, 0, 30, &PopupMenuDriver::Tick);
    }
    ~PopupMenuDriver()
    {
        ::KillTimer(nullptr, timer_);
        current_ = nullptr;
    }
    PopupMenuDriver(const PopupMenuDriver&) = delete;
    PopupMenuDriver& operator=(const PopupMenuDriver&) = delete;

    int Ticks() const { return ticks_; }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        PopupMenuDriver* self = current_;
        HWND menu = FindPopupMenuWindow();
        if (!self || !menu)
            return;
        ++self->ticks_;
        if (self->ticks_ > 100)
            ::EndMenu();
        else
            self->action_(menu, self->ticks_);
    }

    static inline PopupMenuDriver* current_ = nullptr;
    std::function<void(HWND, int)> action_;
    UINT_PTR timer_ = 0;
    int ticks_ = 0;
};

class TrayMainWindowTest : public MainWindowEnvironment {
protected:
    LRESULT Notify(UINT mouseMessage) { return main->SendMessage(WM_TRAYNOTIFY, 0, mouseMessage); }

    int ActivePage() { return main->Sheet().GetActiveIndex(); }
};

TEST_F(TrayMainWindowTest, StartsPinkWhenTodayIsCriticalAndSendsNothingForTheSameState)
{
    StoreSampleCycle(); // 2004-05-20 lies in a period
    ShellRecorder shell;
    CreateMain();
    ASSERT_TRUE(main->Tray().IsAdded());
    ASSERT_GE(shell.Calls().size(), 2u);
    const auto& added = shell.Calls()[0];
    EXPECT_EQ(added.message, static_cast<DWORD>(NIM_ADD));
    EXPECT_TRUE(added.result);
    EXPECT_EQ(added.record.hWnd, main->m_hWnd);
    EXPECT_STREQ(added.record.szTip, "Velindra");
    EXPECT_EQ(added.record.hIcon, main->GetTrayIcon(MainDialog::TrayNormal));
    EXPECT_EQ(shell.Calls()[1].message, static_cast<DWORD>(NIM_MODIFY));
    EXPECT_EQ(shell.Calls()[1].record.hIcon, main->GetTrayIcon(MainDialog::TrayPink));
    EXPECT_EQ(main->Tray().GetState(), TrayIcon::StateAlternate);
    EXPECT_EQ(main->GetTrayState(), MainDialog::TrayPink);

    size_t calls = shell.Calls().size();
    main->RefreshCycleState();
    EXPECT_EQ(shell.Calls().size(), calls);
    EXPECT_EQ(main->Tray().GetState(), TrayIcon::StateAlternate);
}

TEST_F(TrayMainWindowTest, TurnsPinkFromTheFirstRefreshOnACriticalDay)
{
    StoreSampleCycle();
    fw::PinClock(COleDateTime(2004, 5, 1, 12, 0, 0)); // between two periods
    ShellRecorder shell;
    CreateMain();
    EXPECT_EQ(main->Tray().GetState(), TrayIcon::StateNormal);
    EXPECT_EQ(shell.Count(NIM_ADD), 1);
    EXPECT_EQ(shell.Count(NIM_MODIFY), 0);

    fw::PinClock(COleDateTime(2004, 5, 19, 8, 0, 0)); // the first day of a period
    main->RefreshCycleState();
    EXPECT_EQ(main->Tray().GetState(), TrayIcon::StateAlternate);
    ASSERT_EQ(shell.Count(NIM_MODIFY), 1);
    EXPECT_EQ(shell.Calls().back().record.hIcon, main->GetTrayIcon(MainDialog::TrayPink));
    EXPECT_TRUE(shell.Calls().back().result);
}

TEST_F(TrayMainWindowTest, UntickingThePinkOptionTurnsTheIconNormal)
{
    StoreSampleCycle();
    ShellRecorder shell;
    CreateMain();
    ASSERT_EQ(main->Tray().GetState(), TrayIcon::StateAlternate);
    shell.Clear();

    WriteSettingDword(SettingCritRed, 0);
    main->RefreshCycleState();
    EXPECT_EQ(main->Tray().GetState(), TrayIcon::StateNormal);
    ASSERT_EQ(shell.Calls().size(), 1u);
    EXPECT_EQ(shell.Calls()[0].record.hIcon, main->GetTrayIcon(MainDialog::TrayNormal));

    WriteSettingDword(SettingCritRed, 1);
    main->RefreshCycleState();
    EXPECT_EQ(main->Tray().GetState(), TrayIcon::StateAlternate);
}

TEST_F(TrayMainWindowTest, LeftButtonOpensTheMonitorPageWhetherHiddenOrShown)
{
    CreateMain();
    ASSERT_FALSE(main->IsWindowVisible());
    EXPECT_EQ(Notify(WM_LBUTTONDOWN), 0);
    EXPECT_TRUE(main->IsWindowVisible());
    EXPECT_EQ(ActivePage(), MainDialog::PageMonitor);

    main->ShowMainWindow(MainDialog::PageOptions);
    ASSERT_EQ(ActivePage(), MainDialog::PageOptions);
    EXPECT_EQ(Notify(WM_LBUTTONDOWN), 0);
    EXPECT_EQ(ActivePage(), MainDialog::PageMonitor);
    EXPECT_EQ(main->Navigation().GetCurSel(), MainDialog::PageMonitor);
}

TEST_F(TrayMainWindowTest, OtherMouseMessagesAndTheRightButtonWhileShownAreIgnored)
{
    CreateMain();
    PopupMenuDriver driver([](HWND, int) { ::EndMenu(); });
    for (UINT message : {WM_LBUTTONUP, WM_RBUTTONUP, WM_LBUTTONDBLCLK, WM_RBUTTONDBLCLK,
                         WM_MOUSEMOVE, WM_MBUTTONDOWN})
        EXPECT_EQ(Notify(message), 0);
    PumpLikeTheProgram(100);
    EXPECT_FALSE(main->IsWindowVisible());

    main->ShowMainWindow(MainDialog::PageOptions);
    EXPECT_EQ(Notify(WM_RBUTTONDOWN), 0);
    PumpLikeTheProgram(100);
    EXPECT_EQ(driver.Ticks(), 0);
    EXPECT_EQ(ActivePage(), MainDialog::PageOptions);
}

// The menu is shown at the cursor with "Open..." as its default item and
// drawn by the icon menu; Scheduler chosen from the keyboard opens that page.
TEST_F(TrayMainWindowTest, RightButtonWhileHiddenShowsTheMenuAndItsCommandArrives)
{
    CreateMain();
    ASSERT_EQ(main->Menu().IsBuilt(), 1);
    HMENU popup = main->Menu().GetSubMenu(0);
    HMENU shown = nullptr;
    UINT defaultItem = UINT(-1);
    COLORREF gutter = CLR_INVALID;
    HWND mainWindow = main->m_hWnd;
    PopupMenuDriver driver([&](HWND menu, int tick) {
        if (tick == 1) {
            shown = reinterpret_cast<HMENU>(::SendMessageA(menu, kGetMenuHandle, 0, 0));
            defaultItem = ::GetMenuDefaultItem(popup, TRUE, 0);
            return;
        }
        if (tick != 3)
            return;
        ::UpdateWindow(menu);
        RECT item{};
        if (::GetMenuItemRect(menu, popup, 1, &item)) { // "Half-Year...": no picture
            POINT inside{item.left + 2, (item.top + item.bottom) / 2};
            ::ScreenToClient(menu, &inside);
            gutter = testing_support::ReadWindowPixel(menu, inside.x, inside.y);
        }
        // Open, Half-Year, (separator passed over), Scheduler; then Enter.
        for (int i = 0; i < 3; ++i)
            ::PostMessageA(mainWindow, WM_KEYDOWN, VK_DOWN, 1);
        ::PostMessageA(mainWindow, WM_CHAR, '\r', 1);
    });
    EXPECT_EQ(Notify(WM_RBUTTONDOWN), 0);
    PumpLikeTheProgram(100);

    EXPECT_GE(driver.Ticks(), 1);
    EXPECT_EQ(shown, popup);
    EXPECT_EQ(defaultItem, 0u);
    EXPECT_EQ(gutter, main->Menu().GetGutterColor());
    EXPECT_TRUE(main->IsWindowVisible());
    EXPECT_EQ(ActivePage(), MainDialog::PageScheduler);
    EXPECT_EQ(main->Navigation().GetCurSel(), MainDialog::PageScheduler);
}

// The width of the ink of a text drawn in black with the menu's font.
int InkWidth(const char* text, bool bold)
{
    LOGFONTA logFont{};
    GetDefaultGuiLogFont(&logFont);
    logFont.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    CFont font;
    font.CreateFontIndirect(&logFont);
    HWND desktop = ::GetDesktopWindow();
    HDC screen = ::GetDC(desktop);
    const RECT area{0, 0, 200, 30};
    CMemoryDC memory(screen, area.right, area.bottom);
    memory.FillSolidRect(area, RGB(255, 255, 255));
    {
        fw::SelectGuard guard(memory, font);
        ::SetBkMode(memory, TRANSPARENT);
        ::TextOutA(memory, 10, 5, text, lstrlenA(text));
    }
    int first = -1, last = -1;
    for (int x = 0; x < area.right; ++x)
        for (int y = 0; y < area.bottom; ++y)
            if (::GetPixel(memory, x, y) == RGB(0, 0, 0)) {
                first = first < 0 ? x : first;
                last = x;
            }
    ::ReleaseDC(desktop, screen);
    return last - first + 1;
}

TEST_F(TrayMainWindowTest, TheRealMenuDrawsOpenInBold)
{
    CreateMain();
    HMENU popup = main->Menu().GetSubMenu(0);
    std::pair<int, int> ink{-1, -1};
    PopupMenuDriver driver([&](HWND menu, int tick) {
        if (tick != 3)
            return;
        ::UpdateWindow(menu);
        RECT item{};
        if (::GetMenuItemRect(menu, popup, 0, &item)) {
            ::MapWindowPoints(nullptr, menu, reinterpret_cast<POINT*>(&item), 2);
            item.left += 24; // past the gutter with the picture
            ink = testing_support::ColumnsWithColour(menu, item, ::GetSysColor(COLOR_MENUTEXT));
        }
        ::EndMenu();
    });
    Notify(WM_RBUTTONDOWN);
    PumpLikeTheProgram(50);
    ASSERT_GE(ink.first, 0);
    const int width = ink.second - ink.first + 1;
    const int bold = InkWidth("Open...", true), normal = InkWidth("Open...", false);
    EXPECT_LT(std::abs(width - bold), std::abs(width - normal))
        << width << " wide; bold " << bold << ", normal " << normal;
}

TEST_F(TrayMainWindowTest, TheMenuIsBuiltWithTheOpenPicture)
{
    CreateMain();
    IconMenu& menu = main->Menu();
    ASSERT_EQ(menu.IsBuilt(), 1);
    EXPECT_EQ(menu.GetItemImage(ID_MENU_OPEN), 1);
    EXPECT_EQ(menu.GetItemImage(ID_MENU_HALFYEAR), 0);
    const IconMenuItem* top = menu.GetItemRecord(0);
    ASSERT_NE(top, nullptr);
    ASSERT_NE(top->submenu, nullptr);
    EXPECT_EQ(top->text, "-");
    const IconMenuItem* exit = top->submenu->GetItemRecord(9);
    ASSERT_NE(exit, nullptr);
    EXPECT_EQ(exit->text, "Exit");
}

TEST_F(TrayMainWindowTest, ALanguageChangeRebuildsTheMenuInTheNewLanguage)
{
    folder.Write("deutsch.lng", "[MenuID_134]\r\nID_32771=\"\326ffnen...\"\r\n"
                                "ID_32777=Beenden\r\n");
    CreateMain();
    HMENU oldMenu = main->Menu().GetSafeHmenu();
    WriteSettingText(SettingLang, "deutsch");
    main->ApplyLanguage(false);

    IconMenu& menu = main->Menu();
    EXPECT_FALSE(::IsMenu(oldMenu));
    ASSERT_EQ(menu.IsBuilt(), 1);
    const IconMenu* popup = menu.GetItemRecord(0)->submenu.get();
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->GetItemRecord(0)->text, "\326ffnen...");
    EXPECT_EQ(popup->GetItemRecord(1)->text, "Half-Year...");
    EXPECT_EQ(popup->GetItemRecord(9)->text, "Beenden");
    EXPECT_EQ(menu.GetItemImage(ID_MENU_OPEN), 1);
    // The built-in texts went to the English file.
    char text[64] = "";
    ::GetPrivateProfileStringA("MenuID_134", "ID_32777", "", text, sizeof(text),
                               folder.File("english.lng").c_str());
    EXPECT_STREQ(text, "Exit");
}

// The application destroys the window before the object; deleting the
// object alone destroys the window too. Either way the icon is removed while
// its window still exists, since the shell finds it by that window.
TEST_F(TrayMainWindowTest, TheIconIsRemovedWhenTheProgramEnds)
{
    ShellRecorder shell;
    CreateMain();
    HWND window = main->m_hWnd;
    main->DestroyWindow();
    main.reset();
    ASSERT_EQ(shell.Count(NIM_DELETE), 1);
    EXPECT_EQ(shell.Calls().back().record.hWnd, window);
    EXPECT_TRUE(shell.Calls().back().windowAlive);
    EXPECT_TRUE(shell.Calls().back().result);

    shell.Clear();
    CreateMain();
    main->OnCancel(); // the icon handles are destroyed while the icon is shown
    TakeQuitMessage();
    main.reset();
    ASSERT_EQ(shell.Count(NIM_DELETE), 1);
    EXPECT_TRUE(shell.Calls().back().windowAlive);
    EXPECT_TRUE(shell.Calls().back().result);
}

} // namespace
