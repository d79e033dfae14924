// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/wskazowka.h"

#include <algorithm>

std::string wskazowka_pustego_widoku(bool jest_model) {
    return jest_model ? "Model jest pusty: Dodaj → Rysuj (klawisz R) – kliknięcie dodaje węzeł, "
                        "kliknięcie dwóch węzłów – pręt."
                      : "Jak zacząć: Plik → Szablon kratownicy..., Plik → Przykłady... albo "
                        "Plik → Nowy, a potem Dodaj → Rysuj.";
}

void rysuj_wskazowke(Powierzchnia& dc, int w, int h, bool jest_model) {
    const std::string t = wskazowka_pustego_widoku(jest_model);
    dc.zachowaj();
    dc.czcionka("Arial", 16, 400);
    dc.kolor_tekstu(Kolor{96, 96, 96});
    // Centred; a window narrower than the line shows its beginning.
    const int x = std::max(10, (w - dc.szerokosc_tekstu(t)) / 2);
    dc.tekst(x, std::max(0, h / 2 - 8), t);
    dc.przywroc();
}
