// SPDX-License-Identifier: GPL-3.0-or-later
// Every text of the main view stands where it can be read: no two texts overlap, none covers a
// support, an arrow, the displacement marker or the scale's colours, none leaves the drawing; and
// where there is room, every value shows.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "files/eksport.h"
#include "files/v2d.h"
#include "okno/okno.h"
#include "tests/wspolne/atrapa.h"
#include "tests/wspolne/kratownice.h"
#include "tests/wspolne/nagrywarka.h"
#include "view/etykiety.h"
#include "view/paleta.h"

namespace {

constexpr Kolor czerwony{255, 0, 0}, zielony{0, 140, 0}, pomaranczowy{255, 128, 0};
constexpr Kolor niebieski{0, 0, 255};

struct Tekst {
    Pudelko p;
    std::string t;
    Kolor k;
};

// The texts' boxes as the recorder measures them: 7 pixels a character, the font's cell high.
std::vector<Tekst> teksty(Nagrywarka& dc) {
    std::vector<Tekst> w;
    for (const Operacja& op : dc.wszystkie(Wywolanie::tekst)) {
        const int szer = dc.szerokosc_tekstu(op.tekst);
        w.push_back(
            {{op.x1, op.y1, op.x1 + szer, op.y1 + op.stan.wysokosc}, op.tekst, op.stan.tekst});
    }
    return w;
}

// The symbols: supports and the scale's frame (thin black), forces (red), reactions (green), the
// displacement marker (orange). Bars and the deformed shape are lines labels may cross.
bool symbol(const Odcinek& s) {
    return (s.stan.pioro == czarny && s.stan.szerokosc == 1) || s.stan.pioro == czerwony ||
           s.stan.pioro == zielony || s.stan.pioro == pomaranczowy;
}

struct Przypadek {
    std::string nazwa;
    std::function<void(Model&)> model;
    std::vector<int> z_sila;  // bars whose axial force must show by them
};

std::filesystem::path zrodla() {
    return std::filesystem::path(__FILE__).parent_path().parent_path().parent_path();
}

std::function<void(Model&)> przyklad(const char* nazwa) {
    return [nazwa](Model& m) {
        std::string powod;
        ASSERT_TRUE(
            otworz_v2d((zrodla() / "examples" / (std::string(nazwa) + ".V2D")).string(), m, powod))
            << powod;
    };
}

TEST(EtykietyWidoku, ZadnaNieZachodziNaInnaNaSymbolAniPozaRysunek) {
    const Przypadek przypadki[] = {
        {"most_pratta", przyklad("most_pratta"), {}},
        {"dach_osiadanie", przyklad("dach_osiadanie"), {}},
        {"pret_temperatura", przyklad("pret_temperatura"), {}},
        {"gesta krata", [](Model& m) { krata(m, 16, 8); }, {}},
        {"gesty Pratt", [](Model& m) { pratt(m, 60, 3.0f, 4.0f, 5); }, {}},
        // Two crossing diagonals: each one's value by its own bar, not on their common middle.
        {"krzyzulce",
         [](Model& m) {
             zbuduj(m, Opis{.wezly = {{0, 0}, {4, 0}, {0, 3}, {4, 3}},
                            .prety = {{1, 2, 1, 1},
                                      {3, 4, 1, 1},
                                      {1, 3, 1, 1},
                                      {2, 4, 1, 1},
                                      {1, 4, 1, 1},
                                      {2, 3, 1, 1}},
                            .podpory = {{1, 0}, {2, 0}, {4, 0}},
                            .sily = {{7, 10}, {8, -10}}});
         },
         {5, 6}},
        // Large compressive stresses: the scale's last value, 12 characters, at the right edge.
        {"sciskanie",
         [](Model& m) {
             zbuduj(m, Opis{.wezly = {{0, 0}, {2, 0}, {1, 1}},
                            .prety = {{1, 2, 1, 1}, {2, 3, 1, 1}, {1, 3, 1, 1}},
                            .podpory = {{1, 0}, {2, 0}, {4, 0}},
                            .sily = {{6, -120.61f}}});
         },
         {}},
    };
    for (const Przypadek& p : przypadki) {
        Atrapa port;
        _OKNO_ o(port);
        p.model(o.model);
        o.obliczenia();
        ASSERT_EQ(o.model.obliczono, 1) << p.nazwa;
        if (p.nazwa == "sciskanie")
            for (int b = 1; b <= o.model.ne; ++b) o.model.stressp[b] = -3000.0f - 4530.4f * b;
        o.model.p_napr = 1, o.model.p_przem = 1, o.model.p_n_wezl = 1;
        o.p_reakcje = 1, o.p_wartosci_sil = 1;
        int nl = 0;
        for (int k = 1; k <= o.model.nl; ++k) nl += o.model.al[k] != 0.0f;
        for (const bool sily : {false, true})
            for (const auto& [w, h, obraz] : {std::tuple{1280, 800, false},
                                              {640, 400, false},
                                              {1600, 1000, true},
                                              {800, 300, true}}) {
                SCOPED_TRACE(p.nazwa + " " + std::to_string(w) + "x" + std::to_string(h) +
                             (obraz ? " obraz" : " okno") + (sily ? " siły" : " numery"));
                o.model.p_n_ele = sily ? 0 : 1;
                o.p_n_sil = sily ? 1 : 0;
                Nagrywarka dc;
                if (obraz)
                    o.Paint_obrazu(dc, w, h);
                else
                    o.Paint(dc, w, h);
                const std::vector<Tekst> t = teksty(dc);
                std::vector<Odcinek> symbole;
                for (const Odcinek& s : dc.odcinki())
                    if (symbol(s)) symbole.push_back(s);
                std::vector<Pudelko> kolory;  // the scale's segments
                for (const Operacja& r : dc.wszystkie(Wywolanie::prostokat))
                    if (!(r.stan.pedzel == bialy)) kolory.push_back({r.x1, r.y1, r.x2, r.y2});
                for (std::size_t i = 0; i < t.size(); ++i) {
                    const Pudelko& a = t[i].p;
                    EXPECT_TRUE(a.lewo >= 0 && a.gora >= 0 && a.prawo <= w && a.dol <= h)
                        << t[i].t << " leaves the drawing";
                    for (std::size_t j = 0; j < i; ++j)
                        EXPECT_FALSE(a.blisko(t[j].p)) << t[i].t << " over " << t[j].t;
                    // A text's box leaves out its right and bottom edges.
                    for (const Odcinek& s : symbole)
                        EXPECT_FALSE(odcinek_przez(
                            a, static_cast<float>(s.x1), static_cast<float>(s.y1),
                            static_cast<float>(s.x2), static_cast<float>(s.y2), -0.5f))
                            << t[i].t << " over a symbol " << s.x1 << "," << s.y1 << " " << s.x2
                            << "," << s.y2;
                    for (const Pudelko& k : kolory)
                        EXPECT_FALSE(a.blisko(k)) << t[i].t << " over the scale's colours";
                }
                // The legends' values all show: the scale's nine, the smallest last.
                const ZakresNaprezen z = zakres_naprezen(o.model.stressp.data() - 1, o.model.ne);
                char ostatnia[64];
                std::snprintf(ostatnia, sizeof ostatnia, format_etykiety(z.mn),
                              static_cast<double>(z.an));
                EXPECT_NE(dc.znajdz_tekst(ostatnia), nullptr) << ostatnia;
                for (const int b : sily ? p.z_sila : std::vector<int>{}) {
                    char sila[32];
                    std::snprintf(sila, sizeof sila, "%g",
                                  static_cast<double>(*sila_osiowa(o.model, b)));
                    EXPECT_NE(dc.znajdz_tekst(sila), nullptr) << sila;
                }
                // In a window of an ordinary size every force's value shows by its arrow, and
                // every node's number.
                if (w >= 1280 && o.model.nn <= 20) {
                    EXPECT_EQ(dc.teksty_w_kolorze(czerwony).size(), static_cast<std::size_t>(nl));
                    EXPECT_EQ(dc.teksty_w_kolorze(niebieski).size(),
                              static_cast<std::size_t>(o.model.nn));
                    EXPECT_FALSE(dc.teksty_w_kolorze(zielony).empty()) << "reactions";
                }
            }
    }
}

}  // namespace
