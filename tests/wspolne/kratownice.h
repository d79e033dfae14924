// SPDX-License-Identifier: GPL-3.0-or-later
// Trusses built in code for tests, benchmarks and the examples.
#pragma once

#include "core/model.h"

// An open, empty model with room for the given counts (every array created with its count).
void przygotuj(Model& m, int ne, int nn, int nd, int nl, int nm, int na, int ntel = 0);

// Pratt truss of `przesla` bays of length `l` and height `h`, numbered bay by bay
// (node 2i-1 bottom, 2i top of panel point i), pinned at the first panel point and held in Y at
// every `co_ile`-th panel point after it, a downward force `p` at every bottom node.
// One material (E = 2.1e8, alpha = 1.2e-5) and one area (0.01).
void pratt(Model& m, int przesla, float l = 3.0f, float h = 4.0f, int co_ile = 10,
           float p = -10.0f);

// Rectangular lattice of `kolumny` x `wiersze` cells with one diagonal per cell, numbered row by
// row from the bottom; the bottom row is pinned; a force on every node of the top row.
void krata(Model& m, int kolumny, int wiersze, float a = 1.0f);

#include <array>
#include <utility>
#include <vector>

// Gives node n the number nowy[n] (nowy[1..nn], a permutation): coordinates, bars, supports and
// loads follow, so the truss is the same under other numbers.
void przenumeruj(Model& m, const std::vector<int>& nowy);
// A random permutation of 1..n as nowy[1..n] (nowy[0] unused).
std::vector<int> losowa_numeracja(int n, unsigned ziarno);

// A small truss written out in full.
struct Opis {
    std::vector<std::array<float, 2>> wezly;  // X, Y
    std::vector<std::array<int, 4>> prety;    // node 1, node 2, material, area
    std::vector<std::array<float, 2>> materialy{{2.1e8f, 1.2e-5f}};
    std::vector<float> pola{0.01f};
    std::vector<std::pair<int, float>> podpory;      // DOF, prescribed displacement
    std::vector<std::pair<int, float>> sily;         // DOF, force
    std::vector<std::pair<int, float>> temperatury;  // bar, temperature change
};
void zbuduj(Model& m, const Opis& o);
