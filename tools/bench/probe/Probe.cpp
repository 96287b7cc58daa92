// velindra_bench_probe.dll: loaded into the measured program by the bench
// driver, which then runs CountObjects in a thread of that program. It counts
// what the program holds from the inside, because Wine answers 0 to
// GetGuiResources and GetProcessHandleCount.
#include <windows.h>

#include "tools/bench/probe/ProbeKinds.h"

namespace {

// Wine's user handles: index i is the value 0x20 + 2 i; a value that carries
// no generation in its high word matches the live object at that index.
constexpr UINT_PTR kFirstUserHandle = 0x0020;
constexpr UINT_PTR kLastUserHandle = 0xffef;

DWORD DrawingObjects()
{
    DWORD counted = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    if (counted != 0)
        return counted;
    for (UINT_PTR index = 1; index < 0x10000; ++index)
        counted += ::GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0 ? 1 : 0;
    return counted;
}

DWORD Menus()
{
    DWORD counted = 0;
    for (UINT_PTR value = kFirstUserHandle; value <= kLastUserHandle; value += 2)
        counted += ::IsMenu(reinterpret_cast<HMENU>(value)) ? 1 : 0;
    return counted;
}

// GetIconInfo hands out copies of the icon's bitmaps: they go at once.
DWORD Icons()
{
    DWORD counted = 0;
    for (UINT_PTR value = kFirstUserHandle; value <= kLastUserHandle; value += 2) {
        ICONINFO info{};
        if (!::GetIconInfo(reinterpret_cast<HICON>(value), &info))
            continue;
        ++counted;
        if (info.hbmColor)
            ::DeleteObject(info.hbmColor);
        if (info.hbmMask)
            ::DeleteObject(info.hbmMask);
    }
    return counted;
}

// Kernel handles are multiples of 4; the table is filled from the bottom, so
// a long run of free values means the end.
DWORD KernelHandles()
{
    DWORD counted = 0;
    DWORD misses = 0;
    for (UINT_PTR value = 4; misses < 4096; value += 4) {
        DWORD flags = 0;
        if (::GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags)) {
            ++counted;
            misses = 0;
        } else {
            ++misses;
        }
    }
    return counted;
}

} // namespace

extern "C" __attribute__((dllexport)) DWORD WINAPI CountObjects(LPVOID kind)
{
    switch (static_cast<ProbeKind>(reinterpret_cast<UINT_PTR>(kind))) {
    case ProbeDrawingObjects:
        return DrawingObjects();
    case ProbeMenus:
        return Menus();
    case ProbeIcons:
        return Icons();
    case ProbeKernelHandles:
        return KernelHandles();
    }
    return kProbeFailed;
}
