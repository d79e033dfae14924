// SPDX-License-Identifier: GPL-3.0-or-later
// What is done to the selection: each command one undo step that gives the model back whole.
#include "editing/zaznaczone.h"

#include "tests/editing/edycja_wspolne.h"

namespace {

// One panel 3 wide and 4 high with a diagonal: nodes 1 (0,0), 2 (3,0), 3 (0,4), 4 (3,4).
Opis panel() {
    return Opis{.wezly = {{0, 0}, {3, 0}, {0, 4}, {3, 4}},
                .prety = {{1, 2, 1, 1}, {3, 4, 1, 1}, {1, 3, 1, 1}, {2, 4, 1, 1}, {1, 4, 2, 1}},
                .materialy = {{2.1e8f, 1.2e-5f}, {7e7f, 2.3e-5f}},
                .podpory = {{1, 0}, {2, 0}, {4, 0}},
                .sily = {{7, -10}}};
}

// Copied by its width, twice, the panel shares its edges with the copies: the nodes that fall on
// nodes and the bars that join nodes already joined are not made again.
TEST(KopiaZPrzesunieciem, WezlyNaWezlachIPretyNaPretachNieSaDublowane) {
    for (float dx : {3.0f, 3.0000017f}) {  // within a millionth of the truss, a node is met
        Model m;
        zbuduj(m, panel());
        std::vector<int> w, p;
        kopiuj_wezly(m, {1, 2, 3, 4}, dx, 0.0f, 2, w, p);
        ASSERT_EQ(m.nn, 8) << dx;
        ASSERT_EQ(m.ne, 13);
        EXPECT_EQ(w, (std::vector<int>{2, 4, 5, 6, 7, 8}));
        EXPECT_EQ(p, (std::vector<int>{4, 6, 7, 8, 9, 10, 11, 12, 13}));
        EXPECT_EQ(std::pair(m.x[8][1], m.x[8][2]),
                  std::pair(static_cast<float>(2.0 * dx + 3.0), 4.0f));
        // The copy of the diagonal keeps its material; node 7 is the second copy of node 2.
        EXPECT_EQ((std::array{m.noc[13][1], m.noc[13][2], m.noc[13][3]}), (std::array{5, 8, 2}));
        EXPECT_EQ(m.x[7][1], static_cast<float>(2.0 * dx + 3.0));
        EXPECT_EQ(m.nq, 16);
    }
}

class Zaznaczone : public KomendyEdycji {
  protected:
    void SetUp() override {
        zbuduj(m, panel());
        uzgodnij(m, o.projekt);
        o.nowy_dokument(true);
        m.obliczono = 1;
    }
    void zaznacz(std::vector<int> wezly, std::vector<int> prety) {
        o.zaznaczenie.wyczysc();
        for (int n : wezly) o.zaznaczenie.ustaw_wezel(n, true);
        for (int b : prety) o.zaznaczenie.ustaw_pret(b, true);
    }
};

// Every command on the selection: what it makes of the panel, named in the history, and undone
// to the very model it started from.
TEST_F(Zaznaczone, KazdePolecenieJednymKrokiemCofanymDoKonca) {
    const struct {
        const char* nazwa;
        std::vector<int> wezly, prety;
        int polecenie;
        std::vector<Wpis> wpisy;
        std::vector<int> odpowiedzi;
        std::function<void(Opis&)> po;
    } tabela[] = {
        {"move the top chord by its bar",
         {},
         {2},
         CM_PRZESUN,
         {ok({{8500, "1"}, {8501, "-1,5"}})},
         {},
         [](Opis& o) {
             o.wezly[2] = {1, 2.5f}, o.wezly[3] = {4, 2.5f};
         }},
        {"copy the panel to its right",
         {1, 2, 3, 4},
         {},
         CM_KOPIUJ_PRZESUN,
         {ok({{8500, "3"}, {8502, "1"}})},
         {},
         [](Opis& o) {
             o.wezly.push_back({6, 0}), o.wezly.push_back({6, 4});
             o.prety.push_back({2, 5, 1, 1}), o.prety.push_back({4, 6, 1, 1});
             o.prety.push_back({5, 6, 1, 1}), o.prety.push_back({2, 6, 2, 1});
         }},
        {"material 2 of the chords",
         {},
         {1, 2},
         CM_MATERIAL_PRETOW,
         {ok({{8500, "2"}})},
         {},
         [](Opis& o) { o.prety[0][2] = o.prety[1][2] = 2; }},
        {"supports both ways at nodes 2 and 3 (2 is held in Y already)",
         {2, 3},
         {},
         CM_PODPORY_WEZLOW,
         {ok({{8611, "1"}})},
         {},
         [](Opis& o) {
             o.podpory.push_back({3, 0}), o.podpory.push_back({5, 0}), o.podpory.push_back({6, 0});
         }},
        {"a force of 2.5 along X at nodes 3 and 4",
         {3, 4},
         {},
         CM_SILY_WEZLOW,
         {ok({{8500, "0"}}), ok({{8500, "2,5"}, {8620, "1"}})},
         {},
         [](Opis& o) {
             o.sily.push_back({5, 2.5f}), o.sily.push_back({7, 2.5f});
         }},
        {"node 2 with its bars, asked",
         {2},
         {},
         CM_USUN_ZAZNACZONE,
         {},
         {IDYES},
         [](Opis& o) {
             o.wezly.erase(o.wezly.begin() + 1);
             o.prety = {{2, 3, 1, 1}, {1, 2, 1, 1}, {1, 3, 2, 1}};
             o.podpory = {{1, 0}, {2, 0}};
             o.sily = {{5, -10}};
         }},
        {"the diagonal and node 3's bars but not node 3, asked",
         {3},
         {5},
         CM_USUN_ZAZNACZONE,
         {},
         {IDNO},
         [](Opis& o) { o.prety.erase(o.prety.begin() + 4); }},
    };
    for (const auto& p : tabela) {
        SCOPED_TRACE(p.nazwa);
        zaznacz(p.wezly, p.prety);
        a.komunikaty.clear();
        for (const Wpis& w : p.wpisy) dialog(w);
        for (int odp : p.odpowiedzi) a.odpowiedzi.push_back(odp);
        o.Find(p.polecenie);
        Opis po = panel();
        p.po(po);
        EXPECT_EQ(zrzut(m), zrzut(po));
        EXPECT_EQ(m.obliczono, 0);
        EXPECT_TRUE(niezmienniki(m));
        ASSERT_TRUE(o.historia.moze_cofnac());
        o.Find(52011);
        EXPECT_EQ(zrzut(m), zrzut(panel()));
        EXPECT_EQ(m.obliczono, 1);
        EXPECT_FALSE(o.historia.moze_cofnac());
        EXPECT_TRUE(a.odpowiedzi.empty());
    }
    // The force refused as zero said so; the next one offers the last force again.
    zaznacz({1}, {});
    dialog(anuluj);
    o.Find(CM_SILY_WEZLOW);
    EXPECT_EQ(a.pokazy.back().przy_otwarciu.at(8500), "2.5");
    EXPECT_EQ(a.pokazy.back().przy_otwarciu.at(8620), "1");
}

// After undo the selection names the same entities or none: kept when the counts stay, cleared
// when they change, for the numbers then name other nodes.
TEST_F(Zaznaczone, CofniecieZostawiaZaznaczenieTylkoGdyNumeryNazywajaToSamo) {
    zaznacz({1}, {2});
    dialog(ok({{8500, "1"}}));
    o.Find(CM_PRZESUN);
    o.Find(52011);
    EXPECT_EQ(o.zaznaczenie.wezly(), std::vector<int>{1});
    EXPECT_EQ(o.zaznaczenie.prety(), std::vector<int>{2});

    zaznacz({2}, {});
    a.odpowiedzi.push_back(IDYES);
    o.Find(CM_USUN_ZAZNACZONE);
    ASSERT_EQ(m.nn, 3);
    zaznacz({2}, {});  // the node that was 3
    o.Find(52011);
    ASSERT_EQ(m.nn, 4);
    EXPECT_TRUE(o.zaznaczenie.puste());
}

// A move or a copy that would put a node below 0 is refused as the node dialog refuses it; a
// question answered "Anuluj" deletes nothing; none of these leaves a step.
TEST_F(Zaznaczone, OdmowyIRezygnacjeNieZostawiajaKroku) {
    zaznacz({1, 2}, {});
    dialog(ok({{8500, "-1"}}));
    dialog(anuluj);
    o.Find(CM_PRZESUN);
    dialog(ok({{8500, "-2"}, {8502, "2"}}));
    dialog(ok({{8500, "1"}, {8502, "0"}}));
    dialog(anuluj);
    o.Find(CM_KOPIUJ_PRZESUN);
    a.odpowiedzi.push_back(IDCANCEL);
    o.Find(CM_USUN_ZAZNACZONE);
    EXPECT_EQ(a.teksty(),
              (std::vector<std::string>{
                  "Współrzędna X<0", "Współrzędna X<0",
                  "Liczba kopii musi być dodatnia (najwyżej 10 000 000 węzłów kopii)",
                  "Węzły 1, 2 łączą pręty, które nie są zaznaczone.\nUsunąć także te pręty?\n\n"
                  "Nie – węzły, w których się łączą, zostaną."}));
    EXPECT_EQ(zrzut(m), zrzut(panel()));
    EXPECT_FALSE(o.historia.moze_cofnac());

    // F2: with the cursor off the view, the one node selected is the one changed.
    zaznacz({4}, {});
    dialog(ok({{8500, "5"}}));
    o.Find(CM_ZMIEN_WSKAZANY);
    EXPECT_EQ(m.x[4][1], 5.0f);
    EXPECT_EQ(o.historia.do_cofniecia(), "zmiana węzła 4");
}

// Units: converting the model is one step that undo takes back with the units themselves; "Nie"
// names the units anew and converts nothing.
TEST_F(Zaznaczone, PrzeliczenieJednostekCofaneRazemZJednostkami) {
    o.ustaw_jednostki(UkladJednostek::kN_m);
    o.nowy_dokument(true);
    dialog(ok({{8902, "1"}}));
    a.odpowiedzi.push_back(IDYES);
    o.Find(CM_JEDNOSTKI);
    EXPECT_EQ(o.jednostki, UkladJednostek::kN_cm);
    EXPECT_EQ(a.jednostki, UkladJednostek::kN_cm);
    EXPECT_EQ(std::pair(m.x[4][1], m.x[4][2]), std::pair(300.0f, 400.0f));
    EXPECT_EQ(m.pm[1][1], 21000.0f);  // kN/m² to kN/cm²
    EXPECT_EQ(m.area[1], 100.0f);
    EXPECT_EQ(m.al[1], -10.0f);
    EXPECT_EQ(m.obliczono, 0);
    EXPECT_EQ(o.historia.do_cofniecia(), "jednostki: kN i cm");
    o.Find(52011);
    EXPECT_EQ(zrzut(m), zrzut(panel()));
    EXPECT_EQ(o.jednostki, UkladJednostek::kN_m);
    EXPECT_EQ(a.jednostki, UkladJednostek::kN_m);
    EXPECT_EQ(a.ustawienia["widok/jednostki"], "kN_m");
    o.Find(52012);
    EXPECT_EQ(o.jednostki, UkladJednostek::kN_cm);
    EXPECT_EQ(m.area[1], 100.0f);
    o.Find(52011);

    dialog(ok({{8904, "1"}}));
    a.odpowiedzi.push_back(IDNO);
    o.Find(CM_JEDNOSTKI);
    EXPECT_EQ(o.jednostki, UkladJednostek::N_mm);
    EXPECT_EQ(zrzut(m), zrzut(panel()));
    o.Find(52011);
    EXPECT_EQ(o.jednostki, UkladJednostek::kN_m);
    dialog(ok({{8904, "1"}}));
    a.odpowiedzi.push_back(IDCANCEL);
    o.Find(CM_JEDNOSTKI);
    EXPECT_EQ(o.jednostki, UkladJednostek::kN_m);
}

}  // namespace
