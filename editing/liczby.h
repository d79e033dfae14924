// Numbers crossing the dialogs: reading what was typed, and writing stored values into fields so
// that confirming an untouched dialog never changes the model.
//
// A field is read only when its whole text is a number (blanks around it aside), without regard
// to the locale: "2a" is no node number and "1,5" is one and a half, never 1.
#pragma once

#include <cstddef>

// An integer typed into a field: an optional sign and digits. False for any other text, the
// empty text included. A number beyond the int range is held at the range's nearer end, so that
// it stays out of range and cannot wrap round into a valid entity number.
bool liczba_calkowita(const char* tekst, int& wartosc);

// An entity number typed into a field: 0, which names nothing, when the text is not a number.
int numer_z_pola(const char* tekst);

// A real typed into a field, with a decimal point or a decimal comma and an optional exponent,
// rounded to float as the model stores it. False for any other text, the empty text included,
// and for anything that is not a finite float ("nan", "inf", 1e39): every check of a real field
// treats that as failing.
bool liczba_rzeczywista(const char* tekst, float& wartosc);
// The same in double precision, for factors that are not values of the model (psi, gamma).
bool liczba_rzeczywista(const char* tekst, double& wartosc);

// Writes a stored value into a text field of `szerokosc` bytes (NUL included) with the given
// printf format for a double, cut to the field. When the cut text would read back as another
// float, the shortest "%g" text that reads back exactly and fits is written instead; when none
// fits, the text that reads back closest.
void wpisz_wartosc(char* pole, int szerokosc, const char* format, float wartosc);
template <std::size_t W>
void wpisz_wartosc(char (&pole)[W], const char* format, float wartosc) {
    wpisz_wartosc(pole, static_cast<int>(W), format, wartosc);
}

// The value a real field gives after its dialog closed: the stored value when the field still
// holds the text that was written into it, otherwise what the text reads as. False when that
// value is not a finite float.
bool wartosc_pola(const char* tekst, const char* wpisany, float zapisana, float& wartosc);
