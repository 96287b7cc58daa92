#include "calendar/CalendarAccessible.h"

#include "calendar/MonthCalendarCtrl.h"
#include "lang/LanguageManager.h"
#include "lang/ProgramTexts.h"
#include "framework/DateFormat.h"
#include "res/resource.h"

namespace {

static_assert(CalendarAccessible::kCells == MonthCalendarCtrl::kCellCount, "one child per cell");

RECT ToScreen(HWND window, RECT rect)
{
    ::MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void Join(std::string& text, const LanguageManager& texts, TextId id)
{
    text += (text.empty() ? "" : ", ") + texts.Format(id);
}

} // namespace

void CalendarAccessible::Detach()
{
    calendar_ = nullptr;
    ::CoDisconnectObject(static_cast<IAccessible*>(this), 0); // remote clients let go
}

MonthCalendarCtrl* CalendarAccessible::Live() const
{
    return calendar_ && calendar_->IsWindow() ? calendar_ : nullptr;
}

bool CalendarAccessible::Exists(LONG child) const
{
    return child == CHILDID_SELF || IsCell(child) || (IsButton(child) && ButtonWindow(child));
}

LONG CalendarAccessible::FirstCell() const
{
    return CellChild(0, calendar_->HasMonthButtons());
}

bool CalendarAccessible::IsButton(LONG child) const
{
    return calendar_->HasMonthButtons() && (child == kPreviousButton || child == kNextButton);
}

bool CalendarAccessible::IsCell(LONG child) const
{
    return child >= FirstCell() && child <= LastChild();
}

int CalendarAccessible::CellIndex(LONG child) const
{
    return static_cast<int>(child - FirstCell());
}

HWND CalendarAccessible::ButtonWindow(LONG child) const
{
    if (!calendar_->HasMonthButtons())
        return nullptr;
    return calendar_->GetDlgItem(child == kPreviousButton ? IDC_CAL_PREV_MONTH
                                                          : IDC_CAL_NEXT_MONTH);
}

RECT CalendarAccessible::Place(LONG child) const
{
    if (IsButton(child)) {
        RECT place{};
        ::GetWindowRect(ButtonWindow(child), &place);
        return place;
    }
    if (IsCell(child))
        return ToScreen(*calendar_, calendar_->GetCellRect(CellIndex(child)));
    return calendar_->GetWindowRect();
}

std::string CalendarAccessible::Name(LONG child) const
{
    if (IsButton(child))
        return calendar_->Texts().Format(child == kPreviousButton ? TextId::PreviousMonth
                                                                  : TextId::NextMonth);
    SYSTEMTIME time{};
    if (child == CHILDID_SELF) // as the band shows it
        return calendar_->MonthBandText();
    const CalendarCell& cell = *calendar_->GetCell(CellIndex(child) / 7, CellIndex(child) % 7);
    if (!cell.shown || !cell.date.GetAsSystemTime(time))
        return std::string();
    return fw::FormatDate(time, nullptr, DATE_LONGDATE);
}

std::string CalendarAccessible::Description(LONG child) const
{
    std::string text;
    if (!IsCell(child))
        return text;
    const CalendarCell& cell = *calendar_->GetCell(CellIndex(child) / 7, CellIndex(child) % 7);
    if (!cell.shown)
        return text;
    if (cell.colour != 0) // the only mark the program sets
        Join(text, calendar_->Texts(), TextId::CriticalDay);
    if (cell.today)
        Join(text, calendar_->Texts(), TextId::Today);
    if (!cell.inMonth)
        Join(text, calendar_->Texts(), TextId::OtherMonth);
    return text;
}

LONG CalendarAccessible::State(LONG child) const
{
    const bool focused = ::GetFocus() == calendar_->m_hWnd;
    if (child == CHILDID_SELF)
        return STATE_SYSTEM_FOCUSABLE | (focused ? STATE_SYSTEM_FOCUSED : 0);
    if (IsButton(child))
        return STATE_SYSTEM_FOCUSABLE |
               (::GetFocus() == ButtonWindow(child) ? STATE_SYSTEM_FOCUSED : 0);
    const int index = CellIndex(child);
    if (!calendar_->GetCell(index / 7, index % 7)->shown)
        return STATE_SYSTEM_INVISIBLE;
    const CalendarCell& cell = *calendar_->GetCell(index / 7, index % 7);
    LONG state =
        calendar_->IsSelectable(cell.date) ? STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE : 0;
    if (index == calendar_->GetCursorCell())
        state |= STATE_SYSTEM_SELECTED | (focused ? STATE_SYSTEM_FOCUSED : 0);
    return state;
}

LONG CalendarAccessible::Neighbour(LONG child, LONG direction) const
{
    const LONG first = calendar_->HasMonthButtons() ? kPreviousButton : FirstCell();
    const LONG last = LastChild();
    const int index = CellIndex(child);
    LONG to = 0;
    switch (direction) {
    case NAVDIR_FIRSTCHILD:
        return child == CHILDID_SELF ? first : 0;
    case NAVDIR_LASTCHILD:
        return child == CHILDID_SELF ? last : 0;
    case NAVDIR_NEXT:
        to = child + 1;
        break;
    case NAVDIR_PREVIOUS:
        to = child - 1;
        break;
    case NAVDIR_LEFT:
        to = IsButton(child) || index % 7 > 0 ? child - 1 : 0;
        break;
    case NAVDIR_RIGHT:
        to = (IsButton(child) && child == kPreviousButton) || (IsCell(child) && index % 7 < 6)
                 ? child + 1
                 : 0;
        break;
    case NAVDIR_UP:
        to = IsCell(child) ? child - 7 : 0;
        break;
    case NAVDIR_DOWN:
        to = IsCell(child) ? child + 7 : 0;
        break;
    default:
        return 0;
    }
    if (child == CHILDID_SELF || to < first || to > last)
        return 0;
    return IsCell(child) && IsButton(to) && direction != NAVDIR_PREVIOUS ? 0 : to;
}

// ---- IAccessible ----

HRESULT CalendarAccessible::get_accParent(IDispatch** parent)
{
    if (!parent)
        return E_POINTER;
    *parent = nullptr;
    if (!Live())
        return CO_E_OBJNOTCONNECTED;
    return ::AccessibleObjectFromWindow(*calendar_, static_cast<DWORD>(OBJID_WINDOW),
                                        __uuidof(IDispatch), reinterpret_cast<void**>(parent));
}

HRESULT CalendarAccessible::get_accChildCount(LONG* count)
{
    if (!count)
        return E_POINTER;
    *count = 0;
    if (!Live())
        return CO_E_OBJNOTCONNECTED;
    *count = MonthCalendarCtrl::kCellCount + (calendar_->HasMonthButtons() ? 2 : 0);
    return S_OK;
}

// The children are simple elements: no object of their own.
HRESULT CalendarAccessible::get_accChild(VARIANT child, IDispatch** object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (!Live())
        return CO_E_OBJNOTCONNECTED;
    const LONG id = fw::ChildIdOf(child);
    return id != CHILDID_SELF && Exists(id) ? S_FALSE : E_INVALIDARG;
}

HRESULT CalendarAccessible::get_accName(VARIANT child, BSTR* name)
{
    if (name)
        *name = nullptr;
    if (!Live())
        return CO_E_OBJNOTCONNECTED;
    const LONG id = fw::ChildIdOf(child);
    return Exists(id) ? fw::AnswerText(Name(id), name) : E_INVALIDARG;
}

HRESULT CalendarAccessible::get_accDescription(VARIANT child, BSTR* description)
{
    if (description)
        *description = nullptr;
    if (!Live())
        return CO_E_OBJNOTCONNECTED;
    const LONG id = fw::ChildIdOf(child);
    return Exists(id) ? fw::AnswerText(Description(id), description) : E_INVALIDARG;
}

HRESULT CalendarAccessible::get_accRole(VARIANT child, VARIANT* role)
{
    fw::ClearOut(role);
    if (!Live())
        return CO_E_OBJNOTCONNECTED;
    const LONG id = fw::ChildIdOf(child);
    if (!Exists(id))
        return E_INVALIDARG;
    return fw::AnswerNumber(id == CHILDID_SELF ? ROLE_SYSTEM_TABLE
                            : IsButton(id)     ? ROLE_SYSTEM_PUSHBUTTON
                                               : ROLE_SYSTEM_CELL,
                            role);
}

HRESULT CalendarAccessible::get_accState(VARIANT child, VARIANT* state)
{
    fw::ClearOut(state);
    if (!Live())
        return CO_E_OBJNOTCONNECTED;
    const LONG id = fw::ChildIdOf(child);
    return Exists(id) ? fw::AnswerNumber(State(id), state) : E_INVALIDARG;
}

HRESULT CalendarAccessible::get_accFocus(VARIANT* focus)
{
    fw::ClearOut(focus);
    if (!Live())
        return CO_E_OBJNOTCONNECTED;
    const HWND focused = ::GetFocus();
    if (focused == calendar_->m_hWnd && calendar_->GetCursorCell() >= 0)
        return fw::AnswerNumber(FirstCell() + calendar_->GetCursorCell(), focus);
    for (LONG button : {kPreviousButton, kNextButton})
        if (focused && focused == ButtonWindow(button))
            return fw::AnswerNumber(button, focus);
    return fw::AnswerNothing(focus);
}

HRESULT CalendarAccessible::get_accSelection(VARIANT* selection)
{
    fw::ClearOut(selection);
    if (!Live())
        return CO_E_OBJNOTCONNECTED;
    const int cell = calendar_->GetCursorCell();
    return cell >= 0 ? fw::AnswerNumber(FirstCell() + cell, selection)
                     : fw::AnswerNothing(selection);
}

HRESULT CalendarAccessible::get_accDefaultAction(VARIANT child, BSTR* action)
{
    if (action)
        *action = nullptr;
    if (!Live())
        return CO_E_OBJNOTCONNECTED;
    const LONG id = fw::ChildIdOf(child);
    if (!Exists(id))
        return E_INVALIDARG;
    return fw::AnswerText(
        IsButton(id) ? calendar_->Texts().Format(TextId::PressAction) : std::string(), action);
}

// A cell takes the focus (the calendar's) and the selection (the cursor); a
// neighbouring month's day, where the calendar steps, brings its month.
HRESULT CalendarAccessible::accSelect(LONG flags, VARIANT child)
{
    if (!Live())
        return CO_E_OBJNOTCONNECTED;
    const LONG id = fw::ChildIdOf(child);
    if (!IsCell(id) || !(flags & (SELFLAG_TAKEFOCUS | SELFLAG_TAKESELECTION)))
        return Exists(id) ? DISP_E_MEMBERNOTFOUND : E_INVALIDARG;
    const COleDateTime day = calendar_->GetCell(CellIndex(id) / 7, CellIndex(id) % 7)->date;
    if (!calendar_->SelectDay(day))
        return E_INVALIDARG;
    if (flags & SELFLAG_TAKEFOCUS)
        calendar_->SetFocus();
    return S_OK;
}

HRESULT CalendarAccessible::accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                        VARIANT child)
{
    if (!left || !top || !width || !height)
        return E_POINTER;
    *left = *top = *width = *height = 0;
    if (!Live())
        return CO_E_OBJNOTCONNECTED;
    const LONG id = fw::ChildIdOf(child);
    if (!Exists(id))
        return E_INVALIDARG;
    const RECT place = Place(id);
    *left = place.left;
    *top = place.top;
    *width = place.right - place.left;
    *height = place.bottom - place.top;
    return S_OK;
}

HRESULT CalendarAccessible::accNavigate(LONG direction, VARIANT start, VARIANT* end)
{
    fw::ClearOut(end);
    if (!Live())
        return CO_E_OBJNOTCONNECTED;
    const LONG id = fw::ChildIdOf(start);
    if (!Exists(id))
        return E_INVALIDARG;
    const LONG to = Neighbour(id, direction);
    return to ? fw::AnswerNumber(to, end) : fw::AnswerNothing(end);
}

HRESULT CalendarAccessible::accHitTest(LONG x, LONG y, VARIANT* child)
{
    fw::ClearOut(child);
    if (!Live())
        return CO_E_OBJNOTCONNECTED;
    const POINT point{x, y};
    const RECT window = calendar_->GetWindowRect();
    if (!::PtInRect(&window, point))
        return fw::AnswerNothing(child);
    for (LONG id = kPreviousButton; id <= LastChild(); ++id) {
        const RECT place = Exists(id) ? Place(id) : RECT{};
        if (::PtInRect(&place, point))
            return fw::AnswerNumber(id, child);
    }
    return fw::AnswerNumber(CHILDID_SELF, child);
}

HRESULT CalendarAccessible::accDoDefaultAction(VARIANT child)
{
    if (!Live())
        return CO_E_OBJNOTCONNECTED;
    const LONG id = fw::ChildIdOf(child);
    if (!Exists(id))
        return E_INVALIDARG;
    if (!IsButton(id))
        return DISP_E_MEMBERNOTFOUND;
    id == kPreviousButton ? calendar_->OnPrevMonth() : calendar_->OnNextMonth();
    return S_OK;
}
