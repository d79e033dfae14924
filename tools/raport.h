// SPDX-License-Identifier: GPL-3.0-or-later
// The calculation report from the command line: --raport PLIK.pdf writes the report of the
// project (.v2dp or .V2D) without a display, as the window's "Plik → Raport…" writes it.
#pragma once

#include <string>

struct ZamowienieRaportu {
    std::string plik;  // the PDF to write; empty: no report
};

// Takes --raport and its value at argv[i], moving i past them: 1 when it took it, 0 when argv[i]
// is no report option, -1 when its value is missing (said on the error stream).
int opcja_raportu(int argc, char** argv, int& i, ZamowienieRaportu& z);
// The option's description for --help.
extern const char* const opis_raportu;
// Reads the project, analyses every load case and writes the report with the envelope of the
// results: 0, 2 when the project cannot be read or the report written, 3 when the analysis
// stopped (no report then). `jednostki` names the units by their settings name; empty: the
// project's own, or else those the window names.
int zapisz_raport(const std::string& projekt, const ZamowienieRaportu& z,
                  const std::string& jednostki);
