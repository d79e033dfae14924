// SPDX-License-Identifier: GPL-3.0-or-later
// One line about a node or a bar, for the status bar while the cursor rests on it.
#pragma once

#include <string>

#include "core/model.h"

// "Węzeł 5: X = 3.000, Y = 4.000", then the node's supports with their non-zero forced
// displacements, its forces and, with valid results, its displacements.
std::string opis_wezla(const Model& m, int n);
// "Pręt 7: węzły 3–4, materiał 1, przekrój 1, długość 5.000", then the stress with valid results.
std::string opis_preta(const Model& m, int b);
