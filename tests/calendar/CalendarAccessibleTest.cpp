// The month calendar as screen readers read it (its accessible object, asked
// for as a client asks, AccessibleObjectFromWindow): names, descriptions,
// places, hit tests, navigation, the month buttons' action and the events
// the calendar sends; the keyboard cursor with its focus frame read from the
// pixels; and the end of the calendar's range.
#include <gtest/gtest.h>
#include <oleacc.h>

#include <string>
#include <tuple>
#include <vector>

#include "calendar/CalendarAccessible.h"
#include "framework/TextCodec.h"
#include "tests/calendar/CalendarTesting.h"
#include "tests/support/AccessibleClient.h"
#include "tests/support/Sandbox.h"

using namespace calendar_testing;
using pixel_testing::Pixels;
using testing_support::Child;
using testing_support::Client;

namespace {

// The events of one window, as a client hooked into this process gets them.
std::vector<std::pair<DWORD, LONG>> g_events;
HWND g_watched = nullptr;
void CALLBACK OnEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD,
                      DWORD)
{
    if (window == g_watched && object == OBJID_CLIENT)
        g_events.push_back({event, child});
}
class EventHook {
public:
    explicit EventHook(HWND window)
    {
        g_watched = window;
        g_events.clear();
        hook_ = ::SetWinEventHook(EVENT_OBJECT_REORDER, EVENT_OBJECT_NAMECHANGE,
                                  ::GetModuleHandleW(nullptr), &OnEvent, ::GetCurrentProcessId(), 0,
                                  WINEVENT_INCONTEXT);
    }
    ~EventHook() { ::UnhookWinEvent(hook_); }
    std::vector<std::pair<DWORD, LONG>> Take()
    {
        testing_support::PumpMessages();
        return std::exchange(g_events, {});
    }

private:
    HWINEVENTHOOK hook_;
};

using Events = std::vector<std::pair<DWORD, LONG>>;
constexpr LONG kCell0 = CalendarAccessible::CellChild(0, true); // with month buttons

// March 2004 (from February 29; today March 12; the sample cycle marks March
// 10 to 14 and April 7 to 10): every cell's name, description and place, and
// a hit test of its centre.
TEST_F(CalendarTest, EveryCellIsReadWithItsDateItsMarksAndItsPlace)
{
    MonthCalendarCtrl calendar{clock, texts};
    ASSERT_TRUE(calendar.CreateCalendar(&parent, 1110, 56, 30, TRUE, TRUE, TRUE));
    Client client(calendar);
    ASSERT_TRUE(client) << std::hex << client.result;
    EXPECT_EQ(client.Name(), "March 2004");
    EXPECT_EQ(client.Number(&IAccessible::get_accRole), ROLE_SYSTEM_TABLE);
    LONG count = 0;
    EXPECT_EQ(client->get_accChildCount(&count), S_OK);
    EXPECT_EQ(count, 44);
    const RECT window = calendar.GetWindowRect();
    for (int i = 0; i < 42; ++i) {
        const COleDateTime day = COleDateTime(2004, 2, 29, 0, 0, 1) + COleDateTimeSpan(i);
        const bool critical = SampleOffset(day) < 5, today = i == 12, other = i < 1 || i > 31;
        std::string expected = critical ? "critical day" : "";
        for (auto [applies, word] : {std::pair{today, "today"}, {other, "other month"}})
            if (applies)
                expected += (expected.empty() ? "" : ", ") + std::string(word);
        SCOPED_TRACE(testing::Message() << "cell " << i);
        EXPECT_EQ(client.Name(kCell0 + i), testing_support::DateText(day, DATE_LONGDATE));
        EXPECT_EQ(client.Description(kCell0 + i), expected);
        EXPECT_EQ(client.Number(&IAccessible::get_accRole, kCell0 + i), ROLE_SYSTEM_CELL);
        const int x = window.left + 2 + i % 7 * 29, y = window.top + 42 + i / 7 * 19;
        const RECT place = client.Location(kCell0 + i), cell{x, y, x + 29, y + 19};
        EXPECT_TRUE(::EqualRect(&place, &cell));
        EXPECT_EQ(client.HitTest({x + 14, y + 9}), kCell0 + i);
    }
    EXPECT_EQ(client.HitTest({window.left + 100, window.top + 30}), CHILDID_SELF); // weekdays
    EXPECT_EQ(client.HitTest({window.left - 1, window.top}), -1);
    EXPECT_EQ(client.Name(45), "");
    EXPECT_EQ(client->get_accName(Child(45), nullptr), E_INVALIDARG);
}

// The buttons: named, pressed by their default action; a month step tells
// clients of the new name and children, the focus of the focused day.
TEST_F(CalendarTest, MonthButtonsStepByTheirDefaultActionAndClientsHearOfIt)
{
    MonthCalendarCtrl calendar{clock, texts};
    ASSERT_TRUE(calendar.CreateCalendar(&parent, 1110, 0, 0, TRUE, TRUE, TRUE));
    Client client(calendar);
    ASSERT_TRUE(client);
    EventHook hook(calendar);
    for (auto [id, name, month] : {std::tuple{1, "Previous month", 2}, {2, "Next month", 3}}) {
        EXPECT_EQ(client.Name(id), name);
        EXPECT_EQ(client.Number(&IAccessible::get_accRole, id), ROLE_SYSTEM_PUSHBUTTON);
        EXPECT_EQ(client.Text(&IAccessible::get_accDefaultAction, id), "Press");
        const RECT place = client.Location(id);
        EXPECT_EQ(client.HitTest({place.left + 5, place.top + 5}), id);
        EXPECT_EQ(client->accDoDefaultAction(Child(id)), S_OK);
        EXPECT_EQ(calendar.GetShownDate().GetMonth(), month);
        EXPECT_EQ(hook.Take(), (Events{{EVENT_OBJECT_NAMECHANGE, 0}, {EVENT_OBJECT_REORDER, 0}}));
    }
    EXPECT_EQ(client.Name(), "March 2004");
    calendar.SetFocus(); // the system's event for the window, then the cursor's day
    EXPECT_EQ(hook.Take(), (Events{{EVENT_OBJECT_FOCUS, CHILDID_SELF},
                                   {EVENT_OBJECT_FOCUS, kCell0 + 12}})); // today, March 12
    EXPECT_EQ(client.Number(&IAccessible::get_accState, kCell0 + 12),
              STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_SELECTED |
                  STATE_SYSTEM_FOCUSED);
    calendar.SendMessage(WM_KEYDOWN, VK_NEXT, 1); // April 12, cell 15
    EXPECT_EQ(hook.Take(), (Events{{EVENT_OBJECT_NAMECHANGE, 0},
                                   {EVENT_OBJECT_REORDER, 0},
                                   {EVENT_OBJECT_FOCUS, kCell0 + 15}}));
    calendar.SendMessage(WM_KEYDOWN, VK_DOWN, 1);
    EXPECT_EQ(hook.Take(), (Events{{EVENT_OBJECT_FOCUS, kCell0 + 22}}));
    auto focused = [&] { // the focused child, or -1 for none
        VARIANT focus;
        ::VariantInit(&focus);
        return client->get_accFocus(&focus) == S_OK && focus.vt == VT_I4 ? focus.lVal : -1;
    };
    EXPECT_EQ(focused(), kCell0 + 22);
    for (WPARAM key : {VK_PRIOR, VK_PRIOR, VK_HOME}) // February 1, a Sunday: the first cell
        calendar.SendMessage(WM_KEYDOWN, key, 1);
    EXPECT_EQ(focused(), kCell0);
    ::SetFocus(nullptr);
    EXPECT_EQ(focused(), -1) << "the focus elsewhere";

    // Every output is set (VT_EMPTY) on every failure: a wrong child, and once
    // the window is gone, when the client's object answers no more.
    EXPECT_EQ(testing_support::UnsetOutputs(client.operator->(), 99), "");
    calendar.DestroyWindow();
    EXPECT_EQ(client->accDoDefaultAction(Child(1)), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(client.Name(), "");
    EXPECT_EQ(testing_support::UnsetOutputs(client.operator->(), CHILDID_SELF), "");
}

// At the month's edges navigation stays in the grid; the buttons come first.
// The bare calendar's cells are children 1 to 42; its hidden trailing days
// have no name.
TEST_F(CalendarTest, NavigationFollowsTheGridToItsEdges)
{
    MonthCalendarCtrl calendar{clock, texts}, bare{clock, texts};
    ASSERT_TRUE(calendar.CreateCalendar(&parent, 1110, 0, 0, TRUE, TRUE, TRUE));
    ASSERT_TRUE(bare.CreateCalendar(&parent, 1111, 210, 0, FALSE, TRUE, FALSE));
    Client client(calendar), plain(bare);
    const struct {
        const Client* of;
        LONG from, direction, to;
    } moves[] = {
        {&client, CHILDID_SELF, NAVDIR_FIRSTCHILD, 1},
        {&client, CHILDID_SELF, NAVDIR_LASTCHILD, kCell0 + 41},
        {&plain, CHILDID_SELF, NAVDIR_LASTCHILD, 42},
        {&client, 1, NAVDIR_NEXT, 2},
        {&client, 2, NAVDIR_NEXT, kCell0},
        {&client, 2, NAVDIR_LEFT, 1},
        {&client, kCell0 + 31, NAVDIR_NEXT, kCell0 + 32}, // March 31 to April 1
        {&client, kCell0 + 34, NAVDIR_RIGHT, 0},          // Saturday: the row's end
        {&client, kCell0 + 35, NAVDIR_LEFT, 0},           // Sunday
        {&client, kCell0 + 38, NAVDIR_DOWN, 0},           // the last week
        {&client, kCell0 + 5, NAVDIR_UP, 0},              // not onto the buttons
        {&client, kCell0 + 3, NAVDIR_DOWN, kCell0 + 10},
        {&client, kCell0 + 41, NAVDIR_NEXT, 0},
        {&plain, 1, NAVDIR_PREVIOUS, 0},
        {&plain, 8, NAVDIR_UP, 1},
    };
    for (const auto& m : moves)
        EXPECT_EQ(m.of->Navigate(m.from, m.direction), m.to) << m.from << " " << m.direction;
    EXPECT_EQ(plain.Name(1), "Sunday, February 29, 2004");
    EXPECT_EQ(plain.Number(&IAccessible::get_accRole, 43), -1);
    EXPECT_EQ(plain.Name(33), "");
    EXPECT_EQ(plain.Number(&IAccessible::get_accState, 33), STATE_SYSTEM_INVISIBLE);
}

// A grey day of a neighbouring month: with the month buttons it is
// selectable and selecting it steps the month to it; without them it is
// not selectable, and selecting it fails.
TEST_F(CalendarTest, ANeighboursDayIsSelectableWhereTheMonthStepsToIt)
{
    MonthCalendarCtrl calendar{clock, texts}, bare{clock, texts};
    ASSERT_TRUE(calendar.CreateCalendar(&parent, 1110, 0, 0, TRUE, TRUE, TRUE));
    ASSERT_TRUE(bare.CreateCalendar(&parent, 1111, 210, 0, FALSE, TRUE, FALSE));
    Client client(calendar), plain(bare);
    const LONG selectable = STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE;
    EXPECT_EQ(client.Number(&IAccessible::get_accState, kCell0 + 0), selectable); // February 29
    EXPECT_EQ(plain.Number(&IAccessible::get_accState, 1), 0);
    EXPECT_EQ(plain->accSelect(SELFLAG_TAKESELECTION, Child(1)), E_INVALIDARG);
    EXPECT_EQ(client->accSelect(SELFLAG_TAKESELECTION, Child(1)), DISP_E_MEMBERNOTFOUND); // "<"
    EXPECT_EQ(client->accSelect(SELFLAG_ADDSELECTION, Child(kCell0)), DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(bare.GetCursorDay(), COleDateTime(2004, 3, 12, 0, 0, 1));
    EXPECT_EQ(client->accSelect(SELFLAG_TAKESELECTION, Child(kCell0 + 35)), S_OK); // April 4
    EXPECT_EQ(calendar.GetShownDate().GetMonth(), 4);
    EXPECT_EQ(calendar.GetCursorDay(), COleDateTime(2004, 4, 4, 0, 0, 1));
    EXPECT_EQ(client.Number(&IAccessible::get_accState, kCell0 + calendar.GetCursorCell()),
              selectable | STATE_SYSTEM_SELECTED);
}

// From March 12 the arrows, Home and End move the focused day, across the
// month's edges too (the month steps with it); the frame is drawn on the
// day's cell and leaves its mark visible. Without the focus, no frame. (A
// calendar without buttons leaves the step to its parent: the half-year's.)
TEST_F(CalendarTest, TheCursorMovesByDaysAndWeeksAcrossMonthsAndShowsOnItsCell)
{
    MonthCalendarCtrl calendar{clock, texts};
    ASSERT_TRUE(calendar.CreateCalendar(&parent, 1110, 0, 0, TRUE, TRUE, TRUE));
    EXPECT_EQ(FocusedCell(Pixels::Of(calendar)), -1);
    const Pixels unfocused = Pixels::Of(calendar);
    calendar.SetFocus();
    const struct {
        WPARAM key;
        COleDateTime day;
        int cell;
    } moves[] = {
        {VK_RIGHT, {2004, 3, 13, 0, 0, 1}, 13},
        {VK_END, {2004, 3, 31, 0, 0, 1}, 31},
        {VK_RIGHT, {2004, 4, 1, 0, 0, 1}, 4}, // April, from March 28
        {VK_UP, {2004, 3, 25, 0, 0, 1}, 25},  // back to March
        {VK_HOME, {2004, 3, 1, 0, 0, 1}, 1},
        {VK_LEFT, {2004, 2, 29, 0, 0, 1}, 28}, // February, from February 1
        {VK_NEXT, {2004, 3, 29, 0, 0, 1}, 29},
    };
    for (const auto& m : moves) {
        calendar.SendMessage(WM_KEYDOWN, m.key, 1);
        SCOPED_TRACE(testing::Message()
                     << m.key << " to " << m.day.GetMonth() << "-" << m.day.GetDay());
        EXPECT_EQ(calendar.GetCursorDay(), m.day);
        EXPECT_EQ(calendar.GetShownDate().GetMonth(), m.day.GetMonth());
        const Pixels shown = Pixels::Of(calendar);
        EXPECT_EQ(FocusedCell(shown), m.cell);
        const bool marked = calendar.GetDayColor(m.day) == CRITICAL_DAY_COLOR;
        EXPECT_EQ(CellBackground(shown, m.cell) == CRITICAL_DAY_COLOR, marked);
    }
    ::SetFocus(parent);
    EXPECT_EQ(Pixels::Of(calendar).Count({0, 0, 207, 160}, 0, &unfocused), 0);
}

// With the clock at 31 December 9999 and a period from that day, December's
// days are marked (the 31st, and a period four weeks earlier); after the
// 31st the cells are empty and nameless; the weekday row is whole.
TEST_F(CalendarTest, AtTheEndOfTheRangeEveryDayThatExistsIsMarkedAndTheRestIsEmpty)
{
    clock.now = COleDateTime(9999, 12, 31, 10, 0, 0);
    StoreSampleCycle(COleDateTime(9999, 12, 31, 0, 0, 0)); // the last the picker takes
    MonthCalendarCtrl calendar{clock, texts};
    ASSERT_TRUE(calendar.CreateCalendar(&parent, 1110, 0, 0, TRUE, TRUE, TRUE));
    const Pixels shown = Pixels::Of(calendar);
    // Saturday's name too, though that week has no Saturday.
    EXPECT_GT(shown.Count({176, 24, 205, 38}, ::GetSysColor(COLOR_HIGHLIGHT)), 10);
    Client client(calendar);
    EXPECT_EQ(client.Description(kCell0 + 5), "critical day"); // from November 28: December 3
    EXPECT_EQ(client.Description(kCell0 + 33), "critical day, today");
    for (int i = 34; i < 42; ++i) {
        const int x = 2 + i % 7 * 29, y = 42 + i / 7 * 19;
        EXPECT_EQ(shown.Count({x, y, x + 29, y + 19}, ::GetSysColor(COLOR_WINDOW)), 29 * 19) << i;
        EXPECT_EQ(client.Name(kCell0 + i), "") << i;
    }
}

} // namespace
