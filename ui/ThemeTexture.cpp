#include "ui/ThemeTexture.h"

namespace {

constexpr DWORD kTextureDisable = 0x1; // ETDT_DISABLE
using EnableTextureFunction = HRESULT(WINAPI*)(HWND, DWORD);

} // namespace

void DisableThemeTexture(HWND window)
{
    // Only a theme library that is already loaded can have put a texture on.
    HMODULE themes = ::GetModuleHandleW(L"uxtheme.dll");
    if (!themes || !window)
        return;
    auto enable = reinterpret_cast<EnableTextureFunction>(
        reinterpret_cast<void*>(::GetProcAddress(themes, "EnableThemeDialogTexture")));
    if (enable)
        enable(window, kTextureDisable);
}
