#include "tools/bench/driver/Windows.h"

namespace {

struct TopSearch {
    DWORD pid;
    bool visible;
    bool ownerless;
    HWND except;
    int childId;
    HWND found;
};

BOOL CALLBACK MatchTop(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<TopSearch*>(data);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(window, &pid);
    if (pid != search->pid || window == search->except)
        return TRUE;
    if (search->visible && !::IsWindowVisible(window))
        return TRUE;
    if (search->ownerless && ::GetWindow(window, GW_OWNER))
        return TRUE;
    if (search->childId && !::GetDlgItem(window, search->childId))
        return TRUE;
    search->found = window;
    return FALSE;
}

struct ChildSearch {
    int id;
    HWND found;
};

BOOL CALLBACK MatchChild(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<ChildSearch*>(data);
    if (::GetDlgCtrlID(window) != search->id)
        return TRUE;
    search->found = window;
    return FALSE;
}

struct Census {
    DWORD pid;
    int count;
};

BOOL CALLBACK CountChild(HWND, LPARAM data)
{
    ++reinterpret_cast<Census*>(data)->count;
    return TRUE;
}

BOOL CALLBACK CountTop(HWND window, LPARAM data)
{
    auto* census = reinterpret_cast<Census*>(data);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(window, &pid);
    if (pid != census->pid)
        return TRUE;
    ++census->count;
    ::EnumChildWindows(window, CountChild, data);
    return TRUE;
}

} // namespace

HWND FindTopWindow(DWORD pid, bool visible, int childId)
{
    TopSearch search{pid, visible, true, nullptr, childId, nullptr};
    ::EnumWindows(MatchTop, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindOtherVisibleWindow(DWORD pid, HWND except, int childId)
{
    TopSearch search{pid, true, false, except, childId, nullptr};
    ::EnumWindows(MatchTop, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindDescendant(HWND root, int id)
{
    ChildSearch search{id, nullptr};
    ::EnumChildWindows(root, MatchChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

int CountWindows(DWORD pid)
{
    Census census{pid, 0};
    ::EnumWindows(CountTop, reinterpret_cast<LPARAM>(&census));
    return census.count;
}

bool Answers(HWND window, UINT patienceMs)
{
    DWORD_PTR result = 0;
    return ::SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, patienceMs, &result) != 0;
}

void PaintNow(HWND window)
{
    ::RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void RepaintAll(HWND window)
{
    ::RedrawWindow(window, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}
