// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <limits>
#include <map>

#include "okno/okno.h"
#include "tests/wspolne/atrapa.h"
#include "tests/wspolne/kratownice.h"
#include "tests/wspolne/nagrywarka.h"

namespace {

constexpr Kolor fioletowy{150, 0, 190};
constexpr Kolor jasny{180, 180, 180};
constexpr Kolor niebieski{0, 0, 255};
constexpr Kolor czerwony{255, 0, 0};
constexpr Kolor pomaranczowy{255, 128, 0};

using Kreski = std::vector<std::array<int, 4>>;

struct Widok : ::testing::Test {
    Atrapa port;
    _OKNO_ o{port};
    Nagrywarka dc;
    void maluj(int w, int h) {
        dc.wyczysc();
        o.Paint(dc, w, h);
    }
    Kreski kreski(Kolor pioro) const {
        Kreski k;
        for (const Odcinek& s : dc.odcinki_piorem(pioro)) k.push_back({s.x1, s.y1, s.x2, s.y2});
        return k;
    }
    std::pair<int, int> gdzie(const std::string& t) const {
        const Operacja* op = dc.znajdz_tekst(t);
        return op ? std::pair(op->x1, op->y1) : std::pair(-1, -1);
    }
};

TEST_F(Widok, BezModeluAlboPonizej151PikseliTylkoBialeIOdwzorowanieBezZmian) {
    // Nothing but the one line of how to begin, in a new model that has no nodes the drawing one.
    auto tylko_wskazowka = [&](const char* poczatek) {
        const auto teksty = dc.wszystkie(Wywolanie::tekst);
        ASSERT_EQ(teksty.size(), 1u);
        EXPECT_EQ(teksty[0].tekst.rfind(poczatek, 0), 0u) << teksty[0].tekst;
        EXPECT_EQ(dc.rysunki(), 1);
    };
    o.model.sx = -1, o.maxx = 11;
    maluj(400, 300);
    tylko_wskazowka("Jak zacząć: Plik → Szablon kratownicy");
    przygotuj(o.model, 0, 0, 0, 0, 0, 0);
    maluj(400, 300);
    tylko_wskazowka("Model jest pusty: Dodaj → Rysuj");
    EXPECT_EQ(o.maxx, 11);

    zbuduj(o.model, Opis{.wezly = {{0, 0}, {1, 1}}, .prety = {{1, 2, 1, 1}}});
    for (const auto& [w, h, rysuje] :
         {std::tuple{150, 400, false}, {400, 150, false}, {151, 151, true}}) {
        o.model.sx = -1;
        maluj(w, h);
        const auto prost = dc.wszystkie(Wywolanie::prostokat);
        ASSERT_FALSE(prost.empty());
        EXPECT_EQ(std::tuple(prost[0].x1, prost[0].y1, prost[0].x2, prost[0].y2),
                  std::tuple(0, 0, w, h));
        EXPECT_EQ(prost[0].stan.pedzel, bialy);
        EXPECT_EQ(o.maxx, h);
        EXPECT_EQ(dc.rysunki() > 1, rysuje) << w << "x" << h;
        EXPECT_EQ(o.model.sx != -1, rysuje);
    }
}

TEST_F(Widok, WezlyDopasowaneDoOknaNiezaleznieWXIY) {
    zbuduj(o.model,
           Opis{.wezly = {{0, 0}, {10, 0}, {10, 1}}, .prety = {{1, 2, 1, 1}, {2, 3, 1, 1}}});
    o.model.p_n_ele = 0;
    maluj(450, 250);
    EXPECT_EQ(std::tuple(o.model.sx, o.model.sa, o.model.ax, o.model.aa, o.model.x0),
              std::tuple(40, 200, 0, 0, 0));
    EXPECT_EQ(kreski(czarny), (Kreski{{25, 210, 425, 210}, {425, 210, 425, 10}}));
    EXPECT_EQ(gdzie("1"), std::pair(30, 215));
    EXPECT_EQ(gdzie("2"), std::pair(430, 215));
    EXPECT_EQ(gdzie("3"), std::pair(430, 15));
    const auto kola = dc.wszystkie(Wywolanie::elipsa);
    ASSERT_EQ(kola.size(), 3u);
    EXPECT_EQ(std::tuple(kola[0].x1, kola[0].y1, kola[0].x2, kola[0].y2),
              std::tuple(22, 207, 28, 213));
    EXPECT_EQ(kola[0].stan.pedzel, bialy);
}

// Each node's circle is drawn once, after the last bar that reaches the node, which is where the
// last of a circle per bar end would fall: the picture is the same.
TEST_F(Widok, KoloWezlaRysowaneRazPoOstatnimPreciePrzyWezle) {
    krata(o.model, 3, 2);
    maluj(400, 300);
    std::map<std::pair<int, int>, size_t> kolo;  // centre -> position of its ellipse
    std::vector<std::pair<size_t, Odcinek>> prety;
    for (size_t i = 0; i < dc.operacje.size(); ++i) {
        const Operacja& op = dc.operacje[i];
        if (op.rodzaj == Wywolanie::elipsa) {
            EXPECT_TRUE(
                kolo.emplace(std::pair((op.x1 + op.x2) / 2, (op.y1 + op.y2) / 2), i).second);
        }
        if (op.rodzaj == Wywolanie::linia_do && op.stan.pioro == czarny && kolo.size() < 12)
            prety.push_back({i, Odcinek{op.x1, op.y1, op.x2, op.y2, op.stan}});
    }
    EXPECT_EQ(kolo.size(), 12u);
    ASSERT_EQ(prety.size(), 23u);
    for (const auto& [i, p] : prety) {
        EXPECT_LT(i, kolo.at({p.x1, p.y1}));
        EXPECT_LT(i, kolo.at({p.x2, p.y2}));
    }
}

TEST_F(Widok, PodporyRysujaTrzySymbole) {
    // A lone node maps to (25, 160) in a 300 x 200 area; it gets no circle.
    const Kreski trojkat_pod{{25, 162, 17, 170}, {17, 170, 33, 170}, {33, 170, 25, 162}};
    auto z = [](Kreski a, const Kreski& b) { return a.insert(a.end(), b.begin(), b.end()), a; };
    const Kreski przesuwna_y = z(trojkat_pod, {{17, 174, 33, 174},
                                               {17, 174, 11, 178},
                                               {21, 174, 15, 178},
                                               {25, 174, 19, 178},
                                               {29, 174, 23, 178},
                                               {33, 174, 27, 178}});
    // The node's number keeps clear of the symbol: above it, or left of a roller on the right.
    const std::vector<std::tuple<std::vector<std::pair<int, float>>, Kreski, std::pair<int, int>>>
        przypadki = {
            {{{1, 0}, {2, 0}},
             z(trojkat_pod, {{17, 170, 11, 174},
                             {21, 170, 15, 174},
                             {25, 170, 19, 174},
                             {29, 170, 23, 174},
                             {33, 170, 27, 174}}),
             {30, 143}},
            {{{2, 0.5f}}, przesuwna_y, {30, 143}},
            // Repeated entries and DOFs of no node draw the node's own symbol once.
            {{{2, 0}, {2, 0}, {0, 0}, {3, 0}, {-1, 0}}, przesuwna_y, {30, 143}},
            {{{1, 0}},
             {{29, 158, 37, 166},
              {37, 166, 37, 150},
              {37, 150, 29, 158},
              {41, 150, 41, 166},
              {41, 150, 45, 144},
              {41, 154, 45, 148},
              {41, 158, 45, 152},
              {41, 162, 45, 156},
              {41, 166, 45, 160}},
             {13, 165}},
            {{}, {}, {30, 165}},
        };
    for (const auto& [podpory, oczekiwane, numer] : przypadki) {
        zbuduj(o.model, Opis{.wezly = {{4, 4}}, .podpory = podpory});
        maluj(300, 200);
        EXPECT_EQ(kreski(czarny), oczekiwane) << podpory.size();
        EXPECT_EQ(dc.odcinki().size(), oczekiwane.size());
        EXPECT_TRUE(dc.wszystkie(Wywolanie::elipsa).empty());
        EXPECT_EQ(gdzie("1"), numer);
    }
}

TEST_F(Widok, SilaMaStalaStrzalkeWKierunkuZnaku) {
    // Node 4 at (1, 1) maps to (275, 10).
    const std::vector<std::tuple<int, float, Kreski>> przypadki = {
        {7, -5, {{275, 10, 250, 10}, {250, 10, 256, 14}, {250, 10, 256, 6}}},
        {7, 2, {{275, 10, 300, 10}, {300, 10, 294, 14}, {300, 10, 294, 6}}},
        {8, 3, {{275, 10, 275, -15}, {275, -15, 271, -9}, {275, -15, 279, -9}}},
        {8, -1e-30f, {{275, 10, 275, 35}, {275, 35, 271, 29}, {275, 35, 279, 29}}},
        {8, 0, {}},
        {8, std::numeric_limits<float>::quiet_NaN(), {}},
        {9, 1, {}},
        {0, 1, {}},
    };
    for (const auto& [dof, wartosc, oczekiwane] : przypadki) {
        zbuduj(o.model, Opis{.wezly = {{0, 0}, {0, 1}, {1, 0}, {1, 1}}, .sily = {{dof, wartosc}}});
        maluj(300, 200);
        EXPECT_EQ(kreski(czerwony), oczekiwane) << dof << " " << wartosc;
        for (const Odcinek& s : dc.odcinki()) EXPECT_EQ(s.stan.szerokosc, 2);
    }
}

TEST_F(Widok, EtykietyPretaWJednymMiejscuWKolejnosciNumerPoleMaterial) {
    zbuduj(o.model,
           Opis{.wezly = {{0, 0}, {10, 0}, {10, 1}}, .prety = {{1, 2, 12, 34}, {2, 3, 12, 34}}});
    using T = std::vector<std::string>;
    for (const auto& [ele, pola, mat, wezl, teksty] :
         {std::tuple{1, 0, 0, 0, T{"1", "2"}},
          {0, 1, 0, 0, T{"34", "34"}},
          {0, 0, 1, 0, T{"12", "12"}},
          // Only a damaged setting turns on more than one kind: they share one label.
          {1, 1, 1, 0, T{"1/34/12", "2/34/12"}},
          {0, 0, 0, 1, T{"1", "2", "3"}},
          {0, 0, 0, 0, T{}}}) {
        o.model.p_n_ele = ele, o.model.p_n_pola = pola, o.model.p_n_mat = mat;
        o.model.p_n_wezl = wezl;
        maluj(450, 250);
        EXPECT_EQ(dc.teksty(), teksty);
    }
    o.model.p_n_ele = 1, o.model.p_n_wezl = 1;
    maluj(450, 250);
    EXPECT_EQ(gdzie("1"), std::pair(228, 213));  // 3 pixels right of and below the midpoint
    EXPECT_EQ(dc.teksty_w_kolorze(czarny), (T{"1", "2"}));
    EXPECT_EQ(dc.teksty_w_kolorze(niebieski), (T{"1", "2", "3"}));
    for (const Operacja& t : dc.wszystkie(Wywolanie::tekst))
        EXPECT_EQ(std::tuple(t.stan.kroj, t.stan.wysokosc, t.stan.waga),
                  std::tuple("Arial", 12, 400));
}

// A number is left out where it could not be read: beside a bar shorter than itself, or at a node
// with such a bar; a number that would cover another takes another place about its bar or node.
TEST_F(Widok, NumeryPomijaneTylkoTamGdzieNieDaSieIchPrzeczytac) {
    using T = std::vector<std::string>;
    const struct {
        Opis opis;
        T prety, wezly;
    } przypadki[] = {
        // 4 pixels a unit: bar 1 is 4 pixels long, its label 7 wide.
        {{.wezly = {{0, 0}, {1, 0}, {100, 0}}, .prety = {{1, 2, 1, 1}, {2, 3, 1, 1}}},
         T{"2"},
         T{"3"}},
        // Two diagonals share their midpoint: the second label stands beside its own bar.
        {{.wezly = {{0, 0}, {10, 0}, {0, 10}, {10, 10}}, .prety = {{1, 4, 1, 1}, {2, 3, 1, 1}}},
         T{"1", "2"},
         T{"1", "2", "3", "4"}},
        // Node 2 lies on node 1: its number stands at another corner.
        {{.wezly = {{0, 0}, {0, 0}, {10, 10}}, .prety = {{1, 3, 1, 1}}}, T{"1"}, T{"1", "2", "3"}},
    };
    for (const auto& p : przypadki) {
        zbuduj(o.model, p.opis);
        maluj(450, 250);
        EXPECT_EQ(dc.teksty_w_kolorze(czarny), p.prety);
        EXPECT_EQ(dc.teksty_w_kolorze(niebieski), p.wezly);
    }
}

// Axial forces stand where the bar numbers would, only from valid results, and are left out where
// they could not be read like any number; a bar's round-off beside the others' forces reads 0.
TEST_F(Widok, SilyOsioweWMiejscuNumerowPretowTylkoZWaznymiWynikami) {
    using T = std::vector<std::string>;
    // sx = 40, sa = 200: both bars are long enough for their forces; bar 2 has section 2.
    const Opis dlugie{.wezly = {{0, 0}, {10, 0}, {10, 1}},
                      .prety = {{1, 2, 1, 1}, {2, 3, 1, 2}},
                      .pola = {0.01f, 2.0f}};
    // Bar 1 is 4 pixels long: "12.5" is 28 wide, where "1" would have been 7.
    const Opis krotki{.wezly = {{0, 0}, {1, 0}, {100, 0}},
                      .prety = {{1, 2, 1, 1}, {2, 3, 1, 2}},
                      .pola = {0.01f, 2.0f}};
    const struct {
        const Opis& opis;
        int obliczono;
        float naprezenie2;
        T etykiety;
    } przypadki[] = {
        {dlugie, 1, -3.0f, T{"12.5", "-6"}},
        {dlugie, 0, -3.0f, T{}},
        {krotki, 1, -3.0f, T{"-6"}},
        {dlugie, 1, 1e-9f, T{"12.5", "0"}},
    };
    for (const auto& p : przypadki) {
        zbuduj(o.model, p.opis);
        o.model.stressp[1] = 1250.0f, o.model.stressp[2] = p.naprezenie2;
        o.model.obliczono = p.obliczono;
        o.model.p_n_wezl = 0;
        o.Find(CM_N_SIL);
        maluj(450, 250);
        T etykiety;  // the displacement marker's value aside
        for (const Operacja& t : dc.wszystkie(Wywolanie::tekst))
            if (t.x1 != 55 || t.y1 != 25) etykiety.push_back(t.tekst);
        EXPECT_EQ(etykiety, p.etykiety) << p.obliczono << " " << p.naprezenie2;
        o.Find(CM_N_SIL);
    }
    EXPECT_EQ(o.model.p_n_ele, 0) << "the bar numbers went off with the forces on";
}

// Three bars along X and up; node 3 moves most, downwards.
struct Przemieszczenia : Widok {
    void SetUp() override {
        zbuduj(o.model, Opis{.wezly = {{0, 0}, {2, 0}, {4, 0}, {4, 2}},
                             .prety = {{1, 2, 1, 1}, {2, 3, 1, 1}, {3, 4, 1, 1}}});
        o.model.obliczono = 1;
        o.model.f[3] = 0.1f, o.model.f[4] = 0.25f;
        o.model.f[5] = 0.2f, o.model.f[6] = -0.5f;
        for (int b = 1; b <= 3; ++b) o.model.stressp[b] = static_cast<float>(b);
    }
};

// The deformed shape is a solid line of its own colour over a lighter truss. The view's own
// factor is a round number that draws the largest displacement at most a twentieth of the
// truss's size on screen and at least half that; the marker names it with what its 30 pixels
// stand for. A factor typed in is taken as it is.
TEST_F(Przemieszczenia, OdksztalconaLiniaCiaglaWSkaliOkraglejLubPodanej) {
    maluj(450, 250);
    const Odwzorowanie od = o.odwzorowanie();
    // 400 pixels across: the largest displacement, 0.5 down at node 3, takes 10 to 20 pixels.
    const float sa = od.ka;
    ASSERT_EQ(od.kx, 100.0f);
    EXPECT_LE(0.5f * sa * 0.5f, 20.0f);
    EXPECT_GT(0.5f * sa * 0.5f, 10.0f);
    auto punkt = [&](float X, float Y, float k, int n) {
        return std::pair(static_cast<int>(od.ekran_x(X + k * o.model.f[2 * n - 1])),
                         static_cast<int>(od.ekran_y(Y + k * o.model.f[2 * n])));
    };
    auto ksztalt = [&](float k) {
        const std::pair<int, int> p[4] = {punkt(0, 0, k, 1), punkt(2, 0, k, 2), punkt(4, 0, k, 3),
                                          punkt(4, 2, k, 4)};
        Kreski w;
        for (int b = 0; b < 3; ++b)
            w.push_back({p[b].first, p[b].second, p[b + 1].first, p[b + 1].second});
        return w;
    };
    EXPECT_EQ(kreski(fioletowy), ksztalt(0.5f));
    for (const Odcinek& s : dc.odcinki_piorem(fioletowy))
        EXPECT_EQ(std::pair(s.stan.styl, s.stan.szerokosc), std::pair(StylPiora::ciagle, 2));
    EXPECT_EQ(kreski(jasny).size(), 3u) << "the undeformed truss under it, light";
    EXPECT_TRUE(kreski(czarny).empty());
    EXPECT_EQ(kreski(pomaranczowy), (Kreski{{50, 10, 50, 40}, {48, 10, 52, 10}, {48, 40, 52, 40}}));
    char znacznik[64];
    std::snprintf(znacznik, sizeof znacznik, "%.4g, skala ×0.5", 30.0 / (0.5 * sa));
    EXPECT_EQ(gdzie(znacznik), std::pair(55, 25));

    o.skala_przem = 2.0f;
    maluj(450, 250);
    EXPECT_EQ(kreski(fioletowy), ksztalt(2.0f));
    std::snprintf(znacznik, sizeof znacznik, "%.4g, skala ×2", 30.0 / (2.0 * sa));
    EXPECT_NE(dc.znajdz_tekst(znacznik), nullptr);
    o.skala_przem = 0.0f;

    // No displacements (or round-off beside the truss's size): no deformed shape to cover the
    // truss, which keeps its own colour; the marker names the factor 1.
    for (int i = 1; i <= o.model.nq; ++i) o.model.f[i] = i == 6 ? 1e-9f : 0.0f;
    maluj(450, 250);
    const auto t = dc.teksty();
    EXPECT_TRUE(std::any_of(t.begin(), t.end(), [](const std::string& s) {
        return s.size() > 9 && s.substr(s.size() - 9) == "skala ×1";
    }));
    EXPECT_TRUE(kreski(fioletowy).empty());
    EXPECT_EQ(kreski(czarny).size(), 3u);

    o.model.f[6] = -0.5f;
    o.model.p_przem = 0;
    maluj(450, 250);
    EXPECT_TRUE(kreski(fioletowy).empty());
    EXPECT_EQ(kreski(czarny).size(), 3u);
}

TEST_F(Przemieszczenia, NaprezeniaKoloruJaPretyIRysujaSkaleTylkoZWynikami) {
    o.model.p_napr = 1;
    maluj(450, 250);
    std::vector<Kolor> kolory;
    for (const Odcinek& s : dc.odcinki())
        if (s.stan.szerokosc == 2) kolory.push_back(s.stan.pioro);
    EXPECT_EQ(kolory, (std::vector<Kolor>{o.knapr[200], o.knapr[100], o.knapr[0]}));
    // Clearing, the scale's white band and its 200 segments.
    EXPECT_EQ(dc.wszystkie(Wywolanie::prostokat).size(), 202u);
    EXPECT_EQ(dc.teksty().front(), "3.000");

    o.model.obliczono = 0;
    maluj(450, 250);
    EXPECT_EQ(dc.wszystkie(Wywolanie::prostokat).size(), 1u);
    EXPECT_EQ(dc.odcinki().size(), dc.odcinki_piorem(czarny).size());
    EXPECT_TRUE(kreski(pomaranczowy).empty()) << "no displacement marker";
}

TEST_F(Widok, KolejnoscRysowaniaLinieSymboleLegendyTeksty) {
    zbuduj(o.model, Opis{.wezly = {{0, 0}, {1, 0}},
                         .prety = {{1, 2, 1, 1}},
                         .podpory = {{1, 0}, {2, 0}},
                         .sily = {{4, -1}}});
    o.model.obliczono = 1, o.model.p_napr = 1;
    o.model.f[4] = -1, o.model.stressp[1] = 2;
    maluj(400, 300);
    std::vector<std::string> etapy;  // each stage's name at its first call
    auto etap = [](const Operacja& op) -> std::string {
        if (op.rodzaj == Wywolanie::tekst)
            return op.stan.tekst == niebieski ? "numery" : op.tekst == "1" ? "etykiety" : "";
        if (op.rodzaj == Wywolanie::elipsa) return "kola";
        if (op.rodzaj == Wywolanie::prostokat) return op.stan.pedzel == bialy ? "" : "skala";
        if (op.rodzaj != Wywolanie::linia_do) return "";
        if (op.stan.pioro == pomaranczowy) return "znacznik";
        if (op.stan.pioro == fioletowy) return "odksztalcony";
        if (op.stan.pioro == czerwony) return "sily";
        if (op.stan.szerokosc == 2) return "prety";
        return op.y1 >= 290 ? "skala" : "podpory";  // the scale bar's frame lies at the bottom
    };
    for (const Operacja& op : dc.operacje)
        if (const std::string e = etap(op); !e.empty() && (etapy.empty() || etapy.back() != e))
            etapy.push_back(e);
    // Lines and symbols first, the deformed shape over the truss, the legends over bands of their
    // own, and the texts last, where nothing is drawn over them.
    EXPECT_EQ(etapy, (std::vector<std::string>{"prety", "kola", "odksztalcony", "podpory", "sily",
                                               "skala", "znacznik", "etykiety", "numery"}));
    EXPECT_EQ(dc.operacje.front().rodzaj, Wywolanie::zachowaj);
    EXPECT_EQ(dc.operacje.back().rodzaj, Wywolanie::przywroc);
}

// Data no editing command produces still paints without reading outside the arrays.
TEST_F(Widok, ZleDaneNieWychodzaPozaTablice) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    const int min = std::numeric_limits<int>::min(), max = std::numeric_limits<int>::max();
    const Opis przypadki[] = {
        {.wezly = {{0, 0}, {1, 1}}, .prety = {{1, 3, 1, 1}, {0, 2, 1, 1}, {min, max, 1, 1}}},
        {.wezly = {{0, 0}, {1, 1}}, .sily = {{2, 1}}},  // results but no bars
        {.wezly = {{nan, 0}, {inf, -inf}, {1, nan}},
         .prety = {{1, 2, 1, 1}, {2, 3, 1, 1}},
         .podpory = {{1, 0}, {4, 0}},
         .sily = {{3, 1}}},
        {.wezly = {{3e38f, -3e38f}, {-3e38f, 3e38f}, {1e30f, 1e30f}},
         .prety = {{1, 2, 1, 1}, {2, 3, 1, 1}}},
        {.wezly = {{0, 0}, {1, 1}},
         .podpory = {{min, 0}, {max, 0}},
         .sily = {{min, 1}, {max, 1}, {-1, 1}}},
    };
    for (const Opis& op : przypadki) {
        zbuduj(o.model, op);
        o.model.p_napr = 1, o.model.obliczono = 1;
        for (int i = 1; i <= o.model.nq; ++i) o.model.f[i] = i == 1 ? nan : 1e-40f * i;
        for (int b = 1; b <= o.model.ne; ++b) o.model.stressp[b] = b == 1 ? inf : -3e38f;
        maluj(640, 480);
        if (op.prety.empty()) {
            EXPECT_EQ(dc.wszystkie(Wywolanie::prostokat).size(), 1u);  // no scale bar
        }
        for (const Operacja& k : dc.operacje)
            EXPECT_TRUE(std::abs(k.x1) <= 100000100 && std::abs(k.y2) <= 100000100);
    }
    // Results flagged valid with no arrays behind them are not drawn.
    zbuduj(o.model, Opis{.wezly = {{0, 0}, {1, 1}}, .prety = {{1, 2, 1, 1}}});
    o.model.f.reset();
    o.model.stressp.reset();
    o.model.obliczono = 1;
    maluj(640, 480);
    EXPECT_EQ(dc.teksty(), (std::vector<std::string>{"1", "1", "2"}));
}

}  // namespace
