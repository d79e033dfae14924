// SPDX-License-Identifier: GPL-3.0-or-later
// Truss templates: whole trusses of the usual textbook types, built from a few numbers.
#pragma once

#include "core/model.h"

// The types in the order of the dialog's list (typy_kratownic).
enum class TypKratownicy { pratt, howe, warren, warren_slupki, k, fink, wspornik };

struct ParametryKratownicy {
    TypKratownicy typ = TypKratownicy::pratt;
    double l = 0.0, h = 0.0;  // span; height, a roof's rise at its ridge
    int n = 0;                // panels; a roof's are those of its top chord
    float e = 0.0f, alfa = 0.0f;
    float pola[3] = {};         // cross-sections 1, 2, 3: the chords, the verticals, the diagonals
    bool dwa_przeguby = false;  // two pins instead of a pin and a roller
    float sila = 0.0f;          // at every loaded node, downward when positive
    bool pas_gorny = true;      // the loaded chord
};

// Whether the type has a web for n panels: every type needs one panel at least, and those whose
// web turns at midspan (Warren with verticals, K, the roof) an even number.
bool mozliwe_przedzialy(TypKratownicy t, int n);

// The truss with one material, three cross-sections, its supports and a downward force at every
// node of the loaded chord that is not held by a support. Nodes are numbered panel point by panel
// point from the left, so the band stays narrow. The wall of a cantilever is on the left, both
// its nodes pinned; the other types rest on their end nodes of the bottom chord, a pin on the
// left. Result arrays are created zeroed; nbw is the analysis's to set.
Konstrukcja kratownica(const ParametryKratownicy& p);
