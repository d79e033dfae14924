// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures and print of two trusses of 10^5 bars with their results: a Pratt truss of 25000
// bays (100001 bars, 50002 nodes; the window squeezes some 64 bars into each pixel column) and
// a lattice of 499 x 67 cells (100865 bars, 34000 nodes, as in bench_widok). A PNG picture of
// 1600x1000 pixels as velkora2d-oblicz --png draws it, and the whole print (the drawing, then the
// input-data and results tables, thousands of A4 pages) to a PDF printer.

#include <benchmark/benchmark.h>

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QTemporaryDir>
#include <memory>

#include "core/analiza.h"
#include "okno/okno.h"
#include "qt/obraz.h"
#include "qt/wydruk.h"
#include "tests/wspolne/cichy_port.h"
#include "tests/wspolne/kratownice.h"
#include "view/dane.h"
#include "view/wyniki.h"

namespace {

CichyPort port;

// Argument 0 of every benchmark: 0 the Pratt truss, 1 the lattice; solved once.
_OKNO_& okno(benchmark::State& state) {
    static std::unique_ptr<_OKNO_> o[2];
    const auto ktora = static_cast<std::size_t>(state.range(0));
    if (!o[ktora]) {
        o[ktora] = std::make_unique<_OKNO_>(port);
        Model& m = o[ktora]->model;
        if (ktora == 0)
            pratt(m, 25000);
        else
            krata(m, 499, 67);
        obliczenia(m);
        m.p_napr = 1;
    }
    state.counters["prety"] = o[ktora]->model.ne;
    return *o[ktora];
}

void BM_ObrazPng(benchmark::State& state) {
    _OKNO_& o = okno(state);
    QTemporaryDir folder;
    const std::string plik = folder.filePath("kratownica.png").toStdString();
    constexpr int w = 1600, h = 1000;
    for (auto _ : state) {
        std::string powod;
        const bool zapisano = zapisz_obraz(
            plik, FormatObrazu::png, w, h, [&](QPainter& p) { rysuj_widok(o, p, w, h); }, powod);
        if (!zapisano) state.SkipWithError(powod.c_str());
    }
}
BENCHMARK(BM_ObrazPng)->Arg(0)->Arg(1)->ArgName("krata")->Unit(benchmark::kMillisecond);

// Argument 1: 0 portrait, 1 landscape.
void BM_WydrukPdf(benchmark::State& state) {
    _OKNO_& o = okno(state);
    QTemporaryDir folder;
    Wydruk w;
    w.nazwa = "kratownica.V2D";
    w.szerokosc = 1600, w.wysokosc = 1000;
    w.rysunek = [&o](Powierzchnia& dc, int s, int h) { o.Paint_obrazu(dc, s, h); };
    w.tabele.push_back(std::make_unique<_DANE_>(o.model));
    w.tabele.push_back(std::make_unique<_WYNIKI_>(o.model, port));
    int stron = 0;
    for (auto _ : state) {
        QPrinter drukarka(QPrinter::HighResolution);
        drukarka.setOutputFormat(QPrinter::PdfFormat);
        drukarka.setOutputFileName(folder.filePath("wydruk.pdf"));
        drukarka.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4),
                        state.range(1) ? QPageLayout::Landscape : QPageLayout::Portrait,
                        QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
        stron = drukuj(drukarka, w);
    }
    state.counters["strony"] = stron;
}
BENCHMARK(BM_WydrukPdf)
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->ArgNames({"krata", "poziomo"})
    ->Unit(benchmark::kMillisecond);

}  // namespace
