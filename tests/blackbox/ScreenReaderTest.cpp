// The running program read as a screen reader reads it, from this process:
// the Monitor calendar's accessible object, asked for from outside, names
// its month and its days, and says of today, the first day of a period,
// that it is a critical day.
#include <oleacc.h>

#include "tests/blackbox/Program.h"
#include "tests/support/AccessibleClient.h"

namespace blackbox {
namespace {

using ScreenReaderTest = BlackBoxTest;
using testing_support::DateText;

TEST_F(ScreenReaderTest, TheMonitorCalendarNamesItsDaysAndTheirMarksToAClientOutside)
{
    const COleDateTime now = COleDateTime::GetCurrentTime();
    ASSERT_TRUE(WriteSettingDword(SettingVisibled, 1) && WriteStartDate(SettingStartDate, now) &&
                WriteSettingDword(SettingCritDayCount, 5) &&
                WriteSettingDword(SettingClearDayCount, 23));
    ProgramFolder folder;
    ASSERT_TRUE(folder.ready);
    Program program(folder);
    HWND main = program.Main();
    ASSERT_NE(main, nullptr);
    HWND calendar = FindDescendant(main, IDC_MON_CALENDAR);
    ASSERT_NE(calendar, nullptr);

    const HRESULT com = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    {
        testing_support::Client client(calendar);
        ASSERT_TRUE(client) << "no object from outside: 0x" << std::hex << client.result;
        EXPECT_EQ(client.Name(), DateText(now, DATE_YEARMONTH));
        LONG count = 0;
        EXPECT_EQ(client->get_accChildCount(&count), S_OK);
        EXPECT_EQ(count, 44);
        std::string today;
        for (LONG child = 3; child <= 44; ++child)
            if (client.Description(child).find("today") != std::string::npos)
                today = client.Name(child) + " / " + client.Description(child);
        EXPECT_EQ(today, DateText(now, DATE_LONGDATE) + " / critical day, today");
        EXPECT_EQ(client.Name(1), "Previous month");
    }
    if (SUCCEEDED(com))
        ::CoUninitialize();
}

} // namespace
} // namespace blackbox
