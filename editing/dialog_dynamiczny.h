// SPDX-License-Identifier: GPL-3.0-or-later
// A dialog put together at run time, for what no fixed template can hold: a list of the
// project's load cases, a field for each case. Controls go one to a row; each is bound to a
// field of a record the object owns, and the dialog is shown through the platform port as the
// templates of resources/ are, so the tests' stand-in answers it the same way.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "okno/platforma.h"

class DialogDynamiczny {
  public:
    DialogDynamiczny(int id, const std::string& tytul, int szerokosc);

    // Each returns the index its value is read back by; `id` is the control's id, as the tests'
    // scripts name it.
    int edycja(int id, const std::string& etykieta, const std::string& tekst, int limit,
               Wielkosc w = Wielkosc::brak);
    int wybor(int id, const std::string& tekst, bool zaznaczony);
    int lista(int id, const std::string& etykieta, const std::vector<std::string>& pozycje,
              int wybrana);
    // A line of text, bound to nothing.
    void napis(const std::string& tekst);

    // 1 for OK, 2 for cancel; OK leaves the values typed or chosen.
    int pokaz(Platforma& port);
    std::string tekst(int pole) const;
    int stan(int pole) const;

  private:
    const char* zachowaj(const std::string& t);
    int dodaj_pole(int szerokosc, bool stan);
    SzablonDialogu s_;
    std::deque<std::string> teksty_;  // the controls' texts; a deque keeps them in place
    std::vector<PoleRekordu> pola_;
    std::vector<char> rekord_;
};
