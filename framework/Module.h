#pragma once
// The module this code is linked into (the program, or a test program): its
// instance handle registers the window classes, and its resources (dialog
// templates, menus, pictures, icons) are loaded from it. The module knows
// its own base address, so nothing here asks the application object.
#include <windows.h>

extern "C" IMAGE_DOS_HEADER __ImageBase; // the linker's name for the module's base

inline HINSTANCE AfxGetInstanceHandle()
{
    return reinterpret_cast<HINSTANCE>(&__ImageBase);
}

// The program keeps its resources in itself.
inline HINSTANCE AfxGetResourceHandle()
{
    return AfxGetInstanceHandle();
}
