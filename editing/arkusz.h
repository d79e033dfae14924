// SPDX-License-Identifier: GPL-3.0-or-later
// The data sheet's logic: the model's tables as rows and columns of text read from the store as it
// is (no copy of it is kept), and edits of cells, pastes of blocks and deletions of rows that go
// through the same checks and messages as the dialogs and, each, through one undo step. The Qt
// sheet in app/ shows it; the tests drive it directly.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "files/jednostki.h"

class _OKNO_;

enum class Zakladka { wezly, prety, materialy, przekroje, podpory, sily, temperatury };
inline constexpr int liczba_zakladek = 7;

struct KolumnaArkusza {
    enum class Typ { rzeczywista, numer, kierunek };
    // What a cell must hold: any finite value, one of at least or above zero, a non-zero one; or
    // the number of a node, bar, material or cross-section of the model.
    enum class Warunek { dowolna, nieujemna, dodatnia, niezerowa, wezel, pret, material, przekroj };
    const char* naglowek;
    Typ typ;
    Warunek warunek;
    Wielkosc wielkosc;
    const char* komunikat;  // the dialog's message for a value the column refuses
    bool wymagana = true;   // a new row needs it; the others take a default
};

// The tabs' names, in order ("Węzły", "Pręty", ...), and their columns.
const char* nazwa_zakladki(Zakladka z);
const std::vector<KolumnaArkusza>& kolumny_arkusza(Zakladka z);

class ArkuszDanych {
  public:
    explicit ArkuszDanych(_OKNO_& o) : o_(o) {}
    _OKNO_& okno() const { return o_; }

    // Rows of the model's table (the row for a new entity comes after them).
    int wiersze(Zakladka z) const;
    // A cell's text, in the project's units: rows from 0; the new row shows what was typed into
    // it so far and the defaults of the columns that have one.
    std::string tekst(Zakladka z, int wiersz, int kolumna) const;
    // A column's heading with its unit.
    std::string naglowek(Zakladka z, int kolumna) const;
    // The tab's title; the forces and temperature changes name their load case.
    std::string tytul(Zakladka z) const;

    // Writes a cell: empty when accepted (one undo step once the model changed; in the new row,
    // the entity is added when its last required cell is given), the message otherwise, the cell
    // keeping its value. A value may carry its unit. The message is only returned: the caller
    // shows it, when it suits the window.
    std::string ustaw(Zakladka z, int wiersz, int kolumna, const std::string& tekst);
    // Pastes a block with its top left cell at (wiersz, kolumna): rows past the last add
    // entities, an empty cell leaves its cell as it is. One undo step; with any bad cell nothing
    // changes and the message names the first bad row and column.
    std::string wklej(Zakladka z, int wiersz, int kolumna, const std::string& schowek);
    // The block of rows w0..w1 and columns k0..k1 as a spreadsheet takes it, the decimal point
    // written as `przecinek`.
    std::string kopiuj(Zakladka z, int w0, int w1, int k0, int k1, char przecinek) const;
    // Deletes the rows (from 0; the new row among them is only cleared), with the renumbering
    // and the refusals of the delete commands: one undo step, and nothing deleted when any row
    // is refused (its message is shown).
    void usun_wiersze(Zakladka z, std::vector<int> wiersze);

  private:
    struct Wiersz {
        std::vector<double> w;
        std::vector<char> podana;  // in a new row: which cells were given
    };
    Wiersz odczytaj(Zakladka z, int n) const;  // entity n from 1
    Wiersz domyslny(Zakladka z) const;
    // The value of a cell's text, or the message refusing it (naming `gdzie`).
    std::string czytaj(Zakladka z, int kolumna, const std::string& tekst, double& v,
                       const std::string& gdzie) const;
    // The first column whose value the row check refuses, with its message; -1 when none.
    int sprawdz(Zakladka z, const Wiersz& w, const char*& komunikat) const;
    // Writes rows: entities od..od+ile-1 (from 1), those beyond the count added.
    void zapisz(Zakladka z, int od, const std::vector<Wiersz>& w);

    _OKNO_& o_;
    std::vector<std::optional<double>> szkic_[liczba_zakladek];  // the new row, per tab
};
