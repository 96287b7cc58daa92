// Property sheets: a child sheet inside a dialog, and a modal wizard.
#include <gtest/gtest.h>

#include "framework/PropertySheet.h"
#include "framework/WinApp.h"
#include "res/resource.h"
#include "tests/support/Sandbox.h"

namespace {

class CountingPage : public CPropertyPage {
public:
    explicit CountingPage(UINT id) : CPropertyPage(id) {}
    int activations = 0;
    BOOL OnSetActive() override
    {
        ++activations;
        return CPropertyPage::OnSetActive();
    }
};

class HostDialog : public CDialog {
public:
    HostDialog() : CDialog(IDD_MAIN) {}
    CPropertySheet sheet;
    CountingPage monitor{IDD_MONITOR}, scheduler{IDD_SCHEDULER}, options{IDD_OPTIONS},
        about{IDD_ABOUT};
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        for (CPropertyPage* page :
             std::initializer_list<CPropertyPage*>{&monitor, &scheduler, &options, &about})
            sheet.AddPage(page);
        sheet.Create(this, WS_CHILD | WS_VISIBLE);
        return TRUE;
    }
};

} // namespace

TEST(ChildPropertySheet, PagesAreCreatedSwitchedAndTheTabTextCanBeSet)
{
    HostDialog host;
    ASSERT_TRUE(host.Create());
    CPropertySheet& sheet = host.sheet;
    ASSERT_TRUE(sheet.IsWindow());
    EXPECT_EQ(host.m_hWnd, GetParent(sheet.m_hWnd));
    EXPECT_TRUE(sheet.GetStyle() & WS_CHILD);
    EXPECT_FALSE(sheet.GetStyle() & WS_CAPTION);
    EXPECT_EQ(&sheet, dynamic_cast<CPropertySheet*>(CWnd::FromHandlePermanent(sheet.m_hWnd)));
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(sheet.m_hWnd, IDOK)));
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(sheet.m_hWnd, IDCANCEL)));

    EXPECT_EQ(4, sheet.GetPageCount());
    EXPECT_EQ(0, sheet.GetActiveIndex());
    EXPECT_EQ(1, host.monitor.activations);
    EXPECT_EQ(nullptr, host.options.m_hWnd); // pages are made when first shown

    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(sheet.SetActivePage(i));
    EXPECT_EQ(3, sheet.GetActiveIndex());
    for (int i = 0; i < 4; ++i) {
        CPropertyPage* page = sheet.GetPage(i);
        ASSERT_NE(nullptr, page);
        EXPECT_TRUE(page->IsWindow());
        EXPECT_EQ(page, dynamic_cast<CPropertyPage*>(CWnd::FromHandlePermanent(page->m_hWnd)));
        EXPECT_EQ(&sheet, page->GetSheet());
    }
    EXPECT_TRUE(sheet.SetActivePage(&host.scheduler));
    EXPECT_EQ(1, sheet.GetActiveIndex());
    EXPECT_EQ(2, host.scheduler.activations);
    EXPECT_FALSE(sheet.SetActivePage(4));

    HWND tab = sheet.GetTabControl();
    ASSERT_NE(nullptr, tab);
    ShowWindow(tab, SW_HIDE);
    char text[] = "Zeitplan";
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    EXPECT_TRUE(SendMessageA(tab, TCM_SETITEMA, 1, reinterpret_cast<LPARAM>(&item)));
    char back[64] = "";
    item.pszText = back;
    item.cchTextMax = sizeof(back);
    ASSERT_TRUE(SendMessageA(tab, TCM_GETITEMA, 1, reinterpret_cast<LPARAM>(&item)));
    EXPECT_STREQ("Zeitplan", back);
}

namespace {

// Presses the wizard's buttons one after the other from a timer.
struct WizardDriver {
    static CPropertySheet* sheet;
    static std::vector<int> buttons;
    static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD)
    {
        if (!sheet->m_hWnd)
            return;
        if (buttons.empty()) {
            KillTimer(nullptr, id);
            return;
        }
        sheet->PressButton(buttons.front());
        buttons.erase(buttons.begin());
    }
};
CPropertySheet* WizardDriver::sheet = nullptr;
std::vector<int> WizardDriver::buttons;

INT_PTR RunWizard(std::vector<int> buttons, CountingPage* pages)
{
    CPropertySheet sheet("", nullptr, 0);
    for (int i = 0; i < 3; ++i)
        sheet.AddPage(&pages[i]);
    sheet.m_psh.dwFlags |= PSH_WIZARD;
    WizardDriver::sheet = &sheet;
    WizardDriver::buttons = std::move(buttons);
    UINT_PTR timer = SetTimer(nullptr, 0, 60, &WizardDriver::Tick);
    INT_PTR result = sheet.DoModal();
    KillTimer(nullptr, timer);
    EXPECT_EQ(nullptr, sheet.m_hWnd);
    return result;
}

} // namespace

TEST(Wizard, FinishAnswersWizFinishAndCancelAnswersOtherwise)
{
    CountingPage finished[3] = {CountingPage(IDD_WIZARD_STEP1), CountingPage(IDD_WIZARD_STEP2),
                                CountingPage(IDD_WIZARD_STEP3)};
    EXPECT_EQ(ID_WIZFINISH, RunWizard({PSBTN_NEXT, PSBTN_NEXT, PSBTN_FINISH}, finished));
    EXPECT_EQ(1, finished[2].activations);

    CountingPage cancelled[3] = {CountingPage(IDD_WIZARD_STEP1), CountingPage(IDD_WIZARD_STEP2),
                                 CountingPage(IDD_WIZARD_STEP3)};
    INT_PTR result = RunWizard({PSBTN_NEXT, PSBTN_CANCEL}, cancelled);
    EXPECT_NE(ID_WIZFINISH, result);
    EXPECT_EQ(0, cancelled[2].activations);
}
