// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include "okno/okno.h"
#include "tests/wspolne/atrapa.h"
#include "tests/wspolne/kratownice.h"
#include "tests/wspolne/nagrywarka.h"
#include "view/dane.h"
#include "view/kolumny.h"
#include "view/wyniki.h"

namespace {

bool jest(const Nagrywarka& dc, const std::string& t, int x, int y) {
    for (const Operacja& o : dc.wszystkie(Wywolanie::tekst))
        if (o.tekst == t && o.x1 == x && o.y1 == y) return true;
    return false;
}
std::vector<int> kreski(const Nagrywarka& dc) {
    std::vector<int> y;
    for (const Odcinek& k : dc.odcinki()) {
        EXPECT_EQ(std::tuple(k.x1, k.x2, k.y2, k.stan.pioro, k.stan.szerokosc),
                  std::tuple(2, 410, k.y1, czarny, 3));
        y.push_back(k.y1);
    }
    return y;
}

struct Dane : ::testing::Test {
    Atrapa port;
    _OKNO_ o{port};
    Nagrywarka dc;

    void maluj(OknoTabeli& t) {
        dc.wyczysc();
        t.Paint(dc, INT_MIN, INT_MAX);
    }
    // ne 3, nn 3, nm 1, nd 2, nl 1, na 1, and ntel temperature entries.
    void przyklad(int ntel = 0, float pole = 0.0015f) {
        Opis op{.wezly = {{0, 0}, {1234.567f, 0}, {2, 3}},
                .prety = {{1, 2, 1, 1}, {2, 3, 1, 1}, {3, 1, 1, 1}},
                .materialy = {{210000, 0.000012f}},
                .pola = {pole},
                .podpory = {{1, 0}, {4, -0.5f}},
                .sily = {{6, -10}}};
        for (int i = 1; i <= ntel; ++i) op.temperatury.push_back({i, 20.0f * i});
        zbuduj(o.model, op);
    }
};

TEST_F(Dane, NaglowkiWierszeIKreskiPrzykladuLezaNaSwoichMiejscach) {
    przyklad();
    o.Cm_Dane();
    maluj(*port.tabele.at(o.dd).okno);
    using N = std::tuple<const char*, int, int>;
    for (const auto& [t, x, y] : {N{"Element", 5, 5},
                                  N{"przekroju", 350, 25},
                                  {"1", 100, 50},  // bar 1: nodes 1 and 2
                                  {"2", 200, 50},
                                  {"Węzeł", 5, 115},
                                  {"1234.567", 100, 175},  // node 2
                                  {"   2.000", 100, 195},  // node 3
                                  {"   3.000", 200, 195},
                                  {"Nr materiału", 5, 245},
                                  {"Younga", 100, 260},
                                  {"210000.000", 100, 305},
                                  {"0.00001200", 200, 305},
                                  {"Przemieszczenie max.", 100, 345},
                                  {"   1X", 5, 375},
                                  {"   2Y", 5, 395},
                                  {"  -0.500", 100, 395},
                                  {"Siła", 100, 425},
                                  {"   3Y", 5, 455},
                                  {" -10.000", 100, 455},
                                  // Not rounded away: "0.002" would be a third off.
                                  {"Nr przekroju", 5, 485},
                                  {"0.0015", 100, 515}})
        EXPECT_TRUE(jest(dc, t, x, y)) << t << " at " << x << "," << y;
    EXPECT_EQ(dc.znajdz_tekst("Przyrost temperatury"), nullptr);
    EXPECT_EQ(kreski(dc), (std::vector<int>{44, 133, 280, 365, 445, 505}));
    for (const Operacja& n : dc.wszystkie(Wywolanie::tekst))
        EXPECT_EQ(
            std::tuple(n.stan.kroj, n.stan.wysokosc, n.stan.waga, n.stan.tlo, n.stan.tekst,
                       n.stan.pioro, n.stan.pedzel),
            std::tuple(std::string("Arial"), 16, 400, jasnoszary, czarny, jasnoszary, jasnoszary));
    EXPECT_EQ(dc.operacje.back().rodzaj, Wywolanie::przywroc);
}

TEST_F(Dane, TemperaturyWchodzaPrzedPrzekrojeIPrzesuwajaJeZDodatkowaKreska) {
    przyklad(2, 0.0004f);
    _DANE_ t(o.model);
    maluj(t);
    // The temperature table lists bars, and says so.
    EXPECT_TRUE(jest(dc, "Nr pręta", 5, 485));
    EXPECT_TRUE(jest(dc, "Przyrost temperatury", 100, 485));
    EXPECT_TRUE(jest(dc, "2", 5, 535));
    EXPECT_TRUE(jest(dc, "  40.000", 100, 535));
    EXPECT_TRUE(jest(dc, "Nr przekroju", 5, 565));
    EXPECT_TRUE(jest(dc, "0.0004", 100, 595)) << "not \"0.000\"";
    EXPECT_EQ(kreski(dc), (std::vector<int>{44, 133, 280, 365, 445, 505, 585}));
}

TEST_F(Dane, OknaOtwieraTylkoModelAEdycjaZamykaOstatnieGdyFlagaJest1) {
    o.Cm_Dane();
    EXPECT_TRUE(port.tabele.empty());
    przyklad();
    o.Cm_Dane();
    OknoTabeli& t = *port.tabele.at(o.dd).okno;
    EXPECT_EQ(
        std::tuple(t.tytul(), t.x(), t.y(), t.szerokosc(), t.wysokosc(), t.wlasnosc_glownego()),
        std::tuple(std::string("Dane do obliczeń"), 20, 20, 450, 400, true));
    const UchwytOkna pierwsze = o.dd;
    o.Cm_Dane();
    // Closing the second by hand clears the flag, so an edit leaves the first one open.
    ASSERT_TRUE(port.zamknij_tabele_uzytkownik(o.dd));
    EXPECT_EQ(o.model.id, 0);
    o.zamknij_tabele();
    o.Cm_Dane();
    const UchwytOkna trzecie = o.dd;
    o.Zwol_pam();
    EXPECT_FALSE(port.tabele.at(trzecie).zywe);
    EXPECT_TRUE(port.tabele.at(pierwsze).zywe);
    EXPECT_EQ(o.model.id, 1);  // closed by the program, not by the user

    // The window left open shows the empty store as a plain area, without a word.
    maluj(*port.tabele.at(pierwsze).okno);
    EXPECT_EQ(dc.rysunki(), 0);
    EXPECT_TRUE(port.komunikaty.empty());
}

TEST_F(Dane, OknoNieCzytaPozaTablicamiGdyLicznikiIchNieOpisuja) {
    przyklad(1);
    _DANE_ t(o.model);
    o.model.ne = 50, o.model.nn = 40, o.model.nm = 3, o.model.nd = 9, o.model.nl = 4;
    o.model.ntel = 6, o.model.na = 5;
    o.model.noc.reset();
    maluj(t);  // the sanitizer build catches any read past an array
    EXPECT_TRUE(jest(dc, "50", 5, 1030));
    EXPECT_EQ(dc.znajdz_tekst("0"), nullptr);
    _WYNIKI_ w(o.model, port);  // its widest displacements too are sought within the arrays
    maluj(w);
    EXPECT_NE(dc.znajdz_tekst("40"), nullptr);
}

// A column's widest text is found from its extremes; it must be what formatting every value
// and measuring it would give.
TEST(Kolumny, NajszerszyTekstZeSkrajnychToNajszerszyZeWszystkichWartosci) {
    Nagrywarka dc;
    const std::vector<float> rzeczywiste[] = {
        {1000, -1},  {-1000, 1},     {-0.0f, 0},      {9.9996f, 1}, {-9.9996f, 99},
        {3e38f, -2}, {INFINITY, 1},  {-INFINITY, 1},  {NAN, 12345}, {-NAN, 1},
        {},          {0.5f, -0.25f}, {2.1e11f, -1e7f}};
    for (const char* f : {"%8.3f", "%2.8f", "%12.8f", "%2.15f"})
        for (const std::vector<float>& k : rzeczywiste) {
            tabele::SkrajneRzeczywiste s;
            int w = 0;
            for (float v : k) {
                s.dodaj(v);
                w = std::max(w, dc.szerokosc_tekstu(tabele::format(f, v)));
            }
            EXPECT_EQ(s.szerokosc(dc, f), w) << f << " " << (k.empty() ? 0.0f : k[0]);
        }
    // Input values, each shown so that it reads back: the widest of what is shown.
    const std::vector<float> wejscie[] = {
        {0.0015f, 0.0004f, 0.01f}, {1234.567f, 2.0f},     {0.000012f, 1.5f},
        {2.1e11f, 1.0f},           {-0.0004f, 12.5f},     {1e-30f, 3e38f, -2.5f},
        {0.3f, 0.0f, -0.0f},       {123.4567f, -1234.5f}, {INFINITY, NAN, 0.0001f}};
    for (const std::vector<float>& k : wejscie) {
        tabele::SkrajneDokladne<3> s3;
        tabele::SkrajneDokladne<8> s8;
        int w3 = 0, w8 = 0;
        for (float v : k) {
            s3.dodaj(v);
            s8.dodaj(v);
            w3 = std::max(w3, dc.szerokosc_tekstu(tabele::format_dokladny("%8.3f", 3, v)));
            w8 = std::max(w8, dc.szerokosc_tekstu(tabele::format_dokladny("%2.8f", 8, v)));
        }
        EXPECT_EQ(s3.szerokosc(dc, "%8.3f"), w3) << k[0];
        EXPECT_EQ(s8.szerokosc(dc, "%2.8f"), w8) << k[0];
    }
    const std::vector<int> dofy[] = {{1}, {2, 19}, {20, 3}, {19999, 20000}, {3, 20001}, {}};
    for (const std::vector<int>& k : dofy) {
        tabele::SkrajneCalkowite s;
        int w = 0;
        for (int d : k) {
            s.dodaj(d);
            w = std::max(w, dc.szerokosc_tekstu(etykieta_dof(d)));
        }
        EXPECT_EQ(s.szerokosc_dof(dc), w) << (k.empty() ? 0 : k[0]);
    }
}

}  // namespace
