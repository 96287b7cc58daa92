#include "tools/bench/driver/Probe.h"

#include <psapi.h>

namespace {

// The load address of the module in the process, by its file name.
HMODULE RemoteModule(HANDLE process, const char* name)
{
    HMODULE modules[512];
    DWORD needed = 0;
    if (!::K32EnumProcessModules(process, modules, sizeof(modules), &needed))
        return nullptr;
    for (DWORD i = 0; i < needed / sizeof(HMODULE) && i < 512; ++i) {
        char base[MAX_PATH] = "";
        ::K32GetModuleBaseNameA(process, modules[i], base, sizeof(base));
        if (::lstrcmpiA(base, name) == 0)
            return modules[i];
    }
    return nullptr;
}

} // namespace

ObjectProbe::ObjectProbe(HANDLE process, const std::string& dll) : process_(process)
{
    HMODULE local = ::LoadLibraryA(dll.c_str());
    FARPROC localCount = local ? ::GetProcAddress(local, "CountObjects") : nullptr;
    if (!localCount)
        return;
    // Kernel32 lies at the same address in every process of the session.
    auto loadLibrary = reinterpret_cast<LPTHREAD_START_ROUTINE>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("kernel32"), "LoadLibraryA")));
    void* remotePath = ::VirtualAllocEx(process_, nullptr, dll.size() + 1, MEM_COMMIT | MEM_RESERVE,
                                        PAGE_READWRITE);
    if (!remotePath)
        return;
    SIZE_T written = 0;
    if (::WriteProcessMemory(process_, remotePath, dll.c_str(), dll.size() + 1, &written))
        RunRemote(loadLibrary, remotePath);
    ::VirtualFreeEx(process_, remotePath, 0, MEM_RELEASE);
    size_t slash = dll.find_last_of("\\/");
    HMODULE remote =
        RemoteModule(process_, dll.c_str() + (slash == std::string::npos ? 0 : slash + 1));
    if (!remote)
        return;
    UINT_PTR offset = reinterpret_cast<UINT_PTR>(reinterpret_cast<void*>(localCount)) -
                      reinterpret_cast<UINT_PTR>(local);
    remoteCount_ =
        reinterpret_cast<LPTHREAD_START_ROUTINE>(reinterpret_cast<UINT_PTR>(remote) + offset);
}

DWORD ObjectProbe::RunRemote(LPTHREAD_START_ROUTINE routine, void* parameter) const
{
    HANDLE thread = ::CreateRemoteThread(process_, nullptr, 0, routine, parameter, 0, nullptr);
    if (!thread)
        return kProbeFailed;
    DWORD code = kProbeFailed;
    if (::WaitForSingleObject(thread, 30000) == WAIT_OBJECT_0)
        ::GetExitCodeThread(thread, &code);
    ::CloseHandle(thread);
    return code;
}

long ObjectProbe::Count(ProbeKind kind) const
{
    if (!Ready())
        return -1;
    DWORD count = RunRemote(remoteCount_, reinterpret_cast<void*>(static_cast<UINT_PTR>(kind)));
    return count == kProbeFailed ? -1 : static_cast<long>(count);
}
