// SPDX-License-Identifier: GPL-3.0-or-later
// What the command-line analyser prints of the design, after the results, when the project has
// steel sections: each bar's checks and the SLS displacement, as tables or as CSV lines.
#pragma once

#include "core/model.h"
#include "core/projekt.h"
#include "files/jednostki.h"

// Nothing when the project has no section with a profile or steel data of its own; without units
// the reason goes to the error stream.
void wymiarowanie_wydruk(const Model& m, const Projekt& p, UkladJednostek u, bool csv);
// The lines --help adds about it.
extern const char* const opis_wymiarowania;
