// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "okno/okno.h"
#include "tests/wspolne/atrapa.h"

TEST(TablicaPolecen, KazdaPozycjaMenuMaPolecenieAZapisDwaIdentyfikatory) {
    // The items of sub-menus too.
    std::vector<const PozycjaMenu*> pozycje;
    for (const Podmenu& p : menu_1000())
        for (const PozycjaMenu& poz : p.pozycje) {
            pozycje.push_back(&poz);
            for (const PozycjaMenu& w : poz.pozycje) pozycje.push_back(&w);
        }
    for (const PozycjaMenu* poz : pozycje)
        if (poz->id != 0) {
            int ile = 0;
            for (const Polecenie& c : tablica_polecen()) ile += c.id == poz->id;
            EXPECT_EQ(ile, 1) << poz->etykieta;
        }
    const Polecenie* a = nullptr;
    const Polecenie* b = nullptr;
    for (const Polecenie& c : tablica_polecen()) {
        if (c.id == 1030) a = &c;
        if (c.id == 1060) b = &c;
    }
    ASSERT_TRUE(a && b);
    EXPECT_TRUE(a->Cm == b->Cm && a->Ce == b->Ce);
}

TEST(TablicaPolecen, NieznanyIdentyfikatorNieJestObslugiwany) {
    Atrapa a;
    _OKNO_ o(a);
    EXPECT_FALSE(o.Find(4242));
}
