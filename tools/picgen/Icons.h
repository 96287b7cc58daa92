#pragma once
// The program's icons, drawn at any size (designed on a 32 x 32 grid).
#include "Raster.h"

namespace picgen {

enum class Tone { Grey, Pink };

Layer ProgramIcon(int size, Tone tone); // a calendar sheet with a drop
Layer DropIcon(int size);               // the length of a critical period
Layer SpanIcon(int size);               // the days between two periods

} // namespace picgen
