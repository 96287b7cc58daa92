#include "calendar/CDialogCritMonitor.h"

#include "calendar/HalfYearDialog.h"
#include "model/CycleCalculator.h"
#include "model/Settings.h"
#include "res/resource.h"
#include "ui/Drawing.h"
#include "ui/HelpTopic.h"

namespace {
constexpr int kCalendarX = 56;
constexpr int kCalendarY = 30;
} // namespace

CDialogCritMonitor::CDialogCritMonitor() : CPropertyPage(IDD_MONITOR) {}

CDialogCritMonitor::~CDialogCritMonitor() = default;

BEGIN_MESSAGE_MAP(CDialogCritMonitor, CPropertyPage)
ON_WM_PAINT()
ON_WM_CTLCOLOR()
ON_COMMAND(IDC_MON_HALFYEAR, OnHalfYear)
ON_COMMAND(IDC_MON_TODAY, OnToday)
ON_MESSAGE(WM_CALENDAR_MARKDAYS, OnCalendarMarkDays)
END_MESSAGE_MAP()

BOOL CDialogCritMonitor::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    background_.CreateSolidBrush(::GetSysColor(COLOR_BTNFACE));
    calendar_.CreateCalendar(this, IDC_MON_CALENDAR, kCalendarX, kCalendarY, TRUE, TRUE, TRUE);
    // The page opens on the month of the stored first day of a period; a
    // date the calendar refuses leaves it on the current month.
    COleDateTime start;
    ReadStartDate(SettingStartDate, start);
    if (start.GetStatus() == COleDateTime::valid)
        calendar_.SetMonth(start);
    return TRUE;
}

BOOL CDialogCritMonitor::OnSetActive()
{
    calendar_.Refresh(); // marks follow settings changed on other pages
    return CPropertyPage::OnSetActive();
}

void CDialogCritMonitor::OnToday()
{
    calendar_.SetMonth(COleDateTime::GetCurrentTime());
}

void CDialogCritMonitor::OnHalfYear()
{
    HalfYearDialog dialog;
    dialog.DoModal();
}

void CDialogCritMonitor::ShowToday()
{
    calendar_.SetMonth(COleDateTime::GetCurrentTime());
    calendar_.Refresh();
}

bool CDialogCritMonitor::IsCriticalDay(const COleDateTime& date) const
{
    return calendar_.GetDayColor(date) == CRITICAL_DAY_COLOR;
}

LRESULT CDialogCritMonitor::OnCalendarMarkDays(WPARAM first, LPARAM last)
{
    MarkDaysFromSettings(calendar_, first, last);
    return 0;
}

void CDialogCritMonitor::OnPaint()
{
    DrawPageFrame(this, 0, 0, 0);
}

HBRUSH CDialogCritMonitor::OnCtlColor(CDC*, HWND window, UINT)
{
    if (background_.GetSafeHandle() && window == m_hWnd)
        return background_;
    return nullptr; // the framework's colours
}

BOOL CDialogCritMonitor::PreTranslateMessage(MSG* message)
{
    if ((message->message == WM_KEYDOWN || message->message == WM_KEYUP) &&
        message->wParam == VK_F1) {
        OpenHelpTopic("mon");
        return TRUE;
    }
    return CPropertyPage::PreTranslateMessage(message);
}
