// SPDX-License-Identifier: GPL-3.0-or-later
// A bar's checks written out as a hand calculation: each formula of PN-EN 1993-1-1 with its
// numbers substituted and its result, in N, mm and MPa with forces in kN, as a checker reads it.
#pragma once

#include <string>
#include <vector>

#include "design/sprawdzenie.h"
#include "files/wymiarowanie_projektu.h"

// Paragraphs of the report, "_{...}" marking subscripts: the section, tension (6.2.3),
// compression (6.2.4), buckling about each axis (6.3.1, BB.1.2), and the governing check with
// its combination and utilisation, with the project's E and partial factors `d`; `kombinacje`
// names the governing combination.
std::vector<std::string> obliczenia_preta(int pret, const PrzekrojDoSprawdzenia& s,
                                          const WynikPreta& w, const DaneWymiarowania& d,
                                          const std::vector<Kombinacja>& kombinacje);
