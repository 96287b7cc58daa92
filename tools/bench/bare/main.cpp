// velindra_bench_bare.exe: the smallest program that does what Velindra does
// at start-up, as the benchmark's yardstick. A dialog from an in-memory
// template holding one custom-painted 207 x 160 month child, a notification
// icon whose left click shows the dialog, and command 32772 that opens a modal
// dialog with six such children (Velindra's half-year calendar). Starts hidden
// with the argument /hidden. No resources, no settings, no language.
#include <windows.h>
#include <shellapi.h>

#include <cstring>
#include <vector>

#include "tools/bench/bare/BareProgram.h"
#include "tools/bench/bare/MonthChild.h"
#include "tools/bench/bare/Templates.h"

namespace {

constexpr DWORD kDialogStyle =
    WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | DS_MODALFRAME | DS_CENTER;
constexpr int kMargin = 17;
constexpr int kColumnStep = 208;
constexpr int kRowStep = 161;

NOTIFYICONDATAA g_icon{};

// Sizes the dialog so that its client area holds the children and margins.
void FitClient(HWND dialog, int width, int height)
{
    RECT frame{0, 0, width, height};
    ::AdjustWindowRectEx(&frame, ::GetWindowLongA(dialog, GWL_STYLE), FALSE,
                         ::GetWindowLongA(dialog, GWL_EXSTYLE));
    ::SetWindowPos(dialog, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR CALLBACK HalfYearProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        for (int i = 0; i < 6; ++i)
            CreateMonthChild(dialog, kBareHalfYearFirstMonth + i, kMargin + kColumnStep * (i % 3),
                             kMargin + kRowStep * (i / 3));
        FitClient(dialog, 2 * kMargin + 3 * kColumnStep, 2 * kMargin + 2 * kRowStep);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)
            ::EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    default:
        return FALSE;
    }
}

void OpenHalfYear(HWND owner)
{
    std::vector<WORD> layout = DialogTemplate(kDialogStyle, 360, 200, L"Bare half-year");
    ::DialogBoxIndirectParamA(::GetModuleHandleA(nullptr),
                              reinterpret_cast<DLGTEMPLATE*>(layout.data()), owner, HalfYearProc,
                              0);
}

void AddIcon(HWND dialog)
{
    g_icon.cbSize = NOTIFYICONDATAA_V1_SIZE;
    g_icon.hWnd = dialog;
    g_icon.uID = 0;
    g_icon.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    g_icon.uCallbackMessage = kBareTrayMessage;
    g_icon.hIcon = ::LoadIconA(nullptr, MAKEINTRESOURCEA(32512)); // IDI_APPLICATION
    ::lstrcpynA(g_icon.szTip, "Bare", sizeof(g_icon.szTip));
    ::Shell_NotifyIconA(NIM_ADD, &g_icon);
}

INT_PTR CALLBACK MainProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        CreateMonthChild(dialog, kBareMonthId, kMargin, kMargin);
        FitClient(dialog, 2 * kMargin + kMonthWidth, 2 * kMargin + kMonthHeight);
        AddIcon(dialog);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == kBareHalfYearCommand)
            OpenHalfYear(dialog);
        else if (LOWORD(wParam) == IDCANCEL)
            ::DestroyWindow(dialog);
        return TRUE;
    case kBareTrayMessage:
        if (lParam == WM_LBUTTONDOWN)
            ::ShowWindow(dialog, SW_SHOW);
        return TRUE;
    case WM_DESTROY:
        ::Shell_NotifyIconA(NIM_DELETE, &g_icon);
        ::PostQuitMessage(0);
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int)
{
    if (!RegisterMonthChild(instance))
        return 1;
    std::vector<WORD> layout = DialogTemplate(kDialogStyle, 140, 110, L"Bare program");
    HWND dialog = ::CreateDialogIndirectParamA(
        instance, reinterpret_cast<DLGTEMPLATE*>(layout.data()), nullptr, MainProc, 0);
    if (!dialog)
        return 1;
    if (!std::strstr(commandLine, kBareHiddenArgument)) {
        ::ShowWindow(dialog, SW_SHOW);
        ::UpdateWindow(dialog);
    }
    MSG message;
    while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (!::IsDialogMessageA(dialog, &message)) {
            ::TranslateMessage(&message);
            ::DispatchMessageA(&message);
        }
    }
    return 0;
}
