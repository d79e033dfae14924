// SPDX-License-Identifier: GPL-3.0-or-later
// Resistance of cross-sections to axial force, PN-EN 1993-1-1 6.2.3 and 6.2.4.
// Units: N, mm, MPa (N/mm²).
#pragma once

double N_pl_Rd(double A, double f_y, double gamma_M0);     // (6.6) gross section
double N_u_Rd(double A_net, double f_u, double gamma_M2);  // (6.7) net section at the holes
double N_c_Rd(double A, double f_y, double gamma_M0);      // (6.10) classes 1, 2 and 3

// Tension, 6.2.3: N_t,Rd is the lesser of N_pl,Rd and N_u,Rd (6.6), (6.7).
struct Rozciaganie {
    double A = 0, A_net = 0, f_y = 0, f_u = 0, gamma_M0 = 0, gamma_M2 = 0;
    double N_pl_Rd = 0, N_u_Rd = 0, N_t_Rd = 0;
    bool netto_decyduje = false;  // the net section governs
};
Rozciaganie rozciaganie_6_2_3(double A, double A_net, double f_y, double f_u, double gamma_M0,
                              double gamma_M2);

// Compression, 6.2.4. A class 4 section needs A_eff (6.11), which this program does not
// compute: such a section is left undesigned and never passes.
struct Sciskanie {
    int klasa = 0;
    double A = 0, f_y = 0, gamma_M0 = 0;
    double N_c_Rd = 0;
    bool zaprojektowano = false;  // false for class 4
};
Sciskanie sciskanie_6_2_4(double A, double f_y, double gamma_M0, int klasa);
