// SPDX-License-Identifier: GPL-3.0-or-later
// Mechanisms that the geometry shows before any factor: a node that its bars and supports hold
// along one line only, so that it moves across that line without straining a bar.
#pragma once

#include "core/model.h"

// The model's DOF (2n - 1: X, 2n: Y) along which the lowest-numbered node that its bars and
// supports hold along one line only moves most freely; 0 when there is none. Bars that lie on
// one line only within the rounding of the stored coordinates count as one line: the stiffness
// across them that the rounding makes is no stiffness. One pass over the bars and the supports.
int swobodny_stopien(const Konstrukcja& k);
