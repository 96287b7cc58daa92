#include "app/MainDialog.h"

#include "app/QuickLaunchHelpDialog.h"
#include "app/StandingTexts.h"
#include "calendar/HalfYearDialog.h"
#include "calendar/MonthCalendarCtrl.h"
#include "framework/Module.h"
#include "lang/DisplayLanguage.h"
#include "model/AppIdentity.h"
#include "model/Settings.h"
#include "res/resource.h"
#include "ui/Drawing.h"
#include "ui/HelpTopic.h"

namespace {

const char* const kPageTopics[MainDialog::PageCount] = {"mon", "sched", "opt", "about"};

// A small icon: 16 x 16 pixels at 96 dpi, the system's small-icon size at its scale.
CIcon LoadProgramIcon(UINT id, UINT flags)
{
    const int size = ::GetSystemMetrics(SM_CXSMICON) > 0 ? ::GetSystemMetrics(SM_CXSMICON) : 16;
    return CIcon(static_cast<HICON>(
        ::LoadImageW(AfxGetResourceHandle(), MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, flags)));
}

// The language chosen on the Options page; while there is none, the
// translation of the Windows display language.
CString StoredLanguage(const SettingsStore& settings, const std::wstring& programFile)
{
    CString name;
    return LanguageToShow(programFile, settings.ReadText(SettingLang, name) ? name : CString());
}

} // namespace

// The shell's broadcast after it (re-)created the notification area.
const UINT kTaskbarCreated = ::RegisterWindowMessageW(L"TaskbarCreated");
const UINT kOpenRequest = ::RegisterWindowMessageW(L"Orrowby.Velindra.Open");

BEGIN_MESSAGE_MAP(MainDialog, CDialog)
ON_WM_PAINT()
ON_WM_QUERYDRAGICON()
ON_WM_CTLCOLOR()
ON_WM_SYSCOMMAND()
ON_COMMAND(ID_MENU_OPEN, OnMenuOpen)
ON_COMMAND(ID_MENU_SCHEDULER, OnMenuScheduler)
ON_COMMAND(ID_MENU_OPTIONS, OnMenuOptions)
ON_COMMAND(ID_MENU_HALFYEAR, OnMenuHalfYear)
ON_COMMAND(IDC_MON_HALFYEAR, OnMenuHalfYear)
ON_COMMAND(ID_MENU_WEBSITE, OnMenuWebSite)
ON_COMMAND(ID_MENU_EXIT, OnCancel)
ON_COMMAND(ID_MENU_ABOUT, OnMenuAbout)
ON_COMMAND(ID_MENU_STARTED_TODAY, OnStartedToday)
ON_COMMAND(IDC_MON_STARTED, OnStartedToday)
ON_COMMAND(ID_MENU_EXPORT, OnExport)
ON_COMMAND(IDC_MON_EXPORT, OnExport)
ON_COMMAND(IDC_MON_HISTORY, OnHistory)
ON_COMMAND(IDC_MON_USE, OnUseSuggestion)
ON_COMMAND(IDC_MON_DISMISS, OnDismissSuggestion)
ON_COMMAND(IDC_MAIN_HELP, OnHelp)
ON_COMMAND(IDC_MAIN_HIDE, HideToTray)
ON_WM_TIMECHANGE()
ON_COMMAND(IDC_MAIN_WIZARD, RunWizard)
ON_LBN_SELCHANGE(IDC_MAIN_NAVIGATION, OnSelChangeNavigation)
ON_COMMAND(IDC_MAIN_EXIT, OnCancel)
ON_MESSAGE(WM_TRAYNOTIFY, OnTrayNotify)
ON_MENU_OWNERDRAW() // the icon's menu
ON_WM_CLOSE()
ON_REGISTERED_MESSAGE(kTaskbarCreated, OnTaskbarCreated)
ON_REGISTERED_MESSAGE(kOpenRequest, OnOpenRequest)
ON_WM_TIMER()
ON_MESSAGE(WM_POWERBROADCAST, OnPowerBroadcast)
ON_MESSAGE(WM_QUERYENDSESSION, OnQueryEndSession)
ON_MESSAGE(WM_ENDSESSION, OnEndSession)
ON_WM_DESTROY()
ON_MESSAGE(WM_DPICHANGED, OnDpiChanged)
ON_MESSAGE(kCreatePagesMessage, OnCreatePages)
ON_MESSAGE(WM_ENABLE, OnEnableChange)
ON_MESSAGE(WM_SYSCOLORCHANGE, OnSysColorChange)
ON_MESSAGE(WM_ACTIVATE, OnActivate)
END_MESSAGE_MAP()

UINT MainDialog::OpenRequestMessage()
{
    return kOpenRequest;
}

MainDialog::MainDialog(const fw::Clock& clock, HelpOpener& help, Shell& shell,
                       LanguageManager& language, SettingsStore& settings, StoredCycle& stored)
    : CDialog(IDD_MAIN), clock_(clock), help_(help), language_(language), settings_(settings),
      stored_(stored), monitor_(clock, help, language, settings, stored),
      scheduler_(clock, help, language, settings), options_(help, language, settings),
      about_(help, shell, language), tray_(*this, clock, shell, language, settings, stored)
{
    RegisterDialogClass(VELINDRA_MAIN_WINDOW_CLASS);
    windowIcon_ = LoadProgramIcon(IDI_VELINDRA, 0);
}

MainDialog::~MainDialog()
{
    // The window tree goes first, while the pages and the sheet still exist.
    if (IsWindow())
        DestroyWindow();
}

void MainDialog::DoDataExchange(CDataExchange* exchange)
{
    DDX_Control(exchange, IDC_MAIN_STRIPE, stripe_);
    DDX_Control(exchange, IDC_MAIN_NAVIGATION, navigation_);
}

BOOL MainDialog::OnInitDialog()
{
    COleDateTime now = clock_.Now();
    CDialog::OnInitDialog();
    SetWindowText(CString("Velindra - ") + velindra::kWebSiteHost);
    SetIcon(windowIcon_, true);
    SetIcon(windowIcon_, false);
    background_.CreateSolidBrush(LightFace(0.24));
    // The notification icon first: its state and tip come from the settings.
    language_.SetLanguage(StoredLanguage(settings_, language_.ProgramFile()));
    tray_.Add(this, StandingWithRecord(stored_, now));
    CreatePages();
    CreateNavigation();
    PreparePage(PageMonitor);
    navigation_.SetCurSel(PageMonitor);
    ApplyLanguage(true);
    LoadStripe();
    CenterWindow();
    ArmMidnightTimer();
    PostMessage(kCreatePagesMessage);
    return TRUE;
}

void MainDialog::ApplyLanguage(bool initial)
{
    HCURSOR previous = ::SetCursor(::LoadCursorW(nullptr, MAKEINTRESOURCEW(32514))); // IDC_WAIT
    language_.SetLanguage(StoredLanguage(settings_, language_.ProgramFile()));
    CString section;
    language_.TranslateDialog(initial, false, this, IDD_MAIN, 0, section);
    FitButtons();
    tray_.LoadMenu();
    // The calendar's month and weekday names follow the language's locale.
    if (!initial && monitor_.Calendar().IsWindow())
        monitor_.Calendar().Refresh();
    TellStanding(); // the tip and the Monitor page's line in the language
    ::SetCursor(previous);
}

// The notification icon goes while its window still exists: the shell finds
// it by that window, and the application destroys the window before the
// object.
void MainDialog::OnDestroy()
{
    KillTimer(kMidnightTimer);
    tray_.Remove();
    Default();
}

void MainDialog::ShowMainWindow(int page)
{
    CreatePage(page);
    scheduler_.LoadFromSettings(); // what is stored now, whoever stored it
    sheet_.SetActivePage(page);
    navigation_.SetCurSel(page);
    ShowWindow(SW_SHOW);
    UpdateWindow();
    BringWindowToTop();
    FocusPage();
}

// The first control of the page shown that takes the focus (the Monitor
// page's calendar): the focus never stays on a page that is hidden.
void MainDialog::FocusPage()
{
    CPropertyPage* shown = sheet_.GetActivePage();
    HWND first =
        shown && shown->IsWindow() ? ::GetNextDlgTabItem(shown->m_hWnd, nullptr, FALSE) : nullptr;
    if (first && ::IsChild(shown->m_hWnd, first))
        ::SetFocus(first);
}

// Activated again, the dialog gives the focus back where it was: not to a
// page that has been hidden since.
LRESULT MainDialog::OnActivate(WPARAM state, LPARAM)
{
    const LRESULT result = Default();
    CPropertyPage* shown = sheet_.GetActivePage();
    HWND focus = ::GetFocus();
    if (LOWORD(state) != WA_INACTIVE && shown && ::IsChild(sheet_.m_hWnd, focus) &&
        !::IsChild(shown->m_hWnd, focus))
        FocusPage();
    return result;
}

void MainDialog::OpenMonitor(const COleDateTime* month)
{
    ShowMainWindow(PageMonitor);
    if (month)
        monitor_.Calendar().SetMonth(*month);
}

LRESULT MainDialog::OnTrayNotify(WPARAM, LPARAM mouseMessage)
{
    tray_.OnNotify(static_cast<UINT>(mouseMessage));
    return 0;
}

LRESULT MainDialog::OnTaskbarCreated(WPARAM, LPARAM)
{
    tray_.OnShellRestarted();
    return 0;
}

LRESULT MainDialog::OnEnableChange(WPARAM enabled, LPARAM)
{
    if (enabled)
        tray_.OnWindowEnabled();
    return 0;
}

void MainDialog::HideToTray()
{
    if (BringOpenModalToFront())
        return; // the help window is already there
    SettlePages();
    ShowWindow(SW_HIDE);
    QuickLaunchHelpDialog window(help_, language_, settings_, this);
    window.DoModal();
}

// What she is still entering on a page is stored before the window goes.
void MainDialog::SettlePages()
{
    scheduler_.Settle();
    options_.Settle();
}

const char* MainDialog::HelpTopic() const
{
    int selection = navigation_.GetCurSel();
    if (selection == LB_ERR)
        return "overview";
    if (selection >= 0 && selection < PageCount)
        return kPageTopics[selection];
    return "mon";
}

void MainDialog::OnHelp()
{
    help_.OpenTopic(HelpTopic());
}

BOOL MainDialog::PreTranslateMessage(MSG* message)
{
    // A hidden window keeps the keyboard focus after the icon's menu closed:
    // its keys (Escape is Help, Enter is Hide) must not act unseen.
    const bool key = message->message >= WM_KEYFIRST && message->message <= WM_KEYLAST;
    if (key && !IsWindowVisible())
        return TRUE;
    if (message->wParam == VK_F1) {
        if (message->message == WM_KEYDOWN)
            return TRUE;
        if (message->message == WM_KEYUP) {
            OnHelp();
            return TRUE;
        }
    }
    return CDialog::PreTranslateMessage(message);
}

void MainDialog::OnSysCommand(UINT command, LPARAM)
{
    switch (command & 0xFFF0) {
    case SC_MINIMIZE:
        HideToTray();
        break;
    case SC_CLOSE:
        OnCancel();
        break;
    default:
        Default();
    }
}

void MainDialog::OnSelChangeNavigation()
{
    int selection = navigation_.GetCurSel();
    bool known = selection == PageScheduler || selection == PageOptions || selection == PageAbout;
    CreatePage(known ? selection : PageMonitor);
    sheet_.SetActivePage(known ? selection : PageMonitor);
}

void MainDialog::OnMenuHalfYear()
{
    HalfYearDialog dialog(clock_, help_, language_, stored_, this);
    halfYear_ = &dialog;
    dialog.DoModal();
    halfYear_ = nullptr;
}

void MainDialog::OnCancel()
{
    if (!ending_)
        SettlePages();
    ending_ = true;
    settings_.WriteDword(SettingVisibled, IsWindowVisible() ? 1 : 0);
    // The icon's menu, when it is open, closes; its loop would take the quit
    // message for its own (the icon posts it again).
    ::EndMenu();
    ::PostQuitMessage(0);
}

// Log-off or shut-down: the program may be ended at any moment after this.
LRESULT MainDialog::OnEndSession(WPARAM ending, LPARAM)
{
    if (ending) {
        SettlePages();
        settings_.WriteDword(SettingVisibled, IsWindowVisible() ? 1 : 0);
        tray_.Remove();
    }
    return 0;
}

LRESULT MainDialog::OnOpenRequest(WPARAM, LPARAM)
{
    if (!BringOpenModalToFront()) {
        ShowMainWindow(PageMonitor);
        ::SetForegroundWindow(m_hWnd);
    }
    return kOpenAnswer;
}

namespace {

// The commands that open a window: the Hide button (the help window), Open,
// the wizard, the half-year calendar, help, the pages of the icon's menu,
// History and the export's save dialog.
bool OpensAWindow(UINT command)
{
    for (UINT opener : {IDC_MAIN_HIDE, ID_MENU_OPEN, IDC_MAIN_WIZARD, ID_MENU_HALFYEAR,
                        IDC_MON_HALFYEAR, IDC_MAIN_HELP, ID_MENU_SCHEDULER, ID_MENU_OPTIONS,
                        ID_MENU_ABOUT, IDC_MON_HISTORY, IDC_MON_EXPORT, ID_MENU_EXPORT})
        if (command == opener)
            return true;
    return false;
}

} // namespace

LRESULT MainDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND && OpensAWindow(LOWORD(wParam)) && BringOpenModalToFront())
        return 0;
    return CDialog::WindowProc(message, wParam, lParam);
}

HWND MainDialog::OpenModal() const
{
    struct Search {
        HWND owner;
        HWND found;
    } search{m_hWnd, nullptr};
    ::EnumThreadWindows(
        ::GetWindowThreadProcessId(m_hWnd, nullptr),
        [](HWND window, LPARAM data) {
            auto* search = reinterpret_cast<Search*>(data);
            // (Tool windows, such as a balloon tip of an edit, never wait.)
            if (::GetWindow(window, GW_OWNER) != search->owner || !::IsWindowVisible(window) ||
                !::IsWindowEnabled(window) ||
                (::GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW))
                return TRUE;
            search->found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool MainDialog::BringOpenModalToFront()
{
    if (!m_hWnd || ::IsWindowEnabled(m_hWnd))
        return false;
    // Whether or not it can be found, no second window opens beside it.
    if (HWND open = OpenModal()) {
        ::SetForegroundWindow(open);
        ::BringWindowToTop(open);
    }
    return true;
}
