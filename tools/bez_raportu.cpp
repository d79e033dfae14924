// SPDX-License-Identifier: GPL-3.0-or-later
// velkora2d-oblicz built without Qt: it writes no report.
#include "tools/raport.h"

const char* const opis_raportu = "";

int opcja_raportu(int, char**, int&, ZamowienieRaportu&) {
    return 0;
}

int zapisz_raport(const std::string&, const ZamowienieRaportu&, const std::string&) {
    return 2;
}
