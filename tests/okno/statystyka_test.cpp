// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "okno/okno.h"
#include "tests/wspolne/atrapa.h"
#include "tests/wspolne/kratownice.h"

namespace {

std::map<int, std::string> pokaz_statystyke(Atrapa& a, _OKNO_& o) {
    a.wpisy.push_back({});
    o.Find(51699);
    EXPECT_EQ(a.pokazy.back().szablon, 3080);
    return a.pokazy.back().przy_otwarciu;
}

}  // namespace

TEST(Statystyka, BezWynikowLicznikiIPustePolaWynikow) {
    Atrapa a;
    _OKNO_ o(a);
    auto p = pokaz_statystyke(a, o);
    for (int id : {3001, 3002, 3003, 3004, 3005, 3006}) EXPECT_EQ(p[id], "0");
    for (int id : {3007, 3008, 101, 102, 103, 104, 105, 106}) EXPECT_EQ(p[id], " ");
    pratt(o.model, 2, 3.f, 4.f, 2);
    p = pokaz_statystyke(a, o);
    EXPECT_EQ(p[3001], "9");
    EXPECT_EQ(p[3002], "6");
    EXPECT_EQ(p[3007], " ");
}

TEST(Statystyka, NajwiekszeWartosciZeZnakiemINajnizszymNumerem) {
    Atrapa a;
    _OKNO_ o(a);
    // The stresses are equal in magnitude; bar 2's section, twice as large, gives its force.
    zbuduj(o.model, {.wezly = {{0, 0}, {1, 0}, {2, 0}},
                     .prety = {{1, 2, 1, 1}, {2, 3, 1, 2}},
                     .pola = {0.01f, 0.02f}});
    o.model.obliczono = 1;
    const float f[] = {0.1f, 0.25f, 0.2f, -0.25f, -0.5f, 0.1f};
    for (int i = 1; i <= 6; ++i) o.model.f[i] = f[i - 1];
    o.model.stressp[1] = -3.f, o.model.stressp[2] = 3.f;
    auto p = pokaz_statystyke(a, o);
    EXPECT_EQ(p[3007], "-0.500000");
    EXPECT_EQ(p[3008], "3");
    EXPECT_EQ(p[101], "0.250000") << "equal magnitudes: the lower node wins";
    EXPECT_EQ(p[102], "1");
    EXPECT_EQ(p[103], "-3.000000");
    EXPECT_EQ(p[104], "1");
    EXPECT_EQ(p[105], "0.060000");
    EXPECT_EQ(p[106], "2");
}

TEST(Statystyka, RowneModulyPrzemieszczeniaXDajaNajnizszyWezelZJegoZnakiem) {
    struct Przypadek {
        float x1, x2, x3;  // X displacements of nodes 1..3
        const char* wartosc;
        const char* wezel;
    };
    const Przypadek tabela[] = {
        {0.1f, 0.5f, 0.5f, "0.500000", "2"},
        {0.1f, -0.5f, 0.5f, "-0.500000", "2"},
        {0.1f, 0.5f, -0.5f, "0.500000", "2"},
        {-0.5f, 0.25f, 0.5f, "-0.500000", "1"},  // the first node is where the search starts
    };
    for (const Przypadek& p : tabela) {
        Atrapa a;
        _OKNO_ o(a);
        zbuduj(o.model, {.wezly = {{0, 0}, {1, 0}, {2, 0}}, .prety = {{1, 2, 1, 1}}});
        o.model.obliczono = 1;
        for (int i = 1; i <= 6; ++i) o.model.f[i] = 0;
        o.model.f[1] = p.x1, o.model.f[3] = p.x2, o.model.f[5] = p.x3;
        auto w = pokaz_statystyke(a, o);
        EXPECT_EQ(w[3007], p.wartosc) << p.x1 << " " << p.x2 << " " << p.x3;
        EXPECT_EQ(w[3008], p.wezel) << p.x1 << " " << p.x2 << " " << p.x3;
    }
}

TEST(Statystyka, DuzeLicznikiIWartosciSaPokazaneWcalosci) {
    Atrapa a;
    _OKNO_ o(a);
    pratt(o.model, 400);  // 1601 bars
    o.model.obliczono = 1;
    for (int i = 1; i <= o.model.nq; ++i) o.model.f[i] = 0;
    for (int i = 1; i <= o.model.ne; ++i) o.model.stressp[i] = 0;
    o.model.stressp[1234] = -123456.75f;
    auto p = pokaz_statystyke(a, o);
    EXPECT_EQ(p[3001], "1601");
    EXPECT_EQ(p[103], "-123456.750000");
    EXPECT_EQ(p[104], "1234");
}

TEST(Statystyka, WynikiBezPretowNieCzytajaNaprezen) {
    Atrapa a;
    _OKNO_ o(a);
    zbuduj(o.model, {.wezly = {{0, 0}}});
    o.model.obliczono = 1;
    o.model.f[1] = 0.5f, o.model.f[2] = 0;
    auto p = pokaz_statystyke(a, o);
    EXPECT_EQ(p[3007], "0.500000");
    EXPECT_EQ(p[103], " ");
    EXPECT_EQ(p[105], " ");
}
