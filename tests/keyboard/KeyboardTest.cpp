// Every part of the windows reached and worked with the keyboard alone,
// through real key messages and the program's own message loop. These tests
// run alone: another process's window could take the focus.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calendar/HalfYearDialog.h"
#include "res/resource.h"
#include "tests/app/MainWindowHost.h"
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
    {
        previousOpener_ = SetShellOpener([](HWND, const char* t) { Opened().push_back(t); });
    }
    ~KeyboardTest() override { SetShellOpener(previousOpener_); }

    void Show(int page)
    {
        CreateMain();
        main->ShowMainWindow(page);
        ::SetForegroundWindow(main->m_hWnd);
        PumpLikeTheProgram();
    }
    // A key pressed and released on the window with the focus.
    static void Press(WPARAM key)
    {
        HWND focus = ::GetFocus();
        ::PostMessageA(focus, WM_KEYDOWN, key, 1);
        ::PostMessageA(focus, WM_KEYUP, key, 0xC0000001);
        PumpLikeTheProgram();
    }
    static int FocusId() { return ::GetDlgCtrlID(::GetFocus()); }
    int ShownMonth() { return main->Monitor().Calendar().GetShownDate().GetMonth(); }

private:
    ShellOpener previousOpener_ = nullptr;
};

TEST_F(KeyboardTest, TabGoesFromTheListIntoThePageAndThenToTheButtons)
{
    Show(MainDialog::PageAbout);
    ::SetFocus(main->Navigation().m_hWnd);
    std::vector<int> order;
    for (int i = 0; i < 9; ++i) {
        order.push_back(FocusId());
        Press(VK_TAB);
    }
    const std::vector<int> expected{IDC_MAIN_NAVIGATION, IDC_ABOUT_WEB,   IDC_ABOUT_MAIL,
                                    IDC_ABOUT_DOWNLOAD,  IDC_MAIN_WIZARD, IDC_MAIN_HIDE,
                                    IDC_MAIN_EXIT,       IDC_MAIN_HELP,   IDC_MAIN_NAVIGATION};
    EXPECT_EQ(order, expected);
}

TEST_F(KeyboardTest, TheLinksOpenOnEnterAndSpaceAndShowTheirFocus)
{
    Show(MainDialog::PageAbout);
    HWND web = ::GetDlgItem(main->About().m_hWnd, IDC_ABOUT_WEB);
    const RECT area{0, 0, 60, 12};
    const std::vector<COLORREF> unfocused = testing_support::ReadWindowPixels(web, area);
    ::SetFocus(main->Navigation().m_hWnd);
    Press(VK_TAB);
    ASSERT_EQ(::GetFocus(), web);
    ::UpdateWindow(web);
    EXPECT_NE(testing_support::ReadWindowPixels(web, area), unfocused);
    Opened().clear();
    Press(VK_RETURN);
    Press(VK_TAB);
    Press(VK_SPACE);
    EXPECT_EQ(Opened(), (std::vector<std::string>{"http://www.orrowby.example/",
                                                  "mailto:support@orrowby.example"}));
}

TEST_F(KeyboardTest, TheMonitorCalendarIsATabStopThatStepsMonthsWithItsKeys)
{
    Show(MainDialog::PageMonitor);
    HWND calendar = main->Monitor().Calendar().m_hWnd;
    const RECT band{40, 4, 160, 20};
    const std::vector<COLORREF> unfocused = testing_support::ReadWindowPixels(calendar, band);
    ::SetFocus(main->Navigation().m_hWnd);
    Press(VK_TAB);
    ASSERT_EQ(::GetFocus(), calendar);
    ::UpdateWindow(calendar);
    EXPECT_NE(testing_support::ReadWindowPixels(calendar, band), unfocused) << "no focus shown";
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
    DialogDriver driver(IDC_HALF_PREVIOUS, [&](HWND dialog) {
        HalfYearDialog* halfYear = HalfYearDialog::OpenDialog();
        ::SetFocus(::GetDlgItem(dialog, IDC_HALF_CALENDAR0 + 3));
        for (WPARAM key : {VK_NEXT, VK_DOWN, VK_PRIOR}) {
            Press(key);
            firstMonths.push_back(halfYear->Calendar(0).GetShownDate().GetMonth() +
                                  12 * halfYear->Calendar(5).GetShownDate().GetYear());
        }
        ::PostMessageA(dialog, WM_COMMAND, IDC_HALF_CLOSE, 0);
    });
    main->SendMessage(WM_COMMAND, ID_MENU_HALFYEAR);
    // The pinned today is in May 2004: January to June, then two half-years on and one back.
    EXPECT_EQ(firstMonths, (std::vector<int>{7 + 12 * 2004, 1 + 12 * 2005, 7 + 12 * 2004}));
}

} // namespace
