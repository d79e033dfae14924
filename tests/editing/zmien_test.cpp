// SPDX-License-Identifier: GPL-3.0-or-later
// The "Zmień" commands through the stand-in.
#include <gtest/gtest.h>

#include "tests/editing/edycja_wspolne.h"

namespace {

// Values whose texts in the dialogs' own formats would not fit their fields.
Opis dokladne() {
    return baza_z([](Opis& o) {
        o.wezly[0] = {1234.5678f, 0.0f};
        o.wezly[1] = {123.5f, 0.0f};
        o.materialy[0] = {2.1e12f, 0.000012f};
        o.pola[0] = 0.0012f;
        o.podpory[1].second = 0.123456f;
        o.sily[0].second = 1234.5678f;
        o.temperatury[0].second = 12.345678f;
    });
}

}  // namespace

TEST_F(Zmien, KazdaZmianaZapisujeAlboOdrzucaZeWszystkimiKomunikatami) {
    const Opis b = baza(), d = dokladne();
    const Scenariusz s[] = {
        // OK on an untouched dialog keeps every stored value exactly, and clears the results.
        scen("material unchanged", d, 1150, {numer("1"), ok()}, {}, d, 0),
        scen("area unchanged", d, 1160, {numer("1"), ok()}, {}, d, 0),
        scen("node unchanged", d, 51690, {numer("1"), ok()}, {}, d, 0),
        scen("node at the origin unchanged", b, 51690, {numer("1"), ok()}, {}, b, 0),
        scen("support unchanged", d, 51688, {numer("1"), ok()}, {}, d, 0),
        scen("force unchanged", d, 51689, {numer("4"), ok()}, {}, d, 0),
        scen("bar unchanged", d, 1170, {numer("3"), ok()}, {}, d, 0),
        scen("temperature unchanged", d, 52102, {numer("3"), ok()}, {}, d, 0),
        scen("node Y typed, X kept", d, 51690, {numer("1"), ok({{8501, "2.5"}})}, {},
             baza_z([&](Opis& o) { o = d, o.wezly[0][1] = 2.5f; }), 0),
        scen("material E typed, alpha kept", d, 1150, {numer("1"), ok({{8500, "3e11"}})}, {},
             baza_z([&](Opis& o) { o = d, o.materialy[0][0] = 3e11f; }), 0),
        // Cancel changes nothing; a number that names nothing ends the command silently.
        scen("material cancel", b, 1150, {numer("2"), anuluj}, {}, b, 1),
        scen("area cancel", b, 1160, {numer("2"), anuluj}, {}, b, 1),
        scen("node cancel", b, 51690, {numer("2"), anuluj}, {}, b, 1),
        scen("bar cancel", b, 1170, {numer("2"), anuluj}, {}, b, 1),
        scen("support cancel", b, 51688, {numer("1"), anuluj}, {}, b, 1),
        scen("force cancel", b, 51689, {numer("4"), anuluj}, {}, b, 1),
        scen("material 0", b, 1150, {numer("0")}, {}, b, 1),
        scen("area 3", b, 1160, {numer("3")}, {}, b, 1),
        scen("node 6", b, 51690, {numer("6")}, {}, b, 1),
        scen("bar 8", b, 1170, {numer("8")}, {}, b, 1),
        scen("support prompt closed", b, 51688, {anuluj}, {}, b, 1),
        scen("temperature cancel", b, 52102, {numer("7"), anuluj}, {}, b, 1),
        // Refused values: every message, then the dialog again.
        scen("material nan, -1", b, 1150, {numer("1"), ok({{8500, "nan"}, {8501, "-1"}}), anuluj},
             {"Moduł Younga <=0", "Wsp. rozszerzalnosci cieplnej <0"}, b, 1),
        scen("area inf", b, 1160, {numer("1"), ok({{8500, "inf"}}), anuluj},
             {"Pole przkroju musi być większe od zera"}, b, 1),
        scen("node -1, 1e39", b, 51690, {numer("1"), ok({{8500, "-1"}, {8501, "1e39"}}), anuluj},
             {"Współrzędna X<0", "Współrzędna Y<0"}, b, 1),
        scen("support node 9, nothing ticked", b, 51688,
             {numer("1"), ok({{8500, "9"}, {8600, "0"}, {8610, "0"}}), anuluj},
             {"Zły numer węzła", "Nie zaznaczono sposobu utwierdzenia"}, b, 1),
        scen("force node 0, 1e39", b, 51689,
             {numer("4"), ok({{8500, "0"}, {8501, "1e39"}}), anuluj},
             {"Zły numer węzła", "Wartość siły równa zeru"}, b, 1),
        scen("temperature bar 8, ΔT inf", b, 52102,
             {numer("3"), ok({{8500, "8"}, {8501, "inf"}}), anuluj},
             {"Zły numer pręta", "Przyrost temperatury nie jest liczbą"}, b, 1),
        // Material and area are checked also after cancel, on what is stored.
        scen("stored modulus 0, cancel", baza_z([](Opis& o) { o.materialy[1][0] = 0.0f; }), 1150,
             {numer("2"), anuluj}, {"Moduł Younga <=0"},
             baza_z([](Opis& o) { o.materialy[1][0] = 0.0f; }), 1),
        // The bar dialog shows once: an invalid bar is reported and the command is over.
        scen("bar to itself", b, 1170, {numer("1"), ok({{8500, "2"}, {8501, "2"}})},
             {"Zły numer węzła 1"}, b, 1),
        scen("bar rejoined", b, 1170, {numer("1"), ok({{8501, "3"}, {8502, "2"}})}, {},
             baza_z([](Opis& o) {
                 o.prety[0] = {1, 3, 2, 1};
             }),
             0),
        // Supports are rebuilt sorted by DOF; the node typed in the dialog is only tested.
        scen("support (6, 1, 5) with X only on node 3", baza_z([](Opis& o) {
                 o.podpory = {{6, 0.1f}, {1, 0.2f}, {5, 0.3f}};
             }),
             51688, {numer("3"), ok({{8610, "0"}, {8500, "1"}})}, {}, baza_z([](Opis& o) {
                 o.podpory = {{1, 0.2f}, {5, 0.3f}};
             }),
             0),
        scen("support added to a free node", b, 51688,
             {numer("2"), ok({{8610, "1"}, {8502, "-0.5"}})}, {}, baza_z([](Opis& o) {
                 o.podpory = {{1, 0.0f}, {2, 0.0f}, {4, -0.5f}, {6, 0.001f}};
             }),
             0),
        // Force: the last in list order of the chosen direction; it may move to another node.
        scen("force without a force on the node", b, 51689, {numer("2")},
             {"W tym węźle nie ma siły.."}, b, 1),
        scen("force prompt closed", b, 51689, {anuluj}, {"W tym węźle nie ma siły.."}, b, 1),
        scen("force X, last of two", baza_z([](Opis& o) {
                 o.sily = {{7, 1.0f}, {8, 2.0f}, {7, 3.0f}};
             }),
             51689, {numer("4"), ok({{8501, "4"}})}, {}, baza_z([](Opis& o) {
                 o.sily = {{7, 1.0f}, {8, 2.0f}, {7, 4.0f}};
             }),
             0),
        scen("force Y chosen, moved to node 2", baza_z([](Opis& o) {
                 o.sily = {{7, 1.0f}, {8, 2.0f}, {7, 3.0f}};
             }),
             51689, {numer("4"), ok({{8630, "1"}, {8500, "2"}, {8501, "9"}})}, {},
             baza_z([](Opis& o) {
                 o.sily = {{7, 1.0f}, {4, 9.0f}, {7, 3.0f}};
             }),
             0),
        scen("force in a direction the node has none", b, 51689,
             {numer("4"), ok({{8620, "1"}}), anuluj}, {}, b, 1),
        // Temperature: the bar's last entry; typing another bar moves it there.
        scen("temperature of a bar without", b, 52102, {numer("2")},
             {"W tym pręcie nie ma zmiany temperatury."}, b, 1),
        scen("temperature prompt closed", b, 52102, {anuluj},
             {"W tym pręcie nie ma zmiany temperatury."}, b, 1),
        scen("temperature, last of two, moved to bar 5", baza_z([](Opis& o) {
                 o.temperatury = {{3, 20.0f}, {7, -15.0f}, {3, 5.0f}};
             }),
             52102, {numer("3"), ok({{8500, "5"}, {8501, "6"}})}, {}, baza_z([](Opis& o) {
                 o.temperatury = {{3, 20.0f}, {7, -15.0f}, {5, 6.0f}};
             }),
             0),
    };
    for (const Scenariusz& x : s) wykonaj(x);
}

TEST_F(Zmien, DialogPokazujeZapisaneWartosciTekstemKtoryJeOddaje) {
    const struct {
        int polecenie;
        const char* numer;
        std::map<int, std::string> pokazane;
    } przypadki[] = {
        // The dialog's own format where it shows every digit and no more; else the shortest
        // text of the stored float (1234.5678 and 1234.5677 are one float).
        {1150, "1", {{8004, "1"}, {8500, "2.1e12"}, {8501, "0.0000120"}}},
        {1150, "2", {{8004, "2"}, {8500, "70000000.000000"}, {8501, "0.0000230"}}},
        {1160, "1", {{8004, "1"}, {8500, "0.0012"}}},
        {51690, "1", {{8004, "1"}, {8500, "1234.5677"}, {8501, "0.000000"}}},
        {51690, "2", {{8004, "2"}, {8500, "123.500000"}, {8501, "0.000000"}}},
        {1170, "4", {{8004, "4"}, {8500, "2"}, {8501, "4"}, {8502, "1"}, {8503, "2"}}},
        {51688,
         "1",
         {{8004, "1"},
          {8500, "1"},
          {8600, "1"},
          {8501, "0.00000"},
          {8610, "1"},
          {8502, "0.123456"}}},
        {51688,
         "3",
         {{8004, "3"}, {8500, "3"}, {8600, "0"}, {8501, "0.0"}, {8610, "1"}, {8502, "0.00100"}}},
        {51689, "4", {{8004, "2"}, {8500, "4"}, {8501, "1234.5677"}, {8620, "0"}, {8630, "1"}}},
        {52102, "7", {{8004, "2"}, {8500, "7"}, {8501, "-15.000000"}}},
    };
    zbuduj(m, dokladne());
    for (const auto& p : przypadki) {
        a.pokazy.clear();
        dialog(numer(p.numer));
        dialog(anuluj);
        o.Find(p.polecenie);
        ASSERT_EQ(a.pokazy.size(), 2u);
        EXPECT_EQ(a.pokazy[1].przy_otwarciu, p.pokazane) << p.polecenie << " " << p.numer;
    }
}

TEST_F(Zmien, Wezel1000Z1000MoznaZmienic) {
    Opis d;
    for (int i = 0; i < 1000; ++i) d.wezly.push_back({static_cast<float>(i), 0.0f});
    zbuduj(m, d);
    dialog(numer("1000"));
    dialog(ok({{8501, "7"}}));
    o.Cm_z_wez();
    EXPECT_EQ(a.pokazy[0].przy_otwarciu.at(8700), "Podaj numer węzła :");
    EXPECT_EQ(m.x[1000][2], 7.0f);
    EXPECT_EQ(m.x[1000][1], 999.0f);
}
