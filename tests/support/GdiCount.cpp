#include "tests/support/GdiCount.h"

#include <psapi.h>

namespace testing_support {
namespace {

DWORD ProbeHandleTable(DWORD type)
{
    DWORD counted = 0;
    for (UINT_PTR index = 1; index < 0x10000; ++index) {
        const DWORD found = ::GetObjectType(reinterpret_cast<HGDIOBJ>(index));
        counted += found != 0 && (type == 0 || found == type) ? 1 : 0;
    }
    return counted;
}

} // namespace

DWORD LiveDrawingObjects()
{
    const DWORD counted = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    return counted != 0 ? counted : ProbeHandleTable(0);
}

DWORD LiveBitmaps()
{
    return ProbeHandleTable(OBJ_BITMAP);
}

SIZE_T PrivateBytes()
{
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof(counters);
    return ::GetProcessMemoryInfo(::GetCurrentProcess(),
                                  reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                                  sizeof(counters))
               ? counters.PrivateUsage
               : 0;
}

} // namespace testing_support
