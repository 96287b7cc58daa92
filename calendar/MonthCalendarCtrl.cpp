#include "calendar/MonthCalendarCtrl.h"

#include <algorithm>

#include "framework/DateFormat.h"
#include "res/resource.h"
#include "ui/DialogLayout.h"
#include "ui/Drawing.h"
#include "ui/HighContrast.h"

namespace {

bool SameCell(const CalendarCell& a, const CalendarCell& b)
{
    return a.date == b.date && a.shown == b.shown && a.today == b.today && a.inMonth == b.inMonth &&
           a.colour == b.colour;
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
    : clock_(clock), texts_(texts), shownDate_(clock.Now()), grid_(shownDate_, MonthGrid::kSunday)
{
    cursor_.SetStatus(COleDateTime::invalid); // placed by the first rebuild
}

MonthCalendarCtrl::~MonthCalendarCtrl()
{
    prevButton_.DestroyWindow();
    nextButton_.DestroyWindow();
    boldFont_.DeleteObject();
    normalFont_.DeleteObject();
    DestroyWindow();
    announcer_.Release();
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
    shownDate_ = IsShowableDate(month) ? month : clock_.Now();
    grid_ = MonthGrid(shownDate_, fw::UserFirstWeekday());
    dpi_ = fw::Dpi(layout::LayoutDpi(parent ? parent->m_hWnd : nullptr));
    SetPaintColours();
    CreateFonts();
    picture_.DeleteObject(); // made at the new window's size and drawn anew
    const SIZE size = GetSize();
    const RECT rect{x, y, x + size.cx, y + size.cy};
    announcer_.Restart();
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
    RepaintAll();
    return Default();
}

// The grid is built anew on the week's first day; the names are read again.
LRESULT MonthCalendarCtrl::OnSettingChange(WPARAM, LPARAM area)
{
    if (!IsRegionalChange(area))
        return Default();
    const int before = grid_.FirstWeekday();
    grid_ = MonthGrid(shownDate_, fw::UserFirstWeekday());
    dayNames_.clear();
    Refresh();
    Repaint(); // the names may be written otherwise, in the same month
    if (IsWindow() && grid_.FirstWeekday() != before) // the cells are in another order
        announcer_.Reordered();
    return Default();
}

bool MonthCalendarCtrl::CreateFonts()
{
    dayNames_.clear(); // measured again in the new font
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
    RepaintAll();
}

int MonthCalendarCtrl::SetMonth(const COleDateTime& date)
{
    if (!IsWindow() || !IsShowableDate(date))
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
    CalendarCell before[kCellCount];
    std::copy(std::begin(cells_), std::end(cells_), before);
    const COleDateTime cursorBefore = cursor_;
    for (CalendarCell& cell : cells_)
        cell = CalendarCell();
    BuildGrid();
    HWND parent = IsWindow() ? ::GetParent(m_hWnd) : nullptr;
    if (parent) {
        const UINT_PTR id = static_cast<UINT_PTR>(GetDlgCtrlID());
        const CalendarMarkRequest request{
            {m_hWnd, id, WM_CALENDAR_MARKDAYS}, grid_.First(), grid_.Last()};
        refreshing_ = true;
        ::SendMessageW(parent, WM_CALENDAR_MARKDAYS, id, reinterpret_cast<LPARAM>(&request));
        refreshing_ = false;
    }
    // The picture is drawn anew only when the rebuild changed what it shows.
    const bool namesChanged = namesLocale_ != fw::DateLocaleName();
    namesLocale_ = fw::DateLocaleName();
    if (namesChanged || !(cursor_ == cursorBefore) ||
        !std::equal(std::begin(cells_), std::end(cells_), before, SameCell))
        Repaint();
    announcer_.MonthShown(shownDate_);
}

void MonthCalendarCtrl::BuildGrid()
{
    grid_ = MonthGrid(shownDate_, grid_.FirstWeekday());
    const COleDateTime now = clock_.Now();
    const int today = grid_.CellOf(now);
    for (int i = 0; i < kCellCount; ++i) {
        CalendarCell& cell = cells_[i];
        cell.date = grid_.Day(i);
        const MonthGrid::Part part = grid_.PartOf(i);
        cell.shown = part == MonthGrid::Leading    ? showLeading_
                     : part == MonthGrid::Trailing ? showTrailing_
                                                   : part == MonthGrid::InMonth;
        cell.inMonth = part == MonthGrid::InMonth;
        cell.today = i == today ? 1 : 0;
    }
    cursor_ = grid_.CursorIn(cursor_, now);
}

// The month buttons show nothing of the month: they keep what they show, and
// paint again only when they change themselves.
void MonthCalendarCtrl::Repaint()
{
    pictureStale_ = true;
    if (!IsWindow())
        return;
    CRgn area;
    if (!area.CreateRectRgnIndirect(GetClientRect())) {
        RepaintAll();
        return;
    }
    for (const CButton* button : {&prevButton_, &nextButton_}) {
        if (!button->IsWindow())
            continue;
        RECT place = button->GetWindowRect();
        ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&place), 2);
        CRgn hole;
        if (hole.CreateRectRgnIndirect(place))
            area.Subtract(hole);
    }
    ::RedrawWindow(m_hWnd, nullptr, area, RDW_INVALIDATE | RDW_NOCHILDREN);
}

void MonthCalendarCtrl::RepaintAll()
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
    const COleDateTime moved = grid_.Day(FindCell(day));
    if (moved == cursor_)
        return true;
    cursor_ = moved;
    if (ShowsFocus())
        Repaint();
    announcer_.Focus();
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
    const int step = grid_.StepToward(day);
    if (step == 0)
        return false;
    cursor_ = day; // the rebuild puts it at the day's 00:00:01
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
        announcer_.Focus();
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
    LRESULT answer = 0;
    return announcer_.AnswerGetObject(wParam, objectId, answer) ? answer : Default();
}

LRESULT MonthCalendarCtrl::OnDestroy(WPARAM, LPARAM)
{
    announcer_.Release();
    return Default();
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
    if (cells_[index].colour != colour && !refreshing_)
        Repaint(); // a mark outside a refresh shows at once too (a refresh compares)
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
