// SPDX-License-Identifier: GPL-3.0-or-later
// What an empty main view says: how to begin.
#pragma once

#include <string>

#include "view/powierzchnia.h"

// The line the view shows with no model open (`jest_model` false) or with a model of no nodes.
std::string wskazowka_pustego_widoku(bool jest_model);

// Draws it across the middle of a view w x h pixels, in grey over the white background.
void rysuj_wskazowke(Powierzchnia& dc, int w, int h, bool jest_model);
