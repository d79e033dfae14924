// SPDX-License-Identifier: GPL-3.0-or-later
// The calculation report of Pratt trusses of 250 bays (1001 bars, 502 nodes) and of 25000 bays
// (100001 bars, 50002 nodes), each with three load cases (dead load with self-weight, snow, wind)
// and so 17 combinations, analysed once: the document built, laid out and written as a PDF, as
// "Plik → Raport…" and velkora2d-oblicz --raport write it (every table in full, the envelope).

#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <QFileInfo>
#include <QTemporaryDir>
#include <memory>

#include "core/analiza.h"
#include "qt/raport.h"
#include "report/raport.h"
#include "tests/wspolne/kratownice.h"

namespace {

std::shared_ptr<const DaneRaportu> dane(int przesla) {
    auto d = std::make_shared<DaneRaportu>();
    Model m;
    pratt(m, przesla);
    Projekt& p = d->p;
    p.tytul = "Kratownica Pratta";
    p.ciezar = {78.5f};
    p.przypadki[0].nazwa = "Ciężar własny";
    p.przypadki[0].ciezar_wlasny = true;
    // Snow: the dead load's forces; wind: a push along X at every top node.
    PrzypadekObciazen s = Projekt::nowy_przypadek(2), w = Projekt::nowy_przypadek(3);
    s.nazwa = "Śnieg", s.zmienny = true, s.kategoria = 9, s.psi0 = 0.5, s.psi1 = 0.2;
    w.nazwa = "Wiatr", w.zmienny = true, w.kategoria = 10, w.psi0 = 0.6, w.psi1 = 0.2;
    s.obc = obciazenia_magazynu(m);
    for (int n = 2; n <= m.nn; n += 2) w.obc.ild.push_back(2 * n - 1), w.obc.al.push_back(2.0f);
    p.przypadki.push_back(std::move(s));
    p.przypadki.push_back(std::move(w));
    const ZadaniePrzypadkow z = zadanie_projektu(m, p);
    obliczenia(m, Rozwiazanie::samo, &z);
    d->k = std::move(static_cast<Konstrukcja&>(m));
    d->obliczono = true;
    d->jednostki = UkladJednostek::kN_m;
    d->plik = "pratt.v2dp";
    d->data = "01.01.2025";
    return d;
}

void BM_RaportPdf(benchmark::State& state) {
    static std::shared_ptr<const DaneRaportu> d[2];
    const auto ktory = static_cast<std::size_t>(state.range(0));
    if (!d[ktory]) d[ktory] = dane(ktory == 0 ? 250 : 25000);
    QTemporaryDir folder;
    const std::string plik = folder.filePath("raport.pdf").toStdString();
    for (auto _ : state) {
        const DokumentRaportu doc = zbuduj_raport(d[ktory]);
        std::string powod;
        if (!zapisz_raport_pdf(plik, doc, powod)) state.SkipWithError(powod.c_str());
    }
    state.counters["prety"] = d[ktory]->k.ne;
    state.counters["MB"] =
        static_cast<double>(QFileInfo(QString::fromStdString(plik)).size()) / 1e6;
    // The process's peak, the analysed model included: a document that copied its tables would
    // show here.
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    state.counters["szczyt_MB"] = static_cast<double>(r.ru_maxrss) / 1024.0;
}
BENCHMARK(BM_RaportPdf)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("duzy")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

}  // namespace
