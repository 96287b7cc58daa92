#pragma once
// Running tests at another display scale under Wine. A process takes the
// prefix's dpi (the LogPixels value under HKCU\Control Panel\Desktop) when
// it starts, so a test sets that value, starts this test program again for
// the tests that look at the windows, waits for it and puts the value back.
// Every test of this program runs alone (RUN_SERIAL): no other process may
// start while the value is changed.
#include <string>

namespace dpi_testing {

// The dpi a child process was started for; 0 in an ordinary run.
int RequestedDpi();

// Runs this program's tests matching the filter in a new process that starts
// at the dpi; the process's exit code, or -1 when it could not be run or did
// not end within the time-out. The prefix's value is restored in any case.
int RunAtDpi(int dpi, const std::string& filter);

} // namespace dpi_testing
