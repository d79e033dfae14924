// SPDX-License-Identifier: GPL-3.0-or-later
// What the user waits for after one edit with live results on: the re-analysis of the model (the
// node order, method and symbolic factor kept from the analysis before, or worked out anew for
// comparison) and the repaint of the main view with the new stress colours, 1920x1080.
//
// Two shapes of 10^4 and 10^5 bars: a Pratt girder (a narrow band, as most trusses) and a square
// lattice (the widest band a truss of that count can have, solved by the sparse factor). The edit
// moves one node, as a drag does on each move of the mouse. Numbering is off, as anyone would
// have it on so many bars. Run one thread:
//   OPENBLAS_NUM_THREADS=1 bench_na_biezaco --benchmark_filter=BM_Edycja

#include <benchmark/benchmark.h>

#include <climits>
#include <cmath>
#include <memory>

#include "core/analiza.h"
#include "core/pamiec_analizy.h"
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

enum Ksztalt { pratt_ = 0, krata_ = 1 };

std::unique_ptr<_OKNO_> okno(CichyPort& port, int prety, Ksztalt k) {
    auto o = std::make_unique<_OKNO_>(port);
    Model& m = o->model;
    if (k == pratt_) {
        pratt(m, prety / 4);  // four bars a bay
    } else {
        const int bok = static_cast<int>(std::lround(std::sqrt(prety / 3.0)));  // three a cell
        krata(m, bok, bok);
    }
    m.p_napr = 1;
    m.p_przem = 1;
    m.p_n_ele = m.p_n_wezl = m.p_n_mat = m.p_n_pola = 0;
    o->na_biezaco = 1;
    o->prog_w_tle = INT_MAX;  // on this thread: the work itself is measured
    o->po_zmianie_modelu();
    return o;
}

// One edit, its re-analysis and the repaint, on surface `dc` (made anew by `nowa` each time).
template <class Rysuj>
void edycje(benchmark::State& state, bool pamiec, Rysuj&& rysuj) {
    CichyPort port;
    auto o = okno(port, static_cast<int>(state.range(0)), static_cast<Ksztalt>(state.range(1)));
    Model& m = o->model;
    if (m.obliczono != 1) {
        state.SkipWithError("the model has no results");
        return;
    }
    rysuj(*o);  // fits the view once, as the window has done before any edit
    const int wezel = m.nn / 2;
    float krok = 0.01f;
    for (auto _ : state) {
        m.x[wezel][2] += krok;
        krok = -krok;
        if (!pamiec) o->pamiec_analizy.reset();
        o->po_zmianie_modelu();
        rysuj(*o);
    }
    if (m.obliczono != 1) state.SkipWithError("an edit left no results");
    state.counters["prety"] = m.ne;
    state.counters["wybory"] = o->pamiec_analizy ? o->pamiec_analizy->wybory : 0;
}

void BM_EdycjaBezRysowania(benchmark::State& state) {
    PustaPowierzchnia dc;
    edycje(state, state.range(2) != 0, [&](_OKNO_& o) { o.Paint(dc, W, H); });
}
BENCHMARK(BM_EdycjaBezRysowania)
    ->ArgsProduct({{10000, 100000}, {pratt_, krata_}, {1, 0}})
    ->ArgNames({"prety", "krata", "pamiec"})
    ->Unit(benchmark::kMillisecond);

#ifdef VELKORA_BENCH_QT
void BM_EdycjaWObrazie(benchmark::State& state) {
    QImage obraz(W, H, QImage::Format_RGB32);
    edycje(state, state.range(2) != 0, [&](_OKNO_& o) {
        QPainter p(&obraz);
        PowierzchniaQt dc(p);
        o.Paint(dc, W, H);
    });
}
BENCHMARK(BM_EdycjaWObrazie)
    ->ArgsProduct({{10000, 100000}, {pratt_, krata_}, {1, 0}})
    ->ArgNames({"prety", "krata", "pamiec"})
    ->Unit(benchmark::kMillisecond);
#endif

}  // namespace
