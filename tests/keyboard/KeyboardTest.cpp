// Every part of the windows reached and worked with the keyboard alone,
// through real key messages and the program's own message loop. These tests
// run alone: another process's window could take the focus.
#include "calendar/HalfYearDialog.h"
#include "tests/app/MainWindowFixture.h"
#include "ui/LinkStatic.h"

using namespace main_window_testing;

namespace {

std::vector<std::string>& Opened()
{
    static std::vector<std::string> opened;
    return opened;
}

class KeyboardTest : public MainWindowEnvironment {
protected:
    KeyboardTest()
        : previousOpener_(SetShellOpener([](HWND, const char* t) { Opened().push_back(t); }))
    {
        Opened().clear();
    }
    ~KeyboardTest() override { SetShellOpener(previousOpener_); }

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

private:
    ShellOpener previousOpener_;
};

// The links show their focus and open on Enter and Space.
TEST_F(KeyboardTest, TabGoesFromTheListIntoThePageAndThenToTheButtons)
{
    Show(MainDialog::PageAbout);
    HWND web = ::GetDlgItem(main->About().m_hWnd, IDC_ABOUT_WEB);
    const RECT area{0, 0, 60, 12};
    const std::vector<COLORREF> unfocused = testing_support::ReadWindowPixels(web, area);
    std::vector<int> order;
    for (WPARAM key : {VK_TAB, VK_RETURN, VK_TAB, VK_SPACE, VK_TAB, VK_TAB, VK_TAB, VK_TAB,
                       VK_TAB, VK_TAB}) {
        if (key == VK_TAB)
            order.push_back(::GetDlgCtrlID(::GetFocus()));
        Press(key);
        if (order.size() == 1 && key == VK_TAB)
            EXPECT_TRUE(ShowsFocus(web, area, unfocused));
    }
    order.push_back(::GetDlgCtrlID(::GetFocus()));
    const std::vector<int> expected{IDC_MAIN_NAVIGATION, IDC_ABOUT_WEB,   IDC_ABOUT_MAIL,
                                    IDC_ABOUT_DOWNLOAD,  IDC_MAIN_WIZARD, IDC_MAIN_HIDE,
                                    IDC_MAIN_EXIT,       IDC_MAIN_HELP,   IDC_MAIN_NAVIGATION};
    EXPECT_EQ(order, expected);
    EXPECT_EQ(Opened(), (std::vector<std::string>{"http://www.orrowby.example/",
                                                  "mailto:support@orrowby.example"}));
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

TEST_F(KeyboardTest, TheHalfYearCalendarsStepTogetherByHalfYears)
{
    Show(MainDialog::PageMonitor);
    std::vector<int> firstMonths;
    ModalScript script(IDC_HALF_PREVIOUS, {[&](HWND dialog) {
                           HalfYearDialog* halfYear = HalfYearDialog::OpenDialog();
                           ::SetFocus(::GetDlgItem(dialog, IDC_HALF_CALENDAR0 + 3));
                           for (WPARAM key : {VK_NEXT, VK_DOWN, VK_PRIOR}) {
                               Press(key);
                               const COleDateTime first = halfYear->Calendar(0).GetShownDate();
                               firstMonths.push_back(first.GetMonth() + 12 * first.GetYear());
                           }
                           ::PostMessageA(dialog, WM_COMMAND, IDC_HALF_CLOSE, 0);
                       }});
    main->SendMessage(WM_COMMAND, ID_MENU_HALFYEAR);
    // The pinned today is in May 2004: January to June, then two half-years on and one back.
    EXPECT_EQ(firstMonths, (std::vector<int>{7 + 12 * 2004, 1 + 12 * 2005, 7 + 12 * 2004}));
}

} // namespace
