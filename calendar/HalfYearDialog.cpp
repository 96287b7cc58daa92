#include "calendar/HalfYearDialog.h"

#include "lang/LanguageManager.h"
#include "model/HalfYear.h"
#include "res/resource.h"
#include "ui/DialogLayout.h"
#include "ui/HelpTopic.h"

namespace {

// The calendars' block: 17 pixels from the left with the template's font at
// 96 dpi, 17 pixels from the top, one pixel between calendars (steps of 208
// and 161 pixels); every pixel length x dpi / 96 at another scale.
constexpr int kLeftUnits = 11;
constexpr int kTop = 17;
constexpr int kGap = 1;
// Pixels between the calendars' block and the buttons at 96 dpi (the
// template's buttons start 9 pixels below the last row).
constexpr int kButtonsBelow = 9;
const int kButtonRow[] = {IDC_HALF_PREVIOUS, IDC_HALF_TODAY, IDC_HALF_NEXT, IDC_HALF_CLOSE,
                          IDC_HALF_HELP};
constexpr int kButtonCount = sizeof(kButtonRow) / sizeof(kButtonRow[0]);

} // namespace

HalfYearDialog::HalfYearDialog(const fw::Clock& clock, HelpOpener& help,
                               const LanguageManager& texts, StoredCycle& stored, CWnd* parent)
    : CDialog(IDD_HALFYEAR, parent), clock_(clock), help_(help), texts_(texts),
      stored_(stored), calendars_{MonthCalendarCtrl(clock, texts), MonthCalendarCtrl(clock, texts),
                                  MonthCalendarCtrl(clock, texts), MonthCalendarCtrl(clock, texts),
                                  MonthCalendarCtrl(clock, texts), MonthCalendarCtrl(clock, texts)}
{
}

HalfYearDialog::~HalfYearDialog() = default;

void HalfYearDialog::Refresh()
{
    for (MonthCalendarCtrl& calendar : calendars_)
        calendar.Refresh();
}

BEGIN_MESSAGE_MAP(HalfYearDialog, CDialog)
ON_COMMAND(IDC_HALF_PREVIOUS, OnPrevious)
ON_COMMAND(IDC_HALF_NEXT, OnNext)
ON_COMMAND(IDC_HALF_TODAY, OnToday)
ON_COMMAND(IDC_HALF_HELP, OnHelp)
ON_MESSAGE(WM_CALENDAR_MARKDAYS, OnCalendarMarkDays)
ON_WM_CLOSE()
ON_MESSAGE(WM_DPICHANGED, OnDpiChanged)
END_MESSAGE_MAP()

BOOL HalfYearDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    CString section;
    texts_.TranslateDialog(true, true, this, IDD_HALFYEAR, 0, section);
    // The month steps take what their translated texts need, growing left.
    layout::ButtonRow steps{IDC_HALF_PREVIOUS, IDC_HALF_TODAY, IDC_HALF_NEXT};
    steps.Fit(m_hWnd, layout::DialogUnitsX(m_hWnd, kLeftUnits));
    anchor_ = clock_.Now();
    CreateCalendars();
    PlaceCalendars();
    // The keyboard starts on today (its calendar's cursor is there), or on
    // the first calendar when none shows today; Enter closes.
    MonthCalendarCtrl* today = CalendarShowing(anchor_);
    (today ? today : &calendars_[0])->SetFocus();
    return FALSE; // the focus is set
}

// Each calendar is made on its month of the anchor's half-year.
void HalfYearDialog::CreateCalendars()
{
    for (int i = 0; i < kCalendarCount; ++i)
        calendars_[i].CreateCalendar(this, IDC_HALF_CALENDAR0 + i, 0, 0, FALSE, i == 0, i == 5,
                                     MonthOfHalfYear(anchor_, i));
}

// The calendars in two rows at the dialog's scale. With another dialog font
// than the template's, the buttons are moved to end where the calendars end,
// and the dialog is made as wide as the calendars with their margins.
void HalfYearDialog::PlaceCalendars()
{
    const fw::Dpi dpi(calendars_[0].GetDpi());
    const SIZE size = calendars_[0].GetSize();
    const int left = layout::DialogUnitsX(m_hWnd, kLeftUnits);
    const int columnStep = size.cx + dpi(kGap), rowStep = size.cy + dpi(kGap);
    for (int i = 0; i < kCalendarCount; ++i)
        calendars_[i].SetWindowPos(nullptr, left + columnStep * (i % 3),
                                   dpi(kTop) + rowStep * (i / 3), 0, 0,
                                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    const int right = left + 2 * columnStep + size.cx;
    const int slack = layout::DialogUnitsX(m_hWnd, 1);
    const int rowEnd = layout::ControlRect(m_hWnd, IDC_HALF_HELP).right;
    if (rowEnd > right + slack || rowEnd < right - slack)
        layout::ShiftControls(m_hWnd, kButtonRow, kButtonCount, right - rowEnd);
    // The buttons keep below the calendars what the template leaves them.
    const int below = dpi(kTop) + 2 * rowStep - dpi(kGap) + dpi(kButtonsBelow);
    const int rowTop = layout::ControlRect(m_hWnd, IDC_HALF_HELP).top;
    const int down = rowTop < below - layout::DialogUnitsY(m_hWnd, 1) ? below - rowTop : 0;
    if (down > 0)
        layout::ShiftControls(m_hWnd, kButtonRow, kButtonCount, 0, down);
    const RECT client = GetClientRect();
    const int width = right + left;
    if (client.right > width + slack || client.right < width - slack || down > 0) {
        const RECT window = GetWindowRect();
        const int wide = client.right > width + slack || client.right < width - slack;
        SetWindowPos(nullptr, 0, 0, window.right - window.left + (wide ? width - client.right : 0),
                     window.bottom - window.top + down, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

// Moved to a monitor of another scale: the system scales the dialog's own
// controls; the calendars and the dialog's width follow here.
LRESULT HalfYearDialog::OnDpiChanged(WPARAM, LPARAM suggested)
{
    const LRESULT result = Default();
    layout::TakeSuggestedPlace(m_hWnd, suggested);
    for (MonthCalendarCtrl& calendar : calendars_)
        calendar.ApplyDpi(layout::LayoutDpi(m_hWnd));
    PlaceCalendars();
    return result;
}

void HalfYearDialog::ShowHalfYear(const COleDateTime& anchor)
{
    if (anchor.GetStatus() != COleDateTime::valid)
        return;
    for (int i = 0; i < kCalendarCount; ++i)
        calendars_[i].SetMonth(MonthOfHalfYear(anchor, i));
}

LRESULT HalfYearDialog::OnCalendarMarkDays(WPARAM, LPARAM lParam)
{
    const CalendarMarkRequest* request = CalendarMarkRequest::Of(lParam);
    if (MonthCalendarCtrl* calendar = request ? CalendarOf(request->header.hwndFrom) : nullptr)
        MarkDaysFromSettings(stored_, *calendar, request->first, request->last);
    return 0;
}

// A day outside the focused calendar's month goes to the calendar showing
// it, past the half-year's ends to the next or previous half-year.
bool HalfYearDialog::MoveCursorAcross(HWND from, WPARAM key)
{
    MonthCalendarCtrl* focused = CalendarOf(from);
    const COleDateTime target = focused ? focused->CursorTarget(key) : COleDateTime();
    if (!focused || target.GetStatus() != COleDateTime::valid || focused->IsInShownMonth(target))
        return false;
    MonthCalendarCtrl* to = CalendarShowing(target);
    if (!to) {
        target < focused->GetCursorDay() ? OnPrevious() : OnNext();
        to = CalendarShowing(target);
    }
    if (to && to->SetCursorDay(target))
        to->SetFocus();
    return true;
}

MonthCalendarCtrl* HalfYearDialog::CalendarShowing(const COleDateTime& day)
{
    for (MonthCalendarCtrl& calendar : calendars_)
        if (calendar.IsInShownMonth(day))
            return &calendar;
    return nullptr;
}

MonthCalendarCtrl* HalfYearDialog::CalendarOf(HWND window)
{
    for (MonthCalendarCtrl& calendar : calendars_)
        if (calendar.m_hWnd == window)
            return &calendar;
    return nullptr;
}

bool HalfYearDialog::IsCalendar(HWND window) const
{
    for (const MonthCalendarCtrl& calendar : calendars_)
        if (calendar.m_hWnd == window)
            return true;
    return false;
}

void HalfYearDialog::Step(int step)
{
    const COleDateTime to = StepHalfYear(anchor_, step);
    if (to.GetStatus() != COleDateTime::valid)
        return;
    anchor_ = to;
    ShowHalfYear(anchor_);
}

void HalfYearDialog::OnToday()
{
    anchor_ = clock_.Now();
    ShowHalfYear(anchor_);
}

void HalfYearDialog::OnHelp()
{
    help_.OpenTopic("halfy"); // the dialog stays open; only Close ends it
}

BOOL HalfYearDialog::PreTranslateMessage(MSG* message)
{
    // Page Up and Page Down step the half-year, as the buttons do; the
    // cursor keys move the focused day across the six calendars.
    if (message->message == WM_KEYDOWN && IsCalendar(message->hwnd)) {
        if (const int step = MonthStepOfKey(message->wParam)) {
            step < 0 ? OnPrevious() : OnNext();
            return TRUE;
        }
        if (MoveCursorAcross(message->hwnd, message->wParam))
            return TRUE;
    }
    if (IsHelpKey(message)) {
        help_.OpenTopic("halfy");
        return TRUE;
    }
    return CDialog::PreTranslateMessage(message);
}
