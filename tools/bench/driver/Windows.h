#pragma once
// Finding and asking the windows of another process, as a user's tool would.
#include <windows.h>

// A top-level window without owner of the process that has a direct child
// with the id, and is visible when asked; null when there is none.
HWND FindTopWindow(DWORD pid, bool visible, int childId);
// A visible top-level window of the process that is not `except`, owned or
// not, with a direct child of the id.
HWND FindOtherVisibleWindow(DWORD pid, HWND except, int childId);
// The first descendant with the control id, or null.
HWND FindDescendant(HWND root, int id);
// The number of windows of the process: top-level ones and all their descendants.
int CountWindows(DWORD pid);
// True when the window's thread answers WM_NULL within the patience.
bool Answers(HWND window, UINT patienceMs = 10000);
// Paints whatever is invalid in the window and its children, now.
void PaintNow(HWND window);
// Invalidates the window and its children and paints them at once.
void RepaintAll(HWND window);

// Polls every millisecond until the condition holds or the patience runs out.
template <typename Condition> bool WaitFor(Condition condition, DWORD patienceMs = 20000)
{
    DWORD start = ::GetTickCount();
    while (!condition()) {
        if (::GetTickCount() - start > patienceMs)
            return false;
        ::Sleep(1);
    }
    return true;
}
