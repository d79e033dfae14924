// SPDX-License-Identifier: GPL-3.0-or-later
// Live results on a roof truss driven through the commands: after every change the shown results
// are those a fresh analysis of the model as it is gives, whether the kept node order was reused
// or made anew, whether the analysis ran at once or off the interface thread.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <functional>
#include <string>

#include "core/analiza.h"
#include "core/pamiec_analizy.h"
#include "okno/okno.h"
#include "tests/wspolne/atrapa.h"

namespace {

namespace fs = std::filesystem;

struct NaBiezaco : testing::Test {
    Atrapa a;
    _OKNO_ o{a};

    void SetUp() override {
        a.okno = &o;
        o.na_biezaco = 1;
        // A Fink roof of 24 m, rise 4 m, 8 panels of the top chord, 5 kN at each of its nodes.
        a.wpisy.push_back({{{8800, "5"},
                            {8801, "24"},
                            {8802, "4"},
                            {8803, "8"},
                            {8806, "0.004"},
                            {8807, "0.002"},
                            {8808, "0.003"},
                            {8810, "5"}},
                           1});
        o.Find(CM_SZABLON);
    }
    void TearDown() override { EXPECT_EQ(a.bledy_skryptu, 0); }

    void sila(int wezel, const char* wartosc) {
        a.wpisy.push_back({{{8500, std::to_string(wezel)}, {8501, wartosc}, {8630, "1"}}, 1});
        o.Find(51687);
    }
    int wybory() const { return o.pamiec_analizy ? o.pamiec_analizy->wybory : 0; }
};

// The shown results against an analysis of a copy of the model with nothing kept.
void jak_nowe_obliczenie(const _OKNO_& o) {
    ASSERT_EQ(o.model.obliczono, 1);
    Model m;
    przejmij_konstrukcje(m, kopia(o.model, false));
    m.Pusty = 0;
    m.nbw = o.model.nbw;
    const ZadaniePrzypadkow z = zadanie_projektu(o.model, o.projekt);
    ASSERT_TRUE(obliczenia(m, Rozwiazanie::samo, &z).sukces());
    auto porownaj = [](const char* co, int n, const auto& nasze, const auto& wzor) {
        double skala = 0;
        for (int i = 1; i <= n; ++i) skala = std::max(skala, std::fabs(double(wzor[i])));
        ASSERT_GT(skala, 0.0) << co;
        for (int i = 1; i <= n; ++i) ASSERT_NEAR(nasze[i], wzor[i], 1e-5 * skala) << co << " " << i;
    };
    porownaj("przemieszczenie", m.nq, o.model.f, m.f);
    porownaj("naprężenie", m.ne, o.model.stressp, m.stressp);
    porownaj("reakcja", m.nd, o.model.react, m.react);
}

// Two nodes no bar joins.
std::pair<int, int> niepolaczone(const Model& m) {
    for (int i = 1; i <= m.nn; ++i)
        for (int j = i + 1; j <= m.nn; ++j) {
            bool jest = false;
            for (int e = 1; e <= m.ne && !jest; ++e)
                jest = std::min(m.noc[e][1], m.noc[e][2]) == i &&
                       std::max(m.noc[e][1], m.noc[e][2]) == j;
            if (!jest) return {i, j};
        }
    return {0, 0};
}

}  // namespace

// Each change follows the ones before. Coordinates, areas and loads keep the node order worked
// out before; a new bar, and undoing it, make it anew.
TEST_F(NaBiezaco, PoKazdejZmianieWynikiJakZNowychObliczen) {
    jak_nowe_obliczenie(o);
    ASSERT_EQ(wybory(), 1);
    struct Zmiana {
        const char* co;
        std::function<void()> wykonaj;
        int nowe_wybory;  // 0: the order kept is reused; 1: made anew
    };
    const Zmiana zmiany[] = {
        {"węzeł przesunięty",
         [&] {
             a.wpisy.push_back({{{8004, "3"}}, 1});
             a.wpisy.push_back({{{8501, std::to_string(o.model.x[3][2] + 0.25f)}}, 1});
             o.Find(51690);
         },
         0},
        {"pole przekroju",
         [&] {
             a.wpisy.push_back({{{8004, "1"}}, 1});
             a.wpisy.push_back({{{8500, "0.006"}}, 1});
             o.Find(1160);
         },
         0},
        {"siła", [&] { sila(o.model.nn, "-7"); }, 0},
        // What dragging a node does on each move of the mouse.
        {"węzeł przeciągany",
         [&] {
             o.model.x[2][1] += 0.4f;
             o.po_zmianie_modelu();
         },
         0},
        {"nowy pręt",
         [&] {
             const auto [i, j] = niepolaczone(o.model);
             a.wpisy.push_back({{{8500, std::to_string(i)}, {8501, std::to_string(j)}}, 1});
             o.Find(51683);
         },
         1},
        // Undo brings back the results the state had: nothing to analyse.
        {"cofnięcie pręta", [&] { o.Find(52011); }, 0},
        {"siła po cofnięciu", [&] { sila(o.model.nn - 1, "3"); }, 1},
        {"druga siła", [&] { sila(o.model.nn - 2, "2"); }, 0},
    };
    int oczekiwane = 1;
    for (const Zmiana& z : zmiany) {
        SCOPED_TRACE(z.co);
        z.wykonaj();
        oczekiwane += z.nowe_wybory;
        EXPECT_EQ(wybory(), oczekiwane);
        jak_nowe_obliczenie(o);
        EXPECT_EQ(a.status, "");
    }
    EXPECT_TRUE(a.komunikaty.empty());
}

// Off the interface thread: a result of a state that has changed since is never shown, whether
// the change cancelled it before it ran or it was already done.
TEST_F(NaBiezaco, WynikStaregoStanuNigdyNieJestPokazany) {
    o.prog_w_tle = 0;
    a.odkladaj_prace = true;
    sila(o.model.nn, "-7");
    ASSERT_EQ(a.prace.size(), 1u);
    EXPECT_EQ(o.model.obliczono, 0) << "the results before the change are not current";
    EXPECT_EQ(a.status, "Obliczanie…");

    // Done, then the model changed before its results reached the window.
    auto pierwsza = std::move(a.prace.front());
    a.prace.pop_front();
    pierwsza.first();
    sila(o.model.nn - 1, "-9");
    pierwsza.second();
    EXPECT_EQ(o.model.obliczono, 0);
    EXPECT_EQ(a.status, "Obliczanie…");

    // Queued, then cancelled by the next change: only the last one is shown.
    sila(o.model.nn - 2, "4");
    ASSERT_EQ(a.prace.size(), 2u);
    a.wykonaj_prace();
    EXPECT_EQ(a.status, "");
    jak_nowe_obliczenie(o);

    // Undo goes back to a state whose results are made anew too.
    o.Find(52011);
    EXPECT_EQ(o.model.obliczono, 0);
    a.wykonaj_prace();
    jak_nowe_obliczenie(o);
    EXPECT_TRUE(a.komunikaty.empty());
}

// A model that cannot be analysed says why in the status bar, not in a message box; "Oblicz"
// still shows the message.
TEST_F(NaBiezaco, PowodBrakuWynikowNaPaskuStanu) {
    const int podparty = (o.model.nu[1] + 1) / 2;
    a.wpisy.push_back({{{8004, std::to_string(podparty)}}, 1});
    o.Find(51694);
    ASSERT_LT(o.model.nd, 3) << "a support deleted";
    EXPECT_EQ(o.model.obliczono, 0);
    EXPECT_EQ(a.status.rfind("Brak wyników: ", 0), 0u) << a.status;
    EXPECT_TRUE(a.komunikaty.empty());
    o.Find(1010);
    EXPECT_FALSE(a.komunikaty.empty());
    o.Find(52011);
    EXPECT_EQ(a.status, "");
    jak_nowe_obliczenie(o);
}

// The data and results windows stay open through edits and show the model as it is; the results
// window goes while there are no current results. With live results off, an edit closes both.
TEST_F(NaBiezaco, TabeleNadazajaZaZmianami) {
    o.Find(1130);
    o.Find(1140);
    ASSERT_EQ(a.zywe_tabele(), 2);
    sila(o.model.nn, "-7");
    EXPECT_EQ(a.zywe_tabele(), 2);
    EXPECT_EQ(o.model.iw, 1);
    jak_nowe_obliczenie(o);

    o.prog_w_tle = 0;
    a.odkladaj_prace = true;
    sila(o.model.nn, "-9");
    EXPECT_EQ(o.model.iw, 0) << "the results on their way";
    EXPECT_EQ(o.model.id, 1);
    a.wykonaj_prace();
    o.Find(1130);
    EXPECT_EQ(a.zywe_tabele(), 2);

    o.Find(CM_NA_BIEZACO);
    sila(o.model.nn, "-3");
    EXPECT_EQ(a.zywe_tabele(), 0);
}

// On by default for a model of a usual size, and the user's choice is remembered either way.
TEST_F(NaBiezaco, WlacznikPamietanyWUstawieniach) {
    o.wczytaj_ustawienia();
    EXPECT_TRUE(o.obliczaj_na_biezaco()) << "no setting: the default";
    const int ne = o.model.ne;
    o.model.ne = _OKNO_::limit_na_biezaco + 1;
    EXPECT_FALSE(o.obliczaj_na_biezaco());
    o.model.ne = ne;
    o.Find(CM_NA_BIEZACO);
    EXPECT_EQ(a.ustawienia["obliczenia/na_biezaco"], "0");
    sila(o.model.nn, "-7");
    EXPECT_EQ(o.model.obliczono, 0) << "off: results only on Oblicz";
    _OKNO_ nastepne(a);
    nastepne.wczytaj_ustawienia();
    EXPECT_FALSE(nastepne.obliczaj_na_biezaco());
    o.Find(CM_NA_BIEZACO);
    EXPECT_EQ(a.ustawienia["obliczenia/na_biezaco"], "1");
    jak_nowe_obliczenie(o);  // turned on: results at once
}

// An example opens with its results and without a file of its own: saving asks for a name and
// refuses the examples' folder.
TEST(Przyklady, OtwieraKopieKtorejZapisPytaONowaNazwe) {
    const fs::path zrodla = fs::path(__FILE__).parent_path().parent_path().parent_path();
    const fs::path tmp = fs::temp_directory_path() / "velkora_przyklady_test";
    fs::remove_all(tmp);
    fs::create_directories(tmp / "przyklady");
    fs::copy_file(zrodla / "examples" / "most_pratta.V2D", tmp / "przyklady" / "most_pratta.V2D");
    Atrapa a;
    _OKNO_ o(a);
    a.okno = &o;
    o.na_biezaco = 1;
    a.przyklady = (tmp / "przyklady").string();
    a.wpisy.push_back({{{8600, "0"}}, 1});
    o.Find(CM_PRZYKLADY);
    ASSERT_EQ(o.model.Pusty, 0);
    EXPECT_EQ(o.model.obliczono, 1);
    EXPECT_EQ(a.tytul, "Velkora 2D - most_pratta.V2D (przykład)");

    a.pliki.push_back((tmp / "przyklady" / "most_pratta.V2D").string());
    a.pliki.push_back((tmp / "moj_most.V2D").string());
    o.Find(52001);
    ASSERT_EQ(a.komunikaty.size(), 1u);
    EXPECT_EQ(
        a.komunikaty[0].tekst.rfind("Przykłady dołączone do programu pozostają bez zmian.", 0), 0u);
    EXPECT_TRUE(fs::exists(tmp / "moj_most.V2D"));
    EXPECT_EQ(a.tytul, "Velkora 2D - " + (tmp / "moj_most.V2D").string());
    EXPECT_EQ(a.bledy_skryptu, 0);
    fs::remove_all(tmp);
}
