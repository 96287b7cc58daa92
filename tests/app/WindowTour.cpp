#include "tests/app/WindowTour.h"

#include "app/FirstLaunchDialog.h"
#include "pages/CWizardPage.h"
#include "ui/DialogLayout.h"
#include "ui/CFramedPage.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/LayoutCheck.h"

namespace main_window_testing {

std::string TourFaults(MainDialog& main, bool texts, const WindowVisit& look)
{
    // The navigation list's frame is drawn over the edge of the picture stripe.
    const std::vector<testing_support::AllowedOverlap> allowed{
        {IDC_MAIN_STRIPE, IDC_MAIN_NAVIGATION}};
    std::vector<std::string> faults;
    int visited = 0;
    const WindowVisit visit = [&](const std::string& name, HWND window) {
        ++visited;
        testing_support::CheckLayout(window, name, faults, allowed);
        testing_support::CheckMargins(window, name, faults);
        if (texts) {
            testing_support::CheckMnemonics(window, name, faults);
            testing_support::CheckGlyphs(window, name, faults);
        }
        if (look)
            look(name, window);
    };
    // The frames and separators a page paints, against its controls.
    auto painting = [&](const std::string& name, CWnd* page, const std::vector<RECT>& frames,
                        const std::vector<RECT>& bands) {
        const int line = fw::ScaleToDpi(2, layout::LayoutDpi(page->m_hWnd));
        testing_support::CheckPainting(page->m_hWnd, name, {frames, bands, line}, faults);
    };
    static const char* const kPages[] = {"monitor", "scheduler", "options", "about"};
    for (int page = 0; page < MainDialog::PageCount; ++page) {
        main.ShowMainWindow(page);
        // The Options page with all it may show: the reminder on offers to
        // start with Windows.
        HWND remind = ::GetDlgItem(main.Sheet().GetPage(page)->m_hWnd, IDC_OPT_REMIND);
        const bool offer = page == MainDialog::PageOptions &&
                           !::IsDlgButtonChecked(::GetParent(remind), IDC_OPT_REMIND);
        if (offer)
            ::SendMessageA(remind, BM_CLICK, 0, 0);
        PumpLikeTheProgram();
        visit(std::string("main/") + kPages[page], main.m_hWnd);
        auto* shown = dynamic_cast<CFramedPage*>(main.Sheet().GetPage(page));
        if (shown)
            painting(std::string("main/") + kPages[page], shown, {shown->Frame()},
                     shown->SeparatorBands());
        if (offer)
            ::SendMessageA(remind, BM_CLICK, 0, 0);
    }
    // A modal dialog that the action opens, visited, then closed with the button.
    auto modal = [&](const char* name, int controlId, int closeId,
                     const std::function<void()>& open) {
        ModalScript script(controlId, {[&](HWND dialog) {
                               visit(name, dialog);
                               ::PostMessageW(dialog, WM_COMMAND, closeId, 0);
                           }});
        open();
    };
    main.ShowMainWindow(MainDialog::PageMonitor);
    modal("halfyear", IDC_HALF_PREVIOUS, IDC_HALF_CLOSE,
          [&] { main.SendMessage(WM_COMMAND, ID_MENU_HALFYEAR); });
    modal("history", IDC_HIST_REMOVE, IDC_HIST_CLOSE,
          [&] { main.SendMessage(WM_COMMAND, IDC_MON_HISTORY); });
    TestSettings().WriteDword(SettingHideMessage, 0);
    modal("quickhelp", IDC_QLH_HIDE_MESSAGE, IDC_QLH_OK, [&] { main.HideToTray(); });
    modal("firstlaunch", IDC_FIRST_LAUNCH_WIZARD, IDC_FIRST_OK,
          [&] { FirstLaunchDialog(main.Language(), &main).DoModal(); });
    std::vector<Step> steps;
    for (int step = 1; step <= 3; ++step) {
        steps.push_back([&visit, &painting, step](HWND sheet) {
            const std::string name = "wizard/" + std::to_string(step);
            visit(name, sheet);
            HWND page = HWND(::SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
            if (auto* shown = dynamic_cast<CWizardPage*>(CWnd::FromHandlePermanent(page)))
                painting(name, shown, shown->Frames(), {});
        });
        steps.push_back(Press(step < 3 ? PSBTN_NEXT : PSBTN_CANCEL));
    }
    {
        ModalScript script(kWizard, steps);
        main.RunWizard();
    }
    PumpLikeTheProgram();
    if (visited != 11)
        faults.push_back("the tour met " + std::to_string(visited) + " windows, not 11");
    return Lines(faults);
}

std::string Lines(const std::vector<std::string>& lines)
{
    std::string all;
    for (const std::string& line : lines)
        all += line + "\n";
    return all;
}

} // namespace main_window_testing
