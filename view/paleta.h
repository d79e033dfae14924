// SPDX-License-Identifier: GPL-3.0-or-later
// The stress palette, the colour index of a bar and the colour scale bar of the main view.
#pragma once

#include <string>

#include "view/etykiety.h"
#include "view/powierzchnia.h"

// Palette entry i (0..200): dark red for the largest stress through orange and green to blue for
// the smallest.
Kolor kolor_palety(int i);

// The stresses' range on one paint: mn the largest, an the smallest, ss palette entries per unit.
struct ZakresNaprezen {
    float mn = 1.0f, an = 0.0f, ss = 200.0f;
};

// Range of s[1..ne] (ne >= 1); equal stresses are widened to one unit above their value.
ZakresNaprezen zakres_naprezen(const float* s, int ne);

// Palette entry of a stress, always within 0..200 whatever the rounding or a NaN.
int indeks_koloru(float s, const ZakresNaprezen& z);

// Format of the scale bar's labels, chosen by the largest stress alone.
const char* format_etykiety(float mn);

// The scale bar along the bottom of a drawing w x h: its segments, sp pixels wide, span the
// drawing less 25 pixels either side, and its nine labels stand above it, from the largest
// stress on the left to the smallest on the right, each over its segment as far as the drawing's
// edges allow. Labels too wide to stand side by side take turns in two rows or more, so that
// every value shows whole. The stresses' unit, when there is one, follows the first label.
struct UkladPaska {
    static constexpr int etykiet = 9;
    static constexpr int wysokosc_tekstu = 12;  // the view's font's cell
    float sp = 0.0f, h = 0.0f;
    std::string teksty[etykiet];
    Pudelko miejsca[etykiet];
    int wierszy = 1;
    // The height the bar and its labels take from the drawing's bottom edge.
    int wysokosc() const { return 24 + (wierszy - 1) * (wysokosc_tekstu + 1); }
};
UkladPaska uklad_paska(Powierzchnia& dc, const ZakresNaprezen& z, float w, float h,
                       const char* jednostka = "");
// Draws the bar and its labels over a white band. Expects the text colour and the font to be
// selected.
void pasek_skali(Powierzchnia& dc, const Kolor* knapr, const UkladPaska& u, float w);
