// SPDX-License-Identifier: GPL-3.0-or-later
// The view mapping between model coordinates and client pixels, shared by painting, the cursor
// readout, picking and pictures, and the state of the main view's zoom and pan.
#pragma once

// A model point (X, Y) lies at client pixel
//   sX = (X - ax) * kx + px,   sY = h - ((Y - aa) * ka + py),
// so model Y grows upwards and py counts up from the bottom edge. The fitted framing has
// kx = sx, ka = sa, px = 25 and py = 40, and then these are the very operations of the readout
// and of the drawing, in the same order, so the pixels are the same to the last bit.
struct Odwzorowanie {
    float ax = 0.0f, aa = 0.0f;  // the model point the offsets count from
    float kx = 1.0f, ka = 1.0f;  // pixels per model unit along X and along Y
    float px = 25.0f, py = 40.0f;
    float h = 0.0f;  // client height

    float ekran_x(float X) const { return (X - ax) * kx + px; }
    float ekran_y(float Y) const { return h - ((Y - aa) * ka + py); }
    float model_x(float x) const { return (x - px) / kx + ax; }
    float model_y(float y) const { return (h - y - py) / ka + aa; }

    // Scales by f about the client point (x, y): the model point under it stays under it.
    void przybliz(float f, float x, float y);
    // Moves the picture by (dx, dy) pixels.
    void przesun(float dx, float dy);
    friend bool operator==(const Odwzorowanie&, const Odwzorowanie&) = default;
};

// The room left about the nodes' extents, in pixels; the window's fitted framing leaves 25 pixels
// left and right, 10 above and 40 below, widened where the view shows more about the truss.
struct Marginesy {
    float lewo = 25.0f, prawo = 25.0f, gora = 10.0f, dol = 40.0f;
};

// The framing with one scale for X and Y, the smaller of the two the window allows, and the
// nodes' extents (ax..mx, aa..ma) centred within the margins. An axis along which every node
// lies at one coordinate does not limit the scale, unless both do.
Odwzorowanie kadr_proporcjonalny(float ax, float mx, float aa, float ma, float w, float h,
                                 const Marginesy& m = {});

// The framing of an open model with no node yet: the square of 10 model units from the origin at
// one scale, the origin where the fitted framing puts the smallest coordinates. Drawing in a new
// project starts in units of the size trusses have.
Odwzorowanie kadr_pusty(float w, float h);

// The main view's framing: fitted to the window as every paint refits it, or free once the user
// zooms, pans or draws (then the mapping stays until the view is fitted again, so nothing the
// user points at moves under the cursor when the model grows).
struct StanWidoku {
    bool proporcje = false;  // fitted with one scale for X and Y
    bool swobodny = false;
    Odwzorowanie swobodne;            // the free mapping; its h follows the window
    float powiekszenie = 1.0f;        // of the free mapping against the framing it started from
    Odwzorowanie kadr;                // the proportional framing of the last paint
    float px = 25.0f, py = 40.0f;     // the fitted framing's offsets at the last paint
    int szerokosc = 0, wysokosc = 0;  // client size at the last paint

    // Makes the view free, starting from the mapping o, unless it is free already.
    void zatrzymaj(const Odwzorowanie& o) {
        if (swobodny) return;
        swobodny = true, swobodne = o, powiekszenie = 1.0f;
    }
    void dopasuj() { swobodny = false, powiekszenie = 1.0f; }
};
