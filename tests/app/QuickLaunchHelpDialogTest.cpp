// The quick-launch help window: never seen once HideMessage is set; closing it
// by OK, Escape or the close box stores the state of its check box.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "app/QuickLaunchHelpDialog.h"
#include "framework/WinApp.h"
#include "lang/LanguageManager.h"
#include "lang/LanguageOwner.h"
#include "lang/ModulePath.h"
#include "model/Settings.h"
#include "res/resource.h"
#include "tests/support/LanguageHost.h"
#include "tests/support/Sandbox.h"

namespace {

// Runs one step against the open dialog from a timer, inside its modal loop.
struct ModalDriver {
    static QuickLaunchHelpDialog* dialog;
    static std::function<void(HWND)> step;
    static int ticksWithWindow;
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        if (!dialog->m_hWnd || !IsWindowVisible(dialog->m_hWnd))
            return;
        ++ticksWithWindow;
        if (step) {
            auto once = std::move(step);
            step = nullptr;
            once(dialog->m_hWnd);
        }
    }
};
QuickLaunchHelpDialog* ModalDriver::dialog = nullptr;
std::function<void(HWND)> ModalDriver::step;
int ModalDriver::ticksWithWindow = 0;

INT_PTR RunDialog(std::function<void(HWND)> step)
{
    QuickLaunchHelpDialog dialog;
    ModalDriver::dialog = &dialog;
    ModalDriver::step = std::move(step);
    ModalDriver::ticksWithWindow = 0;
    const UINT_PTR timer = SetTimer(nullptr, 0, 30, &ModalDriver::Tick);
    const INT_PTR result = dialog.DoModal();
    KillTimer(nullptr, timer);
    ModalDriver::dialog = nullptr;
    return result;
}

void Tick(HWND dialog)
{
    SendMessageA(GetDlgItem(dialog, IDC_QLH_HIDE_MESSAGE), BM_CLICK, 0, 0);
}

void PressOk(HWND dialog)
{
    SendMessageA(GetDlgItem(dialog, IDC_QLH_OK), BM_CLICK, 0, 0);
}

void PressEscape(HWND dialog)
{
    HWND target = GetDlgItem(dialog, IDC_QLH_HIDE_MESSAGE);
    SetFocus(target);
    PostMessageA(target, WM_KEYDOWN, VK_ESCAPE, 0);
}

void PressCloseBox(HWND dialog)
{
    PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
}

} // namespace

TEST(QuickLaunchHelpDialog, WithHideMessageSetItEndsAtOnceUnseen)
{
    ASSERT_TRUE(WriteSettingDword(SettingHideMessage, 1));
    // Should it show, the driver closes it unticked, which would store 0.
    EXPECT_EQ(IDCANCEL, RunDialog(&PressOk));
    EXPECT_EQ(0, ModalDriver::ticksWithWindow);
    EXPECT_EQ(1u, ReadSettingDword(SettingHideMessage));
}

TEST(QuickLaunchHelpDialog, TickingTheBoxAndPressingOkStoresOne)
{
    EXPECT_EQ(IDCANCEL, RunDialog([](HWND dialog) {
                  EXPECT_EQ(BST_UNCHECKED, SendMessageA(GetDlgItem(dialog, IDC_QLH_HIDE_MESSAGE),
                                                        BM_GETCHECK, 0, 0));
                  Tick(dialog);
                  PressOk(dialog);
              }));
    EXPECT_EQ(1u, ReadSettingDword(SettingHideMessage));
}

TEST(QuickLaunchHelpDialog, TickingTheBoxAndPressingEscapeStoresOne)
{
    EXPECT_EQ(IDCANCEL, RunDialog([](HWND dialog) {
                  Tick(dialog);
                  PressEscape(dialog);
              }));
    EXPECT_EQ(1u, ReadSettingDword(SettingHideMessage));
}

TEST(QuickLaunchHelpDialog, TickingTheBoxAndUsingTheCloseBoxStoresOne)
{
    EXPECT_EQ(IDCANCEL, RunDialog([](HWND dialog) {
                  Tick(dialog);
                  PressCloseBox(dialog);
              }));
    EXPECT_EQ(1u, ReadSettingDword(SettingHideMessage));
}

TEST(QuickLaunchHelpDialog, ClosingWithTheBoxUntickedStoresZeroAndShowsItAgain)
{
    EXPECT_EQ(IDCANCEL, RunDialog(&PressOk));
    EXPECT_EQ(1, ModalDriver::ticksWithWindow);
    EXPECT_EQ(0u, ReadSettingDword(SettingHideMessage));
    RunDialog(&PressEscape);
    EXPECT_EQ(1, ModalDriver::ticksWithWindow);
}

TEST(QuickLaunchHelpDialog, IsTranslatedAsDialog143WithItsCaption)
{
    testing_support::LanguageHost main("german", "[DialogID_143]\r\nID_0=Hilfe\r\n"
                                                 "ID_1037=Nicht wieder zeigen\r\n");

    std::string caption, box;
    RunDialog([&](HWND dialog) {
        char text[256] = "";
        GetWindowTextA(dialog, text, sizeof(text));
        caption = text;
        GetDlgItemTextA(dialog, IDC_QLH_HIDE_MESSAGE, text, sizeof(text));
        box = text;
        PressOk(dialog);
    });
    EXPECT_EQ("Hilfe", caption);
    EXPECT_EQ("Nicht wieder zeigen", box);
    // The built-in texts went to english.lng.
    const std::string english = main.EnglishFile();
    EXPECT_NE(std::string::npos, english.find("[DialogID_143]"));
    EXPECT_NE(std::string::npos, english.find("Do not show this window at next time"));
}
