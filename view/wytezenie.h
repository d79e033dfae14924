// SPDX-License-Identifier: GPL-3.0-or-later
// Utilisation in the main view: the colour of a bar by its U on a scale where 1.0 cannot be
// missed (orange up to it, red past it, grey where a bar was not checked), the legend along the
// bottom of the drawing, and the bar's label.
#pragma once

#include <string>

#include "files/wymiarowanie_projektu.h"
#include "view/powierzchnia.h"

inline constexpr Kolor kolor_niesprawdzonego{150, 150, 150};
inline constexpr Kolor kolor_przekroczenia{220, 0, 0};

// Green at 0 through yellow-green and yellow to orange at 1.0; red above 1.0.
Kolor kolor_wytezenia(double U);
// A bar's colour: by its U where it was checked and passed or failed, grey where it was not.
Kolor kolor_wytezenia(const WymiarowaniePreta& p);
// The bar's label: U with two decimals, or "—" where no check was made.
std::string etykieta_wytezenia(const WymiarowaniePreta& p);

// The legend's band along the bottom of a drawing w x h: the scale from 0 to 1.0 with its values,
// a thick mark at 1.0, then "> 1.0" in red and "nie sprawdzono" in grey.
inline constexpr int wysokosc_legendy_wytezenia = 26;
void legenda_wytezenia(Powierzchnia& dc, float w, float h);
