#pragma once
// What screen readers learn of a month calendar: the calendar is a table
// named by its month and year ("May 2004"), in the language shown. Its
// children are simple elements, numbered from 1 without gaps:
//   1, 2    the "<" and ">" buttons, when the calendar has them: push
//           buttons named "Previous month" and "Next month", whose default
//           action steps the month;
//   then    the 42 cells in reading order (3 to 44 with the buttons, 1 to
//           42 without): each named with its full date ("Wednesday, May 5,
//           2004"), described as "critical day", "today" and "other month"
//           where they apply, focused and selected on the keyboard cursor's
//           day. A cell the cursor can take is selectable: a day of the
//           month, and with the buttons a shown day of a neighbouring month
//           (selecting it steps the month). A cell painted empty (a hidden
//           neighbour's day, or no day at all after 31 December 9999) has no
//           name and is invisible.
// Every output is set (to "nothing" where there is no answer) before any
// failure is returned.
// The calendar keeps one reference while its window lives and detaches the
// object when the window goes; a client still holding it then gets
// CO_E_OBJNOTCONNECTED.
#include "framework/Accessible.h"

class MonthCalendarCtrl;

class CalendarAccessible final : public fw::Accessible {
public:
    static constexpr int kCells = 42;
    static constexpr LONG kPreviousButton = 1;
    static constexpr LONG kNextButton = 2;
    // The child id of a cell (0 to 41).
    static constexpr LONG CellChild(int index, bool withButtons)
    {
        return (withButtons ? 3 : 1) + index;
    }

    explicit CalendarAccessible(MonthCalendarCtrl* calendar) : calendar_(calendar) {}
    void Detach();

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override;
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override;
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override;
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override;
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override;
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                          VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override;
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override;
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;

private:
    ~CalendarAccessible() override = default;

    // The calendar while its window lives, else null.
    MonthCalendarCtrl* Live() const;
    // Whether the id names this object or one of its children.
    bool Exists(LONG child) const;
    bool IsButton(LONG child) const;
    bool IsCell(LONG child) const;
    // The cell (0 to 41) of a cell's id.
    int CellIndex(LONG child) const;
    LONG FirstCell() const;
    LONG LastChild() const { return FirstCell() + kCells - 1; }
    HWND ButtonWindow(LONG child) const;
    // The child's place in screen pixels.
    RECT Place(LONG child) const;
    std::string Name(LONG child) const;
    std::string Description(LONG child) const;
    LONG State(LONG child) const;
    // The neighbour in a direction; 0 when there is none.
    LONG Neighbour(LONG child, LONG direction) const;

    MonthCalendarCtrl* calendar_;
};
