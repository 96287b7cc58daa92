// Start-up and end through the real application object: the first run (no
// settings key) offers the wizard while the main window is still hidden, and
// the choice in the offer decides however the offer is closed.
#include "app/CCritApp.h"
#include "app/Help.h"
#include "tests/app/MainWindowFixture.h"

using namespace main_window_testing;

namespace {

int g_wizardRuns = 0;

class CountingMainDialog : public MainDialog {
public:
    void RunWizard() override { ++g_wizardRuns; }
};

class TestApp : public CCritApp {
protected:
    MainDialog* NewMainDialog() override { return new CountingMainDialog; }
};

class StartupTest : public ProgramEnvironment {
protected:
    // One run of the program up to its message loop, the offer (if it comes)
    // answered by the steps; the number of offers.
    int Start(TestApp& app, std::vector<Step> answer)
    {
        g_wizardRuns = 0;
        answer.insert(answer.begin(), [&](HWND offer) {
            hiddenDuringOffer = !app.GetMainDialog()->IsWindowVisible();
            EXPECT_NE(::SendDlgItemMessageA(offer, IDC_FIRST_ICON, STM_GETICON, 0, 0), 0);
        });
        ModalScript script(IDC_FIRST_LAUNCH_WIZARD, answer);
        EXPECT_TRUE(app.InitInstance());
        // The program opens the topics of its help file.
        EXPECT_EQ(SetHelpTopicOpener(nullptr), &OpenHtmlHelpTopic);
        return script.Seen();
    }
    // Exit, then what the framework does after the loop.
    static void End(TestApp& app)
    {
        app.GetMainDialog()->SendMessage(WM_COMMAND, IDC_MAIN_EXIT, 0);
        EXPECT_TRUE(TakeQuitMessage());
        app.ExitInstance();
    }

    bool hiddenDuringOffer = false;
};

Step Choose(int id)
{
    return [id](HWND offer) { Click(offer, id); };
}
Step Escape(int focus)
{
    return [focus](HWND offer) {
        ::PostMessageA(::GetDlgItem(offer, focus), WM_KEYDOWN, VK_ESCAPE, 1);
    };
}

// With a settings key nothing is offered. Either way the end destroys the
// main window, and HTML Help waits for its first topic.
TEST_F(StartupTest, TheFirstRunsOfferDecidesWhetherTheWizardRunsAndTheEndDestroysTheWindow)
{
    const struct {
        const char* answer;
        std::vector<Step> steps;
        int offers, wizardRuns;
    } table[] = {
        {"OK", {Choose(IDC_FIRST_OK)}, 1, 1},
        {"No Thanks, OK", {Choose(IDC_FIRST_NO_THANKS), Choose(IDC_FIRST_OK)}, 1, 0},
        {"Escape", {Escape(IDC_FIRST_LAUNCH_WIZARD)}, 1, 1},
        {"No Thanks, Escape", {Choose(IDC_FIRST_NO_THANKS), Escape(IDC_FIRST_NO_THANKS)}, 1, 0},
        {"No Thanks, Wizard, OK",
         {Choose(IDC_FIRST_NO_THANKS), Choose(IDC_FIRST_LAUNCH_WIZARD), Choose(IDC_FIRST_OK)},
         1,
         1},
        {"a settings key, empty", {}, 0, 0},
    };
    for (const auto& row : table) {
        testing_support::ResetRegistrySandbox();
        if (!row.offers) {
            ASSERT_TRUE(OpenSettingsKey());
        }
        TestApp app;
        hiddenDuringOffer = false;
        EXPECT_EQ(Start(app, row.steps), row.offers) << row.answer;
        EXPECT_EQ(app.IsFirstRun(), row.offers == 1) << row.answer;
        EXPECT_EQ(hiddenDuringOffer, row.offers == 1) << row.answer;
        EXPECT_EQ(g_wizardRuns, row.wizardRuns) << row.answer;
        // Visibled is missing: it reads 1, so the window is shown.
        EXPECT_TRUE(app.GetMainDialog()->IsWindowVisible()) << row.answer;
        EXPECT_EQ(help_testing::LoadedLibrary(), nullptr);
        const HWND window = app.GetMainDialog()->m_hWnd;
        const HWND sheet = app.GetMainDialog()->Sheet().m_hWnd;
        End(app);
        EXPECT_FALSE(::IsWindow(window) || ::IsWindow(sheet)) << row.answer;
        EXPECT_EQ(app.GetMainDialog(), nullptr);
        EXPECT_EQ(AfxGetMainWnd(), nullptr);
    }
}

} // namespace
