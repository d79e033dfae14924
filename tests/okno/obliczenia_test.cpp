// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "okno/okno.h"
#include "tests/wspolne/atrapa.h"
#include "tests/wspolne/kratownice.h"

namespace {
struct Oblicz : testing::Test {
    Atrapa a;
    _OKNO_ o{a};
};
}  // namespace

TEST_F(Oblicz, BezModeluObaKomunikatyWKolejnosciIOdswiezenie) {
    o.Find(1010);
    EXPECT_EQ(a.teksty(), (std::vector<std::string>{"Brak węzłów!",
                                                    "Zerowa długość pasma macierzy sztywności!"}));
    for (const Komunikat& k : a.komunikaty) {
        EXPECT_EQ(k.tytul, "Błąd obliczeń");
        EXPECT_EQ(k.ikona, Ikona::stop);
        EXPECT_EQ(k.przyciski, Przyciski::ok);
    }
    EXPECT_EQ(a.dziennik.back(), "odswiez");
}

TEST_F(Oblicz, NowyModelZWezlamiPoAnalizieZachowujePasmoIZglaszaZero) {
    pratt(o.model, 3, 3.f, 4.f, 3);
    o.Find(1010);
    ASSERT_EQ(o.model.obliczono, 1);
    a.odpowiedzi = {IDYES};
    o.Find(1070);
    zbuduj(o.model, {.wezly = {{0, 0}, {1, 0}}});
    o.model.nbw = 8;  // the band of the earlier truss survives New
    o.Find(1010);
    EXPECT_EQ(a.teksty().back(),
              "Zero na przekątnej macierzy sztywności!\n"
              "Węzeł 1 może się swobodnie przemieszczać w kierunku Y.");
    EXPECT_EQ(a.teksty().size(), 2u);
    EXPECT_EQ(o.model.obliczono, 0);
}

TEST_F(Oblicz, UdanaAnalizaNieMowiNicIUstawiaWyniki) {
    pratt(o.model, 10);
    o.Find(1010);
    EXPECT_TRUE(a.komunikaty.empty());
    EXPECT_EQ(o.model.obliczono, 1);
    EXPECT_EQ(a.odswiezenia, 1);
}
