// Scene "monitor": the Monitor page with the sample cycle, in a child sheet of
// a small window of the page's size, as the main window holds it (tab hidden).
// The page opens on today's month (May 2004); argument "today" also presses
// Today, which puts the cursor on today.
#include <windows.h>

#include <cstdio>
#include <memory>

#include "Scene.h"
#include "SampleCycle.h"
#include "calendar/CDialogCritMonitor.h"
#include "framework/PropertySheet.h"
#include "res/resource.h"

namespace snap {

namespace {

class MonitorHost : public CDialog {
public:
    // The main window's template names the main window's class.
    MonitorHost() : CDialog(IDD_MAIN) { RegisterDialogClass(VELINDRA_MAIN_WINDOW_CLASS); }
    CPropertySheet sheet;
    CDialogCritMonitor monitor{TheClock(), TheHelp(), TheTexts(), TheSettings(), TheCycle()};

    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child;
             child = ::GetWindow(child, GW_HWNDNEXT))
            ::ShowWindow(child, SW_HIDE);
        SetWindowText("Monitor");
        sheet.AddPage(&monitor);
        if (!sheet.Create(this, WS_CHILD | WS_VISIBLE))
            return TRUE;
        ::ShowWindow(sheet.GetTabControl(), SW_HIDE);
        RECT page = monitor.GetWindowRect();
        ScreenToClient(page);
        sheet.SetWindowPos(nullptr, -page.left, -page.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        RECT client{0, 0, page.right - page.left, page.bottom - page.top};
        ::AdjustWindowRectEx(&client, GetStyle(), FALSE, GetExStyle());
        SetWindowPos(nullptr, 0, 0, client.right - client.left, client.bottom - client.top,
                     SWP_NOMOVE | SWP_NOZORDER);
        return TRUE;
    }
};

std::unique_ptr<MonitorHost> g_host;

HWND CreateMonitorScene(const std::string& argument)
{
    if (!UseSampleCycle()) {
        std::fprintf(stderr, "no scratch settings key\n");
        return nullptr;
    }
    g_host = std::make_unique<MonitorHost>();
    if (!g_host->Create() || !g_host->monitor.IsWindow()) {
        std::fprintf(stderr, "the Monitor page could not be created\n");
        return nullptr;
    }
    if (argument == "today")
        g_host->monitor.ShowToday();
    return g_host->m_hWnd;
}

SceneRegistration monitorScene({"monitor", "[today]", CreateMonitorScene});

} // namespace

} // namespace snap
