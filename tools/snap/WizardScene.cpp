// Scene "wizard": the real three-step wizard, modeless, on step 1, 2 or 3,
// filled in with the sample cycle (first day 2004-03-10, 5 days, 23 days
// between) on 2004-05-20.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "SampleCycle.h"
#include "Scene.h"
#include "pages/CDialogWizSheet.h"
#include "pages/CDialogWiz1.h"
#include "pages/CDialogWiz2.h"
#include "pages/CDialogWiz3.h"
#include "res/resource.h"

namespace snap {

namespace {

struct Wizard {
    CDialogWiz1 step1{TheClock(), TheTexts()};
    CDialogWiz2 step2{TheTexts()};
    CDialogWiz3 step3{TheTexts()};
    CDialogWizSheet sheet{TheTexts(), "", nullptr, 0};
};

std::unique_ptr<Wizard> g_wizard;

void FillInStep(HWND page, int step)
{
    if (step == 1) {
        SYSTEMTIME first{2004, 3, 3, 10, 9, 30, 0, 0};
        SendDlgItemMessageA(page, IDC_WIZ1_DATE, DTM_SETSYSTEMTIME, GDT_VALID,
                            reinterpret_cast<LPARAM>(&first));
    } else {
        const int spin = step == 2 ? IDC_WIZ2_SPIN : IDC_WIZ3_SPIN;
        SendDlgItemMessageA(page, spin, UDM_SETPOS, 0, step == 2 ? 5 : 23);
        // As after a step of the arrows: the number selected, the caret after it.
        SendDlgItemMessageA(page, step == 2 ? IDC_WIZ2_EDIT : IDC_WIZ3_EDIT, EM_SETSEL, 0, -1);
    }
}

HWND CreateWizardScene(const std::string& argument)
{
    const int step = std::atoi(argument.c_str());
    if (step < 1 || step > 3) {
        std::fprintf(stderr, "wizard step %s: give 1 to 3\n", argument.c_str());
        return nullptr;
    }
    if (!UseSampleCycle()) {
        std::fprintf(stderr, "no scratch settings key\n");
        return nullptr;
    }
    g_wizard = std::make_unique<Wizard>();
    CDialogWizSheet& sheet = g_wizard->sheet;
    sheet.AddPage(&g_wizard->step1);
    sheet.AddPage(&g_wizard->step2);
    sheet.AddPage(&g_wizard->step3);
    sheet.m_psh.dwFlags |= PSH_WIZARD;
    if (!sheet.Create(nullptr, 0) || !sheet.SetActivePage(step - 1)) {
        std::fprintf(stderr, "the wizard could not be created\n");
        return nullptr;
    }
    if (CPropertyPage* page = sheet.GetActivePage())
        FillInStep(page->m_hWnd, step);
    return sheet.m_hWnd;
}

SceneRegistration wizardScene({"wizard", "<step 1-3>", CreateWizardScene});

} // namespace

} // namespace snap
