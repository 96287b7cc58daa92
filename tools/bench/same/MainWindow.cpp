#include "tools/bench/same/MainWindow.h"

#include <shellapi.h>

#include "res/resource.h"
#include "tools/bench/same/HalfYear.h"
#include "tools/bench/same/PageSheet.h"

namespace {

constexpr wchar_t kClassName[] = L"" VELINDRA_MAIN_WINDOW_CLASS;
const wchar_t* const kPageNames[4] = {L"Monitor", L"Scheduler", L"Options", L"About"};
// About the height of Velindra's entries (a 32-pixel picture above a line of text).
constexpr UINT kItemHeight = 57;

HWND SheetOf(HWND window)
{
    return reinterpret_cast<HWND>(::GetWindowLongPtrW(window, DWLP_USER));
}

// The notification icon: the program's small icon, the window's callback
// message; the shell keeps it until NIM_DELETE.
NOTIFYICONDATAW IconRecord(HWND window)
{
    NOTIFYICONDATAW record{};
    record.cbSize = NOTIFYICONDATAW_V1_SIZE;
    record.hWnd = window;
    record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    record.uCallbackMessage = WM_TRAYNOTIFY;
    record.hIcon = static_cast<HICON>(
        ::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_VELINDRA), IMAGE_ICON,
                     ::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    ::lstrcpynW(record.szTip, L"Same windows", 64);
    return record;
}

void CentreOnWorkArea(HWND window)
{
    RECT area{}, frame{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    ::GetWindowRect(window, &frame);
    ::SetWindowPos(window, nullptr, (area.left + area.right - (frame.right - frame.left)) / 2,
                   (area.top + area.bottom - (frame.bottom - frame.top)) / 2, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Initialise(HWND window)
{
    NOTIFYICONDATAW icon = IconRecord(window);
    ::SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon.hIcon));
    ::SetWindowLongPtrW(window, DWLP_USER, reinterpret_cast<LONG_PTR>(CreatePageSheet(window)));
    HWND list = ::GetDlgItem(window, IDC_MAIN_NAVIGATION);
    for (const wchar_t* name : kPageNames)
        ::SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    ::SendMessageW(list, LB_SETCURSEL, 0, 0);
    ::Shell_NotifyIconW(NIM_ADD, &icon);
    CentreOnWorkArea(window);
}

// A navigation entry: its name on the list's colours.
void DrawEntry(const DRAWITEMSTRUCT& item)
{
    if (static_cast<int>(item.itemID) < 0)
        return;
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    ::FillRect(item.hDC, &item.rcItem,
               ::GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    ::SetBkMode(item.hDC, TRANSPARENT);
    ::SetTextColor(item.hDC, ::GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    wchar_t name[32] = L"";
    if (::SendMessageW(item.hwndItem, LB_GETTEXTLEN, item.itemID, 0) < 32)
        ::SendMessageW(item.hwndItem, LB_GETTEXT, item.itemID, reinterpret_cast<LPARAM>(name));
    RECT text = item.rcItem;
    ::DrawTextW(item.hDC, name, -1, &text, DT_CENTER | DT_BOTTOM | DT_SINGLELINE);
}

void Show(HWND window)
{
    ::ShowWindow(window, SW_SHOW);
    ::UpdateWindow(window);
    ::BringWindowToTop(window);
}

void OnCommand(HWND window, WPARAM wParam)
{
    switch (LOWORD(wParam)) {
    case IDC_MAIN_NAVIGATION:
        if (HIWORD(wParam) == LBN_SELCHANGE)
            SelectPage(SheetOf(window), static_cast<int>(::SendDlgItemMessageW(
                                            window, IDC_MAIN_NAVIGATION, LB_GETCURSEL, 0, 0)));
        break;
    case ID_MENU_HALFYEAR:
        RunHalfYear(window);
        break;
    case ID_MENU_OPEN:
        Show(window);
        break;
    case IDC_MAIN_HIDE:
        ::ShowWindow(window, SW_HIDE);
        break;
    case IDC_MAIN_EXIT:
    case ID_MENU_EXIT:
        ::DestroyWindow(window);
        break;
    default:
        break;
    }
}

INT_PTR CALLBACK MainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        Initialise(window);
        return TRUE;
    case WM_MEASUREITEM:
        reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = kItemHeight;
        return TRUE;
    case WM_DRAWITEM:
        DrawEntry(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_COMMAND:
        OnCommand(window, wParam);
        return TRUE;
    case WM_TRAYNOTIFY:
        if (lParam == WM_LBUTTONDOWN)
            Show(window);
        return TRUE;
    case WM_CLOSE:
        ::DestroyWindow(window);
        return TRUE;
    case WM_DESTROY: {
        NOTIFYICONDATAW icon = IconRecord(window);
        ::Shell_NotifyIconW(NIM_DELETE, &icon);
        ::PostQuitMessage(0);
        return TRUE;
    }
    default:
        return FALSE;
    }
}

} // namespace

bool RegisterMainWindowClass(HINSTANCE instance)
{
    WNDCLASSEXW dialogClass{};
    dialogClass.cbSize = sizeof(dialogClass);
    if (!::GetClassInfoExW(nullptr, MAKEINTRESOURCEW(0x8002), &dialogClass)) // WC_DIALOG
        return false;
    dialogClass.cbSize = sizeof(dialogClass);
    dialogClass.hInstance = instance;
    dialogClass.lpszClassName = kClassName;
    return ::RegisterClassExW(&dialogClass) != 0;
}

HWND CreateMainWindow(HINSTANCE instance)
{
    return ::CreateDialogParamW(instance, MAKEINTRESOURCEW(IDD_MAIN), nullptr, MainProc, 0);
}
