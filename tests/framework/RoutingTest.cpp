// Message routing on dialogs of the program's templates, driven through their
// real controls: maps with the derived one first and notifications. (Reflected
// control colours: the link's colours; PreTranslateMessage: the Monitor page's
// F1 key.)
#include <gtest/gtest.h>

#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "res/resource.h"

namespace {

// The half-year calendar's buttons and the Scheduler page's edit as targets.
class RoutedDialog : public CDialog {
public:
    RoutedDialog() : CDialog(IDD_HALFYEAR) {}
    void OnPrevious() { log += "previous "; }
    void OnNext() { log += "next "; }
    void OnHelpCommand() { log += "help "; }
    void OnChange() { log += "change "; }
    LRESULT OnCustom(WPARAM wp, LPARAM lp) { return log += "custom ", LRESULT(wp + lp); }
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
