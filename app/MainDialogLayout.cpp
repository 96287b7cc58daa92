// How the main window is built and laid out: the page sheet right of the
// navigation list and above the buttons, the list with its pictures, the
// tinted stripe, every page created once, a change of display scale, and the
// soft frame round the list.
#include "app/MainDialog.h"

#include <algorithm>

#include "framework/Dc.h"
#include "res/resource.h"
#include "ui/DialogLayout.h"
#include "ui/Drawing.h"
#include "ui/LoadTintedBitmap.h"
#include "ui/ScaledPicture.h"
#include "ui/ThemeTexture.h"

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

} // namespace

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
        LONG_PTR ex = ::GetWindowLongPtrW(tabs, GWL_EXSTYLE);
        ::SetWindowLongPtrW(tabs, GWL_EXSTYLE, ex & ~static_cast<LONG_PTR>(WS_EX_CLIENTEDGE));
        LONG_PTR style = ::GetWindowLongPtrW(tabs, GWL_STYLE);
        ::SetWindowLongPtrW(tabs, GWL_STYLE, style & ~static_cast<LONG_PTR>(0x200));
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

// A translation may need wider buttons; the row may grow left as far as the
// navigation list above it begins.
void MainDialog::FitButtons()
{
    buttons_.Fit(m_hWnd, layout::ControlRect(m_hWnd, IDC_MAIN_NAVIGATION).left);
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
    layout::TakeSuggestedPlace(m_hWnd, suggested);
    LoadPageImages();
    navigation_.ApplyDpi(layout::LayoutDpi(m_hWnd), &pageImages_);
    LoadStripe();
    FitButtons();
    PlaceSheet();
    tray_.LoadMenu();
    Invalidate(true);
    return result;
}

LRESULT MainDialog::OnSysColorChange(WPARAM, LPARAM)
{
    background_.CreateSolidBrush(LightFace(0.24));
    sheet_.SetBackgroundBrush(background_); // the sheet borrows it
    LoadStripe();
    tray_.Menu().ApplySystemColours();
    return Default();
}

// The sheet creates a page's window when the page is first made active: the
// Monitor page before the window shows, the others right after the first
// paint, or at once when one is asked for earlier.
LRESULT MainDialog::OnCreatePages(WPARAM, LPARAM)
{
    CreateEveryPage();
    return 0;
}

void MainDialog::CreateEveryPage()
{
    for (int page = 0; page < PageCount; ++page)
        CreatePage(page);
}

bool MainDialog::CreatePage(int page)
{
    CPropertyPage* object = sheet_.GetPage(page);
    if (!object || object->IsWindow())
        return object != nullptr;
    // Made active and left again unseen, the focus where it was.
    const int shown = sheet_.GetActiveIndex();
    const HWND focus = ::GetFocus();
    sheet_.SendMessage(WM_SETREDRAW, FALSE);
    sheet_.SetActivePage(page);
    sheet_.SetActivePage(shown);
    sheet_.SendMessage(WM_SETREDRAW, TRUE);
    if (focus && focus != ::GetFocus() && ::IsWindow(focus))
        ::SetFocus(focus);
    if (!object->IsWindow())
        return false;
    PreparePage(page);
    if (sheet_.IsWindowVisible())
        sheet_.RedrawWindow(RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    return true;
}

// A new page in the window's language, with the stored values.
void MainDialog::PreparePage(int page)
{
    HWND window = sheet_.GetPage(page)->m_hWnd;
    DisableThemeTexture(window);
    if (page != PageMonitor)
        language_.TranslatePage(true, window, IDD_MAIN, page);
    if (page == PageOptions)
        options_.LoadFromSettings();
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
