// Writing and reading a .V2D project of a million bars. The write includes the flush to disk and
// the rename that make a save safe; the file lives in the temporary folder.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "core/model.h"
#include "files/v2d.h"
#include "tests/wspolne/kratownice.h"

namespace {

// 250000 bays: 1000001 bars, 500002 nodes.
constexpr int przesla = 250000;

std::string sciezka_pliku() {
    return (std::filesystem::temp_directory_path() /
            ("velkora_bench_" + std::to_string(::getpid()) + ".V2D"))
        .string();
}

std::int64_t bajty_pliku(const Konstrukcja& k) {
    return dlugosc_v2d(k.ne, k.nn, k.nd, k.nl, k.nm, k.na, k.ntel);
}

void liczniki(benchmark::State& state, const Konstrukcja& k) {
    state.SetBytesProcessed(state.iterations() * bajty_pliku(k));
    state.counters["prety"] = k.ne;
    state.counters["bajty"] = static_cast<double>(bajty_pliku(k));
}

void BM_Zapis(benchmark::State& state) {
    Model m;
    pratt(m, przesla);
    const std::string sciezka = sciezka_pliku();
    std::string powod;
    for (auto _ : state) {
        if (!zapisz_v2d(sciezka, m, powod)) {
            state.SkipWithError(powod.c_str());
            break;
        }
    }
    std::filesystem::remove(sciezka);
    liczniki(state, m);
}
BENCHMARK(BM_Zapis)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_Odczyt(benchmark::State& state) {
    Model m;
    pratt(m, przesla);
    const std::string sciezka = sciezka_pliku();
    std::string powod;
    if (!zapisz_v2d(sciezka, m, powod)) {
        state.SkipWithError(powod.c_str());
        return;
    }
    Konstrukcja k;
    for (auto _ : state) {
        if (!czytaj_v2d(sciezka, k, powod)) {
            state.SkipWithError(powod.c_str());
            break;
        }
    }
    std::filesystem::remove(sciezka);
    if (k.ne != m.ne) state.SkipWithError("odczytano inną liczbę prętów");
    liczniki(state, m);
}
BENCHMARK(BM_Odczyt)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
