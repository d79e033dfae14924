// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/stal.h"

#include <gtest/gtest.h>

#include "design/przekroje.h"

namespace {

using namespace wymiarowanie;

// PN-EN 1993-1-1 Table 3.1, f_y and f_u [MPa] on either side of the 40 mm step.
TEST(Stal, StrengthsFollowTable31ByProductAndThickness) {
    struct {
        Gatunek g;
        Wyrob w;
        double t, f_y, f_u;
    } const wiersze[] = {
        {Gatunek::S235, Wyrob::walcowany, 40, 235, 360},
        {Gatunek::S235, Wyrob::walcowany, 40.5, 215, 360},
        {Gatunek::S275, Wyrob::walcowany, 16, 275, 430},
        {Gatunek::S275, Wyrob::walcowany, 80, 255, 410},
        {Gatunek::S355, Wyrob::walcowany, 19, 355, 490},
        {Gatunek::S355, Wyrob::walcowany, 41, 335, 470},
        {Gatunek::S420, Wyrob::walcowany, 10, 420, 520},
        {Gatunek::S420, Wyrob::walcowany, 50, 390, 500},
        {Gatunek::S460, Wyrob::walcowany, 10, 460, 540},
        {Gatunek::S460, Wyrob::walcowany, 50, 430, 530},
        {Gatunek::S235, Wyrob::rura_na_goraco, 50, 215, 340},
        {Gatunek::S355, Wyrob::rura_na_goraco, 10, 355, 510},
        {Gatunek::S460, Wyrob::rura_na_goraco, 41, 430, 550},
        {Gatunek::S355, Wyrob::rura_na_zimno, 8, 355, 510},
        {Gatunek::S420, Wyrob::rura_na_zimno, 8, 420, 500},
    };
    for (const auto& r : wiersze) {
        const Wytrzymalosc s = wytrzymalosc(r.g, r.w, r.t);
        EXPECT_TRUE(s.okreslona) << nazwa(r.g) << " " << r.t;
        EXPECT_EQ(s.f_y, r.f_y) << nazwa(r.g) << " " << r.t;
        EXPECT_EQ(s.f_u, r.f_u) << nazwa(r.g) << " " << r.t;
    }
    // Where the table is silent there is no strength to design with.
    EXPECT_FALSE(wytrzymalosc(Gatunek::S355, Wyrob::walcowany, 81).okreslona);
    EXPECT_FALSE(wytrzymalosc(Gatunek::S355, Wyrob::rura_na_zimno, 41).okreslona);
    EXPECT_FALSE(wytrzymalosc(Gatunek::S355, Wyrob::walcowany, 0).okreslona);
    // A section takes its product standard and largest thickness: HEB 1000 t_f = 36 mm.
    const Wytrzymalosc heb = wytrzymalosc(Gatunek::S235, *znajdz_profil("HEB 1000"));
    EXPECT_EQ(heb.f_y, 235);
    EXPECT_STREQ(wytrzymalosc(Gatunek::S355, *znajdz_profil("RKz 100x5")).norma, "EN 10219-1");
    for (Gatunek g : gatunki()) EXPECT_EQ(gatunek(nazwa(g)), g);
}

}  // namespace
