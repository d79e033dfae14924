// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/jednostki.h"

#include <gtest/gtest.h>

#include <clocale>

#include "core/projekt.h"
#include "tests/wspolne/kratownice.h"

namespace {

using S = OdczytWartosci::Stan;
using W = Wielkosc;
using U = UkladJednostek;

// Every quantity in units other than the project's, both decimal marks, both ways of writing a
// power: each value is the float nearest the decimal converted by hand.
TEST(Jednostki, KazdaWielkoscWpisanaZJednostkaPrzeliczonaNaJednostkiProjektu) {
    const struct {
        const char* tekst;
        W w;
        U u;
        float wynik;
    } tabela[] = {
        {"15 cm2", W::pole, U::kN_m, 0.0015f},  // 15 * 10^-4 m²
        {"15 cm²", W::pole, U::kN_m, 0.0015f},
        {"15cm²", W::pole, U::N_mm, 1500.0f},  // 15 * 10^2 mm²
        {"3 mm2", W::pole, U::kN_cm, 0.03f},   // 3 * 10^-2 cm²
        {"1 dm2", W::pole, U::kN_cm, 100.0f},
        {"5 mm", W::dlugosc, U::kN_m, 0.005f},
        {"1 dm", W::dlugosc, U::kN_cm, 10.0f},
        {"0,5 m", W::dlugosc, U::N_mm, 500.0f},
        {"-2,5 cm", W::dlugosc, U::N_m, -0.025f},
        {"12 kN", W::sila, U::N_mm, 12000.0f},
        {"2 MN", W::sila, U::kN_m, 2000.0f},
        {"150 N", W::sila, U::kN_cm, 0.15f},
        {"210 GPa", W::naprezenie, U::kN_cm, 21000.0f},  // 210e9 Pa / 1e7 Pa a kN/cm²
        {"210 GPa", W::naprezenie, U::N_mm, 210000.0f},
        {"235 MPa", W::naprezenie, U::kN_m, 235000.0f},
        {"235 N/mm2", W::naprezenie, U::kN_cm, 23.5f},
        {"23,5 kN/cm²", W::naprezenie, U::N_mm, 235.0f},
        {"100 kPa", W::naprezenie, U::kN_m, 100.0f},
        {"100 kN/m2", W::naprezenie, U::N_m, 100000.0f},
        {"5e3 Pa", W::naprezenie, U::N_m, 5000.0f},
        {"78,5 kN/m3", W::ciezar, U::kN_cm, 7.85e-5f},  // 78.5e3 N/m³ / 1e9 N/m³ a kN/cm³
        {"78,5 kN/m³", W::ciezar, U::kN_m, 78.5f},
        {"7,85e-5 kN/cm3", W::ciezar, U::kN_m, 78.5f},
        {"78500 N/m3", W::ciezar, U::N_mm, 7.85e-5f},
        {"1,2e-5 1/K", W::rozszerzalnosc, U::kN_m, 1.2e-5f},
        {"1.2e-5 1/°C", W::rozszerzalnosc, U::N_mm, 1.2e-5f},
        {"30 K", W::temperatura, U::kN_cm, 30.0f},
        {"-12,5 °C", W::temperatura, U::kN_cm, -12.5f},
    };
    for (const auto& p : tabela) {
        const OdczytWartosci o = odczytaj_wartosc(p.tekst, p.w, p.u);
        EXPECT_EQ(o.stan, S::przeliczona) << p.tekst;
        EXPECT_EQ(o.wartosc, p.wynik) << p.tekst << " in " << nazwa_ukladu(p.u);
    }
}

// A unit of another quantity is refused and named; a unit without units in the project too; text
// with no unit the program knows is left to the field's own check, as before.
TEST(Jednostki, ObcaJednostkaOdrzuconaZNazwaPolaIWielkosciAInnyTekstBezZmian) {
    const struct {
        const char* tekst;
        W w;
        U u;
        S stan;
        W podana;
    } tabela[] = {
        {"15 kN", W::dlugosc, U::kN_m, S::obca, W::sila},
        {"5 mm", W::sila, U::kN_m, S::obca, W::dlugosc},
        {"15 cm", W::pole, U::kN_m, S::obca, W::dlugosc},
        {"210 GPa", W::pole, U::kN_cm, S::obca, W::naprezenie},
        {"78,5 kN/m3", W::naprezenie, U::kN_m, S::obca, W::ciezar},
        {"5 kN/m", W::sila, U::kN_m, S::obca, W::brak},
        {"20 K", W::rozszerzalnosc, U::kN_m, S::obca, W::temperatura},
        {"5 mm", W::dlugosc, U::brak, S::bez_ukladu, W::dlugosc},
        {"5", W::dlugosc, U::kN_m, S::bez_jednostki, W::brak},
        {"1,5", W::dlugosc, U::kN_m, S::bez_jednostki, W::brak},
        {"2a", W::dlugosc, U::kN_m, S::bez_jednostki, W::brak},
        {"5 kg", W::sila, U::kN_m, S::bez_jednostki, W::brak},
        {"kN", W::sila, U::kN_m, S::bez_jednostki, W::brak},
        {"", W::sila, U::kN_m, S::bez_jednostki, W::brak},
        {"5 mm", W::brak, U::kN_m, S::bez_jednostki, W::brak},     // a plain number's field
        {"1e39 kN", W::sila, U::kN_m, S::bez_jednostki, W::sila},  // beyond a float
    };
    for (const auto& p : tabela) {
        const OdczytWartosci o = odczytaj_wartosc(p.tekst, p.w, p.u);
        EXPECT_EQ(o.stan, p.stan) << p.tekst;
        if (p.stan == S::obca) {
            EXPECT_EQ(o.podana, p.podana) << p.tekst;
        }
    }
    EXPECT_EQ(komunikat_jednostki(odczytaj_wartosc("15 kN", W::dlugosc, U::kN_m),
                                  "Pole „Współrzędna X”", W::dlugosc),
              "Pole „Współrzędna X” przyjmuje długość (mm, cm, dm, m); kN jest jednostką siły.");
    EXPECT_EQ(komunikat_jednostki(odczytaj_wartosc("5 kN/m", W::sila, U::kN_m), "Kolumna „Wartość”",
                                  W::sila),
              "Kolumna „Wartość” przyjmuje siłę (N, kN, MN); kN/m nie jest jednostką tej "
              "wielkości.");
    EXPECT_EQ(
        komunikat_jednostki(odczytaj_wartosc("5 mm", W::dlugosc, U::brak), "Pole „X”", W::dlugosc),
        "Pole „X”: projekt nie ma jednostek (Widok → Jednostki...), więc wartość wpisuje się "
        "bez jednostki.");

    // What a dialog's field hands on.
    std::string t, k;
    EXPECT_TRUE(tekst_w_ukladzie("15 cm2", W::pole, U::kN_m, "Pole „Przekrój”", t, k));
    EXPECT_EQ(t, "0.0015");
    EXPECT_TRUE(tekst_w_ukladzie(" 2,5 ", W::pole, U::kN_m, "Pole „Przekrój”", t, k));
    EXPECT_EQ(t, " 2,5 ") << "a bare number is left as typed";
    EXPECT_TRUE(tekst_w_ukladzie("10 kN", W::sila, U::brak, "Pole „Siła”", t, k));
    EXPECT_EQ(t, "10 kN") << "without units the field's own check refuses it, as before";
    EXPECT_FALSE(tekst_w_ukladzie("15 kN", W::pole, U::kN_m, "Pole „Przekrój”", t, k));
    EXPECT_EQ(k, "Pole „Przekrój” przyjmuje pole (mm², cm², dm², m²); kN jest jednostką siły.");
}

// The decimal point moves and the value rounds once: there and back gives the very floats the
// user typed, and no digits appear that were not typed.
TEST(Jednostki, PrzeliczenieModeluTamIZPowrotemOddajeTeSameLiczby) {
    EXPECT_EQ(przelicz(0.3f, W::dlugosc, U::kN_m, U::kN_cm), 30.0f);
    EXPECT_EQ(przelicz(7.85e-5f, W::ciezar, U::kN_cm, U::kN_m), 78.5f);
    EXPECT_EQ(przelicz(21000.0f, W::naprezenie, U::kN_cm, U::N_mm), 210000.0f);
    EXPECT_EQ(przelicz(0.0015f, W::pole, U::kN_m, U::N_mm), 1500.0f);
    EXPECT_EQ(przelicz(1.2e-5f, W::rozszerzalnosc, U::kN_m, U::N_mm), 1.2e-5f);
    EXPECT_EQ(przelicz(5.0f, W::dlugosc, U::brak, U::kN_m), 5.0f) << "no units: no conversion";
    EXPECT_EQ(przelicz(3e38f, W::naprezenie, U::kN_cm, U::N_m), 3.4028235e38f)
        << "held at the end of the range";

    Model m;
    zbuduj(m, {.wezly = {{0.0f, 0.0f}, {3.7f, 0.0f}, {1.85f, 2.4f}},
               .prety = {{1, 2, 1, 1}, {2, 3, 1, 1}, {1, 3, 1, 1}},
               .materialy = {{21000.0f, 1.2e-5f}},
               .pola = {12.3f},
               .podpory = {{1, 0.0f}, {2, -0.15f}, {4, 0.0f}},
               .sily = {{6, -15.5f}},
               .temperatury = {{2, 25.0f}}});
    Projekt p;
    p.ciezar = {7.85e-5f};
    PrzypadekObciazen q = Projekt::nowy_przypadek(2);
    q.obc = {.ild = {5}, .al = {2.25f}, .dof_wymuszen = {4}, .wymuszenia = {0.1f}};
    p.przypadki.push_back(q);
    // The design's lengths: a radius of gyration, an out-of-plane buckling length and the
    // displacement limit given as lengths; a factor of the bar's length stays a factor.
    p.wymiarowanie.przekroje = {{.i_min = 2.5}};
    p.wymiarowanie.prety = {{.L_w = 0.9, .L_z = 300.0, .L_z_dlugosc = true}};
    p.wymiarowanie.ugiecie_dlugosc = true, p.wymiarowanie.ugiecie = 4.0;
    const Konstrukcja przed = kopia(m, false);
    const Projekt p_przed = p;

    przelicz_model(m, p, U::kN_cm, U::N_mm);
    EXPECT_EQ(m.x[2][1], 37.0f);
    EXPECT_EQ(m.x[3][2], 24.0f);
    EXPECT_EQ(m.pm[1][1], 210000.0f);
    EXPECT_EQ(m.pm[1][2], 1.2e-5f);
    EXPECT_EQ(m.area[1], 1230.0f);
    EXPECT_EQ(m.u[2], -1.5f);
    EXPECT_EQ(m.al[1], -15500.0f);
    EXPECT_EQ(m.temp[1], 25.0f);
    EXPECT_EQ(p.ciezar[0], 7.85e-5f) << "kN/cm³ and N/mm³ are one unit";
    EXPECT_EQ(p.przypadki[1].obc.al[0], 2250.0f);
    EXPECT_EQ(p.przypadki[1].obc.wymuszenia[0], 1.0f);
    EXPECT_EQ(p.wymiarowanie.przekroje[0].i_min, 25.0);
    EXPECT_EQ(p.wymiarowanie.prety[0].L_w, 0.9);
    EXPECT_EQ(p.wymiarowanie.prety[0].L_z, 3000.0);
    EXPECT_EQ(p.wymiarowanie.ugiecie, 40.0);

    przelicz_model(m, p, U::N_mm, U::kN_cm);
    EXPECT_TRUE(te_same_dane(m, przed));
    EXPECT_EQ(p, p_przed);
}

TEST(Jednostki, LiczbyCzytaneIPisaneNiezaleznieOdUstawienRegionalnych) {
    const char* stare = std::setlocale(LC_ALL, nullptr);
    const std::string zachowane = stare ? stare : "C";
    if (!std::setlocale(LC_ALL, "pl_PL.UTF-8")) GTEST_SKIP() << "no pl_PL.UTF-8 locale";
    const OdczytWartosci o = odczytaj_wartosc("78.5 kN/m3", W::ciezar, U::kN_cm);
    std::string t, k;
    tekst_w_ukladzie("15,5 cm2", W::pole, U::kN_m, "Pole", t, k);
    std::setlocale(LC_ALL, zachowane.c_str());
    EXPECT_EQ(o.wartosc, 7.85e-5f);
    EXPECT_EQ(t, "0.00155");
}

}  // namespace
