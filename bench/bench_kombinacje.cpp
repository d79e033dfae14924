// SPDX-License-Identifier: GPL-3.0-or-later
// Envelopes over the load combinations: 10^5 bars, 10 load cases, 50 combinations; and the
// generation of the combinations themselves.

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "design/kombinacje.h"

namespace {

constexpr std::size_t prety = 100000, przypadki = 10, kombinacji = 50;

// Results of every case, and 50 ULS combinations of two permanent and eight variable cases with
// some factors zero, as generated ones have.
struct Dane {
    std::vector<double> N;
    std::vector<Kombinacja> k;
};

const Dane& dane() {
    static const Dane d = [] {
        Dane d;
        std::mt19937 g(7);
        std::uniform_real_distribution<double> sila(-500e3, 500e3);
        d.N.resize(przypadki * prety);
        for (double& v : d.N) v = sila(g);
        for (std::size_t c = 0; c < kombinacji; ++c) {
            std::vector<double> w(przypadki, 0.0);
            w[0] = c % 2 ? 1.35 : 1.0;
            w[1] = c % 4 < 2 ? 1.35 : 1.0;
            for (std::size_t p = 2; p < przypadki; ++p)
                w[p] = (c + p) % 3 == 0 ? 1.5 : (c + p) % 3 == 1 ? 0.9 : 0.0;
            d.k.push_back({"SGN", RodzajKombinacji::sgn, w, ""});
        }
        return d;
    }();
    return d;
}

void BM_ObwiedniaSil(benchmark::State& state) {
    const Dane& d = dane();
    for (auto _ : state) {
        const Obwiednia o = obwiednia(d.N, prety, d.k, maska(RodzajKombinacji::sgn));
        benchmark::DoNotOptimize(o.max.data());
    }
    state.counters["prety"] = prety;
    state.counters["kombinacje"] = kombinacji;
}
BENCHMARK(BM_ObwiedniaSil)->Unit(benchmark::kMillisecond);

void BM_ObwiedniaPrzemieszczen(benchmark::State& state) {
    const Dane& d = dane();
    for (auto _ : state) {
        const ObwiedniaPrzemieszczen o =
            obwiednia_przemieszczen(d.N, d.N, prety, d.k, maska(RodzajKombinacji::sgn));
        benchmark::DoNotOptimize(o.u_max.data());
    }
    state.counters["wezly"] = prety;
}
BENCHMARK(BM_ObwiedniaPrzemieszczen)->Unit(benchmark::kMillisecond);

// Three permanent cases, snow, four wind directions in one group, two imposed loads in another.
void BM_GenerujKombinacje(benchmark::State& state) {
    std::vector<OpisPrzypadku> p;
    for (const char* n : {"G1", "G2", "G3"}) p.push_back({n, RodzajPrzypadku::stale, {}, ""});
    p.push_back({"S", RodzajPrzypadku::zmienne, psi_z_tablicy(Kategoria::snieg_do_1000), ""});
    for (const char* n : {"W1", "W2", "W3", "W4"})
        p.push_back({n, RodzajPrzypadku::zmienne, psi_z_tablicy(Kategoria::wiatr), "w"});
    for (const char* n : {"Q1", "Q2"})
        p.push_back({n, RodzajPrzypadku::zmienne, psi_z_tablicy(Kategoria::B), "q"});
    std::size_t ile = 0;
    for (auto _ : state) {
        const auto k = generuj_kombinacje(p, {});
        ile = k.size();
        benchmark::DoNotOptimize(k.data());
    }
    state.counters["kombinacje"] = static_cast<double>(ile);
}
BENCHMARK(BM_GenerujKombinacje)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
