#include "tools/bench/driver/LongRun.h"

#include <cstdio>
#include <functional>

#include "res/resource.h"
#include "tools/bench/driver/Clock.h"
#include "tools/bench/driver/LinuxProcess.h"
#include "tools/bench/driver/Probe.h"
#include "tools/bench/driver/Program.h"
#include "tools/bench/driver/Settings.h"
#include "tools/bench/driver/Stats.h"
#include "tools/bench/driver/Windows.h"

namespace {

constexpr DWORD kSettleMs = 300;
// Operations done before a phase's first count, so that what is made once
// (a class, a cache) is not taken for growth.
constexpr int kWarmUp = 10;
constexpr int kPageOrder[4] = {1, 2, 3, 0};

struct Snapshot {
    LinuxMemory memory;
    long gdi = -1, menus = -1, icons = -1, handles = -1;
    int windows = 0;
};

struct Session {
    const VelindraTarget& target;
    DWORD pid;
    long linuxPid;
    HWND main;
    const ObjectProbe& probe;
};

Snapshot Take(const Session& session)
{
    ::Sleep(kSettleMs);
    Snapshot snapshot;
    snapshot.memory = ReadLinuxMemory(session.linuxPid);
    snapshot.gdi = session.probe.Count(ProbeDrawingObjects);
    snapshot.menus = session.probe.Count(ProbeMenus);
    snapshot.icons = session.probe.Count(ProbeIcons);
    snapshot.handles = session.probe.Count(ProbeKernelHandles);
    snapshot.windows = CountWindows(session.pid);
    return snapshot;
}

void PrintHeader()
{
    std::printf("%-34s %9s %9s %6s %6s %6s %8s %8s\n", "", "RssAnon", "VmRSS", "GDI", "menus",
                "icons", "handles", "windows");
}

void PrintSnapshot(const char* label, const Snapshot& s)
{
    std::printf("%-34s %8.2fM %8.2fM %6ld %6ld %6ld %8ld %8d\n", label, s.memory.rssAnonKb / 1024.0,
                s.memory.vmRssKb / 1024.0, s.gdi, s.menus, s.icons, s.handles, s.windows);
}

void PrintGrowth(const Snapshot& before, const Snapshot& after)
{
    std::printf("%-34s %+8.2fM %+8.2fM %+6ld %+6ld %+6ld %+8ld %+8d\n", "  growth",
                (after.memory.rssAnonKb - before.memory.rssAnonKb) / 1024.0,
                (after.memory.vmRssKb - before.memory.vmRssKb) / 1024.0, after.gdi - before.gdi,
                after.menus - before.menus, after.icons - before.icons,
                after.handles - before.handles, after.windows - before.windows);
}

// Runs the operation kWarmUp times, counts, runs it `count` times, counts.
// An operation answers its time in ms, or -1 when it did not happen.
void Phase(const Session& session, const char* name, int count,
           const std::function<double(int)>& operation)
{
    for (int i = 0; i < kWarmUp; ++i)
        operation(i);
    Snapshot before = Take(session);
    Series times;
    int failed = 0;
    double start = NowMs();
    for (int i = 0; i < count; ++i) {
        double taken = operation(i);
        if (taken < 0)
            ++failed;
        else
            times.Add(taken);
    }
    double seconds = (NowMs() - start) / 1000.0;
    Snapshot after = Take(session);
    char label[80];
    std::snprintf(label, sizeof(label), "before %d %s", count, name);
    PrintSnapshot(label, before);
    std::snprintf(label, sizeof(label), "after (%.1f s, median %.1f ms)", seconds, times.Median());
    PrintSnapshot(label, after);
    PrintGrowth(before, after);
    if (failed)
        std::printf("  %d of the %d operations did not happen\n", failed, count);
    std::fflush(stdout);
}

double HalfYearWithSteps(const Session& session)
{
    double start = NowMs();
    HWND dialog = nullptr;
    OpenHalfYear(session.target, session.pid, session.main, &dialog);
    if (!dialog)
        return -1;
    bool stepped = true;
    for (int id : {IDC_HALF_NEXT, IDC_HALF_PREVIOUS}) {
        HWND button = ::GetDlgItem(dialog, id);
        stepped = stepped && button;
        ::SendMessageA(button, BM_CLICK, 0, 0);
        PaintNow(dialog);
    }
    double taken = NowMs() - start;
    return CloseDialog(dialog) && stepped ? taken : -1;
}

// The Options page's language list holds "english" and "test".
double SwitchLanguage(const Session& session, int i)
{
    HWND combo = FindDescendant(session.main, IDC_OPT_LANGUAGE);
    if (!combo)
        return -1;
    const wchar_t* wanted = i % 2 == 0 ? L"test" : L"english";
    LRESULT index = ::SendMessageW(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                   reinterpret_cast<LPARAM>(wanted));
    if (index == CB_ERR)
        return -1;
    double start = NowMs();
    ::SendMessageA(combo, CB_SETCURSEL, index, 0);
    ::SendMessageA(::GetParent(combo), WM_COMMAND, MAKEWPARAM(IDC_OPT_LANGUAGE, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(combo));
    PaintNow(session.main);
    double taken = NowMs() - start;
    return ReadVelindraLanguage() == (i % 2 == 0 ? "test" : "english") ? taken : -1;
}

// Hide, then a left click on the notification icon as the shell reports it.
double HideAndShow(const Session& session)
{
    HWND main = session.main;
    double start = NowMs();
    ::SendMessageA(::GetDlgItem(main, IDC_MAIN_HIDE), BM_CLICK, 0, 0);
    if (!WaitFor([&] { return !::IsWindowVisible(main); }))
        return -1;
    ::SendMessageA(main, WM_TRAYNOTIFY, 0, WM_LBUTTONDOWN);
    PaintNow(main);
    double taken = NowMs() - start;
    return ::IsWindowVisible(main) ? taken : -1;
}

// The program writes english.lng beside itself on its first run; a copy of it
// is the second language.
bool RunOnceForLanguageFiles(const VelindraTarget& velindra)
{
    {
        Program program(velindra.Exe(), velindra.PrepareStart(true));
        HWND main = WaitForMainWindow(velindra, program.Pid(), true);
        if (!main || !Answers(main) || !program.EndWith(main, velindra.ExitCommand()))
            return false;
    }
    std::string folder = FolderOf(velindra.Exe());
    return ::CopyFileA((folder + "english.lng").c_str(), (folder + "test.lng").c_str(), FALSE) !=
           FALSE;
}

} // namespace

int RunLong(const VelindraTarget& velindra, const std::string& probeDll)
{
    std::printf("load average before: %s\n", LoadAverage().c_str());
    if (!RunOnceForLanguageFiles(velindra)) {
        std::printf("could not prepare the second language file\n");
        return 1;
    }
    Program program(velindra.Exe(), velindra.PrepareStart(true));
    HWND main = WaitForMainWindow(velindra, program.Pid(), true);
    if (!main || !Answers(main)) {
        std::printf("Velindra did not start\n");
        return 1;
    }
    ObjectProbe probe(program.Handle(), probeDll);
    if (!probe.Ready())
        std::printf("the probe could not be loaded: object counts are -1\n");
    Session session{velindra, program.Pid(), FindLinuxPid(velindra.Exe()), main, probe};
    PrintHeader();
    PrintSnapshot("after start", Take(session));
    std::fflush(stdout);

    Phase(session, "page switches", 500,
          [&](int i) { return velindra.SwitchPage(main, kPageOrder[i % 4]); });
    Phase(session, "half-year openings", 200, [&](int) { return HalfYearWithSteps(session); });
    velindra.SwitchPage(main, 2); // Options
    Phase(session, "language switches", 200, [&](int i) { return SwitchLanguage(session, i); });
    Phase(session, "hide/show cycles", 200, [&](int) { return HideAndShow(session); });

    PrintSnapshot("at the end", Take(session));
    std::printf("load average after: %s\n", LoadAverage().c_str());
    return program.EndWith(main, velindra.ExitCommand()) ? 0 : 1;
}
