// SPDX-License-Identifier: GPL-3.0-or-later
// The order of the unknowns inside the analysis: a renumbering of the nodes that narrows the band
// of the stiffness matrix, whatever numbering the user gave. The model keeps its own numbers.
#pragma once

#include <vector>

#include "core/model.h"

struct KolejnoscWezlow {
    std::vector<int> nowy;   // [1..nn]: the band's number of each model node
    std::vector<int> stary;  // [1..nn]: the model's number of each band node
    int nbw = 0;             // half-bandwidth (DOF columns) in this order
};

// Reverse Cuthill–McKee on the graph of the bars, each connected part from a pseudo-peripheral
// node (George and Liu), the parts one after the other.
KolejnoscWezlow kolejnosc_rcm(const Konstrukcja& k);

// Half-bandwidth in DOF columns of the bars under a numbering of the nodes (nowy empty: the
// model's own numbering).
int szerokosc_pasma(const Konstrukcja& k, const std::vector<int>& nowy);
