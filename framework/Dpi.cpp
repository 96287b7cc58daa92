#include "framework/Dpi.h"

#include "framework/Dc.h"

namespace fw {
namespace {

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);

// Windows 10 (1607) and later; older systems have one dpi for everything.
GetDpiForWindowFunction DpiForWindow()
{
    static const auto function = reinterpret_cast<GetDpiForWindowFunction>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    return function;
}

} // namespace

// Fixed for the life of the process (a change takes a new logon).
int SystemDpi()
{
    static const int dpi = [] {
        CClientDC screen(nullptr);
        const int value = screen ? ::GetDeviceCaps(screen, LOGPIXELSY) : kDefaultDpi;
        return value > 0 ? value : kDefaultDpi;
    }();
    return dpi;
}

int WindowDpi(HWND window)
{
    if (!window || !::IsWindow(window))
        return SystemDpi();
    if (GetDpiForWindowFunction function = DpiForWindow()) {
        const UINT dpi = function(window);
        if (dpi > 0)
            return static_cast<int>(dpi);
    }
    return SystemDpi();
}

void ScaleLogFont(LOGFONTW* font, int dpi)
{
    const int system = SystemDpi();
    if (font && dpi > 0 && dpi != system)
        font->lfHeight = ::MulDiv(font->lfHeight, dpi, system);
}

} // namespace fw
