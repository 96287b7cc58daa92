// The three-step wizard that the Wizard button opens, owned by the main
// window and worked from a timer inside its own loop: what Finish stores,
// shows on the Scheduler page and makes effective, that Cancel on any step
// changes nothing, the buttons each step enables, and that the side picture,
// loaded again on every activation, leaves no bitmap behind.
#include "tests/app/MainWindowFixture.h"
#include "tests/support/GdiCount.h"
#include "tests/support/LayoutCheck.h"

using namespace main_window_testing;

namespace {

const COleDateTime kOpened(2004, 5, 20, 12, 0, 0); // the fixture's pinned clock
const COleDateTime kSampleStart(2004, 3, 10, 9, 30, 0);

// The date a picker shows.
COleDateTime DateOf(HWND dialog, int picker)
{
    SYSTEMTIME time{};
    ::SendDlgItemMessageA(dialog, picker, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time));
    return COleDateTime(time);
}

// Set from code: the picker raises no change notification.
Step SetPicker(const COleDateTime& date)
{
    return [date](HWND sheet) {
        SYSTEMTIME time{};
        date.GetAsSystemTime(time);
        ::SendDlgItemMessageA(CurrentPage(sheet), IDC_WIZ1_DATE, DTM_SETSYSTEMTIME, GDT_VALID,
                              reinterpret_cast<LPARAM>(&time));
    };
}

using RunWizardTest = MainWindowEnvironment;

TEST_F(RunWizardTest, FinishStoresWhatTheStepsHoldShowsItAndRefreshesCancelNothing)
{
    const COleDateTime chosen(2004, 1, 1, 12, 0, 0), later(2004, 5, 20, 12, 5, 0);
    COleDateTime keyed;
    const Step keys = [&](HWND sheet) { // a change by keyboard: to a field, then one step up
        HWND picker = ::GetDlgItem(CurrentPage(sheet), IDC_WIZ1_DATE);
        ::SetFocus(picker);
        ::SendMessageA(picker, WM_KEYDOWN, VK_RIGHT, 0);
        ::SendMessageA(picker, WM_KEYDOWN, VK_UP, 0);
        keyed = DateOf(CurrentPage(sheet), IDC_WIZ1_DATE);
    };
    const Step owned = [&](HWND sheet) { // the main window its owner, disabled meanwhile
        EXPECT_EQ(::GetWindow(sheet, GW_OWNER), main->m_hWnd);
        EXPECT_FALSE(::IsWindowEnabled(main->m_hWnd));
    };
    auto shown = [&](int id) { return testing_support::TextOf(main->Scheduler().GetDlgItem(id)); };
    const Step next = Press(PSBTN_NEXT), back = Press(PSBTN_BACK);
    const Step finish = Press(PSBTN_FINISH), cancel = Press(PSBTN_CANCEL);
    const Step later9 = [this](HWND) { clock.now = COleDateTime(2004, 5, 20, 12, 9, 0); };
    const Step later5 = [this](HWND) { clock.now = COleDateTime(2004, 5, 20, 12, 5, 0); };
    const Step today = [](HWND sheet) { Click(CurrentPage(sheet), IDC_WIZ1_TODAY); };
    const int pink = TrayIcon::StateAlternate, normal = TrayIcon::StateNormal;
    auto crit = [](const char* text) { return Type(IDC_WIZ2_EDIT, text); };
    auto clear = [](const char* text) { return Type(IDC_WIZ3_EDIT, text); };
    auto shows = [](int id, const char* text) -> Step { // a control of the step
        return [id, text](HWND sheet) {
            EXPECT_EQ(testing_support::TextOf(::GetDlgItem(CurrentPage(sheet), id)), text) << id;
        };
    };
    auto hint = [&](const char* text) { return shows(IDC_WIZ3_CYCLE_HINT, text); };
    auto leave = [&](int edit, const char* shown) -> Step { // the box left for the Back button
        return [edit, shown, &shows](HWND sheet) {
            ::SetFocus(::GetDlgItem(CurrentPage(sheet), edit));
            ::SetFocus(::GetDlgItem(sheet, 0x3023));
            shows(edit, shown)(sheet);
        };
    };
    auto buttons = [](const char* shown) -> Step { // Back, Next and Finish: 1 when usable
        return [shown](HWND sheet) {
            std::string now;
            for (HWND b : {::GetDlgItem(sheet, 0x3023), ::GetDlgItem(sheet, 0x3024),
                           ::GetDlgItem(sheet, 0x3025)})
                now += ::IsWindowVisible(b) && ::IsWindowEnabled(b) ? '1' : '0';
            EXPECT_EQ(now, shown);
        };
    };
    const struct {
        const char* steps;
        const COleDateTime* start; // null: Cancel, nothing changes
        int crit, clear;
        int state; // the icon's after a refresh; -1: not looked at
        std::vector<Step> script;
    } table[] = {
        // clang-format off
        // The picker keeps the opening time while time passes.
        {"untouched", &kOpened, 3, 28, pink, {owned, later9, next, next, finish}},
        // The count pages were never made and hold 0, which must not be stored.
        {"Finish at once", &kOpened, 3, 28, pink, {finish}},
        // Next and Finish first show the number in use in the box.
        {"unusable counts", &kOpened, 3, 28, pink,
         {next, crit("45"), next, next, hint("(a cycle of 31 days)"), clear(""), finish, finish}},
        {"unusable counts, left", &kOpened, 3, 28, pink,
         {next, crit("0"), leave(IDC_WIZ2_EDIT, "3"), next, clear("95"),
          leave(IDC_WIZ3_EDIT, "28"), finish}},
        // Step 1 takes its picker's value again when shown again.
        {"chosen", &chosen, 4, 27, normal,
         {SetPicker(chosen), next, crit("4"), back, next, next, clear("27"), finish}},
        {"back to the start and on", &kOpened, 12, 40, pink,
         {buttons("010"), next, buttons("110"), crit("12"), next, buttons("101"),
          hint("(a cycle of 40 days)"), clear("40"), hint("(a cycle of 52 days)"), back, back,
          buttons("010"), next, next, finish}},
        {"keyboard", &keyed, 3, 28, -1, {keys, next, next, finish}},
        // Today shows in the picker, which step 1 takes again when shown again.
        {"keyboard, then Today", &later, 3, 28, pink,
         {keys, later5, today, next, back, next, next, finish}},
        {"Cancel on step 3", nullptr, 5, 30, pink,
         {next, crit("1"), shows(IDC_WIZ2_UNIT, "Day"), crit("9"), shows(IDC_WIZ2_UNIT, "Days"),
          next, shows(IDC_WIZ3_UNIT, "Days"), cancel}},
        // clang-format on
    };
    CreateMain();
    DWORD bitmaps = 0;
    for (const auto& row : table) {
        SCOPED_TRACE(row.steps);
        clock.now = kOpened;
        StoreSampleCycle(); // today is critical
        main->Scheduler().LoadFromSettings();
        main->RefreshCycleState();
        main->Monitor().Calendar().SetMonth(kSampleStart); // a refresh brings back May
        {
            ModalScript script(kWizard, row.script); // the Wizard button
            main->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_MAIN_WIZARD, BN_CLICKED), 0);
            EXPECT_EQ(script.Seen(), 1);
        }
        EXPECT_TRUE(::IsWindowEnabled(main->m_hWnd));
        const COleDateTime start = row.start ? *row.start : kSampleStart;
        COleDateTime read;
        EXPECT_TRUE(store.ReadStartDate(clock.Now(), read) && read == start);
        EXPECT_TRUE(store.ReadDword(SettingCritDayCount) == DWORD(row.crit) &&
                    store.ReadDword(SettingClearDayCount) == DWORD(row.clear));
        EXPECT_EQ(DateOf(main->Scheduler().m_hWnd, IDC_SCHED_DATE), start);
        EXPECT_EQ(shown(IDC_SCHED_CRIT_EDIT) + "/" + shown(IDC_SCHED_CLEAR_EDIT),
                  std::to_string(row.crit) + "/" + std::to_string(row.clear));
        EXPECT_TRUE(ShownMonth() == (row.start ? 5 : 3) &&
                    (row.state < 0 || int(main->Tray().GetState()) == row.state));
        if (&row == table)
            bitmaps = testing_support::LiveBitmaps();
    }
    EXPECT_TRUE(keyed != kOpened && testing_support::LiveBitmaps() == bitmaps);
}

} // namespace
