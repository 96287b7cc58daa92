// Start-up and shut-down through the real application object: the first-run
// test, the first-launch offer, Visibled deciding whether the window shows,
// and the round trip of Visibled from one run to the next.
#include <gtest/gtest.h>

#include "app/Help.h"

#include "app/CCritApp.h"
#include "app/MainDialog.h"
#include "model/AppIdentity.h"
#include "res/resource.h"
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

bool SettingsKeyExists()
{
    return RegistryKeyExists(HKEY_CURRENT_USER, "Software\\Orrowby\\Velindra");
}

class StartupTest : public ProgramEnvironment {
protected:
    StartupTest() { g_wizardRuns = 0; }

    // One run of the program up to its message loop; `offer` answers the
    // first-launch dialog if it comes (by default: "No, Thank You", OK).
    void Start(TestApp& app, std::function<void(HWND)> offer = nullptr)
    {
        DialogDriver driver(IDC_FIRST_LAUNCH_WIZARD, [&](HWND dialog) {
            mainHiddenDuringOffer = !app.GetMainDialog()->IsWindowVisible();
            if (offer) {
                offer(dialog);
            } else {
                Click(dialog, IDC_FIRST_NO_THANKS);
                Click(dialog, IDC_FIRST_OK);
            }
        });
        ASSERT_TRUE(app.InitInstance());
        offers = driver.Seen();
        SetHelpTopicOpener(&RecordTopic); // the program installed its own
    }

    // The end of a run: Exit, then what the framework does after the loop.
    void Exit(TestApp& app, int command = IDC_MAIN_EXIT)
    {
        app.GetMainDialog()->SendMessage(WM_COMMAND, command, 0);
        EXPECT_TRUE(TakeQuitMessage());
        app.ExitInstance();
    }

    static void Click(HWND dialog, int id)
    {
        ::SendMessageA(::GetDlgItem(dialog, id), BM_CLICK, 0, 0);
    }

    int offers = 0;
    bool mainHiddenDuringOffer = false;
};

TEST_F(StartupTest, FirstRunOffersTheWizardWhileTheWindowIsStillHidden)
{
    ASSERT_FALSE(SettingsKeyExists());
    TestApp app;
    Start(app, [](HWND dialog) {
        Click(dialog, IDC_FIRST_NO_THANKS);
        Click(dialog, IDC_FIRST_OK);
    });
    EXPECT_TRUE(app.IsFirstRun());
    EXPECT_EQ(offers, 1);
    EXPECT_TRUE(mainHiddenDuringOffer);
    EXPECT_EQ(g_wizardRuns, 0);
    EXPECT_EQ(app.m_appName, "Velindra");
    EXPECT_EQ(app.m_registryKey, "Orrowby");
    EXPECT_EQ(app.m_profileName, "Velindra");
    ASSERT_NE(app.GetMainDialog(), nullptr);
    EXPECT_EQ(AfxGetMainWnd(), static_cast<CWnd*>(app.GetMainDialog()));
    // Visibled is missing: it reads 1, so the first run shows the window.
    EXPECT_TRUE(app.GetMainDialog()->IsWindowVisible());
    EXPECT_TRUE(SettingsKeyExists());
    Exit(app);
}

TEST_F(StartupTest, FirstRunEscapeWithLaunchWizardRunsTheWizard)
{
    TestApp app;
    Start(app, [](HWND dialog) {
        ::PostMessageA(::GetDlgItem(dialog, IDC_FIRST_LAUNCH_WIZARD), WM_KEYDOWN, VK_ESCAPE, 1);
    });
    EXPECT_EQ(offers, 1);
    EXPECT_EQ(g_wizardRuns, 1);
    Exit(app);
}

TEST_F(StartupTest, OkWithLaunchWizardRunsTheWizard)
{
    TestApp app;
    Start(app, [](HWND dialog) { Click(dialog, IDC_FIRST_OK); });
    EXPECT_EQ(g_wizardRuns, 1);
    Exit(app);
}

TEST_F(StartupTest, LaterRunsOfferNothing)
{
    {
        TestApp first;
        Start(first);
        Exit(first);
    }
    TestApp second;
    Start(second);
    EXPECT_FALSE(second.IsFirstRun());
    EXPECT_EQ(offers, 0);
    EXPECT_EQ(g_wizardRuns, 0);
    Exit(second);
}

TEST_F(StartupTest, AnEmptySettingsKeyIsNotAFirstRun)
{
    RegKey key = OpenSettingsKey();
    ASSERT_TRUE(key);
    TestApp app;
    Start(app);
    EXPECT_FALSE(app.IsFirstRun());
    EXPECT_EQ(offers, 0);
    Exit(app);
}

TEST_F(StartupTest, VisibledZeroKeepsTheWindowHidden)
{
    WriteSettingDword(SettingVisibled, 0);
    TestApp app;
    Start(app);
    EXPECT_FALSE(app.GetMainDialog()->IsWindowVisible());
    Exit(app);
}

TEST_F(StartupTest, VisibilityCarriesOverFromOneRunToTheNext)
{
    {
        TestApp shown;
        Start(shown); // first run: shown
        ASSERT_TRUE(shown.GetMainDialog()->IsWindowVisible());
        Exit(shown);
    }
    EXPECT_EQ(ReadSettingDword(SettingVisibled), 1u);
    WriteSettingDword(SettingHideMessage, 1);
    {
        TestApp again;
        Start(again);
        EXPECT_TRUE(again.GetMainDialog()->IsWindowVisible());
        again.GetMainDialog()->SendMessage(WM_COMMAND, IDC_MAIN_HIDE, 0);
        EXPECT_FALSE(again.GetMainDialog()->IsWindowVisible());
        Exit(again, ID_MENU_EXIT);
    }
    EXPECT_EQ(ReadSettingDword(SettingVisibled), 0u);
    {
        TestApp hidden;
        Start(hidden);
        EXPECT_FALSE(hidden.GetMainDialog()->IsWindowVisible());
        Exit(hidden);
    }
    EXPECT_EQ(ReadSettingDword(SettingVisibled), 0u);
}

TEST_F(StartupTest, ExitInstanceDestroysTheMainWindow)
{
    TestApp app;
    Start(app);
    HWND window = app.GetMainDialog()->m_hWnd;
    HWND sheet = app.GetMainDialog()->Sheet().m_hWnd;
    ASSERT_TRUE(::IsWindow(window));
    EXPECT_EQ(help_testing::LoadedLibrary(), nullptr); // HTML Help waits for its first topic
    Exit(app);
    EXPECT_FALSE(::IsWindow(window));
    EXPECT_FALSE(::IsWindow(sheet));
    EXPECT_EQ(app.GetMainDialog(), nullptr);
    EXPECT_EQ(AfxGetMainWnd(), nullptr);
}

TEST_F(StartupTest, TheHelpButtonReachesTheHelpOfTheProgram)
{
    TestApp app;
    Start(app);
    app.GetMainDialog()->SendMessage(WM_COMMAND, IDC_MAIN_HELP, 0);
    EXPECT_EQ(Topics(), std::vector<std::string>{"mon"});
    Exit(app);
}

} // namespace
