#pragma once
// Saving what a window shows.
#include <windows.h>

#include <string>

namespace snap {

// Pumps this thread's messages for the given time, so windows can paint.
void PumpFor(DWORD milliseconds);

// Writes the whole window (frame and caption included) as a 24-bit BMP.
bool CaptureWindow(HWND window, const std::string& path);

} // namespace snap
