// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/sprawdzenie.h"

#include <cmath>

namespace {

bool dodatnia(double v) {
    return std::isfinite(v) && v > 0;
}

const char* nazwa_wyboczenia(Os os, bool bb) {
    switch (os) {
        case Os::w_plaszczyznie:
            return bb ? "wyboczenie 6.3.1 i BB.1.2 w płaszczyźnie"
                      : "wyboczenie 6.3.1 w płaszczyźnie";
        case Os::z_plaszczyzny:
            return bb ? "wyboczenie 6.3.1 i BB.1.2 z płaszczyzny"
                      : "wyboczenie 6.3.1 z płaszczyzny";
        case Os::v:
            return bb ? "wyboczenie 6.3.1 i BB.1.2 względem osi v"
                      : "wyboczenie 6.3.1 względem osi v";
    }
    return "";
}

// Why the compression checks cannot be made, or empty.
std::string brak_do_sciskania(const DanePreta& d) {
    if (d.klasa < 1 || d.klasa > 4) return "brak klasy przekroju";
    if (d.klasa == 4) return "klasa 4 — nie sprawdzono";
    if (d.katownik == PolaczenieKatownika::jedna_sruba)
        return "kątownik na jedną śrubę: mimośród połączenia (6.2.9) nie jest liczony — nie "
               "sprawdzono";
    if (!dodatnia(d.gamma_M0) || !dodatnia(d.gamma_M1)) return "niepoprawne współczynniki γM";
    if (!dodatnia(d.E)) return "brak modułu sprężystości E";
    if (d.osie.empty()) return "brak długości wyboczeniowych";
    for (const OsWyboczenia& os : d.osie) {
        if (!dodatnia(os.L_cr)) return "brak długości wyboczeniowej";
        if (!dodatnia(os.i)) return "brak promienia bezwładności";
        if (!std::isfinite(os.alfa) || os.alfa < 0) return "brak krzywej wyboczeniowej";
    }
    return {};
}

std::string brak_do_rozciagania(const DanePreta& d) {
    if (!dodatnia(d.f_u)) return "brak wytrzymałości stali na rozciąganie f_u";
    if (!dodatnia(d.wsp_A_net) || d.wsp_A_net > 1) return "niepoprawny stosunek A_net / A";
    if (!dodatnia(d.gamma_M0) || !dodatnia(d.gamma_M2)) return "niepoprawne współczynniki γM";
    return {};
}

}  // namespace

WynikPreta sprawdz_pret(const DanePreta& d, std::span<const double> N_Ed) {
    WynikPreta w;
    if (!dodatnia(d.A)) {
        w.powod = "brak przekroju";
        return w;
    }
    if (!dodatnia(d.f_y)) {
        w.powod = "brak gatunku stali";
        return w;
    }
    // The greatest tension and the greatest compression, first combination on a tie.
    int k_rozc = -1, k_sc = -1, zastosowane = 0;
    for (std::size_t k = 0; k < N_Ed.size(); ++k) {
        const double n = N_Ed[k];
        if (!std::isfinite(n)) continue;
        ++zastosowane;
        if (n > 0 && (k_rozc < 0 || n > N_Ed[k_rozc])) k_rozc = static_cast<int>(k);
        if (n < 0 && (k_sc < 0 || n < N_Ed[k_sc])) k_sc = static_cast<int>(k);
    }
    if (zastosowane == 0) {
        w.powod = "brak kombinacji SGN";
        return w;
    }
    // Tension, compression and an axis or three of buckling: one allocation per bar.
    w.sprawdzenia.reserve(2 + d.osie.size());
    auto dodaj = [&](std::string nazwa, int k, double N_Rd) {
        const double n = N_Ed[k];
        w.sprawdzenia.push_back({std::move(nazwa), k, n, N_Rd, std::fabs(n) / N_Rd});
    };
    auto nie_sprawdzono = [&](std::string powod) {
        if (w.powod.empty()) w.powod = std::move(powod);
    };

    if (k_rozc >= 0) {
        if (std::string b = brak_do_rozciagania(d); !b.empty()) {
            nie_sprawdzono(std::move(b));
        } else {
            w.jest_rozciaganie = true;
            w.rozciaganie =
                rozciaganie_6_2_3(d.A, d.wsp_A_net * d.A, d.f_y, d.f_u, d.gamma_M0, d.gamma_M2);
            dodaj("rozciąganie 6.2.3", k_rozc, w.rozciaganie.N_t_Rd);
        }
    }
    if (k_sc >= 0) {
        w.sciskanie = sciskanie_6_2_4(d.A, d.f_y, d.gamma_M0, d.klasa);
        if (std::string b = brak_do_sciskania(d); !b.empty()) {
            nie_sprawdzono(std::move(b));
        } else {
            w.jest_sciskanie = true;
            dodaj("ściskanie 6.2.4", k_sc, w.sciskanie.N_c_Rd);
            const bool bb = d.katownik == PolaczenieKatownika::bb_1_2;
            w.wyboczenie =
                wyboczenie_6_3_1(d.osie, d.A, d.f_y, d.E, d.gamma_M1, std::fabs(N_Ed[k_sc]), bb);
            for (const WyboczenieOsi& o : w.wyboczenie.osie)
                dodaj(nazwa_wyboczenia(o.dane.os, bb), k_sc, o.N_b_Rd);
        }
    }

    for (std::size_t i = 0; i < w.sprawdzenia.size(); ++i)
        if (w.decyduje < 0 || w.sprawdzenia[i].U > w.U) {
            w.decyduje = static_cast<int>(i);
            w.U = w.sprawdzenia[i].U;
        }
    // A check that fails settles the bar; a check that could not be made keeps it from passing.
    if (w.U > 1)
        w.stan = StanSprawdzenia::nie_spelnia;
    else if (!w.powod.empty())
        w.stan = StanSprawdzenia::nie_sprawdzono;
    else
        w.stan = StanSprawdzenia::spelnia;
    return w;
}
