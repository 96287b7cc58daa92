#pragma once
// The texts the program builds while it runs, checked where the windows show
// them, each at its longest in the language in force: the Monitor page's
// line (every count of days, the widest weekday and date of the year, the
// "tomorrow" form) and its offer of a suggested cycle, the calendars' month
// bands (every month) and weekday names, the cycle hints (every cycle) and
// the labels beside the count boxes (with counts of every plural form in the
// boxes). The texts come from the program's own functions and the language
// in force, so a new form or a changed translation is checked as it ships.
#include <string>
#include <vector>

#include "lang/LanguageManager.h"
#include "tests/app/WindowTour.h"

namespace main_window_testing {

// A visit for TourFaults that adds a line to `faults` for every built text
// that does not show whole in the window visited.
WindowVisit BuiltTextCheck(const LanguageManager& language, std::vector<std::string>& faults);

} // namespace main_window_testing
