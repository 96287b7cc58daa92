#include <gtest/gtest.h>
#include <cstdio>
#include "tests/app/MainWindowHost.h"
using namespace main_window_testing;
namespace {
using Dbg = MainWindowEnvironment;
double Now() { LARGE_INTEGER f, c; QueryPerformanceFrequency(&f); QueryPerformanceCounter(&c); return 1000.0 * c.QuadPart / f.QuadPart; }
TEST_F(Dbg, X) {
    StoreSampleCycle();
    CreateMain(); main->ShowMainWindow(0); PumpLikeTheProgram();
    double total[4] = {}, act[4] = {}, paint[4] = {}, sel[4] = {};
    for (int i = 0; i < 200; ++i) {
        int page = (i + 1) % 4;
        double t0 = Now();
        main->Navigation().SetCurSel(page);
        double ta = Now();
        main->Sheet().SetActivePage(page);
        double t1 = Now();
        sel[page] += ta - t0;
        ::RedrawWindow(main->m_hWnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        double t2 = Now();
        act[page] += t1 - t0; paint[page] += t2 - t1; total[page] += t2 - t0;
    }
    for (int p = 0; p < 4; ++p) fprintf(stderr, "page %d: select %.2f activate %.2f ms paint %.2f ms\n", p, sel[p]/50, act[p] / 50, paint[p] / 50);
    double t0 = Now();
    for (int i = 0; i < 50; ++i) main->Monitor().Calendar().Refresh();
    fprintf(stderr, "calendar refresh %.2f ms\n", (Now() - t0) / 50);
    t0 = Now();
    for (int i = 0; i < 50; ++i) { main->Monitor().Calendar().Invalidate(); main->Monitor().Calendar().UpdateWindow(); }
    fprintf(stderr, "calendar paint %.2f ms\n", (Now() - t0) / 50);
    t0 = Now();
    for (int i = 0; i < 50; ++i) { ::InvalidateRect(main->Navigation().m_hWnd, nullptr, TRUE); ::UpdateWindow(main->Navigation().m_hWnd); }
    fprintf(stderr, "navigation paint %.2f ms\n", (Now() - t0) / 50);
    t0 = Now();
    for (int i = 0; i < 50; ++i) { ::RedrawWindow(main->m_hWnd, nullptr, nullptr, RDW_INVALIDATE|RDW_ERASE|RDW_UPDATENOW | RDW_ALLCHILDREN); }
    fprintf(stderr, "whole main paint %.2f ms\n", (Now() - t0) / 50);
}
}
