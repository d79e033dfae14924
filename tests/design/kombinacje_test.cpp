// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/kombinacje.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

using Wektory = std::vector<std::vector<double>>;

OpisPrzypadku G(const char* n) {
    return {n, RodzajPrzypadku::stale, {}, ""};
}
OpisPrzypadku Q(const char* n, Kategoria k, const char* grupa = "") {
    return {n, RodzajPrzypadku::zmienne, psi_z_tablicy(k), grupa};
}

// Every permanent part followed by every variable part.
Wektory razy(const Wektory& stale, const Wektory& zmienne) {
    Wektory w;
    for (const auto& g : stale)
        for (const auto& q : zmienne) {
            w.push_back(g);
            w.back().insert(w.back().end(), q.begin(), q.end());
        }
    return w;
}
Wektory suma(Wektory a, const Wektory& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// The factor vectors of one kind, compared with the expected ones in any order.
void porownaj(const std::vector<Kombinacja>& lista, RodzajKombinacji r, Wektory oczekiwane) {
    Wektory nasze;
    for (const Kombinacja& k : lista)
        if (k.rodzaj == r) nasze.push_back(k.wsp);
    ASSERT_EQ(nasze.size(), oczekiwane.size());
    std::sort(nasze.begin(), nasze.end());
    std::sort(oczekiwane.begin(), oczekiwane.end());
    for (std::size_t i = 0; i < nasze.size(); ++i) {
        ASSERT_EQ(nasze[i].size(), oczekiwane[i].size());
        for (std::size_t j = 0; j < nasze[i].size(); ++j)
            EXPECT_NEAR(nasze[i][j], oczekiwane[i][j], 1e-12) << "kombinacja " << i;
    }
}

// PN-EN 1990 Table A1.1 (psi_0, psi_1, psi_2).
TEST(Kombinacje, WspolczynnikiPsiZTablicyA11) {
    const struct {
        Kategoria k;
        Psi psi;
    } tablica[] = {
        {Kategoria::A, {0.7, 0.5, 0.3}},
        {Kategoria::B, {0.7, 0.5, 0.3}},
        {Kategoria::C, {0.7, 0.7, 0.6}},
        {Kategoria::D, {0.7, 0.7, 0.6}},
        {Kategoria::E, {1.0, 0.9, 0.8}},
        {Kategoria::F, {0.7, 0.7, 0.6}},
        {Kategoria::G, {0.7, 0.5, 0.3}},
        {Kategoria::H, {0, 0, 0}},
        {Kategoria::snieg_powyzej_1000, {0.7, 0.5, 0.2}},
        {Kategoria::snieg_do_1000, {0.5, 0.2, 0}},
        {Kategoria::wiatr, {0.6, 0.2, 0}},
        {Kategoria::temperatura, {0.6, 0.5, 0}},
    };
    static_assert(std::size(tablica) == liczba_kategorii);
    for (const auto& t : tablica) {
        SCOPED_TRACE(nazwa_kategorii(t.k));
        const Psi p = psi_z_tablicy(t.k);
        EXPECT_EQ(p.psi0, t.psi.psi0);
        EXPECT_EQ(p.psi1, t.psi.psi1);
        EXPECT_EQ(p.psi2, t.psi.psi2);
    }
}

// Hand-made lists. gamma_G,sup = 1,35, gamma_G,inf = 1,0, gamma_Q = 1,5, xi·gamma_G,sup = 1,1475.
// B: psi = 0,7/0,5/0,3 (1,5·0,7 = 1,05); A likewise; E: 1,0/0,9/0,8; snow <= 1000 m:
// 0,5/0,2/0 (1,5·0,5 = 0,75); wind 0,6/0,2/0 (1,5·0,6 = 0,9); roof H: 0/0/0.
struct Zestaw {
    const char* nazwa;
    std::vector<OpisPrzypadku> przypadki;
    Wektory sgn_610, sgn_610ab, ch, cz, qp;
};

const Wektory g2 = {{1.35}, {1.0}}, gb = {{1.1475}, {1.0}}, g1 = {{1.0}};
const Wektory gg2 = razy(g2, g2), ggb = razy(gb, gb), gg1 = {{1.0, 1.0}};

const Zestaw zestawy[] = {
    {"jedno G", {G("G")}, g2, g2, g1, g1, g1},
    {"G + Q",
     {G("G"), Q("Q", Kategoria::B)},
     razy(g2, {{0}, {1.5}}),
     suma(razy(g2, {{0}, {1.05}}), razy(gb, {{1.5}})),
     razy(g1, {{0}, {1}}),
     razy(g1, {{0}, {0.5}}),
     razy(g1, {{0}, {0.3}})},
    // Qa and Qe exclude each other; 6.10a gives 1,0·G + 1,5·Qe (psi_0 = 1) as 6.10b does: kept
    // once.
    {"G + 2 Q w grupie",
     {G("G"), Q("Qa", Kategoria::A, "u"), Q("Qe", Kategoria::E, "u")},
     razy(g2, {{0, 0}, {1.5, 0}, {0, 1.5}}),
     suma(razy(g2, {{0, 0}, {1.05, 0}, {0, 1.5}}),
          {{1.1475, 1.5, 0}, {1.1475, 0, 1.5}, {1, 1.5, 0}}),
     razy(g1, {{0, 0}, {1, 0}, {0, 1}}),
     razy(g1, {{0, 0}, {0.5, 0}, {0, 0.9}}),
     razy(g1, {{0, 0}, {0.3, 0}, {0, 0.8}})},
    // Wind from the left or from the right; psi_2 = 0 of snow and wind leaves nothing but the
    // permanent cases quasi-permanent.
    {"2 G + śnieg + wiatr z lewej lub prawej",
     {G("G1"), G("G2"), Q("S", Kategoria::snieg_do_1000), Q("Wl", Kategoria::wiatr, "w"),
      Q("Wp", Kategoria::wiatr, "w")},
     razy(gg2, {{0, 0, 0},
                {1.5, 0, 0},
                {1.5, 0.9, 0},
                {1.5, 0, 0.9},
                {0, 1.5, 0},
                {0.75, 1.5, 0},
                {0, 0, 1.5},
                {0.75, 0, 1.5}}),
     suma(razy(gg2,
               {{0, 0, 0}, {0, 0.9, 0}, {0, 0, 0.9}, {0.75, 0, 0}, {0.75, 0.9, 0}, {0.75, 0, 0.9}}),
          razy(ggb, {{1.5, 0, 0},
                     {1.5, 0.9, 0},
                     {1.5, 0, 0.9},
                     {0, 1.5, 0},
                     {0.75, 1.5, 0},
                     {0, 0, 1.5},
                     {0.75, 0, 1.5}})),
     razy(gg1, {{0, 0, 0},
                {1, 0, 0},
                {1, 0.6, 0},
                {1, 0, 0.6},
                {0, 1, 0},
                {0.5, 1, 0},
                {0, 0, 1},
                {0.5, 0, 1}}),
     razy(gg1, {{0, 0, 0}, {0.2, 0, 0}, {0, 0.2, 0}, {0, 0, 0.2}}),
     razy(gg1, {{0, 0, 0}})},
    // psi = 0 of the roof: accompanying it is the same as absent.
    {"G + dach + śnieg",
     {G("G"), Q("H", Kategoria::H), Q("S", Kategoria::snieg_do_1000)},
     razy(g2, {{0, 0}, {1.5, 0}, {1.5, 0.75}, {0, 1.5}}),
     suma(razy(g2, {{0, 0}, {0, 0.75}}), razy(gb, {{1.5, 0}, {1.5, 0.75}, {0, 1.5}})),
     razy(g1, {{0, 0}, {1, 0}, {1, 0.5}, {0, 1}}),
     razy(g1, {{0, 0}, {0, 0.2}}),
     razy(g1, {{0, 0}})},
};

TEST(Kombinacje, KazdyZestawDajeDokladnieWypisaneRecznieWspolczynniki) {
    for (const Zestaw& z : zestawy) {
        SCOPED_TRACE(z.nazwa);
        WspolczynnikiKombinacji w;
        std::string ostrzezenie = "x";
        const auto ab = generuj_kombinacje(z.przypadki, w, &ostrzezenie);
        EXPECT_EQ(ostrzezenie, "");
        porownaj(ab, RodzajKombinacji::sgn, z.sgn_610ab);
        porownaj(ab, RodzajKombinacji::sgu_charakterystyczna, z.ch);
        porownaj(ab, RodzajKombinacji::sgu_czesta, z.cz);
        porownaj(ab, RodzajKombinacji::sgu_quasi_stala, z.qp);
        w.rownania_610ab = false;
        porownaj(generuj_kombinacje(z.przypadki, w), RodzajKombinacji::sgn, z.sgn_610);
    }
}

TEST(Kombinacje, NazwyNumerowaneZRownaniemIWiodacymAOpisZPrzecinkiem) {
    WspolczynnikiKombinacji w;
    w.rownania_610ab = false;
    const auto lista = generuj_kombinacje(zestawy[3].przypadki, w);
    const std::vector<double> szukany = {1.35, 1.0, 1.5, 0, 0.9};
    const auto k = std::find_if(lista.begin(), lista.end(), [&](const Kombinacja& k) {
        return std::equal(k.wsp.begin(), k.wsp.end(), szukany.begin(), szukany.end(),
                          [](double a, double b) { return std::fabs(a - b) < 1e-12; });
    });
    ASSERT_NE(k, lista.end());
    EXPECT_EQ(k->opis, "1,35·G1 + G2 + 1,5·S + 0,9·Wp");
    EXPECT_NE(k->nazwa.find(" (6.10, wiodące: S)"), std::string::npos) << k->nazwa;
    EXPECT_EQ(lista.front().nazwa, "SGN 1 (6.10)");
    EXPECT_EQ(lista.back().nazwa, "SGU qp 1");
    // Manual combinations: a negative factor, a case beyond the names.
    const Kombinacja r = kombinacja_reczna("Montaż", {1, -0.5, 0, 0, 0, 2}, zestawy[3].przypadki);
    EXPECT_EQ(r.rodzaj, RodzajKombinacji::reczna);
    EXPECT_EQ(r.opis, "G1 − 0,5·G2 + 2·P6");
}

TEST(Kombinacje, ZbytWieleKombinacjiJestUcinanychZKomunikatem) {
    // 13 permanent cases: 2^13 = 8192 ULS variants of 6.10a; the SLS lists stay whole.
    std::vector<OpisPrzypadku> p(13, G("G"));
    std::string ostrzezenie;
    const auto lista = generuj_kombinacje(p, {}, &ostrzezenie);
    EXPECT_EQ(std::count_if(lista.begin(), lista.end(),
                            [](const Kombinacja& k) { return k.rodzaj == RodzajKombinacji::sgn; }),
              4096);
    EXPECT_EQ(lista.size(), 4096u + 3);
    EXPECT_NE(ostrzezenie.find("Kombinacji SGN jest więcej niż 4096"), std::string::npos);
}

TEST(Kombinacje, NiepoprawneWspolczynnikiDajaPustaListeIKomunikat) {
    std::vector<OpisPrzypadku> p = {G("G"), Q("Q", Kategoria::B)};
    p[1].psi.psi0 = 1.5;
    std::string ostrzezenie;
    EXPECT_TRUE(generuj_kombinacje(p, {}, &ostrzezenie).empty());
    EXPECT_EQ(ostrzezenie, "Współczynniki ψ przypadku „Q” muszą leżeć w przedziale od 0 do 1.");
    WspolczynnikiKombinacji w;
    w.gamma_Q = std::nan("");
    EXPECT_TRUE(generuj_kombinacje({G("G")}, w, &ostrzezenie).empty());
    EXPECT_FALSE(ostrzezenie.empty());
    // With gamma_G,inf = 0 the permanent case alone at 0 is no combination.
    w = {};
    w.gamma_G_inf = 0;
    w.rownania_610ab = false;
    porownaj(generuj_kombinacje({G("G")}, w), RodzajKombinacji::sgn, {{1.35}});
}

// Two cases, three bars: G = (10, −20, 0), Q = (5, 10, −4).
// 0 SGN (1,35; 1,5) → (21, −12, −6); 1 SGN (1; 0) → (10, −20, 0); 2 SGU ch (1; 1) → (15, −10, −4);
// 3 manual (0; 4) → (20, 40, −16); 4 manual (2), Q missing → (20, −40, 0).
TEST(Kombinacje, ObwiedniaBierzeTylkoWybraneRodzajeIPodajeDecydujacaKombinacje) {
    const std::vector<double> N = {10, -20, 0, 5, 10, -4};
    const std::vector<Kombinacja> k = {
        {"a", RodzajKombinacji::sgn, {1.35, 1.5}, ""},
        {"b", RodzajKombinacji::sgn, {1, 0}, ""},
        {"c", RodzajKombinacji::sgu_charakterystyczna, {1, 1}, ""},
        {"d", RodzajKombinacji::reczna, {0, 4}, ""},
        {"e", RodzajKombinacji::reczna, {2}, ""},
    };
    const Obwiednia sgn = obwiednia(N, 3, k, maska(RodzajKombinacji::sgn));
    EXPECT_EQ(sgn.min, (std::vector<double>{10, -20, -6}));
    EXPECT_EQ(sgn.k_min, (std::vector<int>{1, 1, 0}));
    EXPECT_EQ(sgn.max, (std::vector<double>{21, -12, 0}));
    EXPECT_EQ(sgn.k_max, (std::vector<int>{0, 0, 1}));
    const Obwiednia z_reczna =
        obwiednia(N, 3, k, maska(RodzajKombinacji::sgn) | maska(RodzajKombinacji::reczna));
    EXPECT_EQ(z_reczna.min, (std::vector<double>{10, -40, -16}));
    EXPECT_EQ(z_reczna.k_min, (std::vector<int>{1, 4, 3}));
    EXPECT_EQ(z_reczna.max, (std::vector<double>{21, 40, 0}));
    EXPECT_EQ(z_reczna.k_max, (std::vector<int>{0, 3, 1}));  // a tie keeps the first
    const Obwiednia zadna = obwiednia(N, 3, k, maska(RodzajKombinacji::sgu_czesta));
    EXPECT_EQ(zadna.max, (std::vector<double>{0, 0, 0}));
    EXPECT_EQ(zadna.k_min, (std::vector<int>{-1, -1, -1}));

    // Two nodes: ux G = (3, 0), Q = (0, 1); uy G = (0, 0), Q = (4, −1); SLS characteristic
    // only: combination 2 (1; 1) gives |u| = (5, √2); a second one (2; 0) gives (6, 0).
    const std::vector<double> ux = {3, 0, 0, 1}, uy = {0, 0, 4, -1};
    auto kp = k;
    kp.push_back({"f", RodzajKombinacji::sgu_charakterystyczna, {2, 0}, ""});
    const ObwiedniaPrzemieszczen u = obwiednia_przemieszczen(ux, uy, 2, kp);
    EXPECT_DOUBLE_EQ(u.u_max[0], 6);
    EXPECT_EQ(u.k[0], 5);
    EXPECT_DOUBLE_EQ(u.u_max[1], std::sqrt(2.0));
    EXPECT_EQ(u.k[1], 2);
}

}  // namespace
