#include "tests/app/WindowTour.h"

#include "app/FirstLaunchDialog.h"
#include "app/MainDialog.h"
#include "model/Settings.h"
#include "res/resource.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/pages/WizardScript.h"

namespace main_window_testing {
namespace {

using wizard_testing::CurrentPage;
using wizard_testing::Press;
using wizard_testing::Step;

// Visits a modal dialog that the action opens, then closes it with the button.
void VisitModal(const std::string& name, int controlId, int closeId,
                const std::function<void()>& open, const WindowVisit& visit)
{
    DialogDriver driver(controlId, [&](HWND dialog) {
        visit(name, dialog);
        ::PostMessageA(dialog, WM_COMMAND, closeId, 0);
    });
    open();
}

void VisitWizard(MainDialog& main, const WindowVisit& visit)
{
    std::vector<Step> steps;
    for (int step = 1; step <= 3; ++step) {
        steps.push_back([&visit, step](CPropertySheet& sheet) {
            visit("wizard/" + std::to_string(step), sheet.m_hWnd);
        });
        steps.push_back(Press(step < 3 ? PSBTN_NEXT : PSBTN_CANCEL));
    }
    wizard_testing::WizardScript script(std::move(steps));
    main.RunWizard();
}

} // namespace

void TourEveryWindow(MainDialog& main, const WindowVisit& visit)
{
    static const char* const kPages[] = {"monitor", "scheduler", "options", "about"};
    for (int page = 0; page < MainDialog::PageCount; ++page) {
        main.ShowMainWindow(page);
        PumpLikeTheProgram();
        visit(std::string("main/") + kPages[page], main.m_hWnd);
    }
    main.ShowMainWindow(MainDialog::PageMonitor);
    VisitModal(
        "halfyear", IDC_HALF_PREVIOUS, IDC_HALF_CLOSE,
        [&] { main.SendMessage(WM_COMMAND, ID_MENU_HALFYEAR); }, visit);
    WriteSettingDword(SettingHideMessage, 0);
    VisitModal(
        "quickhelp", IDC_QLH_HIDE_MESSAGE, IDC_QLH_OK, [&] { main.HideToTray(); }, visit);
    VisitModal(
        "firstlaunch", IDC_FIRST_LAUNCH_WIZARD, IDC_FIRST_OK,
        [] {
            FirstLaunchDialog offer;
            offer.DoModal();
        },
        visit);
    VisitWizard(main, visit);
    PumpLikeTheProgram();
}

} // namespace main_window_testing
