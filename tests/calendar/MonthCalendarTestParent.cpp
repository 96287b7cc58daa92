#include "tests/calendar/MonthCalendarTestParent.h"

namespace calendar_tests {

BEGIN_MESSAGE_MAP(TestParent, CWnd)
ON_MESSAGE(WM_CALENDAR_MARKDAYS, OnCalendarMarkDays)
ON_MESSAGE(WM_COMMAND, OnAnyCommand)
END_MESSAGE_MAP()

} // namespace calendar_tests
