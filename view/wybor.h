// SPDX-License-Identifier: GPL-3.0-or-later
// Picking: which node or bar lies under a point of the main view.
#pragma once

#include <cstdint>
#include <vector>

#include "core/model.h"
#include "view/odwzorowanie.h"

struct Wskazanie {
    enum class Rodzaj { nic, wezel, pret };
    Rodzaj rodzaj = Rodzaj::nic;
    int numer = 0;
    friend bool operator==(const Wskazanie&, const Wskazanie&) = default;
};

// How far from the cursor, in pixels, a node and a bar still count as under it.
inline constexpr float promien_wezla = 6.0f;
inline constexpr float promien_preta = 4.0f;

// Nodes and bars sorted into square cells of the client area, so that a mouse move looks at the
// few that lie near the cursor, whatever the size of the truss. Each entity is filed in every cell
// that its pick zone (a disc about a node, a band about a bar) touches, so the cursor's own cell
// holds every candidate.
class SiatkaWyboru {
  public:
    // Files the model's nodes and bars as the mapping draws them in a client area w x h.
    void zbuduj(const Konstrukcja& k, const Odwzorowanie& o, int w, int h);
    // Whether it was built under this mapping and size for these arrays and counts. A paint calls
    // uniewaznij(), since an edit may move nodes without changing either.
    bool aktualna(const Konstrukcja& k, const Odwzorowanie& o, int w, int h) const;
    void uniewaznij() { zbudowana_ = false; }

    // The node nearest the point within its radius; failing that, the nearest bar within its
    // radius; equal distances go to the lower number. Nothing off the client area. Numbers the
    // model no longer has are passed over.
    Wskazanie wybierz(const Konstrukcja& k, float x, float y) const;

  private:
    static constexpr int bok = 16;                 // cell side in pixels
    static constexpr float brzeg = promien_wezla;  // the grid reaches this far past the window

    // Entities by cell: those of cell c are wpisy[poczatki[c] .. poczatki[c + 1]).
    struct Spis {
        std::vector<std::uint32_t> poczatki;
        std::vector<std::int32_t> wpisy;
    };
    template <class Dla>
    void wypelnij(Spis& s, int ile, const Dla& dla);
    int komorka(float x, float y) const;

    bool zbudowana_ = false;
    Odwzorowanie o_;
    int w_ = 0, h_ = 0, kolumny_ = 0, wiersze_ = 0;
    const void* x_ = nullptr;
    const void* noc_ = nullptr;
    int nn_ = 0, ne_ = 0;
    Spis wezly_, prety_;
};
