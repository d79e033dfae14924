// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/przekroje.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <set>
#include <string>
#include <utility>

namespace {

using namespace wymiarowanie;

// A section's tabulated values: A [cm²], i_y, i_z, i_v [cm] (0: not tabulated), mass [kg/m].
struct Tablicowy {
    Rodzina rodzina;
    const char* nazwa;
    double A, i_y, i_z, i_v, masa;
};

constexpr Tablicowy tablicowe[] = {
    // SCI P363 ("Blue Book"), BS EN 10056-1 angles: steelsnakes UK/data/L_EQUAL.json,
    // data/sections/UK/L_UNEQUAL.json, UK/data/L_EQUAL_B2B.json and L_UNEQUAL_B2B.json (gap 10).
    {Rodzina::katowniki_rownoramienne, "L 20x3", 1.12, 0.59, 0.59, 0.383, 0.88},
    {Rodzina::katowniki_rownoramienne, "L 50x5", 4.80, 1.51, 1.51, 0.973, 3.77},
    {Rodzina::katowniki_rownoramienne, "L 100x10", 19.2, 3.04, 3.04, 1.95, 15.0},
    {Rodzina::katowniki_rownoramienne, "L 200x20", 76.3, 6.11, 6.11, 3.92, 59.9},
    {Rodzina::katowniki_nierownoramienne, "L 60x40x5", 4.79, 1.89, 1.13, 0.86, 3.76},
    {Rodzina::katowniki_nierownoramienne, "L 100x75x8", 13.5, 3.14, 2.18, 1.60, 10.6},
    {Rodzina::katowniki_nierownoramienne, "L 150x90x10", 23.2, 4.80, 2.51, 1.95, 18.2},
    {Rodzina::katowniki_nierownoramienne, "L 200x100x10", 29.2, 6.46, 2.68, 2.15, 23.0},
    {Rodzina::dwa_katowniki, "2L 50x5 /10", 9.60, 1.51, 2.43, 0, 7.54},
    {Rodzina::dwa_katowniki, "2L 100x10 /10", 38.4, 3.04, 4.50, 0, 30.0},
    {Rodzina::dwa_katowniki, "2L 200x20 /10", 153, 6.11, 8.69, 0, 119.8},
    {Rodzina::dwa_katowniki, "2L 100x50x8 /10", 22.8, 3.19, 2.09, 0, 17.9},
    // ArcelorMittal sales programme, steelsnakes EU/data/UPN.json, IPE.json, HE.json; UPN 30x15
    // from the DIN 1026-1 table on amesweb.info.
    {Rodzina::upn, "UPN 30x15", 2.21, 1.07, 0.42, 0, 1.74},
    {Rodzina::upn, "UPN 100", 13.5, 3.91, 1.47, 0, 10.6},
    {Rodzina::upn, "UPN 200", 32.2, 7.70, 2.14, 0, 25.3},
    {Rodzina::upn, "UPN 400", 91.5, 14.9, 3.04, 0, 71.8},
    {Rodzina::ipe, "IPE 100", 10.3, 4.07, 1.24, 0, 8.1},
    {Rodzina::ipe, "IPE 160", 20.1, 6.58, 1.84, 0, 15.8},
    {Rodzina::ipe, "IPE 400", 84.5, 16.6, 3.95, 0, 66.3},
    {Rodzina::hea, "HEA 100", 21.2, 4.06, 2.51, 0, 16.7},
    {Rodzina::hea, "HEA 160", 38.8, 6.57, 3.98, 0, 30.4},
    {Rodzina::hea, "HEA 1000", 347, 40.0, 6.35, 0, 272},
    {Rodzina::heb, "HEB 100", 26.0, 4.16, 2.53, 0, 20.4},
    {Rodzina::heb, "HEB 160", 54.3, 6.78, 4.05, 0, 42.6},
    {Rodzina::heb, "HEB 800", 334, 32.8, 6.68, 0, 262},
    // SCI P363 hollow sections to BS EN 10210-2 and 10219-2: steelsnakes UK/data/HFCHS.json,
    // CFCHS.json, HFSHS.json, CFSHS.json, CFRHS.json, data/sections/UK/HFRHS.json.
    {Rodzina::ro_na_goraco, "RO 42,4x3,2", 3.94, 1.39, 1.39, 0, 3.09},
    {Rodzina::ro_na_goraco, "RO 114,3x5", 17.2, 3.87, 3.87, 0, 13.5},
    {Rodzina::ro_na_goraco, "RO 219,1x8", 53.1, 7.47, 7.47, 0, 41.6},
    {Rodzina::ro_na_goraco, "RO 323,9x10", 98.6, 11.1, 11.1, 0, 77.4},
    {Rodzina::ro_na_zimno, "ROz 33,7x3", 2.89, 1.09, 1.09, 0, 2.27},
    {Rodzina::ro_na_zimno, "ROz 88,9x3,5", 9.39, 3.02, 3.02, 0, 7.37},
    {Rodzina::ro_na_zimno, "ROz 168,3x4,5", 23.2, 5.79, 5.79, 0, 18.2},
    {Rodzina::rk_na_goraco, "RK 40x3,2", 4.60, 1.49, 1.49, 0, 3.61},
    {Rodzina::rk_na_goraco, "RK 80x6,3", 18.1, 2.99, 2.99, 0, 14.2},
    {Rodzina::rk_na_goraco, "RK 100x10", 34.9, 3.64, 3.64, 0, 27.4},
    {Rodzina::rk_na_zimno, "RKz 40x3", 4.21, 1.49, 1.49, 0, 3.30},
    {Rodzina::rk_na_zimno, "RKz 100x5", 18.4, 3.84, 3.84, 0, 14.4},
    {Rodzina::rk_na_zimno, "RKz 120x10", 40.6, 4.38, 4.38, 0, 31.8},
    {Rodzina::rp_na_goraco, "RP 50x30x3,2", 4.60, 1.76, 1.16, 0, 3.61},
    {Rodzina::rp_na_goraco, "RP 120x80x6,3", 23.2, 4.36, 3.15, 0, 18.2},
    {Rodzina::rp_na_goraco, "RP 200x100x10", 54.9, 6.96, 3.98, 0, 43.1},
    {Rodzina::rp_na_zimno, "RPz 50x25x2", 2.74, 1.75, 1.01, 0, 2.15},
    {Rodzina::rp_na_zimno, "RPz 100x60x4", 11.7, 3.60, 2.42, 0, 9.22},
    {Rodzina::rp_na_zimno, "RPz 140x80x10", 36.6, 4.69, 3.01, 0, 28.7},
    {Rodzina::rp_na_zimno, "RPz 150x100x8", 35.2, 5.35, 3.90, 0, 27.7},
};

void w_procencie(double obliczona, double tablicowa, const char* co) {
    EXPECT_NEAR(obliczona, tablicowa, 0.01 * tablicowa) << co;
}

TEST(Przekroje, ComputedAreaRadiiAndMassMeetTheTabulatedValuesToOnePercent) {
    std::set<Rodzina> sprawdzone;
    for (const Tablicowy& t : tablicowe) {
        SCOPED_TRACE(t.nazwa);
        const auto p = znajdz_profil(t.rodzina, t.nazwa);
        ASSERT_TRUE(p);
        EXPECT_EQ(p->nazwa, t.nazwa);
        w_procencie(A(*p) / 100, t.A, "A");
        w_procencie(i_y(*p) / 10, t.i_y, "i_y");
        w_procencie(i_z(*p) / 10, t.i_z, "i_z");
        if (t.i_v > 0) w_procencie(i_v(*p) / 10, t.i_v, "i_v");
        w_procencie(masa(*p), t.masa, "masa");
        sprawdzone.insert(t.rodzina);
    }
    EXPECT_EQ(sprawdzone.size(), rodziny().size());
}

// Centroid from the heel and the angle of the principal axes, SCI P363: c (equal), c_z along
// the short leg and c_y along the long one [cm], tan α.
TEST(Przekroje, CentroidAndPrincipalAxesOfAnglesMeetTheTables) {
    struct {
        const char* nazwa;
        double e_y, e_z, tg_alfa;
    } const wiersze[] = {
        {"L 50x5", 1.40, 1.40, 1.0},
        {"L 60x40x5", 0.972, 1.96, 0.434},
        {"L 100x75x8", 1.87, 3.10, 0.547},
        {"L 200x100x10", 2.01, 6.93, 0.263},
    };
    for (const auto& w : wiersze) {
        SCOPED_TRACE(w.nazwa);
        const auto p = znajdz_profil(w.nazwa);
        ASSERT_TRUE(p);
        w_procencie(e_y(*p) / 10, w.e_y, "e_y");
        w_procencie(e_z(*p) / 10, w.e_z, "e_z");
        EXPECT_NEAR(std::tan(p->wl.alfa_u), w.tg_alfa, 0.005);
        EXPECT_GE(I_u(*p), I_y(*p));
        EXPECT_LE(I_v(*p), I_z(*p));
    }
}

// The gap spreads two angles about z-z only; SCI P363 gives i_z for gaps 0 and 15 mm.
TEST(Przekroje, TheGapBetweenTwoAnglesWidensOnlyTheirRadiusAboutZ) {
    struct {
        const char* nazwa;
        double i_y, i_z;
    } const wiersze[] = {
        {"2L 100x10 /0", 3.04, 4.14},
        {"2L 100x10 /15", 3.04, 4.69},
        {"2L 100x50x8 /0", 3.19, 1.73},
        {"2L 100x50x8 /15", 3.19, 2.29},
    };
    for (const auto& w : wiersze) {
        SCOPED_TRACE(w.nazwa);
        const auto p = znajdz_profil(Rodzina::dwa_katowniki, w.nazwa);
        ASSERT_TRUE(p);
        w_procencie(i_y(*p) / 10, w.i_y, "i_y");
        w_procencie(i_z(*p) / 10, w.i_z, "i_z");
    }
    // By hand, 2L 50x5 /10 from its single angle (A = 480.26 mm², e_y = 14.036 mm,
    // I_z = 109 642 mm⁴): a = 14.036 + 10/2 = 19.036 mm; I_z = 2 (109 642 + 480.26 · 19.036²)
    // = 2 (109 642 + 174 033) = 567 350 mm⁴; A = 960.52 mm²; i_z = √(567 350 / 960.52) = 24.30 mm.
    const auto p = znajdz_profil("2L 50x5 /10");
    ASSERT_TRUE(p);
    EXPECT_NEAR(I_z(*p), 567350, 50);
    EXPECT_NEAR(i_z(*p), 24.30, 0.01);
    // Joining the short legs instead turns the pair: its y-y is the single angle's z-z.
    const auto krotkie = znajdz_profil("2L 50x100x8 /10");
    const auto jeden = znajdz_profil("L 100x50x8");
    ASSERT_TRUE(krotkie && jeden);
    EXPECT_NEAR(i_y(*krotkie), i_z(*jeden), 1e-9);
}

// DIN 1026-1 measures t_f of the 8 % channels at b/2 and of the 5 % ones (h > 300) half-way
// along the flange's free width: either way round, UPN 320 and 400 lose 0.8 % of their area.
// ArcelorMittal's areas [cm²] to their three figures.
TEST(Przekroje, ChannelFlangesSlopeAndAreMeasuredAsTheStandardSays) {
    for (const auto& [nazwa, a] :
         {std::pair{"UPN 300", 58.8}, {"UPN 320", 75.8}, {"UPN 400", 91.5}})
        EXPECT_NEAR(A(*znajdz_profil(nazwa)) / 100, a, 0.002 * a) << nazwa;
}

// Closed forms worked by hand against the contour integration.
TEST(Przekroje, AreasMeetTheProductStandardsFormulae) {
    // I section, A = 2 b t_f + (h - 2 t_f) t_w + (4 - π) r². IPE 200: 2·100·8.5 = 1700;
    // (200 - 17)·5.6 = 1024.8; (4 - π)·12² = 123.61; A = 2848.41 mm².
    EXPECT_NEAR(A(*znajdz_profil("IPE 200")), 2848.41, 0.05);
    // RHS, A = 2t (b + h - 2t) - (4 - π)(r_o² - r_i²). RKz 100x5: r_o = 2·5 = 10, r_i = 5;
    // 2·5·(200 - 10) = 1900; (4 - π)(100 - 25) = 64.38; A = 1835.62 mm².
    EXPECT_NEAR(A(*znajdz_profil("RKz 100x5")), 1835.62, 0.05);
    // The hot-finished one, r_o = 1.5·5 = 7.5, r_i = 5: 1900 - (4 - π)(56.25 - 25) = 1873.17.
    EXPECT_NEAR(A(*znajdz_profil("RK 100x5")), 1873.17, 0.05);
    // CHS, A = π/4 (d² - (d - 2t)²). RO 114,3x5: 114.3² = 13064.49; 104.3² = 10878.49;
    // A = π/4 · 2186.00 = 1716.88 mm².
    EXPECT_NEAR(A(*znajdz_profil("RO 114,3x5")), 1716.88, 0.01);
}

TEST(Przekroje, NamesAreReadAsAUserWritesThem) {
    struct {
        const char* wpisana;
        const char* nazwa;
    } const wiersze[] = {
        {"l50x50x5", "L 50x5"},
        {"L 50 x 5", "L 50x5"},
        {"L 45x4.5", "L 45x4,5"},
        {"RO 114.3×5", "RO 114,3x5"},
        {"ro 114,3X5,0", "RO 114,3x5"},
        {"rkz 100x100x5", "RKz 100x5"},
        {"RP 120 x 80 x 6.3", "RP 120x80x6,3"},
        {"ipe200", "IPE 200"},
        {"UPN 30x15", "UPN 30x15"},
        {"2l 50x50x5", "2L 50x5 /10"},
        {"2L 100x50x8/12,5", "2L 100x50x8 /12,5"},
        {"2L 50x100x8 / 0", "2L 50x100x8 /0"},
    };
    for (const auto& w : wiersze) {
        const auto p = znajdz_profil(w.wpisana);
        ASSERT_TRUE(p) << w.wpisana;
        EXPECT_EQ(p->nazwa, w.nazwa);
    }
}

TEST(Przekroje, UnknownOrMalformedNamesFindNothing) {
    for (const char* n :
         {"", "IPE", "IPE 210", "L 50x5x", "L 0x5", "L 50xx5", "HEA 200 b", "2L 50x5 /-1",
          "2L 50x5 /101", "2L 50x5 /", "2L 51x5", "RO 114,3x5 /10", "RK 100x5,5", "x", "200"})
        EXPECT_FALSE(znajdz_profil(n)) << n;
    // A name of another family is not found in this one.
    EXPECT_FALSE(znajdz_profil(Rodzina::rk_na_zimno, "RK 100x5"));
    EXPECT_FALSE(znajdz_profil(Rodzina::katowniki_rownoramienne, "L 100x50x8"));
}

TEST(Przekroje, EveryProfileIsFoundByItsNameAndFamiliesGoByAscendingMass) {
    std::set<std::string> nazwy;
    for (const OpisRodziny& o : rodziny()) {
        EXPECT_EQ(rodzina_z_klucza(o.klucz), o.rodzina);
        const auto& lista = profile(o.rodzina);
        ASSERT_FALSE(lista.empty()) << o.nazwa;
        for (std::size_t i = 0; i < lista.size(); ++i) {
            const Profil& p = lista[i];
            EXPECT_EQ(p.rodzina, o.rodzina);
            if (i > 0) {
                EXPECT_LE(lista[i - 1].wl.masa, p.wl.masa) << p.nazwa;
            }
            EXPECT_TRUE(nazwy.insert(p.nazwa).second) << "dwa razy: " << p.nazwa;
            const auto z_rodziny = znajdz_profil(o.rodzina, p.nazwa);
            const auto sama = znajdz_profil(p.nazwa);
            ASSERT_TRUE(z_rodziny && sama) << p.nazwa;
            EXPECT_EQ(sama->rodzina, o.rodzina) << p.nazwa;
            EXPECT_EQ(z_rodziny->wl.A, p.wl.A) << p.nazwa;
        }
    }
    EXPECT_FALSE(rodzina_z_klucza("XYZ"));
}

}  // namespace
