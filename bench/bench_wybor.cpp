// SPDX-License-Identifier: GPL-3.0-or-later
// Picking under the mouse on lattices of 10^4 to 10^6 bars fitted to a 1920x1080 view: a mouse
// move (readout, pick, status text) once the grid stands, and building the grid, which happens
// at the first move after each paint.

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <random>
#include <vector>

#include "okno/okno.h"
#include "tests/wspolne/cichy_port.h"
#include "tests/wspolne/kratownice.h"

namespace {

constexpr int W = 1920, H = 1080;

// A lattice 499 cells wide and as many rows as give about `prety` bars, painted once.
std::unique_ptr<_OKNO_> okno(CichyPort& port, int prety) {
    auto o = std::make_unique<_OKNO_>(port);
    const int wiersze = std::max(1, static_cast<int>(std::lround((prety - 499) / 1498.0)));
    krata(o->model, 499, wiersze);
    PustaPowierzchnia dc;
    o->Paint(dc, W, H);
    return o;
}

// Cursor positions spread over the view, the same for every run.
std::vector<std::pair<int, int>> punkty() {
    std::mt19937 los(1);
    std::uniform_int_distribution<int> x(0, W - 1), y(0, H - 1);
    std::vector<std::pair<int, int>> p(4096);
    for (auto& q : p) q = {x(los), y(los)};
    return p;
}

void BM_RuchMyszy(benchmark::State& state) {
    CichyPort port;
    auto o = okno(port, static_cast<int>(state.range(0)));
    const auto p = punkty();
    o->EvMouseMove(p[0].first, p[0].second);  // the grid, once after the paint
    std::size_t i = 0, trafione = 0;
    for (auto _ : state) {
        const auto [x, y] = p[i++ % p.size()];
        o->EvMouseMove(x, y);
        trafione += o->wskazanie.rodzaj != Wskazanie::Rodzaj::nic;
    }
    state.counters["prety"] = o->model.ne;
    state.counters["trafione_%"] =
        100.0 * static_cast<double>(trafione) / static_cast<double>(std::max<std::size_t>(1, i));
}
BENCHMARK(BM_RuchMyszy)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

void BM_BudowaSiatki(benchmark::State& state) {
    CichyPort port;
    auto o = okno(port, static_cast<int>(state.range(0)));
    const Odwzorowanie m = o->odwzorowanie();
    for (auto _ : state) {
        o->siatka.zbuduj(o->model, m, W, H);
        benchmark::ClobberMemory();
    }
    state.counters["prety"] = o->model.ne;
}
BENCHMARK(BM_BudowaSiatki)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
