// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/v2dp.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "files/wymiarowanie_projektu.h"
#include "tests/wspolne/kratownice.h"

namespace {

// A project with every kind of data: three cases, one of them current, a settlement, a
// temperature change in another, user combinations, densities, text that needs escaping, and
// reals that no short decimal gives back as a double would (0.1f, 1e-40f).
ZawartoscProjektu wzorcowa() {
    ZawartoscProjektu z;
    Model m;
    zbuduj(m, {.wezly = {{0.0f, 0.0f}, {1234.567f, 0.000012f}, {0.1f, 1e-40f}, {-3.5f, 2.0f}},
               .prety = {{1, 2, 1, 1}, {2, 3, 2, 2}, {3, 4, 1, 2}, {1, 3, 2, 1}},
               .materialy = {{2.1e8f, 1.2e-5f}, {7e7f, 2.3e-5f}},
               .pola = {0.0015f, 0.0004f},
               .podpory = {{1, 0.0f}, {2, -0.001f}, {8, 0.0f}},
               .sily = {{5, 10.0f}, {6, -20.5f}, {5, 3.0f}},
               .temperatury = {{2, 30.0f}}});
    z.k = kopia(m, false);
    Projekt& p = z.p;
    p.przypadki[0].nazwa = "Stałe \"G\"\\ z ciężarem\nwłasnym";
    p.przypadki[0].ciezar_wlasny = true;
    p.przypadki[0].wsp_ciezaru = 1.1;
    PrzypadekObciazen s = Projekt::nowy_przypadek(2);
    s.nazwa = "Śnieg";
    s.zmienny = true, s.kategoria = 9, s.psi0 = 0.5, s.psi1 = 0.2, s.psi2 = 0;
    s.obc = {.ild = {4}, .al = {-7.25f}, .dof_wymuszen = {8}, .wymuszenia = {0.02f}};
    PrzypadekObciazen w = Projekt::nowy_przypadek(3);
    w.nazwa = "Wiatr z lewej";
    w.zmienny = true, w.kategoria = 10, w.psi0 = 0.6, w.psi1 = 0.2, w.grupa = "wiatr";
    w.obc = {.nset = {4, 1}, .temp = {-12.5f, 0.1f}};
    p.przypadki.push_back(s);
    p.przypadki.push_back(w);
    p.kombinacje = {false, 1.35, 0.9, 1.5, 0.85};
    p.wlasne = {{"Montaż", {1.0, 0.3}}};
    p.ciezar = {78.5f, 0.0f};
    p.tytul = "Wiązar dachowy W-1";
    p.autor = "J. Kowalski";
    p.opis = "Hala magazynowa,\tosie A–B";
    // Design: a linked section with its grade and holes, one of the user's own; a bar braced
    // out of plane at a length, an angle on two bolts; factors and the SLS limit changed.
    DaneWymiarowania& d = p.wymiarowanie;
    rozwin_wymiarowanie(d, 2, 4);
    d.przekroje[0] = {.rodzina = "RO",
                      .profil = "RO 114,3x5",
                      .gatunek = "S355",
                      .wsp_A_net = 0.85,
                      .rodzina_doboru = "RK"};
    d.przekroje[1] = {
        .gatunek = "S275", .szczelina = 12, .i_min = 0.0125, .krzywa = "c", .klasa_4 = true};
    d.prety[1] = {.L_w = 0.9, .L_z = 3.5, .L_z_dlugosc = true, .polaczenie = 1};
    d.prety[3].polaczenie = 2;
    d.gamma_M0 = 1.05, d.gamma_M2 = 1.3, d.E = 205000;
    d.ugiecie_dlugosc = true, d.ugiecie = 0.025;
    z.jednostki = UkladJednostek::kN_m;
    z.pokaz = {PokazWynikow::kombinacja, 3};
    pola_z_profili(z.k, d, z.jednostki);  // a linked area is its profile's
    return z;
}

std::string tekst(const ZawartoscProjektu& z) {
    std::string t, powod;
    EXPECT_TRUE(tekst_projektu({z.k, z.p, z.jednostki, z.pokaz}, t, powod)) << powod;
    return t;
}

}  // namespace

TEST(FormatProjektu, ZapisanyProjektWracaTakiSamWKazdejLiczbieIKazdymTekscie) {
    for (const char* locale : {"C", "pl_PL.UTF-8"}) {
        SCOPED_TRACE(locale);
        std::setlocale(LC_ALL, locale);
        const ZawartoscProjektu z = wzorcowa();
        const std::string t = tekst(z);
        ZawartoscProjektu r;
        std::string powod;
        ASSERT_TRUE(czytaj_tekst_projektu(t, r, powod)) << powod << "\n" << t;
        EXPECT_TRUE(te_same_dane(r.k, z.k));
        EXPECT_TRUE(r.p == z.p);
        EXPECT_EQ(r.jednostki, z.jednostki);
        EXPECT_EQ(r.pokaz, z.pokaz);
        EXPECT_TRUE(spojna(r.k, true)) << "the result arrays come with the store";
        EXPECT_EQ(tekst(r), t) << "written again, the same text";
        EXPECT_NE(t.find("[1, \"Y\", -0.001]"), std::string::npos) << "settlements by node";
        EXPECT_NE(t.find("1e-40"), std::string::npos) << "the shortest text of a float";

        // A linked area the file gives otherwise is read as its profile's.
        std::string inny = t;
        const std::size_t a = inny.find("{\"A\": ") + 6;
        inny.replace(a, inny.find('}', a) - a, "0.5");
        ASSERT_TRUE(czytaj_tekst_projektu(inny, r, powod)) << powod;
        EXPECT_EQ(r.k.area[1], z.k.area[1]);
    }
    std::setlocale(LC_ALL, "C");
}

// Every damaged or foreign text is refused with its reason, and what was read before stays.
TEST(FormatProjektu, UszkodzonyLubObcyTekstJestOdrzucanyZPowodem) {
    const std::string dobry = tekst(wzorcowa());
    auto zamien = [&dobry](const std::string& co, const std::string& na) {
        std::string t = dobry;
        const std::size_t i = t.find(co);
        EXPECT_NE(i, std::string::npos) << co;
        return i == std::string::npos ? t : t.replace(i, co.size(), na);
    };
    const struct {
        std::string tekst, powod;
    } przypadki[] = {
        {"", "JSON"},
        {"{\"format\": \"Velkora 2D projekt\", \"wersja\": 1", "JSON"},
        {"[1, 2]", "to nie jest projekt"},
        {dobry + "{}", "dodatkowy tekst"},
        {zamien("\"wersja\": 1", "\"wersja\": 2"), "nowszej wersji formatu (2)"},
        {zamien("\"tytul\"", "\"tytul_nowy\": 1, \"tytul\""), "nieznany klucz „tytul_nowy”"},
        {zamien("\"alfa\"", "\"nu\": 0.3, \"alfa\""), "materiał 1: nieznany klucz „nu”"},
        {zamien("\"Velkora 2D projekt\"", "\"Inny program\""), "to nie jest projekt"},
        {zamien("[1234.567, 1.2e-05]", "[1234.567, 1e39]"), "węzeł 2: liczba 1e39 poza zakresem"},
        {zamien("[1234.567, 1.2e-05]", "[1234.567, \"1\"]"), "węzeł 2: oczekiwano liczby"},
        {zamien("[1234.567, 1.2e-05]", "[1234.567]"), "węzeł 2: oczekiwano 2 wartości"},
        {zamien("[2, 3, 2, 2]", "[2, 5, 2, 2]"), "pręt 2: węzeł 5 spoza zakresu 1..4"},
        {zamien("[2, 3, 2, 2]", "[2, 3, 3, 2]"), "pręt 2: materiał 3 spoza zakresu 1..2"},
        {zamien("[2, 3, 2, 2]", "[2, 3, 2, 2.5]"), "pręt 2: oczekiwano liczby całkowitej"},
        {zamien("[4, \"Y\"]", "[4, \"Z\"]"), "podpora 3: kierunek"},
        {zamien("[2, \"Y\", -7.25]", "[9, \"Y\", -7.25]"), "przypadek 2, siła 1: węzeł 9"},
        {zamien("[4, \"Y\", 0.02]", "[3, \"Y\", 0.02]"), "przypadek 2, przemieszczenie 1:"},
        {zamien("[4, -12.5]", "[5, -12.5]"), "przypadek 3, zmiana temperatury 1: pręt 5"},
        {zamien("\"kategoria\": \"wiatr\"", "\"kategoria\": \"lawina\""), "nieznana kategoria"},
        {zamien("\"biezacy_przypadek\": 1", "\"biezacy_przypadek\": 4"), "bieżący przypadek 4"},
        {zamien("\"Montaż\", \"wspolczynniki\": [1, 0.3]",
                "\"Montaż\", \"wspolczynniki\": [1, 0.3, 1, 1]"),
         "więcej współczynników"},
        {zamien("\"Śnieg\"", "\"\xC5\""), "UTF-8"},
        {zamien("\"rodzina\": \"RO\"", "\"rodzina\": \"XY\""),
         "przekrój stalowy 1: nieznana rodzina profili „XY”"},
        {zamien("\"RO 114,3x5\"", "\"RO 114,3x7\""), "nieznany profil „RO 114,3x7”"},
        {zamien("\"S355\"", "\"S999\""), "nieznany gatunek stali „S999”"},
        {zamien("\"wsp_A_net\": 0.85", "\"wsp_A_net\": 1.2"), "A_net / A"},
        {zamien("\"krzywa\": \"c\"", "\"krzywa\": \"e\""), "nieznana krzywa wyboczeniowa"},
        {zamien("{\"nr\": 2, \"gatunek\"", "{\"nr\": 3, \"gatunek\""),
         "przekrój stalowy nr 3: przekrój spoza zakresu 1..2"},
        {zamien("{\"nr\": 2, \"gatunek\"", "{\"nr\": 1, \"gatunek\""), "przekrój podany dwa razy"},
        {zamien("{\"nr\": 4, ", "{\"nr\": 5, "), "pręt stalowy nr 5: pręt spoza zakresu 1..4"},
        {zamien("{\"dlugosc\": 3.5}", "{\"dlugosc\": -3.5}"), "musi być większy od zera"},
        {zamien("\"polaczenie\": \"BB.1.2\"", "\"polaczenie\": \"nity\""), "połączenie musi"},
        {zamien("\"gamma_M1\": 1", "\"gamma_M1\": 0"), "współczynnik γM1 musi być"},
        {zamien("{\"dlugosc\": 0.025}", "{\"strzalka\": 0.025}"),
         "wymiarowanie, ugięcie: nieznany klucz „strzalka”"},
    };
    for (const auto& c : przypadki) {
        SCOPED_TRACE(c.powod);
        ZawartoscProjektu z = wzorcowa();
        std::string powod;
        EXPECT_FALSE(czytaj_tekst_projektu(c.tekst, z, powod));
        EXPECT_NE(powod.find(c.powod), std::string::npos) << powod;
        EXPECT_TRUE(z.p == wzorcowa().p) << "a refused text leaves what was there";
    }
}

TEST(FormatProjektu, PlikZapisujeSieIOtwieraZRozszerzeniemDowolnejWielkosci) {
    const std::filesystem::path f =
        std::filesystem::temp_directory_path() / ("velkora_v2dp_" + std::to_string(::getpid()));
    std::filesystem::create_directories(f);
    const ZawartoscProjektu z = wzorcowa();
    std::string powod;
    const std::string p = (f / "dach.V2DP").string();
    ASSERT_TRUE(zapisz_projekt(p, {z.k, z.p, z.jednostki, z.pokaz}, powod)) << powod;
    ZawartoscProjektu r;
    ASSERT_TRUE(czytaj_projekt(p, r, powod)) << powod;
    EXPECT_TRUE(r.p == z.p);
    EXPECT_TRUE(nazwa_projektu_v2dp(p));
    EXPECT_FALSE(nazwa_projektu_v2dp("/dom/a.v2dp/projekt.V2D"));
    EXPECT_FALSE(czytaj_projekt(f.string(), r, powod));
    EXPECT_EQ(powod, "to jest folder, nie plik");
    std::filesystem::remove_all(f);
}
