// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <random>

#include "core/analiza.h"
#include "core/kolejnosc.h"
#include "core/rozklad.h"
#include "tests/wspolne/kratownice.h"
#include "tests/wspolne/wzorzec.h"

namespace {

// Largest magnitude of a result set, the yardstick for comparing it.
template <class A, class B>
void porownaj(const char* co, int n, A nasz, B wzor, double tol) {
    long double skala = 0;
    for (int i = 0; i < n; ++i) skala = std::max(skala, std::fabs(wzor(i)));
    for (int i = 0; i < n; ++i)
        ASSERT_NEAR(nasz(i), static_cast<double>(wzor(i)), tol * static_cast<double>(skala) + 1e-30)
            << co << " " << i + 1;
}

// Both ways of solving: the band and the sparse factor.
constexpr Rozwiazanie sposoby[] = {Rozwiazanie::pasmo, Rozwiazanie::rzadkie};

void porownaj_z_wzorcem(Model& m, double tol, Rozwiazanie sposob = Rozwiazanie::pasmo) {
    if (sposob == Rozwiazanie::pasmo) {
        SCOPED_TRACE("sparse");
        porownaj_z_wzorcem(m, tol, Rozwiazanie::rzadkie);
    }
    const Wzorzec w = rozwiaz_wzorzec(m);
    ASSERT_FALSE(w.osobliwy);
    const WynikObliczen r = obliczenia(m, sposob);
    ASSERT_TRUE(r.sukces()) << komunikaty_obliczen(r).front();
    ASSERT_EQ(m.obliczono, 1);
    porownaj(
        "przemieszczenie", m.nq, [&](int i) { return m.f[i + 1]; }, [&](int i) { return w.u[i]; },
        tol);
    porownaj(
        "naprezenie", m.ne, [&](int i) { return m.stressp[i + 1]; },
        [&](int i) { return w.stress[i]; }, tol);
    porownaj(
        "reakcja", m.nd, [&](int i) { return m.react[i + 1]; }, [&](int i) { return w.react[i]; },
        tol);
}

// A triangulated truss with jittered nodes, random stiffnesses and loads, pinned at one
// corner and held vertically at the other.
void losowa(Model& m, unsigned ziarno, int kol, int wier, float kontrast) {
    std::mt19937 g(ziarno);
    std::uniform_real_distribution<float> drg(-0.2f, 0.2f), sila(-50.f, 50.f);
    Opis o;
    o.materialy = {{2.1e8f, 1.2e-5f}, {7.0e7f, 2.3e-5f}};
    o.pola = {0.01f, 0.01f * kontrast};
    auto nr = [&](int c, int r) { return r * (kol + 1) + c + 1; };
    for (int r = 0; r <= wier; ++r)
        for (int c = 0; c <= kol; ++c)
            o.wezly.push_back({10.f + 2.f * c + drg(g), 10.f + 1.5f * r + drg(g)});
    auto pret = [&](int a, int b) {
        o.prety.push_back({a, b, 1 + static_cast<int>(g() % 2), 1 + static_cast<int>(g() % 2)});
    };
    for (int r = 0; r <= wier; ++r)
        for (int c = 0; c <= kol; ++c) {
            if (c < kol) pret(nr(c, r), nr(c + 1, r));
            if (r < wier) pret(nr(c, r), nr(c, r + 1));
            if (c < kol && r < wier) pret(nr(c, r), nr(c + 1, r + 1));
        }
    o.podpory = {{1, 0.f}, {2, 0.f}, {2 * nr(kol, 0), 0.f}};
    for (int i = 0; i < 6; ++i) {
        const int w = 1 + static_cast<int>(g() % o.wezly.size());
        o.sily.push_back({2 * w - static_cast<int>(g() % 2), sila(g)});
    }
    o.temperatury = {{1, 20.f}, {static_cast<int>(o.prety.size()), -15.f}};
    zbuduj(m, o);
}

}  // namespace

TEST(Sklejanie, PojedynczyPretDajePasmoIStalaKary) {
    Model m;
    zbuduj(m, {.wezly = {{0, 0}, {2, 0}},
               .prety = {{1, 2, 1, 1}},
               .materialy = {{10.f, 0.f}},
               .pola = {1.f}});
    Praca w;
    ASSERT_TRUE(utworz_prace(m, w, 4));
    Macierze(m, w);
    const double oczekiwane[4][4] = {{5, 0, -5, 0}, {0, 0, 0, 0}, {5, 0, 0, 0}, {0, 0, 0, 0}};
    for (int r = 1; r <= 4; ++r)
        for (int c = 1; c <= 5 - r; ++c) EXPECT_EQ(w.s[r][c], oczekiwane[r - 1][c - 1]) << r << c;
    EXPECT_EQ(w.cnst, 500000.0);
}

TEST(Sklejanie, PozniejszeObciazenieTegoSamegoStopniaWygrywa) {
    Model m;
    zbuduj(m, {.wezly = {{0, 0}, {2, 0}},
               .prety = {{1, 2, 1, 1}},
               .materialy = {{10.f, 0.f}},
               .pola = {1.f},
               .podpory = {{1, 0}, {2, 0}, {4, 0}},
               .sily = {{3, 7.f}, {3, 4.f}}});
    ASSERT_TRUE(obliczenia(m).sukces());
    EXPECT_NEAR(m.stressp[1], 4.0f, 1e-4);
}

TEST(Analiza, PretRozciaganySila) {
    const float L = 2, A = 0.5f, E = 100, P = 10;
    Model m;
    zbuduj(m, {.wezly = {{0, 0}, {L, 0}},
               .prety = {{1, 2, 1, 1}},
               .materialy = {{E, 0.f}},
               .pola = {A},
               .podpory = {{1, 0}, {2, 0}, {4, 0}},
               .sily = {{3, P}}});
    ASSERT_TRUE(obliczenia(m).sukces());
    const double cnst = 1e5 * E * A / L;
    EXPECT_NEAR(m.f[3], P * L / (E * A) + P / cnst, 1e-6);
    EXPECT_NEAR(m.f[1], P / cnst, 1e-9);
    EXPECT_NEAR(m.stressp[1], P / A, 1e-4);
    EXPECT_NEAR(m.react[1], -P, 1e-4);
}

TEST(Analiza, StatycznieWyznaczalnyTrojkatMaSilyZRownowagiWezlow) {
    const float P = 12, A = 0.02f;
    Model m;
    zbuduj(m, {.wezly = {{0, 0}, {4, 0}, {2, 3}},
               .prety = {{1, 2, 1, 1}, {1, 3, 1, 1}, {2, 3, 1, 1}},
               .pola = {A},
               .podpory = {{1, 0}, {2, 0}, {4, 0}},
               .sily = {{6, -P}}});
    ASSERT_TRUE(obliczenia(m).sukces());
    const double sin_a = 3 / std::sqrt(13.0), cos_a = 2 / std::sqrt(13.0);
    const double skos = -P / (2 * sin_a);  // both rafters in compression
    EXPECT_NEAR(m.stressp[2], skos / A, 1e-3);
    EXPECT_NEAR(m.stressp[3], skos / A, 1e-3);
    EXPECT_NEAR(m.stressp[1], -skos * cos_a / A, 1e-3);
    EXPECT_NEAR(m.react[2], P / 2, 1e-4);
    EXPECT_NEAR(m.react[3], P / 2, 1e-4);
    EXPECT_NEAR(m.react[1], 0, 1e-4);
}

TEST(Analiza, PretUtwierdzonyOgrzanyJestSciskany) {
    const float E = 2.1e8f, alfa = 1.2e-5f, dT = 30;
    Model m;
    zbuduj(m, {.wezly = {{1, 1}, {4, 5}},
               .prety = {{1, 2, 1, 1}},
               .materialy = {{E, alfa}},
               .podpory = {{1, 0}, {2, 0}, {3, 0}, {4, 0}},
               .temperatury = {{1, dT}}});
    ASSERT_TRUE(obliczenia(m).sukces());
    const double s = -static_cast<double>(E) * alfa * dT;
    EXPECT_NEAR(m.stressp[1], s, 1e-4 * std::fabs(s));
    // The reactions hold back the bar's thermal thrust: they push its ends towards each other.
    const double N = s * 0.01;
    EXPECT_NEAR(m.react[1], -N * 0.6, 1e-4 * std::fabs(N));
    EXPECT_NEAR(m.react[3], N * 0.6, 1e-4 * std::fabs(N));
}

TEST(Analiza, DwaWpisyTemperaturyTegoSamegoPretaSieSumujaAInnyPretNieWplywa) {
    auto napr = [](std::vector<std::pair<int, float>> t) {
        Model m;
        zbuduj(m, {.wezly = {{0, 0}, {3, 0}, {6, 0}},
                   .prety = {{1, 2, 1, 1}, {2, 3, 1, 1}},
                   .podpory = {{1, 0}, {2, 0}, {4, 0}, {5, 0}, {6, 0}},
                   .temperatury = t});
        EXPECT_TRUE(obliczenia(m).sukces());
        return std::pair{m.stressp[1], m.stressp[2]};
    };
    const auto razem = napr({{1, 10.f}, {1, 15.f}});
    const auto jeden = napr({{1, 25.f}});
    EXPECT_NEAR(razem.first, jeden.first, 1e-3);
    EXPECT_NEAR(razem.second, jeden.second, 1e-3);
}

TEST(Analiza, OsiadaniePodporyDajeZadanePrzemieszczenieIZgodneReakcje) {
    Model m;
    zbuduj(m, {.wezly = {{0, 0}, {3, 1.5f}, {6, 3}, {9, 1.5f}, {12, 0}, {6, 0}},
               .prety = {{1, 2, 1, 1},
                         {2, 3, 1, 1},
                         {3, 4, 1, 1},
                         {4, 5, 1, 1},
                         {1, 6, 1, 1},
                         {6, 5, 1, 1},
                         {2, 6, 1, 1},
                         {3, 6, 1, 1},
                         {4, 6, 1, 1}},
               .podpory = {{1, 0}, {2, 0}, {10, -0.01f}},
               .sily = {{4, -5.f}, {6, -5.f}, {8, -5.f}}});
    porownaj_z_wzorcem(m, 2e-4);
    EXPECT_NEAR(m.f[10], -0.01f, 1e-6);
    // Unloaded, the statically determinate truss only turns with its settling support: no
    // forces and no reactions, and still no mechanism.
    for (int i = 1; i <= m.nl; ++i) m.al[i] = 0.f;
    ASSERT_TRUE(obliczenia(m).sukces());
    EXPECT_NEAR(m.f[10], -0.01f, 1e-6);
    EXPECT_NEAR(m.stressp[2], 0.f, 1e-3);
}

TEST(Analiza, WezelPierwszyTylkoZPretamiPionowymiMaPelneUtwierdzenie) {
    // Node 1 has no stiffness along X of its own; the supports must still hold.
    Model m;
    zbuduj(m, {.wezly = {{0, 0}, {0, 3}, {4, 3}, {4, 0}},
               .prety = {{1, 2, 1, 1}, {2, 3, 1, 1}, {3, 4, 1, 1}, {2, 4, 1, 1}, {1, 4, 1, 1}},
               .podpory = {{1, 0}, {2, 0}, {7, 0}, {8, 0}},
               .sily = {{3, 10.f}, {6, -4.f}}});
    m.noc[5][1] = 1, m.noc[5][2] = 2;  // both bars at node 1 vertical
    porownaj_z_wzorcem(m, 2e-4);
}

TEST(Analiza, LosoweKratownicyZgadzajaSieZNiezaleznymRozwiazaniem) {
    const struct {
        unsigned ziarno;
        int kol, wier;
        float kontrast;
    } przypadki[] = {{1, 4, 2, 1.f},  {2, 7, 3, 1.f},  {3, 3, 6, 1e4f}, {4, 12, 2, 1e-4f},
                     {5, 9, 1, 10.f}, {6, 5, 3, 1e9f}, {7, 6, 2, 1e-9f}};
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.ziarno);
        Model m;
        losowa(m, p.ziarno, p.kol, p.wier, p.kontrast);
        porownaj_z_wzorcem(m, 2e-4);
    }
}

// The message of a mechanism: the first line and where the truss moves.
std::string mechanizm(int wezel, char kierunek) {
    return "Zero na przekątnej macierzy sztywności!\nWęzeł " + std::to_string(wezel) +
           " może się swobodnie przemieszczać w kierunku " + kierunek + ".";
}

// A Pratt truss of `przesla` panels, height 1, pinned at one end and on a roller at the other,
// turned by `kat` about the origin; `bez_przekatnej` > 0 leaves out that panel's diagonal.
Opis obrocony_pratt(int przesla, double kat, int bez_przekatnej) {
    Model p;
    pratt(p, przesla, 1.f, 1.f, przesla);
    Opis o;
    for (int i = 1; i <= p.nn; ++i) {
        const double x = p.x[i][1], y = p.x[i][2];
        o.wezly.push_back({static_cast<float>(x * std::cos(kat) - y * std::sin(kat)),
                           static_cast<float>(x * std::sin(kat) + y * std::cos(kat))});
    }
    for (int e = 1; e <= p.ne; ++e) {
        // Bar 4 k + 1 is the diagonal of panel k.
        if (bez_przekatnej > 0 && e == 4 * bez_przekatnej + 1) continue;
        o.prety.push_back({p.noc[e][1], p.noc[e][2], 1, 1});
    }
    for (int i = 1; i <= p.nd; ++i) o.podpory.push_back({p.nu[i], 0.f});
    for (int i = 1; i <= p.nl; ++i) o.sily.push_back({p.ild[i], p.al[i]});
    return o;
}

// The point `t` along and `h` across the line from (od, od) at `stopnie` degrees, in floats.
std::array<float, 2> na_prostej(double stopnie, double t, double h = 0.0, double od = 10.0) {
    const double a = stopnie * std::numbers::pi / 180, c = std::cos(a), s = std::sin(a);
    return {static_cast<float>(od + t * c - h * s), static_cast<float>(od + t * s + h * c)};
}

TEST(Analiza, MechanizmySaZatrzymywaneINazywajaRuchomyWezel) {
    const Opis trojkat = {.wezly = {{0, 0}, {4, 0}, {2, 3}},
                          .prety = {{1, 2, 1, 1}, {1, 3, 1, 1}, {2, 3, 1, 1}},
                          .podpory = {{1, 0}, {2, 0}, {4, 0}},
                          .sily = {{6, -1.f}}};
    Opis bez_podpor = trojkat, jeden_przegub = trojkat, luzny_wezel = trojkat;
    bez_podpor.podpory.clear();
    jeden_przegub.podpory = {{1, 0}, {2, 0}};
    luzny_wezel.wezly.push_back({8, 8});
    // Held only vertically, under vertical loads: the loads leave the sideways slide at rest.
    Opis bez_poziomej = obrocony_pratt(6, 0.0, 0);
    bez_poziomej.podpory = {{2, 0}, {26, 0}};
    const struct {
        Opis opis;
        std::vector<std::string> komunikaty;  // any of them
    } przypadki[] = {
        // Free altogether: every node can move, the factor decides which is named.
        {bez_podpor, {mechanizm(1, 'X'), mechanizm(3, 'X')}},
        {jeden_przegub, {mechanizm(2, 'Y')}},
        {luzny_wezel, {mechanizm(4, 'X')}},
        {{.wezly = {{0, 0}, {3, 0}, {3, 3}, {0, 3}},
          .prety = {{1, 2, 1, 1}, {2, 3, 1, 1}, {3, 4, 1, 1}, {4, 1, 1, 1}},
          .podpory = {{1, 0}, {2, 0}, {4, 0}},
          .sily = {{5, 1.f}}},
         {mechanizm(3, 'X')}},
        {bez_poziomej, {mechanizm(1, 'X')}},
        // The hinge of a long truss turned at an angle, where the pivots alone cannot tell
        // rounding from a true pivot: a node of the panel without its diagonal moves most.
        {obrocony_pratt(450, 0.35, 2),
         {mechanizm(3, 'Y'), mechanizm(4, 'Y'), mechanizm(5, 'Y'), mechanizm(6, 'Y')}},
        {obrocony_pratt(640, 0.6, 460),
         {mechanizm(919, 'Y'), mechanizm(920, 'Y'), mechanizm(921, 'Y'), mechanizm(922, 'Y')}},
        {obrocony_pratt(800, 0.8, 733),
         {mechanizm(1465, 'X'), mechanizm(1466, 'X'), mechanizm(1467, 'X'), mechanizm(1468, 'X')}},
        // A lattice that lost two bars, whose mechanism the loads push only a little against the
        // thermal forces: its equilibrium holds, but the one refinement moves it as much again.
        {{.wezly = {{0.00117542117f, 0.00111941132f},
                    {0.0359313414f, 0.000367565284f},
                    {0.077734977f, -0.00150042749f},
                    {0.115659289f, -0.000438811374f},
                    {0.157025054f, -0.00219166209f},
                    {0.191518053f, -0.00101826049f},
                    {-0.00242874003f, 0.026179282f},
                    {0.0378120393f, 0.0264347326f},
                    {0.0771280527f, 0.0296413451f},
                    {0.115268767f, 0.0309251584f},
                    {0.157568038f, 0.0285216291f},
                    {0.192957729f, 0.0269478001f},
                    {0.00239974074f, 0.0559602007f},
                    {0.0414677337f, 0.0576607734f},
                    {0.0765169486f, 0.0557083115f},
                    {0.116080761f, 0.0572450869f},
                    {0.15378353f, 0.0592234619f},
                    {0.192857206f, 0.055176992f}},
          .prety = {{1, 7, 1, 1},   {2, 7, 1, 2},   {2, 3, 2, 2},   {2, 8, 2, 2},   {2, 9, 1, 1},
                    {3, 4, 1, 2},   {3, 9, 2, 1},   {4, 9, 1, 1},   {4, 5, 2, 2},   {4, 10, 1, 1},
                    {4, 11, 2, 1},  {5, 6, 1, 1},   {5, 11, 1, 1},  {5, 12, 2, 2},  {6, 12, 1, 1},
                    {7, 8, 2, 2},   {7, 13, 1, 1},  {8, 13, 1, 2},  {8, 9, 1, 1},   {8, 14, 1, 2},
                    {9, 14, 2, 2},  {9, 10, 2, 1},  {9, 15, 2, 2},  {10, 11, 2, 2}, {10, 16, 1, 2},
                    {11, 16, 2, 1}, {11, 12, 2, 2}, {11, 17, 1, 1}, {12, 17, 2, 1}, {12, 18, 2, 2},
                    {13, 14, 1, 2}, {14, 15, 2, 2}, {15, 16, 2, 2}, {16, 17, 2, 2}, {17, 18, 2, 1}},
          .materialy = {{5.82165053e10f, 1e-5f}, {3621197.5f, 2e-5f}},
          .pola = {0.00279847905f, 0.111043558f},
          .podpory = {{1, 0}, {2, 0}, {12, 0}},
          .sily = {{5, 40.3950348f}, {6, 29.7607784f}},
          .temperatury = {{20, -11.7772026f}}},
         {mechanizm(17, 'X')}},
        // Loaded only over its supports, the hinge of a long truss is at rest under the loads and
        // its pivot, amplified along the truss, is far above the rounding: only a probe load
        // moves it.
        {[] {
             Opis o = obrocony_pratt(800, 0.8, 733);
             o.sily = {{2, -10.f}, {2 * 1601, -10.f}};
             return o;
         }(),
         {mechanizm(1465, 'X'), mechanizm(1466, 'X'), mechanizm(1467, 'X'), mechanizm(1468, 'X')}},
        // Nodes that bars on one line hold, and no support across it, however many bars: the
        // lowest is named, moving across the line.
        {{.wezly = {na_prostej(30, 0), na_prostej(30, 2), na_prostej(30, 5), na_prostej(30, 9)},
          .prety = {{1, 2, 1, 1}, {2, 3, 1, 1}, {3, 4, 1, 1}},
          .podpory = {{1, 0}, {2, 0}, {7, 0}, {8, 0}},
          .sily = {{4, -1.f}, {5, 1.f}}},
         {mechanizm(2, 'Y')}},
        {{.wezly = {na_prostej(70, 0), na_prostej(70, 2), na_prostej(70, 5), na_prostej(70, 9)},
          .prety = {{1, 2, 1, 1}, {2, 3, 1, 1}, {2, 4, 1, 1}},
          .podpory = {{1, 0}, {2, 0}, {5, 0}, {6, 0}, {7, 0}, {8, 0}},
          .sily = {{3, 1.f}}},
         {mechanizm(2, 'X')}},
        // A bar hanging from a triangle: its free end swings across it.
        {{.wezly = {{0, 0}, {4, 0}, {2, 3}, {5, 4.7f}},
          .prety = {{1, 2, 1, 1}, {1, 3, 1, 1}, {2, 3, 1, 1}, {3, 4, 1, 1}},
          .podpory = {{1, 0}, {2, 0}, {4, 0}},
          .sily = {{6, -1.f}}},
         {mechanizm(4, 'Y')}},
        // One unit in the last place off the horizontal is on it, with a support along X or
        // without. Its diagonal in Y is itself the rounding's, so against it the pivot is not
        // small: the factor alone would move the node by 4.5e8 under a unit load.
        {{.wezly = {{1, 1}, {4, std::nextafter(1.f, 2.f)}, {7, 1}},
          .prety = {{1, 2, 1, 1}, {2, 3, 1, 1}},
          .podpory = {{1, 0}, {2, 0}, {5, 0}, {6, 0}},
          .sily = {{4, -1.f}}},
         {mechanizm(2, 'Y')}},
        {{.wezly = {{1, 1}, {4, std::nextafter(1.f, 2.f)}, {7, 1}},
          .prety = {{1, 2, 1, 1}, {2, 3, 1, 1}},
          .podpory = {{1, 0}, {2, 0}, {3, 0}, {5, 0}, {6, 0}},
          .sily = {{4, -1.f}}},
         {mechanizm(2, 'Y')}},
    };
    for (const auto& p : przypadki)
        for (Rozwiazanie sposob : sposoby) {
            Model m;
            zbuduj(m, p.opis);
            for (int i = 1; i <= m.ne; ++i) m.stressp[i] = 123.f;
            const std::vector<std::string> k = komunikaty_obliczen(obliczenia(m, sposob));
            ASSERT_EQ(k.size(), 1u);
            EXPECT_NE(std::find(p.komunikaty.begin(), p.komunikaty.end(), k[0]), p.komunikaty.end())
                << k[0] << (sposob == Rozwiazanie::rzadkie ? " (sparse)" : "");
            EXPECT_EQ(m.obliczono, 0);
            EXPECT_EQ(m.stressp[1], 123.f) << "results of a refused analysis are not written";
        }
    for (int przesla : {450, 640, 800}) {
        Model m;
        zbuduj(m, obrocony_pratt(przesla, 0.6, 0));
        EXPECT_TRUE(obliczenia(m).sukces()) << "the same truss with all its diagonals";
    }
}

TEST(Analiza, WezelMiedzyPretamiNaJednejProstejJestMechanizmemPodKazdymKatem) {
    // Two bars on one line, outer ends pinned: the middle node moves across the line. In floats
    // it lies a fraction of a unit in the last place off the line, a stiffness across of
    // 1e-15..1e-13 of the axial one that is the rounding's, whatever the load. Lifted across by
    // 1e-4 of the span, it is a shallow truss, and holds, also 50 spans away from the origin,
    // where the coordinates are 30 times coarser.
    for (int k = 0; k < 40; ++k) {
        const double stopnie = 4.5 * k, a = stopnie * std::numbers::pi / 180;
        const double c = std::cos(a), s = std::sin(a);
        // Across the line it moves most in X from 45 to 135 degrees, both included (the lower DOF
        // among equals).
        const char kierunek = std::fabs(s) >= std::fabs(c) - 1e-9 ? 'X' : 'Y';
        const std::array<float, 2> obciazenia[] = {
            {static_cast<float>(-s), static_cast<float>(c)},
            {static_cast<float>(c), static_cast<float>(s)},
            {static_cast<float>(c - s), static_cast<float>(s + c)}};
        for (const auto& p : obciazenia)
            for (double wznios : {0.0, 1e-4})
                for (double od : {10.0, 300.0}) {
                    SCOPED_TRACE(testing::Message()
                                 << stopnie << " degrees, load " << p[0] << ", " << p[1]
                                 << ", rise " << wznios << ", from " << od);
                    Model m;
                    zbuduj(m, {.wezly = {na_prostej(stopnie, 0, 0, od),
                                         na_prostej(stopnie, 3, 8 * wznios, od),
                                         na_prostej(stopnie, 8, 0, od)},
                               .prety = {{1, 2, 1, 1}, {2, 3, 1, 1}},
                               .podpory = {{1, 0}, {2, 0}, {5, 0}, {6, 0}},
                               .sily = {{3, p[0]}, {4, p[1]}}});
                    if (wznios > 0.0) {
                        porownaj_z_wzorcem(m, 2e-4);
                        continue;
                    }
                    for (Rozwiazanie sposob : sposoby) {
                        EXPECT_EQ(komunikaty_obliczen(obliczenia(m, sposob)),
                                  std::vector<std::string>{mechanizm(2, kierunek)});
                        EXPECT_EQ(m.obliczono, 0);
                    }
                }
    }
}

TEST(Analiza, WezelTrzymanyWPoprzekProstejNieJestMechanizmem) {
    // A support with any share across the line holds the node there.
    auto prosta = [](double stopnie, int podpora) {
        return Opis{
            .wezly = {na_prostej(stopnie, 0), na_prostej(stopnie, 3), na_prostej(stopnie, 8)},
            .prety = {{1, 2, 1, 1}, {2, 3, 1, 1}},
            .podpory = {{1, 0}, {2, 0}, {podpora, 0}, {5, 0}, {6, 0}},
            .sily = {{3, 2.f}, {4, -1.f}}};
    };
    Opis pozioma = prosta(0, 4);
    pozioma.wezly = {{1, 1}, {4, std::nextafter(1.f, 2.f)}, {7, 1}};
    // Node 2 between two long bars 1e-3 off the horizontal either way, the second given from its
    // far end, and a bar 1 mm long whose direction the coordinates know only to 5e-3: each long
    // bar is within that of the short one, but not of the other.
    const float d = 5e-3f;
    const Opis krotki = {.wezly = {{10 - 5, 10 - d}, {10, 10}, {10 + 5, 10 - d}, {10.001f, 10}},
                         .prety = {{2, 4, 1, 1}, {1, 2, 1, 1}, {3, 2, 1, 1}},
                         .podpory = {{1, 0}, {2, 0}, {5, 0}, {6, 0}, {7, 0}, {8, 0}},
                         .sily = {{3, 1.f}, {4, -1.f}}};
    const Opis przypadki[] = {prosta(30, 3), prosta(30, 4), prosta(85, 4), pozioma, krotki};
    for (const Opis& o : przypadki) {
        SCOPED_TRACE(o.wezly[2][0]);
        Model m;
        zbuduj(m, o);
        porownaj_z_wzorcem(m, 2e-4);
    }
}

TEST(Analiza, NumeracjaWezlowNieZmieniaWynikowAniWskazanegoWezla) {
    Model m;
    krata(m, 20, 15);  // 44 band columns numbered row by row; at random thousands
    ASSERT_TRUE(obliczenia(m).sukces());
    const std::vector<int> nowy = losowa_numeracja(m.nn, 7);
    float smax = 0.f, fmax = 0.f;
    for (int e = 1; e <= m.ne; ++e) smax = std::max(smax, std::fabs(m.stressp[e]));
    for (int i = 1; i <= m.nq; ++i) fmax = std::max(fmax, std::fabs(m.f[i]));
    // Reordered for the band, and cut up for the sparse factor.
    for (Rozwiazanie sposob : sposoby) {
        Model p;
        krata(p, 20, 15);
        przenumeruj(p, nowy);
        ASSERT_TRUE(obliczenia(p, sposob).sukces());
        EXPECT_GT(p.nbw, 600) << "the stored band stays the model's";
        for (int e = 1; e <= m.ne; ++e) ASSERT_NEAR(p.stressp[e], m.stressp[e], 1e-6 * smax) << e;
        for (int n = 1; n <= m.nn; ++n) {
            ASSERT_NEAR(p.f[2 * nowy[n] - 1], m.f[2 * n - 1], 1e-6 * fmax) << n;
            ASSERT_NEAR(p.f[2 * nowy[n]], m.f[2 * n], 1e-6 * fmax) << n;
        }
        for (int i = 1; i <= m.nd; ++i) ASSERT_NEAR(p.react[i], m.react[i], 1e-6 * smax * 0.01f);
    }

    // The order itself: a permutation with its inverse, as narrow as the lattice's own row by row
    // numbering, and the one the driver solves with (a band of some 660 columns would go to the
    // sparse factor).
    {
        Model p;
        krata(p, 20, 15);
        przenumeruj(p, nowy);
        const KolejnoscWezlow k = kolejnosc_rcm(p);
        ASSERT_EQ(k.stary.size(), static_cast<std::size_t>(p.nn) + 1);
        ASSERT_EQ(k.nowy.size(), static_cast<std::size_t>(p.nn) + 1);
        for (int i = 1; i <= p.nn; ++i) {
            ASSERT_TRUE(k.stary[i] >= 1 && k.stary[i] <= p.nn) << i;
            ASSERT_EQ(k.nowy[k.stary[i]], i);  // so stary takes every node once
        }
        EXPECT_GT(szerokosc_pasma(p, {}), 600);
        EXPECT_LE(k.nbw, 44);
        EXPECT_EQ(k.nbw, szerokosc_pasma(p, k.nowy));
        EXPECT_STREQ(obliczenia(p).metoda, "pasmowa");
    }

    // The mechanism's node is named in the model's own numbers.
    Model z;
    zbuduj(z, obrocony_pratt(640, 0.6, 460));
    const std::vector<int> inny = losowa_numeracja(z.nn, 11);
    przenumeruj(z, inny);
    std::vector<std::string> zawias;
    for (int n : {919, 920, 921, 922}) zawias.push_back(mechanizm(inny[n], 'Y'));
    std::vector<std::string> k = komunikaty_obliczen(obliczenia(z));
    ASSERT_EQ(k.size(), 1u);
    EXPECT_NE(std::find(zawias.begin(), zawias.end(), k[0]), zawias.end()) << k[0];

    // A band wide enough for Cholesky, pinned at one node only: it turns about it, and the far
    // end is named, in either numbering.
    for (unsigned ziarno : {0u, 5u})
        for (Rozwiazanie sposob : sposoby) {
            Model w;
            krata(w, 60, 4);
            std::vector<int> nr(static_cast<std::size_t>(w.nn) + 1);
            for (int n = 0; n <= w.nn; ++n) nr[n] = n;
            if (ziarno) nr = losowa_numeracja(w.nn, ziarno), przenumeruj(w, nr);
            w.nd = 2;
            k = komunikaty_obliczen(obliczenia(w, sposob));
            ASSERT_EQ(k.size(), 1u);
            // Every node of the far end moves alike along Y: the lowest number is named.
            const int daleki = std::min({nr[61], nr[122], nr[183], nr[244], nr[305]});
            EXPECT_EQ(k[0], mechanizm(daleki, 'Y'));
        }
}

TEST(Analiza, KwadratBezPrzekatnejJestMechanizmemPodKazdymKatem) {
    for (int krok = 0; krok < 160; ++krok) {
        const double a = 0.04 * krok, c = std::cos(a), s = std::sin(a);
        auto punkt = [&](float x, float y) {
            return std::array<float, 2>{static_cast<float>(7 + c * x - s * y),
                                        static_cast<float>(5 + s * x + c * y)};
        };
        Model m;
        zbuduj(m, {.wezly = {punkt(0, 0), punkt(3, 0), punkt(3, 3), punkt(0, 3)},
                   .prety = {{1, 2, 1, 1}, {2, 3, 1, 1}, {3, 4, 1, 1}, {4, 1, 1, 1}},
                   .podpory = {{1, 0}, {2, 0}, {4, 0}},
                   .sily = {{5, 1.f}, {8, -2.f}}});
        const WynikObliczen w = obliczenia(m);
        EXPECT_EQ(w.nrblad, blad_zero_na_przekatnej) << "angle " << a;
    }
}

TEST(Analiza, BardzoSztywnyPretObokMiekkichNieJestMechanizmem) {
    // Two triangles joined by a near-rigid link between nodes 2 and 3, up to 10^11 times stiffer
    // than the other bars, or as much softer.
    for (float k : {1e3f, 1e9f, 1e11f, 1e-9f}) {
        Model m;
        zbuduj(m, {.wezly = {{0, 0}, {4, 0}, {5, 0}, {9, 0}, {4.5f, 3}},
                   .prety = {{1, 2, 1, 1},
                             {1, 5, 1, 1},
                             {2, 5, 1, 1},
                             {2, 3, 1, 2},
                             {3, 5, 1, 1},
                             {3, 4, 1, 1},
                             {4, 5, 1, 1}},
                   .pola = {0.01f, 0.01f * k},
                   .podpory = {{1, 0}, {2, 0}, {8, 0}},
                   .sily = {{10, -10.f}, {3, 2.f}, {6, -3.f}}});
        SCOPED_TRACE(k);
        porownaj_z_wzorcem(m, 1e-5);
    }
}

TEST(Analiza, WynikPozaZakresemFloatNieJestWaznymWynikiem) {
    Model m;
    zbuduj(m, {.wezly = {{0, 0}, {4, 0}, {2, 3}},
               .prety = {{1, 2, 1, 1}, {1, 3, 1, 1}, {2, 3, 1, 1}},
               .podpory = {{1, 0}, {2, 0}, {4, 0}},
               .sily = {{6, -3e38f}}});
    m.stressp[1] = 123.f;
    const WynikObliczen w = obliczenia(m);
    EXPECT_EQ(w.nrblad, blad_zakres_wynikow);
    EXPECT_EQ(
        komunikaty_obliczen(w).front().rfind("Wyniki obliczeń przekraczają zakres liczb!\n", 0),
        0u);
    EXPECT_EQ(m.obliczono, 0);
    EXPECT_EQ(m.stressp[1], 123.f);

    // A square with both diagonals, one side heated: the forces stay within the square, the
    // stresses and reactions are ordinary, but stress times the huge area is no float.
    Model k;
    zbuduj(
        k,
        {.wezly = {{0, 0}, {1, 0}, {1, 1}, {0, 1}},
         .prety =
             {{1, 2, 1, 1}, {2, 3, 1, 1}, {3, 4, 1, 1}, {4, 1, 1, 1}, {1, 3, 1, 1}, {2, 4, 1, 1}},
         .pola = {1e32f},
         .podpory = {{1, 0}, {2, 0}, {4, 0}},
         .temperatury = {{1, 1e4f}}});
    EXPECT_EQ(obliczenia(k).nrblad, blad_zakres_wynikow);
    EXPECT_EQ(k.obliczono, 0);
}

TEST(Sterownik, MaterialLubPrzekrojNiedodatniJestNazwany) {
    const struct {
        float e, a;
        std::string komunikat;
    } przypadki[] = {{0.f, 0.01f, "Moduł Younga materiału 2 nie jest dodatni!"},
                     {-2e8f, 0.01f, "Moduł Younga materiału 2 nie jest dodatni!"},
                     {2e8f, 0.f, "Pole przekroju 2 nie jest dodatnie!"},
                     {2e8f, -1.f, "Pole przekroju 2 nie jest dodatnie!"}};
    for (const auto& p : przypadki) {
        Model m;
        zbuduj(m, {.wezly = {{0, 0}, {4, 0}, {2, 3}},
                   .prety = {{1, 2, 1, 1}, {1, 3, 1, 1}, {2, 3, 2, 2}},
                   .materialy = {{2e8f, 0.f}, {p.e, 0.f}, {-1.f, 0.f}},  // 3: used by no bar
                   .pola = {0.01f, p.a, 0.f},
                   .podpory = {{1, 0}, {2, 0}, {4, 0}},
                   .sily = {{6, -1.f}}});
        EXPECT_EQ(komunikaty_obliczen(obliczenia(m)), std::vector<std::string>{p.komunikat});
    }
}

TEST(Analiza, DuzeKratownicePoprawnieUtwierdzoneNieSaMechanizmami) {
    Model m;
    pratt(m, 25000);  // 10^5 bars
    ASSERT_TRUE(obliczenia(m).sukces());
    krata(m, 14, 3332);  // 1.4e5 bars in a tower 238 times taller than wide
    ASSERT_TRUE(obliczenia(m).sukces());
    krata(m, 70, 120);  // a wide band, eliminated in panels
    ASSERT_TRUE(obliczenia(m).sukces());
    EXPECT_EQ(m.nbw, 144);
}

TEST(Sterownik, PasmoICzynnikMuszaSieZmiescicWOsmiuDziesiatychPamieci) {
    const double pamiec = static_cast<double>(sysconf(_SC_PHYS_PAGES)) * sysconf(_SC_PAGE_SIZE);
    // Half the memory fits and all of it does not: a bound off by a factor of 10, or of 2, fails.
    EXPECT_TRUE(zmiesci_sie_w_pamieci(0.5 * pamiec));
    EXPECT_FALSE(zmiesci_sie_w_pamieci(pamiec));
    // The band in doubles, and the sparse factor's values in doubles with half as much again.
    const std::int64_t nq = 100000, nbw = static_cast<std::int64_t>(0.5 * pamiec / 8 / nq);
    EXPECT_TRUE(pasmo_sie_zmiesci(nq, nbw));
    EXPECT_FALSE(pasmo_sie_zmiesci(nq, 2 * nbw));
    EXPECT_TRUE(czynnik_sie_zmiesci(0.5 * pamiec / 12));
    EXPECT_FALSE(czynnik_sie_zmiesci(pamiec / 12));
}

TEST(Sterownik, KomunikatyBezWezlowIBezPasmaWKolejnosci) {
    Model m;
    WynikObliczen w = obliczenia(m);
    EXPECT_FALSE(w.wykonano);
    EXPECT_EQ(
        komunikaty_obliczen(w),
        (std::vector<std::string>{"Brak węzłów!", "Zerowa długość pasma macierzy sztywności!"}));
    zbuduj(m, {.wezly = {{0, 0}, {1, 1}}});
    m.obliczono = 1;
    w = obliczenia(m);
    EXPECT_EQ(komunikaty_obliczen(w),
              std::vector<std::string>{"Zerowa długość pasma macierzy sztywności!"});
    EXPECT_EQ(m.obliczono, 1) << "a skipped analysis leaves the flag alone";
}

TEST(Sterownik, PasmoRosnieZPretamiINigdyNieMaleje) {
    Model m;
    zbuduj(m,
           {.wezly = {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 1}},
            .prety = {{1, 2, 1, 1}, {2, 5, 1, 1}},
            .podpory = {
                {1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0}, {6, 0}, {7, 0}, {8, 0}, {9, 0}, {10, 0}}});
    obliczenia(m);
    EXPECT_EQ(m.nbw, 8);
    m.noc[2][2] = 3;
    m.nbw = 20;
    EXPECT_TRUE(obliczenia(m).sukces());
    EXPECT_EQ(m.nbw, 20);
}

TEST(Sterownik, PretZerowejDlugosciZatrzymujeSklejanie) {
    Model m;
    zbuduj(m, {.wezly = {{0, 0}, {2, 0}, {2, 0}},
               .prety = {{1, 2, 1, 1}, {2, 3, 1, 1}},
               .podpory = {{1, 0}, {2, 0}}});
    const WynikObliczen w = obliczenia(m);
    EXPECT_EQ(komunikaty_obliczen(w),
              std::vector<std::string>{
                  "Zerowa długość elementu!\nPręt 2 ma oba końce w tym samym punkcie."});
    EXPECT_EQ(m.obliczono, 0);
    EXPECT_EQ(m.nrblad, 2);
}
