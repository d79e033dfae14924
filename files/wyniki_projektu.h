// SPDX-License-Identifier: GPL-3.0-or-later
// The results a project shows: of a load case, of a combination (a sum of case results, since the
// analysis is linear), or the envelope over the combinations. Shared by the window, the tables,
// the exports and the command-line analyser.
#pragma once

#include <string>
#include <vector>

#include "core/model.h"
#include "core/projekt.h"
#include "design/kombinacje.h"

// The cases as the combinations see them.
std::vector<OpisPrzypadku> opisy_przypadkow(const Projekt& p);

// Every combination of the project: generated to PN-EN 1990 from the cases' kinds and categories,
// then the user's own. `ostrzezenie` gets a message when a list had to be cut.
std::vector<Kombinacja> kombinacje_projektu(const Projekt& p, std::string* ostrzezenie = nullptr);

// Whether the kind of combination enters the envelope of forces and reactions: the ultimate
// limit states, and the user's own combinations, which are made for design.
bool do_obwiedni_sil(RodzajKombinacji r);

// The results of one combination: each case's results times its factor, summed in double.
WynikPrzypadku wynik_kombinacji(const std::vector<WynikPrzypadku>& w,
                                const std::vector<double>& wsp);

// The envelope: for each bar the least and the greatest stress over the ULS and the user's
// combinations, for each support entry the least and greatest reaction, for each node the
// largest displacement over the SLS characteristic combinations; each with the index of the
// governing combination (-1: none).
struct ObwiedniaWynikow {
    std::vector<double> s_min, s_max;  // stress per bar
    std::vector<int> ks_min, ks_max;
    std::vector<double> r_min, r_max;  // reaction per support entry
    std::vector<int> kr_min, kr_max;
    std::vector<double> u_max;  // displacement magnitude per node
    std::vector<int> ku;
    std::vector<float> ux, uy;  // the governing combination's displacement of each node
};
ObwiedniaWynikow obwiednia_wynikow(const std::vector<WynikPrzypadku>& w,
                                   const std::vector<Kombinacja>& k);

// The store's result arrays (f, stressp, react) made to show `pokaz` from m.wyniki: the current
// case's own, a combination's, or for the envelope the extreme of each bar and support (the one
// of larger magnitude) and each node's governing displacement. False, leaving the arrays as they
// were, when the results of every case are not there or the combination does not exist.
bool pokaz_w_magazynie(Model& m, const Projekt& p, const PokazWynikow& pokaz,
                       const std::vector<Kombinacja>& k);

// One line saying what is shown: "Przypadek 2: Śnieg", "Kombinacja SGN 3 (6.10b, wiodące:
// Śnieg): 1,35·G + 1,5·S", "Obwiednia: SGN, przemieszczenia SGU charakterystyczne". Empty for a
// project with one case showing it, which looks as it always has.
std::string tytul_wynikow(const Projekt& p, const PokazWynikow& pokaz,
                          const std::vector<Kombinacja>& k);
