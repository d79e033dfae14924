// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/wyboczenie.h"

#include <algorithm>
#include <cmath>
#include <numbers>

double N_cr(double E, double A, double i, double L_cr) {
    return std::numbers::pi * std::numbers::pi * E * A * i * i / (L_cr * L_cr);
}

double lambda_kreska(double A, double f_y, double N_cr) {
    return std::sqrt(A * f_y / N_cr);
}

double lambda_eff_v(double lambda_v) {
    return 0.35 + 0.7 * lambda_v;
}

double lambda_eff_yz(double lambda) {
    return 0.50 + 0.7 * lambda;
}

double Phi(double alfa, double lambda) {
    return 0.5 * (1 + alfa * (lambda - 0.2) + lambda * lambda);
}

double chi(double alfa, double lambda) {
    const double f = Phi(alfa, lambda);
    const double c = 1 / (f + std::sqrt(f * f - lambda * lambda));
    // A slenderness beyond the range of doubles leaves nothing of the resistance.
    return std::isnan(c) ? 0.0 : std::min(1.0, c);
}

double N_b_Rd(double chi, double A, double f_y, double gamma_M1) {
    return chi * A * f_y / gamma_M1;
}

WyboczenieOsi wyboczenie_osi(const OsWyboczenia& os, double A, double f_y, double E,
                             double gamma_M1, double N_Ed, bool bb_1_2) {
    WyboczenieOsi w;
    w.dane = os;
    w.N_cr = N_cr(E, A, os.i, os.L_cr);
    w.lambda = lambda_kreska(A, f_y, w.N_cr);
    w.bb = bb_1_2;
    if (bb_1_2)
        w.lambda_eff = os.os == Os::v ? lambda_eff_v(w.lambda) : lambda_eff_yz(w.lambda);
    else
        w.lambda_eff = w.lambda;
    w.Phi = Phi(os.alfa, w.lambda_eff);
    // 6.3.1.2(4): lambda <= 0,2 or N_Ed / N_cr <= 0,04.
    w.pominiete = !bb_1_2 && (w.lambda <= 0.2 || std::fabs(N_Ed) <= 0.04 * w.N_cr);
    w.chi = w.pominiete ? 1.0 : chi(os.alfa, w.lambda_eff);
    w.N_b_Rd = N_b_Rd(w.chi, A, f_y, gamma_M1);
    return w;
}

Wyboczenie wyboczenie_6_3_1(const std::vector<OsWyboczenia>& osie, double A, double f_y, double E,
                            double gamma_M1, double N_Ed, bool bb_1_2) {
    Wyboczenie w;
    w.osie.reserve(osie.size());
    for (const OsWyboczenia& os : osie) {
        w.osie.push_back(wyboczenie_osi(os, A, f_y, E, gamma_M1, N_Ed, bb_1_2));
        if (w.decyduje < 0 || w.osie.back().N_b_Rd < w.N_b_Rd) {
            w.decyduje = static_cast<int>(w.osie.size()) - 1;
            w.N_b_Rd = w.osie.back().N_b_Rd;
        }
    }
    return w;
}
