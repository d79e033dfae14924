// SPDX-License-Identifier: GPL-3.0-or-later
// The direct stiffness analysis: assembly, banded solution, stresses and reactions.
#pragma once

#include <atomic>
#include <string>
#include <vector>

#include "core/model.h"
#include "core/projekt.h"
#include "core/rzadkie.h"

class PamiecAnalizy;

// One load case as the assembly and the solution see it.
struct ObciazenieRozwiazania {
    std::vector<int> ild;  // loaded DOF, model numbering; the later entry on a DOF wins
    std::vector<float> al;
    std::vector<float> u;   // forced displacement of each support entry, in the store's order
    std::vector<int> nset;  // bar with a temperature change
    std::vector<float> temp;
    double ciezar = 0.0;  // self-weight multiplied by this; 0: none
    // Temperature entries grouped by bar, each group in list order: the entries of bar n are
    // temp_lista[temp_od[n] .. temp_od[n + 1] - 1]. Set by the assembly.
    std::vector<int> temp_od, temp_lista;
    double obciazenia = 0.0;  // largest |load| on a DOF, thermal loads included, penalties not
};

// The store's loads as the one case to analyse.
ObciazenieRozwiazania obciazenie_magazynu(const Konstrukcja& k);
// A case of the project as the analysis takes it (forced displacements per support entry).
ObciazenieRozwiazania obciazenie_przypadku(const Konstrukcja& k, const ObciazeniaPrzypadku& o,
                                           double ciezar);

// Work area of one analysis. It exists only while the analysis runs. The band, the load vector
// and every step of the solution are carried in double precision; only the stored results are
// rounded to float.
struct Praca {
    // The band's order of the nodes, when it is not the model's: node n of the model is node
    // nowy[n] of the band, band node i is model node stary[i]. Every DOF-indexed vector below
    // is in the band's order.
    std::vector<int> nowy, stary;
    int wezel(int n) const { return nowy.empty() ? n : nowy[n]; }
    // The band's DOF of a model DOF (2n - 1: X of node n, 2n: Y), and back.
    int dof(int d) const { return nowy.empty() ? d : 2 * nowy[(d + 1) / 2] - d % 2; }
    int dof_modelu(int d) const { return stary.empty() ? d : 2 * stary[(d + 1) / 2] - d % 2; }

    int nbw_s = 0;      // band columns allocated: never more than nq
    Macierz<double> s;  // [1..nq][1..nbw_s] upper band; s[i][1] is the diagonal of row i
    // Or, for a system too wide for a band, the sparse matrix (core/rzadkie.h), in the model's
    // order.
    bool rzadka = false;
    RzadkaMacierz k;
    Wektor<double> f;     // [1..nq] load vector of the first case, then its displacements
    Wektor<double> diag;  // [1..nq] diagonal after assembly, the yardstick for a vanishing pivot
    double cnst = 0.0;    // penalty stiffness of the supports
    // The load cases solved with the one factor; the assembly takes the store's loads as the only
    // one when none is given. Weight densities per material [0..nm-1] for self-weight.
    std::vector<ObciazenieRozwiazania> przypadki;
    // Each bar as the loads and the solution use it, worked out once by the assembly: its ends in
    // the work area's order, direction, length, modulus and area.
    struct Pret {
        int a, b;
        double cs, sn, el, e, pole;
    };
    std::vector<Pret> prety;
    std::vector<float> gestosc;
    int biezacy = 0;  // the case whose results also go to the store's f, stressp and react
    // Where a failed analysis stopped: the model's DOF that moves freely (error 1), or the bar,
    // material or cross-section at fault (errors 2, 4, 5).
    int dof_bledu = 0;
    int numer_bledu = 0;
    bool brak_pamieci = false;   // the factor would not fit in memory
    double czas_rozkladu = 0.0;  // seconds the factor took
    // What an earlier analysis of the same bars and supports left (core/pamiec_analizy.h); none:
    // everything is worked out here.
    PamiecAnalizy* pamiec = nullptr;
    // Set from elsewhere when the results are no longer wanted; polled between the stages.
    const std::atomic<bool>* przerwij = nullptr;
    bool przerwana() const { return przerwij && przerwij->load(std::memory_order_relaxed); }
    bool przerwano = false;  // the solution stopped at such a request and stored nothing
};

// Error numbers in nrblad.
inline constexpr int blad_zero_na_przekatnej = 1;  // the truss is a mechanism
inline constexpr int blad_zerowa_dlugosc = 2;      // a bar whose ends coincide
inline constexpr int blad_zakres_wynikow = 3;      // a result beyond the range of a float
inline constexpr int blad_modul = 4;               // a bar's material has E <= 0
inline constexpr int blad_pole = 5;                // a bar's cross-section has A <= 0

// Creates the work area for a band of nbw columns (cut to nq), band and vectors zeroed, in the
// order already set in w; false when the band would not fit in memory.
bool utworz_prace(const Model& m, Praca& w, int nbw);

// Assembly into a fresh work area (stiffness, penalty supports, and the first case's point,
// temperature and self-weight loads into w.f). Stops with m.blad = 1 at the first bar of zero
// length (nrblad 2) or with a material or cross-section that is not positive (nrblad 4 or 5),
// naming it in w.numer_bledu.
void Macierze(Model& m, Praca& w);
// The loads of case c added into f[0], f[krok], ... f[(nq - 1) * krok] (work-area order), which
// come zeroed: forces, temperature changes, self-weight.
void prawa_strona(const Model& m, Praca& w, std::size_t c, double* f, int krok = 1);
// For the cases od .. od + ile - 1, whose load vectors lie side by side in f (case od + c's term
// of DOF i at f[(i - 1) * krok + c]): each case's largest load, then the penalties of its forced
// displacements added.
void kary_podpor(const Model& m, Praca& w, std::size_t od, int ile, double* f, int krok);
// Solution of every case with one factor, stresses, reactions, written to the model only when
// every solution holds: every node in equilibrium and every result within the range of a float.
// Otherwise m.blad = 1 with nrblad 1 (a mechanism, its DOF in w.dof_bledu) or 3, and the results
// stay as they were. Each case's results go to m.wyniki, the current case's to f, stressp, react.
void Oblicz(Model& m, Praca& w);

// Pivots against their row's assembled diagonal. At or below prog_zera the pivot is rounding
// noise: the truss moves there without straining a bar. Below prog_podejrzenia it may be the noise
// of a mechanism whose rounding was amplified along a long lever, or a sound truss that is merely
// ill-conditioned (a near-rigid link beside soft bars, a slender tower): only the equilibrium of
// the solution can tell them apart, so it is then also checked for a probe load, which finds a
// mechanism the loads themselves leave at rest.
inline constexpr double prog_zera = 0x1p-45;
inline constexpr double prog_podejrzenia = 0x1p-20;
// A solution is in equilibrium when no DOF is left with an unbalanced force above this fraction of
// the largest load or reaction. A solution short of float accuracy is refined once first.
inline constexpr double tol_rownowagi = 0x1p-12;
inline constexpr double tol_dokladnosci = 0x1p-26;
// A refinement that changes the solution by more than this fraction of it is no refinement.
inline constexpr double tol_poprawki = 0x1p-6;

// What one analysis came to; the window and the command-line analyser report it.
struct WynikObliczen {
    bool wykonano = false;      // assembly and solution were attempted
    bool brak_wezlow = false;   // nq was 0
    bool zerowe_pasmo = false;  // nbw was 0
    bool brak_pamieci = false;  // the band would not fit in memory
    bool przerwano = false;     // given up on request, results untouched
    int blad = 0;
    int nrblad = 0;
    int dof_bledu = 0;    // see Praca
    int numer_bledu = 0;  // see Praca
    // Where the time went, in seconds: ordering the nodes, setting up the work area and
    // assembling, factoring (ordering of the sparse factor included), and the rest: solving,
    // stresses, the equilibrium checks, storing.
    struct {
        double kolejnosc = 0, skladanie = 0, rozklad = 0, reszta = 0;
    } czasy;
    const char* metoda = "";  // the matrix solved: "pasmowa", "pasmowa (Cholesky'ego)", "rzadka"
    bool sukces() const { return wykonano && blad == 0 && !brak_pamieci && !przerwano; }
};

// How the system is solved: chosen by the driver by the expected work and memory, or as asked.
enum class Rozwiazanie { samo, pasmo, rzadkie };

// The load cases of a project for the driver: each with its self-weight factor (0: none), the
// materials' weight densities, and the case whose results the store's arrays get.
struct ZadaniePrzypadkow {
    std::vector<ObciazeniaPrzypadku> obciazenia;
    std::vector<double> ciezar;
    std::vector<float> gestosc;
    int biezacy = 0;
};
// The project's cases as an analysis task.
ZadaniePrzypadkow zadanie_projektu(const Konstrukcja& k, const Projekt& p);

// The analysis driver: widens nbw, runs assembly and solution in a work area that lives only for
// this call, sets obliczono, blad and nrblad. Without a task, the store's loads are the one case.
// With `pamiec`, the order of the nodes, the choice of the method and the symbolic factor are
// taken from it when it holds them for these bars and supports, and left in it otherwise. When
// `przerwij` becomes true the analysis stops at its next stage with `przerwano`, obliczono 0 and
// the results as they were.
WynikObliczen obliczenia(Model& m, Rozwiazanie sposob = Rozwiazanie::samo,
                         const ZadaniePrzypadkow* zadanie = nullptr,
                         PamiecAnalizy* pamiec = nullptr,
                         const std::atomic<bool>* przerwij = nullptr);

// The messages of an outcome, in the order they are shown.
std::vector<std::string> komunikaty_obliczen(const WynikObliczen& w);
