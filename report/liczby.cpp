// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/liczby.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

// Fixed notation is kept from 10^-4 up to below 10^6: displacements in metres read as plain
// numbers, and a modulus of 210000000 as 2,1·10⁸, whose zeros no one need count.
constexpr int najmniejszy_wykladnik = -4, najwiekszy_wykladnik = 6;

void bez_zer(std::string& s) {
    const std::size_t kropka = s.find('.');
    if (kropka == std::string::npos) return;
    std::size_t koniec = s.find_last_not_of('0');
    if (koniec == kropka) --koniec;
    s.erase(koniec + 1);
}

std::string wykladnik(int e) {
    static const char* const cyfry[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
    std::string s = e < 0 ? "⁻" : "";
    const std::string d = std::to_string(e < 0 ? -e : e);
    for (char c : d) s += cyfry[c - '0'];
    return s;
}

// Fixed notation with a point whatever the locale (printf would follow LC_NUMERIC).
std::string stale(double v, int po_przecinku) {
    char t[400];
    const auto w = std::to_chars(t, t + sizeof t, v, std::chars_format::fixed, po_przecinku);
    return std::string(t, w.ptr);
}

}  // namespace

std::string liczba_raportu(double v, int cyfry) {
    if (std::isnan(v)) return "–";
    if (std::isinf(v)) return v > 0 ? "∞" : "-∞";
    cyfry = std::clamp(cyfry, 1, 15);
    if (v == 0) return "0";
    int e = static_cast<int>(std::floor(std::log10(std::fabs(v))));
    // Rounding may carry into the next power (9,9996 to 4 digits is 10).
    const double skala = std::pow(10.0, e - cyfry + 1);
    double r = std::round(v / skala) * skala;
    if (r == 0) return "0";
    e = static_cast<int>(std::floor(std::log10(std::fabs(r)) + 1e-12));
    std::string s;
    if (e < najmniejszy_wykladnik || e >= najwiekszy_wykladnik) {
        const double m = r / std::pow(10.0, e);
        s = stale(m, cyfry - 1);
        bez_zer(s);
        s += "·10" + wykladnik(e);
    } else {
        s = stale(r, std::max(0, cyfry - 1 - e));
        bez_zer(s);
    }
    std::replace(s.begin(), s.end(), '.', ',');
    if (s == "-0") s = "0";
    return s;
}

void KolumnaLiczb::obejmij(double v) {
    if (std::isfinite(v)) najwieksza_ = std::max(najwieksza_, std::fabs(v));
}

std::string KolumnaLiczb::operator()(double v) const {
    if (std::fabs(v) < szum_kolumny * najwieksza_) return "0";
    return liczba_raportu(v, cyfry_);
}
