#include "tools/bench/driver/Table.h"

#include <cstdio>
#include <string>
#include <vector>

#include "tools/bench/driver/Clock.h"
#include "tools/bench/driver/LinuxProcess.h"
#include "tools/bench/driver/Program.h"
#include "tools/bench/driver/Stats.h"
#include "tools/bench/driver/Tray.h"
#include "tools/bench/driver/Windows.h"

namespace {

// Time for work the program does after its window answers (and after the
// operations) to end before its memory is read.
constexpr DWORD kSettleMs = 300;
// The page switches of one visible run: through every page and back.
constexpr int kPageOrder[4] = {1, 2, 3, 0};
const char* const kPageNames[4] = {"Monitor", "Scheduler", "Options", "About"};

struct Figures {
    Series visibleStart, hiddenStart, memoryStart, memoryAfter, vmRssStart, vmRssAfter;
    Series pageSwitch, monthStep, monthKeyStep, halfYear;
    Series perPage[4];
};

double Mib(long kb)
{
    return kb / 1024.0;
}

// One visible start with every operation; false when something failed.
bool VisibleRun(const Target& target, Figures* figures)
{
    Program program(target.Exe(), target.PrepareStart(true));
    if (!program.Started())
        return false;
    HWND main = WaitForMainWindow(target, program.Pid(), true);
    if (!main || !Answers(main))
        return false;
    double started = NowMs() - program.StartedAt();
    long linuxPid = FindLinuxPid(target.Exe());
    ::Sleep(kSettleMs);
    LinuxMemory atStart = ReadLinuxMemory(linuxPid);
    double pages[4];
    double pageSum = 0;
    for (int page : kPageOrder)
        pageSum += pages[page] = target.SwitchPage(main, page);
    double month = target.StepMonth(main);
    double monthByKey = target.StepMonthByKey(main);
    HWND dialog = nullptr;
    double halfYear = OpenHalfYear(target, program.Pid(), main, &dialog);
    if (month < 0 || monthByKey < 0 || !dialog || !CloseDialog(dialog))
        return false;
    ::Sleep(kSettleMs);
    LinuxMemory after = ReadLinuxMemory(linuxPid);
    if (!program.EndWith(main, target.ExitCommand()))
        return false;
    if (!figures)
        return true;
    figures->visibleStart.Add(started);
    figures->pageSwitch.Add(pageSum / 4);
    for (int page = 0; page < 4; ++page)
        figures->perPage[page].Add(pages[page]);
    figures->monthStep.Add(month);
    figures->monthKeyStep.Add(monthByKey);
    figures->halfYear.Add(halfYear);
    if (atStart.Known() && after.Known()) {
        figures->memoryStart.Add(Mib(atStart.rssAnonKb));
        figures->memoryAfter.Add(Mib(after.rssAnonKb));
        figures->vmRssStart.Add(Mib(atStart.vmRssKb));
        figures->vmRssAfter.Add(Mib(after.vmRssKb));
    }
    return true;
}

// One hidden start, until the notification icon exists.
bool HiddenRun(const Target& target, Figures* figures)
{
    int iconsBefore = TrayIconCount();
    Program program(target.Exe(), target.PrepareStart(false));
    if (!program.Started() || !WaitFor([&] { return TrayIconCount() > iconsBefore; }))
        return false;
    double started = NowMs() - program.StartedAt();
    HWND main = WaitForMainWindow(target, program.Pid(), false);
    if (!program.EndWith(main, target.ExitCommand()))
        return false;
    WaitFor([&] { return TrayIconCount() <= iconsBefore; });
    if (figures)
        figures->hiddenStart.Add(started);
    return true;
}

bool Round(const Target& target, Figures* figures)
{
    bool visible = VisibleRun(target, figures);
    if (!visible)
        std::printf("  %s: a visible run failed\n", target.Name().c_str());
    bool hidden = HiddenRun(target, figures);
    if (!hidden)
        std::printf("  %s: a hidden run failed\n", target.Name().c_str());
    return visible && hidden;
}

void PrintSeries(const Series& series)
{
    if (series.Empty())
        std::printf("  %20s", "-");
    else
        std::printf("  %6.1f %6.1f %6.1f", series.Min(), series.Median(), series.Max());
}

void PrintRatio(double first, double second)
{
    if (second > 0)
        std::printf("  %5.2fx", first / second);
    else
        std::printf("  %6s", "-");
}

// One figure of every program, then the first program's against each of the
// others: the ratio of the medians is the figure; the ratio of the minima
// shows what is left when the machine's load is least in the way.
void PrintRow(const char* label, const std::vector<const Series*>& series, const char* target)
{
    std::printf("%-44s", label);
    for (const Series* one : series)
        PrintSeries(*one);
    const Series& first = *series.front();
    for (size_t i = 1; i < series.size(); ++i) {
        bool both = !first.Empty() && !series[i]->Empty();
        PrintRatio(both ? first.Median() : 0, both ? series[i]->Median() : 0);
        PrintRatio(both ? first.Min() : 0, both ? series[i]->Min() : 0);
    }
    std::printf("  %s\n", target);
}

// The series of one figure (a member of Figures) of every program.
std::vector<const Series*> Column(const std::vector<Figures>& figures, Series Figures::*figure)
{
    std::vector<const Series*> column;
    for (const Figures& one : figures)
        column.push_back(&(one.*figure));
    return column;
}

void PrintHeader(const std::vector<const Target*>& targets)
{
    std::printf("\n%-44s", "figure (min median max)");
    for (const Target* target : targets)
        std::printf("  %-20s", target->Name().c_str());
    for (size_t i = 1; i < targets.size(); ++i) {
        std::string ratio = "x " + targets[i]->Name();
        std::printf("  %7s  %5s", ratio.c_str(), "(min)");
    }
    std::printf("  target (x %s)\n", targets.size() > 1 ? targets[1]->Name().c_str() : "");
}

void PrintTable(const std::vector<const Target*>& targets, const std::vector<Figures>& f)
{
    PrintHeader(targets);
    PrintRow("start until visible and answering, ms", Column(f, &Figures::visibleStart), "<= 1.4x");
    PrintRow("hidden start until the icon exists, ms", Column(f, &Figures::hiddenStart), "<= 1.3x");
    PrintRow("private memory after start, MiB", Column(f, &Figures::memoryStart), "<= 1.5x");
    PrintRow("page switch with repaint, ms", Column(f, &Figures::pageSwitch), "<= 3x");
    PrintRow("half-year dialog open with repaint, ms", Column(f, &Figures::halfYear), "<= 1.3x");
    PrintRow("month step with repaint, ms", Column(f, &Figures::monthStep), "");
    PrintRow("  by key, without a button pressed, ms", Column(f, &Figures::monthKeyStep), "");
    PrintRow("private memory after pages + half-year, MiB", Column(f, &Figures::memoryAfter), "");
    PrintRow("resident memory (VmRSS) after start, MiB", Column(f, &Figures::vmRssStart), "");
    PrintRow("resident memory (VmRSS) after all, MiB", Column(f, &Figures::vmRssAfter), "");
    std::printf("\npage switches, ms (min median max; a program without pages repaints):\n");
    for (int page : kPageOrder) {
        char label[64];
        std::snprintf(label, sizeof(label), "  to %s", kPageNames[page]);
        std::vector<const Series*> column;
        for (const Figures& one : f)
            column.push_back(&one.perPage[page]);
        PrintRow(label, column, "");
    }
}

} // namespace

int RunTable(const std::vector<const Target*>& targets, int rounds)
{
    std::printf("load average before: %s\n", LoadAverage().c_str());
    std::fflush(stdout);
    for (const Target* target : targets) {
        if (!Round(*target, nullptr)) {
            std::printf("the unmeasured first runs failed\n");
            return 1;
        }
    }
    const size_t count = targets.size();
    std::vector<Figures> figures(count);
    int failures = 0;
    for (int round = 0; round < rounds; ++round) {
        // Each program leads in turn.
        for (size_t i = 0; i < count; ++i) {
            size_t which = (static_cast<size_t>(round) + i) % count;
            failures += Round(*targets[which], &figures[which]) ? 0 : 1;
        }
        std::printf("round %d of %d done\n", round + 1, rounds);
        std::fflush(stdout);
    }
    PrintTable(targets, figures);
    std::printf("\nload average after: %s\n", LoadAverage().c_str());
    if (failures)
        std::printf("%d runs failed and are left out\n", failures);
    return failures ? 1 : 0;
}
