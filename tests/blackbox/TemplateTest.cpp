// The English template that ships (lang/shipped/english.lng) is what the
// program itself writes once every window of it has been open: a control or
// menu item that a later change adds without regenerating the template
// (scripts/template) fails here.
#include "tests/blackbox/Program.h"

#include <commctrl.h>

#include "model/Settings.h"
#include "res/resource.h"
#include "tests/support/LanguageText.h"

namespace blackbox {
namespace {

using TemplateTest = BlackBoxTest;

constexpr int kWizardNext = 0x3024; // the wizard's own Next button

// A visible pop-up menu window of the process.
HWND OpenMenu(const Program& program)
{
    HWND menu = nullptr;
    WaitUntil([&] {
        for (HWND w = ::FindWindowExA(nullptr, nullptr, "#32768", nullptr); w;
             w = ::FindWindowExA(nullptr, w, "#32768", nullptr)) {
            DWORD process = 0;
            ::GetWindowThreadProcessId(w, &process);
            if (process == program.Id() && ::IsWindowVisible(w))
                return (menu = w) != nullptr;
        }
        return false;
    });
    return menu;
}

// Waits for the modal window that holds the control, then closes it with
// the button; false when it never showed or stayed.
bool VisitAndClose(const Program& program, int controlId, int closeId)
{
    HWND window = program.WaitForWindow(controlId);
    if (!window)
        return false;
    ::PostMessageA(::GetDlgItem(window, closeId), BM_CLICK, 0, 0);
    return WaitUntil([&] { return !::IsWindow(window); });
}

// The first run's offer taken, each wizard step shown, the last cancelled.
void WalkTheWizard(const Program& program)
{
    ASSERT_TRUE(VisitAndClose(program, IDC_FIRST_LAUNCH_WIZARD, IDC_FIRST_OK));
    HWND wizard = program.WaitForWindow(kWizardNext);
    ASSERT_NE(wizard, nullptr);
    const int stepControls[] = {IDC_WIZ1_DATE, IDC_WIZ2_EDIT, IDC_WIZ3_EDIT};
    for (int step = 0; step < 3; ++step) {
        ASSERT_TRUE(WaitUntil([&] {
            HWND page =
                reinterpret_cast<HWND>(::SendMessageA(wizard, PSM_GETCURRENTPAGEHWND, 0, 0));
            return page && ::GetDlgItem(page, stepControls[step]);
        })) << "step "
            << step + 1;
        ::PostMessageA(wizard, PSM_PRESSBUTTON, step < 2 ? PSBTN_NEXT : PSBTN_CANCEL, 0);
    }
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(wizard); }));
}

TEST_F(TemplateTest, EveryWindowOfTheProgramWritesExactlyTheShippedTemplate)
{
    const std::string shipped =
        testing_support::ReadFileBytes(testing_support::ShippedLanguageFile("english.lng"));
    ASSERT_FALSE(shipped.empty()) << "no lang/shipped/english.lng (VELINDRA_SOURCE_DIR)";
    ProgramFolder folder;
    Program program(folder);
    WalkTheWizard(program);
    HWND main = program.Main();
    ASSERT_NE(main, nullptr);

    // The main window on each page, chosen in the navigation list.
    ::PostMessageA(main, WM_TRAYNOTIFY, 0, WM_LBUTTONDOWN);
    ASSERT_TRUE(WaitUntil([&] { return ::IsWindowVisible(main) != FALSE; }));
    HWND navigation = ::GetDlgItem(main, IDC_MAIN_NAVIGATION);
    for (int page = 0; page < 4; ++page) {
        ::SendMessageA(navigation, LB_SETCURSEL, page, 0);
        ::SendMessageA(main, WM_COMMAND, MAKEWPARAM(IDC_MAIN_NAVIGATION, LBN_SELCHANGE),
                       reinterpret_cast<LPARAM>(navigation));
    }
    ::PostMessageA(main, WM_COMMAND, ID_MENU_HALFYEAR, 0);
    ASSERT_TRUE(VisitAndClose(program, IDC_HALF_PREVIOUS, IDC_HALF_CLOSE));
    WriteSettingDword(SettingHideMessage, 0);
    ::PostMessageA(main, WM_COMMAND, IDC_MAIN_HIDE, 0);
    ASSERT_TRUE(VisitAndClose(program, IDC_QLH_HIDE_MESSAGE, IDC_QLH_OK));
    // The icon's menu: a right click while the window is hidden.
    ::PostMessageA(main, WM_TRAYNOTIFY, 0, WM_RBUTTONDOWN);
    HWND menu = OpenMenu(program);
    ASSERT_NE(menu, nullptr);
    ::PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 0);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindowVisible(menu); }));
    ::PostMessageA(main, WM_CLOSE, 0, 0);
    ASSERT_TRUE(program.Ends());

    const std::string written = folder.Read(L"english.lng");
    std::string faults;
    for (const std::string& line :
         testing_support::CompareLanguageTexts(testing_support::ParseLanguageText(shipped),
                                               testing_support::ParseLanguageText(written), true))
        faults += line + "\n";
    ASSERT_TRUE(faults.empty()) << "the program wrote (scripts/template makes it again):\n"
                                << faults;
    // The same texts in the same order, CRLF line ends: the program has
    // nothing to change in the shipped file.
    EXPECT_EQ(written, shipped) << "same texts, another order or other line ends";
}

} // namespace
} // namespace blackbox
