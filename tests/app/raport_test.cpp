// SPDX-License-Identifier: GPL-3.0-or-later
// The calculation report of a roof truss with two load cases, written as PDF and read back as
// text (poppler's pdftotext) as a checker would copy it out: every bar's axial force as the
// tables print it, and the units in the headers.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "files/wymiarowanie_projektu.h"
#include "okno/okno.h"
#include "qt/raport.h"
#include "report/liczby.h"
#include "report/raport.h"
#include "tests/wspolne/atrapa.h"

namespace {

std::string tekst_pdf(const std::string& pdf) {
    const std::string txt = pdf + ".txt";
    const std::string polecenie = "pdftotext -layout '" + pdf + "' '" + txt + "' 2>/dev/null";
    if (std::system(polecenie.c_str()) != 0) return "";
    std::ifstream f(txt);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

std::vector<std::string> slowa(const std::string& linia) {
    std::istringstream s(linia);
    std::vector<std::string> w;
    for (std::string t; s >> t;) w.push_back(t);
    return w;
}

// The rows of the table titled `tytul` (over every page it runs onto) by their first word, up to
// the next table of another title.
std::map<std::string, std::vector<std::string>> wiersze(const std::string& tekst,
                                                        const std::string& tytul) {
    std::map<std::string, std::vector<std::string>> w;
    std::istringstream s(tekst);
    bool w_tabeli = false;
    for (std::string l; std::getline(s, l);) {
        if (l.find("Tabela ") != std::string::npos) {
            w_tabeli = l.find(tytul) != std::string::npos;
            continue;
        }
        const std::vector<std::string> sl = slowa(l);
        if (w_tabeli && sl.size() >= 2 && w.count(sl[0]) == 0) w[sl[0]] = sl;
    }
    return w;
}

}  // namespace

TEST(RaportPdf, KazdaSilaOsiowaJakWTabeliIJednostkiWNaglowkach) {
    if (std::system("pdftotext -v >/dev/null 2>&1") != 0) GTEST_SKIP() << "brak pdftotext";
    Atrapa a;
    _OKNO_ o(a);
    a.okno = &o;
    // A Fink roof of 24 m, rise 4 m, 5 kN at each top-chord node; snow 8 kN down there.
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
    o.jednostki = UkladJednostek::kN_m;
    a.wpisy.push_back({{{8500, "Śnieg"}, {8501, "1"}, {8502, "9"}}, 1});
    o.Find(CM_PRZ_NOWY);
    for (int n = 1; n <= o.model.nn; ++n)
        if (o.model.x[n][2] > 0) {
            a.wpisy.push_back({{{8500, std::to_string(n)}, {8501, "-8"}, {8630, "1"}}, 1});
            o.Find(51687);
        }
    // Every section a steel tube, so that the report has its design chapter.
    for (int n = 1; n <= o.model.na; ++n) {
        a.wpisy.push_back({{{8004, std::to_string(n)}}, 1});
        a.wpisy.push_back({{{8500, "8"}, {8501, "0"}}, 1});  // RO, S235
        a.wpisy.push_back({{{8500, "12"}}, 1});
        o.Find(CM_WYM_PRZEKROJ);
    }
    o.Find(1010);
    ASSERT_EQ(o.model.wyniki.size(), 2u);
    QTemporaryDir folder;
    const std::string pdf = folder.filePath("dach.pdf").toStdString();
    a.wpisy.push_back({{{8511, "1"}}, 1});  // the envelope and the snow
    a.pliki.push_back(pdf);
    o.Find(CM_RAPORT);
    ASSERT_EQ(a.bledy_skryptu, 0);
    ASSERT_EQ(a.raporty.size(), 1u);
    std::string powod;
    ASSERT_TRUE(zapisz_raport_pdf(pdf, a.raporty[0].second, powod)) << powod;
    const std::string tekst = tekst_pdf(pdf);
    ASSERT_FALSE(tekst.empty());

    // The snow's forces as the solver left them, N = σ·A, printed by the report's rules.
    const WynikPrzypadku& snieg = o.model.wyniki[1];
    std::vector<double> N;
    KolumnaLiczb kolumna;
    for (int e = 1; e <= o.model.ne; ++e) {
        N.push_back(double(snieg.stressp[e - 1]) * o.model.area[o.model.noc[e][4]]);
        kolumna.obejmij(N.back());
    }
    const auto sily = wiersze(tekst, "Siły osiowe i naprężenia, Przypadek P2: Śnieg");
    ASSERT_EQ(sily.count("Pręt"), 1u) << tekst;
    EXPECT_EQ(sily.at("Pręt"), (std::vector<std::string>{"Pręt", "N", "[kN]", "σ", "[kN/m²]"}));
    for (int e = 1; e <= o.model.ne; ++e) {
        const auto w = sily.find(std::to_string(e));
        ASSERT_NE(w, sily.end()) << "bar " << e;
        EXPECT_EQ(w->second[1], kolumna(N[e - 1])) << "bar " << e;
    }
    const auto ux = wiersze(tekst, "Przemieszczenia węzłów, Przypadek P2");
    ASSERT_EQ(ux.count("Węzeł"), 1u);
    EXPECT_EQ(ux.at("Węzeł"), (std::vector<std::string>{"Węzeł", "ux", "[m]", "uy", "[m]"}));

    // Each bar's utilisation as the design gives it, in the row of the bar.
    const auto w = o.wymiarowanie();
    ASSERT_TRUE(w);
    KolumnaLiczb kolumna_U(3);
    for (const WymiarowaniePreta& b : w->prety) kolumna_U.obejmij(b.U);
    const auto wym = wiersze(tekst, "Wymiarowanie prętów");
    ASSERT_EQ(wym.count("Pręt"), 1u) << tekst;
    for (const char* naglowek : {"min", "max", "N_Rd", "χ", "U", "[kN]"})
        EXPECT_NE(std::find(wym.at("Pręt").begin(), wym.at("Pręt").end(), naglowek),
                  wym.at("Pręt").end())
            << naglowek;
    for (int e = 1; e <= o.model.ne; ++e) {
        const auto r = wym.find(std::to_string(e));
        ASSERT_NE(r, wym.end()) << "bar " << e;
        const std::string U = kolumna_U(w->prety[static_cast<std::size_t>(e - 1)].U);
        EXPECT_NE(std::find(r->second.begin(), r->second.end(), U), r->second.end())
            << "bar " << e << ": U = " << U;
    }
    // The governing bar of a section written out, formulas and numbers.
    EXPECT_NE(tekst.find("Obliczenia prętów decydujących"), std::string::npos);
    EXPECT_NE(tekst.find("Decyduje:"), std::string::npos);
}

// A model the user has only begun, analysed or not, still gives a report that opens.
TEST(RaportPdf, ModelDopieroZaczetyDajeRaport) {
    Atrapa a;
    _OKNO_ o(a);
    a.okno = &o;
    QTemporaryDir folder;
    const std::string pdf = folder.filePath("r.pdf").toStdString();
    auto raport = [&](const char* opis) {
        std::remove(pdf.c_str());
        a.odpowiedzi.push_back(IDNO);  // no analysis first
        a.wpisy.push_back({{}, 1});
        a.pliki.push_back(pdf);
        o.Find(CM_RAPORT);
        ASSERT_FALSE(a.raporty.empty()) << opis;
        std::string powod;
        EXPECT_TRUE(zapisz_raport_pdf(pdf, a.raporty.back().second, powod)) << opis << powod;
        EXPECT_NE(tekst_pdf(pdf).find("Strona 1 z"), std::string::npos) << opis;
    };
    o.Find(1070);
    raport("no nodes");
    a.wpisy.push_back({{{8500, "1"}, {8501, "0"}}, 1});
    o.Find(51682);
    raport("one node");
    EXPECT_EQ(a.bledy_skryptu, 0);
}
