// SPDX-License-Identifier: GPL-3.0-or-later
// Classification of cross-sections in compression, PN-EN 1993-1-1 5.5.2 and Table 5.2.
#pragma once

#include <vector>

#include "design/przekroje.h"

namespace wymiarowanie {

// Table 5.2: ε = √(235 / f_y), f_y in MPa.
double epsilon(double f_y);

// One compressed part of a section and the criterion of Table 5.2 it is held to.
struct Scianka {
    const char* nazwa = "";  // "środnik", "półka", "ścianka h", "ramię b", "kątownik", "rura"
    const char* stosunek = "";  // what is compared: "c/t", "d/t", "h/t", "(b+h)/2t"
    const char* arkusz = "";    // "Tablica 5.2 (arkusz 1)" ..
    double c = 0;               // numerator: c, d, h or (b+h)/2 [mm]
    double t = 0;               // thickness [mm]
    double wartosc = 0;         // c/t
    // Upper limits of classes 1, 2 and 3; 0 where the sheet gives none (the angle's own sheet
    // 3 criteria only part class 3 from class 4).
    double granica[3] = {0, 0, 0};
    int klasa = 1;  // the class this part alone allows: the first limit met, 4 past the last
};

struct KlasaPrzekroju {
    int klasa = 1;  // of the whole section: the largest of its parts'
    double epsilon = 1;
    std::vector<Scianka> scianki;
    int decydujaca = 0;  // index of the part that governs
};

// Class of the section under uniform compression for the yield strength f_y > 0 [MPa].
//  I, H:   web as an internal part, c = h - 2t_f - 2r; flange outstand c = (b - t_w - 2r)/2.
//  UPN:    web as an internal part, c = its straight length between the fillets on the sloping
//          flanges; flange outstand c = b - t_w - r_1 at the nominal t_f.
//  RHS:    each wall an internal part with c = h - 3t and b - 3t (the Table's note for hollow
//          sections).
//  CHS:    d/t against 50ε², 70ε², 90ε² (sheet 3).
//  Angle:  each leg an outstand flange (sheet 2, as sheet 3 refers) with c = leg - t - r_1, and
//          the angle's own criteria of sheet 3, h/t <= 15ε and (b+h)/2t <= 11.5ε, h the longer
//          leg; failing them makes it class 4. Two angles back to back are classed as one.
KlasaPrzekroju klasa_przekroju_sciskanego(const Profil& p, double f_y);

}  // namespace wymiarowanie
