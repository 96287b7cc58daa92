#pragma once
#include <windows.h>

namespace testing_support {

// The number of live drawing objects of this process. Wine answers 0 to
// GetGuiResources, so there its handle table is probed instead (a handle of
// index value only matches a live object at that index).
DWORD LiveDrawingObjects();

// The number of live bitmaps of this process, found by the same probe.
DWORD LiveBitmaps();

// The process's private memory in bytes.
SIZE_T PrivateBytes();

} // namespace testing_support
