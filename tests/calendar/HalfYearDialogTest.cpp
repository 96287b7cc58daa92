// The half-year calendar: which months it shows, how Previous, Next and Today
// step, and that every one of its six calendars carries exactly the marks of
// its own grid, read back from the calendars themselves.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "calendar/HalfYearDialog.h"
#include "framework/WinApp.h"
#include "lang/LanguageManager.h"
#include "lang/LanguageOwner.h"
#include "lang/ModulePath.h"
#include "model/CycleCalculator.h"
#include "model/Settings.h"
#include "res/resource.h"
#include "tests/support/HelpRecorder.h"
#include "tests/support/LanguageHost.h"
#include "tests/support/Sandbox.h"
#include "ui/HelpTopic.h"

namespace {

void StoreCycle(const COleDateTime& start, int crit, int clear)
{
    ASSERT_TRUE(WriteStartDate(SettingStartDate, start));
    ASSERT_TRUE(WriteSettingDword(SettingCritDayCount, static_cast<DWORD>(crit)));
    ASSERT_TRUE(WriteSettingDword(SettingClearDayCount, static_cast<DWORD>(clear)));
}

// The sample cycle: a period of 5 days every 28 days, one starting 2004-03-10.
void StoreSampleCycle()
{
    StoreCycle(COleDateTime(2004, 3, 10, 9, 30, 0), 5, 23);
}

COleDateTime Day(int year, int month, int day)
{
    return COleDateTime(year, month, day, 12, 0, 0);
}

// Whether a displayed day is critical for the sample cycle on a grid that
// shows first..last: the day lies in the first 5 days of a period whose start
// (at 09:30) is before the last displayed day's 00:00:01 and no more than 31
// days before the first displayed day.
bool SampleCritical(int64_t day, int64_t first, int64_t last)
{
    const int64_t start = COleDateTime(2004, 3, 10, 0, 0, 0).DayNumber();
    const int64_t offset = ((day - start) % 28 + 28) % 28;
    const int64_t periodStart = day - offset;
    return offset < 5 && periodStart < last && periodStart >= first - 31;
}

class HalfYear : public testing::Test {
protected:
    void TearDown() override { fw::UnpinClock(); }

    void Open(const COleDateTime& today)
    {
        fw::PinClock(today);
        ASSERT_TRUE(dialog_.Create());
    }
    int Year(int index) const { return dialog_.Calendar(index).GetShownDate().GetYear(); }
    int Month(int index) const { return dialog_.Calendar(index).GetShownDate().GetMonth(); }
    // "2004-01..2004-06": the months the six calendars show.
    std::string Shown() const
    {
        char text[32];
        std::snprintf(text, sizeof(text), "%04d-%02d..%04d-%02d", Year(0), Month(0), Year(5),
                      Month(5));
        for (int i = 1; i < 6; ++i) {
            const int expected = (Month(0) - 1 + i) % 12 + 1;
            if (Month(i) != expected || Year(i) != Year(0))
                return std::string(text) + " (out of order at " + std::to_string(i) + ")";
        }
        return text;
    }
    // Whether calendar `index` paints the date's cell with its number.
    bool Displayed(int index, const COleDateTime& date) const
    {
        for (int row = 0; row < 6; ++row)
            for (int column = 0; column < 7; ++column) {
                const CalendarCell* cell = dialog_.Calendar(index).GetCell(row, column);
                if (cell->date.DayNumber() == date.DayNumber())
                    return cell->shown != 0;
            }
        return false;
    }
    void Command(int id)
    {
        SendMessageA(dialog_.m_hWnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
    }

    // Every cell of calendar `index` carries the critical colour exactly when
    // the sample cycle makes that day critical on this calendar's grid.
    void ExpectOwnSampleMarks(int index)
    {
        const MonthCalendarCtrl& calendar = dialog_.Calendar(index);
        const int64_t first = calendar.GetCell(0, 0)->date.DayNumber();
        const int64_t last = calendar.GetCell(5, 6)->date.DayNumber();
        int marked = 0;
        for (int row = 0; row < 6; ++row) {
            for (int column = 0; column < 7; ++column) {
                const COleDateTime& date = calendar.GetCell(row, column)->date;
                const bool critical = calendar.GetDayColor(date) == CRITICAL_DAY_COLOR;
                marked += critical ? 1 : 0;
                EXPECT_EQ(SampleCritical(date.DayNumber(), first, last), critical)
                    << "calendar " << index << " showing " << Year(index) << "-" << Month(index)
                    << ", day " << date.GetYear() << "-" << date.GetMonth() << "-" << date.GetDay();
            }
        }
        EXPECT_GE(marked, 5) << "calendar " << index;
    }

    HalfYearDialog dialog_;
};

} // namespace

TEST_F(HalfYear, SixCalendarsInTwoRowsWithLeadingDaysFirstAndTrailingDaysLast)
{
    Open(COleDateTime(2004, 5, 20, 10, 0, 0));
    const POINT places[6] = {{17, 17}, {225, 17}, {433, 17}, {17, 178}, {225, 178}, {433, 178}};
    for (int i = 0; i < 6; ++i) {
        HWND calendar = GetDlgItem(dialog_.m_hWnd, IDC_HALF_CALENDAR0 + i);
        ASSERT_EQ(dialog_.Calendar(i).m_hWnd, calendar) << i;
        RECT rect;
        GetWindowRect(calendar, &rect);
        MapWindowPoints(nullptr, dialog_.m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
        EXPECT_EQ(places[i].x, rect.left) << i;
        EXPECT_EQ(places[i].y, rect.top) << i;
        EXPECT_EQ(207, rect.right - rect.left) << i;
        EXPECT_EQ(160, rect.bottom - rect.top) << i;
        EXPECT_EQ(nullptr, GetDlgItem(calendar, IDC_CAL_PREV_MONTH)) << i;
        EXPECT_EQ(i == 0, dialog_.Calendar(i).GetShowLeading() != 0) << i;
        EXPECT_EQ(i == 5, dialog_.Calendar(i).GetShowTrailing() != 0) << i;
    }
}

TEST_F(HalfYear, OpensOnTheHalfYearOfTodayAndStepsByHalfYears)
{
    Open(COleDateTime(2004, 5, 20, 10, 0, 0));
    EXPECT_EQ("2004-01..2004-06", Shown());
    Command(IDC_HALF_NEXT);
    EXPECT_EQ("2004-07..2004-12", Shown());
    Command(IDC_HALF_NEXT);
    EXPECT_EQ("2005-01..2005-06", Shown());
    Command(IDC_HALF_TODAY);
    EXPECT_EQ("2004-01..2004-06", Shown());
    Command(IDC_HALF_PREVIOUS);
    EXPECT_EQ("2003-07..2003-12", Shown());
    Command(IDC_HALF_PREVIOUS);
    EXPECT_EQ("2003-01..2003-06", Shown());
}

TEST_F(HalfYear, TheLastDayOfAMonthStillStepsIntoTheNextHalfYear)
{
    Open(COleDateTime(2004, 3, 31, 10, 0, 0));
    Command(IDC_HALF_NEXT);
    EXPECT_EQ("2004-07..2004-12", Shown());
    EXPECT_EQ(COleDateTime(2004, 9, 30, 10, 0, 0), dialog_.GetAnchor());
    Command(IDC_HALF_PREVIOUS);
    EXPECT_EQ("2004-01..2004-06", Shown());
    Command(IDC_HALF_PREVIOUS);
    EXPECT_EQ("2003-07..2003-12", Shown());
}

TEST_F(HalfYear, PreviousStopsAfter1973AndNextAfter2035)
{
    Open(COleDateTime(1974, 1, 15, 10, 0, 0));
    EXPECT_EQ("1974-01..1974-06", Shown());
    Command(IDC_HALF_PREVIOUS);
    EXPECT_EQ("1973-07..1973-12", Shown());
    Command(IDC_HALF_PREVIOUS);
    EXPECT_EQ("1973-07..1973-12", Shown());
    EXPECT_EQ(COleDateTime(1973, 7, 15, 10, 0, 0), dialog_.GetAnchor());

    fw::PinClock(COleDateTime(2034, 12, 20, 10, 0, 0));
    Command(IDC_HALF_TODAY);
    EXPECT_EQ("2034-07..2034-12", Shown());
    Command(IDC_HALF_NEXT);
    EXPECT_EQ("2035-01..2035-06", Shown());
    Command(IDC_HALF_NEXT);
    EXPECT_EQ("2035-01..2035-06", Shown());
    EXPECT_EQ(COleDateTime(2035, 6, 20, 10, 0, 0), dialog_.GetAnchor());
}

TEST(HalfYearMonths, AddAndSubtractKeepTheDayAndTimeWhereTheMonthHasIt)
{
    COleDateTime date(2004, 5, 20, 9, 30, 15);
    EXPECT_EQ(1, HalfYearDialog::AddMonths(date, 6));
    EXPECT_EQ(COleDateTime(2004, 11, 20, 9, 30, 15), date);
    EXPECT_EQ(1, HalfYearDialog::AddMonths(date, 2));
    EXPECT_EQ(COleDateTime(2005, 1, 20, 9, 30, 15), date);
    EXPECT_EQ(1, HalfYearDialog::AddMonths(date, 30));
    EXPECT_EQ(COleDateTime(2007, 7, 20, 9, 30, 15), date);
    EXPECT_EQ(1, HalfYearDialog::SubtractMonths(date, 7));
    EXPECT_EQ(COleDateTime(2006, 12, 20, 9, 30, 15), date);
    EXPECT_EQ(1, HalfYearDialog::SubtractMonths(date, 24));
    EXPECT_EQ(COleDateTime(2004, 12, 20, 9, 30, 15), date);
    EXPECT_EQ(1, HalfYearDialog::SubtractMonths(date, 12));
    EXPECT_EQ(COleDateTime(2003, 12, 20, 9, 30, 15), date);
    EXPECT_EQ(1, HalfYearDialog::AddMonths(date, 0));
    EXPECT_EQ(1, HalfYearDialog::SubtractMonths(date, -5));
    EXPECT_EQ(COleDateTime(2003, 12, 20, 9, 30, 15), date);
}

TEST(HalfYearMonths, ADayTheTargetMonthLacksBecomesItsLastDay)
{
    COleDateTime date(2004, 8, 31, 7, 0, 0);
    EXPECT_EQ(1, HalfYearDialog::AddMonths(date, 6));
    EXPECT_EQ(COleDateTime(2005, 2, 28, 7, 0, 0), date);
    date = COleDateTime(2003, 8, 30, 7, 0, 0);
    EXPECT_EQ(1, HalfYearDialog::AddMonths(date, 6));
    EXPECT_EQ(COleDateTime(2004, 2, 29, 7, 0, 0), date);
    date = COleDateTime(2004, 3, 31, 7, 0, 0);
    EXPECT_EQ(1, HalfYearDialog::SubtractMonths(date, 6));
    EXPECT_EQ(COleDateTime(2003, 9, 30, 7, 0, 0), date);
    date = COleDateTime(9999, 12, 1, 0, 0, 0);
    EXPECT_EQ(0, HalfYearDialog::AddMonths(date, 1));
    EXPECT_EQ(COleDateTime(9999, 12, 1, 0, 0, 0), date);
}

TEST_F(HalfYear, EachCalendarCarriesTheMarksOfItsOwnGrid)
{
    StoreSampleCycle();
    Open(COleDateTime(2004, 5, 20, 10, 0, 0));
    for (int i = 0; i < 6; ++i)
        ExpectOwnSampleMarks(i);
    Command(IDC_HALF_NEXT);
    for (int i = 0; i < 6; ++i)
        ExpectOwnSampleMarks(i);
    Command(IDC_HALF_PREVIOUS);
    Command(IDC_HALF_PREVIOUS);
    for (int i = 0; i < 6; ++i)
        ExpectOwnSampleMarks(i);
}

TEST_F(HalfYear, ACalendarThatRefusesItsMonthKeepsItsOwnMarksAndTheOthersTheirs)
{
    // Day 1 of January 1973 at 00:00 is before the calendars' first month:
    // calendar 0 stays on the current month, March 1973.
    StoreSampleCycle();
    Open(COleDateTime(1973, 3, 15, 10, 0, 0));
    EXPECT_EQ(1973, Year(0));
    EXPECT_EQ(3, Month(0));
    for (int i = 1; i < 6; ++i) {
        EXPECT_EQ(1973, Year(i));
        EXPECT_EQ(i + 1, Month(i));
    }
    for (int i = 0; i < 6; ++i)
        ExpectOwnSampleMarks(i);
    Command(IDC_HALF_NEXT);
    EXPECT_EQ("1973-07..1973-12", Shown());
    for (int i = 0; i < 6; ++i)
        ExpectOwnSampleMarks(i);
    Command(IDC_HALF_PREVIOUS);
    for (int i = 0; i < 6; ++i)
        ExpectOwnSampleMarks(i);
}

TEST_F(HalfYear, APeriodAcrossJuneAndJulyIsWholeInBothHalfYears)
{
    StoreCycle(COleDateTime(2004, 6, 29, 8, 0, 0), 4, 24);
    Open(COleDateTime(2004, 5, 20, 10, 0, 0));
    const COleDateTime period[] = {Day(2004, 6, 29), Day(2004, 6, 30), Day(2004, 7, 1),
                                   Day(2004, 7, 2)};
    ASSERT_EQ(6, Month(5));
    for (const COleDateTime& day : period)
        EXPECT_EQ(CRITICAL_DAY_COLOR, dialog_.Calendar(5).GetDayColor(day)) << day.GetDay();
    EXPECT_TRUE(Displayed(5, Day(2004, 7, 1)));
    EXPECT_TRUE(Displayed(5, Day(2004, 7, 2)));
    EXPECT_FALSE(Displayed(4, Day(2004, 6, 1))); // May hides June's days
    EXPECT_EQ(0u, dialog_.Calendar(5).GetDayColor(Day(2004, 7, 3)));

    Command(IDC_HALF_NEXT);
    ASSERT_EQ(7, Month(0));
    for (const COleDateTime& day : period)
        EXPECT_EQ(CRITICAL_DAY_COLOR, dialog_.Calendar(0).GetDayColor(day)) << day.GetDay();
    EXPECT_EQ(0u, dialog_.Calendar(0).GetDayColor(Day(2004, 6, 28)));
    EXPECT_TRUE(Displayed(0, Day(2004, 6, 29)));
    EXPECT_TRUE(Displayed(0, Day(2004, 6, 30)));
    // In the second half-year only the July calendar shows June's days.
    for (int i = 1; i < 6; ++i)
        EXPECT_FALSE(Displayed(i, Day(2004, 6, 30))) << i;
}

namespace {

// Runs the dialog modally and plays the steps from a timer, one per tick.
struct Player {
    static HalfYearDialog* dialog;
    static std::vector<std::function<void(HWND)>> steps;
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        if (!dialog->m_hWnd || !IsWindowVisible(dialog->m_hWnd) || steps.empty())
            return;
        auto step = std::move(steps.front());
        steps.erase(steps.begin());
        step(dialog->m_hWnd);
    }
};
HalfYearDialog* Player::dialog = nullptr;
std::vector<std::function<void(HWND)>> Player::steps;

INT_PTR Play(HalfYearDialog& dialog, std::vector<std::function<void(HWND)>> steps)
{
    Player::dialog = &dialog;
    Player::steps = std::move(steps);
    const UINT_PTR timer = SetTimer(nullptr, 0, 30, &Player::Tick);
    const INT_PTR result = dialog.DoModal();
    KillTimer(nullptr, timer);
    return result;
}

void PostKey(HWND target, UINT message, WPARAM key)
{
    SetFocus(target);
    PostMessageA(target, message, key, message == WM_KEYUP ? 0xC0000001 : 1);
}

} // namespace

TEST(HalfYearModal, HelpAndEscapeAskForHelpAndTheCloseBoxCloses)
{
    fw::PinClock(COleDateTime(2004, 5, 20, 10, 0, 0));
    testing_support::HelpTopicRecorder help;
    HalfYearDialog dialog;
    std::string shownAfterEnter;
    const INT_PTR result =
        Play(dialog,
             {[](HWND d) { SendMessageA(GetDlgItem(d, IDC_HALF_HELP), BM_CLICK, 0, 0); },
              [](HWND d) { PostKey(GetDlgItem(d, IDC_HALF_CALENDAR0), WM_KEYDOWN, VK_ESCAPE); },
              [](HWND d) { PostKey(GetDlgItem(d, IDC_HALF_CALENDAR0 + 2), WM_KEYDOWN, VK_F1); },
              [](HWND d) { PostKey(GetDlgItem(d, IDC_HALF_CALENDAR0 + 2), WM_KEYUP, VK_F1); },
              // Enter, with no push button focused, presses the default button Next.
              [](HWND d) { PostKey(GetDlgItem(d, IDC_HALF_CALENDAR0 + 4), WM_KEYDOWN, VK_RETURN); },
              [&](HWND d) {
                  shownAfterEnter = std::to_string(dialog.Calendar(0).GetShownDate().GetMonth());
                  PostMessageA(d, WM_SYSCOMMAND, SC_CLOSE, 0);
              }});
    fw::UnpinClock();
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ("halfy;halfy;halfy;halfy;", help.Topics());
    EXPECT_EQ("7", shownAfterEnter);
    EXPECT_FALSE(dialog.IsWindow());
}

TEST(HalfYearModal, IsTranslatedAsDialog131WithItsCaption)
{
    testing_support::LanguageHost main("german", "[DialogID_131]\r\nID_0=Halbjahreskalender\r\n"
                                                 "ID_1006=&Weiter >>\r\n");

    HalfYearDialog dialog;
    std::string caption, next;
    Play(dialog, {[&](HWND d) {
             char text[256] = "";
             GetWindowTextA(d, text, sizeof(text));
             caption = text;
             GetDlgItemTextA(d, IDC_HALF_NEXT, text, sizeof(text));
             next = text;
             SendMessageA(GetDlgItem(d, IDC_HALF_CLOSE), BM_CLICK, 0, 0);
         }});
    EXPECT_EQ("Halbjahreskalender", caption);
    EXPECT_EQ("&Weiter >>", next);
    const std::string english = main.EnglishFile();
    EXPECT_NE(std::string::npos, english.find("[DialogID_131]"));
    EXPECT_NE(std::string::npos, english.find("Half-Year Calendar"));
}
