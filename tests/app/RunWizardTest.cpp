// The three-step wizard that the Wizard button opens, owned by the main
// window and worked from a timer inside its own loop: what Finish stores,
// shows on the Scheduler page and makes effective, that Cancel on any step
// changes nothing, and how each step looks (its buttons, its side picture,
// the frames and the lighter sheet around the pages).
#include "tests/app/MainWindowFixture.h"
#include "ui/Drawing.h"

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

class RunWizardTest : public MainWindowEnvironment {
protected:
    // The Wizard button, and the wizard worked by the steps.
    void RunWizard(std::vector<Step> steps)
    {
        steps.insert(steps.begin(), [this](HWND sheet) {
            EXPECT_EQ(::GetWindow(sheet, GW_OWNER), main->m_hWnd);
            EXPECT_FALSE(::IsWindowEnabled(main->m_hWnd));
        });
        ModalScript script(kWizard, steps);
        main->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_MAIN_WIZARD, BN_CLICKED), 0);
        EXPECT_EQ(script.Seen(), 1);
        EXPECT_TRUE(::IsWindowEnabled(main->m_hWnd));
    }
    std::string SchedulerText(int id) const
    {
        char text[16] = {};
        ::GetDlgItemTextA(main->Scheduler().m_hWnd, id, text, sizeof(text));
        return text;
    }
    COleDateTime SchedulerDate() const { return DateOf(main->Scheduler().m_hWnd, IDC_SCHED_DATE); }
};

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
    const Step next = Press(PSBTN_NEXT), back = Press(PSBTN_BACK);
    const Step finish = Press(PSBTN_FINISH), cancel = Press(PSBTN_CANCEL);
    const Step later9 = [](HWND) { fw::PinClock(COleDateTime(2004, 5, 20, 12, 9, 0)); };
    const Step later5 = [](HWND) { fw::PinClock(COleDateTime(2004, 5, 20, 12, 5, 0)); };
    const Step today = [](HWND sheet) { Click(CurrentPage(sheet), IDC_WIZ1_TODAY); };
    const int pink = MainDialog::TrayPink, normal = MainDialog::TrayNormal;
    auto crit = [](const char* text) { return Type(IDC_WIZ2_EDIT, text); };
    auto clear = [](const char* text) { return Type(IDC_WIZ3_EDIT, text); };
    const struct {
        const char* steps;
        const COleDateTime* start; // null: Cancel, nothing changes
        int crit, clear;
        int state; // the icon's after a refresh; -1: not looked at
        std::vector<Step> script;
    } table[] = {
        // clang-format off
        // The picker keeps the opening time while time passes.
        {"untouched", &kOpened, 3, 28, pink, {later9, next, next, finish}},
        // The count pages were never made and hold 0, which must not be stored.
        {"Finish at once", &kOpened, 3, 28, pink, {finish}},
        {"unusable counts", &kOpened, 3, 28, pink, {next, crit("45"), next, clear(""), finish}},
        // Step 1 takes its picker's value again when shown again.
        {"chosen", &chosen, 4, 27, normal,
         {SetPicker(chosen), next, crit("4"), back, next, next, clear("27"), finish}},
        {"back to the start and on", &kOpened, 12, 40, pink,
         {next, crit("12"), next, clear("40"), back, back, next, next, finish}},
        {"keyboard", &keyed, 3, 28, -1, {keys, next, next, finish}},
        {"keyboard, then Today", &later, 3, 28, pink, {keys, later5, today, next, next, finish}},
        {"Cancel on step 3", nullptr, 5, 30, pink, {next, crit("9"), next, cancel}},
        // clang-format on
    };
    CreateMain();
    for (const auto& row : table) {
        SCOPED_TRACE(row.steps);
        fw::PinClock(kOpened);
        StoreSampleCycle(); // today is critical
        main->Scheduler().LoadFromSettings();
        main->RefreshCycleState();
        main->Monitor().Calendar().SetMonth(kSampleStart); // a refresh brings back May
        RunWizard(row.script);
        const COleDateTime start = row.start ? *row.start : kSampleStart;
        COleDateTime stored;
        EXPECT_TRUE(ReadStartDate(SettingStartDate, stored) && stored == start);
        EXPECT_EQ(ReadSettingDword(SettingCritDayCount), DWORD(row.crit));
        EXPECT_EQ(ReadSettingDword(SettingClearDayCount), DWORD(row.clear));
        EXPECT_EQ(SchedulerDate(), start);
        EXPECT_EQ(SchedulerText(IDC_SCHED_CRIT_EDIT), std::to_string(row.crit));
        EXPECT_EQ(SchedulerText(IDC_SCHED_CLEAR_EDIT), std::to_string(row.clear));
        EXPECT_EQ(ShownMonth(), row.start ? 5 : 3);
        EXPECT_TRUE(row.state < 0 || int(main->GetTrayState()) == row.state);
    }
    EXPECT_NE(keyed, kOpened);
}

TEST_F(RunWizardTest, EachStepShowsItsButtonsItsPictureAndItsFramesOnALighterSheet)
{
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    const COLORREF lighter = LightenColor(face, 0.24), outer = DarkenColor(face, 0.15);
    auto pixel = [](HWND window, int x, int y) {
        ::UpdateWindow(window);
        return testing_support::ReadWindowPixel(window, x, y);
    };
    auto picture = [](HWND sheet) {
        return reinterpret_cast<HBITMAP>(::SendDlgItemMessageA(CurrentPage(sheet), IDC_WIZ_PICTURE,
                                                               STM_GETIMAGE, IMAGE_BITMAP, 0));
    };
    // Back, Next and Finish as the step enables them; a soft frame around the
    // side picture and one around the rest; the sheet lighter than the pages.
    auto look = [&](bool back, bool next, bool finish) -> Step {
        return [=](HWND sheet) {
            const bool buttons[] = {back, next, finish};
            for (int i = 0; i < 3; ++i) {
                HWND button = ::GetDlgItem(sheet, 0x3023 + i);
                EXPECT_EQ(::IsWindowVisible(button) && ::IsWindowEnabled(button), buttons[i]) << i;
            }
            HWND page = CurrentPage(sheet);
            RECT frame{}, client{};
            ::GetWindowRect(::GetDlgItem(page, IDC_WIZ_PICTURE), &frame);
            ::MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&frame), 2);
            EXPECT_EQ(pixel(page, frame.left - 2, frame.top - 2), lighter);
            EXPECT_EQ(pixel(page, frame.left - 2, frame.top + 10), outer);
            ::GetClientRect(page, &client);
            EXPECT_EQ(pixel(page, client.right - 1, client.bottom - 1), lighter);
            EXPECT_EQ(pixel(page, frame.right + 4, client.bottom / 2), outer);
            ::GetClientRect(sheet, &client);
            EXPECT_EQ(pixel(sheet, 2, client.bottom - 2), lighter);
        };
    };
    // The side picture is loaded again on every activation, the old one deleted.
    HBITMAP first = nullptr;
    CreateMain();
    RunWizard({look(false, true, false),
               [&](HWND sheet) {
                   first = picture(sheet);
                   BITMAP info{};
                   ASSERT_NE(0, ::GetObjectA(first, sizeof(info), &info));
                   EXPECT_EQ(info.bmWidth, 100);
                   EXPECT_EQ(info.bmHeight, 232);
               },
               Press(PSBTN_NEXT), look(true, true, false), Press(PSBTN_NEXT),
               look(true, false, true), Press(PSBTN_BACK), Press(PSBTN_BACK),
               [&](HWND sheet) {
                   EXPECT_NE(picture(sheet), nullptr);
                   EXPECT_NE(picture(sheet), first);
                   EXPECT_EQ(::GetObjectType(first), 0u);
               },
               look(false, true, false), Press(PSBTN_CANCEL)});
}

} // namespace
