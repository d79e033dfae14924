// SPDX-License-Identifier: GPL-3.0-or-later
// Pieces shared by the add, change and delete commands.
#pragma once

#include "editing/liczby.h"
#include "okno/okno.h"

// Shows template 3100 with the prompt `pytanie`; whatever way it closes, the number is read from
// the field, which starts at "0", so closing it without OK gives 0, and so does an emptied field.
inline int zapytaj_o_numer(_OKNO_& o, const char* pytanie) {
    wpisz(o.danenr.i, "0");
    wpisz(o.danenr.nap, pytanie);
    o.port.Dialog(3100, &o.danenr, o.cyfry());
    return numer_z_pola(o.danenr.i);
}

// Removes every temperature change of bar n, keeping the others in their order.
void usun_temperatury_preta(Model& m, int n);

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

// A bar as typed into template 3010, checked in the order every bar dialog uses: first node
// (also against the second), second node, material, cross-section. A field that is not a number
// names nothing and fails its own check alone.
struct PretZDialogu {
    int w1, w2, mat, pole;
};
inline PretZDialogu sprawdz_pret(Kontrola& k, const d_dane_przek& r, int nn, int nm, int na) {
    const PretZDialogu p{numer_z_pola(r.w1), numer_z_pola(r.w2), numer_z_pola(r.mat),
                         numer_z_pola(r.pole)};
    k(p.w1 < 1 || p.w1 > nn || p.w1 == p.w2, "Zły numer węzła 1");
    k(p.w2 < 1 || p.w2 > nn, "Zły numer węzła 2");
    k(p.mat < 1 || p.mat > nm, "Zły numer materiału");
    k(p.pole < 1 || p.pole > na, "Zły numer przekroju");
    return p;
}
