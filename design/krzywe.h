// SPDX-License-Identifier: GPL-3.0-or-later
// Buckling curves for flexural buckling, PN-EN 1993-1-1 6.3.1.2: the curve of a section by
// Table 6.2 and its imperfection factor by Table 6.1.
#pragma once

#include "design/przekroje.h"

namespace wymiarowanie {

enum class Krzywa { a0, a, b, c, d };

// The axis of buckling: y-y, z-z, or the minor principal axis v-v of a single angle.
enum class Os { y, z, v };

const char* nazwa(Krzywa k);  // "a0", "a", "b", "c", "d"
const char* nazwa(Os o);      // "y-y", "z-z", "v-v"

// Table 6.1: α = 0.13, 0.21, 0.34, 0.49, 0.76 for curves a0, a, b, c, d.
double alfa(Krzywa k);

struct KrzywaWyboczenia {
    Krzywa krzywa = Krzywa::b;
    double alfa = 0.34;
    const char* uzasadnienie = "";  // the row of Table 6.2 that applies, in Polish
};

// Table 6.2 for the section, axis and grade:
//  rolled I/H: h/b > 1.2 and t_f <= 40 mm: y-y a, z-z b (S460: a0, a0);
//              h/b > 1.2 and 40 < t_f <= 100 mm: y-y b, z-z c (S460: a, a);
//              h/b <= 1.2 and t_f <= 100 mm: y-y b, z-z c (S460: a, a);
//              t_f > 100 mm: d, d;
//  hollow sections hot-finished: a (S460: a0); cold-formed: c;
//  U sections (UPN): c; L sections, single or two back to back: b; any axis.
KrzywaWyboczenia krzywa_wyboczenia(const Profil& p, Os os, Gatunek g);

}  // namespace wymiarowanie
