// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/nosnosc.h"

#include <algorithm>

double N_pl_Rd(double A, double f_y, double gamma_M0) {
    return A * f_y / gamma_M0;
}

double N_u_Rd(double A_net, double f_u, double gamma_M2) {
    return 0.9 * A_net * f_u / gamma_M2;
}

double N_c_Rd(double A, double f_y, double gamma_M0) {
    return A * f_y / gamma_M0;
}

Rozciaganie rozciaganie_6_2_3(double A, double A_net, double f_y, double f_u, double gamma_M0,
                              double gamma_M2) {
    Rozciaganie r{A, A_net, f_y, f_u, gamma_M0, gamma_M2};
    r.N_pl_Rd = N_pl_Rd(A, f_y, gamma_M0);
    r.N_u_Rd = N_u_Rd(A_net, f_u, gamma_M2);
    r.N_t_Rd = std::min(r.N_pl_Rd, r.N_u_Rd);  // 6.2.3(2)
    r.netto_decyduje = r.N_u_Rd < r.N_pl_Rd;
    return r;
}

Sciskanie sciskanie_6_2_4(double A, double f_y, double gamma_M0, int klasa) {
    Sciskanie s{klasa, A, f_y, gamma_M0};
    s.zaprojektowano = klasa >= 1 && klasa <= 3;
    if (s.zaprojektowano) s.N_c_Rd = N_c_Rd(A, f_y, gamma_M0);
    return s;
}
