// SPDX-License-Identifier: GPL-3.0-or-later
// The checks of one truss bar in axial force over the ULS combinations, PN-EN 1993-1-1:
// tension 6.2.3, compression 6.2.4, flexural buckling 6.3.1 (with BB.1.2 for angle web members).
// The governing check is the one of the greatest utilisation U = |N_Ed| / N_Rd; since N_Rd does
// not grow with |N_Ed|, the greatest tension and the greatest compression are the forces to check.
// A bar whose data do not allow a needed check is "nie sprawdzono" with the reason, never a pass.
// Units: N, mm, MPa (N/mm²); N_Ed > 0 is tension.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "design/nosnosc.h"
#include "design/wyboczenie.h"

// How an angle web member is connected at its ends (BB.1.2).
enum class PolaczenieKatownika {
    nie_dotyczy,  // not an angle web member: plain 6.3.1
    bb_1_2,       // welded, or at least two bolts: effective slenderness of BB.1.2(1)B
    jedna_sruba,  // one bolt: BB.1.2(2)B asks for 6.2.9, not computed here
};

struct DanePreta {
    double A = 0;            // gross area
    double wsp_A_net = 1.0;  // A_net / A at the holes, 0 < ratio <= 1
    int klasa = 0;           // class of the section in compression, 1..4; 0 unknown
    double f_y = 0, f_u = 0;
    double E = 210000;  // 3.2.6(1)
    // 6.1(1) NOTE 2B, recommended values; a National Annex may set others.
    double gamma_M0 = 1.00, gamma_M1 = 1.00, gamma_M2 = 1.25;
    // In-plane and out-of-plane; the v axis too for an angle. Under BB.1.2 each L_cr is the
    // system length, the clause's effective slenderness allowing for the end fixity.
    std::vector<OsWyboczenia> osie;
    PolaczenieKatownika katownik = PolaczenieKatownika::nie_dotyczy;
};

enum class StanSprawdzenia { spelnia, nie_spelnia, nie_sprawdzono };

struct Sprawdzenie {
    std::string nazwa;    // "rozciąganie 6.2.3", "wyboczenie 6.3.1 z płaszczyzny", ...
    int kombinacja = -1;  // index of the governing combination
    double N_Ed = 0, N_Rd = 0, U = 0;
};

struct WynikPreta {
    StanSprawdzenia stan = StanSprawdzenia::nie_sprawdzono;
    std::string powod;  // why a check was not made
    std::vector<Sprawdzenie> sprawdzenia;
    int decyduje = -1;  // index into sprawdzenia of the greatest U
    double U = 0;
    // The hand calculation behind the checks, for the report.
    bool jest_rozciaganie = false, jest_sciskanie = false;
    Rozciaganie rozciaganie;
    Sciskanie sciskanie;
    Wyboczenie wyboczenie;
};

// N_Ed holds the bar's force in each combination; a NaN entry is a combination that does not
// apply (an SLS one), so the indices stay those of the project's list.
WynikPreta sprawdz_pret(const DanePreta& d, std::span<const double> N_Ed);
