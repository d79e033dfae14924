// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers crossing the dialogs: reading what was typed, and writing stored values into fields so
// that confirming an untouched dialog never changes the model.
//
// A field is read only when its whole text is a number (blanks around it aside), without regard
// to the locale: "2a" is no node number and "1,5" is one and a half, never 1.
#pragma once

#include <cstddef>
#include <string>

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

// The text of the fewest digits that reads back as v (std::to_chars), in plain decimals unless
// the exponent form, written without a plus sign or leading zeros, is more than three characters
// shorter: "0.0004", "0.000012", "1.2e-7", "2.1e11"; "inf", "-inf" or "nan" for a value that is
// no finite float.
std::string tekst_dokladny(float v);

// Whether the text shows v exactly: it reads back as v, and it has no more significant digits
// (from the first non-zero digit to the last, exponent aside) than tekst_dokladny,
// so it adds no digit the stored float does not have: "20000.000000" and "0.0000120" show 20000
// and 0.000012, "1234.567017" does not show 1234.567.
bool pokazuje_dokladnie(const char* tekst, float v);

// pokazuje_dokladnie of v printed with `miejsca` decimals ("%.3f" for 3, up to 9), told mostly
// without printing: the tables ask it of every value of a column at each repaint.
bool miejsca_oddaja(float v, int miejsca);

// Writes a stored value into a text field of `szerokosc` bytes (NUL included) with the given
// printf format for a double. When that text does not fit or does not show the value exactly
// (pokazuje_dokladnie), the shortest text that reads back is written instead; when that does not
// fit either, the text that fits and reads back closest.
void wpisz_wartosc(char* pole, int szerokosc, const char* format, float wartosc);
template <std::size_t W>
void wpisz_wartosc(char (&pole)[W], const char* format, float wartosc) {
    wpisz_wartosc(pole, static_cast<int>(W), format, wartosc);
}

// The value a real field gives after its dialog closed: the stored value when the field still
// holds the text that was written into it, otherwise what the text reads as. False when that
// value is not a finite float.
bool wartosc_pola(const char* tekst, const char* wpisany, float zapisana, float& wartosc);
