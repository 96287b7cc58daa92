#pragma once
// A small owner for month calendars under test: a visible popup that answers
// WM_CALENDAR_MARKDAYS as the program's owners do (the cycle calculation
// with the stored settings, on the calendar that is asking) and records
// every request and every command it receives.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "calendar/MonthCalendarCtrl.h"
#include "framework/DateTime.h"
#include "framework/Wnd.h"
#include "model/CycleCalculator.h"
#include "model/Settings.h"
#include "res/resource.h"

namespace calendar_tests {

struct MarkRequest {
    MonthCalendarCtrl* sender; // MonthCalendarCtrl::Refreshing() at that moment
    int64_t first;
    int64_t last;
};

class TestParent : public CWnd {
public:
    bool Create()
    {
        return CreateEx(0, nullptr, "calendar test", WS_POPUP | WS_VISIBLE, RECT{20, 20, 680, 380},
                        nullptr, 0);
    }

    std::vector<MarkRequest> requests;
    int commands = 0;
    bool mark = true;

    LRESULT OnCalendarMarkDays(WPARAM first, LPARAM last)
    {
        MonthCalendarCtrl* sender = MonthCalendarCtrl::Refreshing();
        requests.push_back({sender, static_cast<int64_t>(first), static_cast<int64_t>(last)});
        if (mark && sender && sender->GetParent() == this)
            MarkDaysFromSettings(sender, first, last);
        return 0;
    }
    LRESULT OnAnyCommand(WPARAM, LPARAM)
    {
        ++commands;
        return 0;
    }

    DECLARE_MESSAGE_MAP()
};

// The sample cycle: periods of 5 critical days every 28 days from 2004-03-10 09:30.
inline void StoreSampleCycle(const COleDateTime& start = COleDateTime(2004, 3, 10, 9, 30, 0))
{
    WriteStartDate(SettingStartDate, start);
    WriteSettingDword(SettingCritDayCount, 5);
    WriteSettingDword(SettingClearDayCount, 23);
}

inline bool SameDay(const COleDateTime& a, const COleDateTime& b)
{
    return a.GetYear() == b.GetYear() && a.GetMonth() == b.GetMonth() && a.GetDay() == b.GetDay();
}

inline const CalendarCell& Cell(const MonthCalendarCtrl& calendar, int index)
{
    return *calendar.GetCell(index / MonthCalendarCtrl::kColumns,
                             index % MonthCalendarCtrl::kColumns);
}

inline int64_t Time64(const COleDateTime& date)
{
    int64_t value = 0;
    EXPECT_TRUE(date.ToTime64(value));
    return value;
}

// Pins today to 2004-03-12 (a Friday) and stores the sample cycle.
class CalendarTest : public testing::Test {
protected:
    void SetUp() override
    {
        fw::PinClock(COleDateTime(2004, 3, 12, 10, 15, 0));
        StoreSampleCycle();
        ASSERT_TRUE(parent.Create());
    }
    void TearDown() override { fw::UnpinClock(); }

    TestParent parent;
};

} // namespace calendar_tests
