// SPDX-License-Identifier: GPL-3.0-or-later
// Member design of every bar over the ULS combinations, on the Pratt truss of 10^5 bars in kN and
// m: the checks alone, from the results the analysis left (the analysis is done once, before
// timing). Chords and posts are hollow sections, the diagonals angles on two bolts, every chord
// braced out of plane at every other node.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "core/analiza.h"
#include "files/wymiarowanie_projektu.h"
#include "tests/wspolne/kratownice.h"

namespace {

constexpr int ile_kombinacji = 10;

struct Przyklad {
    Model m;
    Projekt p;
    std::vector<Kombinacja> kombinacje;
};

// Three cases besides the store's own (snow on every fifth bottom node, wind up and across), ten
// ULS combinations of them; the bars grouped into three sections.
void przygotuj(Przyklad& x) {
    Model& m = x.m;
    pratt(m, 25000);  // 100001 bars
    m.na = 3;
    m.area = wektor(1, m.na);
    for (int b = 1; b <= m.ne; ++b) {
        const bool pionowy = m.x[m.noc[b][1]][1] == m.x[m.noc[b][2]][1];
        const bool pas = m.x[m.noc[b][1]][2] == m.x[m.noc[b][2]][2];
        m.noc[b][4] = pas ? 1 : pionowy ? 2 : 3;
    }
    Projekt& p = x.p;
    for (int c = 1; c <= 3; ++c) {
        PrzypadekObciazen q = Projekt::nowy_przypadek(c + 1);
        q.zmienny = true;
        q.kategoria = c == 1 ? 9 : 10;
        for (int n = 1; n <= m.nn; n += c == 1 ? 10 : 4) {
            q.obc.ild.push_back(c == 3 ? 2 * n - 1 : 2 * n);
            q.obc.al.push_back(c == 1 ? -20.0f : c == 2 ? 6.0f : 3.0f);
        }
        p.przypadki.push_back(std::move(q));
    }
    DaneWymiarowania& d = p.wymiarowanie;
    rozwin_wymiarowanie(d, m.na, m.ne);
    const char* profile[][2] = {{"RO", "RO 168,3x8"}, {"RK", "RK 100x5"}, {"L", "L 100x10"}};
    for (std::size_t n = 0; n < 3; ++n) {
        d.przekroje[n].rodzina = profile[n][0];
        d.przekroje[n].profil = profile[n][1];
    }
    for (int b = 1; b <= m.ne; ++b) {
        if (m.noc[b][4] == 1) d.prety[static_cast<std::size_t>(b - 1)].L_z = 2.0;
        if (m.noc[b][4] == 3) d.prety[static_cast<std::size_t>(b - 1)].polaczenie = 1;
    }
    pola_z_profili(m, d, UkladJednostek::kN_m);
    for (int k = 0; k < ile_kombinacji; ++k) {
        Kombinacja c;
        c.nazwa = "SGN " + std::to_string(k + 1);
        c.rodzaj = RodzajKombinacji::sgn;
        c.wsp = {k % 2 ? 1.0 : 1.35, k < 5 ? 1.5 : 0.75, k < 5 ? 0.9 : 1.5, (k % 3) * 0.5};
        x.kombinacje.push_back(std::move(c));
    }
}

void BM_Wymiarowanie(benchmark::State& state) {
    Przyklad x;
    przygotuj(x);
    const ZadaniePrzypadkow z = zadanie_projektu(x.m, x.p);
    if (!obliczenia(x.m, Rozwiazanie::samo, &z).sukces()) {
        state.SkipWithError("analiza nie powiodła się");
        return;
    }
    WynikWymiarowania w;
    for (auto _ : state) {
        w = wymiaruj(x.m, x.p, UkladJednostek::kN_m, x.kombinacje);
        // Not DoNotOptimize(w.U_max): with GCC its register alternative read back a stale
        // double here.
        benchmark::ClobberMemory();
    }
    if (!w.blad.empty()) state.SkipWithError(w.blad.c_str());
    state.counters["prety"] = x.m.ne;
    state.counters["kombinacje"] = ile_kombinacji;
    state.counters["spelnia"] = w.spelnia;
    state.counters["nie_spelnia"] = w.nie_spelnia;
    state.counters["nie_sprawdzono"] = w.nie_sprawdzono;
    state.counters["najwieksze"] = w.najwieksze;
    state.counters["U_max"] = w.U_max;
}

}  // namespace

BENCHMARK(BM_Wymiarowanie)->UseRealTime()->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
