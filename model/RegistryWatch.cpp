#include "model/RegistryWatch.h"

#include <utility>

RegistryWatch::RegistryWatch(HKEY root)
    : watched_(root), changed_(::CreateEventW(nullptr, TRUE, TRUE, nullptr))
{
}

bool RegistryWatch::Changed()
{
    if (root_ && ::WaitForSingleObject(changed_.Get(), 0) == WAIT_TIMEOUT)
        return false;
    Watch();
    return true;
}

void RegistryWatch::Watch()
{
    root_ = RegKey();
    HKEY root = nullptr;
    if (!changed_.IsValid() || !::ResetEvent(changed_.Get()) ||
        ::RegOpenKeyExW(watched_, nullptr, 0, KEY_NOTIFY, &root) != ERROR_SUCCESS)
        return;
    RegKey key(root);
    constexpr DWORD kChanges = REG_NOTIFY_CHANGE_NAME | REG_NOTIFY_CHANGE_LAST_SET;
    // Should the thread that set it end, the system signals the event: the
    // next call reads again.
    if (::RegNotifyChangeKeyValue(root, TRUE, kChanges, changed_.Get(), TRUE) == ERROR_SUCCESS)
        root_ = std::move(key);
}
