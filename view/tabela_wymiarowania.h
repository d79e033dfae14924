// SPDX-License-Identifier: GPL-3.0-or-later
// The design as tables: the sections' steel, each bar's checks and the SLS displacement. Shown in
// a window of their own, under the results and in print.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "design/kombinacje.h"
#include "files/wymiarowanie_projektu.h"
#include "view/tabela_tekstowa.h"

struct DaneTabeliWymiarowania {
    std::shared_ptr<const WynikWymiarowania> wynik;
    std::vector<Kombinacja> kombinacje;
    DaneWymiarowania dane;  // the factors and the sections' data as designed
    UkladJednostek jednostki = UkladJednostek::brak;
};

std::vector<SekcjaTabeli> sekcje_wymiarowania(std::shared_ptr<const DaneTabeliWymiarowania> d);

// Texts shared by the tables, the statistics and the exports.
std::string stan_preta(const WymiarowaniePreta& p);
std::string liczba_wymiarowania(double v);  // "%.5g", "—" when not a number
std::string nazwa_kombinacji(const std::vector<Kombinacja>& k, int i);
