#pragma once
// The comparison: Velindra and the bare program started and driven in turn,
// `rounds` times each (the order alternating between rounds), after one
// unmeasured run of each; prints every figure's minimum, median and maximum
// and the ratio of the medians.
#include "tools/bench/driver/Target.h"

int RunTable(const Target& velindra, const Target& bare, int rounds);
