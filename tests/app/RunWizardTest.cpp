// The main window's wizard command with a real MainDialog: what Finish
// stores, shows on the Scheduler page and refreshes, that Cancel changes
// nothing, and the translation of the wizard's pages. The modal wizard is
// driven from a timer inside its own message loop.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/MainDialog.h"
#include "res/resource.h"
#include "tests/app/MainWindowHost.h"
#include "tests/pages/WizardScript.h"

using namespace main_window_testing;
using namespace wizard_testing;

namespace {

const COleDateTime kToday(2004, 5, 20, 12, 0, 0); // the fixture's pinned clock

class RunWizardTest : public MainWindowEnvironment {
protected:
    void RunWizard(std::vector<Step> steps)
    {
        WizardScript script(std::move(steps));
        main->RunWizard();
    }

    HWND Scheduler() const { return main->Sheet().GetPage(MainDialog::PageScheduler)->m_hWnd; }
    std::string SchedulerText(int id) const
    {
        char text[16] = {};
        ::GetDlgItemTextA(Scheduler(), id, text, sizeof(text));
        return text;
    }
    COleDateTime SchedulerDate() const
    {
        SYSTEMTIME time{};
        ::SendDlgItemMessageA(Scheduler(), IDC_SCHED_DATE, DTM_GETSYSTEMTIME, 0,
                              reinterpret_cast<LPARAM>(&time));
        return COleDateTime(time);
    }
    static std::string StoredStart()
    {
        std::string text;
        ReadSettingText(SettingStartDate, text);
        return text;
    }
};

void SetPicker(HWND page, const COleDateTime& date)
{
    SYSTEMTIME time{};
    ASSERT_TRUE(date.GetAsSystemTime(time));
    ::SendDlgItemMessageA(page, IDC_WIZ1_DATE, DTM_SETSYSTEMTIME, GDT_VALID,
                          reinterpret_cast<LPARAM>(&time));
}

} // namespace

TEST_F(RunWizardTest, UntouchedFinishStoresTodayAtTheOpeningTimeAndTheDefaultCounts)
{
    StoreSampleCycle();
    CreateMain();
    RunWizard({
        // Time passes while the wizard is open; its picker keeps the opening time.
        [](CPropertySheet&) { fw::PinClock(COleDateTime(2004, 5, 20, 12, 9, 0)); },
        Press(PSBTN_NEXT),
        Press(PSBTN_NEXT),
        Press(PSBTN_FINISH),
    });
    EXPECT_EQ("2004 5 20 12 0 0", StoredStart());
    EXPECT_EQ(3u, ReadSettingDword(SettingCritDayCount));
    EXPECT_EQ(28u, ReadSettingDword(SettingClearDayCount));
    EXPECT_EQ("3", SchedulerText(IDC_SCHED_CRIT_EDIT));
    EXPECT_EQ("28", SchedulerText(IDC_SCHED_CLEAR_EDIT));
    EXPECT_EQ(kToday, SchedulerDate());
}

TEST_F(RunWizardTest, UnusableCountsAreStoredAsTheDefaults)
{
    StoreSampleCycle();
    CreateMain();
    RunWizard({
        Press(PSBTN_NEXT),
        Type(IDC_WIZ2_EDIT, "45"),
        Press(PSBTN_NEXT),
        Type(IDC_WIZ3_EDIT, ""),
        Press(PSBTN_FINISH),
    });
    EXPECT_EQ(3u, ReadSettingDword(SettingCritDayCount));
    EXPECT_EQ(28u, ReadSettingDword(SettingClearDayCount));
    EXPECT_EQ("3", SchedulerText(IDC_SCHED_CRIT_EDIT));
    EXPECT_EQ("28", SchedulerText(IDC_SCHED_CLEAR_EDIT));
}

TEST_F(RunWizardTest, FinishStoresTheChosenCycleShowsItAndRefreshes)
{
    StoreSampleCycle(); // today is critical
    CreateMain();
    main->RefreshCycleState();
    ASSERT_EQ(MainDialog::TrayPink, main->GetTrayState());
    const COleDateTime chosen(2004, 1, 1, 12, 0, 0);
    RunWizard({
        [&](CPropertySheet& s) { SetPicker(CurrentPage(s), chosen); },
        Press(PSBTN_NEXT),
        Type(IDC_WIZ2_EDIT, "4"),
        Press(PSBTN_BACK), // step 1 takes its picker's value again
        Press(PSBTN_NEXT),
        Press(PSBTN_NEXT),
        Type(IDC_WIZ3_EDIT, "27"),
        Press(PSBTN_FINISH),
    });
    EXPECT_EQ("2004 1 1 12 0 0", StoredStart());
    EXPECT_EQ(4u, ReadSettingDword(SettingCritDayCount));
    EXPECT_EQ(27u, ReadSettingDword(SettingClearDayCount));
    EXPECT_EQ("4", SchedulerText(IDC_SCHED_CRIT_EDIT));
    EXPECT_EQ("27", SchedulerText(IDC_SCHED_CLEAR_EDIT));
    EXPECT_EQ(chosen, SchedulerDate());
    // Periods of 4 days every 31 days from January 1st: May 4 to 7, so the
    // refreshed state of today, May 20, is no longer critical.
    EXPECT_EQ(MainDialog::TrayNormal, main->GetTrayState());
    EXPECT_EQ(5, main->Monitor().Calendar().GetShownDate().GetMonth());
    EXPECT_TRUE(main->Monitor().IsCriticalDay(COleDateTime(2004, 5, 4, 0, 0, 0)));
}

TEST_F(RunWizardTest, CancelStoresNothingShowsNothingAndDoesNotRefresh)
{
    StoreSampleCycle();
    CreateMain();
    main->RefreshCycleState();
    ASSERT_EQ(MainDialog::TrayPink, main->GetTrayState());
    // A refresh would now give the normal icon.
    WriteSettingDword(SettingCritRed, 0);
    for (int cancelOnStep = 1; cancelOnStep <= 3; ++cancelOnStep) {
        std::vector<Step> steps;
        if (cancelOnStep >= 2)
            steps.insert(steps.end(), {Press(PSBTN_NEXT), Type(IDC_WIZ2_EDIT, "9")});
        if (cancelOnStep >= 3)
            steps.insert(steps.end(), {Press(PSBTN_NEXT), Type(IDC_WIZ3_EDIT, "50")});
        steps.push_back(Press(PSBTN_CANCEL));
        RunWizard(std::move(steps));
        EXPECT_EQ("2004 3 10 9 30 0", StoredStart()) << cancelOnStep;
        EXPECT_EQ(5u, ReadSettingDword(SettingCritDayCount)) << cancelOnStep;
        EXPECT_EQ(30u, ReadSettingDword(SettingClearDayCount)) << cancelOnStep;
        EXPECT_EQ("5", SchedulerText(IDC_SCHED_CRIT_EDIT)) << cancelOnStep;
        EXPECT_EQ("30", SchedulerText(IDC_SCHED_CLEAR_EDIT)) << cancelOnStep;
        EXPECT_EQ(MainDialog::TrayPink, main->GetTrayState()) << cancelOnStep;
    }
}

TEST_F(RunWizardTest, TheWizardButtonOpensTheWizardOwnedByTheMainWindow)
{
    CreateMain();
    HWND owner = nullptr;
    bool mainEnabled = true;
    int steps = 0;
    {
        WizardScript script({
            [&](CPropertySheet& s) {
                owner = ::GetWindow(s.m_hWnd, GW_OWNER);
                mainEnabled = ::IsWindowEnabled(main->m_hWnd) != FALSE;
                ++steps;
            },
            Press(PSBTN_CANCEL),
        });
        main->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_MAIN_WIZARD, BN_CLICKED), 0);
    }
    EXPECT_EQ(1, steps);
    EXPECT_EQ(main->m_hWnd, owner);
    EXPECT_FALSE(mainEnabled);
    EXPECT_TRUE(::IsWindowEnabled(main->m_hWnd));
}

TEST_F(RunWizardTest, PagesAreTranslatedAndOnlyTheirBuiltInTextsReachTheEnglishFile)
{
    ASSERT_TRUE(folder.Write("german.lng", "[DialogID_147]\r\nID_1043=Kritische Tage\r\n"
                                           "ID_0=Assistent, Schritt 2/3\r\n"
                                           "[DialogID_146]\r\nID_1025=Heute\r\n"));
    WriteSettingText(SettingLang, "german");
    CreateMain();
    auto text = [](CPropertySheet& s, int id) {
        char buffer[256] = {};
        ::GetDlgItemTextA(CurrentPage(s), id, buffer, sizeof(buffer));
        return std::string(buffer);
    };
    std::string today, prompt, promptAgain, title1, title2;
    RunWizard({
        [&](CPropertySheet& s) {
            today = text(s, IDC_WIZ1_TODAY);
            title1 = s.GetWindowText();
        },
        Press(PSBTN_NEXT),
        [&](CPropertySheet& s) {
            prompt = text(s, IDC_WIZ2_PROMPT);
            title2 = s.GetWindowText();
        },
        Press(PSBTN_BACK),
        Press(PSBTN_NEXT), // a second activation, now showing German texts
        [&](CPropertySheet& s) { promptAgain = text(s, IDC_WIZ2_PROMPT); },
        Press(PSBTN_CANCEL),
    });
    EXPECT_EQ("Heute", today);
    EXPECT_EQ("Kritische Tage", prompt);
    EXPECT_EQ("Kritische Tage", promptAgain);
    // The wizard's title is the caption of the step it shows, translated.
    EXPECT_EQ("Wizard, Step 1/3", title1);
    EXPECT_EQ("Assistent, Schritt 2/3", title2);

    std::string english = folder.Read("english.lng");
    EXPECT_NE(std::string::npos, english.find("[DialogID_146]"));
    EXPECT_NE(std::string::npos, english.find("[DialogID_147]"));
    EXPECT_NE(std::string::npos, english.find("Critical period. Input please the number of "
                                              "critical days for one period:"));
    EXPECT_EQ(std::string::npos, english.find("Kritische"));
    EXPECT_EQ(std::string::npos, english.find("Heute"));
}

TEST_F(RunWizardTest, FinishBeforeTheCountStepsExistStoresTheDefaultCounts)
{
    StoreSampleCycle();
    CreateMain();
    // Finish pressed from the first step: the count pages were never created
    // and still hold 0, which must not reach the settings.
    RunWizard({Press(PSBTN_FINISH)});
    EXPECT_EQ("2004 5 20 12 0 0", StoredStart());
    EXPECT_EQ(3u, ReadSettingDword(SettingCritDayCount));
    EXPECT_EQ(28u, ReadSettingDword(SettingClearDayCount));
    EXPECT_EQ("3", SchedulerText(IDC_SCHED_CRIT_EDIT));
    EXPECT_EQ("28", SchedulerText(IDC_SCHED_CLEAR_EDIT));
}
