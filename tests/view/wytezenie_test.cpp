// SPDX-License-Identifier: GPL-3.0-or-later
// Utilisation in the view: the colour scale where 1.0 is the edge between orange and red, bars
// coloured and labelled by their U, and the legend in place of the stress scale.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "files/wymiarowanie_projektu.h"
#include "okno/okno.h"
#include "tests/wspolne/atrapa.h"
#include "tests/wspolne/kratownice.h"
#include "tests/wspolne/nagrywarka.h"
#include "view/wytezenie.h"

TEST(Wytezenie, SkalaKolorowRozdzielaJedynke) {
    const struct {
        double U;
        Kolor k;
    } tabela[] = {
        {-0.2, {40, 150, 60}},      {0.0, {40, 150, 60}},
        {0.5, {150, 200, 40}},      {0.9, {248, 165, 0}},
        {1.0, {255, 130, 0}},       {1.0000001, kolor_przekroczenia},
        {7.0, kolor_przekroczenia}, {std::numeric_limits<double>::quiet_NaN(), kolor_przekroczenia},
    };
    for (const auto& t : tabela) EXPECT_EQ(kolor_wytezenia(t.U), t.k) << t.U;
    // The state decides before U: a failed check is red, one not made grey.
    WymiarowaniePreta p;
    p.U = 0.3;
    p.stan = StanSprawdzenia::nie_sprawdzono;
    EXPECT_EQ(kolor_wytezenia(p), kolor_niesprawdzonego);
    p.stan = StanSprawdzenia::nie_spelnia;
    EXPECT_EQ(kolor_wytezenia(p), kolor_przekroczenia);
    p.stan = StanSprawdzenia::spelnia, p.U = 1.0;
    EXPECT_EQ(kolor_wytezenia(p), (Kolor{255, 130, 0}));
}

// Three bars of 3 m in kN and m, each pushed at its free end: RO 114,3x5 S355 under 200 kN
// (U = 1,35·200/399,3 = 0,676) and 400 kN (U = 1,352), and one of a section without steel data.
TEST(Wytezenie, PretyWKolorachWytezeniaZUJakoEtykieta) {
    Atrapa port;
    _OKNO_ o(port);
    zbuduj(o.model,
           {.wezly = {{0, 0}, {3, 0}, {0, 1}, {3, 1}, {0, 2}, {3, 2}},
            .prety = {{1, 2, 1, 1}, {3, 4, 1, 1}, {5, 6, 1, 2}},
            .pola = {0.01f, 0.01f},
            .podpory = {{1, 0}, {2, 0}, {4, 0}, {5, 0}, {6, 0}, {8, 0}, {9, 0}, {10, 0}, {12, 0}},
            .sily = {{3, -200}, {7, -400}, {11, -100}}});
    o.jednostki = UkladJednostek::kN_m;
    rozwin_wymiarowanie(o.projekt.wymiarowanie, 2, 3);
    o.projekt.wymiarowanie.przekroje[0] = {
        .rodzina = "RO", .profil = "RO 114,3x5", .gatunek = "S355"};
    pola_z_profili(o.model, o.projekt.wymiarowanie, o.jednostki);
    o.Find(1010);
    ASSERT_EQ(o.model.obliczono, 1);
    o.model.p_napr = 1, o.p_wytezenie = 1;
    Nagrywarka dc;
    o.Paint(dc, 600, 400);
    // The bars come first, in their order; arrows and the deformed shape follow.
    std::vector<Kolor> kolory;
    for (const Odcinek& s : dc.odcinki())
        if (s.stan.szerokosc == 2 && kolory.size() < 3) kolory.push_back(s.stan.pioro);
    ASSERT_EQ(kolory.size(), 3u);
    EXPECT_EQ(kolory[0], kolor_wytezenia(0.676)) << "orange-yellow, below the edge";
    EXPECT_EQ(kolory[1], kolor_przekroczenia);
    EXPECT_EQ(kolory[2], kolor_niesprawdzonego);
    for (const char* t : {"0.68", "1.35", "—", "1.0", "> 1.0", "nie sprawdzono"})
        EXPECT_NE(dc.znajdz_tekst(t), nullptr) << t;
    // U takes the place of the bar numbers (black; node numbers are blue).
    auto numer_preta = [&dc] {
        for (const Operacja& op : dc.operacje)
            if (op.rodzaj == Wywolanie::tekst && op.stan.tekst == czarny && op.tekst == "2")
                return true;
        return false;
    };
    EXPECT_FALSE(numer_preta());

    // Off again: the stresses' colours and scale come back.
    o.Find(CM_WYTEZENIE);
    dc.wyczysc();
    o.Paint(dc, 600, 400);
    EXPECT_EQ(dc.znajdz_tekst("> 1.0"), nullptr);
    EXPECT_TRUE(numer_preta());
}
