// "My period started today", from the icon's menu and from the Monitor
// page's button, in the running program: her period came two days after the
// one her 5 + 25 day cycle foretold. The stored first day becomes today, the
// record holds the first day entered before and today, and the Monitor
// calendar keeps the earlier period where it was, marks hers from today, and
// leaves the two days the cycle had foretold clear. Read as a screen reader
// reads it from outside: the calendar names its month and its days, and says
// of today that it is a critical day.
#include <oleacc.h>

#include "model/PeriodRecord.h"
#include "tests/blackbox/Program.h"
#include "tests/support/AccessibleClient.h"

namespace blackbox {
namespace {

using StartedTodayTest = BlackBoxTest;
using testing_support::Child;
using testing_support::DateText;

// Each day from `from` on as the Monitor calendar tells a screen reader: "x"
// critical, "." clear, "?" not shown. The calendar steps from the month it
// shows (`shown`, kept up to date) to each day's month.
std::string Marks(HWND calendar, COleDateTime& shown, const COleDateTime& from, int days)
{
    testing_support::Client client(calendar);
    std::string marks;
    for (int i = 0; i < days && client; ++i) {
        const COleDateTime day = from + COleDateTimeSpan(i);
        for (int months =
                 (day.GetYear() - shown.GetYear()) * 12 + day.GetMonth() - shown.GetMonth();
             months != 0; months += months > 0 ? -1 : 1)
            client->accDoDefaultAction(Child(months > 0 ? 2 : 1));
        shown = day;
        char mark = client.Name() == DateText(day, DATE_YEARMONTH) ? '?' : '!';
        for (LONG cell = 3; cell <= 44 && mark == '?'; ++cell)
            if (client.Name(cell) == DateText(day, DATE_LONGDATE))
                mark = client.Description(cell).find("critical") != std::string::npos ? 'x' : '.';
        marks += mark;
    }
    return marks;
}

TEST_F(StartedTodayTest, MenuAndButtonRecordTodayAndKeepTheEarlierPeriod)
{
    const COleDateTime now = COleDateTime::GetCurrentTime();
    const COleDateTime today(now.GetYear(), now.GetMonth(), now.GetDay(), 0, 0, 0);
    const COleDateTime entered = today - COleDateTimeSpan(32); // 2 days late
    const HRESULT com = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    for (const bool fromMenu : {true, false}) {
        SCOPED_TRACE(fromMenu ? "the icon's menu" : "the Monitor page's button");
        TearDown();
        ASSERT_TRUE(TestSettings().WriteDword(SettingVisibled, 1) &&
                    TestSettings().WriteStartDate(entered + COleDateTimeSpan(0, 9, 0, 0)) &&
                    TestSettings().WriteDword(SettingCritDayCount, 5) &&
                    TestSettings().WriteDword(SettingClearDayCount, 25));
        ProgramFolder folder;
        ASSERT_TRUE(folder.ready);
        Program program(folder);
        HWND main = program.Main();
        ASSERT_NE(main, nullptr);
        if (fromMenu)
            ::PostMessageA(main, WM_COMMAND, ID_MENU_STARTED_TODAY, 0);
        else
            ::PostMessageA(FindDescendant(main, IDC_MON_STARTED), BM_CLICK, 0, 0);
        COleDateTime stored;
        EXPECT_TRUE(WaitUntil([&] {
            return TestSettings().ReadStartDate(now, stored) && DayOf(stored) == DayOf(today);
        }));
        Settle(main);
        const PeriodRecord expected{{DayOf(entered), 5, 25}, {DayOf(today), 5, 25}};
        EXPECT_EQ(ReadPeriodRecord(TestSettings()), expected);
        HWND calendar = FindDescendant(main, IDC_MON_CALENDAR);
        {
            testing_support::Client client(calendar);
            ASSERT_TRUE(client) << "no object from outside: 0x" << std::hex << client.result;
            LONG count = 0;
            std::string marked;
            for (LONG child = 3; child <= 44; ++child)
                if (client.Description(child).find("today") != std::string::npos)
                    marked = client.Name(child) + " / " + client.Description(child);
            EXPECT_TRUE(client->get_accChildCount(&count) == S_OK && count == 44);
            EXPECT_EQ(client.Name(1) + " / " + client.Name(),
                      "Previous month / " + DateText(today, DATE_YEARMONTH));
            EXPECT_EQ(marked, DateText(today, DATE_LONGDATE) + " / critical day, today");
        }
        COleDateTime shown = today;
        EXPECT_EQ(Marks(calendar, shown, entered - COleDateTimeSpan(1), 7), ".xxxxx.");
        EXPECT_EQ(Marks(calendar, shown, today - COleDateTimeSpan(3), 9), "...xxxxx.");
    }
    if (SUCCEEDED(com))
        ::CoUninitialize();
}

} // namespace
} // namespace blackbox
