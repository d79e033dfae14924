// SPDX-License-Identifier: GPL-3.0-or-later
// velkora2d-oblicz built without Qt: it knows no picture options.
#include "tools/obrazy.h"

const char* const opis_obrazow = "";

int opcja_obrazu(int, char**, int&, ZamowienieObrazow&) {
    return 0;
}

int zapisz_obrazy(Model&&, Projekt&&, const PokazWynikow&, const ZamowienieObrazow&) {
    return 0;
}
