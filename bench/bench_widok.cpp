// SPDX-License-Identifier: GPL-3.0-or-later
// Painting the main view of a lattice with its results: 10^3 supports, 10^3 forces and 10^4 to
// 10^6 bars, stress colours on, numbering off or as the window starts. On a surface that draws
// nothing (the view's own cost) and, where Qt is built, into a 1920x1080 image through the
// QPainter adapter.

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

#include "okno/okno.h"
#include "tests/wspolne/cichy_port.h"
#include "tests/wspolne/kratownice.h"

#ifdef VELKORA_BENCH_QT
#include <QImage>
#include <QPainter>

#include "qt/powierzchnia_qt.h"
#endif

namespace {

constexpr int W = 1920, H = 1080;

// A lattice 499 cells wide (500 nodes a row: 1000 support entries, 1000 forces) and as many rows
// as give about `prety` bars, with results made up rather than solved: a band of the size would
// not fit in memory at 10^6 bars, and the view reads only the numbers.
std::unique_ptr<_OKNO_> okno(CichyPort& port, int prety, bool numery) {
    auto o = std::make_unique<_OKNO_>(port);
    const int wiersze = std::max(1, static_cast<int>(std::lround((prety - 499) / 1498.0)));
    Model& m = o->model;
    krata(m, 499, wiersze);
    for (int i = 1; i <= m.nq; ++i) m.f[i] = 1e-3f * std::sin(0.001f * static_cast<float>(i));
    for (int b = 1; b <= m.ne; ++b) m.stressp[b] = 100.0f * std::cos(0.01f * static_cast<float>(b));
    m.obliczono = 1;
    m.p_napr = 1;
    m.p_przem = 1;
    m.p_n_ele = numery ? 1 : 0;
    m.p_n_wezl = numery ? 1 : 0;
    return o;
}

void liczniki(benchmark::State& state, const Model& m) {
    state.counters["prety"] = m.ne;
    state.counters["ns_na_pret"] = benchmark::Counter(
        static_cast<double>(m.ne),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_WidokBezRysowania(benchmark::State& state) {
    CichyPort port;
    auto o = okno(port, static_cast<int>(state.range(0)), state.range(1) != 0);
    PustaPowierzchnia dc;
    for (auto _ : state) o->Paint(dc, W, H);
    liczniki(state, o->model);
}
BENCHMARK(BM_WidokBezRysowania)
    ->ArgsProduct({{10000, 100000, 1000000}, {0, 1}})
    ->ArgNames({"prety", "numery"})
    ->Unit(benchmark::kMillisecond);

#ifdef VELKORA_BENCH_QT
void BM_WidokWObrazie(benchmark::State& state) {
    CichyPort port;
    auto o = okno(port, static_cast<int>(state.range(0)), state.range(1) != 0);
    QImage obraz(W, H, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter p(&obraz);
        PowierzchniaQt dc(p);
        o->Paint(dc, W, H);
    }
    liczniki(state, o->model);
}
BENCHMARK(BM_WidokWObrazie)
    ->ArgsProduct({{10000, 100000, 1000000}, {0, 1}})
    ->ArgNames({"prety", "numery"})
    ->Unit(benchmark::kMillisecond);
#endif

}  // namespace
