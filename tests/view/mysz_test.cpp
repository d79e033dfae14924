// SPDX-License-Identifier: GPL-3.0-or-later
// The main view under the mouse: picking, proportions, zoom and pan, the status bar, and the edits
// made with the mouse through the scripted stand-in.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <random>

#include "okno/okno.h"
#include "tests/wspolne/atrapa.h"
#include "tests/wspolne/kratownice.h"
#include "tests/wspolne/nagrywarka.h"

namespace {

using R = Wskazanie::Rodzaj;

struct Mysz : ::testing::Test {
    Atrapa port;
    _OKNO_ o{port};
    Nagrywarka dc;
    void maluj(int w = 450, int h = 250) {
        dc.wyczysc();
        o.Paint(dc, w, h);
    }
    // The model point under a client point.
    std::pair<float, float> pod(float x, float y) const {
        const Odwzorowanie m = o.odwzorowanie();
        return {m.model_x(x), m.model_y(y)};
    }
};

// Every node, then every bar, the nearest within its radius and the lower number of equals, in the
// client area: what the grid must find, however the entities were filed.
Wskazanie wszystkie(const _OKNO_& o, float x, float y) {
    const Model& m = o.model;
    const Odwzorowanie od = o.odwzorowanie();
    auto p = [&](int n) {
        return std::pair<double, double>(od.ekran_x(m.x[n][1]), od.ekran_y(m.x[n][2]));
    };
    Wskazanie w;
    if (x < 0 || y < 0 || x >= o.widok.szerokosc || y >= o.widok.wysokosc) return w;
    double d = 0;
    for (int n = 1; n <= m.nn; ++n) {
        const auto [a, b] = p(n);
        const double e = (a - x) * (a - x) + (b - y) * (b - y);
        if (e <= promien_wezla * promien_wezla && (w.numer == 0 || e < d)) w = {R::wezel, n}, d = e;
    }
    if (w.numer) return w;
    for (int k = 1; k <= m.ne; ++k) {
        const auto [ax, ay] = p(m.noc[k][1]);
        const auto [bx, by] = p(m.noc[k][2]);
        const double dx = bx - ax, dy = by - ay, l = dx * dx + dy * dy;
        const double t = std::clamp(l > 0 ? ((x - ax) * dx + (y - ay) * dy) / l : 0.0, 0.0, 1.0);
        const double ex = ax + t * dx - x, ey = ay + t * dy - y, e = ex * ex + ey * ey;
        if (e <= promien_preta * promien_preta && (w.numer == 0 || e < d)) w = {R::pret, k}, d = e;
    }
    return w;
}

// Two diagonals cross at the square's centre, where their labels would coincide, and node 5 lies
// on node 1. 40 pixels a unit across, 20 up: node 1 at (25, 210), node 4 at (425, 10), the
// crossing at (225, 110); bar 3 runs along the bottom.
TEST_F(Mysz, WezelPrzedPretemNajblizszyZPromieniaARownyZNizszymNumerem) {
    zbuduj(o.model, Opis{.wezly = {{0, 0}, {10, 0}, {0, 10}, {10, 10}, {0, 0}},
                         .prety = {{1, 4, 1, 1}, {2, 3, 1, 1}, {1, 2, 1, 1}}});
    maluj();
    const std::tuple<int, int, Wskazanie> przypadki[] = {
        {225, 110, {R::pret, 1}},  // both diagonals through the point: the lower number
        {226, 112, {R::pret, 2}},  // 1.3 pixels from bar 2, 2.2 from bar 1: the nearer
        {25, 210, {R::wezel, 1}},  // two nodes on one point
        {29, 213, {R::wezel, 1}},  // 5 pixels off
        {33, 210, {R::pret, 3}},   // 8 pixels from the node; on bar 3, 3.6 pixels from bar 1
        {425, 14, {R::wezel, 4}},  // as near the end of bar 1 as the node: the node
        {225, 130, {}},            // 18 pixels from the diagonals
        {-40, -40, {}},
    };
    for (const auto& [x, y, w] : przypadki) {
        EXPECT_EQ(o.wybierz(x, y), w) << x << " " << y;
    }

    // A lattice zoomed and moved so that bars leave the window across cells of every kind.
    krata(o.model, 30, 20);
    maluj(640, 480);
    o.EvMouseWheel(300, 200, 360);
    o.przesun_widok(-70, 45);
    maluj(640, 480);
    std::mt19937 los(7);
    std::uniform_real_distribution<float> x(-10, 650), y(-10, 490);
    for (int i = 0; i < 3000; ++i) {
        const float a = std::floor(x(los)), b = std::floor(y(los));
        ASSERT_EQ(o.wybierz(a, b), wszystkie(o, a, b)) << a << " " << b;
    }
}

// One scale for X and Y, the smaller the window allows, and the nodes' extents in the middle of
// the area inside the margins (25..425 across, 10..210 down in a 450 x 250 window). The mapping
// state keeps the independent scales, and the drawing follows the view.
TEST_F(Mysz, ProporcjeDajaJednaSkaleIKratownicaNaSrodku) {
    const struct {
        Opis opis;
        float skala;
        std::pair<float, float> pierwszy, ostatni;  // nodes 1 and nn on screen
    } przypadki[] = {
        {{.wezly = {{0, 0}, {10, 0}, {10, 2}}}, 40, {25, 150}, {425, 70}},
        {{.wezly = {{0, 0}, {1, 10}}}, 20, {215, 210}, {235, 10}},
        {{.wezly = {{3, 0}, {3, 5}}}, 40, {225, 210}, {225, 10}},  // a vertical line
        {{.wezly = {{4, 4}}}, 200, {225, 110}, {225, 110}},        // a lone node
    };
    ASSERT_TRUE(o.Find(CM_PROPORCJE));
    EXPECT_EQ(port.ustawienia["widok/proporcje"], "1");
    for (const auto& p : przypadki) {
        zbuduj(o.model, p.opis);
        maluj();
        const Odwzorowanie m = o.odwzorowanie();
        const int nn = o.model.nn;
        EXPECT_EQ(m.kx, p.skala);
        EXPECT_EQ(m.ka, p.skala);
        EXPECT_EQ(std::pair(m.ekran_x(o.model.x[1][1]), m.ekran_y(o.model.x[1][2])), p.pierwszy);
        EXPECT_EQ(std::pair(m.ekran_x(o.model.x[nn][1]), m.ekran_y(o.model.x[nn][2])), p.ostatni);
    }
    zbuduj(o.model, Opis{.wezly = {{0, 0}, {10, 0}, {10, 2}}, .prety = {{2, 3, 1, 1}}});
    maluj();
    EXPECT_EQ(std::pair(o.model.sx, o.model.sa), std::pair(40.0f, 100.0f));
    const auto kola = dc.wszystkie(Wywolanie::elipsa);
    ASSERT_EQ(kola.size(), 2u);
    EXPECT_EQ(std::tuple(kola[1].x1, kola[1].y1), std::tuple(422, 67));  // node 3 at (425, 70)

    // The choice outlives the program; the check mark follows it.
    Atrapa drugi;
    drugi.ustawienia = port.ustawienia;
    _OKNO_ nowe(drugi);
    nowe.wczytaj_ustawienia();
    TCommandEnabler ce;
    nowe.Enable(CM_PROPORCJE, ce);
    EXPECT_EQ(ce.zaznaczenie, 1);
}

// The wheel zooms about the cursor: the model point under it stays under it, and the readout says
// so. Dragging moves that point with the cursor; fitting the view, or another project, goes back
// to the fitted framing of the mapping state.
TEST_F(Mysz, PrzyblizenieZostawiaPunktPodKursoremAPrzesuniecieGoNiesie) {
    zbuduj(o.model, Opis{.wezly = {{0, 0}, {10, 0}, {10, 1}}, .prety = {{1, 2, 1, 1}}});
    maluj();
    for (const auto& [x, y, obrot] :
         {std::tuple{105, 170, 120}, {301, 40, -240}, {425, 200, 600}, {0, 249, -120}}) {
        const auto przed = pod(x, y);
        o.EvMouseMove(x, y);
        const std::string odczyt = port.wspolrzedne;
        o.EvMouseWheel(x, y, obrot);
        maluj();
        const auto po = pod(x, y);
        EXPECT_NEAR(po.first, przed.first, 1e-4) << x << " " << y << " " << obrot;
        EXPECT_NEAR(po.second, przed.second, 1e-5);
        o.EvMouseMove(x, y);
        EXPECT_EQ(port.wspolrzedne, odczyt);
    }
    EXPECT_NE(o.odwzorowanie().kx, o.model.sx) << "zoomed";
    const auto przed = pod(200, 100);
    o.przesun_widok(30, -20);
    maluj();
    const auto po = pod(230, 80);
    EXPECT_NEAR(po.first, przed.first, 1e-4);
    EXPECT_NEAR(po.second, przed.second, 1e-5);

    const Odwzorowanie dopasowane{0, 0, 40, 200, 25, 40, 250};
    ASSERT_TRUE(o.Find(CM_DOPASUJ));
    EXPECT_EQ(o.odwzorowanie(), dopasowane);
    o.EvMouseWheel(105, 170, 120);
    port.odpowiedzi.push_back(IDNO);  // even a new project not made fits the view
    o.Find(1070);
    EXPECT_EQ(o.odwzorowanie(), dopasowane);
}

// The status bar names what lies under the cursor, with supports, forces and, while results are
// valid, displacements and stresses; nodes (3, 4) and (0, 0) map to (425, 10) and (25, 210).
TEST_F(Mysz, PasekStanuOpisujeWskazanyWezelIPret) {
    zbuduj(o.model, Opis{.wezly = {{3, 4}, {0, 0}},
                         .prety = {{1, 2, 1, 1}},
                         .podpory = {{1, 0}, {2, -0.01f}},
                         .sily = {{2, -10}, {3, 5}, {4, -1}}});
    o.model.f[1] = 0.001f, o.model.f[2] = -0.002f, o.model.stressp[1] = 123.4567f;
    maluj();
    const std::tuple<int, int, int, std::string> przypadki[] = {
        {425, 10, 0,
         "Węzeł 1: X = 3.000, Y = 4.000; podpora X, Y (wymuszone Y = -0.010000); siła Y = -10.000"},
        {425, 10, 1,
         "Węzeł 1: X = 3.000, Y = 4.000; podpora X, Y (wymuszone Y = -0.010000); siła Y = -10.000; "
         "przemieszczenie X = 0.001000, Y = -0.002000"},
        {25, 210, 0, "Węzeł 2: X = 0.000, Y = 0.000; siły X = 5.000, Y = -1.000"},
        {225, 110, 0, "Pręt 1: węzły 1–2, materiał 1, przekrój 1, długość 5.000"},
        {225, 110, 1,
         "Pręt 1: węzły 1–2, materiał 1, przekrój 1, długość 5.000; naprężenie 123.457"},
        {225, 150, 1, ""},
    };
    for (const auto& [x, y, wyniki, tekst] : przypadki) {
        o.model.obliczono = wyniki;
        o.EvMouseMove(x, y);
        EXPECT_EQ(port.status, tekst);
    }
    o.EvMouseMove(425, 10);
    o.EvMouseLeave();
    EXPECT_EQ(port.status, "");
}

// A double click or the right button's menu edits the node or bar under the cursor with the
// dialogs, checks and messages of the menu commands, without asking for its number.
TEST_F(Mysz, PodwojneKlikniecieIMenuPodPrawymEdytujaWskazanyWezelLubPret) {
    zbuduj(o.model,
           Opis{.wezly = {{0, 0}, {10, 0}, {10, 10}}, .prety = {{1, 2, 1, 1}, {2, 3, 1, 1}}});
    maluj();  // node 2 at (425, 210), node 3 at (425, 10); bar 1 along the bottom
    port.wpisy = {Wpis{{{8500, "-2"}}}, Wpis{{{8500, "5"}}}};
    o.EvLButtonDblClk(425, 210);
    EXPECT_EQ(port.teksty(), std::vector<std::string>{"Współrzędna X<0"});
    ASSERT_EQ(port.pokazy.size(), 2u) << "no number prompt";
    EXPECT_EQ(port.pokazy[0].szablon, 3020);
    EXPECT_EQ(port.pokazy[0].przy_otwarciu.at(8004), "2");
    EXPECT_EQ(o.model.x[2][1], 5.0f);

    maluj();  // node 2 now at (225, 210)
    port.wpisy = {Wpis{{{8501, "3"}}}};
    o.EvLButtonDblClk(120, 210);
    ASSERT_EQ(port.pokazy.size(), 3u);
    EXPECT_EQ(port.pokazy[2].przy_otwarciu.at(8004), "1");
    EXPECT_EQ(std::pair(o.model.noc[1][1], o.model.noc[1][2]), std::pair(1, 3));
    // Each mouse edit is one undoable step.
    EXPECT_EQ(o.historia.do_cofniecia(), "zmiana pręta 1");
    o.Find(52011);
    EXPECT_EQ(o.historia.do_cofniecia(), "zmiana węzła 2");
    o.Find(52012);

    maluj();
    port.wybory = {2, 2};
    o.EvRButtonDown(225, 210);  // node 2 ends bar 2: it cannot go
    ASSERT_EQ(port.menu.size(), 1u);
    EXPECT_EQ(port.menu[0][0].etykieta, "&Zmień");
    EXPECT_EQ(port.menu[0][1].etykieta, "&Usuń");
    EXPECT_FALSE(port.menu[0][1].wlaczona);
    EXPECT_EQ(o.model.nn, 3);
    o.EvRButtonDown(325, 110);  // on bar 2
    EXPECT_TRUE(port.menu[1][1].wlaczona);
    EXPECT_EQ(o.model.ne, 1);
    o.EvRButtonDown(100, 100);  // nothing there: no menu
    EXPECT_EQ(port.menu.size(), 2u);

    // In the drawing mode a double click is a click.
    o.Find(CM_RYSUJ);
    o.EvLButtonDblClk(25, 210);
    EXPECT_EQ(port.pokazy.size(), 3u);
    EXPECT_EQ(port.bledy_skryptu, 0);
}

// Drawing: a click in empty space adds a node where the cursor points, snapped to the grid step; a
// click on a node and then on another joins them with a bar of the last material and section.
// Each passes its dialog's checks. In a new project the view frames 10 units from the origin, 20
// pixels a unit in a 450 x 250 window, the origin at (25, 210), and it stays so as nodes come.
TEST_F(Mysz, RysowanieDodajeWezlyWPunktachKliknieciaIPretyMiedzyWezlami) {
    zbuduj(o.model, Opis{});
    maluj();
    port.wpisy = {Wpis{{{8500, "-1"}}}, Wpis{{{8500, "abc"}}}, Wpis{{{8500, "0.5"}}}};
    o.Find(CM_KROK_SIATKI);
    EXPECT_EQ(port.teksty(),
              (std::vector<std::string>{"Krok siatki <0", "Krok siatki nie jest liczbą"}));
    EXPECT_EQ(port.ustawienia["widok/krok_siatki"], "0.5");

    ASSERT_TRUE(o.Find(CM_RYSUJ));
    TCommandEnabler ce;
    o.Enable(CM_RYSUJ, ce);
    EXPECT_TRUE(ce.wlaczone && ce.zaznaczenie == 1);
    auto klik = [&](int x, int y) {
        o.EvLButtonDown(x, y);
        maluj();
    };
    klik(127, 108);  // (5.1, 5.1)
    klik(20, 100);   // (-0.25, 5.5): X is below 0 once snapped
    klik(226, 211);  // (10.05, -0.05)
    EXPECT_EQ(port.teksty().back(), "Współrzędna X<0");
    ASSERT_EQ(o.model.nn, 2);
    EXPECT_EQ(std::tuple(o.model.x[1][1], o.model.x[1][2], o.model.x[2][1], o.model.x[2][2]),
              std::tuple(5.0f, 5.0f, 10.0f, 0.0f));
    EXPECT_FALSE(std::signbit(o.model.x[2][2]));

    klik(125, 110);
    EXPECT_EQ(port.status, "Pręt od węzła 1: kliknij drugi węzeł. Esc kończy rysowanie.");
    klik(225, 210);
    ASSERT_EQ(o.model.ne, 1);
    EXPECT_EQ(std::vector<int>(&o.model.noc[1][1], &o.model.noc[1][1] + 4),
              (std::vector<int>{1, 2, 1, 1}));
    EXPECT_EQ(o.historia.do_cofniecia(), "dodanie pręta 1");
    o.ostatni_material = 2;  // since deleted
    klik(225, 210);
    klik(125, 110);
    EXPECT_EQ(port.teksty().back(), "Zły numer materiału");
    EXPECT_EQ(o.model.ne, 1);

    EXPECT_TRUE(o.EvKeyDown(VK_ESCAPE));
    klik(300, 100);
    EXPECT_EQ(o.model.nn, 2) << "out of the drawing mode a click adds nothing";
    EXPECT_TRUE(o.EvKeyDown(VK_R));
    EXPECT_TRUE(o.rysowanie);
    EXPECT_EQ(port.bledy_skryptu, 0);
}

// A bar needs a material and a cross-section: in the drawing mode a node clicked before they
// exist says once which are missing and where to add them, and begins no bar.
TEST_F(Mysz, RysowaniePretaBezMaterialuLubPrzekrojuMowiRazCoNajpierwDodac) {
    const struct {
        std::vector<std::array<float, 2>> materialy;
        std::vector<float> pola;
        const char* tekst;
    } przypadki[] = {
        {{},
         {},
         "Pręt wymaga materiału i pola przekroju. Dodaj je najpierw poleceniami Dodaj → Materiał "
         "i Dodaj → Pole przekroju."},
        {{}, {0.01f}, "Pręt wymaga materiału. Dodaj go najpierw poleceniem Dodaj → Materiał."},
        {{{2.1e8f, 1.2e-5f}},
         {},
         "Pręt wymaga pola przekroju. Dodaj je najpierw poleceniem Dodaj → Pole przekroju."},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.tekst);
        zbuduj(o.model, Opis{.wezly = {{0, 0}, {10, 0}}, .materialy = p.materialy, .pola = p.pola});
        o.rysowanie = true;
        maluj();
        port.komunikaty.clear();
        const Odwzorowanie od = o.odwzorowanie();
        for (int n : {1, 2}) {
            o.EvLButtonDown(static_cast<int>(od.ekran_x(o.model.x[n][1])),
                            static_cast<int>(od.ekran_y(o.model.x[n][2])));
            ASSERT_EQ(port.komunikaty.size(), static_cast<std::size_t>(n)) << "one per click";
            const Komunikat& k = port.komunikaty.back();
            EXPECT_EQ(std::tuple(k.tekst, k.tytul, k.ikona),
                      std::tuple(std::string(p.tekst), std::string("Rysowanie prętów"),
                                 Ikona::wykrzyknik));
        }
        EXPECT_EQ(o.model.ne, 0);
        EXPECT_EQ(o.model.nn, 2) << "a click on a node adds none";
        EXPECT_EQ(o.pierwszy_wezel, 0);
        EXPECT_TRUE(port.pokazy.empty());
    }
    EXPECT_EQ(port.bledy_skryptu, 0);
}

}  // namespace
