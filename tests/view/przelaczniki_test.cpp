// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <map>
#include <set>
#include <string>

#include "okno/okno.h"
#include "tests/wspolne/atrapa.h"
#include "tests/wspolne/kratownice.h"
#include "tests/wspolne/nagrywarka.h"

namespace {

constexpr int napr = 1120, przem = 1110, ele = 1200, mat = 1220, pola = 1230, wez = 1210,
              sil = CM_N_SIL;

struct Przelaczniki : ::testing::Test {
    Atrapa port;
    _OKNO_ o{port};
    // Enabled and check mark of each view item, in menu order.
    std::vector<std::pair<bool, int>> menu() {
        std::vector<std::pair<bool, int>> w;
        for (int id : {napr, przem, ele, mat, pola, sil, wez}) {
            TCommandEnabler ce;
            o.Enable(id, ce);
            w.push_back({ce.wlaczone, ce.zaznaczenie});
        }
        return w;
    }
};

TEST_F(Przelaczniki, WlaczenieZalezyOdModeluIWynikowAZaznaczenieOdFlagi) {
    using M = std::vector<std::pair<bool, int>>;
    const std::tuple<int, int, M> przypadki[] = {
        {0, 0, {{false, 0}, {false, 1}, {true, 1}, {true, 0}, {true, 0}, {false, 0}, {true, 1}}},
        {1,
         0,
         {{false, 0}, {false, 1}, {false, 1}, {false, 0}, {false, 0}, {false, 0}, {false, 1}}},
        {0, 1, {{true, 0}, {true, 1}, {true, 1}, {true, 0}, {true, 0}, {true, 0}, {true, 1}}},
        // Stress colours want results not cleared; the deformed shape and the axial forces exactly
        // 1 and an open model.
        {0, 2, {{true, 0}, {false, 1}, {true, 1}, {true, 0}, {true, 0}, {false, 0}, {true, 1}}},
        {2, 1, {{true, 0}, {false, 1}, {true, 1}, {true, 0}, {true, 0}, {false, 0}, {true, 1}}},
    };
    for (const auto& [pusty, obliczono, oczekiwane] : przypadki) {
        o.model.Pusty = pusty, o.model.obliczono = obliczono;
        EXPECT_EQ(menu(), oczekiwane) << pusty << " " << obliczono;
    }
}

TEST_F(Przelaczniki, EtykietyPretowWykluczajaSieAKazdyPrzelacznikOdswieza) {
    // Axial forces take the same place: they too turn the others off and are turned off by them.
    const std::tuple<int, int, int, int, int> kroki[] = {
        {pola, 0, 0, 1, 0}, {pola, 0, 0, 0, 0}, {mat, 0, 1, 0, 0}, {ele, 1, 0, 0, 0},
        {ele, 0, 0, 0, 0},  {ele, 1, 0, 0, 0},  {mat, 0, 1, 0, 0}, {pola, 0, 0, 1, 0},
        {sil, 0, 0, 0, 1},  {sil, 0, 0, 0, 0},  {sil, 0, 0, 0, 1}, {ele, 1, 0, 0, 0},
        {sil, 0, 0, 0, 1},  {mat, 0, 1, 0, 0},  {sil, 0, 0, 0, 1}, {pola, 0, 0, 1, 0},
    };
    int odswiezenia = port.odswiezenia;
    for (const auto& [id, e, m, p, s] : kroki) {
        ASSERT_TRUE(o.Find(id));
        EXPECT_EQ(std::tuple(o.model.p_n_ele, o.model.p_n_mat, o.model.p_n_pola, o.p_n_sil),
                  std::tuple(e, m, p, s));
        EXPECT_EQ(port.odswiezenia, ++odswiezenia);
    }
    for (const auto& [id, flaga] :
         {std::pair{napr, &Model::p_napr}, {przem, &Model::p_przem}, {wez, &Model::p_n_wezl}}) {
        o.model.*flaga = 7;  // anything but 1 is off
        o.Find(id);
        EXPECT_EQ(o.model.*flaga, 1);
        o.Find(id);
        EXPECT_EQ(o.model.*flaga, 0);
    }
    EXPECT_EQ(port.odswiezenia, odswiezenia + 6);
    o.EvSize(640, 480);
    EXPECT_EQ(port.odswiezenia, odswiezenia + 7);
}

TEST_F(Przelaczniki, OdczytOdwracaOdwzorowanieOstatniegoMalowania) {
    o.EvMouseMove(125, -140);  // before any paint: x0 = aa = 0, sx = sa = 1, maxx = 0
    EXPECT_EQ(port.wspolrzedne, "x=100.00, y=100.00");

    zbuduj(o.model, Opis{.wezly = {{0, 0}, {10, 0}, {10, 1}}});
    Nagrywarka dc;
    o.Paint(dc, 450, 250);
    const char* pusty = "x=,          y=,        ";
    for (const auto& [x, y, tekst] : {std::tuple{105, 170, "x= 2.00, y= 0.20"},
                                      {425, 10, "x=10.00, y= 1.00"},
                                      {100025, -199790, "x=2500.00, y=1000.00"},
                                      {25, 170, "x= 0.00, y= 0.20"},  // 0 is not negative
                                      {105, 210, "x= 2.00, y= 0.00"},
                                      {25, 210, "x= 0.00, y= 0.00"},
                                      {10, 170, pusty},
                                      {105, 230, pusty}}) {
        o.EvMouseMove(x, y);
        EXPECT_EQ(port.wspolrzedne, tekst);
        EXPECT_EQ(o.wsp->xx, tekst);
    }
}

}  // namespace

// Reactions need valid results, the forces' values a model; both are remembered between runs as
// soon as they change, as is the deformed shape's factor.
TEST_F(Przelaczniki, ReakcjeIWartosciObciazenPrzelaczaneIZapamietywane) {
    for (const auto& [pusty, obliczono, reakcje, wartosci] :
         {std::tuple{1, 0, false, false}, {0, 0, false, true}, {0, 1, true, true}}) {
        o.model.Pusty = pusty, o.model.obliczono = obliczono;
        TCommandEnabler r, w;
        o.Enable(CM_REAKCJE, r);
        o.Enable(CM_WARTOSCI_SIL, w);
        EXPECT_EQ(std::pair(r.wlaczone, w.wlaczone), std::pair(reakcje, wartosci));
        EXPECT_EQ(std::pair(r.zaznaczenie, w.zaznaczenie), std::pair(0, 0));
    }
    const int odswiezenia = port.odswiezenia;
    o.Find(CM_REAKCJE);
    o.Find(CM_WARTOSCI_SIL);
    EXPECT_EQ(std::pair(o.p_reakcje, o.p_wartosci_sil), std::pair(1, 1));
    EXPECT_EQ(port.odswiezenia, odswiezenia + 2);
    _OKNO_ nastepne(port);
    nastepne.wczytaj_ustawienia();
    EXPECT_EQ(std::pair(nastepne.p_reakcje, nastepne.p_wartosci_sil), std::pair(1, 1));
    o.Find(CM_REAKCJE);
    EXPECT_EQ(port.ustawienia["widok/reakcje"], "0");
    EXPECT_EQ(port.ustawienia["widok/wartosci_obciazen"], "1");
}

// The factor is the view's own until a positive number is typed; anything else is refused and
// asked for again; "automatyczna" gives the choice back to the view.
TEST_F(Przelaczniki, SkalaPrzemieszczenAutomatycznaAlboPodanaDodatnia) {
    o.model.Pusty = 0;
    port.wpisy = {Wpis{{{8912, "1"}, {8500, "-2"}}}, Wpis{{{8912, "1"}, {8500, "abc"}}},
                  Wpis{{{8912, "1"}, {8500, "250"}}}};
    o.Find(CM_SKALA_PRZEM);
    EXPECT_EQ(o.skala_przem, 250.0f);
    EXPECT_EQ(port.teksty(),
              (std::vector<std::string>(2, "Skala przemieszczeń nie jest liczbą dodatnią")));
    ASSERT_EQ(port.pokazy.size(), 3u);
    EXPECT_EQ(port.pokazy[0].przy_otwarciu,
              (std::map<int, std::string>{{8911, "1"}, {8912, "0"}, {8500, ""}}));
    EXPECT_EQ(port.ustawienia["widok/skala_przemieszczen"], "250");
    _OKNO_ nastepne(port);
    nastepne.wczytaj_ustawienia();
    EXPECT_EQ(nastepne.skala_przem, 250.0f);

    // Opened again it shows the factor; cancelled, nothing changes.
    port.wpisy = {Wpis{{}, 2}, Wpis{{{8911, "1"}}}};
    o.Find(CM_SKALA_PRZEM);
    EXPECT_EQ(port.pokazy[3].przy_otwarciu,
              (std::map<int, std::string>{{8911, "0"}, {8912, "1"}, {8500, "250"}}));
    EXPECT_EQ(o.skala_przem, 250.0f);
    o.Find(CM_SKALA_PRZEM);
    EXPECT_EQ(o.skala_przem, 0.0f);
    EXPECT_EQ(port.ustawienia["widok/skala_przemieszczen"], "");
}

// The view's menu gives each item a mnemonic of its own.
TEST(MenuWidok, KazdaPozycjaMaWlasnyKlawiszSkrotu) {
    for (const Podmenu& p : menu_1000()) {
        if (std::string(p.etykieta) != "&Widok") continue;
        std::set<char> litery;
        for (const PozycjaMenu& poz : p.pozycje) {
            if (poz.id == 0) continue;
            const char* amp = std::strchr(poz.etykieta, '&');
            ASSERT_NE(amp, nullptr) << poz.etykieta;
            EXPECT_TRUE(litery.insert(static_cast<char>(std::tolower(amp[1]))).second)
                << poz.etykieta;
        }
        EXPECT_EQ(litery.size(), 16u);
    }
}
