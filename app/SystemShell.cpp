#include "app/SystemShell.h"

#include <string>

#include "framework/TextCodec.h"

void SystemShell::Open(HWND owner, const char* target)
{
    if (!target || !*target)
        return;
    const std::wstring file = fw::Wide(target);
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_FLAG_NO_UI;
    info.hwnd = owner;
    info.lpVerb = L"open";
    info.lpFile = file.c_str();
    info.nShow = SW_SHOW;
    ::ShellExecuteExW(&info);
}

BOOL SystemShell::NotifyIcon(DWORD message, NOTIFYICONDATAW* data)
{
    return ::Shell_NotifyIconW(message, data);
}
