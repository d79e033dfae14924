// SPDX-License-Identifier: GPL-3.0-or-later
// Flexural buckling of uniform members in compression, PN-EN 1993-1-1 6.3.1.1 to 6.3.1.3, and
// the effective slenderness of angles as web members of trusses, Annex BB.1.2.
// Units: N, mm, MPa (N/mm²).
//
// BB.1.2(1)B: where the chords restrain the ends of an angle web member and its end connections
// give fixity (welded, or at least two bolts), the eccentricities may be neglected and the end
// fixity allowed for by the effective slenderness (BB.1)
//   lambda_eff,v = 0,35 + 0,7 lambda_v, lambda_eff,y = 0,50 + 0,7 lambda_y,
//   lambda_eff,z = 0,50 + 0,7 lambda_z,
// with lambda of 6.3.1.3 (6.50) from the system length (BB.1.1(4)B excepts angles from
// the reduced in-plane length). The clause changes the slenderness only: chi still follows
// (6.49) with alpha of the curve of Table 6.2 for angles (curve b). The shortcut of 6.3.1.2(4)
// is not taken with lambda_eff: the effective slenderness carries the eccentricity of the
// connection, which the shortcut would drop. With one bolt, BB.1.2(2)B asks for the eccentricity
// by 6.2.9, which this program does not compute.
#pragma once

#include <vector>

// Elastic critical force, pi^2 E I / L_cr^2 written with I = A i^2.
double N_cr(double E, double A, double i, double L_cr);
double lambda_kreska(double A, double f_y, double N_cr);  // (6.50), classes 1, 2 and 3
double lambda_eff_v(double lambda_v);                     // (BB.1), about the v-v axis
double lambda_eff_yz(double lambda);                      // (BB.1), about the y-y or z-z axis
double Phi(double alfa, double lambda);                   // 6.3.1.2(1)
double chi(double alfa, double lambda);                   // (6.49), at most 1,0
double N_b_Rd(double chi, double A, double f_y, double gamma_M1);  // (6.47), classes 1, 2 and 3

// The axes a truss member may buckle about: in the truss plane, out of it, and the minor
// principal axis v of an angle.
enum class Os { w_plaszczyznie, z_plaszczyzny, v };

struct OsWyboczenia {
    Os os = Os::w_plaszczyznie;
    double L_cr = 0;  // buckling length, mm
    double i = 0;     // radius of gyration about the axis, mm
    double alfa = 0;  // imperfection factor of the axis's buckling curve, Table 6.1
};

struct WyboczenieOsi {
    OsWyboczenia dane;
    double N_cr = 0, lambda = 0;
    bool bb = false;        // BB.1.2 applied
    double lambda_eff = 0;  // the slenderness chi is taken at: lambda_eff by BB.1.2, else lambda
    double Phi = 0, chi = 1, N_b_Rd = 0;
    bool pominiete = false;  // 6.3.1.2(4): buckling effects ignored, chi = 1
};

// One axis for a compressive force of magnitude N_Ed (N_Ed enters only through 6.3.1.2(4)).
WyboczenieOsi wyboczenie_osi(const OsWyboczenia& os, double A, double f_y, double E,
                             double gamma_M1, double N_Ed, bool bb_1_2);

// Every axis; the governing one has the least N_b,Rd.
struct Wyboczenie {
    std::vector<WyboczenieOsi> osie;
    int decyduje = -1;  // index into osie
    double N_b_Rd = 0;
};
Wyboczenie wyboczenie_6_3_1(const std::vector<OsWyboczenia>& osie, double A, double f_y, double E,
                            double gamma_M1, double N_Ed, bool bb_1_2);
