// SPDX-License-Identifier: GPL-3.0-or-later
// Load cases and combinations on a roof truss, driven through the commands as a user would:
// dead load with self-weight, snow, wind from the left and from the right in one exclusive group.
// Each case is checked against an analysis of its own (as a .V2D file made by hand would give),
// the combinations against the list PN-EN 1990 asks for, worked out by hand, and the envelope
// against every combination summed anew.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <set>

#include "core/analiza.h"
#include "files/eksport.h"
#include "files/v2d.h"
#include "files/wyniki_projektu.h"
#include "okno/okno.h"
#include "tests/wspolne/atrapa.h"

namespace {

constexpr float gestosc = 78.5f;  // kN/m3, steel

struct Dach : testing::Test {
    Atrapa a;
    _OKNO_ o{a};
    std::vector<int> lewe, prawe;  // top-chord nodes that carry loads, either side of the ridge

    void SetUp() override {
        a.okno = &o;
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
        const Model& m = o.model;
        for (int n = 1; n <= m.nn; ++n)
            if (m.x[n][2] > 0) (m.x[n][1] < 12 ? lewe : prawe).push_back(n);
        ASSERT_EQ(lewe.size() + prawe.size(), 7u);  // the ridge lies on the right
    }
    void TearDown() override { EXPECT_EQ(a.bledy_skryptu, 0); }

    void sila(int wezel, const char* wartosc, bool x) {
        a.wpisy.push_back(
            {{{8500, std::to_string(wezel)}, {8501, wartosc}, {x ? 8620 : 8630, "1"}}, 1});
        o.Find(51687);
    }
    void przypadek(const char* nazwa, const char* kategoria, const char* grupa) {
        a.wpisy.push_back({{{8500, nazwa}, {8501, "1"}, {8502, kategoria}, {8507, grupa}}, 1});
        o.Find(CM_PRZ_NOWY);
    }
    // The four cases of the roof.
    void obciazenia() {
        a.wpisy.push_back({{{8004, "1"}}, 1});
        a.wpisy.push_back({{{8500, "78,5"}}, 1});
        o.Find(CM_CIEZAR_MAT);
        a.wpisy.push_back({{{8500, "Ciężar własny i pokrycie"}, {8508, "1"}}, 1});
        o.Find(CM_PRZ_WLASCIWOSCI);
        przypadek("Śnieg", "9", "");
        for (int n : lewe) sila(n, "-8", false);
        for (int n : prawe) sila(n, "-8", false);
        przypadek("Wiatr z lewej", "10", "wiatr");
        for (int n : lewe) sila(n, "3", false), sila(n, "1,5", true);
        przypadek("Wiatr z prawej", "10", "wiatr");
        for (int n : prawe) sila(n, "3", false), sila(n, "-1,5", true);
    }
};

// The truss with case c's loads alone in its arrays, self-weight turned into nodal forces by
// hand: what one .V2D file per case holds.
Konstrukcja jak_v2d(const _OKNO_& o, int c) {
    Konstrukcja k = kopia(o.model, false);
    ObciazeniaPrzypadku l = obciazenia_przypadkow(o.model, o.projekt)[static_cast<std::size_t>(c)];
    if (o.projekt.przypadki[static_cast<std::size_t>(c)].ciezar_wlasny) {
        std::map<int, double> ciezar;  // Y DOF -> the half weights of its bars
        for (int e = 1; e <= k.ne; ++e) {
            const float* p = k.x[k.noc[e][1]];
            const float* q = k.x[k.noc[e][2]];
            const double l_e = std::hypot(double(q[1]) - p[1], double(q[2]) - p[2]);
            const double pol = 0.5 * gestosc * k.area[k.noc[e][4]] * l_e;
            ciezar[2 * k.noc[e][1]] -= pol, ciezar[2 * k.noc[e][2]] -= pol;
        }
        // A force on a DOF already loaded adds to it: the store's later entry on a DOF wins.
        for (std::size_t i = 0; i < l.ild.size(); ++i)
            if (ciezar.count(l.ild[i])) ciezar[l.ild[i]] += l.al[i], l.al[i] = 0;
        for (std::size_t i = 0; i < l.ild.size(); ++i)
            if (l.al[i] == 0) l.ild.erase(l.ild.begin() + i), l.al.erase(l.al.begin() + i), --i;
        for (const auto& [d, v] : ciezar) l.ild.push_back(d), l.al.push_back(float(v));
    }
    wstaw_obciazenia(k, l);
    return k;
}

}  // namespace

TEST_F(Dach, KazdyPrzypadekLiczySieJakWlasnyPlikV2D) {
    obciazenia();
    ASSERT_EQ(o.projekt.przypadki.size(), 4u);
    o.Find(1010);
    ASSERT_TRUE(a.komunikaty.empty()) << a.komunikaty[0].tekst;
    ASSERT_EQ(o.model.wyniki.size(), 4u);
    const std::filesystem::path plik =
        std::filesystem::temp_directory_path() / ("velkora_dach_" + std::to_string(::getpid()));
    for (int c = 0; c < 4; ++c) {
        SCOPED_TRACE(c);
        std::string powod;
        ASSERT_TRUE(zapisz_v2d(plik.string(), jak_v2d(o, c), powod)) << powod;
        Model m;
        ASSERT_TRUE(otworz_v2d(plik.string(), m, powod)) << powod;
        ASSERT_TRUE(obliczenia(m).sukces());
        const WynikPrzypadku& w = o.model.wyniki[static_cast<std::size_t>(c)];
        float najwiekszy = 0;
        for (int e = 1; e <= m.ne; ++e) najwiekszy = std::max(najwiekszy, std::fabs(m.stressp[e]));
        for (int e = 1; e <= m.ne; ++e)
            EXPECT_NEAR(w.stressp[e - 1], m.stressp[e], 1e-6 * najwiekszy) << "bar " << e;
        for (int i = 1; i <= m.nd; ++i)
            EXPECT_NEAR(w.react[i - 1], m.react[i], 1e-6 * std::fabs(m.react[i]) + 1e-4);
    }
    std::filesystem::remove(plik);
}

TEST_F(Dach, KombinacjeSaTymiKtorychWymagaNormaAObwiedniaIchSkrajnymi) {
    obciazenia();
    // By hand (PN-EN 1990 6.10a/6.10b, Table A1.2(B)): G at 1.35 (xi: 1.1475 in 6.10b) or 1.00;
    // snow psi0 = 0.5, wind psi0 = 0.6, psi1 = 0.2, psi2 = 0; one wind at a time.
    // Cases: G, S, Wl, Wp.
    const std::set<std::vector<double>> sgn = {
        // 6.10a: no leading action, each variable absent or at 1.5 psi0
        {1.35, 0, 0, 0},
        {1.35, 0.75, 0, 0},
        {1.35, 0, 0.9, 0},
        {1.35, 0, 0, 0.9},
        {1.35, 0.75, 0.9, 0},
        {1.35, 0.75, 0, 0.9},
        {1, 0, 0, 0},
        {1, 0.75, 0, 0},
        {1, 0, 0.9, 0},
        {1, 0, 0, 0.9},
        {1, 0.75, 0.9, 0},
        {1, 0.75, 0, 0.9},
        // 6.10b: snow leading
        {1.1475, 1.5, 0, 0},
        {1.1475, 1.5, 0.9, 0},
        {1.1475, 1.5, 0, 0.9},
        {1, 1.5, 0, 0},
        {1, 1.5, 0.9, 0},
        {1, 1.5, 0, 0.9},
        // 6.10b: wind from the left leading, then from the right
        {1.1475, 0, 1.5, 0},
        {1.1475, 0.75, 1.5, 0},
        {1, 0, 1.5, 0},
        {1, 0.75, 1.5, 0},
        {1.1475, 0, 0, 1.5},
        {1.1475, 0.75, 0, 1.5},
        {1, 0, 0, 1.5},
        {1, 0.75, 0, 1.5}};
    const std::set<std::vector<double>> charakterystyczne = {
        {1, 0, 0, 0}, {1, 1, 0, 0},   {1, 1, 0.6, 0}, {1, 1, 0, 0.6},
        {1, 0, 1, 0}, {1, 0.5, 1, 0}, {1, 0, 0, 1},   {1, 0.5, 0, 1}};
    const std::set<std::vector<double>> czeste = {
        {1, 0, 0, 0}, {1, 0.2, 0, 0}, {1, 0, 0.2, 0}, {1, 0, 0, 0.2}};
    std::map<RodzajKombinacji, std::set<std::vector<double>>> jest;
    const std::vector<Kombinacja> k = kombinacje_projektu(o.projekt);
    for (const Kombinacja& c : k) {
        std::vector<double> w = c.wsp;
        for (double& v : w) v = std::round(v * 1e6) / 1e6;
        EXPECT_TRUE(jest[c.rodzaj].insert(w).second) << "a combination twice: " << c.nazwa;
    }
    EXPECT_EQ(jest[RodzajKombinacji::sgn], sgn);
    EXPECT_EQ(jest[RodzajKombinacji::sgu_charakterystyczna], charakterystyczne);
    EXPECT_EQ(jest[RodzajKombinacji::sgu_czesta], czeste);
    EXPECT_EQ(jest[RodzajKombinacji::sgu_quasi_stala],
              (std::set<std::vector<double>>{{1, 0, 0, 0}}));

    // The envelope shown is each bar's extreme over the ULS combinations, as summed here.
    o.Find(1010);
    a.wpisy.push_back({{{8500, std::to_string(k.size() + 1)}}, 1});
    o.Find(CM_POKAZ_WYNIKI);
    ASSERT_EQ(o.pokaz.rodzaj, PokazWynikow::obwiednia);
    EXPECT_NE(o.tytul_wynikow().find("Obwiednia"), std::string::npos);
    for (int e = 1; e <= o.model.ne; ++e) {
        double mn = INFINITY, mx = -INFINITY;
        for (const std::vector<double>& w : sgn) {
            double s = 0;
            for (int c = 0; c < 4; ++c) s += w[c] * o.model.wyniki[c].stressp[e - 1];
            mn = std::min(mn, s), mx = std::max(mx, s);
        }
        const double skrajna = std::fabs(mx) >= std::fabs(mn) ? mx : mn;
        EXPECT_NEAR(o.model.stressp[e], skrajna, 1e-5 * std::fabs(skrajna)) << "bar " << e;
    }
    // A combination shown is the sum of its cases.
    a.wpisy.push_back({{{8500, "13"}}, 1});
    o.Find(CM_POKAZ_WYNIKI);
    const std::vector<double>& w = k[12].wsp;
    double s = 0;
    for (int c = 0; c < 4; ++c) s += w[c] * o.model.wyniki[c].stressp[0];
    EXPECT_NEAR(o.model.stressp[1], s, 1e-5 * std::fabs(s));
    EXPECT_NE(o.tytul_wynikow().find(k[12].nazwa), std::string::npos);
}

TEST_F(Dach, KazdePolecenieCofaSieAProjektZapisujeIOtwieraWCalosci) {
    const Konstrukcja szablon = kopia(o.model, false);
    obciazenia();
    const Projekt projekt = o.projekt;
    // One step a command: the density, the first case's properties, three new cases and the
    // forces of snow (7 nodes) and of the two winds (3 and 4 nodes, two forces each).
    for (int i = 0; i < 1 + 1 + 3 + 7 + 2 * 3 + 2 * 4; ++i) o.Find(52011);
    EXPECT_TRUE(te_same_dane(o.model, szablon));
    EXPECT_TRUE(o.projekt == Projekt{} || o.projekt.ciezar == std::vector<float>{0.0f});
    EXPECT_EQ(o.projekt.przypadki.size(), 1u);
    EXPECT_EQ(o.historia.do_cofniecia(), "szablon kratownicy");
    while (o.historia.moze_ponowic()) o.Find(52012);
    EXPECT_TRUE(o.projekt == projekt);

    // Saved in the project format, closed and opened again: the same project, the same results.
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("velkora_dach_p_" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    o.Find(1010);
    const std::vector<WynikPrzypadku> wyniki = o.model.wyniki;
    // Save As a .V2D asks first; "Tak" saves the whole project beside it instead.
    a.pliki.push_back((folder / "dach.V2D").string());
    a.odpowiedzi = {IDYES};
    o.Find(1060);
    ASSERT_EQ(a.komunikaty.size(), 1u);
    EXPECT_NE(a.komunikaty[0].tekst.find("Przepadną: pozostałe przypadki obciążeń (3)"),
              std::string::npos)
        << a.komunikaty[0].tekst;
    EXPECT_EQ(o.plik_projektu, (folder / "dach.v2dp").string());
    EXPECT_FALSE(o.ma_zmiany());
    EXPECT_FALSE(std::filesystem::exists(folder / "dach.V2D"));
    a.odpowiedzi = {IDYES};
    o.Find(51698);
    EXPECT_EQ(o.projekt.przypadki.size(), 1u);
    a.pliki.push_back((folder / "dach.v2dp").string());
    o.Find(1020);
    EXPECT_TRUE(o.projekt == projekt);
    o.Find(1010);
    ASSERT_EQ(o.model.wyniki.size(), wyniki.size());
    for (std::size_t c = 0; c < wyniki.size(); ++c)
        EXPECT_EQ(o.model.wyniki[c].stressp, wyniki[c].stressp);
    std::filesystem::remove_all(folder);
}

TEST_F(Dach, WlasciwosciProjektuSaKrokiemARaportObejmujeWybraneWyniki) {
    obciazenia();
    a.wpisy.push_back(
        {{{8500, "Hala magazynowa"}, {8501, "J. Kowalska"}, {8502, "Wiązar dachowy 24 m"}}, 1});
    o.Find(CM_WLASCIWOSCI_PROJEKTU);
    EXPECT_EQ(o.projekt.tytul, "Hala magazynowa");
    EXPECT_EQ(o.projekt.opis, "Wiązar dachowy 24 m");
    o.Find(52011);
    EXPECT_EQ(o.projekt.tytul, "") << "one step undone";
    o.Find(52012);
    EXPECT_EQ(o.projekt.autor, "J. Kowalska");

    // Not yet analysed: the user has it worked out first. The envelope is ticked by default; a
    // combination's number beyond the list is refused and the dialog comes back with the text.
    const std::size_t kombinacji = kombinacje_projektu(o.projekt).size();
    ASSERT_GT(kombinacji, 12u) << "the numbers are typed";
    a.odpowiedzi.push_back(IDYES);
    a.wpisy.push_back({{{8511, "1"}, {8501, "2, " + std::to_string(kombinacji + 1)}}, 1});
    a.wpisy.push_back({{{8501, "1-2"}}, 1});
    a.pliki.push_back("/tmp/dach_raport.pdf");
    o.Find(CM_RAPORT);
    ASSERT_EQ(o.model.obliczono, 1);
    ASSERT_EQ(a.komunikaty.size(), 2u);
    EXPECT_EQ(a.komunikaty[1].tekst,
              "Zły numer kombinacji (od 1 do " + std::to_string(kombinacji) + ")");
    ASSERT_GE(a.pokazy.size(), 2u);
    const Pokaz& drugi = a.pokazy.back();
    EXPECT_EQ(drugi.przy_otwarciu.at(8500), "1");
    EXPECT_EQ(drugi.przy_otwarciu.at(8511), "1") << "the choice is kept when shown again";
    ASSERT_EQ(a.raporty.size(), 1u);
    const auto& [plik, doc] = a.raporty[0];
    EXPECT_EQ(plik, "/tmp/dach_raport.pdf");
    EXPECT_EQ(doc.tytul, "Hala magazynowa");
    EXPECT_EQ(doc.autor, "Autor: J. Kowalska");
    std::vector<std::string> wyniki;
    for (const Blok& b : doc.bloki)
        if (const auto* n = std::get_if<Naglowek>(&b);
            n && n->poziom == 2 && n->tekst.rfind("3.", 0) == 0)
            wyniki.push_back(n->tekst);
    const std::vector<Kombinacja> k = kombinacje_projektu(o.projekt);
    EXPECT_EQ(wyniki, (std::vector<std::string>{"3.1 Obwiednia", "3.2 Przypadek P2: Śnieg",
                                                "3.3 Kombinacja 1: " + k[0].nazwa,
                                                "3.4 Kombinacja 2: " + k[1].nazwa}));

    // Printed instead: the same document goes to the printer.
    a.wpisy.push_back({{{8502, "1"}}, 1});
    o.Find(CM_RAPORT);
    ASSERT_EQ(a.raporty.size(), 2u);
    EXPECT_EQ(a.raporty[1].first, "");
    EXPECT_EQ(a.dziennik.back(), "wydruk raportu");
}

// The CSV export says what its results are and lists the cases, their loads and the
// combinations; a project of one case writes what it always did.
TEST_F(Dach, EksportCsvNazywaWynikiIWypisujePrzypadkiIKombinacje) {
    o.Find(1010);
    const ProjektCsv jeden{o.projekt, o.pokaz};
    EXPECT_EQ(tekst_csv(o.model, true, DialektCsv::przecinki, UkladJednostek::kN_m, &jeden),
              tekst_csv(o.model, true, DialektCsv::przecinki, UkladJednostek::kN_m));
    obciazenia();
    o.Find(1010);
    const std::size_t k = kombinacje_projektu(o.projekt).size();
    a.wpisy.push_back({{{8500, std::to_string(k + 1)}}, 1});
    o.Find(CM_POKAZ_WYNIKI);
    const ProjektCsv cztery{o.projekt, o.pokaz};
    const std::string t =
        tekst_csv(o.model, true, DialektCsv::przecinki, UkladJednostek::kN_m, &cztery);
    for (const char* s : {"Pokazane wyniki\r\n\"Obwiednia: siły i reakcje SGN",
                          "Obwiednia naprężeń i sił osiowych (SGN i kombinacje własne)\r\n"
                          "Element,Naprężenie min [kN/m²]",
                          "Obciążenia — Przypadek 3: Wiatr z lewej", "4,Wiatr z prawej,Q,Wiatr,",
                          "Kombinacje obciążeń\r\n"})
        EXPECT_NE(t.find(s), std::string::npos) << s;
    EXPECT_EQ(t.find("Naprężenia i siły osiowe"), std::string::npos) << "the envelope instead";
    // One row per combination, numbered to the last.
    EXPECT_NE(t.find("\r\n" + std::to_string(k) + ",SGU qp"), std::string::npos);
}
