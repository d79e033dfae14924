// SPDX-License-Identifier: GPL-3.0-or-later
// Results and input data as CSV for spreadsheets and other programs, and the axial forces every
// listing of results shows beside the stresses.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/model.h"
#include "core/projekt.h"
#include "files/jednostki.h"

// Axial force N = σ·A of bar b: its stored stress times its cross-section's area; none where the
// store does not reach the bar, its section or its stress.
std::optional<float> sila_osiowa(const Konstrukcja& k, int b);

enum class DialektCsv {
    // Decimal point, fields apart by commas: for programs and scripts.
    przecinki,
    // Decimal comma, fields apart by semicolons, and a byte-order mark so that the UTF-8 of the
    // headers is recognised: what a spreadsheet set up for Polish reads as it stands.
    arkusz,
};

// The CSV text (RFC 4180, UTF-8, rows ending in CR LF): one section per table, each a title row,
// a header row naming the units of `u` and one row per entry, the sections apart by an empty row.
// With `wyniki` the stresses and axial forces, the displacements and the reactions come first;
// then the nodes, bars, materials, cross-sections, supports, loads and temperature changes. Reals
// are written in the shortest form that reads back as the same float. Expects a consistent store
// (spojna(k, wyniki)).
//
// With `projekt` given and more than one case, or results that are not the current case's, the
// text names what the results are and lists the cases, their loads and the combinations; the
// envelope's results are each value's least and greatest with the combinations they come from.
// With `wymiar` (and the combinations it was made over) the design follows the results: the
// sections' steel, each bar's checks, the SLS displacement.
struct ProjektCsv {
    const Projekt& p;
    PokazWynikow pokaz;
};
struct WynikWymiarowania;
struct Kombinacja;
std::string tekst_csv(const Konstrukcja& k, bool wyniki, DialektCsv d, UkladJednostek u,
                      const ProjektCsv* projekt = nullptr,
                      const WynikWymiarowania* wymiar = nullptr,
                      const std::vector<Kombinacja>* kombinacje_wymiaru = nullptr);

// Writes the text to a file, replacing it only once the new one is complete; false with a short
// Polish reason.
bool zapisz_csv(const std::string& sciezka, const std::string& tekst, std::string& powod);
