#pragma once
// The long run: one Velindra process driven through hundreds of page
// switches, half-year openings, language switches and hide/show cycles, with
// its memory and the objects it holds counted before and after each.
#include <string>

#include "tools/bench/driver/Target.h"

// probeDll is the Windows path of velindra_bench_probe.dll.
int RunLong(const VelindraTarget& velindra, const std::string& probeDll);
