// SPDX-License-Identifier: GPL-3.0-or-later
// Plik → Właściwości projektu…: the title, the author and the description the report's pages
// carry; one undoable step.
#include <algorithm>

#include "editing/dialog_dynamiczny.h"
#include "editing/edycja.h"

void _OKNO_::Cm_wlasciwosci_projektu() {
    if (model.Pusty != 0) return;
    // A text longer than a field's usual limit, read from a file, keeps its whole length.
    auto limit = [](const std::string& t, int zwykly) {
        return std::max(zwykly, static_cast<int>(t.size()));
    };
    DialogDynamiczny d(3710, "Właściwości projektu", 300);
    const int tytul = d.edycja(8500, "Tytuł", projekt.tytul, limit(projekt.tytul, 200));
    const int autor = d.edycja(8501, "Autor", projekt.autor, limit(projekt.autor, 100));
    const int opis = d.edycja(8502, "Opis", projekt.opis, limit(projekt.opis, 2000));
    d.napis("Tytuł, autor i data stoją na każdej stronie raportu, opis na pierwszej.");
    if (d.pokaz(port) != 1) return;
    projekt.tytul = d.tekst(tytul);
    projekt.autor = d.tekst(autor);
    projekt.opis = d.tekst(opis);
}
