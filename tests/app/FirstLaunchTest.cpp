// The first-launch dialog on its own: what it shows, and that its result
// follows the radio choice however it is closed.
#include <gtest/gtest.h>

#include "app/FirstLaunchDialog.h"
#include "res/resource.h"
#include "tests/app/MainWindowFixture.h"

using namespace main_window_testing;

namespace {

class FirstLaunchTest : public ProgramEnvironment {
protected:
    // Runs the dialog; `act` is called once it is shown.
    INT_PTR Run(std::function<void(HWND)> act)
    {
        DialogDriver driver(IDC_FIRST_LAUNCH_WIZARD, std::move(act));
        FirstLaunchDialog dialog;
        INT_PTR result = dialog.DoModal();
        EXPECT_EQ(driver.Seen(), 1);
        return result;
    }
    static void Click(HWND dialog, int id)
    {
        ::SendMessageA(::GetDlgItem(dialog, id), BM_CLICK, 0, 0);
    }
};

TEST_F(FirstLaunchTest, OpensWithLaunchWizardSelectedAndTheQuestionIcon)
{
    std::string caption;
    LRESULT launch = -1, noThanks = -1, icon = 0;
    INT_PTR result = Run([&](HWND dialog) {
        char text[128] = {};
        ::GetWindowTextA(dialog, text, sizeof(text));
        caption = text;
        launch = ::SendDlgItemMessageA(dialog, IDC_FIRST_LAUNCH_WIZARD, BM_GETCHECK, 0, 0);
        noThanks = ::SendDlgItemMessageA(dialog, IDC_FIRST_NO_THANKS, BM_GETCHECK, 0, 0);
        icon = ::SendDlgItemMessageA(dialog, IDC_FIRST_ICON, STM_GETICON, 0, 0);
        Click(dialog, IDC_FIRST_OK);
    });
    EXPECT_EQ(caption, "First Launch of Velindra");
    EXPECT_EQ(launch, BST_CHECKED);
    EXPECT_EQ(noThanks, BST_UNCHECKED);
    EXPECT_NE(icon, 0);
    EXPECT_EQ(result, IDOK);
}

TEST_F(FirstLaunchTest, NoThankYouAndOkDeclines)
{
    INT_PTR result = Run([](HWND dialog) {
        Click(dialog, IDC_FIRST_NO_THANKS);
        Click(dialog, IDC_FIRST_OK);
    });
    EXPECT_EQ(result, IDCANCEL);
}

TEST_F(FirstLaunchTest, EscapeFollowsTheRadioChoice)
{
    INT_PTR accepted = Run([](HWND dialog) {
        ::PostMessageA(::GetDlgItem(dialog, IDC_FIRST_LAUNCH_WIZARD), WM_KEYDOWN, VK_ESCAPE, 1);
    });
    EXPECT_EQ(accepted, IDOK);
    INT_PTR declined = Run([](HWND dialog) {
        Click(dialog, IDC_FIRST_NO_THANKS);
        ::PostMessageA(::GetDlgItem(dialog, IDC_FIRST_NO_THANKS), WM_KEYDOWN, VK_ESCAPE, 1);
    });
    EXPECT_EQ(declined, IDCANCEL);
}

TEST_F(FirstLaunchTest, ChangingYourMindBackToTheWizardAccepts)
{
    INT_PTR result = Run([](HWND dialog) {
        Click(dialog, IDC_FIRST_NO_THANKS);
        Click(dialog, IDC_FIRST_LAUNCH_WIZARD);
        Click(dialog, IDC_FIRST_OK);
    });
    EXPECT_EQ(result, IDOK);
}

} // namespace
