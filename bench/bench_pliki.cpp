// SPDX-License-Identifier: GPL-3.0-or-later
// Writing and reading a project of a million bars, as .V2D and in the project format (with three
// load cases). The write includes the flush to disk and the rename that make a save safe; the
// file lives in the temporary folder.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "core/model.h"
#include "files/v2d.h"
#include "files/v2dp.h"
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

// The Pratt truss with two more cases: each with a force on every tenth node.
Projekt trzy_przypadki(const Konstrukcja& k) {
    Projekt p;
    for (int c = 2; c <= 3; ++c) {
        PrzypadekObciazen z = Projekt::nowy_przypadek(c);
        z.zmienny = true, z.kategoria = 9, z.psi0 = 0.5, z.psi1 = 0.2;
        for (int n = 1; n <= k.nn; n += 10) z.obc.ild.push_back(2 * n), z.obc.al.push_back(-1.5f);
        p.przypadki.push_back(std::move(z));
    }
    p.ciezar = {78.5f};
    return p;
}

void liczniki_projektu(benchmark::State& state, const Konstrukcja& k, std::size_t bajty) {
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bajty));
    state.counters["prety"] = k.ne;
    state.counters["bajty"] = static_cast<double>(bajty);
}

void BM_ZapisProjektu(benchmark::State& state) {
    Model m;
    pratt(m, przesla);
    const Projekt p = trzy_przypadki(m);
    const std::string sciezka = sciezka_pliku() + "p";
    std::string powod;
    for (auto _ : state) {
        if (!zapisz_projekt(sciezka, {m, p, UkladJednostek::kN_m, {}}, powod)) {
            state.SkipWithError(powod.c_str());
            break;
        }
    }
    liczniki_projektu(state, m, std::filesystem::file_size(sciezka));
    std::filesystem::remove(sciezka);
}
BENCHMARK(BM_ZapisProjektu)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_OdczytProjektu(benchmark::State& state) {
    Model m;
    pratt(m, przesla);
    const Projekt p = trzy_przypadki(m);
    const std::string sciezka = sciezka_pliku() + "p";
    std::string powod;
    if (!zapisz_projekt(sciezka, {m, p, UkladJednostek::kN_m, {}}, powod)) {
        state.SkipWithError(powod.c_str());
        return;
    }
    ZawartoscProjektu z;
    for (auto _ : state) {
        if (!czytaj_projekt(sciezka, z, powod)) {
            state.SkipWithError(powod.c_str());
            break;
        }
    }
    if (z.k.ne != m.ne || z.p.przypadki.size() != 3) state.SkipWithError("odczytano inny projekt");
    liczniki_projektu(state, m, std::filesystem::file_size(sciezka));
    std::filesystem::remove(sciezka);
}
BENCHMARK(BM_OdczytProjektu)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
