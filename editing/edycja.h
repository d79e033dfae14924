// Pieces shared by the add, change and delete commands.
#pragma once

#include "editing/liczby.h"
#include "okno/okno.h"

// Shows template 3100 with the prompt `pytanie`; whatever way it closes, the number is read from
// the field, which starts at "0", so closing it without OK gives 0.
inline int zapytaj_o_numer(_OKNO_& o, const char* pytanie) {
    wpisz(o.danenr.i, "0");
    wpisz(o.danenr.nap, pytanie);
    o.port.Dialog(3100, &o.danenr, o.cyfry());
    return liczba_calkowita(o.danenr.i);
}

// The checks of one dialog, run in order: every failing check shows its own message.
class Kontrola {
  public:
    explicit Kontrola(_OKNO_& o) : o_(o) {}
    void operator()(bool zle, const char* tekst) {
        if (!zle) return;
        o_.blad_danych(tekst);
        dobrze_ = false;
    }
    bool dobrze() const { return dobrze_; }

  private:
    _OKNO_& o_;
    bool dobrze_ = true;
};
