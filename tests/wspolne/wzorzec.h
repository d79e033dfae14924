// SPDX-License-Identifier: GPL-3.0-or-later
// An independent reference solver for small trusses: dense stiffness in long double, supports
// imposed exactly (no penalty), Gaussian elimination with partial pivoting.
#pragma once

#include <vector>

#include "core/model.h"

struct Wzorzec {
    std::vector<long double> u;       // [0..nq-1] displacements
    std::vector<long double> stress;  // [0..ne-1]
    std::vector<long double> react;   // per support DOF: the force the supports exert on it
    bool osobliwy = false;
};

Wzorzec rozwiaz_wzorzec(const Model& m);
