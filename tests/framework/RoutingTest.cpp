// Message routing on dialogs of the program's templates, driven through their
// real controls: maps with the derived one first, notifications, reflected
// control colours, and PreTranslateMessage.
#include <gtest/gtest.h>

#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "framework/Gdi.h"
#include "res/resource.h"
#include "tests/support/Sandbox.h"

namespace {

class ColouredStatic : public CStatic {
public:
    HBRUSH CtlColor(CDC*, UINT kind)
    {
        return kind == CTLCOLOR_STATIC ? brush.GetSafeHandle() : nullptr;
    }
    CBrush brush;
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(ColouredStatic, CStatic)
ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

// The half-year calendar's buttons and the Scheduler page's edit as targets.
class RoutedDialog : public CDialog {
public:
    RoutedDialog() : CDialog(IDD_HALFYEAR) {}
    void OnPrevious() { log += "previous "; }
    void OnNext() { log += "next "; }
    void OnHelpCommand() { log += "help "; }
    void OnChange() { log += "change "; }
    LRESULT OnCustom(WPARAM wp, LPARAM lp) { return log += "custom ", LRESULT(wp + lp); }
    BOOL PreTranslateMessage(MSG* message) override
    {
        if (message->message == WM_KEYDOWN && message->wParam == VK_F1)
            return log += "F1 ", TRUE;
        return CDialog::PreTranslateMessage(message);
    }
    std::string log;
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(RoutedDialog, CDialog)
ON_BN_CLICKED(IDC_HALF_PREVIOUS, OnPrevious)
ON_COMMAND(IDC_HALF_NEXT, OnNext)
ON_COMMAND(IDCANCEL, OnHelpCommand)
ON_EN_CHANGE(IDC_SCHED_CRIT_EDIT, OnChange)
ON_MESSAGE(WM_APP + 7, OnCustom)
END_MESSAGE_MAP()

} // namespace

TEST(MessageRouting, ControlsReachTheirHandlersAndTheDerivedMapComesFirst)
{
    RoutedDialog dialog, page;
    ASSERT_TRUE(dialog.Create() && page.Create(IDD_SCHEDULER, &dialog));
    EXPECT_EQ(&dialog, CWnd::FromHandlePermanent(dialog.m_hWnd));
    for (int id : {IDC_HALF_PREVIOUS, IDC_HALF_NEXT, IDCANCEL}) // Cancel: not CDialog's
        SendMessageA(dialog.GetDlgItem(id), BM_CLICK, 0, 0);
    EXPECT_EQ(7, SendMessageA(dialog.m_hWnd, WM_APP + 7, 3, 4));
    EXPECT_EQ("previous next help custom ", dialog.log);
    SetWindowTextA(page.GetDlgItem(IDC_SCHED_CRIT_EDIT), "12");
    SetWindowTextA(page.GetDlgItem(IDC_SCHED_CLEAR_EDIT), "34");
    EXPECT_EQ("change ", page.log);
    const HWND window = dialog.m_hWnd;
    dialog.DestroyWindow();
    EXPECT_TRUE(dialog.m_hWnd == nullptr && CWnd::FromHandlePermanent(window) == nullptr);
}

// A static paints its background with the brush its own object answers.
TEST(MessageRouting, AControlsColourIsReflectedToItsObject)
{
    CDialog dialog(IDD_QUICKLAUNCH_HELP);
    ColouredStatic label;
    ASSERT_TRUE(dialog.Create() && label.brush.CreateSolidBrush(RGB(1, 2, 3)));
    ASSERT_TRUE(label.SubclassDlgItem(IDC_QLH_TEXT, &dialog));
    dialog.ShowWindow(SW_SHOW);
    label.RedrawWindow(RDW_ERASE | RDW_INVALIDATE | RDW_UPDATENOW);
    const RECT area = label.GetClientRect();
    EXPECT_EQ(RGB(1, 2, 3),
              testing_support::ReadWindowPixel(label, area.right - 1, area.bottom - 1));
}

// The framework's message loop offers each message to the window's
// PreTranslateMessage before the focused control gets it.
TEST(MessageRouting, PreTranslateMessageSeesAKeyBeforeTheControl)
{
    RoutedDialog dialog;
    ASSERT_TRUE(dialog.Create());
    HWND button = dialog.GetDlgItem(IDC_HALF_PREVIOUS);
    PostMessageA(button, WM_KEYDOWN, VK_F1, 0);
    PostMessageA(button, WM_KEYDOWN, VK_SPACE, 0);
    PostMessageA(button, WM_KEYUP, VK_SPACE, 0);
    PostThreadMessageA(GetCurrentThreadId(), WM_APP, 0, 0);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0 && message.message != WM_APP)
        if (!WalkPreTranslateTree(dialog.m_hWnd, &message))
            TranslateMessage(&message), DispatchMessageA(&message);
    EXPECT_EQ("F1 previous ", dialog.log) << "F1 taken, Space went on and clicked";
}
