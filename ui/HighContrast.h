#pragma once
// Whether the user turned on a high-contrast scheme of Windows: then every
// part the program paints itself takes the system colours (window, window
// text, highlight, highlight text, grey text, hot-light, button face and
// text), critical days are told apart without colour as well, and pictures
// that only decorate give way to the window colour. The one place that asks.
#include <windows.h>

bool IsHighContrast();

namespace high_contrast_testing {
// The answer IsHighContrast gives from now on: 1 on, 0 off, -1 the system's
// again. A seam for the tests alone: Wine 8 knows no high contrast
// (SPI_GETHIGHCONTRAST always answers off, SPI_SETHIGHCONTRAST fails), while
// the colours of a high-contrast scheme can be set there (SetSysColors).
void Answer(int answer);
} // namespace high_contrast_testing
