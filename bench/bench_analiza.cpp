// SPDX-License-Identifier: GPL-3.0-or-later
// The analysis on large trusses: the whole driver, and the banded elimination with substitution
// alone against LAPACK's dpbsv on the very same assembled band.
//
// The widest lattices take minutes and several GiB each; run the parts one at a time, e.g.
//   bench_analiza --benchmark_filter='BM_Pasmo_.*/krata:1000x'
// Every case is meant to run in one thread: with OpenBLAS, set OPENBLAS_NUM_THREADS=1. The library
// that answers for LAPACK is printed in the context at the top.

#include <benchmark/benchmark.h>
#include <dlfcn.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "core/analiza.h"
#include "core/mechanizm.h"
#include "core/pasmo.h"
#include "core/rozklad.h"
#include "tests/wspolne/kratownice.h"

// LAPACK: Cholesky solution of a symmetric positive definite band; the last argument is the
// hidden length of `uplo`.
extern "C" void dpbsv_(const char* uplo, const int* n, const int* kd, const int* nrhs, double* ab,
                       const int* ldab, double* b, const int* ldb, int* info, std::size_t uplo_len);

namespace {

// krata_boki: the lattice also held in X at both ends of every row whose number is a multiple of
// the column count. A lattice much taller than wide is a slender cantilever whose sway pivots come
// close to the singularity threshold, so the tall, narrow bands are measured on a column braced
// sideways at every square.
enum class Rodzaj { pratt, krata, krata_boki };

struct Przypadek {
    Rodzaj rodzaj;
    int a;      // pratt: bays; krata: columns
    int b = 0;  // krata: rows
    std::string argumenty() const {
        return rodzaj == Rodzaj::pratt ? std::to_string(a)
                                       : std::to_string(a) + "x" + std::to_string(b);
    }
    std::string nazwa() const {
        const char* r = rodzaj == Rodzaj::pratt   ? "pratt:"
                        : rodzaj == Rodzaj::krata ? "krata:"
                                                  : "krata_boki:";
        return r + argumenty();
    }
    double nq() const { return rodzaj == Rodzaj::pratt ? 4.0 * (a + 1) : 2.0 * (a + 1) * (b + 1); }
    double nbw() const { return rodzaj == Rodzaj::pratt ? 8.0 : 2.0 * a + 4; }
};

void podeprzyj_boki(Model& m, int kolumny, int wiersze) {
    const int w = kolumny + 1;
    std::vector<int> dof;
    for (int r = kolumny; r <= wiersze; r += kolumny) {
        dof.push_back(2 * (r * w + 1) - 1);
        dof.push_back(2 * (r * w + w) - 1);
    }
    const int nd = m.nd + static_cast<int>(dof.size());
    Wektor<int> nu = iwektor(1, nd);
    Wektor<float> u = wektor(1, nd);
    for (int i = 1; i <= m.nd; ++i) nu[i] = m.nu[i], u[i] = m.u[i];
    for (std::size_t i = 0; i < dof.size(); ++i) nu[m.nd + 1 + static_cast<int>(i)] = dof[i];
    m.nu = std::move(nu), m.u = std::move(u), m.react = wektor(1, nd);
    m.nd = nd;
}

void buduj(Model& m, const Przypadek& p) {
    if (p.rodzaj == Rodzaj::pratt) {
        pratt(m, p.a);
    } else {
        krata(m, p.a, p.b);
        if (p.rodzaj == Rodzaj::krata_boki) podeprzyj_boki(m, p.a, p.b);
    }
}

// The driver's band rule, so that a work area can be made without running the driver.
void poszerz_pasmo(Model& m) {
    for (int i = 1; i <= m.ne; ++i) {
        const std::int64_t d = std::abs(static_cast<std::int64_t>(m.noc[i][2]) - m.noc[i][1]);
        m.nbw = static_cast<int>(std::max<std::int64_t>(m.nbw, 2 * d + 2));
    }
}

// Floating-point operations of the elimination: a multiply and a subtraction for every band term
// a pivot updates in the rows below it. Cholesky of the same band does as many.
double flopy_eliminacji(int nq, int nbw) {
    double n = 0.0;
    for (int k = 0; k < nq; ++k) {
        const double nk = std::min(nbw, nq - k);
        n += nk * (nk - 1.0);
    }
    return n;
}

// Whether one run is measurement enough: roughly nq * nbw^2 above a few seconds of elimination.
bool ciezki(const Przypadek& p) {
    return p.nq() * p.nbw() * p.nbw() > 5.0e9;
}

// One assembled band, kept while the benchmarks of its case run one after the other, with the
// buffers each timed run works on.
struct Uklad {
    std::string nazwa;
    std::string blad;
    int nq = 0, nbw = 0;
    double flopy = 0.0;
    Praca w;  // the assembled band, load vector and diagonal; never changed after assembly
    std::unique_ptr<double[]> s;
    std::vector<double> f;
    std::vector<double> x_nasze, x_dpbsv;  // the first solution of each solver
    double roznica = -1.0;                 // max |x_nasze - x_dpbsv| / max |x_nasze|

    std::size_t wyrazy() const {
        return static_cast<std::size_t>(nq) * static_cast<std::size_t>(nbw);
    }
    void kopiuj() {
        std::memcpy(s.get(), w.s.data(), wyrazy() * sizeof(double));
        std::memcpy(f.data(), w.f.data(), f.size() * sizeof(double));
    }
    void zapamietaj(std::vector<double>& x) {
        if (!x.empty()) return;
        x = f;
        if (x_nasze.empty() || x_dpbsv.empty()) return;
        double d = 0.0, n = 0.0;
        for (std::size_t i = 0; i < x_nasze.size(); ++i) {
            d = std::max(d, std::fabs(x_nasze[i] - x_dpbsv[i]));
            n = std::max(n, std::fabs(x_nasze[i]));
        }
        roznica = n > 0.0 ? d / n : d;
    }
};

Uklad& uklad(const Przypadek& p) {
    static std::unique_ptr<Uklad> u;
    const std::string nazwa = p.nazwa();
    if (u && u->nazwa == nazwa) return *u;
    u.reset();  // the previous band goes before the next one is built
    u = std::make_unique<Uklad>();
    u->nazwa = nazwa;
    Model m;
    buduj(m, p);
    poszerz_pasmo(m);
    if (!utworz_prace(m, u->w, m.nbw)) {
        u->blad = "pasmo nie mieści się w pamięci";
        return *u;
    }
    Macierze(m, u->w);
    if (m.blad != 0) {
        u->blad = "błąd składania macierzy";
        return *u;
    }
    u->nq = m.nq;
    u->nbw = u->w.nbw_s;
    u->flopy = flopy_eliminacji(u->nq, u->nbw);
    u->s.reset(new double[u->wyrazy()]);
    u->f.resize(static_cast<std::size_t>(u->nq));
    return *u;
}

void liczniki_pasma(benchmark::State& state, const Uklad& u) {
    state.counters["DOF"] = u.nq;
    state.counters["nbw"] = u.nbw;
    state.counters["flop/s"] =
        benchmark::Counter(u.flopy, benchmark::Counter::kIsIterationInvariantRate);
    if (u.roznica >= 0.0) state.counters["roznica"] = u.roznica;
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(u.nq));
}

void BM_Analiza(benchmark::State& state, Przypadek p) {
    Model m;
    buduj(m, p);
    for (auto _ : state) {
        const WynikObliczen wynik = obliczenia(m);
        if (!wynik.sukces()) {
            state.SkipWithError("analiza nie powiodła się");
            break;
        }
    }
    state.counters["DOF"] = m.nq;
    state.counters["prety"] = m.ne;
    state.counters["nbw"] = m.nbw;
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(m.nq));
}

// The driver's look at the geometry for nodes held along one line only, alone.
void BM_Mechanizm(benchmark::State& state, Przypadek p) {
    Model m;
    buduj(m, p);
    for (auto _ : state) benchmark::DoNotOptimize(swobodny_stopien(m));
    state.counters["prety"] = m.ne;
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(m.ne));
}

void BM_Pasmo_nasze(benchmark::State& state, Przypadek p) {
    Uklad& u = uklad(p);
    if (!u.blad.empty()) {
        state.SkipWithError(u.blad.c_str());
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        u.kopiuj();
        state.ResumeTiming();
        // As the analysis factors it: the own elimination or, for a wide band, LAPACK's Cholesky.
        if (!rozwiaz_pasmo(u.s.get(), u.f.data(), u.w.diag.data(), u.nq, u.nbw, prog_zera)) {
            state.SkipWithError("zerowy element główny");
            return;
        }
        benchmark::ClobberMemory();
    }
    u.zapamietaj(u.x_nasze);
    liczniki_pasma(state, u);
}

void BM_Pasmo_dpbsv(benchmark::State& state, Przypadek p) {
    Uklad& u = uklad(p);
    if (!u.blad.empty()) {
        state.SkipWithError(u.blad.c_str());
        return;
    }
    const char uplo = 'L';
    const int n = u.nq, kd = u.nbw - 1, nrhs = 1, ldab = u.nbw, ldb = u.nq;
    for (auto _ : state) {
        state.PauseTiming();
        u.kopiuj();
        state.ResumeTiming();
        int info = 0;
        dpbsv_(&uplo, &n, &kd, &nrhs, u.s.get(), &ldab, u.f.data(), &ldb, &info, 1);
        if (info != 0) {
            state.SkipWithError(("dpbsv: info = " + std::to_string(info)).c_str());
            return;
        }
        benchmark::ClobberMemory();
    }
    u.zapamietaj(u.x_dpbsv);
    liczniki_pasma(state, u);
}

benchmark::internal::Benchmark* ustaw(benchmark::internal::Benchmark* b, bool jeden_przebieg) {
    b->UseRealTime()->Unit(benchmark::kMillisecond);
    if (jeden_przebieg) b->Iterations(1);
    return b;
}

void zarejestruj() {
    for (int przesla : {1000, 10000, 100000, 500000}) {
        const Przypadek p{Rodzaj::pratt, przesla};
        ustaw(benchmark::RegisterBenchmark(("BM_Pratt/" + p.argumenty()).c_str(), BM_Analiza, p),
              false);
    }

    // Lattices: half-bandwidth 2 * columns + 4. About 10^5 DOFs for every width from 16 to 2004,
    // and 10^6 where the band (twice over, for the copy the solvers work on) stays within a few
    // GiB. Narrower than 20 columns, 10^5 DOFs make a column too slender to stand unbraced.
    const std::vector<Przypadek> kraty{
        {Rodzaj::krata_boki, 6, 7142},  {Rodzaj::krata_boki, 8, 5555},
        {Rodzaj::krata_boki, 10, 4545}, {Rodzaj::krata_boki, 14, 3332},
        {Rodzaj::krata, 20, 2500},      {Rodzaj::krata, 30, 1612},
        {Rodzaj::krata, 35, 1390},      {Rodzaj::krata, 40, 1220},
        {Rodzaj::krata, 50, 980},       {Rodzaj::krata_boki, 50, 9800},
        {Rodzaj::krata, 200, 250},      {Rodzaj::krata, 200, 1200},
        {Rodzaj::krata, 500, 100},      {Rodzaj::krata, 1000, 50}};
    for (const Przypadek& p : kraty) {
        const std::string nazwa = p.rodzaj == Rodzaj::krata ? "BM_Krata/" : "BM_Krata_boki/";
        ustaw(benchmark::RegisterBenchmark((nazwa + p.argumenty()).c_str(), BM_Analiza, p),
              ciezki(p));
    }

    for (const Przypadek& p :
         {Przypadek{Rodzaj::pratt, 500000}, Przypadek{Rodzaj::krata, 200, 1200}})
        ustaw(benchmark::RegisterBenchmark(("BM_Mechanizm/" + p.nazwa()).c_str(), BM_Mechanizm, p),
              false);

    // Both solvers of one case run one after the other on the same assembled band.
    std::vector<Przypadek> pasma{{Rodzaj::pratt, 10000}, {Rodzaj::pratt, 100000}};
    pasma.insert(pasma.end(), kraty.begin(), kraty.end());
    for (const Przypadek& p : pasma) {
        ustaw(benchmark::RegisterBenchmark(("BM_Pasmo_nasze/" + p.nazwa()).c_str(), BM_Pasmo_nasze,
                                           p),
              ciezki(p));
        ustaw(benchmark::RegisterBenchmark(("BM_Pasmo_dpbsv/" + p.nazwa()).c_str(), BM_Pasmo_dpbsv,
                                           p),
              ciezki(p));
    }
}

}  // namespace

// Which library answers for LAPACK in this process, so that the figures name their yardstick.
std::string biblioteka_lapack() {
    Dl_info i;
    if (dladdr(reinterpret_cast<void*>(&dpbsv_), &i) != 0 && i.dli_fname) {
        char sciezka[4096];
        if (const char* r = realpath(i.dli_fname, sciezka)) return r;
        return i.dli_fname;
    }
    return "?";
}

int main(int argc, char** argv) {
    zarejestruj();
    benchmark::AddCustomContext("LAPACK", biblioteka_lapack());
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
