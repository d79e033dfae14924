// SPDX-License-Identifier: GPL-3.0-or-later
// Member design of a whole project: a model in kN and cm whose sections are linked to profiles,
// analysed, then designed over its combinations. Every result is held against a hand
// calculation written out below, agreement to 0,5 %.
#include "files/wymiarowanie_projektu.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/analiza.h"
#include "files/wyniki_projektu.h"
#include "tests/wspolne/kratownice.h"

namespace {

void blisko(double nasz, double reczny, const char* co) {
    EXPECT_NEAR(nasz, reczny, 0.005 * std::fabs(reczny)) << co;
}

// Six bars on rows of their own, each pinned at its left node and held in Y at the others, pushed
// or pulled along X at its right end, so that the force of each is the load (kN):
//  1  RO 114,3x5 S355, 300 cm, -200 kN
//  2  L 80x8 S235 web member on two bolts (BB.1.2), 200 cm, -60 kN
//  3  L 80x8 S235 in tension with holes, A_net = 0,80 A, 200 cm, +150 kN
//  4, 5  IPE 200 S235 chord of two panels of 150 cm under -150 kN, braced out of plane at its
//        ends only: every other node (bar 4: factor 2,0, bar 5: a length of 300 cm)
//  6  RO 323,9x5 S355, 300 cm, -100 kN: class 4
// One permanent case: the ULS combinations are 1,35 G and 1,00 G (6.10a), 1,1475 G (6.10b);
// the greatest force is 1,35 times the load.
struct Projekt6 {
    Model m;
    Projekt p;
    Projekt6() {
        zbuduj(m, {.wezly = {{0, 0},
                             {300, 0},
                             {0, 100},
                             {200, 100},
                             {0, 200},
                             {200, 200},
                             {0, 300},
                             {150, 300},
                             {300, 300},
                             {0, 400},
                             {300, 400}},
                   .prety = {{1, 2, 1, 1},
                             {3, 4, 1, 2},
                             {5, 6, 1, 3},
                             {7, 8, 1, 4},
                             {8, 9, 1, 4},
                             {10, 11, 1, 5}},
                   .materialy = {{21000.0f, 1.2e-5f}},
                   .pola = {1, 1, 1, 1, 1},
                   .podpory = {{1, 0},
                               {2, 0},
                               {4, 0},
                               {5, 0},
                               {6, 0},
                               {8, 0},
                               {9, 0},
                               {10, 0},
                               {12, 0},
                               {13, 0},
                               {14, 0},
                               {16, 0},
                               {18, 0},
                               {19, 0},
                               {20, 0},
                               {22, 0}},
                   .sily = {{3, -200}, {7, -60}, {11, 150}, {17, -150}, {21, -100}}});
        DaneWymiarowania& d = p.wymiarowanie;
        rozwin_wymiarowanie(d, m.na, m.ne);
        d.przekroje[0] = {.rodzina = "RO", .profil = "RO 114,3x5", .gatunek = "S355"};
        d.przekroje[1] = {.rodzina = "L", .profil = "L 80x8"};
        d.przekroje[2] = {.rodzina = "L", .profil = "L 80x8", .wsp_A_net = 0.8};
        d.przekroje[3] = {.rodzina = "IPE", .profil = "IPE 200"};
        d.przekroje[4] = {.rodzina = "RO", .profil = "RO 323,9x5", .gatunek = "S355"};
        d.prety[1].polaczenie = 1;
        d.prety[3].L_z = 2.0;
        d.prety[4].L_z = 300.0, d.prety[4].L_z_dlugosc = true;
        EXPECT_TRUE(pola_z_profili(m, d, UkladJednostek::kN_cm));
        const ZadaniePrzypadkow z = zadanie_projektu(m, p);
        EXPECT_TRUE(obliczenia(m, Rozwiazanie::samo, &z).sukces());
    }
    WynikWymiarowania wymiar() {
        return wymiaruj(m, p, UkladJednostek::kN_cm, kombinacje_projektu(p));
    }
};

}  // namespace

TEST(WymiarowanieProjektu, PretySprawdzoneJakWObliczeniachRecznych) {
    Projekt6 t;
    // The areas follow the profiles in cm²: RO 114,3x5 π/4·(114,3² − 104,3²) = 1716,88 mm²
    // (the table gives 17,2 cm²).
    EXPECT_NEAR(t.m.area[1], 17.1688, 1e-4);
    const WynikWymiarowania w = t.wymiar();
    ASSERT_TRUE(w.blad.empty()) << w.blad;
    const std::vector<Kombinacja> k = kombinacje_projektu(t.p);
    const WynikPreta r1 = sprawdz_pret_projektu(t.m, t.p, UkladJednostek::kN_cm, k, 1);

    // 1. RO 114,3x5 S355 (EN 10210-1, t = 5 mm: f_y = 355 MPa), class 1 (d/t = 22,9 <= 50ε²
    // = 33,1); curve a, α = 0,21. A = 1716,88 mm², i = √((114,3² + 104,3²)/16) = 38,684 mm,
    // L_cr = 3000 mm: N_cr = π²·210000·1716,88·38,684²/3000² = 591 664 N;
    // λ̄ = √(1716,88·355/591664) = 1,01496; Φ = 0,5·[1 + 0,21·(1,01496 − 0,2) + 1,01496²]
    // = 1,10064; χ = 1/(1,10064 + √(1,10064² − 1,01496²)) = 0,65514;
    // N_b,Rd = 0,65514·1716,88·355/1,00 = 399 302 N. N_Ed = 1,35·200 = 270 kN, N_Ed/N_cr = 0,456
    // > 0,04: U = 270/399,302 = 0,6762.
    ASSERT_EQ(r1.wyboczenie.osie.size(), 2u);
    const WyboczenieOsi& o1 = r1.wyboczenie.osie[0];
    blisko(o1.N_cr, 591664, "N_cr");
    blisko(o1.lambda, 1.01496, "λ̄");
    blisko(o1.Phi, 1.10064, "Φ");
    blisko(o1.chi, 0.65514, "χ");
    blisko(o1.N_b_Rd, 399302, "N_b,Rd");
    const WymiarowaniePreta& p1 = w.prety[0];
    EXPECT_EQ(p1.stan, StanSprawdzenia::spelnia);
    blisko(p1.N_min, -270, "N_Ed min [kN]");
    blisko(p1.N_Rd, 399.302, "N_Rd [kN]");
    blisko(p1.chi, 0.65514, "χ");
    blisko(p1.U, 0.6762, "U");
    EXPECT_EQ(k[static_cast<std::size_t>(p1.kombinacja)].wsp, std::vector<double>{1.35});
    EXPECT_EQ(p1.sprawdzenie, "wyboczenie 6.3.1 w płaszczyźnie");

    // 2. L 80x8 S235 on two bolts, L = 2000 mm, curve b, α = 0,34; A = 1226,73 mm², i_y = i_z
    // = 24,268 mm, i_v = 15,607 mm. About v: N_cr = π²·210000·1226,73·15,607²/2000² = 154 824 N,
    // λ̄_v = √(1226,73·235/154824) = 1,36455, λ̄_eff,v = 0,35 + 0,7·1,36455 = 1,30518 (BB.1);
    // Φ = 0,5·[1 + 0,34·(1,30518 − 0,2) + 1,30518²] = 1,53963; χ = 1/(1,53963
    // + √(1,53963² − 1,30518²)) = 0,42439; N_b,Rd = 0,42439·1226,73·235 = 122 344 N. About y and
    // z: N_cr = 374 349 N, λ̄ = 0,87755, λ̄_eff = 0,5 + 0,7·0,87755 = 1,11428, Φ = 1,27624,
    // χ = 0,52674, N_b,Rd = 151 850 N. N_Ed = 81 kN: U = 81/122,344 = 0,6621 about v.
    const WynikPreta r2 = sprawdz_pret_projektu(t.m, t.p, UkladJednostek::kN_cm, k, 2);
    ASSERT_EQ(r2.wyboczenie.osie.size(), 3u);
    const WyboczenieOsi& v = r2.wyboczenie.osie[2];
    blisko(v.N_cr, 154824, "N_cr,v");
    blisko(v.lambda, 1.36455, "λ̄_v");
    blisko(v.lambda_eff, 1.30518, "λ̄_eff,v");
    blisko(v.Phi, 1.53963, "Φ_v");
    blisko(v.chi, 0.42439, "χ_v");
    blisko(v.N_b_Rd, 122344, "N_b,Rd v");
    blisko(r2.wyboczenie.osie[1].lambda_eff, 1.11428, "λ̄_eff,z");
    blisko(r2.wyboczenie.osie[1].chi, 0.52674, "χ_z");
    blisko(r2.wyboczenie.osie[1].N_b_Rd, 151850, "N_b,Rd z");
    EXPECT_EQ(w.prety[1].sprawdzenie, "wyboczenie 6.3.1 i BB.1.2 względem osi v");
    blisko(w.prety[1].U, 0.6621, "U");

    // 3. L 80x8 S235 in tension, f_u = 360 MPa, A_net = 0,80·1226,73 = 981,39 mm²:
    // N_pl,Rd = 1226,73·235/1,00 = 288 282 N (6.6); N_u,Rd = 0,9·981,39·360/1,25 = 254 375 N
    // (6.7), which governs; N_Ed = 1,35·150 = 202,5 kN: U = 202,5/254,375 = 0,7961.
    const WynikPreta r3 = sprawdz_pret_projektu(t.m, t.p, UkladJednostek::kN_cm, k, 3);
    blisko(r3.rozciaganie.N_pl_Rd, 288282, "N_pl,Rd");
    blisko(r3.rozciaganie.N_u_Rd, 254375, "N_u,Rd");
    EXPECT_TRUE(r3.rozciaganie.netto_decyduje);
    blisko(w.prety[2].N_max, 202.5, "N_Ed max [kN]");
    blisko(w.prety[2].U, 0.7961, "U");
    EXPECT_EQ(w.prety[2].sprawdzenie, "rozciąganie 6.2.3");
    EXPECT_TRUE(std::isnan(w.prety[2].chi)) << "no compression, no χ";

    // 4, 5. IPE 200 S235, A = 2848,43 mm². In plane (about y, i_y = 82,595 mm, curve a,
    // L_cr = 1500 mm): N_cr = 17 899 890 N, λ̄ = 0,19338 <= 0,2: χ = 1 (6.3.1.2(4)). Out of
    // plane (about z, i_z = 22,357 mm, curve b, L_cr = 2·1500 = 3000 mm): N_cr = π²·210000
    // ·2848,43·22,357²/3000² = 327 861 N; λ̄ = √(2848,43·235/327861) = 1,42887;
    // Φ = 0,5·[1 + 0,34·(1,42887 − 0,2) + 1,42887²] = 1,72974; χ = 1/(1,72974 + √(1,72974²
    // − 1,42887²)) = 0,36974; N_b,Rd = 0,36974·2848,43·235 = 247 499 N. N_Ed = 1,35·150
    // = 202,5 kN: U = 0,8182, the same with the length of 300 cm typed for bar 5.
    for (int b : {4, 5}) {
        SCOPED_TRACE(b);
        const WynikPreta r = sprawdz_pret_projektu(t.m, t.p, UkladJednostek::kN_cm, k, b);
        ASSERT_EQ(r.wyboczenie.osie.size(), 2u);
        blisko(r.wyboczenie.osie[0].lambda, 0.19338, "λ̄_y");
        EXPECT_TRUE(r.wyboczenie.osie[0].pominiete);
        const WyboczenieOsi& z = r.wyboczenie.osie[1];
        blisko(z.N_cr, 327861, "N_cr,z");
        blisko(z.lambda, 1.42887, "λ̄_z");
        blisko(z.Phi, 1.72974, "Φ_z");
        blisko(z.chi, 0.36974, "χ_z");
        blisko(z.N_b_Rd, 247499, "N_b,Rd z");
        const WymiarowaniePreta& p = w.prety[static_cast<std::size_t>(b - 1)];
        EXPECT_EQ(p.sprawdzenie, "wyboczenie 6.3.1 z płaszczyzny");
        blisko(p.U, 0.8182, "U");
    }

    // 6. RO 323,9x5 S355: d/t = 64,8 > 90ε² = 59,6, class 4: refused, never passed.
    EXPECT_EQ(w.przekroje[4].klasa, 4);
    EXPECT_EQ(w.prety[5].stan, StanSprawdzenia::nie_sprawdzono);
    EXPECT_EQ(w.prety[5].powod, "klasa 4 — nie sprawdzono");
    EXPECT_EQ(w.spelnia, 5);
    EXPECT_EQ(w.nie_sprawdzono, 1);
    EXPECT_EQ(w.najwieksze, 4);

    // SLS: the characteristic combination 1,00 G; the largest displacement is bar 1's shortening,
    // 200·300/(21000·17,1688) = 0,16641 cm at node 2, against 300/250 = 1,2 cm.
    ASSERT_TRUE(w.ugiecie.sprawdzono);
    EXPECT_EQ(w.ugiecie.wezel, 2);
    blisko(w.ugiecie.u, 0.16641, "u");
    blisko(w.ugiecie.u_dop, 1.2, "u dop");
    EXPECT_TRUE(w.ugiecie.spelnia());
}

// The same truss described in other units gives the same checks: the units cross in one place.
TEST(WymiarowanieProjektu, InneJednostkiTeSameSprawdzenia) {
    Projekt6 t;
    const WynikWymiarowania cm = t.wymiar();
    // kN and m: coordinates / 100, E · 10⁴, areas / 10⁴ (pola_z_profili does them).
    for (int n = 1; n <= t.m.nn; ++n) t.m.x[n][1] /= 100, t.m.x[n][2] /= 100;
    t.m.pm[1][1] *= 1e4f;
    t.p.wymiarowanie.prety[4].L_z = 3.0;
    EXPECT_TRUE(pola_z_profili(t.m, t.p.wymiarowanie, UkladJednostek::kN_m));
    const ZadaniePrzypadkow z = zadanie_projektu(t.m, t.p);
    ASSERT_TRUE(obliczenia(t.m, Rozwiazanie::samo, &z).sukces());
    const WynikWymiarowania m = wymiaruj(t.m, t.p, UkladJednostek::kN_m, kombinacje_projektu(t.p));
    for (std::size_t b = 0; b < cm.prety.size(); ++b) {
        SCOPED_TRACE(b + 1);
        EXPECT_NEAR(m.prety[b].U, cm.prety[b].U, 1e-5);
        EXPECT_NEAR(m.prety[b].N_Rd, cm.prety[b].N_Rd, 1e-5 * cm.prety[b].N_Rd);
    }
    blisko(m.ugiecie.u, 0.0016641, "u [m]");
    // Without units nothing is designed, and it says why.
    const WynikWymiarowania b = wymiaruj(t.m, t.p, UkladJednostek::brak, kombinacje_projektu(t.p));
    EXPECT_NE(b.blad.find("Widok → Jednostki"), std::string::npos);
    EXPECT_TRUE(b.prety.empty());
}

// A section without a profile is checked from the radius and curve the user gives, and without
// them its bars say so; a grade past Table 3.1's thickness gives no strength, never a guess.
TEST(WymiarowanieProjektu, PrzekrojBezProfiluSprawdzanyTylkoZDanymiUzytkownika) {
    Projekt6 t;
    PrzekrojStalowy& s = t.p.wymiarowanie.przekroje[0];
    s = {};
    WynikWymiarowania w = t.wymiar();
    EXPECT_EQ(w.prety[0].stan, StanSprawdzenia::nie_sprawdzono);
    EXPECT_NE(w.prety[0].powod.find("bez profilu"), std::string::npos) << w.prety[0].powod;
    // The RO 114,3x5 by hand: i = 3,8684 cm, curve a; S355 with t <= 40 mm as for a profile.
    s.gatunek = "S355", s.i_min = 3.8684, s.krzywa = "a";
    w = t.wymiar();
    EXPECT_EQ(w.prety[0].stan, StanSprawdzenia::spelnia);
    blisko(w.prety[0].U, 0.6762, "U");
    s.klasa_4 = true;
    EXPECT_EQ(t.wymiar().prety[0].powod, "klasa 4 — nie sprawdzono");
}
