// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "files/v2d.h"
#include "okno/okno.h"
#include "tests/wspolne/atrapa.h"
#include "tests/wspolne/cichy_port.h"
#include "tests/wspolne/kratownice.h"

namespace fs = std::filesystem;

namespace {

struct PlikProjektu : testing::Test {
    Atrapa a;
    _OKNO_ o{a};
    fs::path katalog;

    void SetUp() override {
        a.okno = &o;
        katalog = fs::temp_directory_path() /
                  ("velkora_projekt_" + std::to_string(::getpid()) + "_" +
                   testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(katalog);
    }
    void TearDown() override {
        EXPECT_EQ(a.bledy_skryptu, 0);
        fs::remove_all(katalog);
    }
    std::string plik(const char* nazwa) const { return (katalog / nazwa).string(); }

    // A small truss on disk, analysable.
    std::string zapisany_pratt(const char* nazwa, int przesla = 4) {
        Model m;
        pratt(m, przesla, 3.f, 4.f, przesla);
        std::string powod;
        EXPECT_TRUE(zapisz_v2d(plik(nazwa), m, powod)) << powod;
        return plik(nazwa);
    }
    void otworz(const std::string& sciezka) {
        a.pliki.push_back(sciezka);
        o.Find(1020);
    }
    static std::string bajty(const std::string& sciezka) {
        std::ifstream f(sciezka, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(f), {});
    }
};

}  // namespace

TEST_F(PlikProjektu, NowyBezOtwartegoProjektuNiePytaIOtwieraPusty) {
    o.model.nbw = 12;
    o.Find(1070);
    EXPECT_TRUE(a.komunikaty.empty());
    EXPECT_EQ(o.model.Pusty, 0);
    EXPECT_EQ(o.model.nn + o.model.ne + o.model.nd + o.model.nl, 0);
    EXPECT_EQ(o.model.nbw, 12) << "New keeps the band of the last analysis";
    EXPECT_EQ(a.tytul, "Velkora 2D - Beznazwy.V2D");
}

TEST_F(PlikProjektu, PytaniaNowegoIZamknieciaDecydujaOLosieProjektu) {
    otworz(zapisany_pratt("a.V2D"));
    o.Find(1010);
    ASSERT_EQ(o.model.obliczono, 1);
    const std::string tytul = a.tytul;

    a.odpowiedzi = {IDNO};
    o.Find(1070);
    EXPECT_EQ(a.komunikaty.back().tekst, "Utworzyć nowy projekt ?");
    EXPECT_EQ(a.komunikaty.back().tytul, "Velkora 2D");
    EXPECT_EQ(a.komunikaty.back().ikona, Ikona::pytajnik);
    EXPECT_EQ(o.model.obliczono, 1);
    EXPECT_EQ(a.tytul, tytul);

    a.odpowiedzi = {IDNO};
    o.Find(51698);
    EXPECT_EQ(a.komunikaty.back().tekst, "Zamknąć projekt ?");
    EXPECT_EQ(o.model.Pusty, 0);
    EXPECT_EQ(o.model.obliczono, 1);
    EXPECT_EQ(a.tytul, tytul);

    a.odpowiedzi = {IDYES};
    o.Find(1070);
    EXPECT_EQ(o.model.Pusty, 0);
    EXPECT_EQ(o.model.obliczono, 0);
    EXPECT_EQ(o.model.nn, 0);
    EXPECT_EQ(a.tytul, "Velkora 2D - Beznazwy.V2D");

    a.odpowiedzi = {IDYES};
    o.Find(51698);
    EXPECT_EQ(o.model.Pusty, 1);
    EXPECT_EQ(a.tytul, "Velkora 2D");
}

TEST_F(PlikProjektu, KoniecZawszePytaINieZamykaPoOdmowie) {
    a.odpowiedzi = {IDNO, IDYES};
    o.Find(1040);
    EXPECT_FALSE(a.zamkniete);
    EXPECT_EQ(a.teksty(), std::vector<std::string>{"Zakończyć działanie programu ?"});
    o.Find(1040);
    EXPECT_TRUE(a.zamkniete);
}

TEST_F(PlikProjektu, OtwarciePlikuUstawiaTytulZeSciezkaIZerujePasmo) {
    const std::string p = zapisany_pratt("most.V2D");
    o.model.nbw = 50;
    otworz(p);
    EXPECT_EQ(o.model.Pusty, 0);
    EXPECT_EQ(o.model.nbw, 0);
    EXPECT_EQ(o.model.obliczono, 0);
    EXPECT_EQ(o.model.ne, 17);
    EXPECT_EQ(a.tytul, "Velkora 2D - " + p);
    EXPECT_GT(a.odswiezenia, 0);
}

TEST_F(PlikProjektu, AnulowaneLubOdrzuconeOtwarcieZostawiaOtwartyModelNietkniety) {
    otworz(zapisany_pratt("a.V2D"));
    o.Find(1010);
    const std::string tytul = a.tytul;
    const float ugiecie = o.model.f[6];
    {
        std::ofstream z(plik("zly.V2D"), std::ios::binary);
        z << "to nie jest projekt";
    }
    a.pliki = {std::nullopt, plik("zly.V2D"), plik("brak.V2D")};
    o.Find(1020);
    o.Find(1020);
    o.Find(1020);
    EXPECT_EQ(o.model.Pusty, 0);
    EXPECT_EQ(o.model.obliczono, 1);
    EXPECT_EQ(o.model.f[6], ugiecie);
    EXPECT_EQ(a.tytul, tytul);
    ASSERT_EQ(a.komunikaty.size(), 2u);
    const std::string nazwane[] = {plik("zly.V2D"), plik("brak.V2D")};
    for (int i = 0; i < 2; ++i) {
        const Komunikat& k = a.komunikaty[i];
        EXPECT_EQ(k.tekst.rfind("Nie można otworzyć pliku " + nazwane[i] + "\n", 0), 0u)
            << k.tekst;
        EXPECT_EQ(k.tytul, "Błąd operacji dyskowej");
        EXPECT_EQ(k.ikona, Ikona::wykrzyknik);
    }
}

// The command line and the file manager hand the program a path: no dialog, the same reading,
// caption and refusal as "Otwórz"; the dialogs offer that file next.
TEST_F(PlikProjektu, PlikPodanyProgramowiOtwieraSieJakZOknaOtworz) {
    const std::string p = zapisany_pratt("a.V2D");
    EXPECT_TRUE(o.otworz_plik(p));
    EXPECT_EQ(o.model.Pusty, 0);
    EXPECT_EQ(o.model.ne, 17);
    EXPECT_EQ(a.tytul, "Velkora 2D - " + p);
    o.Find(1010);
    ASSERT_EQ(o.model.obliczono, 1);
    const float ugiecie = o.model.f[6];

    EXPECT_FALSE(o.otworz_plik(plik("brak.V2D")));
    ASSERT_EQ(a.komunikaty.size(), 1u);
    EXPECT_EQ(a.komunikaty[0].tekst.rfind("Nie można otworzyć pliku", 0), 0u);
    EXPECT_EQ(a.komunikaty[0].tytul, "Błąd operacji dyskowej");
    EXPECT_EQ(o.model.obliczono, 1);
    EXPECT_EQ(o.model.f[6], ugiecie);
    EXPECT_EQ(a.tytul, "Velkora 2D - " + p);

    EXPECT_TRUE(a.katalogi.empty()) << "no file dialog was shown";

    a.pliki = {std::nullopt};
    o.Find(1060);
    EXPECT_EQ(a.dziennik.back(), "zapisz proponuje: " + p);
    EXPECT_EQ(a.katalogi, std::vector<std::string>{katalog.string()});
}

TEST_F(PlikProjektu, OtwarcieZamykaOknaTabelStaregoModelu) {
    otworz(zapisany_pratt("a.V2D"));
    o.model.id = 1;
    o.dd = a.UtworzOknoTabeli(std::make_unique<PustaTabela>());
    otworz(zapisany_pratt("b.V2D", 6));
    EXPECT_EQ(a.zywe_tabele(), 0);
}

TEST_F(PlikProjektu, ZapisDajeTeSameBajtyITytulAPotemNazwaJestProponowana) {
    const std::string p = zapisany_pratt("a.V2D");
    otworz(p);
    a.pliki = {plik("kopia.V2D")};
    o.Find(1030);
    EXPECT_EQ(a.tytul, "Velkora 2D - " + plik("kopia.V2D"));
    EXPECT_EQ(bajty(p), bajty(plik("kopia.V2D")));
    a.odpowiedzi = {IDYES};
    o.Find(1070);
    a.pliki = {std::nullopt};
    o.Find(1060);
    EXPECT_EQ(a.dziennik.back(), "zapisz proponuje: " + plik("kopia.V2D"));
}

TEST_F(PlikProjektu, NieudanyZapisMowiToIZostawiaPoprzedniPlik) {
    const std::string p = zapisany_pratt("a.V2D");
    otworz(p);
    a.pliki = {katalog.string()};  // a folder cannot be replaced by a file
    o.Find(1060);
    ASSERT_EQ(a.komunikaty.size(), 1u);
    EXPECT_EQ(a.komunikaty[0].tekst.rfind("Nie można zapisać do pliku", 0), 0u);
    EXPECT_EQ(a.komunikaty[0].tytul, "Błąd operacji dyskowej");
    EXPECT_EQ(a.tytul, "Velkora 2D - " + p);
    EXPECT_TRUE(fs::is_directory(katalog));
}

TEST_F(PlikProjektu, ZapisBezModeluNicNieRobi) {
    o.Find(1060);
    EXPECT_TRUE(a.dziennik.empty());
}

TEST_F(PlikProjektu, ZapisNadIstniejacymPlikiemPytaAPoOdmowiePokazujeOknoZnowu) {
    const std::string p = zapisany_pratt("a.V2D");
    const std::string stare = bajty(p);
    otworz(p);
    a.odpowiedzi = {IDYES};
    o.Find(1070);  // New: the save dialog still offers a.V2D
    a.komunikaty.clear();
    a.dziennik.clear();

    const std::string pytanie = "Plik a.V2D już istnieje.\nZastąpić go?";
    a.pliki = {p, std::nullopt};
    a.odpowiedzi = {IDNO};
    o.Find(1060);
    ASSERT_EQ(a.komunikaty.size(), 1u);
    EXPECT_EQ(a.komunikaty[0].tekst, pytanie);
    EXPECT_EQ(a.komunikaty[0].tytul, "Velkora 2D");
    EXPECT_EQ(a.komunikaty[0].ikona, Ikona::pytajnik);
    EXPECT_EQ(a.komunikaty[0].przyciski, Przyciski::tak_nie);
    EXPECT_EQ(a.dziennik, (std::vector<std::string>{"zapisz proponuje: " + p, "box: " + pytanie,
                                                    "zapisz proponuje: " + p}));
    EXPECT_EQ(bajty(p), stare);
    EXPECT_EQ(a.tytul, "Velkora 2D - Beznazwy.V2D");

    a.pliki = {p, plik("b.V2D")};  // No, then a new name: saved without a question
    a.odpowiedzi = {IDNO};
    o.Find(1060);
    EXPECT_EQ(bajty(p), stare);
    EXPECT_EQ(bajty(plik("b.V2D")).size(), 28u);
    EXPECT_EQ(a.tytul, "Velkora 2D - " + plik("b.V2D"));

    a.pliki = {p};
    a.odpowiedzi = {IDYES};
    o.Find(1060);
    EXPECT_EQ(bajty(p).size(), 28u) << "the empty project replaced it";
    EXPECT_EQ(a.tytul, "Velkora 2D - " + p);
    EXPECT_EQ(a.teksty(), (std::vector<std::string>{pytanie, pytanie, pytanie}));
}

TEST_F(PlikProjektu, OknaPlikowZaczynajaWFolderzeOstatniegoUdanegoOtwarciaLubZapisu) {
    fs::create_directories(katalog / "x");
    fs::create_directories(katalog / "z");
    const std::string p = zapisany_pratt("x/a.V2D");
    otworz(p);
    a.pliki = {plik("y/brak.V2D")};
    o.Find(1020);  // fails
    a.pliki = {plik("y/b.V2D")};
    o.Find(1060);  // fails: no such folder
    a.pliki = {std::nullopt};
    o.Find(1060);
    a.pliki = {plik("z/c.V2D")};
    o.Find(1060);
    a.pliki = {p, std::nullopt};  // declined: the dialog comes back where that name was
    a.odpowiedzi = {IDNO};
    o.Find(1060);
    a.pliki = {std::nullopt};
    o.Find(1020);
    const std::string x = (katalog / "x").string(), z = (katalog / "z").string();
    EXPECT_EQ(a.katalogi, (std::vector<std::string>{"", x, x, x, x, z, x, z}));
    EXPECT_EQ(a.komunikaty.size(), 3u);
    EXPECT_EQ(o._plik_->nazwa, p) << "the name last chosen is still offered";
}

TEST_F(PlikProjektu, UsuniecieCofnieteZapisujeSieBajtWBajtBezGwiazdkiWTytule) {
    const std::string p = zapisany_pratt("most.V2D");
    const std::string stare = bajty(p);
    otworz(p);
    o.Find(1010);
    a.wpisy.push_back({{{8004, "4"}}, 1});  // delete bar 4
    o.Find(51692);
    EXPECT_EQ(a.tytul, "Velkora 2D - " + p + " *");
    TCommandEnabler ce;
    o.Enable(52011, ce);
    EXPECT_EQ(ce.tekst, "&Cofnij: usunięcie pręta 4");
    o.Find(52011);
    EXPECT_EQ(o.model.obliczono, 1) << "results valid before the command are valid again";
    EXPECT_EQ(a.tytul, "Velkora 2D - " + p);
    o.Find(52001);  // Zapisz: to the project's own file, no dialog
    EXPECT_EQ(bajty(p), stare);
    EXPECT_TRUE(a.pliki.empty());

    // The generator is one step too: undone, the project it replaced is back.
    a.odpowiedzi = {IDYES};
    a.wpisy.push_back({{}, 2});  // its first page cancelled: nothing to undo
    o.Find(51697);
    EXPECT_EQ(o.model.Pusty, 1);
    o.Find(52011);
    EXPECT_EQ(o.model.Pusty, 0);
    EXPECT_EQ(o.plik_projektu, p);
    EXPECT_FALSE(o.ma_zmiany());
}

// A project saved for the first time after some edits keeps its file whatever is undone or
// redone; the mark of unsaved changes follows the history against the save.
TEST_F(PlikProjektu, CofniecieZaPierwszyZapisNieZapominaPlikuProjektu) {
    a.odpowiedzi = {IDYES};
    o.Find(1070);
    for (const char* x : {"0", "4", "8"}) {
        a.wpisy.push_back({{{8500, x}, {8501, "0"}}, 1});
        o.Find(51682);  // Dodaj węzeł
    }
    const std::string p = plik("wspornik.V2D");
    a.pliki = {p};
    o.Find(52001);  // Ctrl+S: Save As, the project has no file yet
    const std::string zapisane = bajty(p);
    for (const char* x : {"1", "2", "3", "5", "6"}) {
        a.wpisy.push_back({{{8500, x}, {8501, "3"}}, 1});
        o.Find(51682);
    }
    for (int i = 0; i < 5; ++i) o.Find(52011);
    EXPECT_EQ(a.tytul, "Velkora 2D - " + p);
    o.Find(52011);  // past the save
    EXPECT_EQ(o.plik_projektu, p);
    EXPECT_EQ(a.tytul, "Velkora 2D - " + p + " *");
    o.Find(52012);  // redo to the saved state
    EXPECT_EQ(a.tytul, "Velkora 2D - " + p);
    o.Find(52011);
    o.Find(52001);  // saved to its own file, no dialog
    EXPECT_TRUE(a.pliki.empty());
    EXPECT_EQ(o.model.nn, 2);
    EXPECT_NE(bajty(p), zapisane);
    EXPECT_EQ(a.tytul, "Velkora 2D - " + p);
}

TEST_F(PlikProjektu, PytanieOZapisTylkoPrzyZmianachIKazdaOdpowiedzRobiCoMowi) {
    const std::string p = zapisany_pratt("most.V2D");
    const std::string pytanie = "Zapisać zmiany w projekcie most.V2D?";
    const struct {
        const char* nazwa;
        int polecenie;
        bool zmiana;
        int odpowiedz;
        const char* pytanie_bez_zmian;
        bool porzucony;  // the model was given up
    } przypadki[] = {
        {"close, no changes", 51698, false, IDYES, "Zamknąć projekt ?", true},
        {"close, save", 51698, true, IDYES, nullptr, true},
        {"close, discard", 51698, true, IDNO, nullptr, true},
        {"close, stay", 51698, true, IDCANCEL, nullptr, false},
        {"new, no changes", 1070, false, IDYES, "Utworzyć nowy projekt ?", true},
        {"new, discard", 1070, true, IDNO, nullptr, true},
        {"new, stay", 1070, true, IDCANCEL, nullptr, false},
        {"open, stay", 1020, true, IDCANCEL, nullptr, false},
    };
    for (const auto& c : przypadki) {
        SCOPED_TRACE(c.nazwa);
        if (o.ma_zmiany()) a.odpowiedzi = {IDNO};  // what the case before stayed with goes
        otworz(p);
        const std::string stare = bajty(p);
        if (c.zmiana) {
            a.wpisy.push_back({{{8004, "2"}}, 1});  // delete bar 2
            o.Find(51692);
        }
        a.komunikaty.clear();
        a.odpowiedzi = {c.odpowiedz};
        o.Find(c.polecenie);
        ASSERT_EQ(a.komunikaty.size(), 1u);
        EXPECT_EQ(a.komunikaty[0].tekst, c.pytanie_bez_zmian ? c.pytanie_bez_zmian : pytanie);
        EXPECT_EQ(a.komunikaty[0].przyciski,
                  c.pytanie_bez_zmian ? Przyciski::tak_nie : Przyciski::tak_nie_anuluj);
        EXPECT_EQ(o.plik_projektu.empty(), c.porzucony);
        EXPECT_EQ(bajty(p) != stare, c.zmiana && c.odpowiedz == IDYES) << "saved only on Tak";
        EXPECT_EQ(o.ma_zmiany(), !c.porzucony);
        zapisany_pratt("most.V2D");
        a.odpowiedzi.clear();
    }
    // Quitting asks the same.
    a.odpowiedzi = {IDNO};
    otworz(p);
    a.wpisy.push_back({{{8004, "2"}}, 1});
    o.Find(51692);
    a.odpowiedzi = {IDCANCEL};
    EXPECT_FALSE(o.CanClose());
    a.odpowiedzi = {IDNO};
    EXPECT_TRUE(o.CanClose());
}

TEST_F(PlikProjektu, EksportCsvProponujeNazweProjektuPytaPrzedZastapieniemIMaWynikiGdySaWazne) {
    TCommandEnabler bez_modelu;
    o.Enable(CM_EKSPORT_CSV, bez_modelu);
    EXPECT_FALSE(bez_modelu.wlaczone);
    const std::string p = zapisany_pratt("most.V2D");
    otworz(p);
    const std::string csv = plik("most.csv");
    a.dziennik.clear();
    a.pliki = {csv};
    o.Find(CM_EKSPORT_CSV);
    EXPECT_EQ(a.dziennik, (std::vector<std::string>{"zapisz proponuje: " + csv}));
    EXPECT_EQ(a.katalogi.back(), katalog.string());
    EXPECT_EQ(bajty(csv).rfind("Węzły\r\n", 0), 0u) << "no results yet: the input data alone";

    o.Find(1010);
    const std::string pytanie = "Plik most.csv już istnieje.\nZastąpić go?";
    a.pliki = {csv, csv};
    a.odpowiedzi = {IDNO, IDYES};
    o.Find(CM_EKSPORT_ARKUSZ);
    EXPECT_EQ(a.teksty(), (std::vector<std::string>{pytanie, pytanie}));
    EXPECT_EQ(bajty(csv).rfind("\xEF\xBB\xBFNaprężenia i siły osiowe\r\n", 0), 0u);
    // The project keeps its own file and is no more changed than it was.
    EXPECT_EQ(a.tytul, "Velkora 2D - " + p);
    EXPECT_FALSE(o.ma_zmiany());
    EXPECT_FALSE(o.historia.moze_cofnac());
}
