#pragma once
// Shared by the picture scenes.
#include <windows.h>

namespace snap {

// A bordered popup showing the bitmap at its own size. The bitmap is kept for
// the life of the process, which is one capture.
HWND ShowPicture(HBITMAP picture);

} // namespace snap
