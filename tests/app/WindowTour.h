#pragma once
// Every window of the program in turn, as the user meets them, each looked at
// while it is open: the main window on each of its four pages, the half-year
// calendar, the help window shown on hiding, the first-launch dialog and the
// three wizard steps. For tests that look at all of them (layout, texts).
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class MainDialog;

namespace main_window_testing {

// name: "main/<page>", "halfyear", "history", "quickhelp", "firstlaunch",
// "wizard/<step>".
using WindowVisit = std::function<void(const std::string& name, HWND window)>;

// Tours every window (the main window must exist; it ends hidden on the
// Monitor page): one line per fault of their layout, a control outside its
// window or over another, a text that does not fit, and with `texts` an
// access key two controls share or a character drawn as a missing glyph;
// also when the tour missed a window. `visit` sees each window too.
std::string TourFaults(MainDialog& main, bool texts, const WindowVisit& visit = nullptr);

std::string Lines(const std::vector<std::string>& lines);

} // namespace main_window_testing
