// SPDX-License-Identifier: GPL-3.0-or-later
// The stiffness matrix of a truss too wide for a band: its lower triangle by columns (compressed
// sparse columns), in the model's DOF order, with every entry the bars can reach and nothing else.
#pragma once

#include <cstddef>
#include <vector>

#include "core/model.h"

struct RzadkaMacierz {
    int n = 0;                    // DOFs
    std::vector<long> kolumna;    // [0..n]: column j holds entries kolumna[j] .. kolumna[j + 1]
    std::vector<long> wiersz;     // row of each entry (0-based), ascending within a column
    std::vector<double> wartosc;  // value of each entry
    // Node p's neighbours q > p, ascending, without repeats: gora[gora_od[p] .. gora_od[p + 1]).
    // Column 2p - 2 (X of node p) lists rows X, Y of p, then X, Y of each such q; column 2p - 1
    // lists Y of p, then X, Y of each q.
    std::vector<long> gora_od;
    std::vector<int> gora;

    // Position of the diagonal entry of column j: the first of the column.
    double& przekatna(int j) { return wartosc[static_cast<std::size_t>(kolumna[j])]; }
    // Adds the stiffness of a bar between nodes p and q (1-based, p != q): cc = c^2 EA/L,
    // cn = c s EA/L, nn = s^2 EA/L.
    void dodaj_pret(int p, int q, double cc, double cn, double nn);
};

// An order of the nodes (0-based: order[k] is the node that comes k-th) that keeps the fill of
// the sparse factor small: nested dissection by coordinates. The nodes are halved at the median
// of the longer side of their box; the nodes of the smaller half that a bar joins to the other
// half form the separator, numbered after both halves, which are ordered the same way in turn.
// On a plane truss the separators are short, as a graph partitioner's would be, at a fraction of
// its time.
std::vector<long> porzadek_rozcinania(const Konstrukcja& k, const RzadkaMacierz& a);

// The pattern of the model's bars, values zero. Bars joining a node with itself are left out
// (their length is zero; the assembly stops at them).
void zbuduj_wzor(const Konstrukcja& k, RzadkaMacierz& a);
