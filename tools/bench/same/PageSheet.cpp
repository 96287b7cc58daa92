#include "tools/bench/same/PageSheet.h"

#include <commctrl.h>
#include <prsht.h>

#include <algorithm>

#include "res/resource.h"
#include "tools/bench/same/CachedMonth.h"
#include "tools/bench/same/HalfYear.h"

namespace {

constexpr int kPageCount = 4;
constexpr UINT kPageTemplates[kPageCount] = {IDD_MONITOR, IDD_SCHEDULER, IDD_OPTIONS, IDD_ABOUT};
// Velindra's places: the sheet at (101, 3) dialog units, 11 x 24 pixels
// smaller than comctl32 makes it, one pixel above the buttons; the month
// calendar 30 pixels from the page's top, above the Today button.
constexpr RECT kSheetPlace{101, 3, 0, 0};
constexpr int kShrinkWidth = 11;
constexpr int kShrinkHeight = 24;
constexpr int kButtonGap = 1;
constexpr int kCalendarTop = 30;
// The sheet's own buttons: OK, Cancel, Help and Apply.
constexpr int kSheetButtons[] = {IDOK, IDCANCEL, IDHELP, 0x3021};

INT_PTR CALLBACK PageProc(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

// The Monitor page: the month sheet above the Today button, and the
// half-year dialog on its button, as Velindra has them.
INT_PTR CALLBACK MonitorProc(HWND page, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_COMMAND && LOWORD(wParam) == IDC_MON_HALFYEAR) {
        RunHalfYear(::GetAncestor(page, GA_ROOT));
        return TRUE;
    }
    if (message != WM_INITDIALOG)
        return FALSE;
    RECT today{};
    ::GetWindowRect(::GetDlgItem(page, IDC_MON_TODAY), &today);
    ::MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&today), 2);
    CreateCachedMonth(page, IDC_MON_CALENDAR, today.left, kCalendarTop);
    return TRUE;
}

// A child window instead of a pop-up (the template is a DLGTEMPLATE or a
// DLGTEMPLATEEX, whose style comes after its version, signature, help id and
// extended style).
int CALLBACK SheetCallback(HWND, UINT message, LPARAM templatePointer)
{
    if (message != PSCB_PRECREATE || !templatePointer)
        return 0;
    auto* bytes = reinterpret_cast<BYTE*>(templatePointer);
    bool extended = reinterpret_cast<WORD*>(bytes)[1] == 0xFFFF;
    auto* style = reinterpret_cast<DWORD*>(bytes + (extended ? 12 : 0));
    *style &= ~static_cast<DWORD>(WS_POPUP | WS_CAPTION | DS_MODALFRAME | WS_SYSMENU |
                                  WS_THICKFRAME | DS_CONTEXTHELP);
    *style |= WS_CHILD | WS_VISIBLE | DS_CONTROL;
    return 0;
}

HWND MakeSheet(HWND mainWindow)
{
    HINSTANCE instance = ::GetModuleHandleW(nullptr);
    PROPSHEETPAGEW pages[kPageCount]{};
    for (int i = 0; i < kPageCount; ++i) {
        pages[i].dwSize = sizeof(pages[i]);
        pages[i].hInstance = instance;
        pages[i].pszTemplate = MAKEINTRESOURCEW(kPageTemplates[i]);
        pages[i].pfnDlgProc = i == 0 ? MonitorProc : PageProc;
    }
    PROPSHEETHEADERW header{};
    header.dwSize = sizeof(header);
    header.dwFlags = PSH_PROPSHEETPAGE | PSH_USECALLBACK | PSH_MODELESS | PSH_NOAPPLYNOW;
    header.hwndParent = mainWindow;
    header.hInstance = instance;
    header.pszCaption = L"";
    header.nPages = kPageCount;
    header.ppsp = pages;
    header.pfnCallback = SheetCallback;
    return reinterpret_cast<HWND>(::PropertySheetW(&header));
}

// Right of the navigation list, after it in the Tab order, ending above the buttons.
void PlaceSheet(HWND mainWindow, HWND sheet)
{
    RECT place = kSheetPlace;
    ::MapDialogRect(mainWindow, &place);
    RECT frame{}, buttons{}, client{};
    ::GetWindowRect(sheet, &frame);
    ::GetWindowRect(::GetDlgItem(mainWindow, IDC_MAIN_WIZARD), &buttons);
    ::MapWindowPoints(nullptr, mainWindow, reinterpret_cast<POINT*>(&buttons), 2);
    ::GetClientRect(mainWindow, &client);
    int width = std::min<int>(frame.right - frame.left - kShrinkWidth, client.right - place.left);
    int height = std::min<int>(frame.bottom - frame.top - kShrinkHeight,
                               buttons.top - kButtonGap - place.top);
    ::SetWindowPos(sheet, ::GetDlgItem(mainWindow, IDC_MAIN_NAVIGATION), place.left, place.top,
                   width, height, SWP_NOACTIVATE);
}

} // namespace

HWND CreatePageSheet(HWND mainWindow)
{
    HWND sheet = MakeSheet(mainWindow);
    if (!sheet)
        return nullptr;
    for (int id : kSheetButtons)
        if (HWND button = ::GetDlgItem(sheet, id))
            ::ShowWindow(button, SW_HIDE);
    ::ShowWindow(reinterpret_cast<HWND>(::SendMessageW(sheet, PSM_GETTABCONTROL, 0, 0)), SW_HIDE);
    ::SetWindowLongPtrW(sheet, GWL_EXSTYLE,
                        ::GetWindowLongPtrW(sheet, GWL_EXSTYLE) | WS_EX_CONTROLPARENT);
    PlaceSheet(mainWindow, sheet);
    for (int page = kPageCount - 1; page >= 0; --page)
        SelectPage(sheet, page);
    return sheet;
}

void SelectPage(HWND sheet, int page)
{
    ::SendMessageW(sheet, PSM_SETCURSEL, static_cast<WPARAM>(page), 0);
}
