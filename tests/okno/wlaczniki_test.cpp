// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "okno/okno.h"
#include "tests/wspolne/atrapa.h"
#include "tests/wspolne/kratownice.h"

namespace {

// Ids of the commands the menus would offer for the current model (toggles aside).
std::set<int> wlaczone(_OKNO_& o) {
    std::set<int> w;
    for (const Podmenu& p : menu_1000()) {
        if (std::string(p.etykieta) == "&Widok") continue;
        for (const PozycjaMenu& poz : p.pozycje) {
            if (poz.id == 0) continue;
            TCommandEnabler ce;
            o.Enable(poz.id, ce);
            if (ce.wlaczone && ce.zaznaczenie == -1) w.insert(poz.id);
        }
    }
    return w;
}

}  // namespace

TEST(Wlaczniki, KazdaRegulaDostepnosciPolecen) {
    Atrapa a;
    _OKNO_ o(a);
    const std::set<int> zawsze = {1070, 1020, 1040, 1010, 51699, 51700, 1240, 52301, 52802};
    // With a model, the load cases' commands but those that need a second case or a
    // combination of the user's own, the design's (which say themselves what they lack), the
    // report and the project's properties.
    const std::set<int> przypadki = {52401, 52402, 52403, 52408, 52410, 52411, 52413, 52414,
                                     52501, 52502, 52503, 52504, 52505, 52901, 52902};
    auto oraz = [&](std::set<int> s) {
        s.insert(zawsze.begin(), zawsze.end());
        if (o.model.Pusty == 0) s.insert(przypadki.begin(), przypadki.end());
        // With a node: change what is under the cursor, select everything.
        if (o.model.Pusty == 0 && o.model.nn > 0) s.insert({52702, 52703});
        return s;
    };
    EXPECT_EQ(wlaczone(o), oraz({51697}));

    o.Find(1070);  // an empty model
    EXPECT_EQ(wlaczone(o), oraz({52001, 1060, 51698, 52604, 51684, 51685, 51682, 1140}));

    zbuduj(o.model, {.wezly = {{0, 0}}});
    EXPECT_EQ(wlaczone(o), oraz({52001, 1060, 51698, 52604, 51684, 51685, 51682, 51686, 51687,
                                 51690, 51691, 1140, 1150, 1160, 51693, 51695}));

    const Opis pelny_opis{.wezly = {{0, 0}, {3, 0}, {3, 4}},
                          .prety = {{1, 2, 1, 1}, {2, 3, 1, 1}, {1, 3, 1, 1}},
                          .podpory = {{1, 0}, {2, 0}, {4, 0}},
                          .sily = {{6, -1}},
                          .temperatury = {{2, 10}}};
    o.model.Pusty = 0;
    std::set<int> pelny = oraz({52001, 1060,  51698, 52604, 51684, 51685, 51682, 51683, 51686,
                                51687, 1150,  1160,  51690, 1170,  51688, 51689, 51693, 51695,
                                51691, 51692, 51694, 51696, 1140,  52101, 52102, 52103});
    // Supports, forces and temperature changes are offered for change and deletion each only
    // while there are some.
    auto bez = [](std::set<int> s, std::set<int> bez) {
        for (int id : bez) s.erase(id);
        return s;
    };
    Opis d = pelny_opis;
    d.sily.clear();
    zbuduj(o.model, d);
    EXPECT_EQ(wlaczone(o), bez(pelny, {51689, 51696})) << "supports without forces";
    d = pelny_opis;
    d.podpory.clear();
    zbuduj(o.model, d);
    EXPECT_EQ(wlaczone(o), bez(pelny, {51688, 51694})) << "forces without supports";
    d = pelny_opis;
    d.temperatury.clear();
    zbuduj(o.model, d);
    EXPECT_EQ(wlaczone(o), bez(pelny, {52102, 52103})) << "bars without temperature changes";

    zbuduj(o.model, pelny_opis);
    EXPECT_EQ(wlaczone(o), pelny);
    o.Find(1010);
    pelny.insert(1130);
    EXPECT_EQ(wlaczone(o), pelny) << "results valid: the results window is offered";
    TCommandEnabler zapis_bez_menu;
    o.Enable(1030, zapis_bez_menu);
    EXPECT_TRUE(zapis_bez_menu.wlaczone);

    // What acts on the selection, while there is one: on nodes, supports and forces; on bars,
    // their material.
    o.zaznaczenie.ustaw_wezel(2, true);
    pelny.insert({52704, 52705, 52706, 52708, 52709});
    EXPECT_EQ(wlaczone(o), pelny);
    o.zaznaczenie.wyczysc();
    o.zaznaczenie.ustaw_pret(3, true);
    pelny.erase(52708), pelny.erase(52709), pelny.insert(52707);
    EXPECT_EQ(wlaczone(o), pelny);
}

TEST(Wlaczniki, PretWymagaDwochWezlowMaterialuIPrzekroju) {
    Atrapa a;
    _OKNO_ o(a);
    auto pret = [&] {
        TCommandEnabler ce;
        o.Enable(51683, ce);
        return ce.wlaczone;
    };
    zbuduj(o.model, {.wezly = {{0, 0}}});
    EXPECT_FALSE(pret());
    zbuduj(o.model, {.wezly = {{0, 0}, {1, 0}}, .materialy = {}});
    EXPECT_FALSE(pret());
    zbuduj(o.model, {.wezly = {{0, 0}, {1, 0}}, .pola = {}});
    EXPECT_FALSE(pret());
    zbuduj(o.model, {.wezly = {{0, 0}, {1, 0}}});
    EXPECT_TRUE(pret());
}
