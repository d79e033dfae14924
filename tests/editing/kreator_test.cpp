// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "core/analiza.h"
#include "okno/okno.h"
#include "tests/wspolne/atrapa.h"
#include "tests/wspolne/kratownice.h"

namespace {

using Pola = std::vector<std::pair<int, std::string>>;

// One run of the generator over the scripted port.
struct Kreator {
    Atrapa port;
    _OKNO_ o{port};

    void ok(Pola p = {}) { port.wpisy.push_back(Wpis{std::move(p), 1}); }
    void anuluj() { port.wpisy.push_back(Wpis{{}, 2}); }
    void pret(const char* w1, const char* w2, const char* mat = "1", const char* pole = "1") {
        ok({{8500, w1}, {8501, w2}, {8502, mat}, {8503, pole}});
    }
    void wezel(const char* x, const char* y) { ok({{8500, x}, {8501, y}}); }
    void material(const char* e, const char* alp) { ok({{8500, e}, {8501, alp}}); }
    void podpora(const char* n, bool x, bool y, const char* ux = "0", const char* uy = "0") {
        ok({{8500, n}, {8501, ux}, {8502, uy}, {8600, x ? "1" : "0"}, {8610, y ? "1" : "0"}});
    }
    void sila(const char* n, const char* f, bool y = false) {
        ok({{8500, n}, {8501, f}, {y ? 8630 : 8620, "1"}});
    }
    void przekroj(const char* a) { ok({{8500, a}}); }

    // A triangle on the default counts: pinned at 1, on rollers at 2, loaded at 3.
    void trojkat() {
        ok();
        pret("1", "2"), pret("2", "3"), pret("3", "1");
        wezel("0", "0"), wezel("4", "0"), wezel("2", "3");
        material("210000", "1.2e-5");
        podpora("1", true, true), podpora("2", false, true);
        sila("3", "-10", true);
        przekroj("0.01");
    }

    std::vector<int> szablony() const {
        std::vector<int> s;
        for (const Pokaz& p : port.pokazy) s.push_back(p.szablon);
        return s;
    }
    void bez_modelu() const {
        EXPECT_EQ(o.model.Pusty, 1);
        EXPECT_EQ(o.model.obliczono, 0);
        EXPECT_FALSE(o.model.x || o.model.noc || o.model.pm || o.model.area || o.model.nu ||
                     o.model.u || o.model.f || o.model.ild || o.model.al || o.model.stressp ||
                     o.model.react);
        EXPECT_EQ(port.dziennik.back(), "odswiez");
        EXPECT_EQ(port.bledy_skryptu, 0);
    }
};

TEST(Kreator, DomyslnePytajaOKazdyElementPoKoleiAGotowyModelJestOtwartyINieobliczony) {
    Kreator k;
    k.o.model.nbw = 7;
    k.trojkat();
    k.o.Cm_kreator();
    EXPECT_EQ(k.szablony(), (std::vector<int>{3000, 3010, 3010, 3010, 3020, 3020, 3020, 3050, 3030,
                                              3030, 3040, 3060}));
    const auto& p = k.port.pokazy[0].przy_otwarciu;
    EXPECT_EQ((std::vector<std::string>{p.at(3001), p.at(3002), p.at(3003), p.at(3004), p.at(3005),
                                        p.at(3006)}),
              (std::vector<std::string>{"3", "3", "2", "1", "1", "1"}));
    EXPECT_TRUE(k.port.teksty().empty());
    const Model& m = k.o.model;
    EXPECT_EQ(std::tuple(m.Pusty, m.obliczono, m.nbw, m.ntel, m.nd), std::tuple(0, 0, 0, 0, 3));
    EXPECT_EQ(k.port.tytul, "Velkora 2D - Beznazwy.V2D");
    EXPECT_EQ(k.port.dziennik.back(), "odswiez");
    EXPECT_EQ(k.port.odswiezenia, 2);
    EXPECT_EQ((std::vector<int>{m.nu[1], m.nu[2], m.nu[3], m.ild[1]}),
              (std::vector<int>{1, 2, 4, 6}));
    EXPECT_EQ(m.f[6], -10.0f);

    ASSERT_TRUE(obliczenia(k.o.model).sukces());
    // The load at the apex is carried by the supports in Y alone.
    EXPECT_NEAR(m.react[1], 0.0f, 1e-3f);
    EXPECT_NEAR(std::fabs(m.react[2] + m.react[3]), 10.0f, 1e-3f);
}

TEST(Kreator, OdrzuconaLubAnulowanaPierwszaStronaZostawiaMagazynPustyAObliczGoNieCzyta) {
    struct Przypadek {
        Pola pola;
        int wynik;
        std::vector<std::string> komunikaty;
    };
    const Przypadek przypadki[] = {
        {{}, 2, {}},
        {{{3001, "1"}}, 1, {"Zbyt mała liczba prętów"}},
        {{{3001, "0"}}, 1, {"Zbyt mała liczba prętów"}},
        {{{3001, ""}}, 1, {"Zbyt mała liczba prętów"}},
        {{{3002, "2"}}, 1, {}},
        {{{3003, "0"}}, 1, {}},
        {{{3004, "0"}}, 1, {}},
        {{{3005, "-1"}}, 1, {}},
        // A count that is not a number names its field; every such field of one OK in a row.
        {{{3006, ""}}, 1, {"Ilość różnych przekrojów nie jest liczbą"}},
        {{{3002, ""}, {3004, "2a"}, {3005, "1,5"}},
         1,
         {"Ilość węzłów nie jest liczbą", "Ilość sił obciążających nie jest liczbą",
          "Ilość materiałów nie jest liczbą"}},
    };
    for (const Przypadek& p : przypadki) {
        SCOPED_TRACE(::testing::PrintToString(p.pola));
        Atrapa a;
        _OKNO_ okno(a);
        a.wpisy.push_back(Wpis{p.pola, p.wynik});
        okno.Cm_kreator();
        EXPECT_EQ(a.teksty(), p.komunikaty);
        EXPECT_EQ(a.pokazy.size(), 1u);
        EXPECT_EQ(a.odswiezenia, 2);
        const Model& m = okno.model;
        EXPECT_EQ(m.Pusty, 1);
        EXPECT_FALSE(m.x || m.noc);
        EXPECT_EQ(std::vector<int>({m.ne, m.nn, m.nd, m.nl, m.nm, m.na, m.ntel, m.nq}),
                  std::vector<int>(8, 0));
        // The analysis finds nothing to read, and the statistics show nothing.
        a.komunikaty.clear();
        okno.Find(1010);
        EXPECT_EQ(a.teksty(), (std::vector<std::string>{
                                  "Brak węzłów!", "Zerowa długość pasma macierzy sztywności!"}));
        a.wpisy.push_back({});
        okno.Find(51699);
        for (int id : {3001, 3002, 3003, 3004, 3005, 3006})
            EXPECT_EQ(a.pokazy.back().przy_otwarciu.at(id), "0") << id;
    }
}

TEST(Kreator, KazdyBladPretaMaWlasnyKomunikatAPretWracaZeZapisanymiWartosciami) {
    Kreator k;
    k.ok();
    k.pret("2", "2");
    k.pret("4", "0", "2", "0");
    k.anuluj();
    k.o.Cm_kreator();
    // Equal nodes are reported as node 1 only; every failing field of one OK in a row.
    const std::vector<std::string> d(k.port.dziennik.begin() + 1, k.port.dziennik.end());
    EXPECT_EQ(d, (std::vector<std::string>{"dialog 3000", "dialog 3010", "box: Zły numer węzła 1",
                                           "dialog 3010", "box: Zły numer węzła 1",
                                           "box: Zły numer węzła 2", "box: Zły numer materiału",
                                           "box: Zły numer przekroju", "dialog 3010", "odswiez"}));
    for (std::size_t n : {2, 3}) {
        const auto& ponownie = k.port.pokazy[n].przy_otwarciu;
        EXPECT_EQ((std::vector<std::string>{ponownie.at(8004), ponownie.at(8500), ponownie.at(8501),
                                            ponownie.at(8502), ponownie.at(8503)}),
                  (std::vector<std::string>{"1", "0", "0", "1", "1"}));
    }
    EXPECT_EQ(std::tuple(k.port.komunikaty[0].tytul, k.port.komunikaty[0].ikona),
              std::tuple(std::string("Błąd danych"), Ikona::stop));
}

TEST(Kreator, NoweWezlyIMaterialyZaczynajaOdZeraAModulZeroPokazujeSieJako200000) {
    Kreator k;
    k.ok({{3002, "4"}});
    k.pret("1", "2"), k.pret("2", "3"), k.pret("3", "4");
    k.wezel("-1", "0");  // rejected: the retry shows the stored zeros again
    k.wezel("1", "-1");
    k.wezel("1", "1"), k.wezel("2", "0"), k.wezel("3", "0"), k.wezel("4", "0");
    k.ok();  // the material as shown
    k.anuluj();
    k.o.Cm_kreator();
    EXPECT_EQ(k.port.teksty(), (std::vector<std::string>{"Współrzędna X<0", "Współrzędna Y<0"}));
    for (std::size_t n : {4, 5, 6, 9}) {
        SCOPED_TRACE(n);
        EXPECT_EQ(k.port.pokazy[n].szablon, 3020);
        EXPECT_EQ(k.port.pokazy[n].przy_otwarciu.at(8500), "0.0000");
        EXPECT_EQ(k.port.pokazy[n].przy_otwarciu.at(8501), "0.0000");
    }
    EXPECT_EQ(k.port.pokazy[10].przy_otwarciu.at(8500), "200000.0");
    EXPECT_EQ(k.port.pokazy[10].przy_otwarciu.at(8501), "0.0000000");
    EXPECT_EQ(k.port.pokazy[11].szablon, 3030);
}

TEST(Kreator, LiczbyNieskonczoneINieliczbySaOdrzucaneKomunikatemSwojegoPola) {
    struct Przypadek {
        const char* opis;
        std::function<void(Kreator&)> do_kroku;  // accepted entries up to the step
        std::function<void(Kreator&)> zly;
        const char* komunikat;
    };
    auto prety = [](Kreator& k) { k.pret("1", "2"), k.pret("2", "3"), k.pret("3", "1"); };
    auto wezly = [prety](Kreator& k) {
        prety(k);
        k.wezel("0", "0"), k.wezel("1", "0"), k.wezel("0", "1");
    };
    auto podpory = [wezly](Kreator& k) {
        wezly(k);
        k.material("1", "0");
        k.podpora("1", true, true), k.podpora("2", true, false);
    };
    const Przypadek przypadki[] = {
        {"X nan", prety, [](Kreator& k) { k.wezel("nan", "0"); }, "Współrzędna X<0"},
        {"Y 1e39", prety, [](Kreator& k) { k.wezel("0", "1e39"); }, "Współrzędna Y<0"},
        {"E inf", wezly, [](Kreator& k) { k.material("inf", "0"); }, "Moduł Younga <=0"},
        {"alfa nan", wezly, [](Kreator& k) { k.material("1", "nan"); },
         "Wsp. rozszerzalnosci cieplnej <0"},
        {"sila -inf", podpory, [](Kreator& k) { k.sila("1", "-inf"); }, "Wartość siły równa zeru"},
        {"pole 1e39", [podpory](Kreator& k) { podpory(k), k.sila("3", "1"); },
         [](Kreator& k) { k.przekroj("1e39"); }, "Pole przkroju musi być większe od zera"},
        // Text that is not wholly a number is no number, whatever it starts with.
        {"node 1 of a bar 2a", [](Kreator&) {}, [](Kreator& k) { k.pret("2a", "3"); },
         "Zły numer węzła 1"},
        {"X 2a", prety, [](Kreator& k) { k.wezel("2a", "0"); }, "Współrzędna X<0"},
        {"E empty", wezly, [](Kreator& k) { k.material("", "0"); }, "Moduł Younga <=0"},
        {"support X abc", [wezly](Kreator& k) { wezly(k), k.material("1", "0"); },
         [](Kreator& k) { k.podpora("1", true, false, "abc"); },
         "Przemieszczenie w kierunku X nie jest liczbą"},
        {"sila abc", podpory, [](Kreator& k) { k.sila("1", "abc"); }, "Wartość siły równa zeru"},
        {"pole empty", [podpory](Kreator& k) { podpory(k), k.sila("3", "1"); },
         [](Kreator& k) { k.przekroj(""); }, "Pole przkroju musi być większe od zera"},
    };
    for (const Przypadek& p : przypadki) {
        SCOPED_TRACE(p.opis);
        Kreator k;
        k.ok();
        p.do_kroku(k);
        p.zly(k);
        k.anuluj();
        k.o.Cm_kreator();
        EXPECT_EQ(k.port.teksty(), std::vector<std::string>{p.komunikat});
        EXPECT_EQ(k.port.pokazy.back().szablon, k.port.pokazy[k.port.pokazy.size() - 2].szablon);
        k.bez_modelu();
    }
}

TEST(Kreator, PodporaWObuKierunkachDajeDwaWpisyAPodporyMogaPrzekroczycLiczbeStopniSwobody) {
    Kreator k;
    // Five supported nodes on a three-node truss give nine entries, more than its six DOFs,
    // all kept in the order typed.
    k.ok({{3003, "5"}});
    k.pret("1", "2"), k.pret("2", "3"), k.pret("3", "1");
    k.wezel("0", "0"), k.wezel("4", "0"), k.wezel("2", "3");
    k.material("210000", "0");
    k.podpora("2", true, true, "0.5", "-0.25");
    k.podpora("0", true, true);    // rejected
    k.podpora("1", false, false);  // rejected
    k.podpora("1", true, true), k.podpora("3", true, true), k.podpora("3", true, true);
    k.podpora("1", false, true, "9", "0.125");
    k.sila("0", "0");  // both wrong
    k.sila("3", "5");
    k.przekroj("0");
    k.przekroj("0.01");
    k.o.Cm_kreator();
    EXPECT_EQ(k.port.teksty(),
              (std::vector<std::string>{"Zły numer węzła", "Nie zaznaczono sposobu utwierdzenia",
                                        "Zły numer węzła", "Wartość siły równa zeru",
                                        "Pole przkroju musi być większe od zera"}));
    const Model& m = k.o.model;
    ASSERT_EQ(m.Pusty, 0);
    ASSERT_EQ(m.nd, 9);
    std::vector<std::pair<int, float>> wpisy;
    for (int i = 1; i <= m.nd; ++i) wpisy.emplace_back(m.nu[i], m.u[i]);
    EXPECT_EQ(
        wpisy,
        (std::vector<std::pair<int, float>>{
            {3, 0.5f}, {4, -0.25f}, {1, 0}, {2, 0}, {5, 0}, {6, 0}, {5, 0}, {6, 0}, {2, 0.125f}}));
    EXPECT_EQ(m.ild[1], 5);
    EXPECT_EQ(m.f[5], 5.0f);
}

TEST(Kreator, DwaPretySaNajmniejszaPrzyjetaLiczbaIDajaModelDoObliczenia) {
    Kreator k;
    k.ok({{3001, "2"}});
    k.pret("1", "2"), k.pret("2", "3");
    k.wezel("0", "0"), k.wezel("1,5", "0"), k.wezel("3", "0,5");
    k.material("210000", "0");
    k.podpora("1", true, true), k.podpora("3", true, true);
    k.sila("2", "-2,5", true);
    k.przekroj("0,01");
    k.o.Cm_kreator();
    EXPECT_TRUE(k.port.teksty().empty());
    const Model& m = k.o.model;
    ASSERT_EQ(std::tuple(m.Pusty, m.ne, m.nn, m.nd, m.nl), std::tuple(0, 2, 3, 4, 1));
    EXPECT_EQ(std::tuple(m.noc[2][1], m.noc[2][2], m.x[2][1], m.x[3][2], m.al[1], m.area[1]),
              std::tuple(2, 3, 1.5f, 0.5f, -2.5f, 0.01f));
    k.o.Find(1010);
    EXPECT_TRUE(k.port.teksty().empty());
    EXPECT_EQ(m.obliczono, 1);
}

TEST(Kreator, AnulowanieWKazdymKrokuPoPierwszejStronieNieZostawiaModelu) {
    for (int krok = 1; krok <= 11; ++krok) {
        SCOPED_TRACE(krok);
        Kreator k;
        k.trojkat();
        // Cancel the krok-th entity dialog instead of answering it.
        k.port.wpisy[static_cast<std::size_t>(krok)].wynik = 2;
        k.port.wpisy.resize(static_cast<std::size_t>(krok) + 1);
        k.o.Cm_kreator();
        EXPECT_EQ(k.port.pokazy.size(), static_cast<std::size_t>(krok) + 1);
        EXPECT_EQ(k.o.model.ne + k.o.model.nn + k.o.model.nd + k.o.model.nl + k.o.model.nm +
                      k.o.model.na + k.o.model.nq,
                  0);
        EXPECT_EQ(k.port.tytul, "");
        k.bez_modelu();
    }
}

TEST(Kreator, OtwartyModelJestPorzucanyTylkoZaZgoda) {
    Kreator k;
    zbuduj(k.o.model, Opis{.wezly = {{0, 0}, {1, 0}}, .prety = {{1, 2, 1, 1}}});
    k.o.model.obliczono = 1;
    k.port.odpowiedzi = {IDNO};
    k.o.Cm_kreator();
    EXPECT_EQ(k.port.teksty(), std::vector<std::string>{"Utworzyć nowe dane ?"});
    EXPECT_EQ(k.port.komunikaty[0].tytul, "Velkora 2D");
    EXPECT_TRUE(k.port.pokazy.empty());
    EXPECT_EQ(k.o.model.Pusty, 0);
    EXPECT_EQ(k.o.model.ne, 1);
    EXPECT_EQ(k.o.model.obliczono, 1);

    k.port.odpowiedzi = {IDYES};
    k.trojkat();
    k.o.Cm_kreator();
    EXPECT_EQ(k.o.model.Pusty, 0);
    EXPECT_EQ(k.o.model.ne, 3);
    EXPECT_EQ(k.o.model.obliczono, 0);
}

}  // namespace
