// The direct stiffness analysis: assembly, banded solution, stresses and reactions.
#pragma once

#include <string>
#include <vector>

#include "core/model.h"

// Work area of one analysis. It exists only while the analysis runs. The band, the load vector
// and every step of the solution are carried in double precision; only the stored results are
// rounded to float.
struct Praca {
    int nbw_s = 0;        // band columns allocated: nbw, but never more than nq
    Macierz<double> s;    // [1..nq][1..nbw_s] upper band; s[i][1] is the diagonal of row i
    Macierz<double> se;   // [1..4][1..4] stiffness of one bar
    Wektor<double> f;     // [1..nq] load vector, then the displacements
    Wektor<double> diag;  // [1..nq] diagonal after assembly, the yardstick for a vanishing pivot
    double cnst = 0.0;    // penalty stiffness of the supports
    // Temperature entries grouped by bar, each group in list order: the entries of bar n are
    // temp_lista[temp_od[n] .. temp_od[n + 1] - 1].
    std::vector<int> temp_od, temp_lista;
};

// Creates the work area for the model's current nbw, band and vectors zeroed; false when the band
// would not fit in memory.
bool utworz_prace(const Model& m, Praca& w);

// Assembly into a fresh work area (stiffness, point and temperature loads, penalty supports). Sets
// m.blad = 1, m.nrblad = 2 on a bar of zero length.
void Macierze(Model& m, Praca& w);
// Solution, stresses, reactions. Sets m.blad = 1, m.nrblad = 1 when a pivot vanishes.
void Oblicz(Model& m, Praca& w);

// A pivot at or below this fraction of its row's assembled diagonal means the truss can move
// without straining a bar. The results are kept in single precision: a pivot that small magnifies
// the double-precision rounding of the elimination (2^-52) past the digits a float keeps (2^-23),
// so the displacement it gave would be noise, which is what a vanishing pivot of a mechanism
// looks like. Slender but sound trusses stay well above it: a lattice tower 50 cells wide and
// 9800 high still has 8e-8.
inline constexpr double prog_osobliwosci = 0x1p-52 / 0x1p-23;

// What one analysis came to; the window and the command-line analyser report it.
struct WynikObliczen {
    bool wykonano = false;      // assembly and solution were attempted
    bool brak_wezlow = false;   // nq was 0
    bool zerowe_pasmo = false;  // nbw was 0
    bool brak_pamieci = false;  // the band would not fit in memory
    int blad = 0;
    int nrblad = 0;
    bool sukces() const { return wykonano && blad == 0 && !brak_pamieci; }
};

// The analysis driver: widens nbw, runs assembly and solution in a work area that lives only for
// this call, sets obliczono, blad and nrblad.
WynikObliczen obliczenia(Model& m);

// The messages of an outcome, in the order they are shown.
std::vector<std::string> komunikaty_obliczen(const WynikObliczen& w);
