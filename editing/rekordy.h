// SPDX-License-Identifier: GPL-3.0-or-later
// Transfer records: the fixed-width text fields and check states that cross a dialog.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstring>

// Entity numbers and counts get room for any int, so a model read from a file with a thousand
// nodes or more can still name all of them; the dialogs limit typing to the digits needed.
inline constexpr int szer_numeru = 12;
// Statistics values are shown whole: "%f" of the largest float takes 47 characters.
inline constexpr int szer_wartosci_stat = 48;
// A real typed into a field is kept whole: an exact text of any float (tekst_dokladny) takes at
// most 16 characters, and a number written out in full as the user guide does it, or "%f" of a
// stored value, has room beyond that.
inline constexpr int szer_liczby = 24;

struct d_dane_pods {
    char ne[szer_numeru], nn[szer_numeru], nd[szer_numeru], nl[szer_numeru], nm[szer_numeru],
        na[szer_numeru];
};
struct d_dane_przek {
    char ee[szer_numeru], w1[szer_numeru], w2[szer_numeru], mat[szer_numeru], pole[szer_numeru];
};
struct d_wsp {
    char i[szer_numeru];
    char x[szer_liczby];
    char y[szer_liczby];
};
struct d_mat {
    char i[szer_numeru];
    char e[szer_liczby];
    char alp[szer_liczby];
};
struct d_wymusz {
    char i[szer_numeru];
    char nu[szer_numeru];
    char x[szer_liczby];
    char y[szer_liczby];
    std::int32_t chx;
    std::int32_t chy;
};
struct d_sily {
    char i[szer_numeru];
    char nr[szer_numeru];
    char f[szer_liczby];
    std::int32_t xf;
    std::int32_t yf;
};
struct d_przekr {
    char i[szer_numeru];
    char a[szer_liczby];
};
struct d_nr {
    char i[szer_numeru];
    char nap[40];
};
struct d_temp {
    char i[szer_numeru];
    char nr[szer_numeru];
    char dt[szer_liczby];
};
struct d_krok {
    char krok[szer_liczby];
};
// A truss template: its type, sizes, material, the areas of its member groups, supports and load.
// The types as the list names them, '|' between them; "Kratownica " and a name read as a whole.
inline constexpr const char* typy_kratownic =
    "Pratta|Howe'a|Warrena|Warrena ze słupkami|typu K|dachowa trójkątna (Finka)|wspornikowa";
struct d_szablon {
    std::int32_t typ;     // place in the list of types, from 0
    char l[szer_liczby];  // span
    char h[szer_liczby];  // height; a roof's rise
    char n[szer_numeru];  // panels
    char e[szer_liczby];
    char alp[szer_liczby];
    // Areas of the chords, the verticals, the diagonals.
    char a_pas[szer_liczby], a_slup[szer_liczby], a_krz[szer_liczby];
    std::int32_t podpory;  // 0 a pin and a roller, 1 two pins
    char p[szer_liczby];   // force at each loaded node, downward when positive
    std::int32_t pas;      // loaded chord: 0 top, 1 bottom
};
struct d_stat {
    char ne[szer_numeru], nn[szer_numeru], nd[szer_numeru], nl[szer_numeru], nm[szer_numeru],
        na[szer_numeru];
    char mnx[szer_wartosci_stat];
    char w1[szer_numeru];
    char mny[szer_wartosci_stat];
    char w2[szer_numeru];
    char mnap[szer_wartosci_stat];
    char ele[szer_numeru];
    char mnsil[szer_wartosci_stat];  // the axial force of largest magnitude
    char ele_sil[szer_numeru];       // and its bar
    char mnu[szer_wartosci_stat];    // the greatest utilisation of the design
    char ele_u[szer_numeru];         // and its bar
    char wym[240];                   // its profile, forces, resistance, combination and check
};
// The units dialog: one radio button per system of units, in the order the dialog lists them.
struct d_jednostki {
    std::int32_t brak, kn_cm, kn_m, n_mm, n_m;
};

// Moving or copying the selection: the vector, and for a copy how many copies one after another.
struct d_przesuniecie {
    char dx[szer_liczby];
    char dy[szer_liczby];
    char ile[szer_numeru];
};
// The supports added at the selected nodes: which way they hold, one radio button on.
struct d_podpory_wezlow {
    std::int32_t x, y, xy;
};
// The force added at each selected node, and its direction.
struct d_sila_wezlow {
    char f[szer_liczby];
    std::int32_t xf, yf;
};

// Writes formatted text into a field. Text that does not fit is never cut, for a cut number
// reads as another number: the field is left empty, which no command takes for a number.
template <std::size_t W, class... A>
void wpisz(char (&pole)[W], const char* format, A... a) {
    int n = 0;
    if constexpr (sizeof...(A) == 0)
        n = std::snprintf(pole, W, "%s", format);
    else
        n = std::snprintf(pole, W, format, a...);
    if (n < 0 || static_cast<std::size_t>(n) >= W) pole[0] = '\0';
}
