// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/model.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

void zwolnij_model(Model& m) {
    m.obliczono = 0;
    if (m.Pusty == 0) {
        m.Pusty = 1;
        przejmij_konstrukcje(m, Konstrukcja{});
    }
    m.nn = m.ne = m.nd = m.nm = m.na = m.nq = m.ntel = m.nl = 0;
}

void przejmij_konstrukcje(Model& m, Konstrukcja&& k) {
    static_cast<Konstrukcja&>(m) = std::move(k);
}

namespace {
template <class T>
bool siega(const Wektor<T>& v, int n) {
    return n == 0 || (v && v.low() == 1 && v.high() >= n);
}
template <class T>
bool siega(const Macierz<T>& m, int n, int kolumn) {
    return n == 0 || (m && m.rlow() == 1 && m.rhigh() >= n && m.clow() == 1 && m.chigh() == kolumn);
}
}  // namespace

bool spojna(const Konstrukcja& k, bool z_wynikami) {
    for (int c : {k.ne, k.nn, k.nd, k.nl, k.nm, k.na, k.ntel})
        if (c < 0) return false;
    const bool wejscie = k.nn <= INT32_MAX / 2 && k.nq == 2 * k.nn && siega(k.x, k.nn, 2) &&
                         siega(k.noc, k.ne, 4) && siega(k.pm, k.nm, 2) && siega(k.area, k.na) &&
                         siega(k.nu, k.nd) && siega(k.u, k.nd) && siega(k.ild, k.nl) &&
                         siega(k.al, k.nl) && siega(k.nset, k.ntel) && siega(k.temp, k.ntel);
    return wejscie &&
           (!z_wynikami || (siega(k.f, k.nq) && siega(k.stressp, k.ne) && siega(k.react, k.nd)));
}

namespace {

template <class T>
std::size_t bajty_tablicy(const Wektor<T>& v) {
    return v ? (static_cast<std::size_t>(v.high() - v.low()) + 1) * sizeof(T) : 0;
}
template <class T>
std::size_t bajty_tablicy(const Macierz<T>& m) {
    return m ? (static_cast<std::size_t>(m.rhigh() - m.rlow()) + 1) *
                   (static_cast<std::size_t>(m.chigh() - m.clow()) + 1) * sizeof(T)
             : 0;
}

template <class T>
Wektor<T> utworz(int low, int high);
template <>
Wektor<float> utworz<float>(int low, int high) {
    return wektor(low, high);
}
template <>
Wektor<int> utworz<int>(int low, int high) {
    return iwektor(low, high);
}
template <class T>
Macierz<T> utworz(int rl, int rh, int cl, int ch);
template <>
Macierz<float> utworz<float>(int rl, int rh, int cl, int ch) {
    return macierz(rl, rh, cl, ch);
}
template <>
Macierz<int> utworz<int>(int rl, int rh, int cl, int ch) {
    return imacierz(rl, rh, cl, ch);
}

template <class T>
Wektor<T> kopia(const Wektor<T>& v) {
    if (!v) return {};
    Wektor<T> w = utworz<T>(v.low(), v.high());
    std::memcpy(w.data(), v.data(), bajty_tablicy(v));
    return w;
}
template <class T>
Macierz<T> kopia(const Macierz<T>& m) {
    if (!m) return {};
    Macierz<T> w = utworz<T>(m.rlow(), m.rhigh(), m.clow(), m.chigh());
    std::memcpy(w.data(), m.data(), bajty_tablicy(m));
    return w;
}

// The first n4 values of two arrays (absent counts as empty) are the same bytes.
template <class A>
bool te_same(const A& a, const A& b, std::size_t n) {
    if (n == 0) return true;
    if (!a || !b) return false;
    return std::memcmp(a.data(), b.data(), n) == 0;
}

std::size_t bajty_wynikow(const std::vector<WynikPrzypadku>& w) {
    std::size_t b = 0;
    for (const WynikPrzypadku& r : w)
        b +=
            sizeof r + (r.f.capacity() + r.stressp.capacity() + r.react.capacity()) * sizeof(float);
    return b;
}

}  // namespace

Konstrukcja kopia(const Konstrukcja& k, bool z_wynikami) {
    Konstrukcja c;
    c.ne = k.ne, c.nn = k.nn, c.nd = k.nd, c.nl = k.nl, c.nm = k.nm, c.na = k.na, c.ntel = k.ntel,
    c.nq = k.nq;
    c.x = kopia(k.x), c.noc = kopia(k.noc), c.pm = kopia(k.pm), c.area = kopia(k.area);
    c.nu = kopia(k.nu), c.u = kopia(k.u), c.ild = kopia(k.ild), c.al = kopia(k.al);
    c.nset = kopia(k.nset), c.temp = kopia(k.temp);
    if (z_wynikami) {
        c.f = kopia(k.f), c.stressp = kopia(k.stressp), c.react = kopia(k.react);
        c.wyniki = k.wyniki;
    } else {
        // The result arrays keep their sizes, as the rest of the program expects them.
        if (k.f) c.f = wektor(k.f.low(), k.f.high());
        if (k.stressp) c.stressp = wektor(k.stressp.low(), k.stressp.high());
        if (k.react) c.react = wektor(k.react.low(), k.react.high());
    }
    return c;
}

bool te_same_dane(const Konstrukcja& a, const Konstrukcja& b) {
    if (a.ne != b.ne || a.nn != b.nn || a.nd != b.nd || a.nl != b.nl || a.nm != b.nm ||
        a.na != b.na || a.ntel != b.ntel || a.nq != b.nq)
        return false;
    const auto n = [](int c, std::size_t na_wpis) { return static_cast<std::size_t>(c) * na_wpis; };
    return te_same(a.x, b.x, n(a.nn, 8)) && te_same(a.noc, b.noc, n(a.ne, 16)) &&
           te_same(a.pm, b.pm, n(a.nm, 8)) && te_same(a.area, b.area, n(a.na, 4)) &&
           te_same(a.nu, b.nu, n(a.nd, 4)) && te_same(a.u, b.u, n(a.nd, 4)) &&
           te_same(a.ild, b.ild, n(a.nl, 4)) && te_same(a.al, b.al, n(a.nl, 4)) &&
           te_same(a.nset, b.nset, n(a.ntel, 4)) && te_same(a.temp, b.temp, n(a.ntel, 4));
}

std::size_t bajty(const Konstrukcja& k) {
    return bajty_tablicy(k.x) + bajty_tablicy(k.noc) + bajty_tablicy(k.pm) + bajty_tablicy(k.area) +
           bajty_tablicy(k.nu) + bajty_tablicy(k.u) + bajty_tablicy(k.ild) + bajty_tablicy(k.al) +
           bajty_tablicy(k.nset) + bajty_tablicy(k.temp) + bajty_tablicy(k.f) +
           bajty_tablicy(k.stressp) + bajty_tablicy(k.react) + bajty_wynikow(k.wyniki);
}

std::string etykieta_dof(int dof) {
    char t[32];
    if (dof % 2 != 0)
        std::snprintf(t, sizeof t, "%4.0fX", static_cast<double>((dof + 1) / 2));
    else
        std::snprintf(t, sizeof t, "%4.0fY", static_cast<double>(dof / 2));
    return t;
}
