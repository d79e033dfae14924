// SPDX-License-Identifier: GPL-3.0-or-later
// A truss entered from nothing through the menus, then edited, against the reference solver;
// and random typing into every editing command.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "core/analiza.h"
#include "tests/editing/edycja_wspolne.h"
#include "tests/wspolne/wzorzec.h"

namespace {

void jak_wzorzec(Model& m) {
    ASSERT_TRUE(obliczenia(m).sukces());
    const Wzorzec w = rozwiaz_wzorzec(m);
    ASSERT_FALSE(w.osobliwy);
    long double umax = 0, smax = 0;
    for (long double v : w.u) umax = std::max(umax, std::fabs(v));
    for (long double v : w.stress) smax = std::max(smax, std::fabs(v));
    for (int i = 1; i <= m.nq; ++i) EXPECT_NEAR(m.f[i], w.u[i - 1], 1e-4 * umax) << "DOF " << i;
    for (int i = 1; i <= m.ne; ++i)
        EXPECT_NEAR(m.stressp[i], w.stress[i - 1], 1e-4 * smax) << "bar " << i;
}

class Akceptacja : public KomendyEdycji {};

}  // namespace

TEST_F(Akceptacja, KratownicaWpisanaZMenuLiczySieJakWzorzecIPoZmianach) {
    o.Cm_Nowy();
    auto dodaj = [&](int polecenie, Pola pola) {
        dialog(ok(std::move(pola)));
        ASSERT_TRUE(o.Find(polecenie));
        ASSERT_TRUE(a.komunikaty.empty()) << a.komunikaty.back().tekst;
        ASSERT_TRUE(niezmienniki(m));
    };
    dodaj(51684, {{8500, "2.1e8"}, {8501, "1.2e-5"}});
    dodaj(51684, {{8500, "7e7"}, {8501, "2.3e-5"}});
    dodaj(51685, {{8500, "0.01"}});
    const char* wezly[][2] = {{"0", "0"}, {"4", "0"}, {"8", "0"}, {"2", "3"}, {"6", "3"}};
    for (const auto& w : wezly) dodaj(51682, {{8500, w[0]}, {8501, w[1]}});
    const char* prety[][3] = {{"1", "2", "1"}, {"2", "3", "1"}, {"1", "4", "2"}, {"2", "4", "1"},
                              {"2", "5", "2"}, {"3", "5", "1"}, {"4", "5", "2"}};
    for (const auto& p : prety) dodaj(51683, {{8500, p[0]}, {8501, p[1]}, {8502, p[2]}});
    dodaj(51686, {{8500, "1"}, {8600, "1"}, {8610, "1"}});
    dodaj(51686, {{8500, "3"}, {8610, "1"}});
    dodaj(51687, {{8500, "4"}, {8501, "-10"}, {8630, "1"}});
    dodaj(51687, {{8500, "5"}, {8501, "5"}});
    ASSERT_EQ(m.ne, 7);
    ASSERT_EQ(m.nd, 3);
    jak_wzorzec(m);
    EXPECT_EQ(m.obliczono, 1);

    // Edits: a bar in, another out, a node moved, a force moved, a support changed.
    dodaj(51683, {{8500, "1"}, {8501, "5"}, {8503, "1"}});
    dialog(numer("3"));
    o.Cm_u_pret();
    EXPECT_EQ(m.obliczono, 0);
    dialog(numer("5"));
    dialog(ok({{8501, "3.5"}}));
    o.Cm_z_wez();
    dialog(numer("5"));
    dialog(ok({{8500, "4"}}));
    o.Cm_z_sile();
    dialog(numer("3"));
    dialog(ok({{8600, "1"}, {8501, "0.001"}}));
    o.Cm_z_podp();
    ASSERT_TRUE(a.komunikaty.empty());
    ASSERT_TRUE(niezmienniki(m));
    EXPECT_EQ(m.nd, 4);
    jak_wzorzec(m);
    // A node added and taken away again leaves the truss as it was.
    const std::string przed = zrzut(m);
    dodaj(51682, {{8500, "1"}, {8501, "1"}});
    dodaj(51686, {{8500, "6"}, {8600, "1"}});
    dodaj(51687, {{8500, "6"}, {8501, "2"}});
    dialog(numer("6"));
    o.Cm_u_wez();
    EXPECT_EQ(zrzut(m), przed);
    jak_wzorzec(m);
}

namespace {

// Answers every dialog by typing random text into random controls, as a user could.
class LosowyUzytkownik : public Atrapa {
  public:
    std::mt19937 los{2024};
    int pokazow_w_poleceniu = 0;
    int Dialog(int id, void* rekord, int cyfry) override {
        static const char* const teksty[] = {
            "",     "0",         "1",    "2",     "3",     "4",   "5",   "-1",          "nan",
            "inf",  "-inf",      "1e39", "-1e39", "1e-50", "0.5", "abc", "99999999999", "-0",
            "7",    "1000",      " 2",   "2x",    "0x10",  "1e",  "+3",  "1.2e-5",      "2.1e8",
            "-2.5", "4294967297"};
        std::uniform_int_distribution<int> ktory(0, std::size(teksty) - 1), moneta(0, 1);
        Wpis w;
        for (const Kontrolka& k : szablon(id).kontrolki) {
            if (k.pole.szerokosc == 0 || k.tylko_odczyt || k.rodzaj == Rodzaj::statyczny) continue;
            if (moneta(los) == 0) continue;
            if (k.rodzaj == Rodzaj::wybor || k.rodzaj == Rodzaj::radio)
                w.pola.push_back({k.id, moneta(los) ? "1" : "0"});
            else if (id == 3100)
                w.pola.push_back(
                    {k.id, std::to_string(std::uniform_int_distribution<int>(0, 8)(los))});
            else
                w.pola.push_back({k.id, teksty[ktory(los)]});
        }
        // A command that keeps refusing is given up after a few showings.
        w.wynik =
            ++pokazow_w_poleceniu > 4 || std::uniform_int_distribution<int>(0, 5)(los) == 0 ? 2 : 1;
        wpisy.push_back(w);
        return Atrapa::Dialog(id, rekord, cyfry);
    }
};

}  // namespace

TEST(EdycjaLosowa, NicWpisaneNiePsujeModelu) {
    LosowyUzytkownik a;
    _OKNO_ o(a);
    o.Cm_Nowy();
    const int polecenia[] = {51684, 51685, 51682, 51683, 51686, 51687, 1150,
                             1160,  51690, 1170,  51688, 51689, 51693, 51695,
                             51691, 51692, 51694, 51696, 52101, 52102, 52103};
    std::uniform_int_distribution<int> ktore(0, std::size(polecenia) - 1);
    // Adding is more likely than the rest, so the model grows to something worth editing.
    std::uniform_int_distribution<int> dodawanie(0, 5);
    for (int krok = 0; krok < 4000; ++krok) {
        const int p = krok % 3 == 0 ? polecenia[ktore(a.los)] : polecenia[dodawanie(a.los)];
        a.pokazow_w_poleceniu = 0;
        o.Find(p);
        ASSERT_TRUE(niezmienniki(o.model)) << "after command " << p << " at step " << krok;
        if (krok % 50 == 0) obliczenia(o.model);  // must not fault whatever the model is
        a.komunikaty.clear();
        a.pokazy.clear();
        a.dziennik.clear();
    }
    EXPECT_EQ(a.bledy_skryptu, 0);
    EXPECT_GT(o.model.ne, 0);
}
