// SPDX-License-Identifier: GPL-3.0-or-later
// Repainting the input-data and results tables of a model of 10^5 bars: one window's height at
// the top, in the middle and at the bottom of the content, and the whole content for contrast.
// The surfaces are a null one (the tables' own work) and, when the Qt program is built, the real
// QPainter adapter drawing into an image of the window's size.

#include <benchmark/benchmark.h>

#include <climits>
#include <memory>

#include "core/model.h"
#include "okno/platforma.h"
#include "tests/wspolne/cichy_port.h"
#include "tests/wspolne/kratownice.h"
#include "view/dane.h"
#include "view/wyniki.h"

#ifdef VELKORA_BENCH_QT
#include <QImage>
#include <QPainter>
#include <cstdlib>

#include "qt/powierzchnia_qt.h"
#endif

namespace {

// 25000 bays: 100001 bars, 50002 nodes.
constexpr int przesla = 25000;
constexpr int okno = 400;  // visible height of a repaint

class Zadna : public Powierzchnia {
  public:
    long wywolania = 0;
    void pioro(Kolor, int, StylPiora) override { ++wywolania; }
    void pedzel(Kolor) override { ++wywolania; }
    void czcionka(const std::string&, int, int) override { ++wywolania; }
    void kolor_tekstu(Kolor) override { ++wywolania; }
    void tlo_tekstu(Kolor) override { ++wywolania; }
    void prostokat(int, int, int, int) override { ++wywolania; }
    void przesun_do(int, int) override { ++wywolania; }
    void linia_do(int, int) override { ++wywolania; }
    void odcinki(const OdcinekEkranu*, std::size_t n) override {
        wywolania += static_cast<long>(n);
    }
    void elipsa(int, int, int, int) override { ++wywolania; }
    void tekst(int, int, const std::string& t) override {
        ++wywolania;
        benchmark::DoNotOptimize(t.data());
    }
    // A fixed width per character, as a monospaced font would have.
    int szerokosc_tekstu(const std::string& t) override { return 8 * static_cast<int>(t.size()); }
    void zachowaj() override {}
    void przywroc() override {}
};

Model& model() {
    static Model m = [] {
        Model n;
        pratt(n, przesla);
        // Results of the right sizes; their values do not change the work of a repaint.
        for (int i = 1; i <= n.ne; ++i) n.stressp[i] = 1.0e-3f * static_cast<float>(i);
        for (int i = 1; i <= n.nq; ++i) n.f[i] = -1.0e-7f * static_cast<float>(i);
        for (int i = 1; i <= n.nd; ++i) n.react[i] = 12.345f * static_cast<float>(i);
        n.obliczono = 1;
        return n;
    }();
    return m;
}

CichyPort port;

std::unique_ptr<OknoTabeli> tabela(int ktora) {
    if (ktora == 0) return std::make_unique<_DANE_>(model());
    return std::make_unique<_WYNIKI_>(model(), port);
}

// Argument 0: which window (0 input data, 1 results); argument 1: where (0 top, 1 middle,
// 2 bottom, 3 the whole content at once).
void pas(const OknoTabeli& t, int gdzie, int& od_y, int& do_y) {
    const int h = t.wysokosc_tresci();
    if (gdzie == 3) {
        od_y = INT_MIN, do_y = INT_MAX;
        return;
    }
    od_y = gdzie == 0 ? 0 : gdzie == 1 ? h / 2 : h - okno;
    do_y = od_y + okno;
}

void etykieta(benchmark::State& state) {
    static const char* okna[] = {"dane", "wyniki"};
    static const char* miejsca[] = {"gora", "srodek", "dol", "calosc"};
    state.SetLabel(std::string(okna[state.range(0)]) + "/" + miejsca[state.range(1)]);
    state.counters["prety"] = model().ne;
}

void BM_TabelaZadna(benchmark::State& state) {
    auto t = tabela(static_cast<int>(state.range(0)));
    int od_y = 0, do_y = 0;
    pas(*t, static_cast<int>(state.range(1)), od_y, do_y);
    Zadna dc;
    for (auto _ : state) t->Paint(dc, od_y, do_y);
    state.counters["wywolania"] =
        static_cast<double>(dc.wywolania) / static_cast<double>(state.iterations());
    etykieta(state);
}
BENCHMARK(BM_TabelaZadna)->ArgsProduct({{0, 1}, {0, 1, 2, 3}})->Unit(benchmark::kMillisecond);

#ifdef VELKORA_BENCH_QT
void BM_TabelaQt(benchmark::State& state) {
    auto t = tabela(static_cast<int>(state.range(0)));
    int od_y = 0, do_y = 0;
    pas(*t, static_cast<int>(state.range(1)), od_y, do_y);
    QImage obraz(t->szerokosc(), okno, QImage::Format_RGB32);
    for (auto _ : state) {
        obraz.fill(QColor(jasnoszary.r, jasnoszary.g, jasnoszary.b));
        QPainter p(&obraz);
        p.translate(0, od_y == INT_MIN ? 0 : -od_y);
        PowierzchniaQt dc(p);
        t->Paint(dc, od_y, do_y);
    }
    etykieta(state);
}
// The whole content through the real adapter is left out: it is the slow path the bands avoid.
BENCHMARK(BM_TabelaQt)->ArgsProduct({{0, 1}, {0, 1, 2}})->Unit(benchmark::kMillisecond);
#endif

}  // namespace
