// SPDX-License-Identifier: GPL-3.0-or-later
// The symbols the main view draws about the nodes (supports, the arrows of forces and reactions),
// the boxes they cover, which labels keep clear of, and the places offered to the labels of
// arrows, bars and nodes.
#pragma once

#include <cstddef>

#include "view/etykiety.h"
#include "view/kreski.h"

// A straight arrow from its tail to its tip along X or Y; its head is two strokes from the tip
// back to points 6 pixels behind it and 4 to either side.
struct Strzalka {
    float x1, y1;  // tail
    float x2, y2;  // tip
};
inline constexpr float dlugosc_strzalki = 25.0f;

// Support symbols below the node's mapped point (fixed in Y, with or without X) or to its right
// (fixed in X only); the box they cover, empty when the node is not fixed.
Pudelko podpora(Kreski& k, float sX, float sY, bool wx, bool wy);

// A force's arrow: from the node's point along the force's direction, of a fixed length whatever
// the force's magnitude.
Strzalka strzalka_sily(float sX, float sY, bool wzdluz_y, bool dodatnia);
// A reaction's arrow beside the node's support symbol, pointing the way the support pushes the
// node: below the symbol for a reaction along Y, beside it along X (left of a pinned support,
// right of the wall of a roller that holds X alone).
Strzalka strzalka_reakcji(float sX, float sY, bool wzdluz_y, bool dodatnia, bool wy);
void rysuj(Kreski& k, const Strzalka& s);
Pudelko pudelko(const Strzalka& s, int grubosc);

// Places for a w x h label, best first, written into m (room for najwiecej_miejsc); how many
// there are. Beside an arrow's shaft, then beyond its end away from the node (xw, yw).
std::size_t miejsca_strzalki(const Strzalka& s, float xw, float yw, int w, int h, Miejsce* m);
// About a node: below and right of it as the numbers always stood, then the other corners.
std::size_t miejsca_wezla(float sX, float sY, int w, int h, Miejsce* m);
// Beside a bar from A to B: 3 pixels right of and below its midpoint as the labels always stood,
// unless that covers the bar itself, then on either side of the bar about its middle and farther
// along it. None when the bar is shorter than the label is wide.
std::size_t miejsca_preta(float xA, float yA, float xB, float yB, int w, int h, Miejsce* m);
inline constexpr std::size_t najwiecej_miejsc = 12;

// How far the symbols about the nodes reach beyond them, in pixels each way.
struct Zasieg {
    float lewo = 0.0f, prawo = 0.0f, gora = 0.0f, dol = 0.0f;
    void obejmij(const Zasieg& z);
    // A box relative to the node's point.
    void obejmij(float l, float g, float p, float d);
};
