// SPDX-License-Identifier: GPL-3.0-or-later
// Edits of many nodes and bars at once, over the store alone.
#pragma once

#include <vector>

#include "core/model.h"

// Copies of the nodes `wezly` (ascending) shifted by k·(dx, dy) for k = 1..kopii, with copies of
// every bar whose two ends are among them (its material and section kept). A copy that falls on
// a node, within a millionth of the truss's size, is that node, and a bar already joining two
// nodes is not made again, so a panel copied by its width joins the truss. The nodes and bars of
// the copies, made or met, come back ascending in `wezly_kopii` and `prety_kopii`.
void kopiuj_wezly(Model& m, const std::vector<int>& wezly, float dx, float dy, int kopii,
                  std::vector<int>& wezly_kopii, std::vector<int>& prety_kopii);
