// Start-up and end through the real application object: the first run (no
// settings key) offers the wizard (while the main window is still hidden: the
// black box), and the choice in the offer decides however the offer is closed.
#include <tuple>

#include "app/CCritApp.h"
#include "app/Help.h"
#include "framework/TextCodec.h"
#include "lang/ModulePath.h"
#include "model/FirstStart.h"
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
        {"a settings key, empty", {}, 0, 0},
        {"a first start that ended unanswered, OK", {ok}, 1, 1},
    };
    for (const auto& row : table) {
        testing_support::ResetRegistrySandbox();
        ASSERT_TRUE(row.offers || OpenSettingsKey());
        if (row.answer[0] == 'a' && row.offers)
            WriteSettingDword(SettingFirstStartAnswered, 0);
        // One run up to the message loop, the offer (if it comes) answered.
        TestApp app;
        g_wizardRuns = 0;
        std::vector<Step> steps = row.steps;
        steps.insert(steps.begin(), [&](HWND offer) {
            EXPECT_NE(::SendDlgItemMessageA(offer, IDC_FIRST_ICON, STM_GETICON, 0, 0), 0);
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
        EXPECT_FALSE(IsFirstStart()) << row.answer << ": answered";
        EXPECT_TRUE(SetHelpTopicOpener(nullptr) == &OpenHtmlHelpTopic &&
                    ::IsWindowVisible(window) && !help_testing::LoadedLibrary());
        // Exit, then what the framework does after the loop.
        app.GetMainDialog()->SendMessage(WM_COMMAND, IDC_MAIN_EXIT, 0);
        EXPECT_TRUE(TakeQuitMessage());
        app.ExitInstance();
        EXPECT_FALSE(::IsWindow(window) || ::IsWindow(sheet) || app.GetMainDialog() ||
                     AfxGetMainWnd())
            << row.answer;
    }
}

// A stored wish to start with Windows is honoured for the running program when
// its Run value is missing (an uninstall took it) or names another copy; a
// Run value nobody wished for is left alone.
TEST_F(StartupTest, AStoredWishToStartWithWindowsIsHonouredForThisProgram)
{
    const char kRun[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
    const std::string self = "\"" + fw::Utf8(ModulePath::ModuleFileName()) + "\"";
    const struct {
        DWORD wish;
        const char* runValue; // null: none
        const char* expected; // null: none; "" this program
    } table[] = {
        {1, nullptr, ""},
        {1, "\"C:\\Old\\velindra.exe\"", ""},
        {0, "\"C:\\Old\\velindra.exe\"", "\"C:\\Old\\velindra.exe\""},
        {0, nullptr, nullptr},
    };
    for (const auto& row : table) {
        testing_support::ResetRegistrySandbox();
        ASSERT_TRUE(WriteSettingDword(SettingAutoload, row.wish));
        if (row.runValue) {
            ASSERT_EQ(RegSetKeyValueA(HKEY_CURRENT_USER, kRun, "Velindra", REG_SZ, row.runValue,
                                      static_cast<DWORD>(strlen(row.runValue) + 1)),
                      ERROR_SUCCESS);
        }
        TestApp app;
        ASSERT_TRUE(app.InitInstance());
        char stored[1024] = {};
        DWORD size = sizeof(stored);
        const bool found = RegGetValueA(HKEY_CURRENT_USER, kRun, "Velindra", RRF_RT_REG_SZ, nullptr,
                                        stored, &size) == ERROR_SUCCESS;
        EXPECT_EQ(found ? std::string(stored) : "none",
                  row.expected ? (*row.expected ? row.expected : self) : "none")
            << row.wish << " " << (row.runValue ? row.runValue : "none");
        app.ExitInstance();
    }
}

} // namespace
