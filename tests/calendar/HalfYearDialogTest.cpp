// The half-year calendar: where its six calendars stand, that Previous, Next
// and Today step them (the months and steps are model/HalfYear's), that
// every calendar carries exactly the marks of its own grid, and the dialog
// run modally: help, Escape, Enter, month keys, close box.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calendar/HalfYearDialog.h"
#include "tests/calendar/CalendarTesting.h"
#include "tests/support/HelpRecorder.h"

using namespace calendar_testing;

namespace {

class HalfYear : public testing::Test {
protected:
    testing_support::FixedClock clock{COleDateTime(2004, 5, 20, 10, 0, 0)};
    testing_support::HelpTopicRecorder help;
    LanguageManager texts{std::wstring()}; // the built-in English
    StoredCycle stored{TestSettings()};
};

// Every cell of every calendar is marked exactly when the cycle (from the
// start, that many days long, `critical` of them marked) makes its day
// critical on that calendar's grid: in a period that starts before the grid's
// last day and at most 31 days before its first.
void ExpectOwnMarks(const HalfYearDialog& dialog, const COleDateTime& start, int days, int critical)
{
    for (int i = 0; i < 6 * 42; ++i) {
        const MonthCalendarCtrl& calendar = dialog.Calendar(i / 42);
        const COleDateTime& day = calendar.GetCell(i % 42 / 7, i % 7)->date;
        const int64_t offset = SampleOffset(day, start.DayNumber(), days);
        const int64_t period = day.DayNumber() - offset;
        EXPECT_EQ(calendar.GetDayColor(day) == CRITICAL_DAY_COLOR,
                  offset < critical && period < calendar.GetCell(5, 6)->date.DayNumber() &&
                      period >= calendar.GetCell(0, 0)->date.DayNumber() - 31)
            << "calendar " << i / 42 << ", cell " << i % 42;
    }
}

// Six calendars in two rows, the buttons ending where they end; the sample
// cycle, and one whose period runs from June into July, after each step of
// the buttons too.
TEST_F(HalfYear, SixCalendarsInTwoRowsEachWithTheMarksOfItsOwnGrid)
{
    for (auto [start, critical, clear] : {std::tuple{COleDateTime(2004, 3, 10, 9, 30, 0), 5, 23},
                                          {COleDateTime(2004, 6, 29, 8, 0, 0), 4, 24}}) {
        StoreSampleCycle(start, critical, clear);
        HalfYearDialog shown(clock, help, texts, stored);
        ASSERT_TRUE(shown.Create());
        for (int i = 0; i < 6; ++i) {
            const RECT place = layout::ControlRect(shown, IDC_HALF_CALENDAR0 + i),
                       expected{17 + i % 3 * 208, 17 + i / 3 * 161, 224 + i % 3 * 208,
                                177 + i / 3 * 161};
            EXPECT_TRUE(::EqualRect(&place, &expected)) << i;
            EXPECT_EQ(shown.Calendar(i).GetShowLeading() + shown.Calendar(i).GetShowTrailing() * 2,
                      (i == 0) + (i == 5) * 2);
        }
        // Within a dialog unit of where the calendars end (640), nothing moves.
        EXPECT_EQ(layout::ControlRect(shown, IDC_HALF_HELP).right, 641);
        EXPECT_EQ(shown.GetClientRect().right, 657);
        for (auto [id, year, month] : {std::tuple{0, 2004, 1},
                                       {IDC_HALF_NEXT, 2004, 7},
                                       {IDC_HALF_PREVIOUS, 2004, 1},
                                       {IDC_HALF_PREVIOUS, 2003, 7},
                                       {IDC_HALF_TODAY, 2004, 1}}) {
            SCOPED_TRACE(testing::Message() << start.GetMonth() << ", after " << id);
            ::SendMessageA(shown, WM_COMMAND, id, 0);
            EXPECT_EQ(shown.Calendar(0).GetShownDate(), COleDateTime(year, month, 1, 0, 0, 0));
            EXPECT_EQ(shown.Calendar(5).GetShownDate(), COleDateTime(year, month + 5, 1, 0, 0, 0));
            ExpectOwnMarks(shown, start, critical + clear, critical);
        }
        EXPECT_EQ(shown.GetAnchor(), COleDateTime(2004, 5, 20, 10, 0, 0));
        StoreSampleCycle(start + COleDateTimeSpan(1), critical, clear); // marked anew when
        shown.Refresh();                                                // the day changes
        ExpectOwnMarks(shown, start + COleDateTimeSpan(1), critical + clear, critical);
    }
    // Day 1 of January 1973 at 00:00 is before the first month a calendar
    // takes: calendar 0 stays on the current month, March 1973.
    clock.now = COleDateTime(1973, 3, 15, 10, 0, 0);
    HalfYearDialog dialog(clock, help, texts, stored);
    ASSERT_TRUE(dialog.Create());
    EXPECT_EQ(dialog.Calendar(0).GetShownDate().GetMonth(), 3);
    EXPECT_EQ(dialog.Calendar(1).GetShownDate().GetMonth(), 2);
    ExpectOwnMarks(dialog, COleDateTime(2004, 6, 30, 8, 0, 0), 28, 4); // the cycle stored last
}

// A key pressed in a control of the dialog.
std::function<void(HWND)> Key(int id, UINT message, WPARAM key)
{
    return [=](HWND dialog) {
        HWND control = ::GetDlgItem(dialog, id);
        ::SetFocus(control);
        ::PostMessageA(control, message, key, message == WM_KEYUP ? 0xC0000001 : 1);
    };
}

// Opened with the focus on today's day and Close as the default button;
// help, Escape, the month keys, Enter and the close box as the user presses
// them. (Its translation: tests/lang.)
TEST_F(HalfYear, DrivenByTheKeysAsTheUserPressesThem)
{
    for (const UINT close : {UINT(WM_KEYDOWN), UINT(WM_SYSCOMMAND)}) {
        HalfYearDialog dialog(clock, help, texts, stored);
        std::vector<int> months;
        bool onToday = false;
        LRESULT defaultId = 0;
        auto month = [&](HWND) { months.push_back(dialog.Calendar(0).GetShownDate().GetMonth()); };
        ModalScript script(
            IDC_HALF_NEXT,
            {[&](HWND d) {
                 onToday = ::GetFocus() == ::GetDlgItem(d, IDC_HALF_CALENDAR0 + 4) && // May
                           dialog.Calendar(4).GetCursorDay() == COleDateTime(2004, 5, 20, 0, 0, 1);
                 defaultId = ::SendMessageA(d, DM_GETDEFID, 0, 0);
                 ::SendMessageA(::GetDlgItem(d, IDC_HALF_HELP), BM_CLICK, 0, 0);
             },
             Key(IDC_HALF_CALENDAR0, WM_KEYDOWN, VK_ESCAPE),
             Key(IDC_HALF_CALENDAR0 + 2, WM_KEYDOWN, VK_F1),
             Key(IDC_HALF_CALENDAR0 + 2, WM_KEYUP, VK_F1),
             Key(IDC_HALF_CALENDAR0 + 4, WM_KEYDOWN, VK_NEXT), month,
             Key(IDC_HALF_CALENDAR0 + 3, WM_KEYDOWN, VK_PRIOR), month,
             Key(IDC_HALF_TODAY, WM_KEYDOWN, VK_RIGHT), month,
             [close](HWND d) {
                 if (close == WM_KEYDOWN) // Enter on a calendar: Close
                     Key(IDC_HALF_CALENDAR0 + 1, WM_KEYDOWN, VK_RETURN)(d);
                 else
                     ::PostMessageA(d, WM_SYSCOMMAND, SC_CLOSE, 0);
             }});
        EXPECT_EQ(dialog.DoModal(), IDOK);
        EXPECT_TRUE(onToday);
        EXPECT_EQ(defaultId, MAKELRESULT(IDC_HALF_CLOSE, DC_HASDEFID));
        EXPECT_EQ(months, (std::vector<int>{7, 1, 1}));
        EXPECT_FALSE(dialog.IsWindow());
    }
    EXPECT_EQ(help.Topics(), "halfy;halfy;halfy;halfy;halfy;halfy;halfy;halfy;");
}

// From May 20 the cursor keys move the focused day across the six calendars
// and on into the next and previous half-years; Page Down steps the
// half-year and the focus stays. The frame shows on the focused calendar only.
TEST_F(HalfYear, TheFocusedDayMovesAcrossTheSixCalendars)
{
    StoreSampleCycle();
    const struct {
        WPARAM key;
        int calendar; // with the focus afterwards
        COleDateTime day;
    } moves[] = {
        {VK_END, 4, {2004, 5, 31, 0, 0, 1}},  {VK_RIGHT, 5, {2004, 6, 1, 0, 0, 1}},
        {VK_END, 5, {2004, 6, 30, 0, 0, 1}},  {VK_RIGHT, 0, {2004, 7, 1, 0, 0, 1}},
        {VK_LEFT, 5, {2004, 6, 30, 0, 0, 1}}, {VK_HOME, 5, {2004, 6, 1, 0, 0, 1}},
        {VK_UP, 4, {2004, 5, 25, 0, 0, 1}},   {VK_DOWN, 5, {2004, 6, 1, 0, 0, 1}},
        {VK_UP, 4, {2004, 5, 25, 0, 0, 1}},   {VK_NEXT, 4, {2004, 11, 25, 0, 0, 1}},
    };
    HalfYearDialog dialog(clock, help, texts, stored);
    // Other tests share the display: should one of their windows take the
    // activation, the dialog takes it back, and with it its focused calendar.
    const auto active = [](HWND d) {
        if (::GetActiveWindow() != d)
            ::SetForegroundWindow(d);
    };
    std::vector<std::function<void(HWND)>> steps{
        [](HWND d) { ::SetFocus(::GetDlgItem(d, IDC_HALF_CALENDAR0 + 4)); }};
    for (const auto& m : moves) {
        steps.push_back([&](HWND d) {
            active(d);
            ::PostMessageA(::GetFocus(), WM_KEYDOWN, m.key, 1);
        });
        steps.push_back([&](HWND d) {
            active(d);
            SCOPED_TRACE(testing::Message()
                         << m.key << " to " << m.day.GetMonth() << "-" << m.day.GetDay());
            ASSERT_EQ(::GetFocus(), ::GetDlgItem(d, IDC_HALF_CALENDAR0 + m.calendar));
            const MonthCalendarCtrl& focused = dialog.Calendar(m.calendar);
            EXPECT_EQ(focused.GetCursorDay(), m.day);
            EXPECT_EQ(FocusedCell(pixel_testing::Pixels::Of(focused)), focused.GetCursorCell());
            EXPECT_EQ(FocusedCell(pixel_testing::Pixels::Of(dialog.Calendar((m.calendar + 1) % 6))),
                      -1);
        });
    }
    steps.push_back([](HWND d) { ::PostMessageA(d, WM_COMMAND, IDC_HALF_CLOSE, 0); });
    ModalScript script(IDC_HALF_NEXT, steps);
    dialog.DoModal();
}

} // namespace
