// A child property sheet inside a dialog: a child without caption whose own
// OK and Cancel are hidden, its pages made when first shown.
#include <gtest/gtest.h>

#include "framework/PropertySheet.h"
#include "res/resource.h"

namespace {

struct CountingPage : CPropertyPage {
    explicit CountingPage(UINT id) : CPropertyPage(id) {}
    BOOL OnSetActive() override { return ++activations, CPropertyPage::OnSetActive(); }
    int activations = 0;
};

struct HostDialog : CDialog {
    HostDialog() : CDialog(IDD_MAIN) {}
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        for (CountingPage& page : pages)
            sheet.AddPage(&page);
        return sheet.Create(this, WS_CHILD | WS_VISIBLE), TRUE;
    }
    CPropertySheet sheet;
    CountingPage pages[4] = {CountingPage(IDD_MONITOR), CountingPage(IDD_SCHEDULER),
                             CountingPage(IDD_OPTIONS), CountingPage(IDD_ABOUT)};
};

} // namespace

TEST(ChildPropertySheet, IsAChildWhosePagesAreMadeWhenFirstShown)
{
    HostDialog host;
    ASSERT_TRUE(host.Create());
    CPropertySheet& sheet = host.sheet;
    EXPECT_EQ(host.m_hWnd, GetParent(sheet.m_hWnd));
    EXPECT_EQ(DWORD(WS_CHILD), sheet.GetStyle() & (WS_CHILD | WS_CAPTION));
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(sheet, IDOK)) ||
                 IsWindowVisible(GetDlgItem(sheet, IDCANCEL)));
    EXPECT_TRUE(sheet.GetActiveIndex() == 0 && host.pages[0].activations == 1);
    EXPECT_EQ(nullptr, host.pages[2].m_hWnd);
    for (int i = 3; i >= 0; --i)
        EXPECT_TRUE(sheet.SetActivePage(i));
    EXPECT_TRUE(sheet.SetActivePage(&host.pages[1]));
    EXPECT_FALSE(sheet.SetActivePage(4));
    EXPECT_TRUE(sheet.GetActiveIndex() == 1 && host.pages[1].activations == 2);
    for (CountingPage& page : host.pages)
        EXPECT_TRUE(page.IsWindow() && CWnd::FromHandlePermanent(page.m_hWnd) == &page &&
                    page.GetSheet() == &sheet);
    EXPECT_EQ(4, TabCtrl_GetItemCount(sheet.GetTabControl()));
}
