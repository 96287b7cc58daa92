// velindra_bench_driver.exe: measures Velindra against the bare program and
// the same-windows program from outside, as a user would see it:
// scripts/bench runs it under Wine.
//   velindra_bench_driver table <velindra.exe> <bare.exe> <same.exe> [rounds]
//   velindra_bench_driver long <velindra.exe> <velindra_bench_probe.dll>
// Paths are Windows paths. Velindra's settings key of this prefix is
// rewritten before every start.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "tools/bench/driver/Clock.h"
#include "tools/bench/driver/LongRun.h"
#include "tools/bench/driver/Table.h"

int main(int argc, char** argv)
{
    std::setvbuf(stdout, nullptr, _IOLBF, 4096);
    double start = NowMs();
    SYSTEMTIME today{};
    ::GetLocalTime(&today);
    std::printf("date seen by the programs: %04u-%02u-%02u %02u:%02u\n", today.wYear, today.wMonth,
                today.wDay, today.wHour, today.wMinute);
    int status = 2;
    if (argc >= 5 && std::strcmp(argv[1], "table") == 0) {
        int rounds = argc >= 6 ? std::atoi(argv[5]) : 20;
        const VelindraTarget velindra(argv[2]);
        const BareTarget bare(argv[3]);
        const SameTarget same(argv[4]);
        status = RunTable({&velindra, &bare, &same}, rounds > 0 ? rounds : 20);
    } else if (argc == 4 && std::strcmp(argv[1], "long") == 0) {
        status = RunLong(VelindraTarget(argv[2]), argv[3]);
    } else {
        std::fprintf(stderr,
                     "usage: %s table <velindra.exe> <bare.exe> <same.exe> [rounds]\n"
                     "       %s long <velindra.exe> <probe.dll>\n",
                     argv[0], argv[0]);
        return 2;
    }
    std::printf("driver time: %.1f s\n", (NowMs() - start) / 1000.0);
    return status;
}
