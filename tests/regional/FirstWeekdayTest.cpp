// The calendar's weeks start on the first day of the week of the user's
// regional settings. The test sets it as Windows' region settings do
// (SetLocaleInfo) and tells the running calendar as Windows does (a setting
// change "intl" to its top-level window); the setting is the prefix's own,
// put back at the end, so these tests run alone.
#include <gtest/gtest.h>

#include <string>

#include "calendar/CalendarAccessible.h"
#include "tests/calendar/CalendarTesting.h"
#include "tests/support/AccessibleClient.h"
#include "ui/Drawing.h"

using namespace calendar_testing;
using pixel_testing::Pixels;

namespace {

class FirstWeekday : public CalendarTest {
protected:
    FirstWeekday()
    {
        wchar_t value[8] = L"6";
        ::GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_IFIRSTDAYOFWEEK, value, 8);
        saved_ = value;
    }
    ~FirstWeekday() override { Set(saved_); }
    static bool Set(const std::wstring& weekday)
    {
        return ::SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_IFIRSTDAYOFWEEK, weekday.c_str());
    }

private:
    std::wstring saved_;
};

// March 2004 (today the 12th, a Friday; the sample cycle marks March 10 to
// 14): under a Monday setting, then under Sunday told while it runs.
TEST_F(FirstWeekday, GridNamesCursorAndCellsStartOnTheUsersFirstDayOfTheWeek)
{
    ASSERT_TRUE(Set(L"0"));
    MonthCalendarCtrl calendar{clock, texts};
    ASSERT_TRUE(calendar.CreateCalendar(&parent, 1110, 0, 0, TRUE, TRUE, TRUE));
    testing_support::Client client(calendar);
    const LONG cell0 = CalendarAccessible::CellChild(0, true);
    const struct {
        const wchar_t* setting;
        COleDateTime first; // cell 0
        const char* names[7];
        int marked, down; // March 10's cell; March 19's, where Down takes the cursor
        const char* firstName;
    } weeks[] = {
        {L"0",
         {2004, 3, 1, 0, 0, 1},
         {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"},
         9,
         18,
         "Monday, March 1, 2004"},
        {L"6",
         {2004, 2, 29, 0, 0, 1},
         {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"},
         10,
         19,
         "Sunday, February 29, 2004"},
    };
    for (const auto& w : weeks) {
        SCOPED_TRACE(w.firstName);
        const size_t asked = requests.size();
        ASSERT_TRUE(Set(w.setting));
        parent.SendMessage(WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(L"intl"));
        EXPECT_EQ(requests.size(), asked + 1); // marked afresh
        EXPECT_EQ(Cell(calendar, 0).date, w.first);
        EXPECT_EQ(Cell(calendar, w.marked).colour, CRITICAL_DAY_COLOR);
        EXPECT_EQ(client.Name(cell0), w.firstName);
        const RECT place = client.Location(cell0);
        EXPECT_EQ(client.HitTest({place.left + 14, place.top + 9}), cell0);
        const Pixels reference = Pixels::Drawn(207, 20, ::GetSysColor(COLOR_WINDOW), [&](CDC& dc) {
            for (int c = 0; c < 7; ++c)
                pixel_testing::DrawGuiText(dc, false, ::GetSysColor(COLOR_HIGHLIGHT),
                                           RECT{2 + c * 29, 0, 31 + c * 29, 20}, w.names[c]);
        });
        const Pixels shown = Pixels::Of(calendar).From(0, 22);
        EXPECT_EQ(shown.Count({2, 0, 205, 18}, 0, &reference), 0) << "the weekday row";
        calendar.SetFocus();
        calendar.SetCursorDay(COleDateTime(2004, 3, 12, 0, 0, 1));
        calendar.SendMessage(WM_KEYDOWN, VK_DOWN, 1);
        EXPECT_EQ(calendar.GetCursorCell(), w.down);
        EXPECT_EQ(FocusedCell(Pixels::Of(calendar)), w.down);
    }
}

} // namespace
