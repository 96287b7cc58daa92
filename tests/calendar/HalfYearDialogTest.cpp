// The half-year calendar: where its six calendars stand, which months they
// show and how Previous, Next and Today step them, the months' arithmetic,
// that every calendar carries exactly the marks of its own grid, and the
// dialog run modally: help, Escape, Enter, the month keys, the close box and
// its translation.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "calendar/HalfYearDialog.h"
#include "tests/calendar/CalendarTesting.h"
#include "tests/support/HelpRecorder.h"
#include "tests/support/LanguageHost.h"

using namespace calendar_testing;

namespace {

class HalfYear : public testing::Test {
protected:
    void TearDown() override { fw::UnpinClock(); }
    bool Open(const COleDateTime& today)
    {
        fw::PinClock(today);
        return dialog.Create();
    }
    // Every cell of every calendar is marked exactly when the cycle (from
    // the start, that many days long, `critical` of them marked) makes its day
    // critical on that calendar's grid: in a period that starts before the
    // grid's last day and at most 31 days before its first.
    static void ExpectOwnMarks(const HalfYearDialog& dialog, const COleDateTime& start, int days,
                               int critical)
    {
        for (int i = 0; i < 6; ++i) {
            const MonthCalendarCtrl& calendar = dialog.Calendar(i);
            const int64_t first = calendar.GetCell(0, 0)->date.DayNumber();
            const int64_t last = calendar.GetCell(5, 6)->date.DayNumber();
            for (int cell = 0; cell < 42; ++cell) {
                const COleDateTime& day = calendar.GetCell(cell / 7, cell % 7)->date;
                const int64_t offset = SampleOffset(day, start.DayNumber(), days);
                const int64_t period = day.DayNumber() - offset;
                EXPECT_EQ(calendar.GetDayColor(day) == CRITICAL_DAY_COLOR,
                          offset < critical && period < last && period >= first - 31)
                    << "calendar " << i << ", " << day.GetYear() << "-" << day.GetMonth() << "-"
                    << day.GetDay();
            }
        }
    }

    HalfYearDialog dialog;
};

TEST_F(HalfYear, SixCalendarsInTwoRowsWithTheButtonsEndingWhereTheyEnd)
{
    ASSERT_TRUE(Open(COleDateTime(2004, 5, 20, 10, 0, 0)));
    for (int i = 0; i < 6; ++i) {
        const MonthCalendarCtrl& calendar = dialog.Calendar(i);
        const RECT place = Place(calendar, dialog),
                   expected{17 + i % 3 * 208, 17 + i / 3 * 161, 17 + i % 3 * 208 + 207,
                            17 + i / 3 * 161 + 160};
        EXPECT_TRUE(::EqualRect(&place, &expected)) << i;
        EXPECT_EQ(calendar.GetShowLeading() * 1 + calendar.GetShowTrailing() * 2,
                  (i == 0) + (i == 5) * 2);
    }
    EXPECT_NEAR(Place(::GetDlgItem(dialog, IDC_HALF_HELP), dialog).right, 17 + 2 * 208 + 207,
                2); // within a dialog unit
    EXPECT_NEAR(dialog.GetClientRect().right, 17 + 2 * 208 + 207 + 17, 2);
}

// From today's half-year: N(ext), P(revious) and T(oday) with the months
// shown after each, and where the anchor ends (its day kept where it can be).
TEST_F(HalfYear, StepsByHalfYearsFromToday)
{
    const struct {
        COleDateTime today;
        const char* steps;
        COleDateTime anchor;
    } walks[] = {
        {{2004, 5, 20, 10, 0, 0},
         "N2004-07 N2005-01 T2004-01 P2003-07 P2003-01",
         {2003, 5, 20, 10, 0, 0}},
        {{2004, 3, 31, 10, 0, 0}, "N2004-07 P2004-01 P2003-07", {2003, 9, 30, 10, 0, 0}},
        {{1974, 1, 15, 10, 0, 0}, "P1973-07 P1973-07", {1973, 7, 15, 10, 0, 0}},
        {{9998, 7, 15, 10, 0, 0}, "N9999-01 N9999-01", {9999, 1, 15, 10, 0, 0}}, // not to July 9999
    };
    for (const auto& w : walks) {
        HalfYearDialog shown;
        fw::PinClock(w.today);
        ASSERT_TRUE(shown.Create());
        char step = 0;
        int year = 0, month = 0, used = 0;
        for (const char* s = w.steps;
             std::sscanf(s, " %c%d-%d%n", &step, &year, &month, &used) == 3; s += used) {
            ::SendMessageA(shown, WM_COMMAND,
                           step == 'N'   ? IDC_HALF_NEXT
                           : step == 'P' ? IDC_HALF_PREVIOUS
                                         : IDC_HALF_TODAY,
                           0);
            EXPECT_EQ(shown.Calendar(0).GetShownDate().GetYear(), year) << w.steps << " at " << s;
            EXPECT_EQ(shown.Calendar(0).GetShownDate().GetMonth(), month) << w.steps << " at " << s;
            EXPECT_EQ(shown.Calendar(5).GetShownDate().GetMonth(), month + 5)
                << w.steps << " at " << s;
        }
        EXPECT_EQ(shown.GetAnchor(), w.anchor) << w.steps;
    }
}

// A day the target month lacks becomes its last day; n < 1 changes nothing.
TEST(HalfYearMonths, AddAndSubtractKeepTheDayAndTimeWhereTheMonthHasIt)
{
    const struct {
        COleDateTime from;
        int months; // added, or subtracted when negative
        COleDateTime to;
        int valid;
    } shifts[] = {
        {{2004, 5, 20, 9, 30, 15}, 6, {2004, 11, 20, 9, 30, 15}, 1},
        {{2004, 11, 20, 9, 30, 15}, 2, {2005, 1, 20, 9, 30, 15}, 1},
        {{2005, 1, 20, 9, 30, 15}, 30, {2007, 7, 20, 9, 30, 15}, 1},
        {{2005, 1, 20, 9, 30, 15}, 12, {2006, 1, 20, 9, 30, 15}, 1},
        {{2007, 7, 20, 9, 30, 15}, -7, {2006, 12, 20, 9, 30, 15}, 1},
        {{2006, 12, 20, 9, 30, 15}, -24, {2004, 12, 20, 9, 30, 15}, 1},
        {{2004, 7, 20, 9, 30, 15}, -6, {2004, 1, 20, 9, 30, 15}, 1},
        {{2004, 12, 20, 9, 30, 15}, -12, {2003, 12, 20, 9, 30, 15}, 1},
        {{2004, 8, 31, 7, 0, 0}, 6, {2005, 2, 28, 7, 0, 0}, 1},
        {{2003, 8, 30, 7, 0, 0}, 6, {2004, 2, 29, 7, 0, 0}, 1},
        {{2004, 3, 31, 7, 0, 0}, -6, {2003, 9, 30, 7, 0, 0}, 1},
        {{9999, 12, 1, 0, 0, 0}, 1, {9999, 12, 1, 0, 0, 0}, 0},
    };
    for (const auto& s : shifts) {
        COleDateTime date = s.from;
        EXPECT_EQ(s.months > 0 ? HalfYearDialog::AddMonths(date, s.months)
                               : HalfYearDialog::SubtractMonths(date, -s.months),
                  s.valid)
            << s.months;
        EXPECT_EQ(date, s.to) << s.from.GetYear() << "-" << s.from.GetMonth() << " " << s.months;
    }
    COleDateTime date(2003, 12, 20, 9, 30, 15);
    EXPECT_EQ(HalfYearDialog::AddMonths(date, 0) + HalfYearDialog::SubtractMonths(date, -5), 2);
    EXPECT_EQ(date, COleDateTime(2003, 12, 20, 9, 30, 15));
}

// The sample cycle, and one whose period runs from June into July.
TEST_F(HalfYear, EachCalendarCarriesTheMarksOfItsOwnGrid)
{
    for (auto [start, critical, clear] : {std::tuple{COleDateTime(2004, 3, 10, 9, 30, 0), 5, 23},
                                          {COleDateTime(2004, 6, 29, 8, 0, 0), 4, 24}}) {
        StoreSampleCycle(start, critical, clear);
        HalfYearDialog shown;
        fw::PinClock(COleDateTime(2004, 5, 20, 10, 0, 0));
        ASSERT_TRUE(shown.Create());
        for (int id : {0, IDC_HALF_NEXT, IDC_HALF_PREVIOUS, IDC_HALF_PREVIOUS}) {
            SCOPED_TRACE(testing::Message() << start.GetMonth() << ", after " << id);
            ::SendMessageA(shown, WM_COMMAND, id, 0);
            ExpectOwnMarks(shown, start, critical + clear, critical);
        }
    }
    // Day 1 of January 1973 at 00:00 is before the first month a calendar
    // takes: calendar 0 stays on the current month, March 1973.
    fw::PinClock(COleDateTime(1973, 3, 15, 10, 0, 0));
    ASSERT_TRUE(dialog.Create());
    EXPECT_EQ(dialog.Calendar(0).GetShownDate().GetMonth(), 3);
    EXPECT_EQ(dialog.Calendar(1).GetShownDate().GetMonth(), 2);
    ExpectOwnMarks(dialog, COleDateTime(2004, 6, 29, 8, 0, 0), 28, 4);
}

// Runs the dialog modally and plays the steps from a timer, one per tick.
struct Player {
    static inline HalfYearDialog* dialog = nullptr;
    static inline std::vector<std::function<void(HWND)>> steps;
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        if (!dialog->m_hWnd || !::IsWindowVisible(dialog->m_hWnd) || steps.empty())
            return;
        auto step = std::move(steps.front());
        steps.erase(steps.begin());
        step(dialog->m_hWnd);
    }
};

INT_PTR Play(HalfYearDialog& dialog, std::vector<std::function<void(HWND)>> steps)
{
    Player::dialog = &dialog;
    Player::steps = std::move(steps);
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 30, &Player::Tick);
    const INT_PTR result = dialog.DoModal();
    ::KillTimer(nullptr, timer);
    return result;
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

// Translated as dialog 131 (its caption too), with the focus on its first
// control; help, Escape, Enter, the month keys and the close box.
TEST(HalfYearModal, TranslatedAndDrivenByTheKeysAsTheUserPressesThem)
{
    fw::PinClock(COleDateTime(2004, 5, 20, 10, 0, 0));
    testing_support::LanguageHost main("german", "[DialogID_131]\r\nID_0=Halbjahreskalender\r\n"
                                                 "ID_1006=&Weiter >>\r\n");
    testing_support::HelpTopicRecorder help;
    HalfYearDialog dialog;
    std::vector<int> months;
    char caption[64] = "", next[64] = "";
    int focus = 0;
    auto month = [&](HWND) { months.push_back(dialog.Calendar(0).GetShownDate().GetMonth()); };
    const INT_PTR result = Play(
        dialog, {[&](HWND d) {
                     focus = ::GetDlgCtrlID(::GetFocus());
                     ::GetWindowTextA(d, caption, sizeof caption);
                     ::GetDlgItemTextA(d, IDC_HALF_NEXT, next, sizeof next);
                     ::SendMessageA(::GetDlgItem(d, IDC_HALF_HELP), BM_CLICK, 0, 0);
                 },
                 Key(IDC_HALF_CALENDAR0, WM_KEYDOWN, VK_ESCAPE),
                 Key(IDC_HALF_CALENDAR0 + 2, WM_KEYDOWN, VK_F1),
                 Key(IDC_HALF_CALENDAR0 + 2, WM_KEYUP, VK_F1),
                 Key(IDC_HALF_CALENDAR0 + 4, WM_KEYDOWN, VK_RETURN), // the default button, Next
                 month, Key(IDC_HALF_CALENDAR0 + 3, WM_KEYDOWN, VK_PRIOR), month,
                 Key(IDC_HALF_TODAY, WM_KEYDOWN, VK_RIGHT), month,
                 [](HWND d) { ::PostMessageA(d, WM_SYSCOMMAND, SC_CLOSE, 0); }});
    fw::UnpinClock();
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(focus, IDC_HALF_PREVIOUS);
    EXPECT_STREQ(caption, "Halbjahreskalender");
    EXPECT_STREQ(next, "&Weiter >>");
    EXPECT_NE(main.EnglishFile().find("[DialogID_131]\r\nID_0=Half-Year Calendar"),
              std::string::npos);
    EXPECT_EQ(help.Topics(), "halfy;halfy;halfy;halfy;");
    EXPECT_EQ(months, (std::vector<int>{7, 1, 1}));
    EXPECT_FALSE(dialog.IsWindow());
}

} // namespace
