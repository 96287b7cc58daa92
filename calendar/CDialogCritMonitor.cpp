#include "calendar/CDialogCritMonitor.h"

#include "framework/WindowText.h"
#include "lang/LanguageManager.h"
#include "lang/ProgramTexts.h"
#include "model/CycleSuggestion.h"
#include "res/resource.h"
#include "ui/DialogLayout.h"

namespace {
constexpr int kCalendarY = 30; // pixels from the top of the page at 96 dpi
const int kButtonRow[] = {IDC_MON_TODAY, IDC_MON_HALFYEAR};
} // namespace

CDialogCritMonitor::CDialogCritMonitor(const fw::Clock& clock, HelpOpener& help,
                                       const LanguageManager& texts, const SettingsStore& settings,
                                       StoredCycle& stored)
    : CFramedPage(IDD_MONITOR, {"mon"}, help), clock_(clock), texts_(texts), settings_(settings),
      stored_(stored), calendar_(clock, texts)
{
}

CDialogCritMonitor::~CDialogCritMonitor() = default;

BEGIN_MESSAGE_MAP(CDialogCritMonitor, CFramedPage)
ON_COMMAND(IDC_MON_HALFYEAR, OnHalfYear)
ON_COMMAND(IDC_MON_TODAY, OnToday)
ON_MESSAGE(WM_CALENDAR_MARKDAYS, OnCalendarMarkDays)
ON_COMMAND(IDC_MON_STARTED, OnStarted)
ON_COMMAND(IDC_MON_HISTORY, OnHistory)
ON_COMMAND(IDC_MON_EXPORT, OnExport)
ON_COMMAND(IDC_MON_USE, OnUse)
ON_COMMAND(IDC_MON_DISMISS, OnDismiss)
END_MESSAGE_MAP()

BOOL CDialogCritMonitor::OnInitDialog()
{
    CFramedPage::OnInitDialog();
    LanguageManager::ExcludeFromTranslation(::GetDlgItem(m_hWnd, IDC_MON_STATUS));
    LanguageManager::ExcludeFromTranslation(::GetDlgItem(m_hWnd, IDC_MON_SUGGESTION));
    CreateCalendar();
    PlaceCalendar();
    return TRUE;
}

void CDialogCritMonitor::CreateCalendar()
{
    // The page opens on today's month.
    calendar_.CreateCalendar(this, IDC_MON_CALENDAR, 0, 0, TRUE, TRUE, TRUE, clock_.Now());
    // First in the page's Tab order, before its buttons.
    calendar_.SetWindowPos(HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// The calendar stands above its two buttons, its left edge on the Today
// button's (56 pixels with the template's font at 96 dpi), and the buttons
// span its width whatever the width of the dialog font.
void CDialogCritMonitor::PlaceCalendar()
{
    const RECT today = layout::ControlRect(m_hWnd, IDC_MON_TODAY);
    const RECT halfYear = layout::ControlRect(m_hWnd, IDC_MON_HALFYEAR);
    const int top = fw::ScaleToDpi(kCalendarY, calendar_.GetDpi());
    calendar_.SetWindowPos(nullptr, today.left, top, 0, 0,
                           SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    layout::SpreadRow(m_hWnd, kButtonRow, 2, halfYear.left - today.right, today.left,
                      today.left + calendar_.GetSize().cx);
}

void CDialogCritMonitor::OnDpiChanged(int dpi)
{
    CFramedPage::OnDpiChanged(dpi);
    calendar_.ApplyDpi(dpi);
    PlaceCalendar();
}

BOOL CDialogCritMonitor::OnSetActive()
{
    calendar_.Refresh(); // marks follow settings changed on other pages
    return CFramedPage::OnSetActive();
}

void CDialogCritMonitor::OnToday()
{
    const COleDateTime now = clock_.Now();
    calendar_.SetMonth(now);
    calendar_.SetCursorDay(now); // the focused day too
}

void CDialogCritMonitor::ShowToday()
{
    // A month the calendar takes is marked afresh by taking it.
    if (!calendar_.SetMonth(clock_.Now()))
        calendar_.Refresh();
}

void CDialogCritMonitor::ShowStatus(const CString& text)
{
    if (!IsWindow())
        return;
    const HWND line = GetDlgItem(IDC_MON_STATUS);
    if (line && fw::GetWindowText(line) != text)
        fw::SetWindowText(line, text);
}

void CDialogCritMonitor::ShowSuggestion()
{
    if (!IsWindow())
        return;
    const CycleSuggestion suggestion = StoredSuggestion(settings_, stored_);
    const CString text = suggestion ? texts_.Format(TextId::CycleSuggestion, suggestion.cycles,
                                                    {std::to_string(suggestion.cycles),
                                                     std::to_string(suggestion.medianDays)})
                                    : CString();
    const HWND line = GetDlgItem(IDC_MON_SUGGESTION);
    if (line && fw::GetWindowText(line) != text)
        fw::SetWindowText(line, text);
    // The focus leaves a button that hides for the line above.
    const HWND focus = ::GetFocus();
    for (int id : {IDC_MON_SUGGESTION, IDC_MON_USE, IDC_MON_DISMISS}) {
        const HWND control = GetDlgItem(id);
        if (!suggestion && control == focus)
            ::SetFocus(GetDlgItem(IDC_MON_HISTORY));
        ::ShowWindow(control, suggestion ? SW_SHOWNA : SW_HIDE);
    }
}

void CDialogCritMonitor::PassOn(int id)
{
    const HWND main = ::GetAncestor(m_hWnd, GA_ROOT);
    if (main && main != m_hWnd)
        ::SendMessageW(main, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
}

bool CDialogCritMonitor::IsCriticalDay(const COleDateTime& date) const
{
    return calendar_.GetDayColor(date) == CRITICAL_DAY_COLOR;
}

LRESULT CDialogCritMonitor::OnCalendarMarkDays(WPARAM, LPARAM lParam)
{
    const CalendarMarkRequest* request = CalendarMarkRequest::Of(lParam);
    if (request && request->header.hwndFrom == calendar_.m_hWnd)
        MarkDaysFromSettings(stored_, calendar_, request->first, request->last);
    return 0;
}
