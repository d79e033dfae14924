// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/klasa.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace wymiarowanie;

// Sections classed by hand under uniform compression, Table 5.2. ε = √(235/f_y): 1 for S235,
// √(235/355) = 0.8136 for S355 (33ε = 26.85, 38ε = 30.92, 42ε = 34.17; 9ε = 7.32, 10ε = 8.14,
// 14ε = 11.39; 15ε = 12.20, 11.5ε = 9.36; 50ε² = 33.10, 70ε² = 46.34, 90ε² = 59.58).
struct Przyklad {
    const char* profil;
    double f_y;
    int klasa;
    const char* czesc;  // the governing part
    double stosunek;    // its ratio
};

constexpr Przyklad przyklady[] = {
    // IPE 200, S235. Web: c = 200 - 2·8.5 - 2·12 = 159, c/t = 159/5.6 = 28.39 <= 33 → 1.
    // Flange: c = (100 - 5.6 - 2·12)/2 = 35.2, c/t = 35.2/8.5 = 4.14 <= 9 → 1. Web nearer 42ε.
    {"IPE 200", 235, 1, "środnik", 28.39},
    // IPE 400, S355. Web: c = 400 - 27 - 42 = 331, c/t = 331/8.6 = 38.49 > 34.17 → 4.
    {"IPE 400", 355, 4, "środnik", 38.49},
    // HEA 300, S355. Flange: c = (300 - 8.5 - 54)/2 = 118.75, c/t = 118.75/14 = 8.48:
    // 8.14 < 8.48 <= 11.39 → 3. Web: c = 290 - 28 - 54 = 208, c/t = 24.47 <= 26.85 → 1.
    {"HEA 300", 355, 3, "półka", 8.48},
    // UPN 200, S235, flange slope 8 %, t_f at b/2 = 37.5. At the web t = 11.5 + 0.08·(37.5 - 8.5)
    // = 13.82; faces meet at 90° + atan 0.08 = 94.574°, fillet tangent 11.5/tan 47.287° = 10.617;
    // web c = 200 - 2·(13.82 + 10.617) = 151.13, c/t = 151.13/8.5 = 17.78 <= 33 → 1.
    // Flange c = 75 - 8.5 - 11.5 = 55, c/t = 4.78 <= 9 → 1; web nearer its 42ε.
    {"UPN 200", 235, 1, "środnik", 17.78},
    // Cold-formed RKz 120x3, S355: c = 120 - 3·3 = 111, c/t = 37.0 > 34.17 → 4.
    {"RKz 120x3", 355, 4, "ścianka h", 37.0},
    // Hot-finished RO 323,9x5, S355: d/t = 64.78 > 59.58 → 4.
    {"RO 323,9x5", 355, 4, "rura", 64.78},
    // Cold-formed ROz 219,1x4,5, S355: d/t = 48.69: 46.34 < 48.69 <= 59.58 → 3.
    {"ROz 219,1x4,5", 355, 3, "rura", 48.69},
    // L 50x5, S235: legs c = 50 - 5 - 7 = 38, c/t = 7.6 <= 9 → 1; h/t = 10 <= 15 and
    // (b+h)/2t = 10 <= 11.5: not class 4 → 1; (b+h)/2t is nearest its limit.
    {"L 50x5", 235, 1, "kątownik", 10.0},
    // L 50x5, S355: (b+h)/2t = 10 > 9.36 → 4 (the legs alone, 7.6 <= 8.14, would be class 2).
    {"L 50x5", 355, 4, "kątownik", 10.0},
    // 2L 100x50x8 /10, S235: leg h c = 100 - 8 - 8 = 84, c/t = 10.5: 10 < 10.5 <= 14 → 3;
    // h/t = 12.5 <= 15, (b+h)/2t = 9.375 <= 11.5.
    {"2L 100x50x8 /10", 235, 3, "ramię h", 10.5},
};

TEST(Klasa, SectionsClassedByHandUnderCompression) {
    for (const Przyklad& p : przyklady) {
        SCOPED_TRACE(std::string(p.profil) + " f_y " + std::to_string(p.f_y));
        const auto pr = znajdz_profil(p.profil);
        ASSERT_TRUE(pr);
        const KlasaPrzekroju k = klasa_przekroju_sciskanego(*pr, p.f_y);
        EXPECT_EQ(k.klasa, p.klasa);
        const Scianka& s = k.scianki.at(k.decydujaca);
        EXPECT_STREQ(s.nazwa, p.czesc);
        EXPECT_NEAR(s.wartosc, p.stosunek, 0.01);
        EXPECT_EQ(s.klasa, p.klasa);
        for (const Scianka& x : k.scianki) EXPECT_LE(x.klasa, k.klasa) << x.nazwa;
    }
}

TEST(Klasa, AHigherYieldStrengthNeverLowersTheClass) {
    for (const OpisRodziny& o : rodziny())
        for (const Profil& p : profile(o.rodzina)) {
            int poprzednia = 1;
            for (double f_y : {235.0, 275.0, 355.0, 420.0, 460.0}) {
                const int k = klasa_przekroju_sciskanego(p, f_y).klasa;
                EXPECT_GE(k, poprzednia) << p.nazwa << " " << f_y;
                poprzednia = k;
            }
        }
}

}  // namespace
