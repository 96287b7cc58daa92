#pragma once
// The comparison: Velindra and its yardsticks started and driven in turn,
// `rounds` times each (each program leading in turn), after one unmeasured
// run of each; prints every figure's minimum, median and maximum for each
// program and the ratios of Velindra's (the first target's) medians and
// minima to each other program's.
#include <vector>

#include "tools/bench/driver/Target.h"

int RunTable(const std::vector<const Target*>& targets, int rounds);
