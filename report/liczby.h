// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers as the report prints them for people: rounded to a fixed number of significant digits
// per quantity, with a decimal comma, without trailing zeros, and never "-0"; a column's values
// that are only the float noise of its largest are printed as 0.
#pragma once

#include <string>

// v rounded to `cyfry` significant digits: "-123,4", "0,01235", "24"; beyond the range a reader
// takes in at a glance, with a power of ten: "2,1·10¹¹", "1,5·10⁻⁶". Not a number: "–".
std::string liczba_raportu(double v, int cyfry = 4);

// A column of numbers: values under 1e-6 of its largest magnitude are the noise of single
// precision (a bar that carries nothing comes out of the solution with some 1e-13 of the others'
// force) and print as 0.
class KolumnaLiczb {
  public:
    explicit KolumnaLiczb(int cyfry = 4) : cyfry_(cyfry) {}
    void obejmij(double v);
    double najwieksza() const { return najwieksza_; }
    std::string operator()(double v) const;

  private:
    int cyfry_;
    double najwieksza_ = 0;
};

// The noise below which a column's value counts as 0.
inline constexpr double szum_kolumny = 1e-6;
