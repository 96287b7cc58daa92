#include "app/MainDialog.h"

#include <algorithm>

#include "app/QuickLaunchHelpDialog.h"
#include "calendar/HalfYearDialog.h"
#include "calendar/MonthCalendarCtrl.h"
#include "framework/Dc.h"
#include "framework/WinApp.h"
#include "model/AppIdentity.h"
#include "model/Settings.h"
#include "res/resource.h"
#include "ui/Drawing.h"
#include "ui/HelpTopic.h"
#include "ui/LoadTintedBitmap.h"
#include "ui/ScaledPicture.h"
#include "ui/ThemeTexture.h"
#include "ui/DialogLayout.h"

namespace {

constexpr COLORREF kImageMask = RGB(192, 192, 192);
// Where the page sheet goes: (152, 5) pixels with the template's font on
// Windows, kept in dialog units so that it stays right of the navigation list
// whatever size the font has.
constexpr RECT kSheetPlace{101, 3, 0, 0};
// Space kept between the sheet and the row of buttons below it, in pixels at 96 dpi.
constexpr int kSheetButtonGap = 1;
constexpr int kNavigationSpacing = 2;
const char* const kPageNames[MainDialog::PageCount] = {"Monitor", "Scheduler", "Options", "About"};
const char* const kPageTopics[MainDialog::PageCount] = {"mon", "sched", "opt", "about"};

// A small icon: 16 x 16 pixels at 96 dpi, the system's small-icon size at its scale.
HICON LoadProgramIcon(UINT id, UINT flags)
{
    const int size = ::GetSystemMetrics(SM_CXSMICON) > 0 ? ::GetSystemMetrics(SM_CXSMICON) : 16;
    return static_cast<HICON>(
        ::LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(id), IMAGE_ICON, size, size, flags));
}

CString StoredLanguage()
{
    CString name;
    ReadSettingText(SettingLang, name);
    return name.empty() ? CString("english") : name;
}

} // namespace

// The shell's broadcast after it (re-)created the notification area.
const UINT kTaskbarCreated = ::RegisterWindowMessageA("TaskbarCreated");
const UINT kOpenRequest = ::RegisterWindowMessageA("Orrowby.Velindra.Open");

BEGIN_MESSAGE_MAP(MainDialog, CDialog)
ON_WM_PAINT()
ON_WM_QUERYDRAGICON()
ON_WM_CTLCOLOR()
ON_WM_SYSCOMMAND()
ON_COMMAND(ID_MENU_OPEN, OnMenuOpen)
ON_COMMAND(ID_MENU_SCHEDULER, OnMenuScheduler)
ON_COMMAND(ID_MENU_OPTIONS, OnMenuOptions)
ON_COMMAND(ID_MENU_HALFYEAR, OnMenuHalfYear)
ON_COMMAND(ID_MENU_WEBSITE, OnMenuWebSite)
ON_COMMAND(ID_MENU_EXIT, OnCancel)
ON_COMMAND(ID_MENU_ABOUT, OnMenuAbout)
ON_COMMAND(IDC_MAIN_HELP, OnHelp)
ON_COMMAND(IDC_MAIN_HIDE, HideToTray)
ON_WM_TIMECHANGE()
ON_COMMAND(IDC_MAIN_WIZARD, RunWizard)
ON_LBN_SELCHANGE(IDC_MAIN_NAVIGATION, OnSelChangeNavigation)
ON_COMMAND(IDC_MAIN_EXIT, OnCancel)
ON_MESSAGE(WM_TRAYNOTIFY, OnTrayNotify)
ON_WM_CLOSE()
ON_REGISTERED_MESSAGE(kTaskbarCreated, OnTaskbarCreated)
ON_REGISTERED_MESSAGE(kOpenRequest, OnOpenRequest)
ON_WM_TIMER()
ON_MESSAGE(WM_POWERBROADCAST, OnPowerBroadcast)
ON_MESSAGE(WM_QUERYENDSESSION, OnQueryEndSession)
ON_MESSAGE(WM_ENDSESSION, OnEndSession)
ON_WM_DESTROY()
ON_MESSAGE(WM_DPICHANGED, OnDpiChanged)
END_MESSAGE_MAP()

UINT MainDialog::OpenRequestMessage()
{
    return kOpenRequest;
}

MainDialog::MainDialog() : CDialog(IDD_MAIN)
{
    RegisterDialogClass(VELINDRA_MAIN_WINDOW_CLASS);
    windowIcon_ = LoadProgramIcon(IDI_VELINDRA, 0);
}

MainDialog::~MainDialog()
{
    // The window tree goes first, while the pages and the sheet still exist.
    if (IsWindow())
        DestroyWindow();
    DestroyIcons();
}

void MainDialog::DoDataExchange(CDataExchange* exchange)
{
    DDX_Control(exchange, IDC_MAIN_STRIPE, stripe_);
    DDX_Control(exchange, IDC_MAIN_NAVIGATION, navigation_);
}

BOOL MainDialog::OnInitDialog()
{
    COleDateTime now = COleDateTime::GetCurrentTime();
    CDialog::OnInitDialog();
    SetWindowText(CString("Velindra - ") + velindra::kWebSiteHost);
    SetIcon(windowIcon_, true);
    SetIcon(windowIcon_, false);
    background_.CreateSolidBrush(LightenColor(::GetSysColor(COLOR_BTNFACE), 0.24));
    CreatePages();
    CreateNavigation();
    language_.SetLanguage(StoredLanguage());
    ActivateEveryPage();
    scheduler_.LoadFromSettings();
    options_.LoadFromSettings();
    LoadTrayIcons();
    trayIcon_.AddIcon(this, velindra::kAppName, trayNormal_, trayPink_);
    bool critical = IsTodayCriticalKeepingMonth(now);
    SetTrayState(critical && ReadSettingDword(SettingCritRed) != 0 ? TrayPink : TrayNormal);
    ApplyLanguage(true);
    LoadStripe();
    CenterWindow();
    ArmMidnightTimer();
    return TRUE;
}

void MainDialog::CreatePages()
{
    sheet_.AddPage(&monitor_);
    sheet_.AddPage(&scheduler_);
    sheet_.AddPage(&options_);
    sheet_.AddPage(&about_);
    sheet_.Create(this, WS_CHILD | WS_VISIBLE, 0);
    sheet_.SetBackgroundBrush(background_);
    sheet_.ModifyStyleEx(0, WS_EX_CONTROLPARENT);
    sheet_.ModifyStyle(0, WS_TABSTOP);
    // Tab goes from the navigation list into the page, then to the buttons.
    sheet_.SetWindowPos(navigation_.m_hWnd, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (HWND tabs = sheet_.GetTabControl()) {
        LONG_PTR ex = ::GetWindowLongPtrA(tabs, GWL_EXSTYLE);
        ::SetWindowLongPtrA(tabs, GWL_EXSTYLE, ex & ~static_cast<LONG_PTR>(WS_EX_CLIENTEDGE));
        LONG_PTR style = ::GetWindowLongPtrA(tabs, GWL_STYLE);
        ::SetWindowLongPtrA(tabs, GWL_STYLE, style & ~static_cast<LONG_PTR>(0x200));
    }
    PlaceSheet();
}

// Right of the navigation list, ending above the buttons: below the page
// frame a page is blank, and that strip must not cover the buttons.
void MainDialog::PlaceSheet()
{
    RECT place = kSheetPlace;
    ::MapDialogRect(m_hWnd, &place);
    sheet_.SetWindowPos(nullptr, place.left, place.top, 0, 0,
                        SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT sheet = sheet_.GetWindowRect();
    RECT buttons{};
    if (!::GetWindowRect(GetDlgItem(IDC_MAIN_WIZARD), &buttons))
        return;
    ScreenToClient(buttons);
    int bottom = place.top + (sheet.bottom - sheet.top);
    int limit = buttons.top - fw::ScaleToDpi(kSheetButtonGap, layout::LayoutDpi(m_hWnd));
    // A sheet whose own font grew more than the window's keeps inside it too.
    const int right = GetClientRect().right;
    const int width = std::min<int>(sheet.right - sheet.left, right - place.left);
    if (bottom > limit || place.left + (sheet.right - sheet.left) > right)
        sheet_.SetWindowPos(nullptr, 0, 0, width, std::min(bottom, limit) - place.top,
                            SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainDialog::CreateNavigation()
{
    for (const char* name : kPageNames)
        pageNames_.push_back(name);
    LoadPageImages();
    navigation_.CreateList(this, nullptr, kNavigationSpacing, &pageImages_, &pageNames_);
}

// The four pictures, square cells of the strip at the size nearest to the
// window's scale (32 pixels at 96 dpi).
void MainDialog::LoadPageImages()
{
    CBitmap strip;
    BITMAP size{};
    pageImages_.DeleteImageList();
    if (strip.Attach(LoadScaledBitmap(IDB_NAVIGATION, layout::LayoutDpi(m_hWnd))) &&
        strip.GetBitmap(&size) &&
        pageImages_.Create(size.bmHeight, size.bmHeight, ILC_MASK | ILC_COLOR24, 0, 0))
        pageImages_.Add(strip, kImageMask);
}

void MainDialog::LoadStripe()
{
    CBitmap stripe;
    LoadTintedBitmap(IDB_STRIPE, stripe, layout::LayoutDpi(m_hWnd));
    stripe_.ShowBitmap(stripe.Detach());
}

// Moved to a monitor of another scale: the system has scaled the dialog's
// own controls and fonts; the parts given in pixels follow here, and each
// page follows on WM_DPICHANGED_AFTERPARENT.
LRESULT MainDialog::OnDpiChanged(WPARAM, LPARAM suggested)
{
    const LRESULT result = Default();
    if (const RECT* place = reinterpret_cast<const RECT*>(suggested))
        SetWindowPos(nullptr, place->left, place->top, place->right - place->left,
                     place->bottom - place->top, SWP_NOZORDER | SWP_NOACTIVATE);
    LoadPageImages();
    navigation_.ApplyDpi(layout::LayoutDpi(m_hWnd), &pageImages_);
    LoadStripe();
    PlaceSheet();
    LoadTrayMenu();
    Invalidate(true);
    return result;
}

// Every page window exists from here on, so the first translation finds them all.
void MainDialog::ActivateEveryPage()
{
    for (int page = 0; page < sheet_.GetPageCount(); ++page) {
        sheet_.SetActivePage(page);
        DisableThemeTexture(sheet_.GetPage(page)->m_hWnd);
    }
    sheet_.SetActivePage(PageMonitor);
    navigation_.SetCurSel(sheet_.GetActiveIndex());
}

void MainDialog::ApplyLanguage(bool initial)
{
    HCURSOR previous = ::SetCursor(::LoadCursorA(nullptr, MAKEINTRESOURCEA(32514))); // IDC_WAIT
    language_.SetLanguage(StoredLanguage());
    CString section;
    language_.TranslateDialog(initial, false, this, IDD_MAIN, 0, section);
    LoadTrayMenu();
    ::SetCursor(previous);
}

// Menu 134 anew, translated before the icon menu takes its items over (the
// translation leaves items alone that the icon menu has converted).
void MainDialog::LoadTrayMenu()
{
    if (iconMenu_.GetSafeHmenu()) {
        iconMenu_.ReleaseIconMenu();
        // A menu that was never built is not released by the icon menu.
        iconMenu_.DestroyMenu();
    }
    if (!iconMenu_.LoadMenu(IDR_TRAY_MENU))
        return;
    language_.TranslateMenu(true, &iconMenu_, IDR_TRAY_MENU);
    iconMenu_.BuildIconMenu(IDB_MENU_ICONS, kImageMask, fw::WindowDpi(m_hWnd));
    iconMenu_.SetItemImage(ID_MENU_OPEN, 0);
}

// The notification icon goes while its window still exists: the shell finds
// it by that window, and the application destroys the window before the
// object.
void MainDialog::OnDestroy()
{
    KillTimer(kMidnightTimer);
    trayIcon_.RemoveIcon();
    Default();
}

void MainDialog::ShowMainWindow(int page)
{
    scheduler_.LoadFromSettings(); // what is stored now, whoever stored it
    sheet_.SetActivePage(page);
    navigation_.SetCurSel(page);
    ShowWindow(SW_SHOW);
    UpdateWindow();
    BringWindowToTop();
}

void MainDialog::HideToTray()
{
    if (BringOpenModalToFront())
        return; // the help window is already there
    ShowWindow(SW_HIDE);
    QuickLaunchHelpDialog help;
    help.DoModal();
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
    OpenHelpTopic(HelpTopic());
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

void MainDialog::OnTimeChange()
{
    Default();
    RefreshCycleState();
    ArmMidnightTimer();
}

void MainDialog::OnSelChangeNavigation()
{
    int selection = navigation_.GetCurSel();
    bool known = selection == PageScheduler || selection == PageOptions || selection == PageAbout;
    sheet_.SetActivePage(known ? selection : PageMonitor);
}

void MainDialog::OnMenuHalfYear()
{
    HalfYearDialog::Open();
}

void MainDialog::OnCancel()
{
    WriteSettingDword(SettingVisibled, IsWindowVisible() ? 1 : 0);
    DestroyIcons();
    ::PostQuitMessage(0);
}

// Log-off or shut-down: the program may be ended at any moment after this.
LRESULT MainDialog::OnEndSession(WPARAM ending, LPARAM)
{
    if (ending) {
        WriteSettingDword(SettingVisibled, IsWindowVisible() ? 1 : 0);
        trayIcon_.RemoveIcon();
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

bool MainDialog::BringOpenModalToFront()
{
    if (!m_hWnd || ::IsWindowEnabled(m_hWnd))
        return false;
    HWND popup = ::GetLastActivePopup(m_hWnd);
    if (!popup || popup == m_hWnd || !::IsWindowVisible(popup))
        return false;
    ::SetForegroundWindow(popup);
    ::BringWindowToTop(popup);
    return true;
}

void MainDialog::DestroyIcons()
{
    for (HICON* icon : {&windowIcon_, &trayNormal_, &trayPink_}) {
        if (*icon)
            ::DestroyIcon(*icon);
        *icon = nullptr;
    }
}

HBRUSH MainDialog::OnCtlColor(CDC*, HWND window, UINT)
{
    return window == m_hWnd ? background_.GetSafeHandle() : nullptr;
}

void MainDialog::OnPaint()
{
    CPaintDC dc(m_hWnd);
    if (IsIconic()) {
        SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()));
        RECT client = GetClientRect();
        int x = (client.right - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
        int y = (client.bottom - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
        ::DrawIcon(dc, x, y, windowIcon_);
        return;
    }
    const fw::Dpi dpi(layout::LayoutDpi(m_hWnd));
    RECT list = navigation_.GetWindowRect();
    ScreenToClient(list);
    ::InflateRect(&list, dpi(2), dpi(2));
    DrawSoftFrame(&dc, &list, ::GetSysColor(COLOR_BTNFACE), 0.24, dpi);
}
