// SPDX-License-Identifier: GPL-3.0-or-later
// Member design driven through the commands as a user would: a 24 m roof truss in kN and m with
// dead load (self-weight included), snow and wind from either side, its chords sized from hollow
// sections and its web from angles; the guard on linked areas; renumbering and undo.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "files/wymiarowanie_projektu.h"
#include "okno/okno.h"
#include "tests/wspolne/atrapa.h"
#include "tests/wspolne/kratownice.h"

namespace {

// Places of families in the design dialogs' lists: 0 is "bez profilu" or "bez zmian".
constexpr const char* katowniki = "1";         // L
constexpr const char* rury_okragle = "8";      // RO
constexpr const char* rury_kwadratowe = "10";  // RK

struct Wiazar : testing::Test {
    Atrapa a;
    _OKNO_ o{a};
    std::vector<int> lewe, prawe;  // top-chord nodes that carry loads, either side of the ridge

    void SetUp() override {
        a.okno = &o;
        // A Fink roof of 24 m, rise 4 m, 8 panels of the top chord, 15 kN at each of its nodes.
        a.wpisy.push_back({{{8800, "5"},
                            {8801, "24"},
                            {8802, "4"},
                            {8803, "8"},
                            {8804, "2.1e8"},
                            {8806, "0.004"},
                            {8807, "0.002"},
                            {8808, "0.003"},
                            {8810, "15"}},
                           1});
        o.Find(CM_SZABLON);
        const Model& m = o.model;
        for (int n = 1; n <= m.nn; ++n)
            if (m.x[n][2] > 0) (m.x[n][1] < 12 ? lewe : prawe).push_back(n);
    }
    void TearDown() override { EXPECT_EQ(a.bledy_skryptu, 0); }

    void jednostki(int radio) {
        a.wpisy.push_back({{{radio, "1"}}, 1});
        o.Find(CM_JEDNOSTKI);
    }
    void sila(int wezel, const char* wartosc, bool x) {
        a.wpisy.push_back(
            {{{8500, std::to_string(wezel)}, {8501, wartosc}, {x ? 8620 : 8630, "1"}}, 1});
        o.Find(51687);
    }
    void przypadek(const char* nazwa, const char* kategoria, const char* grupa) {
        a.wpisy.push_back({{{8500, nazwa}, {8501, "1"}, {8502, kategoria}, {8507, grupa}}, 1});
        o.Find(CM_PRZ_NOWY);
    }
    void obciazenia() {
        a.wpisy.push_back({{{8004, "1"}}, 1});
        a.wpisy.push_back({{{8500, "78,5"}}, 1});
        o.Find(CM_CIEZAR_MAT);
        a.wpisy.push_back({{{8500, "Ciężar własny i pokrycie"}, {8508, "1"}}, 1});
        o.Find(CM_PRZ_WLASCIWOSCI);
        przypadek("Śnieg", "9", "");
        for (int n : lewe) sila(n, "-24", false);
        for (int n : prawe) sila(n, "-24", false);
        przypadek("Wiatr z lewej", "10", "wiatr");
        for (int n : lewe) sila(n, "9", false), sila(n, "4,5", true);
        przypadek("Wiatr z prawej", "10", "wiatr");
        for (int n : prawe) sila(n, "9", false), sila(n, "-4,5", true);
    }
    // The bars of section n as the list the bars' dialog takes.
    std::string prety_przekroju(int n) {
        std::string t;
        for (int b = 1; b <= o.model.ne; ++b)
            if (o.model.noc[b][4] == n) t += (t.empty() ? "" : ", ") + std::to_string(b);
        return t;
    }
    // Every section of the chosen family, the web's angles on two bolts (BB.1.2).
    void dobierz(const char* pasy) {
        for (int n : {2, 3}) {
            if (prety_przekroju(n).empty()) continue;
            a.wpisy.push_back({{{8500, prety_przekroju(n)}, {8505, "1"}}, 1});
            o.Find(CM_WYM_PRETY);
        }
        Wpis w{{{8500, pasy}}, 1};
        for (int n : {2, 3})
            if (!prety_przekroju(n).empty()) w.pola.push_back({8500 + n - 1, katowniki});
        a.wpisy.push_back(w);
        o.Find(CM_WYM_DOBIERZ);
    }
};

}  // namespace

TEST_F(Wiazar, DobranePrzekrojeNosneIOszczedneAPowtorzonyDoborNicNieZmienia) {
    jednostki(8903);  // kN and m
    obciazenia();
    const Konstrukcja przed = kopia(o.model, false);
    dobierz(rury_okragle);
    ASSERT_FALSE(a.komunikaty.empty());
    const std::string raport = a.komunikaty.back().tekst;
    EXPECT_NE(raport.find("Przekroje dobrano"), std::string::npos) << raport;
    EXPECT_NE(raport.find("Masa stali (7850 kg/m³ · A · L): przed"), std::string::npos);
    EXPECT_EQ(o.historia.do_cofniecia(), "dobór przekrojów");

    // Every bar passes, and in each group a bar is above 0,7: a lighter profile would not do.
    const auto w = o.wymiarowanie();
    ASSERT_TRUE(w);
    std::map<int, double> najwieksze;
    for (int b = 1; b <= o.model.ne; ++b) {
        const WymiarowaniePreta& p = w->prety[static_cast<std::size_t>(b - 1)];
        EXPECT_EQ(p.stan, StanSprawdzenia::spelnia) << "bar " << b << ": " << p.powod;
        EXPECT_LE(p.U, 1.0) << "bar " << b;
        najwieksze[p.przekroj] = std::max(najwieksze[p.przekroj], p.U);
    }
    for (const auto& [n, U] : najwieksze) {
        const PrzekrojStalowy& s = przekroj_stalowy(o.projekt.wymiarowanie, n);
        EXPECT_GT(U, 0.7) << "section " << n << " " << s.profil;
        EXPECT_EQ(s.rodzina, n == 1 ? "RO" : "L");
        EXPECT_EQ(o.model.area[n], pole_profilu(*profil_przekroju(s), przelicznik(o.jednostki)));
    }

    // Run again: nothing changes, the model stays as it is and no step is recorded.
    const Projekt projekt = o.projekt;
    const Konstrukcja po = kopia(o.model, false);
    dobierz(rury_okragle);
    EXPECT_NE(a.komunikaty.back().tekst.find("Żaden przekrój się nie zmienił"), std::string::npos)
        << a.komunikaty.back().tekst;
    EXPECT_TRUE(o.projekt == projekt);
    EXPECT_TRUE(te_same_dane(o.model, po));

    // One undo step gives back the areas before sizing.
    o.Find(52011);
    EXPECT_EQ(o.historia.do_cofniecia(), "długości wyboczeniowe prętów");
    for (int n = 1; n <= o.model.na; ++n) EXPECT_EQ(o.model.area[n], przed.area[n]);
    EXPECT_FALSE(powiazany(przekroj_stalowy(o.projekt.wymiarowanie, 1)));
}

TEST_F(Wiazar, BezJednostekPoleceniaWymiarowaniaTylkoMowiaCzegoBrak) {
    obciazenia();
    o.Find(1010);
    const Projekt projekt = o.projekt;
    for (int id :
         {CM_WYM_PRZEKROJ, CM_WYM_PRETY, CM_WYM_USTAWIENIA, CM_WYM_SPRAWDZ, CM_WYM_DOBIERZ}) {
        SCOPED_TRACE(id);
        const std::size_t pokazy = a.pokazy.size(), komunikaty = a.komunikaty.size();
        o.Find(id);
        ASSERT_EQ(a.komunikaty.size(), komunikaty + 1);
        EXPECT_NE(a.komunikaty.back().tekst.find("Widok → Jednostki"), std::string::npos);
        EXPECT_EQ(a.pokazy.size(), pokazy) << "no dialog";
    }
    EXPECT_TRUE(o.projekt == projekt);
    EXPECT_EQ(o.model.obliczono, 1);
}

// A linked area is its profile's: changing it asks first, and unlinks only if told to.
TEST_F(Wiazar, ZmianaPolaPowiazanegoZProfilemPytaOOdlaczenie) {
    jednostki(8903);
    a.wpisy.push_back({{{8004, "1"}}, 1});
    a.wpisy.push_back({{{8500, rury_kwadratowe}, {8501, "2"}}, 1});  // RK, S355
    a.wpisy.push_back({{{8500, "3"}}, 1});                           // the fourth lightest
    o.Find(CM_WYM_PRZEKROJ);
    const PrzekrojStalowy s = przekroj_stalowy(o.projekt.wymiarowanie, 1);
    ASSERT_EQ(s.rodzina, "RK");
    EXPECT_EQ(s.gatunek, "S355");
    const float pole = o.model.area[1];
    EXPECT_EQ(pole, pole_profilu(*profil_przekroju(s), przelicznik(UkladJednostek::kN_m)));

    // "Nie": the change does not happen.
    a.wpisy.push_back({{{8004, "1"}}, 1});
    a.wpisy.push_back({{{8500, "0.01"}}, 1});
    a.odpowiedzi = {IDNO};
    o.Find(1160);
    EXPECT_NE(a.komunikaty.back().tekst.find("wynika z profilu " + s.profil), std::string::npos);
    EXPECT_EQ(o.model.area[1], pole);
    EXPECT_TRUE(powiazany(przekroj_stalowy(o.projekt.wymiarowanie, 1)));
    // "Tak": the area is the user's, the profile goes, the grade stays.
    a.wpisy.push_back({{{8004, "1"}}, 1});
    a.wpisy.push_back({{{8500, "0.01"}}, 1});
    a.odpowiedzi = {IDYES};
    o.Find(1160);
    EXPECT_EQ(o.model.area[1], 0.01f);
    EXPECT_FALSE(powiazany(przekroj_stalowy(o.projekt.wymiarowanie, 1)));
    EXPECT_EQ(przekroj_stalowy(o.projekt.wymiarowanie, 1).gatunek, "S355");

    // Linked again, then the units change: the area follows the profile into cm².
    a.wpisy.push_back({{{8004, "1"}}, 1});
    a.wpisy.push_back({{{8500, rury_kwadratowe}, {8501, "2"}}, 1});
    a.wpisy.push_back({{{8500, "3"}}, 1});
    o.Find(CM_WYM_PRZEKROJ);
    // Only the names change ("Nie"), or the model is converted ("Tak"): either way the linked
    // area is its profile's in the units now chosen, with no question about unlinking.
    a.odpowiedzi = {IDNO};
    jednostki(8902);  // kN and cm
    EXPECT_FLOAT_EQ(o.model.area[1], pole * 1e4f);
    a.odpowiedzi = {IDYES};
    jednostki(8903);
    EXPECT_EQ(o.model.area[1], pole);
    EXPECT_TRUE(powiazany(przekroj_stalowy(o.projekt.wymiarowanie, 1)));
}

// Design data follow the sections and bars when one is deleted, and undo brings them back.
TEST_F(Wiazar, DaneWymiarowaniaIdaZaPrzenumerowaniem) {
    jednostki(8903);
    a.wpisy.push_back({{{8500, "2-3"}, {8503, "1"}, {8504, "2.5"}}, 1});
    o.Find(CM_WYM_PRETY);
    a.wpisy.push_back({{{8004, "3"}}, 1});
    a.wpisy.push_back({{{8500, katowniki}}, 1});
    a.wpisy.push_back({{{8500, "5"}}, 1});
    o.Find(CM_WYM_PRZEKROJ);
    const PrzekrojStalowy krzyzulce = przekroj_stalowy(o.projekt.wymiarowanie, 3);
    ASSERT_TRUE(powiazany(krzyzulce));
    const Projekt przed = o.projekt;

    a.wpisy.push_back({{{8004, "2"}}, 1});
    o.Find(51692);  // bar 2 goes: bar 3 becomes bar 2
    EXPECT_EQ(pret_stalowy(o.projekt.wymiarowanie, 2).L_z, 2.5);
    EXPECT_TRUE(pret_stalowy(o.projekt.wymiarowanie, 2).L_z_dlugosc);
    EXPECT_EQ(pret_stalowy(o.projekt.wymiarowanie, 3).L_z, 1.0);
    EXPECT_EQ(o.projekt.wymiarowanie.prety.size(), static_cast<std::size_t>(o.model.ne));

    // A section no bar uses: move every bar of section 2 to 1, then delete section 2.
    for (int b = 1; b <= o.model.ne; ++b)
        if (o.model.noc[b][4] == 2) o.model.noc[b][4] = 1;
    a.wpisy.push_back({{{8004, "2"}}, 1});
    o.Find(51695);
    EXPECT_TRUE(przekroj_stalowy(o.projekt.wymiarowanie, 2) == krzyzulce);
    o.Find(52011);
    o.Find(52011);
    EXPECT_TRUE(o.projekt.wymiarowanie == przed.wymiarowanie);
}
