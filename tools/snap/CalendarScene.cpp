// Scene "calendar": one month calendar with its month buttons, as the Monitor
// page holds it, marked with the sample cycle (5 critical days every 28 days,
// one period starting 2004-03-10 09:30) on a pinned today, 2004-03-12. The
// marks come from fixed values, so no settings are read or written.
// Argument: the month to show as "yyyy-mm"; anything else shows March 2004.
// With "+focus" after it, the calendar has the focus (its focused day framed).
#include <windows.h>

#include <cstdio>
#include <memory>

#include "SampleCycle.h"
#include "Scene.h"
#include "calendar/MonthCalendarCtrl.h"
#include "framework/DateTime.h"
#include "framework/Wnd.h"
#include "model/CycleCalculator.h"
#include "res/resource.h"

namespace snap {

namespace {

constexpr int kMargin = 12;

class CalendarHost : public CWnd {
public:
    MonthCalendarCtrl calendar{TheClock(), TheTexts()};

    bool Create()
    {
        const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
        RECT frame{0, 0, MonthCalendarCtrl::kWidth + 2 * kMargin,
                   MonthCalendarCtrl::kHeight + 2 * kMargin};
        ::AdjustWindowRectEx(&frame, style, FALSE, 0);
        const RECT rect{0, 0, frame.right - frame.left, frame.bottom - frame.top};
        return CreateEx(0, nullptr, "Calendar", style, rect, nullptr, 0);
    }

    void OnPaint()
    {
        CPaintDC dc(m_hWnd);
        dc.FillSolidRect(GetClientRect(), ::GetSysColor(COLOR_BTNFACE));
    }

    LRESULT OnCalendarMarkDays(WPARAM, LPARAM lParam)
    {
        const CalendarMarkRequest* request = CalendarMarkRequest::Of(lParam);
        if (request && request->header.hwndFrom == calendar.m_hWnd)
            MarkCriticalDays(&calendar, request->first, request->last,
                             COleDateTime(2004, 3, 10, 9, 30, 0), 5, 23);
        return 0;
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CalendarHost, CWnd)
ON_WM_PAINT()
ON_MESSAGE(WM_CALENDAR_MARKDAYS, OnCalendarMarkDays)
END_MESSAGE_MAP()

std::unique_ptr<CalendarHost> g_host;

COleDateTime MonthOf(const std::string& argument)
{
    int year = 0, month = 0;
    if (std::sscanf(argument.c_str(), "%d-%d", &year, &month) == 2) {
        COleDateTime date(year, month, 1, 12, 0, 0);
        if (date.GetStatus() == COleDateTime::valid)
            return date;
    }
    return COleDateTime(2004, 3, 1, 12, 0, 0);
}

HWND CreateCalendarScene(const std::string& argument)
{
    TheClock().now = COleDateTime(2004, 3, 12, 10, 0, 0);
    g_host = std::make_unique<CalendarHost>();
    if (!g_host->Create() || !g_host->calendar.CreateCalendar(g_host.get(), IDC_MON_CALENDAR,
                                                              kMargin, kMargin, TRUE, TRUE, TRUE)) {
        std::fprintf(stderr, "the calendar could not be created\n");
        return nullptr;
    }
    if (!g_host->calendar.SetMonth(MonthOf(argument)))
        std::fprintf(stderr, "month %s refused; showing March 2004\n", argument.c_str());
    if (argument.find("+focus") != std::string::npos) {
        g_host->ShowWindow(SW_SHOW);
        ::SetForegroundWindow(g_host->m_hWnd);
        g_host->calendar.SetFocus();
    }
    return g_host->m_hWnd;
}

SceneRegistration calendarScene({"calendar", "[yyyy-mm][+focus]", CreateCalendarScene});

} // namespace

} // namespace snap
