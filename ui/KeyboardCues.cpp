#include "ui/KeyboardCues.h"

namespace {

bool Hides(HWND window, LRESULT flag)
{
    return window && (::SendMessageW(window, WM_QUERYUISTATE, 0, 0) & flag) != 0;
}

} // namespace

bool HidesFocusCue(HWND window)
{
    return Hides(window, UISF_HIDEFOCUS);
}

bool HidesAccessKeyCue(HWND window)
{
    return Hides(window, UISF_HIDEACCEL);
}
