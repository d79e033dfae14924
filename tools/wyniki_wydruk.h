// SPDX-License-Identifier: GPL-3.0-or-later
// What the command-line analyser prints: the results as the results window lists them or as CSV,
// of a case, a combination or the envelope, and the list of cases and combinations.
#pragma once

#include <string>
#include <vector>

#include "core/model.h"
#include "core/projekt.h"
#include "design/kombinacje.h"

// The store's results (what is shown) as tables.
void wyniki_tabele(const Model& m);
// The same as CSV lines, each led by `przedrostek` (empty, or "P2," / "K5,").
void wyniki_csv(const Model& m, const std::string& przedrostek = "");
// The envelope over the combinations: tables, or CSV lines obwiednia / obwiednia_wezel /
// obwiednia_reakcja with the combinations' numbers from 1.
void obwiednia_tabele(const Model& m, const std::vector<Kombinacja>& k);
void obwiednia_csv(const Model& m, const std::vector<Kombinacja>& k);
// The cases P1.. and the combinations K1.. with their factors.
void lista(const Projekt& p, const std::vector<Kombinacja>& k);
