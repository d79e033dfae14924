// SPDX-License-Identifier: GPL-3.0-or-later
// Truss templates, driven through their dialog: each type against the chord forces statics gives
// it, the refused entries, and the open model it replaces.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "core/analiza.h"
#include "editing/szablon_kratownicy.h"
#include "tests/editing/edycja_wspolne.h"

namespace {

constexpr double rozpietosc = 12.0, wysokosc = 2.0, pole_pasa = 0.004;

// The force in the bar of one chord (y = 0 or the height) that spans the point x.
double sila_w_pasie(const Model& m, double y, double x) {
    int znaleziony = 0;
    for (int e = 1; e <= m.ne; ++e) {
        const float* a = m.x[m.noc[e][1]];
        const float* b = m.x[m.noc[e][2]];
        if (a[2] == y && b[2] == y && std::min(a[1], b[1]) < x && x < std::max(a[1], b[1])) {
            EXPECT_EQ(znaleziony, 0) << "two bars of the chord span x = " << x;
            znaleziony = e;
        }
    }
    EXPECT_NE(znaleziony, 0) << "no bar of the chord spans x = " << x;
    // The chords' area as typed: a chord given another cross-section would show here.
    return znaleziony ? m.stressp[znaleziony] * pole_pasa : 0.0;
}

// The bending moment of the loads at x (sagging positive), taken from the right of x: on a simple
// beam the right support's reaction with the loads beyond x, on a cantilever walled on the left
// the loads beyond x alone.
double moment(const Model& m, double x, bool wspornik) {
    double suma = 0.0, za = 0.0;
    for (int i = 1; i <= m.nl; ++i) {
        const double p = -m.al[i], xi = m.x[(m.ild[i] + 1) / 2][1];
        suma += p * xi;
        if (xi > x) za += p * (xi - x);
    }
    const double reakcja = wspornik ? 0.0 : suma / rozpietosc;
    return reakcja * (rozpietosc - x) - za;
}

}  // namespace

TEST(SzablonKratownicy, KazdyTypJestSpojnyWaskoNumerowanyIDajeSilyWPasachZRownowagiMomentow) {
    struct Przypadek {
        const char* nazwa;
        const char* typ;
        const char* przedzialy;
        const char* pas;  // loaded chord: "0" top, "1" bottom
        bool dwa_przeguby;
        // The chord checked (top or bottom), a point its bar spans and the point the moment is
        // taken about, as fractions of the span; no check where the supports leave it to the
        // stiffnesses.
        bool gorny;
        double x_preta, x_momentu;
    };
    const Przypadek przypadki[] = {
        // The centre diagonals of a Pratt meet at the bottom middle node, of a Howe at the top.
        {"Pratt", "0", "6", "0", false, true, 0.45, 0.5},
        {"Pratt, odd, two pins", "0", "5", "1", true, true, -1, -1},
        {"Howe", "1", "6", "1", false, false, 0.45, 0.5},
        {"Warren", "2", "6", "0", false, true, 0.48, 0.5},
        {"Warren, odd", "2", "5", "1", false, false, 0.45, 0.5},
        // With verticals the diagonals meet at midspan at the top when n/2 is odd.
        {"Warren with verticals", "3", "6", "0", false, false, 0.45, 0.5},
        {"Warren with verticals, n/2 even", "3", "4", "1", false, true, 0.45, 0.5},
        {"Warren with verticals, two pins", "3", "4", "0", true, true, -1, -1},
        // A K panel's chords take the moment at the vertical its arms start from.
        {"K", "4", "6", "0", false, true, 0.45, 1.0 / 3},
        {"K, bottom", "4", "4", "1", false, false, 0.4, 0.25},
        {"K, two pins", "4", "4", "0", true, true, -1, -1},
        // The roof's bottom chord spans midspan under the ridge.
        {"Fink", "5", "6", "0", false, false, 0.5, 0.5},
        {"Fink, bottom", "5", "4", "1", false, false, 0.5, 0.5},
        {"Fink, two pins", "5", "8", "0", true, false, -1, -1},
        {"cantilever", "6", "4", "0", false, false, 0.1, 0.0},
        {"cantilever, bottom", "6", "3", "1", false, true, 0.1, 1.0 / 3},
    };
    for (const Przypadek& c : przypadki) {
        SCOPED_TRACE(c.nazwa);
        Atrapa a;
        _OKNO_ o(a);
        a.wpisy.push_back({{{8800, c.typ},
                            {8801, "12"},
                            {8802, "2"},
                            {8803, c.przedzialy},
                            {8806, "0.004"},
                            {8807, "0.002"},
                            {8808, "0.003"},
                            {8809, c.dwa_przeguby ? "1" : "0"},
                            {8811, c.pas}},
                           1});
        o.Find(CM_SZABLON);
        const Model& m = o.model;
        ASSERT_TRUE(niezmienniki(m));
        EXPECT_TRUE(a.teksty().empty());
        EXPECT_EQ(m.caption, "Velkora 2D - Beznazwy.V2D");
        EXPECT_TRUE(o.plik_projektu.empty());
        EXPECT_EQ(std::vector<float>({m.area[1], m.area[2], m.area[3], m.pm[1][1], m.pm[1][2]}),
                  std::vector<float>({0.004f, 0.002f, 0.003f, 2.1e8f, 1.2e-5f}));
        EXPECT_GT(m.nl, 0);
        // A pin and a roller hold the truss just rigid: as many bar forces and reactions as
        // node equilibria.
        if (!c.dwa_przeguby) {
            EXPECT_EQ(m.ne + m.nd, 2 * m.nn);
        }
        for (int e = 1; e <= m.ne; ++e) {
            const float* p = m.x[m.noc[e][1]];
            const float* q = m.x[m.noc[e][2]];
            const int przekroj = p[2] == q[2] ? 1 : p[1] == q[1] ? 2 : m.noc[e][4];
            EXPECT_EQ(m.noc[e][4], przekroj) << "chords horizontal, verticals upright: bar " << e;
        }
        ASSERT_TRUE(obliczenia(o.model).sukces());
        // Panel point by panel point: no bar reaches past the next panel point's nodes.
        const int n = std::stoi(c.przedzialy);
        const int na_punkt = (m.nn + n) / (n + 1);
        EXPECT_LE(m.nbw, 2 * (2 * na_punkt) + 2);
        if (c.x_preta < 0) continue;
        const double mom = moment(m, c.x_momentu * rozpietosc, std::string(c.typ) == "6");
        const double oczekiwana = (c.gorny ? -mom : mom) / wysokosc;
        EXPECT_GT(std::fabs(oczekiwana), 1.0);
        EXPECT_NEAR(sila_w_pasie(m, c.gorny ? wysokosc : 0.0, c.x_preta * rozpietosc), oczekiwana,
                    1e-3 * std::fabs(oczekiwana));
    }
}

// Every node where its type puts it, on a span of 12 and a height of 2: panel points every l/n,
// Warren's top ones over the middles, K's halfway up the verticals, the roof's rafter points on
// the straight line from the eaves to the ridge and its bottom nodes halfway between them.
TEST(SzablonKratownicy, KazdyWezelKazdegoTypuLezyTamGdzieStawiaGoTyp) {
    using W = std::vector<std::array<double, 2>>;
    auto siatka = [](std::vector<double> x, std::vector<double> y) {
        W w;
        for (double a : x)
            for (double b : y) w.push_back({a, b});
        return w;
    };
    const std::vector<double> co3 = {0, 3, 6, 9, 12};
    W warren = siatka(co3, {0});
    for (double x : {1.5, 4.5, 7.5, 10.5}) warren.push_back({x, 2});
    W slupki = siatka(co3, {0});
    for (double x : {3, 6, 9}) slupki.push_back({x, 2});
    W k = siatka(co3, {0, 2});
    for (double x : {0, 3, 9, 12}) k.push_back({x, 1});
    const struct {
        TypKratownicy typ;
        int n;
        W wezly;
    } przypadki[] = {
        {TypKratownicy::pratt, 4, siatka(co3, {0, 2})},
        {TypKratownicy::howe, 4, siatka(co3, {0, 2})},
        {TypKratownicy::wspornik, 4, siatka(co3, {0, 2})},
        {TypKratownicy::warren, 4, warren},
        {TypKratownicy::warren_slupki, 4, slupki},
        {TypKratownicy::k, 4, k},
        {TypKratownicy::fink, 4, {{0, 0}, {3, 1}, {4.5, 0}, {6, 2}, {7.5, 0}, {9, 1}, {12, 0}}},
        {TypKratownicy::fink,
         6,
         {{0, 0},
          {2, 2.0 / 3},
          {3, 0},
          {4, 4.0 / 3},
          {5, 0},
          {6, 2},
          {7, 0},
          {8, 4.0 / 3},
          {9, 0},
          {10, 2.0 / 3},
          {12, 0}}},
        {TypKratownicy::fink,
         8,
         {{0, 0},
          {1.5, 0.5},
          {2.25, 0},
          {3, 1},
          {3.75, 0},
          {4.5, 1.5},
          {5.25, 0},
          {6, 2},
          {6.75, 0},
          {7.5, 1.5},
          {8.25, 0},
          {9, 1},
          {9.75, 0},
          {10.5, 0.5},
          {12, 0}}},
    };
    for (const auto& c : przypadki) {
        SCOPED_TRACE(std::to_string(static_cast<int>(c.typ)) + ", n = " + std::to_string(c.n));
        ParametryKratownicy p;
        p.typ = c.typ, p.l = 12, p.h = 2, p.n = c.n, p.e = 2.1e8f;
        const Konstrukcja m = kratownica(p);
        W jest;
        for (int i = 1; i <= m.nn; ++i) jest.push_back({m.x[i][1], m.x[i][2]});
        W oczekiwane = c.wezly;
        std::sort(jest.begin(), jest.end());
        std::sort(oczekiwane.begin(), oczekiwane.end());
        ASSERT_EQ(jest.size(), oczekiwane.size());
        for (std::size_t i = 0; i < jest.size(); ++i) {
            EXPECT_NEAR(jest[i][0], oczekiwane[i][0], 1e-5) << i;
            EXPECT_NEAR(jest[i][1], oczekiwane[i][1], 1e-5) << i;
        }
    }
}

TEST(SzablonKratownicy, OdrzuconeDaneMowiaCoZleIOknoWracaZTymCoWpisano) {
    struct Przypadek {
        Pola pola;
        std::vector<std::string> komunikaty;
    };
    const Przypadek przypadki[] = {
        {{{8801, "abc"}, {8802, "0"}},
         {"Rozpiętość nie jest liczbą", "Wysokość musi być większa od zera"}},
        {{{8802, "-2"}, {8803, ""}},
         {"Wysokość musi być większa od zera", "Liczba przedziałów nie jest liczbą"}},
        {{{8800, "3"}, {8803, "0"}}, {"Liczba przedziałów musi być większa od zera"}},
        {{{8800, "4"}, {8803, "5"}}, {"Kratownica typu K wymaga parzystej liczby przedziałów"}},
        {{{8800, "5"}, {8803, "3"}},
         {"Kratownica dachowa trójkątna (Finka) wymaga parzystej liczby przedziałów"}},
        {{{8804, "0"}, {8805, "-1e-5"}},
         {"Moduł Younga musi być większy od zera",
          "Wsp. rozszerzalności cieplnej nie może być ujemny"}},
        {{{8806, "0"}, {8807, "-1"}, {8808, "1,2,"}},
         {"Pole przekroju pasów musi być większe od zera",
          "Pole przekroju słupków musi być większe od zera",
          "Pole przekroju krzyżulców nie jest liczbą"}},
        {{{8810, "10 kN"}}, {"Siła w węźle nie jest liczbą"}},
    };
    for (const Przypadek& c : przypadki) {
        SCOPED_TRACE(::testing::PrintToString(c.pola));
        Atrapa a;
        _OKNO_ o(a);
        a.wpisy.push_back({c.pola, 1});
        a.wpisy.push_back({{}, 2});
        o.Find(CM_SZABLON);
        EXPECT_EQ(a.teksty(), c.komunikaty);
        for (const Komunikat& k : a.komunikaty) {
            EXPECT_EQ(k.tytul, "Błąd danych");
            EXPECT_EQ(k.ikona, Ikona::stop);
        }
        ASSERT_EQ(a.pokazy.size(), 2u);
        for (const auto& [id, tekst] : c.pola) EXPECT_EQ(a.pokazy[1].przy_otwarciu.at(id), tekst);
        EXPECT_EQ(o.model.Pusty, 1) << "cancelled after the refusal: nothing built";
        EXPECT_FALSE(o.historia.moze_cofnac());
        EXPECT_EQ(a.bledy_skryptu, 0);
    }
}

TEST(SzablonKratownicy, ZastepujeOtwartyModelJakNowyIJestJednymKrokiemCofania) {
    Atrapa a;
    _OKNO_ o(a);
    o.Find(1070);
    // Without changes the question is New's; No keeps the project and shows no dialog.
    a.odpowiedzi = {IDNO};
    o.Find(CM_SZABLON);
    EXPECT_EQ(a.teksty(), std::vector<std::string>{"Utworzyć nowy projekt ?"});
    EXPECT_TRUE(a.pokazy.empty());

    a.wpisy.push_back({});
    o.Find(51684);  // a material: a change not saved
    a.komunikaty.clear();
    a.odpowiedzi = {IDCANCEL};
    o.Find(CM_SZABLON);
    EXPECT_EQ(a.teksty(), std::vector<std::string>{"Zapisać zmiany w projekcie Beznazwy.V2D?"});
    EXPECT_EQ(a.pokazy.size(), 1u) << "Anuluj stays with the project";

    a.odpowiedzi = {IDNO};
    a.wpisy.push_back({{}, 2});
    o.Find(CM_SZABLON);
    EXPECT_EQ(o.model.nm, 1) << "a cancelled template leaves the project";
    EXPECT_EQ(o.historia.do_cofniecia(), "dodanie materiału 1");

    a.odpowiedzi = {IDNO};
    a.wpisy.push_back({});
    o.Find(CM_SZABLON);
    EXPECT_EQ(o.model.nn, 14) << "the default Pratt of six panels";
    EXPECT_EQ(a.tytul, "Velkora 2D - Beznazwy.V2D *");
    EXPECT_EQ(o.historia.do_cofniecia(), "szablon kratownicy");
    o.Find(52011);
    EXPECT_EQ(std::vector<int>({o.model.Pusty, o.model.nm, o.model.nn}),
              std::vector<int>({0, 1, 0}));
    // Shown again, the dialog offers what built the last truss.
    a.wpisy.push_back({{{8800, "6"}, {8803, "3"}}, 1});
    a.odpowiedzi = {IDNO};
    o.Find(CM_SZABLON);
    a.wpisy.push_back({{}, 2});
    a.odpowiedzi = {IDNO};
    o.Find(CM_SZABLON);
    EXPECT_EQ(a.pokazy.back().przy_otwarciu.at(8800), "6");
    EXPECT_EQ(a.pokazy.back().przy_otwarciu.at(8803), "3");
    EXPECT_EQ(a.bledy_skryptu, 0);
}
