// SPDX-License-Identifier: GPL-3.0-or-later
// Columns of the table windows: each starts at its usual place, or further right when the widest
// value of the column before it would reach that place, so no cell is painted over by the next.
#pragma once

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <limits>
#include <span>
#include <string>
#include <vector>

#include "core/pom_mac.h"
#include "editing/liczby.h"
#include "view/powierzchnia.h"

namespace tabele {

// Least room between the widest value of a column and the start of the next one.
inline constexpr int odstep = 10;

// A column's widest text, known from the column's extremes rather than from formatting every
// value: the tables repaint often over many rows. Digits share one width, so in a fixed format
// the widest text is that of the largest value or of the smallest.
class SkrajneRzeczywiste {
  public:
    void dodaj(float v) {
        if (std::fabs(v) <= std::numeric_limits<float>::max()) {
            najwieksza_ = std::max(najwieksza_, v);
            najmniejsza_ = std::min(najmniejsza_, v);
            // -0.0 prints with its minus too.
            minus_ = minus_ || std::signbit(v);
        } else {
            (std::isnan(v) ? nan_ : nieskonczonosc_)[std::signbit(v)] = true;
        }
    }
    void dolacz(const SkrajneRzeczywiste& o) {
        najwieksza_ = std::max(najwieksza_, o.najwieksza_);
        najmniejsza_ = std::min(najmniejsza_, o.najmniejsza_);
        minus_ = minus_ || o.minus_;
        for (int z : {0, 1}) {
            nieskonczonosc_[z] = nieskonczonosc_[z] || o.nieskonczonosc_[z];
            nan_[z] = nan_[z] || o.nan_[z];
        }
    }
    // Pixels the widest value takes in format f (0 for an empty column).
    int szerokosc(Powierzchnia& dc, const char* f) const;

  private:
    // Over the finite values; whether any of them has a minus; infinities and NaNs by sign.
    float najwieksza_ = -std::numeric_limits<float>::max();
    float najmniejsza_ = std::numeric_limits<float>::max();
    bool minus_ = false;
    bool nieskonczonosc_[2] = {}, nan_[2] = {};
};

// A column of stored input values, each shown in a fixed format of `Miejsca` decimals where that
// reads back as the value and otherwise in its shortest exact text (format_dokladny). The fixed
// texts' widest comes from their extremes; the others' from their shapes, digits made zeros,
// since digits share one width: a column of like values has one or two.
template <int Miejsca>
class SkrajneDokladne {
  public:
    void dodaj(float v) {
        if (!std::isfinite(v) || miejsca_oddaja(v, Miejsca)) {
            stale_.dodaj(v);
            return;
        }
        std::string t = tekst_dokladny(v);
        for (char& c : t)
            if (c >= '1' && c <= '9') c = '0';
        if (std::find(ksztalty_.begin(), ksztalty_.end(), t) == ksztalty_.end())
            ksztalty_.push_back(std::move(t));
    }
    void dolacz(const SkrajneDokladne& o) {
        stale_.dolacz(o.stale_);
        for (const std::string& t : o.ksztalty_)
            if (std::find(ksztalty_.begin(), ksztalty_.end(), t) == ksztalty_.end())
                ksztalty_.push_back(t);
    }
    // Pixels the widest value takes; f is the fixed format, of `Miejsca` decimals.
    int szerokosc(Powierzchnia& dc, const char* f) const {
        int w = stale_.szerokosc(dc, f);
        for (const std::string& t : ksztalty_) w = std::max(w, dc.szerokosc_tekstu(t));
        return w;
    }

  private:
    SkrajneRzeczywiste stale_;
    std::vector<std::string> ksztalty_;
};

class SkrajneCalkowite {
  public:
    void dodaj(int v) {
        min_ = std::min(min_, v);
        max_ = std::max(max_, v);
    }
    void dolacz(const SkrajneCalkowite& o) {
        min_ = std::min(min_, o.min_);
        max_ = std::max(max_, o.max_);
    }
    // Pixels the widest value takes in format f, or as a degree-of-freedom label.
    int szerokosc(Powierzchnia& dc, const char* f) const;
    int szerokosc_dof(Powierzchnia& dc) const;

  private:
    int min_ = INT_MAX, max_ = INT_MIN;
};

// Extremes of n values lying `krok` elements apart from p on, gathered in four running sets so
// that neighbouring comparisons do not wait on each other: a repaint scans whole columns.
template <class S, class T>
S skrajne(const T* p, std::int64_t n, std::int64_t krok) {
    S s[4];
    std::int64_t i = 0;
    for (; i + 4 <= n; i += 4)
        for (int j = 0; j < 4; ++j) s[j].dodaj(p[(i + j) * krok]);
    for (; i < n; ++i) s[0].dodaj(p[i * krok]);
    for (int j = 1; j < 4; ++j) s[0].dolacz(s[j]);
    return s[0];
}

// Extremes of v[od + krok * (i - 1)] for i = 1..n (krok > 0), of the elements the array holds.
template <class S, class T>
S skrajne(const Wektor<T>& v, int n, int od = 1, int krok = 1) {
    const std::int64_t do_konca = std::int64_t{v.high()} - od;
    if (!v || n <= 0 || do_konca < 0) return S{};
    // The first and last i - 1 whose element lies within low..high.
    const std::int64_t pierwszy =
        std::max<std::int64_t>(0, (std::int64_t{v.low()} - od + krok - 1) / krok);
    const std::int64_t ostatni = std::min<std::int64_t>(n - 1, do_konca / krok);
    if (ostatni < pierwszy) return S{};
    return skrajne<S>(&v[static_cast<int>(od + pierwszy * krok)], ostatni - pierwszy + 1, krok);
}

// Extremes of column c of rows 1..n, of the rows the matrix holds.
template <class S, class T>
S skrajne(const Macierz<T>& m, int n, int c) {
    if (!m || c < m.clow() || c > m.chigh()) return S{};
    const int od = std::max(1, m.rlow()), do_ = std::min(n, m.rhigh());
    if (do_ < od) return S{};
    return skrajne<S>(&m[od][c], std::int64_t{do_} - od + 1,
                      std::int64_t{m.chigh()} - m.clow() + 1);
}

// Widest text of the row numbers 1..n.
int szerokosc_numerow(Powierzchnia& dc, int n);

struct Kolumna {
    int x = 0;         // where the column starts; rozmiesc moves it right where needed
    int wartosci = 0;  // the widest value's width
    int naglowek = 0;  // the widest header's width
};

// What placing the columns of a table gave: how far right its widest text reaches, header
// included, and how far its furthest column had to move.
struct Prawo {
    int tekstu = 0, przesuniecie = 0;
    void dolicz(const Prawo& p) {
        tekstu = std::max(tekstu, p.tekstu);
        przesuniecie = std::max(przesuniecie, p.przesuniecie);
    }
};
// Moves each column right of the widest value before it and the gap.
Prawo rozmiesc(std::span<Kolumna> k);

}  // namespace tabele
