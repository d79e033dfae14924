// SPDX-License-Identifier: GPL-3.0-or-later
// The "Usuń" commands through the stand-in.
#include <gtest/gtest.h>

#include <cmath>

#include "core/analiza.h"
#include "tests/editing/edycja_wspolne.h"

namespace {

// The base truss with one more entity at number k: every reference at or above k moves up.
Opis z_materialem(int k) {
    return baza_z([k](Opis& o) {
        o.materialy.insert(o.materialy.begin() + (k - 1), {3.0e7f, 1.0e-5f});
        for (auto& p : o.prety) p[2] += p[2] >= k;
    });
}
Opis z_przekrojem(int k) {
    return baza_z([k](Opis& o) {
        o.pola.insert(o.pola.begin() + (k - 1), 0.5f);
        for (auto& p : o.prety) p[3] += p[3] >= k;
    });
}
// A free node held both ways, with forces of its own first and last in their lists.
Opis z_wezlem(int k) {
    return baza_z([k](Opis& o) {
        o.wezly.insert(o.wezly.begin() + (k - 1), {9.0f, 9.0f});
        for (auto& p : o.prety) p[0] += p[0] >= k, p[1] += p[1] >= k;
        for (auto& s : o.podpory) s.first += s.first >= 2 * k - 1 ? 2 : 0;
        for (auto& s : o.sily) s.first += s.first >= 2 * k - 1 ? 2 : 0;
        o.podpory.insert(o.podpory.begin(), {2 * k, 0.0f});
        o.podpory.push_back({2 * k - 1, 0.0f});
        o.sily.insert(o.sily.begin(), {2 * k - 1, 4.0f});
        o.sily.push_back({2 * k, 1.0f});
    });
}
// A bar with temperature changes of its own, before and after the others.
Opis z_pretem(int k) {
    return baza_z([k](Opis& o) {
        o.prety.insert(o.prety.begin() + (k - 1), {1, 5, 1, 1});
        for (auto& t : o.temperatury) t.first += t.first >= k;
        o.temperatury.insert(o.temperatury.begin(), {k, 40.0f});
        o.temperatury.push_back({k, -3.0f});
    });
}

}  // namespace

TEST_F(Usun, UsuniecieDajeModelIWynikiTakieJakZbudowanegoBezTego) {
    const Opis b = baza();
    const Scenariusz s[] = {
        scen("material 1 of 3", z_materialem(1), 51693, {numer("1")}, {}, b, 1),
        scen("material 2 of 3", z_materialem(2), 51693, {numer("2")}, {}, b, 1),
        scen("last material", z_materialem(3), 51693, {numer("3")}, {}, b, 1),
        scen("area 1 of 3", z_przekrojem(1), 51695, {numer("1")}, {}, b, 1),
        scen("area 2 of 3", z_przekrojem(2), 51695, {numer("2")}, {}, b, 1),
        scen("node 1", z_wezlem(1), 51691, {numer("1")}, {}, b, 0),
        scen("node 3", z_wezlem(3), 51691, {numer("3")}, {}, b, 0),
        scen("last node", z_wezlem(6), 51691, {numer("6")}, {}, b, 0),
        scen("bar 1", z_pretem(1), 51692, {numer("1")}, {}, b, 0),
        scen("bar 3, the next bar's temperature follows it", z_pretem(3), 51692, {numer("3")}, {},
             b, 0),
        scen("bar 4", z_pretem(4), 51692, {numer("4")}, {}, b, 0),
        scen("last bar", z_pretem(8), 51692, {numer("8")}, {}, b, 0),
        scen("both supports of node 5", baza_z([](Opis& o) {
                 o.podpory.insert(o.podpory.begin() + 1, {{9, 0.0f}, {10, 0.1f}});
             }),
             51694, {numer("5")}, {}, b, 0),
        scen("every force of node 2", baza_z([](Opis& o) {
                 o.sily.insert(o.sily.begin() + 1, {{3, 1.0f}, {4, 2.0f}, {3, 3.0f}});
             }),
             51696, {numer("2")}, {}, b, 0),
        scen("every temperature change of bar 2", baza_z([](Opis& o) {
                 o.temperatury = {{2, 1.0f}, {3, 20.0f}, {2, 4.0f}, {7, -15.0f}, {2, 6.0f}};
             }),
             52103, {numer("2")}, {}, b, 0),
    };
    Model bez;
    zbuduj(bez, b);
    ASSERT_TRUE(obliczenia(bez).sukces());
    auto jak_bez = [&] {
        auto blisko = [](float x, float y) {
            return std::fabs(x - y) <= 1e-5f * (1 + std::fabs(y));
        };
        for (int i = 1; i <= m.nq; ++i) EXPECT_PRED2(blisko, m.f[i], bez.f[i]);
        for (int i = 1; i <= m.ne; ++i) EXPECT_PRED2(blisko, m.stressp[i], bez.stressp[i]);
        for (int i = 1; i <= m.nd; ++i) EXPECT_PRED2(blisko, m.react[i], bez.react[i]);
    };
    for (const Scenariusz& x : s) {
        wykonaj(x);
        SCOPED_TRACE(x.nazwa);
        // Results left valid (material and area) are those of the truss as it now stands.
        zbuduj(m, x.przed);
        ASSERT_TRUE(obliczenia(m).sukces());
        dialog(x.wpisy[0]);
        o.Find(x.polecenie);
        if (m.obliczono == 1) jak_bez();
        ASSERT_TRUE(obliczenia(m).sukces());
        jak_bez();
    }
}

TEST_F(Usun, OdmowyINumeryBezPokrycia) {
    const Opis b = baza();
    const Scenariusz s[] = {
        scen("material in use", b, 51693, {numer("2")}, {"Materiał jest używany przez element"}, b,
             1),
        scen("area in use", b, 51695, {numer("1")}, {"Pole przekroju używane jest przez element"},
             b, 1),
        scen("node at a bar's end", b, 51691, {numer("4")}, {}, b, 1),
        scen("supports of a node without", b, 51694, {numer("2")}, {"W tym węźle nie ma podpór.."},
             b, 1),
        scen("forces of a node without", b, 51696, {numer("2")}, {"W tym węźle nie ma sił.."}, b,
             1),
        scen("forces of node 99", b, 51696, {numer("99")}, {"W tym węźle nie ma sił.."}, b, 1),
        scen("forces of node 0", b, 51696, {numer("0")}, {}, b, 1),
        scen("temperatures of a bar without", b, 52103, {numer("2")},
             {"W tym pręcie nie ma zmiany temperatury."}, b, 1),
        scen("temperatures of bar 99", b, 52103, {numer("99")},
             {"W tym pręcie nie ma zmiany temperatury."}, b, 1),
        scen("temperatures of bar 0", b, 52103, {numer("0")}, {}, b, 1),
        scen("material 3", b, 51693, {numer("3")}, {}, b, 1),
        scen("node 6", b, 51691, {numer("6")}, {}, b, 1),
        scen("bar prompt closed", b, 51692, {anuluj}, {}, b, 1),
        scen("supports of node 6", b, 51694, {numer("6")}, {}, b, 1),
    };
    for (const Scenariusz& x : s) wykonaj(x);
}

TEST_F(Usun, OstatnieWpisyZwalniajaTabliceIWylaczajaDodaniePreta) {
    Opis d;
    d.wezly = {{0, 0}, {1, 0}};
    d.prety = {{1, 2, 1, 1}};
    d.podpory = {{1, 0.0f}};
    d.sily = {{2, 1.0f}};
    d.temperatury = {{1, 5.0f}};
    zbuduj(m, d);
    for (int polecenie : {51692, 51693, 51695, 51694, 51696, 51691, 51691}) {
        dialog(numer("1"));
        o.Find(polecenie);
        ASSERT_TRUE(niezmienniki(m)) << polecenie;
    }
    EXPECT_EQ(zrzut(m), zrzut(Opis{.materialy = {}, .pola = {}}));
    EXPECT_TRUE(a.komunikaty.empty());
    TCommandEnabler ce;
    o.Enable(51683, ce);
    EXPECT_FALSE(ce.wlaczone);
}
