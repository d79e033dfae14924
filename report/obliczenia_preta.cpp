// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/obliczenia_preta.h"

#include <cmath>

#include "report/liczby.h"

namespace {

std::string l(double v, int cyfry = 4) {
    return liczba_raportu(v, cyfry);
}
// A force in N as kN.
std::string kN(double N) {
    return l(N / 1000.0) + " kN";
}

const char* os_nazwa(Os o) {
    switch (o) {
        case Os::w_plaszczyznie:
            return "w płaszczyźnie kratownicy";
        case Os::z_plaszczyzny:
            return "z płaszczyzny kratownicy";
        case Os::v:
            return "względem osi v–v kątownika";
    }
    return "";
}

std::string wyboczenie_osi(const WyboczenieOsi& w, double A, double f_y, double E,
                           double gamma_M1) {
    const OsWyboczenia& o = w.dane;
    std::string t = std::string("Wyboczenie ") + os_nazwa(o.os) +
                    " (6.3.1): L_{cr} = " + l(o.L_cr) + " mm, i = " + l(o.i) + " mm;\n";
    // 6.3.1.2(1): N_cr of the elastic critical force, here with I = A·i².
    t += "N_{cr} = π²·E·A·i²/L_{cr}² = π²·" + l(E) + "·" + l(A) + "·" + l(o.i) + "²/" + l(o.L_cr) +
         "² = " + kN(w.N_cr) + ";\n";
    // (6.49)
    t += "λ̄ = √(A·f_{y}/N_{cr}) = √(" + l(A) + "·" + l(f_y) + "/" + l(w.N_cr) +
         ") = " + l(w.lambda, 4);
    if (w.pominiete) {
        // 6.3.1.2(4)
        t += " ≤ 0,2: wpływ wyboczenia pomija się (6.3.1.2(4)), χ = 1;\n";
    } else {
        t += ";\n";
        if (w.bb) {
            // Annex BB.1.2, Table BB.1
            t += o.os == Os::v ? "λ̄_{eff} = 0,35 + 0,7·λ̄ = " + l(w.lambda_eff, 4) + " (BB.1.2);\n"
                               : "λ̄_{eff} = 0,50 + 0,7·λ̄ = " + l(w.lambda_eff, 4) + " (BB.1.2);\n";
        }
        const char* lam = w.bb ? "λ̄_{eff}" : "λ̄";
        // (6.49) with the imperfection factor of Table 6.1
        t += std::string("α = ") + l(o.alfa, 2) + " (tablice 6.1 i 6.2); Φ = 0,5·[1 + α·(" + lam +
             " − 0,2) + " + lam + "²] = " + l(w.Phi, 4) + "; χ = 1/(Φ + √(Φ² − " + lam +
             "²)) = " + l(w.chi, 4) + (w.chi >= 1.0 ? " (≤ 1,0)" : "") + ";\n";
    }
    // (6.47)
    t += "N_{b,Rd} = χ·A·f_{y}/γ_{M1} = " + l(w.chi, 4) + "·" + l(A) + "·" + l(f_y) + "/" +
         l(gamma_M1, 3) + " = " + kN(w.N_b_Rd) + ".";
    return t;
}

}  // namespace

std::vector<std::string> obliczenia_preta(int pret, const PrzekrojDoSprawdzenia& s,
                                          const WynikPreta& w, const DaneWymiarowania& d,
                                          const std::vector<Kombinacja>& kombinacje) {
    std::vector<std::string> a;
    a.push_back("Pręt " + std::to_string(pret) + ": " + s.nazwa + ", stal " + s.gatunek +
                ", klasa przekroju " + std::to_string(s.klasa) + " (tablica 5.2); A = " + l(s.A) +
                " mm², f_{y} = " + l(s.f_y) + " MPa, f_{u} = " + l(s.f_u) + " MPa (tablica 3.1).");
    if (!w.powod.empty() && w.sprawdzenia.empty()) {
        a.push_back("Nie sprawdzono: " + w.powod + ".");
        return a;
    }
    if (w.jest_rozciaganie) {
        const Rozciaganie& r = w.rozciaganie;
        // 6.2.3(2): (6.6) and (6.7)
        a.push_back("Rozciąganie (6.2.3): N_{pl,Rd} = A·f_{y}/γ_{M0} = " + l(r.A) + "·" + l(r.f_y) +
                    "/" + l(r.gamma_M0, 3) + " = " + kN(r.N_pl_Rd) +
                    ";\nN_{u,Rd} = 0,9·A_{net}·f_{u}/γ_{M2} = 0,9·" + l(r.A_net) + "·" + l(r.f_u) +
                    "/" + l(r.gamma_M2, 3) + " = " + kN(r.N_u_Rd) +
                    ";\nN_{t,Rd} = min(N_{pl,Rd}, N_{u,Rd}) = " + kN(r.N_t_Rd) + ".");
    }
    if (w.jest_sciskanie) {
        const Sciskanie& c = w.sciskanie;
        if (!c.zaprojektowano)
            a.push_back("Ściskanie (6.2.4): przekrój klasy 4 — nie sprawdzono.");
        else
            // (6.10)
            a.push_back("Ściskanie (6.2.4): N_{c,Rd} = A·f_{y}/γ_{M0} = " + l(c.A) + "·" +
                        l(c.f_y) + "/" + l(c.gamma_M0, 3) + " = " + kN(c.N_c_Rd) + ".");
        for (const WyboczenieOsi& o : w.wyboczenie.osie)
            a.push_back(wyboczenie_osi(o, s.A, s.f_y, d.E, d.gamma_M1));
    }
    if (w.decyduje >= 0 && static_cast<std::size_t>(w.decyduje) < w.sprawdzenia.size()) {
        const Sprawdzenie& g = w.sprawdzenia[static_cast<std::size_t>(w.decyduje)];
        const std::string k =
            g.kombinacja >= 0 && static_cast<std::size_t>(g.kombinacja) < kombinacje.size()
                ? kombinacje[static_cast<std::size_t>(g.kombinacja)].nazwa
                : std::string("–");
        a.push_back("Decyduje: " + g.nazwa + ", kombinacja " + k + ": N_{Ed} = " + kN(g.N_Ed) +
                    ";\nU = |N_{Ed}|/N_{Rd} = " + l(std::fabs(g.N_Ed) / 1000.0) + "/" +
                    l(g.N_Rd / 1000.0) + " = " + l(g.U, 3) +
                    (g.U <= 1.0 ? " ≤ 1,0 — spełnia." : " > 1,0 — nie spełnia."));
    }
    return a;
}
