// The stress palette, the colour index of a bar and the colour scale bar of the main view.
#pragma once

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

// The scale bar along the bottom of a client area h pixels high, segments sp pixels wide; the
// stresses' unit, when there is one, follows the first label. Expects the text colour and the
// font to be selected.
void pasek_skali(Powierzchnia& dc, const Kolor* knapr, const ZakresNaprezen& z, float sp, float h,
                 const char* jednostka = "");
