// SPDX-License-Identifier: GPL-3.0-or-later
// Dialog templates 3000 to 3100 and menu 1000, as data. The Qt program builds its dialogs and
// menus from them; the scripted stand-in of the tests honours the same controls and limits.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "files/jednostki.h"

// A record field bound to a control: where it lies in the record and how wide it is.
struct PoleRekordu {
    std::size_t przesuniecie = 0;
    int szerokosc = 0;  // bytes with the terminating NUL; 0 for an unbound control
    bool stan = false;  // a 32-bit check state instead of text
};
#define VELKORA_POLE(rekord, pole)                                            \
    PoleRekordu {                                                             \
        offsetof(rekord, pole), static_cast<int>(sizeof(rekord::pole)), false \
    }
#define VELKORA_STAN(rekord, pole)      \
    PoleRekordu {                       \
        offsetof(rekord, pole), 4, true \
    }

enum class Rodzaj {
    edycja,     // single-line edit bound to a text field
    wybor,      // automatic check box bound to a state
    radio,      // automatic radio button of the dialog's one group, bound to a state
    statyczny,  // text label bound to a text field
    napis,      // unbound label or heading
    lista,      // drop-down list bound to a state: the place of the chosen item, from 0
};

struct Kontrolka {
    int id = -1;
    Rodzaj rodzaj = Rodzaj::napis;
    const char* tekst = "";       // the label beside an edit, or the text of the control itself
    int wiersz = 0, kolumna = 0;  // place in the dialog's grid; an edit's label sits to its left
    PoleRekordu pole{};
    int limit = 0;  // characters that can be typed
    bool cyfry = false;
    bool tylko_odczyt = false;
    bool do_prawej = false;
    // An entity number or count: the limit grows to the digits of the model's largest count.
    bool numer = false;
    // A real number: its edit does not stop typing at the limit, and a longer text is refused
    // whole when the dialog closes (see tekst_do_rekordu), never cut into another number.
    bool rzeczywista = false;
    const char* pozycje = "";  // a list's items, '|' between them
    // What the value measures: its label names the unit of the chosen system, and a value typed
    // with a unit of it is converted to that system.
    Wielkosc wielkosc = Wielkosc::brak;
    // A heading above names the unit, so the label does not.
    bool jednostka_w_naglowku = false;
};

// The items of a list control, from its '|'-separated text.
std::vector<std::string> pozycje_listy(const char* pozycje);

struct SzablonDialogu {
    int id = 0;
    const char* tytul = "";
    int szerokosc = 0, wysokosc = 0;  // dialog units
    std::vector<Kontrolka> kontrolki;
    bool anuluj = true;  // an "Anuluj" button beside OK
};

// The record of the picture-size dialog 3120: width and height in pixels, and whether the
// drawing keeps the model's proportions within them.
struct d_rozmiar {
    char w[6];
    char h[6];
    std::int32_t proporcje;
};

// The record of the displacement-scale dialog 3150: chosen by the view, or the factor typed.
struct d_skala_przem {
    std::int32_t automatyczna, podana;
    char wsp[13];
};

// The template of the given id; every id from 3000 to 3100 that the program uses is present.
const SzablonDialogu& szablon(int id);
const std::vector<int>& identyfikatory_szablonow();

// Characters an edit of this control accepts when the model's largest count has `cyfry` digits.
int limit_kontrolki(const Kontrolka& k, int cyfry);

// The text an edit hands its record when the dialog closes with OK: the text itself, or, for a
// real number longer than its field holds, the empty text, which every command refuses with the
// field's message.
std::string tekst_do_rekordu(const Kontrolka& k, const std::string& tekst);

// How a message names the field of an edit: "Pole „Współrzędna X”".
std::string nazwa_pola(const Kontrolka& k);

struct PozycjaMenu {
    int id = 0;  // 0 for a separator, or for a pop-up of its own with `pozycje`
    const char* etykieta = "";
    bool wylaczona = false;
    bool zaznaczona = false;
    const char* skrot = "";  // keyboard shortcuts, ';' between several ("Ctrl+Z")
    std::vector<PozycjaMenu> pozycje = {};
};
struct Podmenu {
    const char* etykieta;
    std::vector<PozycjaMenu> pozycje = {};
};
const std::vector<Podmenu>& menu_1000();

// The frame's icon "VELTO", 32 x 32, as XPM text.
extern const char* const velto_xpm[];
