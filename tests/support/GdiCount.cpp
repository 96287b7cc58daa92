#include "tests/support/GdiCount.h"

namespace testing_support {

DWORD LiveDrawingObjects()
{
    DWORD counted = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    if (counted != 0)
        return counted;
    for (UINT_PTR index = 1; index < 0x10000; ++index)
        counted += ::GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0 ? 1 : 0;
    return counted;
}

} // namespace testing_support
