#pragma once
// What CountObjects of velindra_bench_probe.dll counts: its thread parameter.
#include <windows.h>

enum ProbeKind : UINT_PTR {
    ProbeDrawingObjects = 0, // live GDI objects
    ProbeMenus = 1,          // live menus
    ProbeIcons = 2,          // live icons and cursors
    ProbeKernelHandles = 3,  // open kernel handles
};

// The thread's exit code when the kind is unknown.
constexpr DWORD kProbeFailed = 0xFFFFFFFF;
