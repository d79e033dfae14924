// SPDX-License-Identifier: GPL-3.0-or-later
// The model store: the counts, arrays and flags of the one truss model the program holds.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/pom_mac.h"

// One load case's results, 0-based: displacements by DOF, stresses by bar, reactions by support
// entry.
struct WynikPrzypadku {
    std::vector<float> f, stressp, react;
};

// The truss itself: counts, input arrays and the result arrays sized with them.
struct Konstrukcja {
    int ne = 0;    // bars
    int nn = 0;    // nodes
    int nd = 0;    // support entries (constrained DOFs)
    int nl = 0;    // load entries
    int nm = 0;    // materials
    int na = 0;    // cross-sections
    int ntel = 0;  // bar temperature entries
    int nq = 0;    // DOFs, always 2 * nn

    Macierz<float> x;    // [1..nn][1..2] node X, Y
    Macierz<int> noc;    // [1..ne][1..4] node 1, node 2, material, cross-section
    Macierz<float> pm;   // [1..nm][1..2] Young's modulus, thermal coefficient
    Wektor<float> area;  // [1..na]
    Wektor<int> nu;      // [1..nd] constrained DOF
    Wektor<float> u;     // [1..nd] prescribed displacement
    Wektor<int> ild;     // [1..nl] loaded DOF
    Wektor<float> al;    // [1..nl] force
    Wektor<int> nset;    // [1..ntel] bar with a temperature change
    Wektor<float> temp;  // [1..ntel] temperature change

    Wektor<float> f;        // [1..nq] displacements after an analysis
    Wektor<float> stressp;  // [1..ne] bar stresses
    Wektor<float> react;    // [1..nd] support reactions

    // The results of every load case of the last analysis, valid with f, stressp and react; the
    // store's arrays hold what is shown (the current case, a combination or an envelope).
    std::vector<WynikPrzypadku> wyniki;
};

// The whole store: the truss plus the analysis and window state kept with it.
struct Model : Konstrukcja {
    int nbw = 0;  // half-bandwidth, widened by the analysis, reset by open and the generator

    int Pusty = 1;      // 1: no model open
    int obliczono = 0;  // 1: f, stressp, react are valid for the current model
    int blad = 0;       // 1: the last analysis stopped
    int nrblad = 0;     // 1: zero on the diagonal, 2: a bar of zero length
    int id = 0;         // an input-data table window is open
    int iw = 0;         // a results table window is open

    int p_napr = 0;
    int p_przem = 1;
    int p_n_ele = 1;
    int p_n_wezl = 1;
    int p_n_mat = 0;
    int p_n_pola = 0;

    float ax = 0.0f, aa = 0.0f;  // smallest node X and Y of the last paint
    float x0 = 0.0f;             // copy of ax for the cursor readout
    float sx = 1.0f, sa = 1.0f;  // pixels per model unit of the last paint

    std::string caption;  // the frame caption
};

// The store's part of discarding the model: results invalid, arrays freed, counts zeroed.
// nbw keeps its value.
void zwolnij_model(Model& m);

// Puts a truss read or built elsewhere into the store in place of the current arrays and counts.
void przejmij_konstrukcje(Model& m, Konstrukcja&& k);

// Whether every count is matched by its input arrays (each present and reaching the count) and nq
// is 2 * nn: what anything that walks the arrays by the counts relies on. With `z_wynikami` the
// result arrays f, stressp and react are asked for too.
bool spojna(const Konstrukcja& k, bool z_wynikami = true);

// A copy of the truss: its input arrays, and the result arrays too with `z_wynikami`.
Konstrukcja kopia(const Konstrukcja& k, bool z_wynikami);
// Whether two trusses hold the same input: counts and every input array, byte for byte.
bool te_same_dane(const Konstrukcja& a, const Konstrukcja& b);
// Bytes the arrays of a truss take.
std::size_t bajty(const Konstrukcja& k);

// Label of a DOF as the tables show it: node number "%4.0f" followed by X or Y.
std::string etykieta_dof(int dof);
