#pragma once
#include <windows.h>

namespace testing_support {

// The number of live drawing objects of this process. Wine answers 0 to
// GetGuiResources, so there its handle table is probed instead (a handle of
// index value only matches a live object at that index).
DWORD LiveDrawingObjects();

} // namespace testing_support
