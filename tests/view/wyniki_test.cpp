// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdio>

#include <algorithm>
#include <climits>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "core/analiza.h"
#include "okno/okno.h"
#include "tests/wspolne/atrapa.h"
#include "tests/wspolne/kratownice.h"
#include "tests/wspolne/nagrywarka.h"
#include "view/dane.h"
#include "view/wyniki.h"

namespace {

using Napis = std::tuple<std::string, int, int>;

std::vector<Napis> napisy(const Nagrywarka& dc) {
    std::vector<Napis> w;
    for (const Operacja& o : dc.wszystkie(Wywolanie::tekst)) w.emplace_back(o.tekst, o.x1, o.y1);
    return w;
}

struct Wyniki : ::testing::Test {
    Atrapa port;
    _OKNO_ o{port};
    Nagrywarka dc;

    void maluj(OknoTabeli& t, int od_y = INT_MIN, int do_y = INT_MAX) {
        dc.wyczysc();
        t.Paint(dc, od_y, do_y);
    }
    std::unique_ptr<OknoTabeli> okno(bool wyniki) {
        if (wyniki) return std::make_unique<_WYNIKI_>(o.model, port);
        return std::make_unique<_DANE_>(o.model);
    }
};

TEST_F(Wyniki, TrzyTabeleLezaNaSwoichMiejscachZeSwoimiFormatami) {
    zbuduj(o.model, Opis{.wezly = {{0, 0}, {4, 0}, {2, 3}},
                         .prety = {{1, 2, 1, 1}, {2, 3, 1, 1}, {3, 1, 1, 1}},
                         .podpory = {{1, 0}, {2, 0}, {5, 0}}});
    Model& m = o.model;
    m.stressp[1] = 12.5f, m.stressp[2] = -0.25f, m.stressp[3] = 1000.0f;
    m.f[5] = 0.625f, m.f[6] = -0.5f;
    m.react[1] = 3.0f, m.react[2] = -7.5f;
    o.Cm_Wyniki();
    OknoTabeli& t = *port.tabele.at(o.oo).okno;
    EXPECT_EQ(
        std::tuple(t.tytul(), t.x(), t.y(), t.szerokosc(), t.wysokosc(), t.wlasnosc_glownego()),
        std::tuple(std::string("Wyniki obliczeń"), 20, 20, 400, 400, false));
    maluj(t);
    const auto n = napisy(dc);
    for (const Napis& e : std::vector<Napis>{{"Naprężenie", 100, 5},
                                             {"Siła osiowa", 250, 5},
                                             {"  0.12500000", 250, 40},  // 12.5 times 0.01
                                             {" 10.00000000", 250, 80},
                                             {"1", 5, 40},
                                             {" 12.50000000", 100, 40},
                                             {" -0.25000000", 100, 60},
                                             {"1000.00000000", 100, 80},
                                             {"Przemieszczenie Y", 250, 130},
                                             {"3", 5, 210},
                                             {"0.625000000000000", 100, 210},
                                             {"-0.500000000000000", 250, 210},
                                             {"Reakcja podpory", 120, 260},
                                             {"   1X", 5, 295},
                                             {"3.000000000000000", 120, 295},
                                             {"   1Y", 5, 315},
                                             {"-7.500000000000000", 120, 315},
                                             {"   3X", 5, 335}})
        EXPECT_NE(std::find(n.begin(), n.end(), e), n.end()) << std::get<0>(e);
    std::vector<int> kreski;
    for (const Odcinek& k : dc.odcinki()) {
        EXPECT_EQ(std::tuple(k.x1, k.x2, k.y2, k.stan.pioro, k.stan.szerokosc),
                  std::tuple(2, 350, k.y1, czarny, 3));
        kreski.push_back(k.y1);
    }
    EXPECT_EQ(kreski, (std::vector<int>{28, 148, 278}));
}

TEST_F(Wyniki, KolumnaUstepujeNajszerszejWartosciPoprzedniejWrazZNaglowkiemIKreskami) {
    // Every text of a row ends before the next one starts, and the content reaches them all.
    auto rozdzielone = [this](const OknoTabeli& t) {
        std::map<int, std::vector<Operacja>> wiersze;
        for (const Operacja& n : dc.wszystkie(Wywolanie::tekst)) wiersze[n.y1].push_back(n);
        for (auto& [y, w] : wiersze) {
            std::sort(w.begin(), w.end(), [](auto& a, auto& b) { return a.x1 < b.x1; });
            for (std::size_t i = 1; i < w.size(); ++i)
                EXPECT_LT(w[i - 1].x1 + dc.szerokosc_tekstu(w[i - 1].tekst), w[i].x1)
                    << w[i - 1].tekst << " | " << w[i].tekst;
            EXPECT_LE(w.back().x1 + dc.szerokosc_tekstu(w.back().tekst), t.szerokosc_tresci());
        }
    };
    auto x_tekstu = [this](const std::string& t) {
        std::vector<int> x;
        for (const Operacja& n : dc.wszystkie(Wywolanie::tekst))
            if (n.tekst == t) x.push_back(n.x1);
        return x;
    };
    // A modulus in kilopascals, 15 characters with "%8.3f".
    zbuduj(o.model, Opis{.wezly = {{0, 0}, {4, 0}},
                         .prety = {{1, 2, 1, 1}},
                         .materialy = {{1.5e9f, 1.2e-5f}, {-1.5e9f, 1.0f}}});
    _DANE_ dane(o.model);
    maluj(dane);
    rozdzielone(dane);
    const std::vector<int> alfa = x_tekstu("0.00001200");
    ASSERT_EQ(alfa.size(), 1u);
    EXPECT_GT(alfa[0], 200);
    EXPECT_EQ(x_tekstu("Wsp. rozszerzal."), alfa);
    EXPECT_EQ(x_tekstu("cieplnej"), alfa);
    EXPECT_EQ(x_tekstu("Węzeł 1"), std::vector<int>{100}) << "tables whose values fit keep theirs";
    for (const Odcinek& k : dc.odcinki()) EXPECT_GE(k.x2, 410 + alfa[0] - 200);

    // Displacements of a million either way, 23 and 24 characters with "%2.15f".
    zbuduj(o.model, Opis{.wezly = {{0, 0}, {4, 0}, {2, 3}},
                         .prety = {{1, 2, 1, 1}, {2, 3, 1, 1}, {3, 1, 1, 1}},
                         .podpory = {{1, 0}, {2, 0}, {4, 0}}});
    Model& m = o.model;
    m.f[1] = 1e6f, m.f[2] = 1e6f, m.f[3] = -1e6f, m.f[6] = -1e6f;
    m.react[2] = -1e6f;
    _WYNIKI_ wyniki(m, port);
    maluj(wyniki);
    rozdzielone(wyniki);
    const std::vector<int> y = x_tekstu("Przemieszczenie Y");
    ASSERT_EQ(y.size(), 1u);
    EXPECT_GT(y[0], 250);
    EXPECT_EQ(x_tekstu("-1000000.000000000000000"), (std::vector<int>{100, y[0], 120}));
    EXPECT_EQ(x_tekstu("1000000.000000000000000"), (std::vector<int>{100, y[0]}));
    EXPECT_EQ(x_tekstu("Reakcja podpory"), std::vector<int>{120});
}

// The units chosen name themselves in the headers, the scale bar and the displacement marker, and
// are kept for the next run; without units every text is as it always was.
TEST_F(Wyniki, WybraneJednostkiNazywajaNaglowkiSkaleIZnacznikIZostajaNaNastepneUruchomienie) {
    zbuduj(o.model, Opis{.wezly = {{0, 0}, {4, 0}}, .prety = {{1, 2, 1, 1}}});
    o.model.obliczono = 1, o.model.p_napr = 1;
    o.model.stressp[1] = 80.0f;  // the scale runs from 81.000 down to 80.000
    const struct {
        int radio;
        const char *ustawienie, *naprezenie, *wsp_x, *skala, *dlugosc;
    } przypadki[] = {
        {8902, "kN_cm", "Naprężenie [kN/cm²]", "Wsp. X [cm]", "kN/cm²", " cm"},
        {8903, "kN_m", "Naprężenie [kN/m²]", "Wsp. X [m]", "kN/m²", " m"},
        {8904, "N_mm", "Naprężenie [N/mm²]", "Wsp. X [mm]", "N/mm²", " mm"},
        {8905, "N_m", "Naprężenie [N/m²]", "Wsp. X [m]", "N/m²", " m"},
        {8901, "brak", "Naprężenie", "Wsp. X", nullptr, ""},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.ustawienie);
        port.wpisy.push_back({{{p.radio, "1"}}});
        // From one system to another the values may be converted; here only named.
        if (o.jednostki != UkladJednostek::brak && p.radio != 8901) port.odpowiedzi.push_back(IDNO);
        o.Find(CM_JEDNOSTKI);
        EXPECT_EQ(port.ustawienia["widok/jednostki"], p.ustawienie);
        _OKNO_ nastepne(port);
        nastepne.wczytaj_jednostki();
        EXPECT_EQ(nastepne.jednostki, o.jednostki);

        o.Cm_Wyniki();
        maluj(*port.tabele.at(o.oo).okno);
        const auto n = napisy(dc);
        EXPECT_NE(std::find(n.begin(), n.end(), Napis{p.naprezenie, 100, 5}), n.end());
        o.Cm_Dane();
        maluj(*port.tabele.at(o.dd).okno);
        EXPECT_NE(dc.znajdz_tekst(p.wsp_x), nullptr);

        dc.wyczysc();
        o.Paint(dc, 450, 250);
        // The unit follows the scale's first label; the marker names the length's.
        EXPECT_NE(dc.znajdz_tekst(p.skala ? std::string("81.000 ") + p.skala : "81.000"), nullptr);
        char znacznik[64];
        std::snprintf(znacznik, sizeof znacznik, "%.4g%s, skala ×1",
                      30.0 / static_cast<double>(o.odwzorowanie().ka), p.dlugosc);
        EXPECT_NE(dc.znajdz_tekst(znacznik), nullptr) << znacznik;
    }
}

TEST_F(Wyniki, BezModeluKomunikatRazNaProsbeOOdswiezenieINigdyZMalowania) {
    zbuduj(o.model, Opis{.wezly = {{0, 0}, {1, 0}}, .prety = {{1, 2, 1, 1}}});
    o.Cm_Wyniki();
    OknoTabeli& zostaje = *port.tabele.at(o.oo).okno;
    zostaje.przed_odswiezeniem();
    EXPECT_TRUE(port.komunikaty.empty());
    // A second window takes the reference; closing it by hand clears the flag, so closing the
    // model leaves both open.
    o.Cm_Wyniki();
    ASSERT_TRUE(port.zamknij_tabele_uzytkownik(o.oo));
    EXPECT_EQ(o.model.iw, 0);
    o.Zwol_pam();
    EXPECT_EQ(port.zywe_tabele(), 1);

    port.odpowiedzi = {IDYES, IDNO};
    for (std::size_t prosba = 1; prosba <= 2; ++prosba) {
        zostaje.przed_odswiezeniem();
        maluj(zostaje);
        maluj(zostaje, 0, 100);
        ASSERT_EQ(port.komunikaty.size(), prosba);
        const Komunikat& k = port.komunikaty.back();
        EXPECT_EQ(
            std::tuple(k.tekst, k.tytul, k.ikona, k.przyciski),
            std::tuple(std::string("PUSTY jest 1 !"), std::string("Błąd wejścia do klasy WYNIKI"),
                       Ikona::pytajnik, Przyciski::tak_nie));
        EXPECT_EQ(dc.rysunki(), 0);
    }
}

TEST_F(Wyniki, WysokoscTresciObejmujeOstatniWierszObuOkienZKazdymiLicznikami) {
    struct Liczniki {
        int ne, nn, nd, nl, nm, na, ntel;
    };
    // Few bars and many nodes or supports run far below what the bar count alone suggests.
    for (const Liczniki l : {Liczniki{3, 3, 3, 1, 1, 1, 0},
                             {2, 2000, 4000, 1, 1, 1, 0},
                             {1, 3, 200, 100, 1, 40, 0},
                             {3, 3, 2, 1, 1, 0, 5},
                             {0, 0, 0, 0, 0, 0, 0}})
        for (bool wyniki : {false, true}) {
            SCOPED_TRACE(std::to_string(l.nn) + " " + std::to_string(l.nd) + " " +
                         std::to_string(wyniki));
            przygotuj(o.model, l.ne, l.nn, l.nd, l.nl, l.nm, l.na, l.ntel);
            auto t = okno(wyniki);
            maluj(*t);
            int dol = 0;
            for (const auto& [s, x, y] : napisy(dc)) dol = std::max(dol, y + 20);
            EXPECT_GE(t->wysokosc_tresci(), dol);
            EXPECT_LE(t->wysokosc_tresci(), dol + 40);
        }
}

TEST_F(Wyniki, WidocznyPasObuOkienDajeTenSamObrazCoCalosc) {
    pratt(o.model, 60, 3.0f, 4.0f, 2);
    o.model.ntel = 1, o.model.nset = iwektor(1, 1), o.model.temp = wektor(1, 1);
    ASSERT_TRUE(obliczenia(o.model).sukces());
    for (bool wyniki : {false, true}) {
        auto t = okno(wyniki);
        maluj(*t);
        const std::vector<Napis> calosc = napisy(dc);
        const std::vector<Odcinek> kreski = dc.odcinki();
        for (int od_y = -30; od_y < t->wysokosc_tresci(); od_y += 377) {
            SCOPED_TRACE(std::to_string(wyniki) + " " + std::to_string(od_y));
            const int do_y = od_y + 360;
            maluj(*t, od_y, do_y);
            // Only what the whole picture has, in its order ...
            const std::vector<Napis> pas = napisy(dc);
            auto it = calosc.begin();
            for (const Napis& n : pas) {
                it = std::find(it, calosc.end(), n);
                ASSERT_NE(it, calosc.end()) << std::get<0>(n) << " " << std::get<2>(n);
            }
            // ... and all of it that reaches into the band.
            for (const auto& [s, x, y] : calosc) {
                if (y + 20 > od_y && y <= do_y) {
                    EXPECT_NE(std::find(pas.begin(), pas.end(), Napis{s, x, y}), pas.end()) << s;
                }
            }
            for (const Odcinek& k : kreski) {
                if (k.y1 + 2 > od_y && k.y1 - 2 <= do_y) {
                    EXPECT_TRUE(dc.jest_odcinek(k.x1, k.y1, k.x2, k.y2)) << k.y1;
                }
            }
            EXPECT_LE(pas.size(), 5u * 26u);
        }
    }
}

}  // namespace
