// velindra_langtemplate: writes english.lng, the template from which every
// translation is made, by letting the program write it. Each window of the
// program is opened once, in the order of a first run: the main window with
// its four pages and the notification icon's menu, the first-launch dialog,
// the three wizard steps, then the half-year calendar, the History dialog and
// the help window shown on hiding. The program's own export writes every text they show into
// english.lng beside the executable (an empty folder here), and that file is
// copied to the given path, byte for byte.
//   velindra_langtemplate <out.lng>
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <cstdio>
#include <string>

#include "ModalDriver.h"
#include "Scratch.h"
#include "app/FirstLaunchDialog.h"
#include "app/Help.h"
#include "app/MainDialog.h"
#include "app/SystemShell.h"
#include "framework/PropertySheet.h"
#include "framework/WinApp.h"
#include "res/resource.h"

namespace langtemplate {

namespace {

// What a user meets on a first run who takes the wizard and cancels it on
// its last step, then opens the half-year calendar and History and hides the
// window.
// Each driver reports whether its window showed.
bool OpenEveryWindow(MainDialog& main)
{
    bool shown = true;
    {
        ModalDriver offer(IDC_FIRST_LAUNCH_WIZARD, {{WM_COMMAND, IDC_FIRST_OK}});
        FirstLaunchDialog dialog(main.Language(), &main);
        if (dialog.DoModal() != IDOK)
            return false;
        shown = offer.Posted() > 0;
    }
    {
        ModalDriver wizard(ID_WIZNEXT, {{PSM_PRESSBUTTON, PSBTN_NEXT},
                                        {PSM_PRESSBUTTON, PSBTN_NEXT},
                                        {PSM_PRESSBUTTON, PSBTN_CANCEL}});
        main.RunWizard();
        shown = shown && wizard.Posted() >= 3;
    }
    {
        ModalDriver halfYear(IDC_HALF_PREVIOUS, {{WM_COMMAND, IDC_HALF_CLOSE}});
        main.SendMessage(WM_COMMAND, ID_MENU_HALFYEAR);
        shown = shown && halfYear.Posted() > 0;
    }
    {
        ModalDriver history(IDC_HIST_REMOVE, {{WM_COMMAND, IDC_HIST_CLOSE}});
        main.SendMessage(WM_COMMAND, IDC_MON_HISTORY);
        shown = shown && history.Posted() > 0;
    }
    {
        ModalDriver help(IDC_QLH_HIDE_MESSAGE, {{WM_COMMAND, IDC_QLH_OK}});
        main.SendMessage(WM_COMMAND, IDC_MAIN_HIDE);
        shown = shown && help.Posted() > 0;
    }
    return shown;
}

bool MakeTemplate(const std::wstring& target)
{
    Scratch scratch;
    if (!scratch.Start()) {
        std::fprintf(stderr, "no scratch settings key or folder\n");
        return false;
    }
    {
        CWinApp app;
        const fw::SystemClock clock;
        HtmlHelp help(scratch.File(L"velindra.exe"));
        SystemShell shell;
        LanguageManager language(scratch.File(L"velindra.exe"));
        SettingsStore settings(HKEY_CURRENT_USER, SettingsKeyPath());
        StoredCycle stored(settings);
        MainDialog main(clock, help, shell, language, settings, stored);
        app.m_pMainWnd = &main;
        if (!main.Create(IDD_MAIN)) {
            std::fprintf(stderr, "the main window could not be created\n");
            return false;
        }
        // The pages after the first come from the message loop, as in the program.
        MSG message;
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageW(&message);
        const bool opened = OpenEveryWindow(main);
        main.DestroyWindow();
        app.m_pMainWnd = nullptr;
        if (!opened) {
            std::fprintf(stderr, "not every window could be opened\n");
            return false;
        }
    }
    if (!::CopyFileW(scratch.File(L"english.lng").c_str(), target.c_str(), FALSE)) {
        std::fprintf(stderr, "english.lng could not be copied (error %lu)\n", ::GetLastError());
        return false;
    }
    return true;
}

} // namespace

} // namespace langtemplate

int main()
{
    int count = 0;
    wchar_t** arguments = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (!arguments || count != 2) {
        std::fprintf(stderr, "usage: velindra_langtemplate <out.lng>\n");
        return 2;
    }
    const std::wstring target = arguments[1];
    ::LocalFree(arguments);
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_DATE_CLASSES};
    ::InitCommonControlsEx(&controls);
    return langtemplate::MakeTemplate(target) ? 0 : 1;
}
