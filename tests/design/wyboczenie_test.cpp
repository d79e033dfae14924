// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/wyboczenie.h"

#include <gtest/gtest.h>

namespace {

// Agreement to 0,5 % with the hand calculation.
void blisko(double nasz, double reczny, const char* co) {
    EXPECT_NEAR(nasz, reczny, 0.005 * std::abs(reczny)) << co;
}

// Section properties from published tables:
//  CHS 114,3x5 (EN 10210-2, hot finished): A = 17,2 cm², i = 3,87 cm;
//  L 80x80x8 (EN 10056-1): A = 12,3 cm², I_y = I_z = 72,2 cm⁴ (i_y = i_z = 2,43 cm),
//    I_v = 29,9 cm⁴ (i_v = 1,56 cm);
//  IPE 200 (EN 10365): A = 28,5 cm², i_y = 8,26 cm, i_z = 2,24 cm.
// alpha from Table 6.1 for the curve of Table 6.2: hot-finished hollow section a (0,21);
// angle b (0,34); rolled I, h/b = 2 > 1,2, t_f <= 40 mm: y-y a (0,21), z-z b (0,34).
// E = 210000 MPa, gamma_M1 = 1,0; N_Ed large enough that 6.3.1.2(4) does not apply by force.
struct Przyklad {
    const char* nazwa;
    OsWyboczenia os;
    double A, f_y;
    bool bb;
    double N_cr, lambda, lambda_eff, Phi, chi, N_b_Rd;
    bool pominiete;
};

const Przyklad przyklady[] = {
    // N_cr = pi²·210000·1720·38,7²/3000² = 593 235 N; lambda = sqrt(1720·355/593235)
    // = sqrt(1,02927) = 1,01453; Phi = 0,5·[1 + 0,21·(1,01453 − 0,2) + 1,02927] = 1,10016;
    // chi = 1/(1,10016 + sqrt(1,21036 − 1,02927)) = 1/(1,10016 + 0,42554) = 0,65544;
    // N_b,Rd = 0,65544·1720·355/1,0 = 400 210 N.
    {"CHS 114,3x5 S355, L = 3 m",
     {Os::w_plaszczyznie, 3000, 38.7, 0.21},
     1720,
     355,
     false,
     593235,
     1.01453,
     1.01453,
     1.10016,
     0.65544,
     400210,
     false},
    // Angle web member, system length 2 m, two bolts, about v: N_cr = pi²·210000·1230·15,6²/2000²
    // = 155 101 N; lambda_v = sqrt(1230·235/155101) = sqrt(1,86363) = 1,36515;
    // lambda_eff,v = 0,35 + 0,7·1,36515 = 1,30560 (BB.1); Phi = 0,5·[1 + 0,34·(1,30560 − 0,2)
    // + 1,70459] = 1,54025; chi = 1/(1,54025 + sqrt(2,37238 − 1,70459)) = 1/(1,54025 + 0,81718)
    // = 0,42419; N_b,Rd = 0,42419·1230·235 = 122 612 N.
    {"L 80x80x8 S235, BB.1.2, oś v",
     {Os::v, 2000, 15.6, 0.34},
     1230,
     235,
     true,
     155101,
     1.36515,
     1.30560,
     1.54025,
     0.42419,
     122612,
     false},
    // The same about y (in the truss plane): N_cr = pi²·210000·1230·24,3²/2000² = 376 337 N;
    // lambda_y = sqrt(289050/376337) = 0,87639; lambda_eff,y = 0,50 + 0,7·0,87639 = 1,11347;
    // Phi = 0,5·[1 + 0,34·0,91347 + 1,23982] = 1,27520; chi = 1/(1,27520 + sqrt(1,62614
    // − 1,23982)) = 1/(1,27520 + 0,62155) = 0,52722; N_b,Rd = 0,52722·289050 = 152 392 N.
    {"L 80x80x8 S235, BB.1.2, oś y",
     {Os::w_plaszczyznie, 2000, 24.3, 0.34},
     1230,
     235,
     true,
     376337,
     0.87639,
     1.11347,
     1.27520,
     0.52722,
     152392,
     false},
    // IPE 200 chord, panel 1,5 m, in plane about y: N_cr = pi²·210000·2850·82,6²/1500²
    // = 17 911 893 N; lambda = sqrt(2850·235/17911893) = sqrt(0,037391) = 0,19337 <= 0,2:
    // buckling ignored, 6.3.1.2(4), chi = 1 (Phi = 0,5·[1 − 0,21·0,00663 + 0,03739] = 0,51800);
    // N_b,Rd = 669 750 N.
    {"IPE 200 S235 w płaszczyźnie, 1,5 m",
     {Os::w_plaszczyznie, 1500, 82.6, 0.21},
     2850,
     235,
     false,
     17911893,
     0.19337,
     0.19337,
     0.51800,
     1.0,
     669750,
     true},
    // Out of plane about z, braced at every other node, L_cr = 3 m: N_cr = pi²·210000·2850·22,4²
    // /3000² = 329 319 N; lambda = sqrt(669750/329319) = sqrt(2,03374) = 1,42609;
    // Phi = 0,5·[1 + 0,34·1,22609 + 2,03374] = 1,72531; chi = 1/(1,72531 + sqrt(2,97668
    // − 2,03374)) = 1/(1,72531 + 0,97105) = 0,37087; N_b,Rd = 0,37087·669750 = 248 391 N.
    {"IPE 200 S235 z płaszczyzny, 3 m",
     {Os::z_plaszczyzny, 3000, 22.4, 0.34},
     2850,
     235,
     false,
     329319,
     1.42609,
     1.42609,
     1.72531,
     0.37087,
     248391,
     false},
};

TEST(Wyboczenie, PrzykladyLiczoneRecznieZgadzajaSieWKazdejWartosciPosredniej) {
    for (const Przyklad& p : przyklady) {
        SCOPED_TRACE(p.nazwa);
        const WyboczenieOsi w = wyboczenie_osi(p.os, p.A, p.f_y, 210000, 1.0, 1e9, p.bb);
        blisko(w.N_cr, p.N_cr, "N_cr");
        blisko(w.lambda, p.lambda, "lambda");
        blisko(w.lambda_eff, p.lambda_eff, "lambda_eff");
        blisko(w.Phi, p.Phi, "Phi");
        blisko(w.chi, p.chi, "chi");
        blisko(w.N_b_Rd, p.N_b_Rd, "N_b,Rd");
        EXPECT_EQ(w.pominiete, p.pominiete);
    }
}

// 6.3.1.2(4): N_Ed / N_cr <= 0,04 lets chi = 1; for the CHS above 0,04·593235 = 23 729 N.
TEST(Wyboczenie, MalaSilaWzgledemKrytycznejPozwalaPominacWyboczenie) {
    const OsWyboczenia os{Os::w_plaszczyznie, 3000, 38.7, 0.21};
    const WyboczenieOsi mala = wyboczenie_osi(os, 1720, 355, 210000, 1.0, 23600, false);
    EXPECT_TRUE(mala.pominiete);
    EXPECT_DOUBLE_EQ(mala.chi, 1.0);
    const WyboczenieOsi wieksza = wyboczenie_osi(os, 1720, 355, 210000, 1.0, 23900, false);
    EXPECT_FALSE(wieksza.pominiete);
    blisko(wieksza.chi, 0.65544, "chi");
    // Under BB.1.2 the effective slenderness stays, however small the force.
    const WyboczenieOsi kat =
        wyboczenie_osi({Os::v, 2000, 15.6, 0.34}, 1230, 235, 210000, 1.0, 100, true);
    EXPECT_FALSE(kat.pominiete);
    blisko(kat.chi, 0.42419, "chi BB.1.2");
}

TEST(Wyboczenie, SmuklosciPozaZakresemLiczbNieDajaNosnosci) {
    // i = 1e-200 mm: N_cr underflows to 0 and lambda is infinite.
    const WyboczenieOsi w =
        wyboczenie_osi({Os::v, 2000, 1e-200, 0.34}, 1230, 235, 210000, 1.0, 1e3, false);
    EXPECT_EQ(w.chi, 0.0);
    EXPECT_EQ(w.N_b_Rd, 0.0);
}

}  // namespace
