#include "design/nosnosc.h"

#include <gtest/gtest.h>

namespace {

// L 80x80x8 S235 (A = 12,3 cm², EN 10056-1; f_y = 235, f_u = 360 MPa, Table 3.1),
// gamma_M0 = 1,0, gamma_M2 = 1,25.
TEST(Nosnosc, RozciaganieBierzeMniejszaZNosnosciPrzekrojuBruttoINetto) {
    // Holes leave A_net = 0,85·1230 = 1045,5 mm²: N_pl,Rd = 1230·235/1,0 = 289 050 N (6.6);
    // N_u,Rd = 0,9·1045,5·360/1,25 = 270 994 N (6.7); the net section governs.
    const Rozciaganie z_otworami = rozciaganie_6_2_3(1230, 1045.5, 235, 360, 1.0, 1.25);
    EXPECT_NEAR(z_otworami.N_pl_Rd, 289050, 1);
    EXPECT_NEAR(z_otworami.N_u_Rd, 270994, 1);
    EXPECT_NEAR(z_otworami.N_t_Rd, 270994, 1);
    EXPECT_TRUE(z_otworami.netto_decyduje);
    // Without holes N_u,Rd = 0,9·1230·360/1,25 = 318 816 N > N_pl,Rd: the gross section governs.
    const Rozciaganie bez = rozciaganie_6_2_3(1230, 1230, 235, 360, 1.0, 1.25);
    EXPECT_NEAR(bez.N_u_Rd, 318816, 1);
    EXPECT_NEAR(bez.N_t_Rd, 289050, 1);
    EXPECT_FALSE(bez.netto_decyduje);
}

TEST(Nosnosc, SciskaniePrzekrojuKlasy4NieJestProjektowane) {
    // CHS 114,3x5 S355: N_c,Rd = 1720·355/1,0 = 610 600 N (6.10) for classes 1 to 3.
    for (int klasa : {1, 2, 3}) {
        const Sciskanie s = sciskanie_6_2_4(1720, 355, 1.0, klasa);
        EXPECT_TRUE(s.zaprojektowano);
        EXPECT_NEAR(s.N_c_Rd, 610600, 1);
    }
    const Sciskanie k4 = sciskanie_6_2_4(1720, 355, 1.0, 4);
    EXPECT_FALSE(k4.zaprojektowano);
    EXPECT_EQ(k4.N_c_Rd, 0);
}

}  // namespace
