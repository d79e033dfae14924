// SPDX-License-Identifier: GPL-3.0-or-later
// The input-data table window, and the little both table windows share.
#pragma once

#include <cstdint>
#include <string>

#include "core/model.h"
#include "files/jednostki.h"
#include "okno/platforma.h"
#include "view/kolumny.h"
#include "view/powierzchnia.h"

namespace tabele {

inline constexpr int wiersz = 20;  // rows are this many pixels apart

// What a repaint may draw: elements whose y lies in od..do, with a row's height of slack above
// (a row's text hangs below its y) and the thick pen's half-width below.
struct Zakres {
    std::int64_t od, do_;
    bool widac(std::int64_t y) const { return y > od - wiersz && y <= do_ + 2; }
    // The first and last i in 1..n whose row y = baza + wiersz * i is visible; pierwszy >
    // ostatni when none is. Keeps a repaint proportional to the window, not to the model.
    void wiersze(std::int64_t baza, int n, int& pierwszy, int& ostatni) const;
};

// Font, brushes, pens and text colours of a table repaint; the surface's own are saved first.
void zacznij(Powierzchnia& dc);
// Black 3-pixel separator from x 2 to x `do_x` at y.
void kreska(Powierzchnia& dc, const Zakres& z, std::int64_t y, int do_x);
void tekst(Powierzchnia& dc, const Zakres& z, int x, std::int64_t y, const char* t);

// Printf-style text of one value; the tables' formats are all short.
std::string format(const char* f, int v);
std::string format(const char* f, float v);
// A stored input value as it reads back: in the fixed format f of `miejsca` decimals where that
// text reads back as v, otherwise in the shortest text that does ("0.0015", never "0.002").
std::string format_dokladny(const char* f, int miejsca, float v);

// An element of the store only while its index lies within the array as it is now, so a window
// left open while the arrays change under it reads nothing beyond them.
template <class T>
const T* element(const Wektor<T>& v, int i) {
    return (v && i >= v.low() && i <= v.high()) ? &v[i] : nullptr;
}
template <class T>
const T* element(const Macierz<T>& m, int r, int c) {
    return (m && r >= m.rlow() && r <= m.rhigh() && c >= m.clow() && c <= m.chigh()) ? &m[r][c]
                                                                                     : nullptr;
}

// A column whose header names a unit: the header, made longer than the values were given room
// for, keeps the next column off as a wider value would.
inline Kolumna z_jednostka(Kolumna k, bool jednostki) {
    if (jednostki) k.wartosci = std::max(k.wartosci, k.naglowek);
    return k;
}

inline int ograniczony(std::int64_t v) {
    return v > INT32_MAX ? INT32_MAX : static_cast<int>(v);
}

}  // namespace tabele

// The input-data window: every table of the open model, read afresh from the store at each
// repaint. Owned by the main window.
class _DANE_ : public OknoTabeli {
  public:
    // The headers name the units `jednostki` holds at each repaint.
    explicit _DANE_(Model& m, const UkladJednostek& jednostki = bez_jednostek)
        : m_(m), jednostki_(jednostki) {}

    std::string tytul() const override { return "Dane do obliczeń"; }
    int szerokosc() const override { return 450; }
    int wysokosc() const override { return 400; }
    bool wlasnosc_glownego() const override { return true; }
    int szerokosc_tresci() const override;
    int wysokosc_tresci() const override;
    void Paint(Powierzchnia& dc, int od_y, int do_y) override;
    bool CanClose() override;

  private:
    Model& m_;
    const UkladJednostek& jednostki_;
    int prawo_ = 0;  // where the widest text of the last paint ends, with a gap
};
