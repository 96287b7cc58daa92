// Message routing: maps, notifications, reflection and PreTranslateMessage,
// on real dialogs of the program's templates.
#include <gtest/gtest.h>

#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "framework/Gdi.h"
#include "framework/WinApp.h"
#include "res/resource.h"
#include "tests/support/Sandbox.h"

namespace {

class ColouredStatic : public CStatic {
public:
    CBrush brush;
    int requests = 0;
    HBRUSH CtlColor(CDC*, UINT kind)
    {
        ++requests;
        return kind == CTLCOLOR_STATIC ? brush.GetSafeHandle() : nullptr;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ColouredStatic, CStatic)
ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

// The half-year dialog's buttons and the scheduler page's edits as plain test targets.
class RoutedDialog : public CDialog {
public:
    RoutedDialog() : CDialog(IDD_HALFYEAR) {}
    int previous = 0, next = 0, help = 0, keysSeen = 0;
    ColouredStatic label;
    LRESULT custom = 0;

    void OnPrevious() { ++previous; }
    void OnNext() { ++next; }
    void OnHelpCommand() { ++help; }
    LRESULT OnCustom(WPARAM wp, LPARAM lp)
    {
        custom = static_cast<LRESULT>(wp + lp);
        return 42;
    }
    BOOL PreTranslateMessage(MSG* message) override
    {
        if (message->message == WM_KEYDOWN && message->wParam == VK_F1) {
            ++keysSeen;
            return TRUE;
        }
        return CDialog::PreTranslateMessage(message);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(RoutedDialog, CDialog)
ON_BN_CLICKED(IDC_HALF_PREVIOUS, OnPrevious)
ON_COMMAND(IDC_HALF_NEXT, OnNext)
ON_COMMAND(IDCANCEL, OnHelpCommand)
ON_MESSAGE(WM_APP + 7, OnCustom)
END_MESSAGE_MAP()

class EditWatcher : public CDialog {
public:
    EditWatcher() : CDialog(IDD_SCHEDULER) {}
    int changes = 0;
    void OnChange() { ++changes; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(EditWatcher, CDialog)
ON_EN_CHANGE(IDC_SCHED_CRIT_EDIT, OnChange)
END_MESSAGE_MAP()

// A window procedure that counts the keys that reach a control.
WNDPROC g_editProc = nullptr;
int g_keysAtControl = 0;
LRESULT CALLBACK CountingProc(HWND w, UINT m, WPARAM wp, LPARAM lp)
{
    if (m == WM_KEYDOWN)
        ++g_keysAtControl;
    return CallWindowProcA(g_editProc, w, m, wp, lp);
}

} // namespace

TEST(MessageRouting, CommandsReachTheirHandlersAndDerivedMapsComeFirst)
{
    RoutedDialog dialog;
    ASSERT_TRUE(dialog.Create());
    EXPECT_EQ(&dialog, CWnd::FromHandlePermanent(dialog.m_hWnd));

    SendMessageA(dialog.m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_HALF_PREVIOUS, BN_CLICKED),
                 reinterpret_cast<LPARAM>(dialog.GetDlgItem(IDC_HALF_PREVIOUS)));
    SendMessageA(dialog.GetDlgItem(IDC_HALF_NEXT), BM_CLICK, 0, 0);
    // IDCANCEL is handled by the derived map, not by CDialog::OnCancel.
    SendMessageA(dialog.m_hWnd, WM_COMMAND, IDCANCEL, 0);
    EXPECT_EQ(1, dialog.previous);
    EXPECT_EQ(1, dialog.next);
    EXPECT_EQ(1, dialog.help);
    EXPECT_TRUE(dialog.IsWindow());

    EXPECT_EQ(42, SendMessageA(dialog.m_hWnd, WM_APP + 7, 3, 4));
    EXPECT_EQ(7, dialog.custom);

    // A notification code other than the mapped one is not taken.
    SendMessageA(dialog.m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_HALF_PREVIOUS, BN_SETFOCUS), 0);
    EXPECT_EQ(1, dialog.previous);

    HWND window = dialog.m_hWnd;
    dialog.DestroyWindow();
    EXPECT_EQ(nullptr, dialog.m_hWnd);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(window));
}

TEST(MessageRouting, EditChangeNotificationReachesTheDialog)
{
    RoutedDialog parent; // the page template is a child window
    ASSERT_TRUE(parent.Create());
    EditWatcher dialog;
    ASSERT_TRUE(dialog.Create(IDD_SCHEDULER, &parent));
    SetWindowTextA(dialog.GetDlgItem(IDC_SCHED_CRIT_EDIT), "12");
    SetWindowTextA(dialog.GetDlgItem(IDC_SCHED_CLEAR_EDIT), "34");
    EXPECT_EQ(1, dialog.changes);
}

TEST(MessageRouting, ControlColourIsReflectedToTheControlObject)
{
    RoutedDialog dialog;
    ASSERT_TRUE(dialog.Create());
    ASSERT_TRUE(dialog.label.brush.CreateSolidBrush(RGB(1, 2, 3)));
    ASSERT_TRUE(dialog.label.SubclassDlgItem(IDC_HALF_TODAY, &dialog));

    HDC dc = GetDC(dialog.m_hWnd);
    LRESULT brush = SendMessageA(dialog.m_hWnd, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                 reinterpret_cast<LPARAM>(dialog.label.m_hWnd));
    EXPECT_EQ(reinterpret_cast<LRESULT>(dialog.label.brush.GetSafeHandle()), brush);
    // A kind the control declines falls back to the dialog's default colouring.
    LRESULT other = SendMessageA(dialog.m_hWnd, WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc),
                                 reinterpret_cast<LPARAM>(dialog.label.m_hWnd));
    EXPECT_NE(brush, other);
    EXPECT_EQ(2, dialog.label.requests);
    ReleaseDC(dialog.m_hWnd, dc);
}

TEST(MessageRouting, PreTranslateMessageSeesAKeyBeforeTheFocusedControl)
{
    RoutedDialog dialog;
    ASSERT_TRUE(dialog.Create());
    dialog.ShowWindow(SW_SHOW);
    HWND button = dialog.GetDlgItem(IDC_HALF_TODAY);
    g_editProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CountingProc)));
    g_keysAtControl = 0;

    bool done = false;
    PostMessageA(button, WM_KEYDOWN, VK_F1, 0);
    PostMessageA(button, WM_KEYDOWN, 'A', 0);
    SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR id, DWORD) {
        KillTimer(nullptr, id);
        PostMessageA(nullptr, WM_APP, 0, 0);
    });
    // A message loop of the framework's kind, ended by the thread message.
    MSG message;
    while (!done && GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (!message.hwnd && message.message == WM_APP) {
            done = true;
            continue;
        }
        if (WalkPreTranslateTree(dialog.m_hWnd, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    EXPECT_EQ(1, dialog.keysSeen);
    EXPECT_EQ(1, g_keysAtControl); // only 'A' went on to the control
    SetWindowLongPtrA(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_editProc));
}

TEST(MessageRouting, ModalDialogEndsWithItsResultAndOwnsNothingAfterwards)
{
    class Closing : public CDialog {
    public:
        Closing() : CDialog(IDD_HALFYEAR) {}
        BOOL OnInitDialog() override
        {
            CDialog::OnInitDialog();
            ::PostMessageA(m_hWnd, WM_COMMAND, IDOK, 0);
            return TRUE;
        }
    } dialog;
    EXPECT_EQ(IDOK, dialog.DoModal());
    EXPECT_EQ(nullptr, dialog.m_hWnd);

    class EndsAtOnce : public CDialog {
    public:
        EndsAtOnce() : CDialog(IDD_HALFYEAR) {}
        BOOL OnInitDialog() override
        {
            EndDialog(IDCANCEL);
            return TRUE;
        }
    } quick;
    EXPECT_EQ(IDCANCEL, quick.DoModal());
}
