// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/krzywe.h"

#include <gtest/gtest.h>

namespace {

using namespace wymiarowanie;

// Table 6.2 and the α of Table 6.1.
TEST(Krzywe, BucklingCurvesFollowTable62) {
    struct {
        const char* profil;
        Os os;
        Gatunek g;
        Krzywa k;
        double alfa;
    } const wiersze[] = {
        // IPE 200: h/b = 2 > 1.2, t_f = 8.5 <= 40.
        {"IPE 200", Os::y, Gatunek::S235, Krzywa::a, 0.21},
        {"IPE 200", Os::z, Gatunek::S355, Krzywa::b, 0.34},
        {"IPE 200", Os::z, Gatunek::S460, Krzywa::a0, 0.13},
        // HEB 300: h/b = 1 <= 1.2.
        {"HEB 300", Os::y, Gatunek::S355, Krzywa::b, 0.34},
        {"HEB 300", Os::z, Gatunek::S420, Krzywa::c, 0.49},
        {"HEB 300", Os::z, Gatunek::S460, Krzywa::a, 0.21},
        {"RO 114,3x5", Os::y, Gatunek::S355, Krzywa::a, 0.21},
        {"RK 100x5", Os::z, Gatunek::S460, Krzywa::a0, 0.13},
        {"RPz 120x80x5", Os::y, Gatunek::S460, Krzywa::c, 0.49},
        {"UPN 200", Os::z, Gatunek::S235, Krzywa::c, 0.49},
        {"L 50x5", Os::v, Gatunek::S460, Krzywa::b, 0.34},
        {"2L 100x50x8 /10", Os::z, Gatunek::S355, Krzywa::b, 0.34},
    };
    for (const auto& r : wiersze) {
        const KrzywaWyboczenia k = krzywa_wyboczenia(*znajdz_profil(r.profil), r.os, r.g);
        EXPECT_EQ(k.krzywa, r.k) << r.profil << " " << nazwa(r.os) << " " << nazwa(r.g);
        EXPECT_EQ(k.alfa, r.alfa) << r.profil;
    }
    // An I section with 40 < t_f <= 100 and h/b > 1.2 moves to b and c (S460: a).
    Profil gruby = *znajdz_profil("HEB 1000");
    gruby.w.t_f = 45;
    EXPECT_EQ(krzywa_wyboczenia(gruby, Os::y, Gatunek::S355).krzywa, Krzywa::b);
    EXPECT_EQ(krzywa_wyboczenia(gruby, Os::z, Gatunek::S355).krzywa, Krzywa::c);
    EXPECT_EQ(krzywa_wyboczenia(gruby, Os::z, Gatunek::S460).krzywa, Krzywa::a);
    gruby.w.t_f = 101;
    EXPECT_EQ(krzywa_wyboczenia(gruby, Os::y, Gatunek::S460).krzywa, Krzywa::d);
}

}  // namespace
