#pragma once
// A kernel handle that closes itself, with the function that closes its kind
// (CloseHandle for files, mutexes and processes, FindClose for file searches).
#include <windows.h>

#include <utility>

namespace fw {

template <BOOL(WINAPI* Close)(HANDLE)> class ScopedHandle {
public:
    explicit ScopedHandle(HANDLE handle = INVALID_HANDLE_VALUE) : handle_(handle) {}
    ~ScopedHandle()
    {
        if (IsValid())
            Close(handle_);
    }
    ScopedHandle(const ScopedHandle&) = delete;
    ScopedHandle& operator=(const ScopedHandle&) = delete;

    // Both "no handle" values of the API count as none.
    bool IsValid() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
    HANDLE Get() const { return handle_; }

private:
    HANDLE handle_;
};

using KernelHandle = ScopedHandle<::CloseHandle>; // files, mutexes, processes
using FindHandle = ScopedHandle<::FindClose>;

} // namespace fw
