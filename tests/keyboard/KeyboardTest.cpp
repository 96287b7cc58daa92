// The parts of the main window reached and worked with the keyboard alone,
// through real key messages and the program's own message loop (the keys
// inside a link and the half-year calendar: their own tests). These tests
// run alone: another process's window could take the focus.
#include "tests/app/MainWindowFixture.h"

using namespace main_window_testing;

namespace {

using KeyboardTest = MainWindowEnvironment;

// On the About page Tab goes from the list into the page and then to the
// buttons, the first link showing its focus (what the links open on Enter and
// Space: the link control's own test). On the Monitor page the calendar is a
// tab stop whose keys move its focused day and step months, and that takes
// the focus on a click (how it shows its focus: the calendar's own test).
TEST_F(KeyboardTest, TabGoesFromTheListIntoThePageAndTheMonitorCalendarStepsMonths)
{
    auto press = [](WPARAM key) { PressKey(::GetFocus(), key); }; // on the focus
    CreateMain();
    main->ShowMainWindow(MainDialog::PageAbout);
    ::SetForegroundWindow(main->m_hWnd);
    PumpLikeTheProgram();
    ::SetFocus(main->Navigation().m_hWnd); // from the page's first link
    PumpLikeTheProgram();
    HWND web = ::GetDlgItem(main->About().m_hWnd, IDC_ABOUT_WEB);
    const RECT area{0, 0, 60, 12};
    const std::vector<COLORREF> unfocused = testing_support::ReadWindowPixels(web, area);
    std::vector<int> order;
    for (int i = 0; i < 9; ++i) {
        order.push_back(::GetDlgCtrlID(::GetFocus()));
        press(VK_TAB);
        if (i == 0) {
            ::UpdateWindow(web);
            EXPECT_NE(testing_support::ReadWindowPixels(web, area), unfocused) << "no focus shown";
        }
    }
    EXPECT_EQ(order, (std::vector<int>{IDC_MAIN_NAVIGATION, IDC_ABOUT_WEB, IDC_ABOUT_MAIL,
                                       IDC_ABOUT_DOWNLOAD, IDC_MAIN_WIZARD, IDC_MAIN_HIDE,
                                       IDC_MAIN_EXIT, IDC_MAIN_HELP, IDC_MAIN_NAVIGATION}));

    main->ShowMainWindow(MainDialog::PageMonitor);
    PumpLikeTheProgram();
    ::SetFocus(main->Navigation().m_hWnd);
    press(VK_TAB);
    EXPECT_EQ(::GetFocus(), main->Monitor().Calendar().m_hWnd);
    // Page Up and Page Down step months; the arrows, Home and End move the
    // focused day, and the month steps when the day leaves it.
    const int start = ShownMonth();
    const std::pair<WPARAM, int> keys[] = {{VK_NEXT, 1}, {VK_PRIOR, 0}, {VK_HOME, 0},
                                           {VK_DOWN, 0}, {VK_END, 0},   {VK_RIGHT, 1},
                                           {VK_UP, 0},   {VK_HOME, 0},  {VK_LEFT, -1}};
    for (const auto& [key, steps] : keys) {
        press(key);
        EXPECT_EQ(ShownMonth(), (start + 11 + steps) % 12 + 1) << key;
    }
    ::SetFocus(main->Navigation().m_hWnd); // a click into the calendar takes the focus too
    main->Monitor().Calendar().SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 100));
    EXPECT_EQ(::GetFocus(), main->Monitor().Calendar().m_hWnd);
}

// Hidden with the focus in the Options page's language list (Alt+R, Alt+H),
// the window comes back on another page, however it is brought back: the
// focus is on that page, and a key goes to it, not to the hidden list.
TEST_F(KeyboardTest, TheWindowShownAgainHasTheFocusOnThePageItShows)
{
    store.WriteDword(SettingHideMessage, 1);
    ASSERT_TRUE(folder.Write("german.lng", "[Translator]\r\n")); // a language below English
    CreateMain();
    HWND list =
        ::GetDlgItem(main->Sheet().GetPage(MainDialog::PageOptions)->m_hWnd, IDC_OPT_LANGUAGE);
    auto comeBack = [&](const char* how) {
        if (how[0] == 'i') // a click on the icon
            main->SendMessage(WM_TRAYNOTIFY, 0, WM_LBUTTONDOWN);
        else if (how[0] == 's') // a second start
            main->SendMessage(MainDialog::OpenRequestMessage());
        else // the icon's menu
            main->SendMessage(WM_COMMAND, ID_MENU_SCHEDULER);
        PumpLikeTheProgram();
    };
    const struct {
        const char* how;
        int page;
    } table[] = {{"icon", MainDialog::PageMonitor},
                 {"second start", MainDialog::PageMonitor},
                 {"menu", MainDialog::PageScheduler}};
    for (const auto& row : table) {
        main->ShowMainWindow(MainDialog::PageOptions);
        ::SetForegroundWindow(main->m_hWnd);
        ::SetFocus(list);
        PumpLikeTheProgram();
        main->SendMessage(WM_COMMAND, IDC_MAIN_HIDE);
        PumpLikeTheProgram();
        comeBack(row.how);
        HWND page = main->Sheet().GetPage(row.page)->m_hWnd;
        EXPECT_TRUE(::IsChild(page, ::GetFocus())) << row.how;
        const LRESULT language = ::SendMessageA(list, CB_GETCURSEL, 0, 0);
        PressKey(::GetFocus(), VK_DOWN);
        EXPECT_EQ(::SendMessageA(list, CB_GETCURSEL, 0, 0), language) << row.how;
    }
    EXPECT_EQ(::GetFocus(), ::GetDlgItem(main->Scheduler().m_hWnd, IDC_SCHED_DATE));
}

} // namespace
