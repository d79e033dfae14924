// SPDX-License-Identifier: GPL-3.0-or-later
// Several load cases with one factor: the analysis of 10 cases against that of one, on the Pratt
// truss of 10^5 bars and on the lattice of 500 x 500 cells. Each extra case costs a right-hand
// side, a solution with the factor held, and the equilibrium check.
#include <benchmark/benchmark.h>

#include "core/analiza.h"
#include "tests/wspolne/kratownice.h"

namespace {

enum class Uklad { pratt, krata };

void buduj(Model& m, Uklad u) {
    if (u == Uklad::pratt)
        pratt(m, 25000);  // 100001 bars
    else
        krata(m, 500, 500);
}

// The store's loads and `ile - 1` more cases, each with a force on every seventh node, of its own
// size and direction, and the first of them with a settlement of the first support.
ZadaniePrzypadkow zadanie(const Model& m, int ile) {
    ZadaniePrzypadkow z;
    z.obciazenia.push_back(obciazenia_magazynu(m));
    for (int c = 1; c < ile; ++c) {
        ObciazeniaPrzypadku o;
        for (int n = c; n <= m.nn; n += 7) {
            o.ild.push_back(2 * n - (c % 2));
            o.al.push_back(static_cast<float>(c) * (n % 3 == 0 ? -1.0f : 0.5f));
        }
        if (c == 1 && m.nd > 0) o.dof_wymuszen = {m.nu[1]}, o.wymuszenia = {-0.001f};
        z.obciazenia.push_back(std::move(o));
    }
    z.ciezar.assign(static_cast<std::size_t>(ile), 0.0);
    return z;
}

void BM_Przypadki(benchmark::State& state, Uklad u) {
    Model m;
    buduj(m, u);
    const int ile = static_cast<int>(state.range(0));
    const ZadaniePrzypadkow z = zadanie(m, ile);
    for (auto _ : state) {
        if (!obliczenia(m, Rozwiazanie::samo, &z).sukces()) {
            state.SkipWithError("analiza nie powiodła się");
            break;
        }
    }
    state.counters["prety"] = m.ne;
    state.counters["przypadki"] = ile;
}

}  // namespace

BENCHMARK_CAPTURE(BM_Przypadki, pratt_1e5, Uklad::pratt)
    ->Arg(1)
    ->Arg(10)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Przypadki, krata_500x500, Uklad::krata)
    ->Arg(1)
    ->Arg(10)
    ->Iterations(2)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
