// Start-up and end through the real application object: the first run (no
// settings key) offers the wizard while the main window is still hidden, and
// the choice in the offer decides however the offer is closed; with a
// settings key nothing is offered; the end destroys the main window, and a
// run that opened no topic never loaded HTML Help.
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

TEST_F(StartupTest, TheFirstRunsOfferDecidesWhetherTheWizardRuns)
{
    const struct {
        const char* answer;
        std::vector<Step> steps;
        int wizardRuns;
    } table[] = {
        {"OK", {Choose(IDC_FIRST_OK)}, 1},
        {"No Thanks, OK", {Choose(IDC_FIRST_NO_THANKS), Choose(IDC_FIRST_OK)}, 0},
        {"Escape", {Escape(IDC_FIRST_LAUNCH_WIZARD)}, 1},
        {"No Thanks, Escape", {Choose(IDC_FIRST_NO_THANKS), Escape(IDC_FIRST_NO_THANKS)}, 0},
        {"No Thanks, Wizard, OK",
         {Choose(IDC_FIRST_NO_THANKS), Choose(IDC_FIRST_LAUNCH_WIZARD), Choose(IDC_FIRST_OK)},
         1},
    };
    for (const auto& row : table) {
        testing_support::ResetRegistrySandbox();
        TestApp app;
        EXPECT_EQ(Start(app, row.steps), 1) << row.answer;
        EXPECT_TRUE(app.IsFirstRun()) << row.answer;
        EXPECT_TRUE(hiddenDuringOffer) << row.answer;
        EXPECT_EQ(g_wizardRuns, row.wizardRuns) << row.answer;
        // Visibled is missing: it reads 1, so the first run shows the window.
        EXPECT_TRUE(app.GetMainDialog()->IsWindowVisible()) << row.answer;
        End(app);
    }
}

TEST_F(StartupTest, WithASettingsKeyNothingIsOfferedAndTheEndDestroysTheMainWindow)
{
    RegKey key = OpenSettingsKey(); // empty
    ASSERT_TRUE(key);
    TestApp app;
    EXPECT_EQ(Start(app, {}), 0);
    EXPECT_FALSE(app.IsFirstRun());
    EXPECT_EQ(g_wizardRuns, 0);
    const HWND window = app.GetMainDialog()->m_hWnd;
    const HWND sheet = app.GetMainDialog()->Sheet().m_hWnd;
    EXPECT_EQ(help_testing::LoadedLibrary(), nullptr); // HTML Help waits for its first topic
    End(app);
    EXPECT_FALSE(::IsWindow(window));
    EXPECT_FALSE(::IsWindow(sheet));
    EXPECT_EQ(app.GetMainDialog(), nullptr);
    EXPECT_EQ(AfxGetMainWnd(), nullptr);
}

} // namespace
