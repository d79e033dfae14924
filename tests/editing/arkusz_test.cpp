// SPDX-License-Identifier: GPL-3.0-or-later
// The data sheet's logic over the store, through the scripted stand-in: cells checked as the
// dialogs check them, new rows, blocks pasted from a spreadsheet and copied back, rows deleted as
// the delete commands delete, each change one undo step.
#include "editing/arkusz.h"

#include "editing/schowek.h"
#include "tests/editing/edycja_wspolne.h"

namespace {

using Z = Zakladka;

TEST(Schowek, ObaDialektyCudzyslowyIKonceWierszy) {
    const struct {
        const char* tekst;
        BlokKomorek blok;
    } tabela[] = {
        // As a spreadsheet copies: tabs, a line end after the last row.
        {"1\t2\n3\t4\n", {{"1", "2"}, {"3", "4"}}},
        {"1,5\t2\r\n", {{"1,5", "2"}}},  // with tabs a comma is the decimal mark
        // CSV with semicolons and decimal commas, CR LF.
        {"1,5;2,25\r\n-3;4e-3\r\n", {{"1,5", "2,25"}, {"-3", "4e-3"}}},
        {"\"a;b\";\"x \"\"y\"\"\"\n", {{"a;b", "x \"y\""}}},
        {"1\t\t3\n", {{"1", "", "3"}}},
        {" 7 ; 8", {{"7", "8"}}},  // no line end after the last row; blanks around cells
        {"1;2\r\r", {{"1", "2"}, {""}}},
        {"", {}},
    };
    for (const auto& p : tabela) EXPECT_EQ(podziel_schowek(p.tekst), p.blok) << p.tekst;
    EXPECT_EQ(tekst_bloku({{"1.5", "X"}, {"-2e-5", "3"}}, ','), "1,5\tX\n-2e-5\t3\n");
    EXPECT_EQ(tekst_bloku({{"1.5", "7"}}, '.'), "1.5\t7\n");
}

class Arkusz : public KomendyEdycji {
  protected:
    ArkuszDanych ark{o};
    void SetUp() override {
        zbuduj(m, baza());
        uzgodnij(m, o.projekt);
        o.nowy_dokument(true);
    }
    // The model's input and the project's record, to compare before and after undo.
    std::string stan() const {
        std::string t = zrzut(m);
        for (float g : o.projekt.ciezar) t += " g" + std::to_string(g);
        return t;
    }
};

// Each cell is refused with the message its dialog shows, and nothing changes; an accepted one
// changes the model in one undo step, which gives the model back whole.
TEST_F(Arkusz, KomorkaSprawdzanaJakWDialoguIZmienianaJednymKrokiem) {
    const struct {
        Z z;
        int w, k;
        const char* tekst;
        const char* komunikat;
    } odrzucone[] = {
        {Z::wezly, 0, 0, "-1", "Współrzędna X<0"},
        {Z::wezly, 0, 1, "abc", "„abc” nie jest liczbą."},
        {Z::prety, 0, 1, "1", "Zły numer węzła 1"},  // a bar from node 1 to node 1
        {Z::prety, 0, 0, "9", "Zły numer węzła 1"},
        {Z::prety, 0, 1, "1.5", "Zły numer węzła 2"},
        {Z::prety, 0, 2, "3", "Zły numer materiału"},
        {Z::prety, 0, 3, "0", "Zły numer przekroju"},
        {Z::materialy, 0, 0, "0", "Moduł Younga <=0"},
        {Z::materialy, 0, 1, "-1", "Wsp. rozszerzalnosci cieplnej <0"},
        {Z::materialy, 0, 2, "-5", "Ciężar objętościowy musi być liczbą nieujemną"},
        {Z::przekroje, 0, 0, "0", "Pole przkroju musi być większe od zera"},
        {Z::podpory, 0, 0, "6", "Zły numer węzła"},
        {Z::podpory, 0, 1, "Z", "Kierunek podpory to X albo Y"},
        {Z::podpory, 0, 1, "Y", "Ten węzeł jest już utwierdzony..."},  // node 1 held in Y
        {Z::sily, 0, 2, "0", "Wartość siły równa zeru"},
        {Z::temperatury, 0, 0, "8", "Zły numer pręta"},
        {Z::temperatury, 0, 1, "", "Przyrost temperatury nie jest liczbą"},
        {Z::wezly, 0, 0, "5 m",
         "Kolumna „X”: projekt nie ma jednostek (Widok → Jednostki...), więc wartość wpisuje "
         "się bez jednostki."},
    };
    const std::string przed = stan();
    for (const auto& p : odrzucone) {
        EXPECT_EQ(ark.ustaw(p.z, p.w, p.k, p.tekst), p.komunikat) << p.tekst;
        EXPECT_EQ(stan(), przed);
    }
    EXPECT_FALSE(o.historia.moze_cofnac());

    const struct {
        Z z;
        int w, k;
        const char* tekst;
        const char* pokazany;
        const char* krok;
        std::function<bool(const _OKNO_&)> zmiana;
    } przyjete[] = {
        {Z::wezly, 1, 1, "2,5", "2.5", "zmiana węzła 2",
         [](const _OKNO_& o) { return o.model.x[2][2] == 2.5f; }},
        {Z::prety, 0, 2, "2", "2", "zmiana pręta 1",
         [](const _OKNO_& o) { return o.model.noc[1][3] == 2; }},
        {Z::materialy, 1, 2, "78,5", "78.5", "zmiana materiału 2",
         [](const _OKNO_& o) { return o.projekt.ciezar.at(1) == 78.5f; }},
        {Z::podpory, 2, 2, " -0.002", "-0.002", "zmiana podpory 3",
         [](const _OKNO_& o) { return o.model.u[3] == -0.002f; }},
        {Z::sily, 0, 1, "x", "X", "zmiana siły 1",
         [](const _OKNO_& o) { return o.model.ild[1] == 7; }},
        {Z::temperatury, 1, 0, "1", "1", "zmiana zmiany temperatury 2",
         [](const _OKNO_& o) { return o.model.nset[2] == 1; }},
    };
    for (const auto& p : przyjete) {
        m.obliczono = 1;
        EXPECT_EQ(ark.ustaw(p.z, p.w, p.k, p.tekst), "") << p.tekst;
        EXPECT_TRUE(p.zmiana(o)) << p.krok;
        EXPECT_EQ(ark.tekst(p.z, p.w, p.k), p.pokazany);
        EXPECT_EQ(m.obliczono, 0) << "results no longer hold";
        ASSERT_TRUE(o.historia.moze_cofnac());
        EXPECT_EQ(o.historia.do_cofniecia(), p.krok);
        EXPECT_TRUE(o.ma_zmiany());
        o.Find(52011);
        EXPECT_EQ(stan(), przed) << p.krok;
        EXPECT_FALSE(o.historia.moze_cofnac());
    }
}

// The row after the last gathers the cells typed into it and becomes an entity when its last
// required cell is given; the others take their defaults.
TEST_F(Arkusz, NowyWierszDodajeEncjeGdyWymaganeKomorkiSaPodane) {
    const std::string przed = stan();
    EXPECT_EQ(ark.wiersze(Z::wezly), 5);
    EXPECT_EQ(ark.ustaw(Z::wezly, 5, 0, "10"), "");
    EXPECT_EQ(m.nn, 5) << "Y is still missing";
    EXPECT_EQ(ark.tekst(Z::wezly, 5, 0), "10");
    EXPECT_EQ(ark.ustaw(Z::wezly, 5, 1, "-1"), "Współrzędna Y<0");
    EXPECT_EQ(ark.ustaw(Z::wezly, 5, 1, "3"), "");
    ASSERT_EQ(m.nn, 6);
    EXPECT_EQ(m.x[6][1], 10.0f);
    EXPECT_EQ(m.x[6][2], 3.0f);
    EXPECT_EQ(o.historia.do_cofniecia(), "dodanie węzła 6");
    EXPECT_EQ(ark.tekst(Z::wezly, 6, 0), "") << "the new row starts empty again";

    // A bar: the material and section the last bar took, shown before they are given.
    o.ostatni_material = 2;
    EXPECT_EQ(ark.tekst(Z::prety, 7, 2), "2");
    EXPECT_EQ(ark.ustaw(Z::prety, 7, 0, "6"), "");
    EXPECT_EQ(ark.ustaw(Z::prety, 7, 1, "6"), "Zły numer węzła 1");
    EXPECT_EQ(ark.ustaw(Z::prety, 7, 1, "3"), "");
    ASSERT_EQ(m.ne, 8);
    EXPECT_EQ((std::array{m.noc[8][1], m.noc[8][2], m.noc[8][3], m.noc[8][4]}),
              (std::array{6, 3, 2, 1}));
    // A material needs only its modulus: steel's coefficient, no weight.
    EXPECT_EQ(ark.ustaw(Z::materialy, 2, 0, "2e8"), "");
    ASSERT_EQ(m.nm, 3);
    EXPECT_EQ(m.pm[3][2], 1.2e-5f);
    EXPECT_EQ(o.projekt.ciezar.at(2), 0.0f);
    EXPECT_TRUE(niezmienniki(m));
    // Each new entity is one step: three undos give the model back.
    for (int i = 0; i < 3; ++i) o.Find(52011);
    EXPECT_EQ(stan(), przed);
    EXPECT_FALSE(o.historia.moze_cofnac());
}

// A block from a spreadsheet: either dialect, rows past the last added, one undo step; a bad cell
// anywhere leaves everything as it was and is named by its row and column.
TEST_F(Arkusz, WklejenieBlokuZArkuszaJednymKrokiemAlboWcale) {
    const std::string przed = stan();
    EXPECT_EQ(ark.wklej(Z::wezly, 5, 0, "10;0\r\n12,5;3,25\r\n15;0\r\n"), "");
    ASSERT_EQ(m.nn, 8);
    EXPECT_EQ(m.x[7][1], 12.5f);
    EXPECT_EQ(m.x[7][2], 3.25f);
    EXPECT_EQ(o.historia.do_cofniecia(), "wklejenie: Węzły (3 wierszy)");
    // Over rows that exist, into one column: only those cells change.
    EXPECT_EQ(ark.wklej(Z::wezly, 0, 1, "1,5\n2,5\n"), "");
    EXPECT_EQ(m.x[1][1], 0.0f);
    EXPECT_EQ(m.x[1][2], 1.5f);
    EXPECT_EQ(m.x[2][2], 2.5f);
    // Bars between the nodes pasted, from the first free row on.
    EXPECT_EQ(ark.wklej(Z::prety, 7, 0, "6\t7\t1\t2\n7\t8\t2\t1\n"), "");
    EXPECT_EQ(m.ne, 9);
    EXPECT_TRUE(niezmienniki(m));

    const std::string po = stan();
    const struct {
        Z z;
        int w, k;
        const char* tekst;
        const char* komunikat;
    } zle[] = {
        {Z::wezly, 8, 0, "1;2\n3;-4\n", "Wiersz 10, kolumna „Y”: Współrzędna Y<0"},
        {Z::wezly, 8, 0, "1;2;3\n", "Wiersz 9, kolumna 3: poza tabelą (Węzły mają 2 kolumny)."},
        {Z::wezly, 8, 1, "1\n", "Wiersz 9, kolumna „X”: brak wartości w nowym wierszu."},
        {Z::prety, 0, 0, "2;2\n", "Wiersz 1, kolumna „Węzeł 1”: Zły numer węzła 1"},
        {Z::prety, 9, 0, "1;9\n", "Wiersz 10, kolumna „Węzeł 2”: Zły numer węzła 2"},
        {Z::podpory, 3, 0, "1;Y\n",
         "Wiersz 4, kolumna „Kierunek”: Ten węzeł jest już "
         "utwierdzony..."},
        {Z::sily, 0, 1, "Z", "Wiersz 1, kolumna „Kierunek”: Kierunek siły to X albo Y"},
        {Z::wezly, 1, 0, "1;2\n3;x\n", "Wiersz 3, kolumna „Y”: „x” nie jest liczbą."},
        // A tab makes the row tab-separated: the semicolon stays inside the cell.
        {Z::wezly, 0, 0, "1\t2,5;3\n", "Wiersz 1, kolumna „Y”: „2,5;3” nie jest liczbą."},
        {Z::materialy, 0, 0, "1e99\n",
         "Wiersz 1, kolumna „Moduł Younga”: „1e99” jest poza zakresem liczb programu."},
        {Z::przekroje, 2, 0, "15 cm2",
         "Wiersz 3, kolumna „Pole przekroju”: projekt nie ma jednostek (Widok → Jednostki...), "
         "więc wartość wpisuje się bez jednostki."},
    };
    for (const auto& p : zle) {
        EXPECT_EQ(ark.wklej(p.z, p.w, p.k, p.tekst), p.komunikat);
        EXPECT_EQ(stan(), po);
    }
    for (int i = 0; i < 3; ++i) o.Find(52011);
    EXPECT_EQ(stan(), przed);
}

// Copied cells read back as the very same values, the decimal point as the spreadsheet wants it.
TEST_F(Arkusz, KopiaBlokuWracaWklejonaTymiSamymiLiczbami) {
    EXPECT_EQ(ark.kopiuj(Z::wezly, 1, 4, 0, 1, ','), "4\t0\n8\t0\n2\t3\n6\t3\n");
    EXPECT_EQ(ark.kopiuj(Z::materialy, 0, 1, 0, 1, ','), "2,1e8\t0,000012\n7e7\t0,000023\n");
    EXPECT_EQ(ark.kopiuj(Z::sily, 0, 1, 0, 2, '.'), "4\tY\t-10\n5\tX\t5\n");
    EXPECT_EQ(ark.kopiuj(Z::wezly, 3, 99, 1, 5, '.'), "3\n3\n") << "held to the table";
    EXPECT_EQ(ark.wklej(Z::materialy, 2, 0, ark.kopiuj(Z::materialy, 0, 1, 0, 2, ',')), "");
    ASSERT_EQ(m.nm, 4);
    for (int k = 1; k <= 2; ++k) {
        EXPECT_EQ(m.pm[3][k], m.pm[1][k]);
        EXPECT_EQ(m.pm[4][k], m.pm[2][k]);
    }
}

// Rows go as the delete commands take entities away, renumbering what named them, in one step;
// what a bar still names stays, with the command's message.
TEST_F(Arkusz, UsuniecieWierszyJakPoleceniaUsunJednymKrokiem) {
    const std::string przed = stan();
    // Bars 1 and 3 by the sheet, and the same by the delete command, one after the other.
    ark.usun_wiersze(Z::prety, {2, 0});
    const std::string arkuszem = stan();
    EXPECT_EQ(o.historia.do_cofniecia(), "usunięcie wierszy: Pręty (2)");
    o.Find(52011);
    EXPECT_EQ(stan(), przed);
    o.usun_pret(3);
    o.usun_pret(1);
    EXPECT_EQ(stan(), arkuszem);
    EXPECT_EQ(m.ntel, 1) << "bar 3's temperature change went with it";
    EXPECT_EQ(m.nset[1], 5) << "bar 7 is now bar 5";

    zbuduj(m, baza());
    o.nowy_dokument(true);
    ark.usun_wiersze(Z::wezly, {3, 0});
    ark.usun_wiersze(Z::materialy, {1});
    ark.usun_wiersze(Z::przekroje, {0});
    EXPECT_EQ(a.teksty(), (std::vector<std::string>{
                              "Węzeł 1 jest końcem pręta 1: usuń najpierw pręty, które się w nim "
                              "łączą.",
                              "Materiał jest używany przez element",
                              "Pole przekroju używane jest przez element"}));
    EXPECT_EQ(zrzut(m), zrzut(baza()));
    EXPECT_FALSE(o.historia.moze_cofnac());

    // Entries of the current case by their place; supports give their reactions' room back.
    ark.usun_wiersze(Z::podpory, {0, 2});
    ark.usun_wiersze(Z::sily, {1});
    ark.usun_wiersze(Z::temperatury, {0, 1});
    EXPECT_EQ(m.nd, 1);
    EXPECT_EQ(m.nu[1], 2);
    EXPECT_EQ(m.nl, 1);
    EXPECT_EQ(m.ild[1], 8);
    EXPECT_EQ(m.ntel, 0);
    EXPECT_TRUE(niezmienniki(m));
    for (int i = 0; i < 3; ++i) o.Find(52011);
    EXPECT_EQ(zrzut(m), zrzut(baza()));
}

// In a project with units, a cell and a dialog's field take a value with its unit, converted;
// a unit of another quantity is refused by name, and the dialog stays open for the next try.
TEST_F(Arkusz, WartosciZJednostkamiWKomorkachIDialogach) {
    o.ustaw_jednostki(UkladJednostek::kN_m);
    EXPECT_EQ(ark.naglowek(Z::przekroje, 0), "Pole przekroju [m²]");
    EXPECT_EQ(ark.ustaw(Z::przekroje, 1, 0, "15 cm2"), "");
    EXPECT_EQ(m.area[2], 0.0015f);
    EXPECT_EQ(ark.tekst(Z::przekroje, 1, 0), "0.0015");
    EXPECT_EQ(ark.ustaw(Z::wezly, 0, 0, "15 kN"),
              "Kolumna „X” przyjmuje długość (mm, cm, dm, m); kN jest jednostką siły.");
    EXPECT_EQ(ark.wklej(Z::materialy, 0, 0, "210 GPa;1,2e-5 1/K;78,5 kN/m³\n"), "");
    EXPECT_EQ(m.pm[1][1], 2.1e8f);
    EXPECT_EQ(o.projekt.ciezar.at(0), 78.5f);

    a.komunikaty.clear();
    dialog(ok({{8500, "15 kN"}, {8501, "20 cm"}}));
    dialog(ok({{8500, "150 cm"}}));
    o.Find(51682);
    EXPECT_EQ(a.teksty(), (std::vector<std::string>{"Pole „Współrzędna X” przyjmuje długość (mm, "
                                                    "cm, dm, m); kN jest jednostką siły."}));
    ASSERT_EQ(m.nn, 6);
    EXPECT_EQ(m.x[6][1], 1.5f);
    EXPECT_EQ(m.x[6][2], 0.2f);
    dialog(ok({{8500, "15 cm²"}}));
    o.Find(51685);
    EXPECT_EQ(m.area[3], 0.0015f);
}

}  // namespace
