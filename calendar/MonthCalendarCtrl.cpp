#include "calendar/MonthCalendarCtrl.h"

#include <cstdint>

#include "calendar/CalendarAccessible.h"

#include "framework/DateFormat.h"
#include "res/resource.h"
#include "ui/DialogLayout.h"
#include "ui/Drawing.h"
#include "ui/HighContrast.h"

namespace {

// The calendar inside its synchronous WM_CALENDAR_MARKDAYS, for Refreshing().
thread_local MonthCalendarCtrl* t_refreshing = nullptr;

bool SameDay(const COleDateTime& a, const COleDateTime& b)
{
    return a.GetYear() == b.GetYear() && a.GetMonth() == b.GetMonth() && a.GetDay() == b.GetDay();
}

int MonthIndex(const COleDateTime& date)
{
    return date.GetYear() * 12 + date.GetMonth();
}

CursorMove MoveOfKey(WPARAM key)
{
    switch (key) {
    case VK_LEFT:
        return CursorMove::DayBack;
    case VK_RIGHT:
        return CursorMove::DayOn;
    case VK_UP:
        return CursorMove::WeekBack;
    case VK_DOWN:
        return CursorMove::WeekOn;
    case VK_HOME:
        return CursorMove::MonthStart;
    case VK_END:
        return CursorMove::MonthEnd;
    default:
        return CursorMove::None;
    }
}

// Marks who is refreshing for the duration of one send, nesting safely.
class RefreshScope {
public:
    RefreshScope(MonthCalendarCtrl* calendar, bool& flag) : outer_(t_refreshing), flag_(flag)
    {
        t_refreshing = calendar;
        flag_ = true;
    }
    ~RefreshScope()
    {
        t_refreshing = outer_;
        flag_ = false;
    }
    RefreshScope(const RefreshScope&) = delete;
    RefreshScope& operator=(const RefreshScope&) = delete;

private:
    MonthCalendarCtrl* outer_;
    bool& flag_;
};

} // namespace

BEGIN_MESSAGE_MAP(MonthCalendarCtrl, CWnd)
ON_WM_PAINT()
ON_MESSAGE(WM_GETDLGCODE, OnGetDlgCode)
ON_MESSAGE(WM_KEYDOWN, OnKeyDown)
ON_MESSAGE(WM_SETFOCUS, OnFocusChange)
ON_MESSAGE(WM_KILLFOCUS, OnFocusChange)
ON_MESSAGE(WM_LBUTTONDOWN, OnLButtonDown)
ON_MESSAGE(WM_UPDATEUISTATE, OnUpdateUiState)
ON_MESSAGE(WM_GETOBJECT, OnGetObject)
ON_MESSAGE(WM_DESTROY, OnDestroy)
ON_MESSAGE(WM_SYSCOLORCHANGE, OnSysColorChange)
ON_MESSAGE(WM_SETTINGCHANGE, OnSettingChange)
ON_COMMAND(IDC_CAL_PREV_MONTH, OnPrevMonth)
ON_COMMAND(IDC_CAL_NEXT_MONTH, OnNextMonth)
END_MESSAGE_MAP()

MonthCalendarCtrl::MonthCalendarCtrl(const fw::Clock& clock, const LanguageManager& texts)
    : clock_(clock), texts_(texts), shownDate_(clock.Now())
{
    cursor_.SetStatus(COleDateTime::invalid); // placed by the first rebuild
}

MonthCalendarCtrl::~MonthCalendarCtrl()
{
    if (t_refreshing == this)
        t_refreshing = nullptr;
    prevButton_.DestroyWindow();
    nextButton_.DestroyWindow();
    boldFont_.DeleteObject();
    normalFont_.DeleteObject();
    DestroyWindow();
    ReleaseAccessible();
}

MonthCalendarCtrl* MonthCalendarCtrl::Refreshing()
{
    return t_refreshing;
}

BOOL MonthCalendarCtrl::CreateCalendar(CWnd* parent, UINT id, int x, int y, BOOL withButtons,
                                       BOOL showLeading, BOOL showTrailing)
{
    return CreateCalendar(parent, id, x, y, withButtons, showLeading, showTrailing, clock_.Now());
}

BOOL MonthCalendarCtrl::CreateCalendar(CWnd* parent, UINT id, int x, int y, BOOL withButtons,
                                       BOOL showLeading, BOOL showTrailing,
                                       const COleDateTime& month)
{
    if (IsWindow())
        DestroyWindow();
    shownDate_ = IsShowable(month) ? month : clock_.Now();
    grid_ = MonthGrid(shownDate_, fw::UserFirstWeekday());
    dpi_ = fw::Dpi(layout::LayoutDpi(parent ? parent->m_hWnd : nullptr));
    SetPaintColours();
    CreateFonts();
    const SIZE size = GetSize();
    const RECT rect{x, y, x + size.cx, y + size.cy};
    announcedMonth_ = 0;
    if (!CreateEx(0, nullptr, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, rect, parent, id))
        return FALSE;
    withButtons_ = withButtons != FALSE;
    const bool created = CreateMonthButtons(withButtons != FALSE);
    showLeading_ = showLeading ? 1 : 0;
    showTrailing_ = showTrailing ? 1 : 0;
    Refresh();
    return created ? TRUE : FALSE;
}

void MonthCalendarCtrl::SetPaintColours()
{
    highContrast_ = IsHighContrast();
    if (highContrast_) {
        SetHighContrastColours();
        return;
    }
    colours_[BandText] = ::GetSysColor(COLOR_CAPTIONTEXT);
    colours_[BandBackground] = ::GetSysColor(COLOR_HIGHLIGHT);
    colours_[WeekdayText] = ::GetSysColor(COLOR_HIGHLIGHT);
    colours_[WeekdayBackground] = ::GetSysColor(COLOR_WINDOW);
    colours_[WeekdayLine] = ::GetSysColor(COLOR_BTNFACE);
    colours_[DayText] = ::GetSysColor(COLOR_BTNTEXT);
    colours_[OtherDayText] = ::GetSysColor(COLOR_GRAYTEXT);
    colours_[DayBackground] = ::GetSysColor(COLOR_WINDOW);
    // Between the face and the window (the face lightened, with a white
    // window): the grey text reads on both, so it reads here.
    colours_[OtherDayBackground] =
        MixColors(::GetSysColor(COLOR_BTNFACE), ::GetSysColor(COLOR_WINDOW), 0.5);
    colours_[Body] = ::GetSysColor(COLOR_WINDOW);
    colours_[Frame] = ::GetSysColor(COLOR_BTNFACE);
    colours_[TodayRing] = ::GetSysColor(COLOR_HIGHLIGHT);
}

// The band in the button colours, the weekdays and days in the window
// colours, the neighbouring months' days told apart by the grey text alone.
void MonthCalendarCtrl::SetHighContrastColours()
{
    colours_[BandText] = ::GetSysColor(COLOR_BTNTEXT);
    colours_[BandBackground] = ::GetSysColor(COLOR_BTNFACE);
    colours_[WeekdayText] = ::GetSysColor(COLOR_WINDOWTEXT);
    colours_[WeekdayBackground] = ::GetSysColor(COLOR_WINDOW);
    colours_[WeekdayLine] = ::GetSysColor(COLOR_WINDOWTEXT);
    colours_[DayText] = ::GetSysColor(COLOR_WINDOWTEXT);
    colours_[OtherDayText] = ::GetSysColor(COLOR_GRAYTEXT);
    colours_[DayBackground] = ::GetSysColor(COLOR_WINDOW);
    colours_[OtherDayBackground] = ::GetSysColor(COLOR_WINDOW);
    colours_[Body] = ::GetSysColor(COLOR_WINDOW);
    colours_[Frame] = ::GetSysColor(COLOR_BTNFACE);
    colours_[TodayRing] = ::GetSysColor(COLOR_WINDOWTEXT);
}

// Another colour scheme (or high contrast turned on or off): the picture is
// drawn again in the new colours.
LRESULT MonthCalendarCtrl::OnSysColorChange(WPARAM, LPARAM)
{
    SetPaintColours();
    Repaint();
    return Default();
}

// The grid is built anew on the week's first day; the names are read again.
LRESULT MonthCalendarCtrl::OnSettingChange(WPARAM, LPARAM area)
{
    if (!IsRegionalChange(area))
        return Default();
    const int before = grid_.FirstWeekday();
    grid_ = MonthGrid(shownDate_, fw::UserFirstWeekday());
    Refresh();
    if (IsWindow() && grid_.FirstWeekday() != before) { // the cells are in another order
        ::NotifyWinEvent(EVENT_OBJECT_REORDER, m_hWnd, OBJID_CLIENT, CHILDID_SELF);
        AnnounceFocus();
    }
    return Default();
}

bool MonthCalendarCtrl::CreateFonts()
{
    const bool normal = CreateShellFont(normalFont_, dpi_.Value());
    return CreateShellFont(boldFont_, dpi_.Value(), FW_BOLD) && normal;
}

bool MonthCalendarCtrl::CreateMonthButtons(bool withButtons)
{
    prevButton_.DestroyWindow();
    if (withButtons && !prevButton_.CreateEx(0, "BUTTON", "<", WS_CHILD | WS_VISIBLE,
                                             dpi_(RECT{3, 3, 29, 21}), this, IDC_CAL_PREV_MONTH))
        return false; // the next button is not attempted either
    nextButton_.DestroyWindow();
    if (!withButtons)
        return true;
    const RECT client = GetClientRect();
    const RECT next{client.right - dpi_(29), dpi_(3), client.right - dpi_(3), dpi_(21)};
    return nextButton_.CreateEx(0, "BUTTON", ">", WS_CHILD | WS_VISIBLE, next, this,
                                IDC_CAL_NEXT_MONTH);
}

void MonthCalendarCtrl::ApplyDpi(int dpi)
{
    if (!IsWindow() || dpi == dpi_.Value())
        return;
    dpi_ = fw::Dpi(dpi);
    CreateFonts();
    const SIZE size = GetSize();
    SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    const bool hadFocus = ::GetFocus() == prevButton_.m_hWnd || ::GetFocus() == nextButton_.m_hWnd;
    CreateMonthButtons(withButtons_);
    if (hadFocus)
        SetFocus();
    picture_.DeleteObject(); // made again at the new size
    Repaint();
}

bool MonthCalendarCtrl::IsShowable(const COleDateTime& date)
{
    return IsShowableDate(date);
}

int MonthCalendarCtrl::SetMonth(const COleDateTime& date)
{
    if (!IsWindow() || !IsShowable(date))
        return 0;
    return ShowMonth(date) ? 1 : 0;
}

void MonthCalendarCtrl::OnPrevMonth()
{
    const COleDateTime to = StepMonth(shownDate_, -1);
    if (to.GetStatus() == COleDateTime::valid)
        ShowMonth(to);
}

void MonthCalendarCtrl::OnNextMonth()
{
    const COleDateTime to = StepMonth(shownDate_, 1);
    if (to.GetStatus() == COleDateTime::valid)
        ShowMonth(to);
}

bool MonthCalendarCtrl::ShowMonth(const COleDateTime& date)
{
    if (refreshing_)
        return false;
    shownDate_ = date;
    Refresh();
    return true;
}

void MonthCalendarCtrl::Refresh()
{
    if (refreshing_) // the parent must not restart the refresh it is serving
        return;
    for (CalendarCell& cell : cells_)
        cell = CalendarCell();
    COleDateTime first, last; // the first and the last day that exist
    BuildGrid(first, last);
    int64_t firstTime = 0, lastTime = 0;
    if (!first.ToTime64(firstTime) || !last.ToTime64(lastTime))
        firstTime = lastTime = 0; // receivers ignore a range they cannot read
    HWND parent = IsWindow() ? ::GetParent(m_hWnd) : nullptr;
    if (parent) {
        RefreshScope scope(this, refreshing_);
        ::SendMessageW(parent, WM_CALENDAR_MARKDAYS, static_cast<WPARAM>(firstTime),
                       static_cast<LPARAM>(lastTime));
    }
    Repaint();
    AnnounceRebuild();
}

void MonthCalendarCtrl::BuildGrid(COleDateTime& first, COleDateTime& last)
{
    grid_ = MonthGrid(shownDate_, grid_.FirstWeekday());
    const COleDateTime today = clock_.Now();
    for (int i = 0; i < kCellCount; ++i) {
        CalendarCell& cell = cells_[i];
        cell.date = grid_.Day(i);
        const MonthGrid::Part part = grid_.PartOf(i);
        cell.shown = part == MonthGrid::Leading    ? showLeading_
                     : part == MonthGrid::Trailing ? showTrailing_
                                                   : part == MonthGrid::InMonth;
        cell.inMonth = part == MonthGrid::InMonth;
        cell.today = SameDay(cell.date, today) ? 1 : 0;
    }
    first = grid_.First();
    last = grid_.Last();
    PlaceCursor(today);
}

void MonthCalendarCtrl::PlaceCursor(const COleDateTime& today)
{
    if (IsInShownMonth(cursor_))
        return;
    const int year = shownDate_.GetYear(), month = shownDate_.GetMonth();
    if (cursor_.GetStatus() != COleDateTime::valid) // at first today, else day 1
        cursor_ = IsInShownMonth(today) ? today : COleDateTime(year, month, 1, 0, 0, 1);
    cursor_ = CursorInMonth(cursor_, year, month);
}

bool MonthCalendarCtrl::IsInShownMonth(const COleDateTime& day) const
{
    return day.GetStatus() == COleDateTime::valid && MonthIndex(day) == MonthIndex(shownDate_);
}

void MonthCalendarCtrl::Repaint()
{
    pictureStale_ = true;
    if (IsWindow())
        Invalidate(false);
}

int MonthStepOfKey(WPARAM key)
{
    return key == VK_PRIOR ? -1 : key == VK_NEXT ? 1 : 0;
}

COleDateTime MonthCalendarCtrl::CursorTarget(WPARAM key) const
{
    return MoveCursor(cursor_, MoveOfKey(key));
}

bool MonthCalendarCtrl::SetCursorDay(const COleDateTime& day)
{
    if (!IsInShownMonth(day))
        return false;
    const COleDateTime moved(day.GetYear(), day.GetMonth(), day.GetDay(), 0, 0, 1);
    if (moved == cursor_)
        return true;
    cursor_ = moved;
    if (ShowsFocus())
        Repaint();
    AnnounceFocus();
    return true;
}

LRESULT MonthCalendarCtrl::OnKeyDown(WPARAM key, LPARAM)
{
    if (const int step = withButtons_ ? MonthStepOfKey(key) : 0) {
        step < 0 ? OnPrevMonth() : OnNextMonth();
        return 0;
    }
    const COleDateTime target = CursorTarget(key);
    if (target.GetStatus() != COleDateTime::valid)
        return Default();
    if (!SetCursorDay(target) && withButtons_)
        StepTo(target);
    return 0;
}

// Past the month's edge the month steps with the cursor (not past the
// months the calendar shows).
bool MonthCalendarCtrl::StepTo(const COleDateTime& day)
{
    const COleDateTime before = cursor_;
    const int step = MonthIndex(day) - MonthIndex(shownDate_);
    if (step != -1 && step != 1)
        return false;
    cursor_ = COleDateTime(day.GetYear(), day.GetMonth(), day.GetDay(), 0, 0, 1);
    step < 0 ? OnPrevMonth() : OnNextMonth();
    if (IsInShownMonth(cursor_))
        return true;
    cursor_ = before;
    return false;
}

bool MonthCalendarCtrl::IsSelectable(const COleDateTime& day) const
{
    const int cell = FindCell(day);
    return cell >= 0 && cells_[cell].shown && (cells_[cell].inMonth || withButtons_);
}

bool MonthCalendarCtrl::SelectDay(const COleDateTime& day)
{
    if (!IsSelectable(day))
        return false;
    return SetCursorDay(day) || StepTo(day);
}

bool MonthCalendarCtrl::ShowsFocus() const
{
    return IsWindow() && ::GetFocus() == m_hWnd && !(SendMessage(WM_QUERYUISTATE) & UISF_HIDEFOCUS);
}

LRESULT MonthCalendarCtrl::OnFocusChange(WPARAM, LPARAM)
{
    Repaint(); // the focus is shown on the focused day
    const LRESULT result = Default();
    if (::GetFocus() == m_hWnd)
        AnnounceFocus();
    return result;
}

LRESULT MonthCalendarCtrl::OnUpdateUiState(WPARAM, LPARAM)
{
    const LRESULT result = Default();
    Repaint(); // keyboard cues shown or hidden
    return result;
}

LRESULT MonthCalendarCtrl::OnGetObject(WPARAM wParam, LPARAM objectId)
{
    if (!fw::AsksForClient(objectId))
        return Default();
    if (!accessible_)
        accessible_ = fw::ComPtr<CalendarAccessible>(new CalendarAccessible(this));
    return fw::AnswerGetObject(accessible_.get(), wParam);
}

LRESULT MonthCalendarCtrl::OnDestroy(WPARAM, LPARAM)
{
    ReleaseAccessible();
    return Default();
}

void MonthCalendarCtrl::ReleaseAccessible()
{
    if (!accessible_)
        return;
    accessible_->Detach(); // clients holding it get "not connected" from now on
    accessible_.Reset();
}

void MonthCalendarCtrl::AnnounceRebuild()
{
    const int month = MonthIndex(shownDate_);
    if (!IsWindow() || month == announcedMonth_)
        return;
    const bool first = announcedMonth_ == 0;
    announcedMonth_ = month;
    if (first)
        return; // a new window: nobody knows an older month
    ::NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, m_hWnd, OBJID_CLIENT, CHILDID_SELF);
    ::NotifyWinEvent(EVENT_OBJECT_REORDER, m_hWnd, OBJID_CLIENT, CHILDID_SELF);
    if (::GetFocus() == m_hWnd)
        AnnounceFocus();
}

void MonthCalendarCtrl::AnnounceFocus() const
{
    const int cell = GetCursorCell();
    if (cell >= 0 && IsWindow() && ::GetFocus() == m_hWnd)
        ::NotifyWinEvent(EVENT_OBJECT_FOCUS, m_hWnd, OBJID_CLIENT,
                         CalendarAccessible::CellChild(cell, withButtons_));
}

LRESULT MonthCalendarCtrl::OnLButtonDown(WPARAM, LPARAM)
{
    SetFocus();
    return Default();
}

int MonthCalendarCtrl::SetDayColor(const COleDateTime& date, COLORREF colour)
{
    const int index = IsWindow() ? FindCell(date) : -1;
    if (index < 0)
        return 0;
    if (cells_[index].colour != colour)
        Repaint(); // a mark outside a refresh shows at once too
    cells_[index].colour = colour;
    return 1;
}

COLORREF MonthCalendarCtrl::GetDayColor(const COleDateTime& date) const
{
    if (!IsWindow())
        return 0;
    const int index = FindCell(date);
    return index < 0 ? 0 : cells_[index].colour;
}

RECT MonthCalendarCtrl::GetCellRect(int index) const
{
    if (index < 0 || index >= kCellCount)
        return RECT{};
    const RECT client = GetClientRect();
    const int frame = dpi_(2), top = dpi_(42);
    const int width = (client.right - 2 * frame) / kColumns;
    const int height = (client.bottom - frame - top) / kRows;
    const int left = frame + (index % kColumns) * width, y = top + (index / kColumns) * height;
    return RECT{left, y, left + width, y + height};
}

const CalendarCell* MonthCalendarCtrl::GetCell(int row, int column) const
{
    if (row < 0 || row >= kRows || column < 0 || column >= kColumns)
        return nullptr;
    return &cells_[row * kColumns + column];
}

int MonthCalendarCtrl::GetDateName(const COleDateTime& date, DateNamePart part,
                                   DateNameLength length, std::string& text) const
{
    text.clear();
    SYSTEMTIME time{};
    if (!date.GetAsSystemTime(time))
        return 0;
    const wchar_t* picture = part == MonthName ? (length == FullName ? L"MMMM" : L"MMM")
                                               : (length == FullName ? L"dddd" : L"ddd");
    text = fw::FormatDate(time, picture);
    return text.empty() ? 0 : 1;
}
