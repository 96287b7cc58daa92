// The Monitor page inside a child property sheet of a small host dialog, as
// the main window holds it: the month it opens on, the marks it shows, the
// answers of IsCriticalDay, and its help key.
#include <gtest/gtest.h>

#include <string>

#include "calendar/CDialogCritMonitor.h"
#include "framework/PropertySheet.h"
#include "model/CycleCalculator.h"
#include "model/Settings.h"
#include "res/resource.h"
#include "tests/support/HelpRecorder.h"
#include "tests/support/Sandbox.h"
#include "ui/HelpTopic.h"

namespace {

COleDateTime Day(int year, int month, int day)
{
    return COleDateTime(year, month, day, 12, 0, 0);
}

// The sample cycle: a period of 5 days every 28 days, one starting 2004-03-10.
void StoreSampleCycle()
{
    ASSERT_TRUE(WriteStartDate(SettingStartDate, COleDateTime(2004, 3, 10, 9, 30, 0)));
    ASSERT_TRUE(WriteSettingDword(SettingCritDayCount, 5));
    ASSERT_TRUE(WriteSettingDword(SettingClearDayCount, 23));
}

class Host : public CDialog {
public:
    Host() : CDialog(IDD_MAIN) {}
    CPropertySheet sheet;
    CDialogCritMonitor monitor;
    CPropertyPage other{IDD_ABOUT};
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        sheet.AddPage(&monitor);
        sheet.AddPage(&other);
        sheet.Create(this, WS_CHILD | WS_VISIBLE);
        return TRUE;
    }
};

// Counts the marking requests that reach the Monitor page.
int g_markRequests = 0;
HWND g_markTarget = nullptr;
LRESULT CALLBACK CountMarkRequests(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && call->message == WM_CALENDAR_MARKDAYS && call->hwnd == g_markTarget)
        ++g_markRequests;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

class MonitorPage : public testing::Test {
protected:
    void SetUp() override { fw::PinClock(COleDateTime(2004, 5, 20, 10, 0, 0)); }
    void TearDown() override { fw::UnpinClock(); }

    // Creates the host; the Monitor page is the active page.
    void Open()
    {
        ASSERT_TRUE(host_.Create());
        ASSERT_TRUE(host_.monitor.IsWindow());
    }
    MonthCalendarCtrl& Calendar() { return host_.monitor.Calendar(); }
    int ShownMonth() { return Calendar().GetShownDate().GetMonth(); }
    void Press(int id) { SendMessageA(GetDlgItem(host_.monitor.m_hWnd, id), BM_CLICK, 0, 0); }

    Host host_;
};

} // namespace

TEST_F(MonitorPage, HoldsItsCalendarWithMonthButtonsAtItsPlace)
{
    Open();
    HWND calendar = GetDlgItem(host_.monitor.m_hWnd, IDC_MON_CALENDAR);
    ASSERT_EQ(Calendar().m_hWnd, calendar);
    RECT rect;
    GetWindowRect(calendar, &rect);
    MapWindowPoints(nullptr, host_.monitor.m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
    EXPECT_EQ(56, rect.left);
    EXPECT_EQ(30, rect.top);
    EXPECT_EQ(207, rect.right - rect.left);
    EXPECT_EQ(160, rect.bottom - rect.top);
    EXPECT_NE(nullptr, GetDlgItem(calendar, IDC_CAL_PREV_MONTH));
    EXPECT_NE(nullptr, GetDlgItem(calendar, IDC_CAL_NEXT_MONTH));
    EXPECT_TRUE(Calendar().GetShowLeading());
    EXPECT_TRUE(Calendar().GetShowTrailing());
}

TEST_F(MonitorPage, OpensOnTheMonthOfTheStartDateAndTodayGoesToTheCurrentMonth)
{
    StoreSampleCycle();
    Open();
    EXPECT_EQ(2004, Calendar().GetShownDate().GetYear());
    EXPECT_EQ(3, ShownMonth());
    for (int day = 10; day <= 14; ++day)
        EXPECT_TRUE(host_.monitor.IsCriticalDay(Day(2004, 3, day))) << "March " << day;
    EXPECT_FALSE(host_.monitor.IsCriticalDay(Day(2004, 3, 9)));
    EXPECT_FALSE(host_.monitor.IsCriticalDay(Day(2004, 3, 15)));
    for (int day = 7; day <= 10; ++day)
        EXPECT_TRUE(host_.monitor.IsCriticalDay(Day(2004, 4, day))) << "April " << day;

    Press(IDC_MON_TODAY);
    EXPECT_EQ(5, ShownMonth());
    EXPECT_TRUE(host_.monitor.IsCriticalDay(Day(2004, 5, 5)));
    EXPECT_TRUE(host_.monitor.IsCriticalDay(Day(2004, 6, 5)));
    EXPECT_FALSE(host_.monitor.IsCriticalDay(Day(2004, 5, 20)));
}

TEST_F(MonitorPage, WithoutAUsableStartDateItOpensOnTheCurrentMonth)
{
    Open();
    EXPECT_EQ(5, ShownMonth());
    host_.DestroyWindow();

    // Before the calendar's first month: the calendar keeps the current one.
    ASSERT_TRUE(WriteStartDate(SettingStartDate, COleDateTime(1960, 5, 1, 8, 0, 0)));
    Host again;
    ASSERT_TRUE(again.Create());
    EXPECT_EQ(2004, again.monitor.Calendar().GetShownDate().GetYear());
    EXPECT_EQ(5, again.monitor.Calendar().GetShownDate().GetMonth());
    // Marked by the cycle counted forward from 1960 (the defaults C 3, K 28).
    const int64_t start = COleDateTime(1960, 5, 1, 0, 0, 0).DayNumber();
    for (int day = 1; day <= 31; ++day) {
        const int64_t offset = (Day(2004, 5, day).DayNumber() - start) % 31;
        EXPECT_EQ(offset < 3, again.monitor.IsCriticalDay(Day(2004, 5, day))) << "May " << day;
    }
}

TEST_F(MonitorPage, IsCriticalDayAnswersFromTheDisplayedGridOnly)
{
    StoreSampleCycle();
    Open();
    ASSERT_TRUE(Calendar().SetMonth(Day(2004, 4, 15))); // grid 2004-03-28 .. 2004-05-08
    // Days of the neighbouring months inside the grid answer from their cells.
    EXPECT_TRUE(host_.monitor.IsCriticalDay(Day(2004, 5, 5)));
    EXPECT_TRUE(host_.monitor.IsCriticalDay(Day(2004, 5, 8)));
    EXPECT_FALSE(host_.monitor.IsCriticalDay(Day(2004, 3, 31)));
    EXPECT_TRUE(host_.monitor.IsCriticalDay(Day(2004, 4, 11)));
    // Critical by the cycle, but not displayed.
    EXPECT_FALSE(host_.monitor.IsCriticalDay(Day(2004, 5, 9)));
    EXPECT_FALSE(host_.monitor.IsCriticalDay(Day(2004, 3, 12)));
    EXPECT_FALSE(host_.monitor.IsCriticalDay(Day(2005, 4, 11)));
}

TEST_F(MonitorPage, MarksFollowASettingChangeWhenThePageBecomesActiveAgain)
{
    StoreSampleCycle();
    Open();
    ASSERT_TRUE(host_.monitor.IsCriticalDay(Day(2004, 3, 14)));
    ASSERT_TRUE(WriteSettingDword(SettingCritDayCount, 2));
    EXPECT_TRUE(host_.monitor.IsCriticalDay(Day(2004, 3, 14))); // nothing refreshed yet

    ASSERT_TRUE(host_.sheet.SetActivePage(1));
    ASSERT_TRUE(host_.sheet.SetActivePage(0));
    EXPECT_EQ(3, ShownMonth());
    EXPECT_TRUE(host_.monitor.IsCriticalDay(Day(2004, 3, 11)));
    EXPECT_FALSE(host_.monitor.IsCriticalDay(Day(2004, 3, 12)));
    EXPECT_FALSE(host_.monitor.IsCriticalDay(Day(2004, 3, 14)));
}

TEST_F(MonitorPage, ShowTodayMovesToTheCurrentMonthAndMarksItOnce)
{
    StoreSampleCycle();
    Open();
    ASSERT_EQ(3, ShownMonth());
    g_markRequests = 0;
    g_markTarget = host_.monitor.m_hWnd;
    HHOOK hook =
        SetWindowsHookExA(WH_CALLWNDPROC, &CountMarkRequests, nullptr, GetCurrentThreadId());
    ASSERT_NE(nullptr, hook);
    host_.monitor.ShowToday();
    UnhookWindowsHookEx(hook);
    EXPECT_EQ(1, g_markRequests); // one rebuild is enough
    EXPECT_EQ(5, ShownMonth());
    EXPECT_TRUE(host_.monitor.IsCriticalDay(Day(2004, 5, 9)));
    EXPECT_FALSE(host_.monitor.IsCriticalDay(Day(2004, 5, 10)));
}

TEST_F(MonitorPage, F1AsksForTheMonitorTopicOnKeyDownAndKeyUp)
{
    Open();
    testing_support::HelpTopicRecorder help;
    HWND today = GetDlgItem(host_.monitor.m_hWnd, IDC_MON_TODAY);
    MSG down{today, WM_KEYDOWN, VK_F1, 0x003B0001, 0, {}};
    MSG up{Calendar().m_hWnd, WM_KEYUP, VK_F1, static_cast<LPARAM>(0xC03B0001), 0, {}};
    MSG other{today, WM_KEYDOWN, VK_F2, 0x003C0001, 0, {}};
    EXPECT_TRUE(WalkPreTranslateTree(host_.m_hWnd, &down));
    EXPECT_TRUE(WalkPreTranslateTree(host_.m_hWnd, &up));
    EXPECT_FALSE(host_.monitor.PreTranslateMessage(&other)); // other keys pass on
    EXPECT_EQ("mon;mon;", help.Topics());
}

TEST_F(MonitorPage, PaintsItsOwnBackgroundInTheButtonFaceColour)
{
    Open();
    HWND page = host_.monitor.m_hWnd;
    HDC dc = GetDC(page);
    auto brush = reinterpret_cast<HBRUSH>(SendMessageA(
        page, WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(page)));
    LOGBRUSH described{};
    ASSERT_NE(nullptr, brush);
    ASSERT_EQ(static_cast<int>(sizeof(described)),
              GetObjectA(brush, sizeof(described), &described));
    EXPECT_EQ(static_cast<UINT>(BS_SOLID), described.lbStyle);
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), described.lbColor);
    // The same brush each time: it belongs to the page.
    EXPECT_EQ(brush, reinterpret_cast<HBRUSH>(SendMessageA(page, WM_CTLCOLORDLG,
                                                           reinterpret_cast<WPARAM>(dc),
                                                           reinterpret_cast<LPARAM>(page))));
    ReleaseDC(page, dc);
}

namespace {

// Closes the half-year dialog from a timer once it is shown.
HWND g_halfYear = nullptr;
void CALLBACK CloseHalfYear(HWND, UINT, UINT_PTR, DWORD)
{
    HWND window = FindWindowA(nullptr, "Half-Year Calendar");
    DWORD process = 0;
    if (!window || (GetWindowThreadProcessId(window, &process), process != GetCurrentProcessId()))
        return;
    g_halfYear = window;
    SendMessageA(GetDlgItem(window, IDC_HALF_CLOSE), BM_CLICK, 0, 0);
}

} // namespace

TEST_F(MonitorPage, HalfYearButtonRunsTheHalfYearCalendarAndLeavesTheMonthAlone)
{
    StoreSampleCycle();
    Open();
    g_halfYear = nullptr;
    const UINT_PTR timer = SetTimer(nullptr, 0, 30, &CloseHalfYear);
    Press(IDC_MON_HALFYEAR); // returns once the dialog has been closed
    KillTimer(nullptr, timer);
    EXPECT_NE(nullptr, g_halfYear);
    EXPECT_FALSE(IsWindow(g_halfYear));
    EXPECT_EQ(3, ShownMonth());
    EXPECT_TRUE(host_.monitor.IsCriticalDay(Day(2004, 3, 10)));
}
