// SPDX-License-Identifier: GPL-3.0-or-later
// The label placer: where every text of a drawing goes. A label takes the first of the places
// offered for it that lies wholly inside the drawing and keeps clear of every symbol and of every
// label placed before it; a label that finds no such place is left out (the tables still carry
// its value). Labels placed earlier win, so the caller offers the most important ones first. The
// main view places its numbers and values through it on screen, in pictures and on paper, and
// anything else drawn through the view code (a report's figures) can do the same.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <vector>

// A box of pixels: left and top inside, right and bottom outside.
struct Pudelko {
    int lewo = 0, gora = 0, prawo = 0, dol = 0;

    int szerokosc() const { return prawo - lewo; }
    int wysokosc() const { return dol - gora; }
    // Whether the boxes share a pixel, or come closer than `odstep` pixels to each other.
    bool blisko(const Pudelko& p, int odstep = 0) const {
        return lewo < p.prawo + odstep && p.lewo < prawo + odstep && gora < p.dol + odstep &&
               p.gora < dol + odstep;
    }
    friend bool operator==(const Pudelko&, const Pudelko&) = default;
};

// The box a segment covers when drawn with a pen `grubosc` pixels wide.
Pudelko pudelko_odcinka(int x1, int y1, int x2, int y2, int grubosc = 1);
// Whether the segment passes through the box or within `odstep` pixels of it.
bool odcinek_przez(const Pudelko& p, float x1, float y1, float x2, float y2, float odstep = 0.0f);

// A label's place: its top-left corner, and the point of the line it names, when it names one:
// no other line may pass between the two.
struct Miejsce {
    int x = 0, y = 0;
    bool z_kotwica = false;
    float kx = 0.0f, ky = 0.0f;
};

class RozmieszczenieEtykiet {
  public:
    // Labels stay within the drawing's `szerokosc` x `wysokosc` pixels and keep `odstep` pixels
    // from each other and from the symbols.
    RozmieszczenieEtykiet(int szerokosc, int wysokosc, int odstep = 2);

    // A symbol (a support, an arrow, a legend) no label may cover.
    void przeszkoda(const Pudelko& p);
    // A line of the drawing (a bar) that belongs to `wlasciciel`, a number from 0: a label placed
    // for another owner keeps clear of it, so that a bar's label is never read as another's.
    void linia(float x1, float y1, float x2, float y2, int wlasciciel);
    // An area where labels that mind lines may go. Once any is given, lines are noted only where
    // they pass through one: a lattice of thousands of bars with a few labels notes few lines.
    void obszar_linii(const Pudelko& p);
    // Whether a label could take the box: inside the drawing, clear of symbols and labels.
    bool wolne(const Pudelko& p) const;
    // A label w x h pixels at the first free place of `miejsca`: the box it took, or nothing when
    // it is left out. The label of an owner (from 0) keeps clear of the lines of every other, over
    // its box and up to the point it names; a label of none (-1) minds no lines.
    std::optional<Pudelko> umiesc(int w, int h, const Miejsce* miejsca, std::size_t ile,
                                  int wlasciciel = -1);
    std::optional<Pudelko> umiesc(int w, int h, std::initializer_list<Miejsce> miejsca) {
        return umiesc(w, h, miejsca.begin(), miejsca.size());
    }
    // The labels placed so far, in order.
    const std::vector<Pudelko>& etykiety() const { return etykiety_; }

  private:
    static constexpr int bok_x = 32, bok_y = 16;  // grid cells
    struct Zakres {
        int k0, k1, w0, w1;  // no cells when k0 > k1
    };
    struct Linia {
        float x1, y1, x2, y2;
        int wlasciciel;
    };
    Zakres komorki(const Pudelko& p) const;
    std::size_t indeks(int w, int k) const {
        return static_cast<std::size_t>(w) * static_cast<std::size_t>(kolumny_) +
               static_cast<std::size_t>(k);
    }
    void wstaw(const Pudelko& p);
    bool bez_linii(const Pudelko& p, int wlasciciel) const;

    int szerokosc_, wysokosc_, odstep_;
    int kolumny_, wiersze_;
    // Every box taken, symbols and labels alike, and for each grid cell the boxes touching it.
    std::vector<Pudelko> zajete_;
    std::vector<std::vector<std::uint32_t>> siatka_;
    std::vector<Pudelko> etykiety_;
    // The lines, and for each grid cell the lines crossing it; the cells are made on the first.
    std::vector<Linia> linie_;
    std::vector<std::vector<std::uint32_t>> siatka_linii_;
    std::vector<unsigned char> obszar_;  // per cell: 1 where lines are noted; empty: everywhere
};
