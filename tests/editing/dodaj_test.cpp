// SPDX-License-Identifier: GPL-3.0-or-later
// The "Dodaj" commands through the stand-in.
#include <gtest/gtest.h>

#include <cmath>

#include "tests/editing/edycja_wspolne.h"

TEST_F(Dodaj, KazdyWpisDodajeAlboOdrzucaZeWszystkimiKomunikatami) {
    const Opis b = baza();
    const Scenariusz s[] = {
        scen("material unchanged", b, 51684, {ok()}, {}, baza_z([](Opis& o) {
                 o.materialy.push_back({20000.0f, 0.3f});
             }),
             1),
        scen("material nan, inf", b, 51684, {ok({{8500, "nan"}, {8501, "inf"}}), anuluj},
             {"Moduł Younga <=0", "Wsp. rozszerzalnosci cieplnej <0"}, b, 1),
        scen("material 1e39, -1", b, 51684, {ok({{8500, "1e39"}, {8501, "-1"}}), anuluj},
             {"Moduł Younga <=0", "Wsp. rozszerzalnosci cieplnej <0"}, b, 1),
        scen("area", b, 51685, {ok({{8500, "0.5"}})}, {},
             baza_z([](Opis& o) { o.pola.push_back(0.5f); }), 1),
        scen("area unchanged, then one that is 0 as a float", b, 51685,
             {ok(), ok({{8500, "1e-50"}}), anuluj},
             {"Pole przkroju musi być większe od zera", "Pole przkroju musi być większe od zera"},
             b, 1),
        scen("node", b, 51682, {ok({{8500, "3"}, {8501, "0.5"}})}, {}, baza_z([](Opis& o) {
                 o.wezly.push_back({3.0f, 0.5f});
             }),
             0),
        // Typed numbers are kept whole, as the user guide writes them.
        scen("node at 1234.567, 0.000012", b, 51682, {ok({{8500, "1234.567"}, {8501, "0.000012"}})},
             {}, baza_z([](Opis& o) {
                 o.wezly.push_back({1234.567f, 0.000012f});
             }),
             0),
        scen("material with alpha 0.000012", b, 51684,
             {ok({{8500, "210000000"}, {8501, "0.000012"}})}, {}, baza_z([](Opis& o) {
                 o.materialy.push_back({2.1e8f, 0.000012f});
             }),
             1),
        scen("node -1, inf", b, 51682, {ok({{8500, "-1"}, {8501, "inf"}}), anuluj},
             {"Współrzędna X<0", "Współrzędna Y<0"}, b, 1),
        scen("bar between nodes already joined", b, 51683, {ok({{8500, "2"}, {8501, "1"}})}, {},
             baza_z([](Opis& o) {
                 o.prety.push_back({2, 1, 1, 1});
             }),
             0),
        scen("bar unchanged", b, 51683, {ok(), anuluj}, {"Zły numer węzła 1", "Zły numer węzła 2"},
             b, 1),
        scen("bar from a node to itself", b, 51683, {ok({{8500, "2"}, {8501, "2"}}), anuluj},
             {"Zły numer węzła 1"}, b, 1),
        scen("bar material and area", b, 51683,
             {ok({{8500, "1"}, {8501, "6"}, {8502, "3"}, {8503, "0"}}), anuluj},
             {"Zły numer węzła 2", "Zły numer materiału", "Zły numer przekroju"}, b, 1),
        scen("support in Y only ignores X", b, 51686,
             {ok({{8500, "4"}, {8610, "1"}, {8501, "0.5"}, {8502, "-0.25"}})}, {},
             baza_z([](Opis& o) {
                 o.podpory.push_back({8, -0.25f});
             }),
             0),
        scen("support both ways, X first", b, 51686,
             {ok({{8500, "5"}, {8600, "1"}, {8610, "1"}, {8501, "0.5"}, {8502, "-0.25"}})}, {},
             baza_z([](Opis& o) {
                 o.podpory.insert(o.podpory.end(), {{9, 0.5f}, {10, -0.25f}});
             }),
             0),
        scen("support unchanged", b, 51686, {ok(), anuluj},
             {"Zły numer węzła", "Nie zaznaczono sposobu utwierdzenia"}, b, 1),
        scen("support on a node held in Y, then another node", b, 51686,
             {ok({{8500, "3"}, {8600, "1"}}), ok({{8500, "2"}, {8600, "1"}})},
             {"Ten węzeł jest już utwierdzony..."}, baza_z([](Opis& o) {
                 o.podpory.push_back({3, 0.0f});
             }),
             0),
        scen("support displacement not a number", b, 51686,
             {ok({{8500, "2"}, {8600, "1"}, {8610, "1"}, {8501, "nan"}, {8502, "1e39"}}), anuluj},
             {"Przemieszczenie w kierunku X nie jest liczbą",
              "Przemieszczenie w kierunku Y nie jest liczbą"},
             b, 1),
        scen("force on a DOF already loaded", b, 51687,
             {ok({{8500, "4"}, {8501, "-4"}, {8630, "1"}})}, {}, baza_z([](Opis& o) {
                 o.sily.push_back({8, -4.0f});
             }),
             0),
        scen("force unchanged", b, 51687, {ok(), anuluj},
             {"Zły numer węzła", "Wartość siły równa zeru"}, b, 1),
        scen("force 1e39 on node 6", b, 51687, {ok({{8500, "6"}, {8501, "1e39"}}), anuluj},
             {"Zły numer węzła", "Wartość siły równa zeru"}, b, 1),
        scen("temperature on a bar that has one, after bar 8 and a ΔT that is no number", b, 52101,
             {ok({{8500, "8"}, {8501, "1e39"}}), ok({{8500, "3"}, {8501, "-5"}})},
             {"Zły numer pręta", "Przyrost temperatury nie jest liczbą"}, baza_z([](Opis& o) {
                 o.temperatury.push_back({3, -5.0f});
             }),
             0),
    };
    for (const Scenariusz& x : s) wykonaj(x);
    // Cancel changes nothing and still repaints.
    for (int p : {51684, 51685, 51682, 51683, 51686, 51687, 52101})
        wykonaj(scen("cancel", b, p, {anuluj}, {}, b, 1));
}

TEST_F(Dodaj, DialogPokazujeDomyslneZaKazdymRazem) {
    const std::map<int, std::map<int, std::string>> domyslne = {
        {51684, {{8004, "3"}, {8500, "20000.00"}, {8501, "0.300000"}}},
        {51685, {{8004, "3"}, {8500, "0.00"}}},
        {51682, {{8004, "6"}, {8500, "0"}, {8501, "0"}}},
        {51683, {{8004, "8"}, {8500, "0"}, {8501, "0"}, {8502, "1"}, {8503, "1"}}},
        {51686, {{8004, "4"}, {8500, "0"}, {8501, "0.0"}, {8502, "0.0"}, {8600, "0"}, {8610, "0"}}},
        {51687, {{8004, "3"}, {8500, "0"}, {8501, "0.0"}, {8620, "1"}, {8630, "0"}}},
        {52101, {{8004, "3"}, {8500, "0"}, {8501, "0.0"}}},
    };
    zbuduj(m, baza());
    for (const auto& [polecenie, pola] : domyslne) {
        a.pokazy.clear();
        dialog(ok({{8500, "-9"}}));  // refused by every add command
        dialog(anuluj);
        o.Find(polecenie);
        ASSERT_EQ(a.pokazy.size(), 2u) << polecenie;
        EXPECT_EQ(a.pokazy[0].przy_otwarciu, pola) << polecenie;
        EXPECT_EQ(a.pokazy[1].przy_otwarciu, pola) << polecenie;
    }
}

TEST_F(Dodaj, ZmianaTemperaturyDodanaDoUtwierdzonegoPretaDajeNaprezenieMinusEAlfaDeltaT) {
    zbuduj(m, {.wezly = {{0, 0}, {2, 0}},
               .prety = {{1, 2, 1, 1}},
               .podpory = {{1, 0}, {2, 0}, {3, 0}, {4, 0}}});
    dialog(ok({{8500, "1"}, {8501, "40"}}));
    o.Find(52101);
    o.Find(1010);
    ASSERT_EQ(m.obliczono, 1);
    const double s = -static_cast<double>(m.pm[1][1]) * m.pm[1][2] * 40;
    EXPECT_NEAR(m.stressp[1], s, 1e-4 * std::fabs(s));
}

TEST_F(Dodaj, BezModeluAlboBezWezlowITworzywaTylkoOdswieza) {
    for (int p : {51684, 51685, 51682, 51683, 51686, 51687, 52101}) o.Find(p);
    EXPECT_EQ(a.odswiezenia, 7);
    o.Cm_Nowy();
    const int przed = a.odswiezenia;
    for (int p : {51683, 51686, 51687, 52101}) o.Find(p);
    EXPECT_TRUE(a.pokazy.empty());
    EXPECT_EQ(a.odswiezenia, przed + 4);
}

TEST_F(KomendyEdycji, PoleLiczbowePrzyjmujePrzecinekAInnyTekstOdrzucaKomunikatemPola) {
    const Opis b = baza();
    // One field of each kind, in the add and the change commands; the other fields valid.
    const struct {
        const char* nazwa;
        int polecenie;
        const char* numer;  // answer to the number prompt, if the command asks
        Pola inne;
        int pole;
        const char* komunikat;
        bool ponownie;  // the dialog is shown again after a refusal
    } pola[] = {
        {"add node X", 51682, nullptr, {}, 8500, "Współrzędna X<0", true},
        {"add modulus", 51684, nullptr, {}, 8500, "Moduł Younga <=0", true},
        {"add force", 51687, nullptr, {{8500, "4"}}, 8501, "Wartość siły równa zeru", true},
        {"add support X",
         51686,
         nullptr,
         {{8500, "2"}, {8600, "1"}},
         8501,
         "Przemieszczenie w kierunku X nie jest liczbą",
         true},
        {"add bar node 1", 51683, nullptr, {{8501, "3"}}, 8500, "Zły numer węzła 1", true},
        {"add bar node 2", 51683, nullptr, {{8500, "2"}}, 8501, "Zły numer węzła 2", true},
        {"change area", 1160, "1", {}, 8500, "Pole przkroju musi być większe od zera", true},
        {"change node Y", 51690, "1", {}, 8501, "Współrzędna Y<0", true},
        {"change bar material", 1170, "1", {}, 8502, "Zły numer materiału", false},
        {"add temperature",
         52101,
         nullptr,
         {{8500, "1"}},
         8501,
         "Przyrost temperatury nie jest liczbą",
         true},
        {"change temperature", 52102, "3", {}, 8501, "Przyrost temperatury nie jest liczbą", true},
    };
    // Longer than any field holds: cut, it would read as 1.
    const char* dlugi = "1.00000000000000000000005";
    for (const auto& p : pola)
        for (const char* tekst : {"2a", "abc", "", dlugi}) {
            std::vector<Wpis> wpisy;
            if (p.numer) wpisy.push_back(numer(p.numer));
            Pola wpisane = p.inne;
            wpisane.push_back({p.pole, tekst});
            wpisy.push_back(ok(wpisane));
            if (p.ponownie) wpisy.push_back(anuluj);
            wykonaj(scen((std::string(p.nazwa) + " \"" + tekst + "\"").c_str(), b, p.polecenie,
                         wpisy, {p.komunikat}, b, 1));
        }
    wykonaj(scen("node typed with commas", b, 51682, {ok({{8500, "1,5"}, {8501, " 0,25"}})}, {},
                 baza_z([](Opis& o) {
                     o.wezly.push_back({1.5f, 0.25f});
                 }),
                 0));
    wykonaj(scen("material typed with commas", b, 51684, {ok({{8500, "2,1e8"}, {8501, "1,2e-5"}})},
                 {}, baza_z([](Opis& o) {
                     o.materialy.push_back({2.1e8f, 1.2e-5f});
                 }),
                 1));
    wykonaj(scen("force changed with a comma", b, 51689, {numer("4"), ok({{8501, "-2,5"}})}, {},
                 baza_z([](Opis& o) { o.sily[0].second = -2.5f; }), 0));
    wykonaj(scen("temperature typed with a comma", b, 52101, {ok({{8500, "2"}, {8501, "-12,5"}})},
                 {}, baza_z([](Opis& o) {
                     o.temperatury.push_back({2, -12.5f});
                 }),
                 0));
}
