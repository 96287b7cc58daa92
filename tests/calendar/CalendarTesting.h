#pragma once
// What the calendar tests share: the sample cycle, today pinned to Friday
// 2004-03-12, and an owner for month calendars that answers their range
// message as the program's owners do (the cycle calculation with the stored
// settings, on the calendar asking) and records each request; the half-year
// calendar, shown modally, is worked by a ModalScript.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "calendar/MonthCalendarCtrl.h"
#include "lang/LanguageManager.h"
#include "model/StoredCycle.h"
#include "res/resource.h"
#include "tests/support/FixedClock.h"
#include "tests/support/ModalScript.h"
#include "tests/support/Sandbox.h"
#include "tests/ui/PixelTesting.h"
#include "ui/DialogLayout.h"

namespace calendar_testing {

using testing_support::ModalScript;

// Periods of 5 days every 28 days, one from the start (2004-03-10 09:30).
inline void StoreSampleCycle(const COleDateTime& start = COleDateTime(2004, 3, 10, 9, 30, 0),
                             DWORD critical = 5, DWORD clear = 23)
{
    TestSettings().WriteStartDate(start);
    TestSettings().WriteDword(SettingCritDayCount, critical);
    TestSettings().WriteDword(SettingClearDayCount, clear);
}

// The day's place in a cycle of that many days with a period from the start
// (by default the sample cycle's: 0 to 4 are its critical days).
inline int64_t SampleOffset(const COleDateTime& day,
                            int64_t start = COleDateTime(2004, 3, 10, 0, 0, 0).DayNumber(),
                            int64_t days = 28)
{
    return ((day.DayNumber() - start) % days + days) % days;
}

// The cell (0 to 41) with the focus frame, read from a calendar's pixels at
// 96 dpi: two pixels thick, two inside the cell (clear of today's rings), in
// one colour other than the cell's fill; -1 for none, 99 for more than one.
inline int FocusedCell(const pixel_testing::Pixels& p)
{
    int found = -1;
    for (int i = 0; i < 42; ++i) {
        const int x = 2 + i % 7 * 29, y = 42 + i / 7 * 19;
        const COLORREF frame = p(x + 2, y + 2);
        bool whole = frame != p(x + 5, y + 9);
        for (int d = 0; d < 2; ++d) {
            for (int dx = 2; dx < 27; ++dx)
                whole = whole && p(x + dx, y + 2 + d) == frame && p(x + dx, y + 16 - d) == frame;
            for (int dy = 2; dy < 17; ++dy)
                whole = whole && p(x + 2 + d, y + dy) == frame && p(x + 26 - d, y + dy) == frame;
        }
        if (whole)
            found = found < 0 ? i : 99;
    }
    return found;
}
// The cell's background (its mark where it has one), beside the number.
inline COLORREF CellBackground(const pixel_testing::Pixels& p, int index)
{
    return p(2 + index % 7 * 29 + 5, 42 + index / 7 * 19 + 9);
}

struct Request {
    MonthCalendarCtrl* sender; // the calendar named by the request
    COleDateTime first, last;
};

class CalendarTest : public testing::Test {
protected:
    void SetUp() override
    {
        StoreSampleCycle();
        parent.on[WM_CALENDAR_MARKDAYS] = [this](WPARAM id, LPARAM lParam) {
            const CalendarMarkRequest& request = *CalendarMarkRequest::Of(lParam);
            auto* sender = dynamic_cast<MonthCalendarCtrl*>(
                CWnd::FromHandlePermanent(request.header.hwndFrom));
            EXPECT_EQ(id, request.header.idFrom);
            requests.push_back({sender, request.first, request.last});
            if (onRequest)
                onRequest(sender);
            if (mark && sender)
                MarkDaysFromSettings(stored, sender, request.first, request.last);
            return LRESULT{0};
        };
        parent.on[WM_COMMAND] = [this](WPARAM, LPARAM) { return ++commands, LRESULT{0}; };
    }
    const CalendarCell& Cell(const MonthCalendarCtrl& calendar, int index) const
    {
        return *calendar.GetCell(index / 7, index % 7);
    }

    testing_support::FixedClock clock{COleDateTime(2004, 3, 12, 10, 15, 0)};
    LanguageManager texts{std::wstring()}; // no language files: the built-in English
    StoredCycle stored{TestSettings()};
    pixel_testing::Window parent{RECT{20, 20, 680, 380}};
    std::vector<Request> requests;
    std::function<void(MonthCalendarCtrl*)> onRequest; // before the marks
    bool mark = true;
    int commands = 0;
};

} // namespace calendar_testing
