// Start-up and end through the real application object: the first run (no
// settings key) offers the wizard (while the main window is still hidden: the
// black box), and the choice in the offer decides however the offer is closed;
// a stored wish to start with Windows is honoured for the running program.
#include <tuple>

#include "app/CCritApp.h"
#include "app/Help.h"
#include "model/FirstStart.h"
#include "tests/app/MainWindowFixture.h"

using namespace main_window_testing;

namespace {

int g_wizardRuns = 0;

class CountingMainDialog : public MainDialog {
public:
    using MainDialog::MainDialog;
    void RunWizard() override { ++g_wizardRuns; }
};

// The program with the test's clock and shell.
class TestApp : public CCritApp {
public:
    TestApp(const std::wstring& program, const fw::Clock& clock, Shell& shell)
        : CCritApp(program), clock_(clock), shell_(shell)
    {
    }

protected:
    MainDialog* NewMainDialog(const fw::Clock&, HelpOpener& help, Shell&, LanguageManager& language,
                              SettingsStore& settings, StoredCycle& stored) override
    {
        return new CountingMainDialog(clock_, help, shell_, language, settings, stored);
    }

private:
    const fw::Clock& clock_;
    Shell& shell_;
};

using StartupTest = ProgramEnvironment;

// With a settings key nothing is offered, unless a first start before ended
// while its question waited. Either way the end destroys the main window,
// and HTML Help waits for its first topic.
TEST_F(StartupTest, TheFirstRunsOfferDecidesWhetherTheWizardRunsAndTheEndDestroysTheWindow)
{
    auto choose = [](int id) -> Step { return [id](HWND offer) { Click(offer, id); }; };
    auto escape = [](int focus) -> Step { // the key on the control with the focus
        return
            [focus](HWND o) { ::PostMessageA(::GetDlgItem(o, focus), WM_KEYDOWN, VK_ESCAPE, 1); };
    };
    const Step ok = choose(IDC_FIRST_OK), no = choose(IDC_FIRST_NO_THANKS);
    const struct {
        const char* answer;
        std::vector<Step> steps;
        int offers, wizardRuns;
    } table[] = {
        {"OK", {ok}, 1, 1},
        {"No Thanks, OK", {no, ok}, 1, 0},
        {"Escape", {escape(IDC_FIRST_LAUNCH_WIZARD)}, 1, 1},
        {"No Thanks, Escape", {no, escape(IDC_FIRST_NO_THANKS)}, 1, 0},
        {"a settings key, a wish to start with Windows", {}, 0, 0},
        {"a first start that ended unanswered, OK", {ok}, 1, 1},
    };
    for (const auto& row : table) {
        testing_support::ResetRegistrySandbox();
        ASSERT_TRUE(row.offers || store.Open());
        const bool unanswered = row.answer[0] == 'a' && row.offers;
        if (row.answer[0] == 'a') // and a stored wish to start with Windows (its rule: the model's)
            store.WriteDword(row.offers ? SettingFirstStartAnswered : SettingAutoload, !row.offers);
        if (unanswered) { // a reminder due, held while the offer waits
            StoreSampleCycle();
            store.WriteStartDate(COleDateTime(2004, 5, 22, 0, 0, 0));
            store.WriteDword(SettingRemind, 1);
        }
        // One run up to the message loop, the offer (if it comes) answered.
        shell.calls.clear();
        TestApp app(program, clock, shell);
        g_wizardRuns = 0;
        std::vector<Step> steps = row.steps;
        steps.insert(steps.begin(), [&](HWND offer) {
            EXPECT_NE(::SendDlgItemMessageA(offer, IDC_FIRST_ICON, STM_GETICON, 0, 0), 0);
            EXPECT_EQ(store.ReadDword(SettingFirstStartAnswered), 0u) << "not under way";
        });
        {
            ModalScript script(IDC_FIRST_LAUNCH_WIZARD, steps);
            EXPECT_TRUE(app.InitInstance());
            EXPECT_EQ(script.Seen(), row.offers) << row.answer;
        }
        // The program opens the topics of its help file, and HTML Help waits for
        // the first. Visibled is missing: it reads 1, so the window is shown.
        const HWND window = app.GetMainDialog()->m_hWnd;
        const HWND sheet = app.GetMainDialog()->Sheet().m_hWnd;
        EXPECT_EQ(std::make_pair(app.IsFirstRun(), g_wizardRuns),
                  std::make_pair(row.offers == 1, row.wizardRuns))
            << row.answer;
        EXPECT_FALSE(IsFirstStart(store)) << row.answer << ": answered";
        EXPECT_EQ(shell.Reminders().size(), unanswered ? 1u : 0u) << row.answer;
        EXPECT_EQ(StartsWithWindows(program), !row.offers) << row.answer;
        EXPECT_TRUE(::IsWindowVisible(window) && !app.Help().Library().Loaded());
        // Exit, then what the framework does after the loop.
        app.GetMainDialog()->SendMessage(WM_COMMAND, IDC_MAIN_EXIT, 0);
        EXPECT_TRUE(TakeQuitMessage());
        app.ExitInstance();
        EXPECT_FALSE(::IsWindow(window) || ::IsWindow(sheet) || app.GetMainDialog() ||
                     app.m_pMainWnd)
            << row.answer;
    }
}

} // namespace
