// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <functional>
#include <random>
#include <string>

#include "core/analiza.h"
#include "core/pamiec_analizy.h"
#include "tests/wspolne/kratownice.h"
#include "tests/wspolne/wzorzec.h"

namespace {

// A braced strip of 20 x 3 cells, jittered, two materials and areas: its own numbering runs 46
// DOF columns wide, so the band is reordered, and it is large enough for a sparse factor.
Opis pas(unsigned ziarno) {
    std::mt19937 g(ziarno);
    std::uniform_real_distribution<float> drg(-0.2f, 0.2f);
    Opis o;
    o.materialy = {{2.1e8f, 1.2e-5f}, {7.0e7f, 2.3e-5f}};
    o.pola = {0.01f, 0.004f};
    const int kol = 20, wier = 3;
    auto nr = [&](int c, int r) { return r * (kol + 1) + c + 1; };
    for (int r = 0; r <= wier; ++r)
        for (int c = 0; c <= kol; ++c) o.wezly.push_back({2.f * c + drg(g), 1.5f * r + drg(g)});
    for (int r = 0; r <= wier; ++r)
        for (int c = 0; c <= kol; ++c) {
            if (c < kol) o.prety.push_back({nr(c, r), nr(c + 1, r), 1 + (c + r) % 2, 1});
            if (r < wier) o.prety.push_back({nr(c, r), nr(c, r + 1), 1, 1 + c % 2});
            if (c < kol && r < wier) o.prety.push_back({nr(c, r), nr(c + 1, r + 1), 2, 2});
        }
    o.podpory = {{1, 0.f}, {2, 0.f}, {2 * nr(kol, 0), -0.001f}};
    o.sily = {{2 * nr(kol, wier), -40.f}, {2 * nr(5, wier) - 1, 15.f}};
    o.temperatury = {{3, 25.f}};
    return o;
}

void porownaj_z_wzorcem(const Model& m) {
    const Wzorzec w = rozwiaz_wzorzec(m);
    ASSERT_FALSE(w.osobliwy);
    auto porownaj = [](const char* co, int n, auto nasz, auto wzor) {
        long double skala = 0;
        for (int i = 0; i < n; ++i) skala = std::max(skala, std::fabs(wzor(i)));
        for (int i = 0; i < n; ++i)
            ASSERT_NEAR(nasz(i), static_cast<double>(wzor(i)), 1e-4 * static_cast<double>(skala))
                << co << " " << i + 1;
    };
    porownaj(
        "przemieszczenie", m.nq, [&](int i) { return m.f[i + 1]; }, [&](int i) { return w.u[i]; });
    porownaj(
        "naprezenie", m.ne, [&](int i) { return m.stressp[i + 1]; },
        [&](int i) { return w.stress[i]; });
    porownaj(
        "reakcja", m.nd, [&](int i) { return m.react[i + 1]; }, [&](int i) { return w.react[i]; });
}

}  // namespace

// Coordinates, properties, loads and forced displacements leave the order and the symbolic factor
// as they were, and the analysis with them still solves the changed truss; the bars' ends or the
// held DOFs make them anew. Each change follows the ones before, with either method.
TEST(PamiecAnalizy, ZmianyPozaPretamiIPodporamiZachowujaKolejnoscICzynnikSymboliczny) {
    struct Zmiana {
        const char* co;
        std::function<void(Model&)> zmien;
        bool zachowana;
    };
    const Zmiana zmiany[] = {
        {"węzeł przesunięty", [](Model& m) { m.x[30][1] += 0.7f, m.x[30][2] -= 0.4f; }, true},
        {"moduł i pole", [](Model& m) { m.pm[2][1] *= 3.0f, m.area[1] *= 0.5f; }, true},
        {"siła i osiadanie", [](Model& m) { m.al[1] = 90.0f, m.u[3] = 0.004f; }, true},
        {"materiał pręta", [](Model& m) { m.noc[7][3] = 2; }, true},
        {"koniec pręta", [](Model& m) { m.noc[2][2] = m.noc[2][2] + 22; }, false},
        {"podpora w innym węźle", [](Model& m) { m.nu[3] -= 20; }, false},
        {"po zmianie znowu współrzędne", [](Model& m) { m.x[12][2] += 0.3f; }, true},
    };
    for (const Rozwiazanie sposob : {Rozwiazanie::pasmo, Rozwiazanie::rzadkie}) {
        SCOPED_TRACE(sposob == Rozwiazanie::pasmo ? "pasmo" : "rzadkie");
        Model m;
        zbuduj(m, pas(7));
        PamiecAnalizy p;
        ASSERT_TRUE(obliczenia(m, sposob, nullptr, &p).sukces());
        const bool rzadko = sposob == Rozwiazanie::rzadkie;
        EXPECT_EQ(p.wybory, 1);
        EXPECT_EQ(p.analizy, rzadko ? 1 : 0);
        EXPECT_EQ(p.nowy.empty(), rzadko) << "the band is reordered";
        int wybory = 1;
        for (const Zmiana& z : zmiany) {
            SCOPED_TRACE(z.co);
            z.zmien(m);
            if (!z.zachowana) ++wybory;
            const WynikObliczen w = obliczenia(m, sposob, nullptr, &p);
            ASSERT_TRUE(w.sukces()) << komunikaty_obliczen(w).front();
            EXPECT_EQ(p.wybory, wybory);
            EXPECT_EQ(p.analizy, rzadko ? wybory : 0);
            porownaj_z_wzorcem(m);
        }
    }
}

// Several load cases with one kept factor: each case's own results, as without it.
TEST(PamiecAnalizy, PrzypadkiObciazenPoZmianieSilSaJakBezPamieci) {
    Model m, bez;
    zbuduj(m, pas(3));
    ZadaniePrzypadkow z;
    z.obciazenia.resize(2);
    z.obciazenia[0].ild = {4, 9}, z.obciazenia[0].al = {-10.f, 5.f};
    z.obciazenia[1].ild = {40}, z.obciazenia[1].al = {7.f};
    z.ciezar = {0.0, 0.0};
    PamiecAnalizy p;
    ASSERT_TRUE(obliczenia(m, Rozwiazanie::rzadkie, &z, &p).sukces());
    z.obciazenia[1].al = {-21.f};
    ASSERT_TRUE(obliczenia(m, Rozwiazanie::rzadkie, &z, &p).sukces());
    EXPECT_EQ(p.analizy, 1);
    zbuduj(bez, pas(3));
    ASSERT_TRUE(obliczenia(bez, Rozwiazanie::rzadkie, &z).sukces());
    ASSERT_EQ(m.wyniki.size(), 2u);
    for (std::size_t c = 0; c < 2; ++c)
        for (int i = 0; i < m.nq; ++i)
            EXPECT_NEAR(m.wyniki[c].f[i], bez.wyniki[c].f[i],
                        1e-5 * std::fabs(bez.wyniki[c].f[i]) + 1e-12)
                << "przypadek " << c + 1 << " DOF " << i + 1;
}

// An analysis asked to stop stores nothing and reports nothing: the results it would replace
// stay, and no message is due.
TEST(PamiecAnalizy, PrzerwanaAnalizaNieZmieniaWynikowAniNieZglaszaBledu) {
    Model m;
    zbuduj(m, pas(5));
    ASSERT_TRUE(obliczenia(m).sukces());
    const float f7 = m.f[7], s3 = m.stressp[3];
    m.al[1] *= 2.0f;
    const std::atomic<bool> przerwij{true};
    PamiecAnalizy p;
    const WynikObliczen w = obliczenia(m, Rozwiazanie::samo, nullptr, &p, &przerwij);
    EXPECT_TRUE(w.przerwano);
    EXPECT_FALSE(w.sukces());
    EXPECT_EQ(m.obliczono, 0);
    EXPECT_EQ(m.blad, 0);
    EXPECT_EQ(m.f[7], f7);
    EXPECT_EQ(m.stressp[3], s3);
    EXPECT_TRUE(komunikaty_obliczen(w).empty());
}
