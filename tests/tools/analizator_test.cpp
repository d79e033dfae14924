// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/analiza.h"
#include "files/v2d.h"
#include "files/v2dp.h"
#include "files/wymiarowanie_projektu.h"
#include "files/wyniki_projektu.h"
#include "tests/wspolne/kratownice.h"

namespace fs = std::filesystem;

namespace {

struct Przebieg {
    int kod = -1;
    std::string wyjscie, bledy;
};

std::string zawartosc(const std::string& p) {
    std::ifstream s(p, std::ios::binary);
    std::ostringstream t;
    t << s.rdbuf();
    return t.str();
}

std::vector<std::string> linie(const std::string& t) {
    std::vector<std::string> w;
    std::istringstream s(t);
    for (std::string l; std::getline(s, l);) w.push_back(l);
    return w;
}

std::vector<std::string> pola(const std::string& l) {
    std::vector<std::string> w;
    std::istringstream s(l);
    for (std::string p; std::getline(s, p, ',');) w.push_back(p);
    return w;
}

// ctest passes both paths in the environment; a test binary run by hand finds the analyser next
// to itself and the sources above this file.
std::string analizator() {
    if (const char* e = std::getenv("VELKORA_OBLICZ")) return e;
    return (fs::read_symlink("/proc/self/exe").parent_path().parent_path() / "velkora2d-oblicz")
        .string();
}
fs::path zrodla() {
    if (const char* e = std::getenv("VELKORA_ZRODLA")) return e;
    return fs::path(__FILE__).parent_path().parent_path().parent_path();
}

class Analizator : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string wzor = (fs::temp_directory_path() / "oblicz_XXXXXX").string();
        ASSERT_NE(::mkdtemp(wzor.data()), nullptr);
        folder = wzor;
    }
    void TearDown() override { fs::remove_all(folder); }

    std::string zapisz(const std::string& nazwa, const Model& m) {
        std::string p = folder + "/" + nazwa, powod;
        EXPECT_TRUE(zapisz_v2d(p, m, powod)) << powod;
        return p;
    }

    // Runs the analyser through the shell: `zmienne` are VAR=value words put before it.
    Przebieg uruchom(const std::vector<std::string>& argumenty, const std::string& zmienne = "") {
        std::string polecenie = "env " + zmienne + " '" + analizator() + "'";
        for (const auto& a : argumenty) polecenie += " '" + a + "'";
        polecenie += " 2>'" + folder + "/stderr'";
        Przebieg w;
        std::FILE* potok = ::popen(polecenie.c_str(), "r");
        if (!potok) return w;
        char t[4096];
        for (std::size_t n; (n = std::fread(t, 1, sizeof t, potok)) > 0;) w.wyjscie.append(t, n);
        const int status = ::pclose(potok);
        w.kod = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        w.bledy = zawartosc(folder + "/stderr");
        return w;
    }

    std::string folder;
};

TEST_F(Analizator, ExitCodeAndMessagesTellWhatHappened) {
    Model m;
    pratt(m, 4, 3.0f, 4.0f, 4);
    const std::string dobry = zapisz("dobry.V2D", m);
    pratt(m, 4);  // pinned at one end only: it can turn about it
    const std::string mechanizm = zapisz("mechanizm.V2D", m);
    pratt(m, 4, 3.0f, 4.0f, 4);
    m.x[2][1] = m.x[1][1], m.x[2][2] = m.x[1][2];  // bar 1 joins two nodes at one point
    const std::string zerowy = zapisz("zerowy.V2D", m);
    pratt(m, 4, 3.0f, 4.0f, 4);
    m.pm[1][1] = 0.0f;  // opens, so that it can be mended, but cannot be analysed
    const std::string bez_modulu = zapisz("bez_modulu.V2D", m);
    przygotuj(m, 0, 2, 0, 0, 0, 0);
    const std::string bez_pretow = zapisz("bez_pretow.V2D", m);
    std::ofstream(folder + "/smieci.V2D") << "nie projekt";

    const struct {
        std::vector<std::string> argumenty;
        int kod;
        const char* na_wyjsciu;
        const char* w_bledach;
    } przypadki[] = {
        {{dobry}, 0, "Naprężenie", ""},
        {{"--csv", dobry}, 0, "element,1,", ""},
        {{"--czasy", dobry}, 0, "Naprężenie", "Czasy [s]: porządkowanie węzłów "},
        {{"--czasy", dobry}, 0, "Naprężenie", "; macierz pasmowa\n"},
        {{"--help"}, 0, "Użycie", ""},
        {{folder + "/brak.V2D"}, 2, "", "Nie można otworzyć pliku"},
        {{folder + "/smieci.V2D"}, 2, "", "Nie można otworzyć pliku"},
        {{folder}, 2, "", "Nie można otworzyć pliku"},
        {{}, 2, "", "Użycie"},
        {{dobry, dobry}, 2, "", "Użycie"},
        {{"--tabele", dobry}, 2, "", "Użycie"},
        {{mechanizm}, 3, "", "Zero na przekątnej macierzy sztywności!\nWęzeł "},
        {{zerowy}, 3, "", "Zerowa długość elementu!\nPręt 1 "},
        {{bez_modulu}, 3, "", "Moduł Younga materiału 1 nie jest dodatni!"},
        {{bez_pretow}, 3, "", "Zerowa długość pasma macierzy sztywności!"},
    };
    for (const auto& p : przypadki) {
        const std::string opis = p.argumenty.empty() ? "(none)" : p.argumenty.back();
        const Przebieg w = uruchom(p.argumenty);
        EXPECT_EQ(w.kod, p.kod) << opis << "\n" << w.bledy;
        EXPECT_NE(w.wyjscie.find(p.na_wyjsciu), std::string::npos) << opis;
        EXPECT_NE(w.bledy.find(p.w_bledach), std::string::npos) << opis << "\n" << w.bledy;
        // Each stream carries only its own kind of text.
        if (p.kod != 0 || *p.w_bledach == '\0') {
            EXPECT_EQ(p.kod == 0 ? w.bledy : w.wyjscie, "") << opis;
        }
    }
}

TEST_F(Analizator, CsvGivesEveryResultOnceInOrderAndExactly) {
    Model m;
    pratt(m, 6, 3.0f, 4.0f, 3);
    const Przebieg w = uruchom({"--csv", zapisz("most.V2D", m)});
    ASSERT_EQ(w.kod, 0) << w.bledy;
    ASSERT_TRUE(obliczenia(m).sukces());

    // The bars' axial forces follow their stresses; the other kinds of line are as they were.
    const auto l = linie(w.wyjscie);
    ASSERT_EQ(l.size(), static_cast<std::size_t>(2 * m.ne + m.nn + m.nd));
    for (std::size_t k = 0; k < l.size(); ++k) {
        const auto p = pola(l[k]);
        int i = static_cast<int>(k) + 1;
        auto liczba = [&p](int j) { return std::strtof(p[j].c_str(), nullptr); };
        if (i <= m.ne) {
            ASSERT_EQ(p.size(), 3u) << l[k];
            EXPECT_EQ(p[0], "element");
            EXPECT_EQ(std::stoi(p[1]), i);
            EXPECT_EQ(liczba(2), m.stressp[i]) << l[k];
            continue;
        }
        i -= m.ne;
        if (i <= m.ne) {
            ASSERT_EQ(p.size(), 3u) << l[k];
            EXPECT_EQ(p[0], "sila");
            EXPECT_EQ(std::stoi(p[1]), i);
            EXPECT_EQ(liczba(2), m.stressp[i] * m.area[m.noc[i][4]]) << l[k];
        } else if (i <= m.ne + m.nn) {
            const int n = i - m.ne;
            ASSERT_EQ(p.size(), 4u) << l[k];
            EXPECT_EQ(p[0], "wezel");
            EXPECT_EQ(std::stoi(p[1]), n);
            EXPECT_EQ(liczba(2), m.f[2 * n - 1]) << l[k];
            EXPECT_EQ(liczba(3), m.f[2 * n]) << l[k];
        } else {
            const int d = i - m.ne - m.nn;
            ASSERT_EQ(p.size(), 3u) << l[k];
            EXPECT_EQ(p[0], "reakcja");
            EXPECT_EQ(std::stoi(p[1]), m.nu[d]);
            EXPECT_EQ(liczba(2), m.react[d]) << l[k];
        }
    }
}

TEST_F(Analizator, TablesListEveryResultUnderItsHeader) {
    Model m;
    pratt(m, 2, 3.0f, 4.0f, 2);
    const Przebieg w = uruchom({zapisz("most.V2D", m)});
    ASSERT_EQ(w.kod, 0) << w.bledy;
    ASSERT_TRUE(obliczenia(m).sukces());
    const auto l = linie(w.wyjscie);
    ASSERT_EQ(l.size(), static_cast<std::size_t>(3 + m.ne + m.nn + m.nd + 2));
    const int wezly = m.ne + 2, podpory = m.ne + m.nn + 4;  // header lines
    EXPECT_EQ(l[0].rfind("Element", 0), 0u);
    EXPECT_EQ(l[wezly].rfind("Węzeł", 0), 0u);
    EXPECT_EQ(l[podpory].rfind("Podpora w węźle", 0), 0u);
    // Each row ends with its last value, formatted as the results window formats it.
    auto konczy_sie = [](const std::string& wiersz, const char* format, float v) {
        char t[64];
        std::snprintf(t, sizeof t, format, static_cast<double>(v));
        const std::string s = std::string(t).substr(std::string(t).find_first_not_of(' '));
        return wiersz.ends_with(s);
    };
    EXPECT_NE(l[0].find("Siła osiowa"), std::string::npos);
    for (int i = 1; i <= m.ne; ++i)
        EXPECT_TRUE(konczy_sie(l[i], "%12.8f", m.stressp[i] * m.area[m.noc[i][4]])) << l[i];
    for (int i = 1; i <= m.nn; ++i) EXPECT_TRUE(konczy_sie(l[wezly + i], "%2.15f", m.f[2 * i]));
    for (int i = 1; i <= m.nd; ++i) {
        EXPECT_EQ(l[podpory + i].rfind(etykieta_dof(m.nu[i]), 0), 0u);
        EXPECT_TRUE(konczy_sie(l[podpory + i], "%2.15f", m.react[i]));
    }
}

// A statically determinate truss, solved by hand by the method of joints: its axial forces do not
// depend on E or A, so bars of different sections must still give them.
TEST_F(Analizator, AxialForcesOfADeterminateTriangleAreThoseOfTheMethodOfJoints) {
    // 8 wide, 3 high; pinned at node 1, on a roller at node 2; 6 to the right and 10 down at the
    // apex. Reactions: R1x = -6, R2y = (10 * 4 + 6 * 3) / 8 = 7.25, R1y = 2.75.
    Model m;
    zbuduj(m, Opis{.wezly = {{0, 0}, {8, 0}, {4, 3}},
                   .prety = {{1, 2, 1, 1}, {1, 3, 1, 2}, {2, 3, 1, 1}},
                   .pola = {0.01f, 0.025f},
                   .podpory = {{1, 0}, {2, 0}, {4, 0}},
                   .sily = {{5, 6}, {6, -10}}});
    const double n13 = -2.75 / 0.6;    // joint 1, vertically
    const double n12 = 6 - n13 * 0.8;  // joint 1, horizontally
    const double n23 = -7.25 / 0.6;    // joint 2, vertically
    const Przebieg w = uruchom({"--csv", zapisz("trojkat.V2D", m)});
    ASSERT_EQ(w.kod, 0) << w.bledy;
    std::vector<double> sily;
    for (const std::string& l : linie(w.wyjscie)) {
        const auto p = pola(l);
        if (p[0] == "sila") sily.push_back(std::strtod(p[2].c_str(), nullptr));
    }
    ASSERT_EQ(sily.size(), 3u);
    const double reczne[] = {n12, n13, n23};
    for (int i = 0; i < 3; ++i) EXPECT_NEAR(sily[i], reczne[i], 1e-4 * std::fabs(reczne[i])) << i;
    EXPECT_NE(uruchom({"--help"}).wyjscie.find("sila,<pręt>,<siła osiowa>"), std::string::npos);
}

TEST_F(Analizator, NumbersKeepTheirDecimalPointUnderAPolishLocale) {
    const std::string polski = "pl_PL.UTF-8";
    if (!std::setlocale(LC_ALL, polski.c_str())) GTEST_SKIP() << polski << " is not installed";
    std::setlocale(LC_ALL, "C");
    Model m;
    pratt(m, 4, 3.0f, 4.0f, 4);
    const std::string p = zapisz("most.V2D", m);
    for (const char* tryb : {"--csv", "--"}) {
        const Przebieg c = uruchom({tryb, p}, "LC_ALL=C");
        const Przebieg pl = uruchom({tryb, p}, "LC_ALL=" + polski);
        ASSERT_EQ(pl.kod, 0) << pl.bledy;
        EXPECT_NE(pl.wyjscie.find('.'), std::string::npos);
        EXPECT_EQ(pl.wyjscie, c.wyjscie);
    }
}

TEST_F(Analizator, EveryExampleAnalyses) {
    int ile = 0;
    for (const auto& w : fs::directory_iterator(zrodla() / "examples")) {
        if (w.path().extension() != ".V2D") continue;
        ++ile;
        const Przebieg p = uruchom({w.path().string()});
        EXPECT_EQ(p.kod, 0) << w.path() << "\n" << p.bledy;
    }
    EXPECT_GE(ile, 3);
}

TEST_F(Analizator, ClampedWarmedBarExampleIsCompressedByEAlphaDeltaT) {
    const std::string p = (zrodla() / "examples" / "pret_temperatura.V2D").string();
    Model m;
    std::string powod;
    ASSERT_TRUE(otworz_v2d(p, m, powod)) << powod;
    ASSERT_EQ(m.ntel, 1);
    const double oczekiwane = -static_cast<double>(m.pm[1][1]) * m.pm[1][2] * m.temp[1];
    ASSERT_NE(oczekiwane, 0.0);

    const Przebieg w = uruchom({"--csv", p});
    ASSERT_EQ(w.kod, 0) << w.bledy;
    const auto l = linie(w.wyjscie);
    ASSERT_FALSE(l.empty());
    const auto pierwszy = pola(l[0]);
    ASSERT_EQ(pierwszy.size(), 3u);
    EXPECT_NEAR(std::strtod(pierwszy[2].c_str(), nullptr), oczekiwane,
                1e-3 * std::fabs(oczekiwane));
}

// Pictures are drawn without a display, say nothing on the error stream, and are written only
// for a truss that analysed; the results are printed as always.
TEST_F(Analizator, PicturesAreWrittenInTheirFormatOnlyAfterASuccessfulAnalysis) {
    Model m;
    pratt(m, 4, 3.0f, 4.0f, 4);
    const std::string dobry = zapisz("dobry.V2D", m);
    pratt(m, 4);
    const std::string mechanizm = zapisz("mechanizm.V2D", m);
    const std::string png = folder + "/a.png", svg = folder + "/a.svg", pdf = folder + "/a.pdf";

    const struct {
        std::vector<std::string> argumenty;
        int kod;
        bool wyniki;
        const char* w_bledach;
        std::vector<std::pair<std::string, std::string>> pliki;  // name, what its head holds
    } przypadki[] = {
        {{"--png", png, "--svg", svg, "--pdf", pdf, "--rozmiar", "400x300", dobry},
         0,
         true,
         "",
         {{png, "\x89PNG"}, {svg, "<svg"}, {pdf, "%PDF-"}}},
        {{"--png", png, mechanizm}, 3, false, "Zero na przekątnej", {}},
        {{"--png", png, "--rozmiar", "100x300", dobry},
         2,
         false,
         "Zły rozmiar rysunku: 100x300",
         {}},
        {{"--png", png, "--rozmiar", "400x", dobry}, 2, false, "Zły rozmiar rysunku", {}},
        {{"--png", png, "--rozciagniety", "--jednostki", "kN_m", dobry},
         0,
         true,
         "",
         {{png, "\x89PNG"}}},
        {{"--png", png, "--jednostki", "kN", dobry}, 2, false, "Nieznane jednostki: kN", {}},
        {{dobry, "--png"}, 2, false, "Brak wartości opcji --png", {}},
        {{"--png", folder + "/brak/a.png", dobry}, 2, true, "Nie można zapisać rysunku", {}},
        // The report is written instead of the tables, and only of a truss that analysed.
        {{"--raport", pdf, dobry}, 0, false, "", {{pdf, "%PDF-"}}},
        {{"--raport", pdf, mechanizm}, 3, false, "Zero na przekątnej", {}},
        {{"--raport", folder + "/brak/r.pdf", dobry}, 2, false, "Nie można zapisać raportu", {}},
        {{dobry, "--raport"}, 2, false, "Brak wartości opcji --raport", {}},
    };
    for (const auto& p : przypadki) {
        const std::string opis = p.argumenty[p.argumenty.size() - 2];
        fs::remove(png), fs::remove(svg), fs::remove(pdf);
        const Przebieg w = uruchom(p.argumenty, "-u DISPLAY -u QT_QPA_PLATFORM");
        EXPECT_EQ(w.kod, p.kod) << opis << "\n" << w.bledy;
        if (*p.w_bledach == '\0')
            EXPECT_EQ(w.bledy, "") << opis;
        else
            EXPECT_NE(w.bledy.find(p.w_bledach), std::string::npos) << opis << "\n" << w.bledy;
        EXPECT_EQ(w.wyjscie.find("Naprężenie") != std::string::npos, p.wyniki) << opis;
        for (const auto& [plik, poczatek] : p.pliki)
            EXPECT_NE(zawartosc(plik).substr(0, 300).find(poczatek), std::string::npos) << plik;
        if (p.pliki.empty()) {
            EXPECT_FALSE(fs::exists(png)) << opis;
            EXPECT_FALSE(fs::exists(pdf)) << opis;
        }
    }
}

}  // namespace

// A project of three cases: each case, combination and the envelope on request, the same numbers
// the window computes, and wrong choices refused.
TEST_F(Analizator, ProjektZPrzypadkamiDajePrzypadekKombinacjeIObwiednie) {
    Model m;
    zbuduj(m, {.wezly = {{0, 0}, {3, 1}, {6, 0}, {3, 0}},
               .prety = {{1, 2, 1, 1}, {2, 3, 1, 1}, {1, 4, 1, 1}, {4, 3, 1, 1}, {2, 4, 1, 1}},
               .podpory = {{1, 0}, {2, 0}, {6, 0}},
               .sily = {{4, -10}}});
    Projekt p;
    p.ciezar = {78.5f};
    p.przypadki[0].ciezar_wlasny = true;
    PrzypadekObciazen s = Projekt::nowy_przypadek(2), w = Projekt::nowy_przypadek(3);
    s.nazwa = "Śnieg", s.zmienny = true, s.kategoria = 9, s.psi0 = 0.5, s.psi1 = 0.2;
    s.obc = {.ild = {4}, .al = {-6}};
    w.nazwa = "Wiatr", w.zmienny = true, w.kategoria = 10, w.psi0 = 0.6, w.psi1 = 0.2;
    w.obc = {.ild = {3, 4}, .al = {2, 3}};
    p.przypadki = {p.przypadki[0], s, w};
    const std::string plik = folder + "/wiazar.v2dp";
    std::string powod;
    ASSERT_TRUE(zapisz_projekt(plik, {m, p, UkladJednostek::kN_m, {}}, powod)) << powod;

    const struct {
        std::vector<std::string> argumenty;
        int kod;
        const char* na_wyjsciu;
        const char* w_bledach;
    } przypadki[] = {
        {{"--lista", plik},
         0,
         "K9  SGN 9 (6.10b, wiodące: Śnieg)  1,1475·Przypadek 1 + 1,5·Śnieg",
         ""},
        {{"--przypadek", "2", plik}, 0, "Przypadek 2: Śnieg\n\nElement", ""},
        {{"--kombinacja", "9", plik}, 0, "Kombinacja SGN 9", ""},
        {{"--obwiednia", plik}, 0, "Kombinacja min", ""},
        {{"--csv", "--wszystkie", plik}, 0, "\nK25,reakcja,6,", ""},
        {{"--kombinacja", "99", plik}, 2, "", "Projekt nie ma kombinacji 99 (ma 25)"},
        {{"--przypadek", "0", plik}, 2, "", "Opcja --przypadek wymaga numeru od 1"},
        {{"--przypadek", plik}, 2, "", "wymaga numeru"},
    };
    for (const auto& c : przypadki) {
        SCOPED_TRACE(c.argumenty[0]);
        const Przebieg r = uruchom(c.argumenty);
        EXPECT_EQ(r.kod, c.kod) << r.bledy;
        EXPECT_NE(r.wyjscie.find(c.na_wyjsciu), std::string::npos) << r.wyjscie;
        EXPECT_NE(r.bledy.find(c.w_bledach), std::string::npos) << r.bledy;
    }

    // The numbers: case 2 and the envelope as the analysis in this process gives them.
    ZadaniePrzypadkow z = zadanie_projektu(m, p);
    ASSERT_TRUE(obliczenia(m, Rozwiazanie::samo, &z).sukces());
    const std::vector<std::string> przypadek2 =
        linie(uruchom({"--csv", "--przypadek", "2", plik}).wyjscie);
    for (int e = 1; e <= m.ne; ++e) {
        const std::vector<std::string> l = pola(przypadek2.at(static_cast<std::size_t>(e - 1)));
        EXPECT_EQ(std::stof(l.at(2)), m.wyniki[1].stressp[e - 1]) << "bar " << e;
    }
    const std::vector<Kombinacja> k = kombinacje_projektu(p);
    const ObwiedniaWynikow o = obwiednia_wynikow(m.wyniki, k);
    const std::vector<std::string> obw = linie(uruchom({"--csv", "--obwiednia", plik}).wyjscie);
    for (int e = 1; e <= m.ne; ++e) {
        const std::vector<std::string> l = pola(obw.at(static_cast<std::size_t>(e - 1)));
        EXPECT_EQ(l.at(0), "obwiednia");
        EXPECT_FLOAT_EQ(std::stof(l.at(2)), static_cast<float>(o.s_min[e - 1]));
        EXPECT_FLOAT_EQ(std::stof(l.at(3)), static_cast<float>(o.s_max[e - 1]));
        EXPECT_EQ(std::stoi(l.at(7)), o.ks_max[e - 1] + 1);
    }
}

// A project with steel sections gets its design after the results, as the window works it out.
TEST_F(Analizator, ProjektZPrzekrojamiStalowymiDajeWymiarowaniePretow) {
    Model m;
    zbuduj(m, {.wezly = {{0, 0}, {3, 1}, {6, 0}, {3, 0}},
               .prety = {{1, 2, 1, 1}, {2, 3, 1, 1}, {1, 4, 1, 2}, {4, 3, 1, 2}, {2, 4, 1, 2}},
               .pola = {0.001f, 0.001f},
               .podpory = {{1, 0}, {2, 0}, {6, 0}},
               .sily = {{4, -60}}});
    Projekt p;
    rozwin_wymiarowanie(p.wymiarowanie, 2, 5);
    p.wymiarowanie.przekroje[0] = {.rodzina = "RO", .profil = "RO 114,3x3,6"};
    const std::string plik = folder + "/stal.v2dp";
    std::string powod;
    ASSERT_TRUE(zapisz_projekt(plik, {m, p, UkladJednostek::kN_m, {}}, powod)) << powod;

    const Przebieg t = uruchom({plik});
    EXPECT_EQ(t.kod, 0) << t.bledy;
    EXPECT_NE(
        t.wyjscie.find("Wymiarowanie prętów (PN-EN 1993-1-1): 2 spełnia, 0 nie spełnia, 3 nie "
                       "sprawdzono"),
        std::string::npos)
        << t.wyjscie;
    EXPECT_NE(t.wyjscie.find("Największe przemieszczenie SGU"), std::string::npos);
    EXPECT_NE(t.wyjscie.find("1 (domyślny)"), std::string::npos) << "the net-area ratio is said";

    ZadaniePrzypadkow z = zadanie_projektu(m, p);
    ASSERT_TRUE(obliczenia(m, Rozwiazanie::samo, &z).sukces());
    const WynikWymiarowania w = wymiaruj(m, p, UkladJednostek::kN_m, kombinacje_projektu(p));
    std::vector<std::string> l;
    for (const std::string& s : linie(uruchom({"--csv", plik}).wyjscie))
        if (s.rfind("wymiarowanie,", 0) == 0) l.push_back(s);
    ASSERT_EQ(l.size(), 5u);
    EXPECT_NE(l[0].find(",\"RO 114,3x3,6\","), std::string::npos) << l[0];
    EXPECT_NE(l[0].find("spelnia"), std::string::npos) << l[0];
    EXPECT_NE(l[2].find("nie_sprawdzono"), std::string::npos) << l[2];
    for (int b : {0, 1}) {
        // The U column: the fifth field after the quoted profile.
        const std::string& s = l[static_cast<std::size_t>(b)];
        const std::size_t za_profilem = s.find("\",") + 2;
        const std::vector<std::string> f = pola(s.substr(za_profilem));
        EXPECT_NEAR(std::stod(f.at(4)), w.prety[b].U, 1e-5) << s;  // six digits printed
    }
    // Without units the design says what it lacks; the results are printed all the same.
    ASSERT_TRUE(zapisz_projekt(plik, {m, p, UkladJednostek::brak, {}}, powod)) << powod;
    const Przebieg b = uruchom({plik});
    EXPECT_EQ(b.kod, 0);
    EXPECT_NE(b.bledy.find("Widok → Jednostki"), std::string::npos) << b.bledy;
}
