#pragma once
// Counts of what a running program holds, asked of velindra_bench_probe.dll
// inside it: the driver loads the DLL into the program with a remote thread
// running LoadLibraryA, then runs the DLL's CountObjects in another remote
// thread whose exit code is the count.
#include <windows.h>

#include <string>

#include "tools/bench/probe/ProbeKinds.h"

class ObjectProbe {
public:
    // dll is the probe's Windows path; the process handle needs all access.
    ObjectProbe(HANDLE process, const std::string& dll);
    bool Ready() const { return remoteCount_ != nullptr; }
    // The count, or -1 when it could not be asked.
    long Count(ProbeKind kind) const;

private:
    DWORD RunRemote(LPTHREAD_START_ROUTINE routine, void* parameter) const;

    HANDLE process_;
    LPTHREAD_START_ROUTINE remoteCount_ = nullptr;
};
