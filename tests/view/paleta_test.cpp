// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "okno/okno.h"
#include "tests/wspolne/atrapa.h"
#include "tests/wspolne/nagrywarka.h"
#include "view/paleta.h"

namespace {

TEST(Paleta, KoloryOdCiemnejCzerwieniDoNiebieskiegoWCzterechPasmach) {
    Atrapa port;
    _OKNO_ o(port);
    for (const auto& [i, k] : {std::pair{0, Kolor{105, 0, 0}},
                               {1, {107, 0, 0}},
                               {25, {155, 0, 0}},
                               {49, {203, 0, 0}},
                               {50, {255, 107, 0}},
                               {51, {255, 109, 0}},
                               {75, {255, 157, 0}},
                               {99, {255, 205, 0}},
                               {100, {0, 107, 0}},
                               {101, {0, 109, 0}},
                               {125, {0, 157, 0}},
                               {149, {0, 205, 0}},
                               {150, {0, 100, 142}},
                               {151, {0, 101, 144}},
                               {175, {0, 125, 192}},
                               {199, {0, 149, 240}},
                               {200, {0, 150, 242}}})
        EXPECT_EQ(o.knapr[i], k) << i;
}

ZakresNaprezen zakres(std::vector<float> s) {
    s.insert(s.begin(), 0.0f);  // 1-based
    return zakres_naprezen(s.data(), static_cast<int>(s.size()) - 1);
}

TEST(Paleta, NajwiekszeNaprezenieToWpis0NajmniejszeWpis200ZawszeW0Do200) {
    const std::tuple<std::vector<float>, float, int> przypadki[] = {
        {{5, 5}, 5, 200},       {{-120, 80}, -120, 200},  {{-120, 80}, 80, 0},
        {{-120, 80}, -20, 100}, {{0, 250}, 125, 100},     {{-3000, -50}, -3000, 200},
        {{0, 1}, 2, 0},         {{0, 1}, -1, 200},        {{0, 1}, std::nanf(""), 0},
        {{0, 1}, INFINITY, 0},  {{0, 1}, -INFINITY, 200},
    };
    for (const auto& [s, pytane, indeks] : przypadki)
        EXPECT_EQ(indeks_koloru(pytane, zakres(s)), indeks) << pytane;
    const ZakresNaprezen rowne = zakres({5, 5, 5});
    EXPECT_EQ(std::tuple(rowne.mn, rowne.an, rowne.ss), std::tuple(6, 5, 200));
}

struct Pasek : ::testing::Test {
    Nagrywarka dc;
    Kolor knapr[201];
    void SetUp() override {
        for (int i = 0; i <= 200; ++i) knapr[i] = kolor_palety(i);
    }
    std::vector<std::string> etykiety(std::vector<float> s) {
        const UkladPaska u = uklad_paska(dc, zakres(std::move(s)), 450.0f, 300.0f);
        return std::vector<std::string>(std::begin(u.teksty), std::end(u.teksty));
    }
};

TEST_F(Pasek, DziewiecEtykietOdNajwiekszegoDoNajmniejszegoWFormacieWedlugNajwiekszego) {
    using T = std::vector<std::string>;
    EXPECT_EQ(etykiety({5, 5}),
              (T{"6.000", "5.875", "5.750", "5.625", "5.500", "5.375", "5.250", "5.125", "5.000"}));
    EXPECT_EQ(etykiety({-120, 80}), (T{"80.000", "55.000", "30.000", "5.000", "-20.000", "-45.000",
                                       "-70.000", "-95.000", "-120.000"}));
    EXPECT_EQ(etykiety({0, 250}),
              (T{"  250", "  219", "  188", "  156", "  125", "   94", "   62", "   31", "    0"}));
    // The largest stress is below 1, so large values keep five decimals.
    for (const std::string& t : etykiety({-3000, -50}))
        EXPECT_EQ(std::strlen(std::strchr(t.c_str(), '.')), 6u) << t;
    EXPECT_EQ(etykiety({-3000, -50}).back(), "-3000.00000");
}

TEST_F(Pasek, OdcinkiPoJednymPikseluNaSzerokosci250) {
    const UkladPaska u = uklad_paska(dc, zakres({-120, 80}), 250.0f, 200.0f);
    dc.wyczysc();
    pasek_skali(dc, knapr, u, 250.0f);
    const auto linie = dc.odcinki_piorem(czarny);
    ASSERT_EQ(linie.size(), 2u);
    EXPECT_EQ(std::tuple(linie[0].x1, linie[0].y1, linie[0].x2, linie[0].y2),
              std::tuple(25, 199, 225, 199));
    EXPECT_EQ(std::tuple(linie[1].x1, linie[1].y1, linie[1].x2, linie[1].y2),
              std::tuple(25, 190, 225, 190));
    const auto prost = dc.wszystkie(Wywolanie::prostokat);
    ASSERT_EQ(prost.size(), 201u);  // the white band, then the segments
    EXPECT_EQ(std::tuple(prost[0].x1, prost[0].y2, prost[0].x2, prost[0].stan.pedzel),
              std::tuple(0, 200, 250, bialy));
    EXPECT_EQ(prost[0].y1, 200 - u.wysokosc());
    for (int i = 1; i <= 200; ++i) {
        const Operacja& r = prost[static_cast<size_t>(i)];
        EXPECT_EQ(std::tuple(r.x1, r.y1, r.x2, r.y2, r.stan.pedzel, r.stan.pioro),
                  std::tuple(24 + i, 191, 25 + i, 198, knapr[i], knapr[i]));
    }
    EXPECT_EQ(dc.teksty().size(), 9u);
}

// Every value of the scale shows whole: labels stand over their segments where they can, but
// never past the drawing's edges, and labels too wide to stand side by side take turns in more
// rows, which the bar's height counts. Wide enough, they keep one row 24 pixels high.
TEST_F(Pasek, KazdaWartoscWidacCalaWObrebieRysunku) {
    const struct {
        std::vector<float> naprezenia;
        float w;
        const char* jednostka;
        int wierszy;
    } przypadki[] = {
        {{-120, 80}, 1600, "", 1},
        {{-120, 80}, 1600, "kN/cm²", 1},
        // All compressed: five decimals of a large stress, the last label against the edge.
        {{-12061.23f, -3000}, 1280, "", 1},
        {{-12061.23f, -3000}, 640, "kN/cm²", 2},
        {{-120, 80}, 250, "", 4},
        {{-12061.23f, -3000}, 160, "", 9},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.w);
        const UkladPaska u = uklad_paska(dc, zakres(p.naprezenia), p.w, 500.0f, p.jednostka);
        EXPECT_EQ(u.wierszy, p.wierszy);
        EXPECT_EQ(u.wysokosc(), 24 + 13 * (p.wierszy - 1));
        if (*p.jednostka) {
            EXPECT_NE(u.teksty[0].find(p.jednostka), std::string::npos);
        }
        for (int k = 0; k < UkladPaska::etykiet; ++k) {
            const Pudelko& b = u.miejsca[k];
            EXPECT_EQ(b.szerokosc(), dc.szerokosc_tekstu(u.teksty[k])) << k;
            EXPECT_GE(b.lewo, 0) << k;
            EXPECT_LE(b.prawo, p.w) << k;
            EXPECT_GE(b.gora, 500 - u.wysokosc()) << k;
            EXPECT_LE(b.dol, 500 - 10) << k << ": over the bar";
            for (int j = 0; j < k; ++j) EXPECT_FALSE(b.blisko(u.miejsca[j])) << j << " " << k;
        }
        // Left to right, largest to smallest, as the colours below them.
        for (int k = 1; k < UkladPaska::etykiet; ++k)
            EXPECT_LE(u.miejsca[k - 1].lewo, u.miejsca[k].lewo);
    }
}

}  // namespace
