// SPDX-License-Identifier: GPL-3.0-or-later
// Segments handed to the drawing surface in runs of one pen.
#pragma once

#include <vector>

#include "view/piksel.h"
#include "view/powierzchnia.h"

// Draws segments through the surface in the order they come, handing on each run of segments of
// one pen in one call. A pen is selected only when it differs from the one in force: most bars of
// a large truss share their neighbours' pens, and a pen change is the dearest call of a cheap line.
class Kreski {
  public:
    explicit Kreski(Powierzchnia& dc) : dc_(dc) {}
    // Called per bar of a lattice: kept inline.
    [[gnu::always_inline]] void pioro(Kolor k, int szerokosc, StylPiora styl) {
        if (znane_ && k == k_ && szerokosc == szerokosc_ && styl == styl_) return;
        wyslij();
        dc_.pioro(k, szerokosc, styl);
        znane_ = true, k_ = k, szerokosc_ = szerokosc, styl_ = styl;
    }
    [[gnu::always_inline]] void odcinek(float x1, float y1, float x2, float y2) {
        czekajace_.push_back({piksel(x1), piksel(y1), piksel(x2), piksel(y2)});
        // A long run goes in parts: the buffer stays small and warm.
        if (czekajace_.size() >= 4096) wyslij();
    }
    // Hands on the waiting segments; before anything else is drawn.
    void wyslij() {
        if (czekajace_.empty()) return;
        dc_.odcinki(czekajace_.data(), czekajace_.size());
        czekajace_.clear();
    }
    // Something else changed the surface's pen: the next pen is selected whatever it is.
    void zapomnij_pioro() {
        wyslij();
        znane_ = false;
    }

  private:
    Powierzchnia& dc_;
    std::vector<OdcinekEkranu> czekajace_;
    bool znane_ = false;
    Kolor k_;
    int szerokosc_ = 0;
    StylPiora styl_ = StylPiora::ciagle;
};
