// The parts of the main window reached and worked with the keyboard alone,
// through real key messages and the program's own message loop (the keys
// inside a link and the half-year calendar: their own tests). These tests
// run alone: another process's window could take the focus.
#include "tests/app/MainWindowFixture.h"

using namespace main_window_testing;

namespace {

class KeyboardTest : public MainWindowEnvironment {
protected:
    void Show(int page)
    {
        CreateMain();
        main->ShowMainWindow(page);
        ::SetForegroundWindow(main->m_hWnd);
        PumpLikeTheProgram();
        ::SetFocus(main->Navigation().m_hWnd);
    }
    // A key pressed and released on the window with the focus.
    static void Press(WPARAM key) { PressKey(::GetFocus(), key); }
    // Whether a control looks otherwise once it has the focus.
    static bool ShowsFocus(HWND control, const RECT& area, const std::vector<COLORREF>& before)
    {
        ::UpdateWindow(control);
        return ::GetFocus() == control &&
               testing_support::ReadWindowPixels(control, area) != before;
    }
};

// The first link shows its focus. (What the links open on Enter and Space:
// the link control's own test.)
TEST_F(KeyboardTest, TabGoesFromTheListIntoThePageAndThenToTheButtons)
{
    Show(MainDialog::PageAbout);
    HWND web = ::GetDlgItem(main->About().m_hWnd, IDC_ABOUT_WEB);
    const RECT area{0, 0, 60, 12};
    const std::vector<COLORREF> unfocused = testing_support::ReadWindowPixels(web, area);
    std::vector<int> order;
    for (int i = 0; i < 9; ++i) {
        order.push_back(::GetDlgCtrlID(::GetFocus()));
        Press(VK_TAB);
        if (i == 0) {
            EXPECT_TRUE(ShowsFocus(web, area, unfocused));
        }
    }
    const std::vector<int> expected{IDC_MAIN_NAVIGATION, IDC_ABOUT_WEB,   IDC_ABOUT_MAIL,
                                    IDC_ABOUT_DOWNLOAD,  IDC_MAIN_WIZARD, IDC_MAIN_HIDE,
                                    IDC_MAIN_EXIT,       IDC_MAIN_HELP,   IDC_MAIN_NAVIGATION};
    EXPECT_EQ(order, expected);
}

TEST_F(KeyboardTest, TheMonitorCalendarIsATabStopThatStepsMonthsWithItsKeys)
{
    Show(MainDialog::PageMonitor);
    HWND calendar = main->Monitor().Calendar().m_hWnd;
    const RECT band{40, 4, 160, 20};
    const std::vector<COLORREF> unfocused = testing_support::ReadWindowPixels(calendar, band);
    Press(VK_TAB);
    EXPECT_TRUE(ShowsFocus(calendar, band, unfocused));
    const int start = ShownMonth();
    const std::pair<WPARAM, int> keys[] = {{VK_NEXT, 1},  {VK_RIGHT, 2}, {VK_DOWN, 3},
                                           {VK_PRIOR, 2}, {VK_LEFT, 1},  {VK_UP, 0}};
    for (const auto& [key, steps] : keys) {
        Press(key);
        EXPECT_EQ(ShownMonth(), (start - 1 + steps) % 12 + 1) << key;
    }
}

} // namespace
