// SPDX-License-Identifier: GPL-3.0-or-later
// The CSV export of a truss of 10^5 bars with its results: the text alone, and the text written
// to a file in the temporary folder (with the flush to disk and the rename of a safe write).

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "core/analiza.h"
#include "files/eksport.h"
#include "tests/wspolne/kratownice.h"

namespace {

// 25000 bays: 100001 bars, 50002 nodes.
constexpr int przesla = 25000;

const Model& most() {
    static const Model m = [] {
        Model w;
        pratt(w, przesla, 3.0f, 4.0f, 10);
        obliczenia(w);
        return w;
    }();
    return m;
}

void BM_TekstCsv(benchmark::State& state) {
    const Model& m = most();
    if (m.obliczono != 1) state.SkipWithError("obliczenia nie powiodły się");
    const auto d = static_cast<DialektCsv>(state.range(0));
    std::size_t bajty = 0;
    for (auto _ : state) {
        const std::string t = tekst_csv(m, true, d, UkladJednostek::kN_cm);
        bajty = t.size();
        benchmark::DoNotOptimize(t.data());
    }
    state.counters["prety"] = m.ne;
    state.counters["bajty"] = static_cast<double>(bajty);
}
BENCHMARK(BM_TekstCsv)->Arg(0)->Arg(1)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_ZapisCsv(benchmark::State& state) {
    const Model& m = most();
    if (m.obliczono != 1) state.SkipWithError("obliczenia nie powiodły się");
    const std::string sciezka = (std::filesystem::temp_directory_path() /
                                 ("velkora_bench_" + std::to_string(::getpid()) + ".csv"))
                                    .string();
    std::string powod;
    for (auto _ : state) {
        if (!zapisz_csv(sciezka, tekst_csv(m, true, DialektCsv::arkusz, UkladJednostek::kN_cm),
                        powod)) {
            state.SkipWithError(powod.c_str());
            break;
        }
    }
    std::filesystem::remove(sciezka);
    state.counters["prety"] = m.ne;
}
BENCHMARK(BM_ZapisCsv)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
