// SPDX-License-Identifier: GPL-3.0-or-later
// Selecting and dragging with the mouse in the main view, through the scripted stand-in.
#include <gtest/gtest.h>

#include "okno/okno.h"
#include "tests/wspolne/atrapa.h"
#include "tests/wspolne/kratownice.h"
#include "tests/wspolne/nagrywarka.h"

namespace {

// A 10 x 5 rectangle with a diagonal, 40 pixels a unit in a 450 x 250 window: node 1 at
// (25, 210), 2 at (425, 210), 3 at (425, 10), 4 at (25, 10); bar 1 along the bottom, bar 5 the
// diagonal from node 1 to node 3.
struct Zaznaczanie : ::testing::Test {
    Atrapa port;
    _OKNO_ o{port};
    Nagrywarka dc;
    void SetUp() override {
        zbuduj(o.model,
               Opis{.wezly = {{0, 0}, {10, 0}, {10, 5}, {0, 5}},
                    .prety = {{1, 2, 1, 1}, {2, 3, 1, 1}, {3, 4, 1, 1}, {4, 1, 1, 1}, {1, 3, 1, 1}},
                    .podpory = {{1, 0}, {2, 0}, {4, 0}}});
        o.nowy_dokument(true);
        maluj();
    }
    void TearDown() override { EXPECT_EQ(port.bledy_skryptu, 0); }
    void maluj() {
        dc.wyczysc();
        o.Paint(dc, 450, 250);
    }
    void klik(int x, int y, bool shift = false) {
        o.EvLButtonDown(x, y, shift);
        o.EvLButtonUp(x, y);
    }
    // Down at one point, through the others, up at the last.
    void ciagnij(std::vector<std::pair<int, int>> droga, bool shift = false) {
        o.EvLButtonDown(droga[0].first, droga[0].second, shift);
        for (std::size_t i = 1; i < droga.size(); ++i)
            o.EvMouseMove(droga[i].first, droga[i].second);
        o.EvLButtonUp(droga.back().first, droga.back().second);
        maluj();
    }
    std::pair<std::vector<int>, std::vector<int>> zaznaczone() const {
        return {o.zaznaczenie.wezly(), o.zaznaczenie.prety()};
    }
    using Z = std::pair<std::vector<int>, std::vector<int>>;
};

TEST_F(Zaznaczanie, KlikShiftKlikRamkaIEsc) {
    klik(25, 210);
    EXPECT_EQ(zaznaczone(), (Z{{1}, {}}));
    EXPECT_GT(port.zmiany_zaznaczenia, 0) << "the data sheet is told";
    klik(225, 210);  // on bar 1: it alone
    EXPECT_EQ(zaznaczone(), (Z{{}, {1}}));
    klik(425, 210, true);
    klik(425, 10, true);
    EXPECT_EQ(zaznaczone(), (Z{{2, 3}, {1}}));
    klik(425, 210, true);  // Shift and a click on a selected node takes it away
    EXPECT_EQ(zaznaczone(), (Z{{3}, {1}}));
    klik(225, 150);  // nothing there
    EXPECT_EQ(zaznaczone(), (Z{}));

    // The band: nodes inside it, bars with both ends inside.
    ciagnij({{0, 100}, {200, 200}, {450, 250}});
    EXPECT_EQ(zaznaczone(), (Z{{1, 2}, {1}}));
    ciagnij({{450, 0}, {400, 30}}, true);
    EXPECT_EQ(zaznaczone(), (Z{{1, 2, 3}, {1}})) << "Shift adds; bar 2 has an end outside";
    ciagnij({{0, 0}, {450, 250}});
    EXPECT_EQ(zaznaczone(), (Z{{1, 2, 3, 4}, {1, 2, 3, 4, 5}}));
    EXPECT_FALSE(o.historia.moze_cofnac()) << "selecting changes no model";

    // The highlight: a disc on every selected node.
    Nagrywarka n;
    o.RysujWskazanie(n);
    EXPECT_EQ(n.wszystkie(Wywolanie::elipsa).size(), 4u);
    EXPECT_TRUE(o.EvKeyDown(VK_ESCAPE));
    EXPECT_TRUE(o.zaznaczenie.puste());
    EXPECT_FALSE(o.EvKeyDown(VK_ESCAPE)) << "nothing more to clear";
}

// A dragged node follows the cursor to the grid, the other selected nodes keep their places about
// it, nothing goes below 0, and the drag is one undo step; Escape or a way back leaves no step.
TEST_F(Zaznaczanie, PrzeciagniecieWezlowJednymKrokiemDoSiatki) {
    o.krok_siatki = 1.0f;
    o.model.obliczono = 1;
    const Odwzorowanie przed = o.odwzorowanie();
    ciagnij({{425, 10}, {410, 20}, {387, 52}});  // node 3 by (-0.95, -1.05): (9, 4) on the grid
    EXPECT_EQ(std::pair(o.model.x[3][1], o.model.x[3][2]), std::pair(9.0f, 4.0f));
    EXPECT_EQ(o.model.obliczono, 0);
    EXPECT_EQ(o.historia.do_cofniecia(), "przesunięcie węzła 3");
    EXPECT_TRUE(o.odwzorowanie() == przed) << "the view held still under the cursor";
    o.Find(52011);
    EXPECT_EQ(std::pair(o.model.x[3][1], o.model.x[3][2]), std::pair(10.0f, 5.0f));
    EXPECT_EQ(o.model.obliczono, 1) << "undo brings the results back";
    EXPECT_FALSE(o.historia.moze_cofnac());
    maluj();

    // The top chord selected, dragged by node 4: both move; node 4 cannot go left of 0.
    ciagnij({{0, 0}, {450, 40}});
    EXPECT_EQ(zaznaczone(), (Z{{3, 4}, {3}}));
    ciagnij({{25, 10}, {45, 30}, {65, 50}});
    EXPECT_EQ(std::tuple(o.model.x[3][1], o.model.x[3][2], o.model.x[4][1], o.model.x[4][2]),
              std::tuple(11.0f, 4.0f, 1.0f, 4.0f));
    ciagnij({{65, 50}, {-100, 50}});
    EXPECT_EQ(std::pair(o.model.x[4][1], o.model.x[3][1]), std::pair(0.0f, 10.0f));
    EXPECT_EQ(o.historia.do_cofniecia(), "przesunięcie węzłów");

    // Escape in the middle of a drag, or a drag back to where it began: as it was, no step.
    o.Find(52011), o.Find(52011);
    maluj();
    o.model.obliczono = 1;
    o.EvLButtonDown(425, 210);
    o.EvMouseMove(300, 150);
    EXPECT_NE(o.model.x[2][1], 10.0f);
    EXPECT_TRUE(o.EvKeyDown(VK_ESCAPE));
    o.EvLButtonUp(300, 150);
    ciagnij({{425, 210}, {300, 150}, {425, 210}});
    EXPECT_EQ(std::pair(o.model.x[2][1], o.model.x[2][2]), std::pair(10.0f, 0.0f));
    EXPECT_EQ(o.model.obliczono, 1);
    EXPECT_FALSE(o.historia.moze_cofnac());
}

// Over the selection the right button offers what can be done to it; elsewhere, as before.
TEST_F(Zaznaczanie, MenuPodPrawymPrzyciskiemDlaZaznaczenia) {
    klik(225, 210);
    port.wybory = {0};
    o.EvRButtonDown(225, 210);
    ASSERT_EQ(port.menu.size(), 1u);
    ASSERT_EQ(port.menu[0].size(), 6u);
    EXPECT_EQ(port.menu[0][0].etykieta, "&Usuń zaznaczone");
    EXPECT_TRUE(port.menu[0][3].wlaczona) << "a bar selected: its material";
    EXPECT_FALSE(port.menu[0][4].wlaczona) << "no node selected: no supports";
    port.wybory = {1};
    o.EvRButtonDown(100, 100);  // beside everything: the selection's menu too
    EXPECT_EQ(o.model.ne, 4);
    EXPECT_EQ(o.historia.do_cofniecia(), "usunięcie zaznaczonych");
    EXPECT_TRUE(o.zaznaczenie.puste());
    port.wybory = {0};
    o.EvRButtonDown(425, 210);  // node 2, nothing selected: change or delete it
    EXPECT_EQ(port.menu.back()[0].etykieta, "&Zmień");
}

}  // namespace
