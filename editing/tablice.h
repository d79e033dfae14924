// SPDX-License-Identifier: GPL-3.0-or-later
// Replacing the model's arrays when a count changes: every helper copies each kept entry once,
// so growing or compacting costs time linear in the array.
#pragma once

#include <algorithm>
#include <utility>

#include "core/model.h"

// The store's allocator for each element type.
template <class T>
Wektor<T> nowy_wektor(int n);
template <>
inline Wektor<float> nowy_wektor<float>(int n) {
    return wektor(1, n);
}
template <>
inline Wektor<int> nowy_wektor<int>(int n) {
    return iwektor(1, n);
}
template <class T>
Macierz<T> nowa_macierz(int n, int kolumn);
template <>
inline Macierz<float> nowa_macierz<float>(int n, int kolumn) {
    return macierz(1, n, 1, kolumn);
}
template <>
inline Macierz<int> nowa_macierz<int>(int n, int kolumn) {
    return imacierz(1, n, 1, kolumn);
}

// Replaces a vector of `stare` entries by one over 1..nowe keeping entries 1..min(stare, nowe);
// with nowe = 0 the vector is freed and not created again.
template <class T>
void zmien_rozmiar(Wektor<T>& v, int stare, int nowe) {
    if (nowe <= 0) {
        v.reset();
        return;
    }
    Wektor<T> t = nowy_wektor<T>(nowe);
    const int ile = std::min(stare, nowe);
    if (ile > 0) std::copy(v.data(), v.data() + ile, t.data());
    v = std::move(t);
}
template <class T>
void zmien_rozmiar(Macierz<T>& m, int stare, int nowe, int kolumn) {
    if (nowe <= 0) {
        m.reset();
        return;
    }
    Macierz<T> t = nowa_macierz<T>(nowe, kolumn);
    const int ile = std::min(stare, nowe);
    if (ile > 0) std::copy(m.data(), m.data() + static_cast<long>(ile) * kolumn, t.data());
    m = std::move(t);
}

// A vector of results, which the analysis recomputes: created with the new size, nothing kept.
template <class T>
void utworz_na_nowo(Wektor<T>& v, int n) {
    if (n <= 0)
        v.reset();
    else
        v = nowy_wektor<T>(n);
}

// Keeps, in their order, the entries i of 1..n for which zostaje(i) holds; `nowe` is how many
// those are. An array left with no entries is freed.
template <class T, class Zostaje>
void kompaktuj(Wektor<T>& v, int n, int nowe, Zostaje zostaje) {
    if (nowe <= 0) {
        v.reset();
        return;
    }
    Wektor<T> t = nowy_wektor<T>(nowe);
    int j = 0;
    for (int i = 1; i <= n; ++i)
        if (zostaje(i)) t[++j] = v[i];
    v = std::move(t);
}
template <class T, class Zostaje>
void kompaktuj(Macierz<T>& m, int n, int nowe, int kolumn, Zostaje zostaje) {
    if (nowe <= 0) {
        m.reset();
        return;
    }
    Macierz<T> t = nowa_macierz<T>(nowe, kolumn);
    int j = 0;
    for (int i = 1; i <= n; ++i)
        if (zostaje(i)) std::copy(m[i] + 1, m[i] + 1 + kolumn, t[++j] + 1);
    m = std::move(t);
}

// Marks the store as empty while its arrays are being replaced, so nothing reads them half-built.
class Przebudowa {
  public:
    explicit Przebudowa(Model& m) : m_(m) { m_.Pusty = 1; }
    ~Przebudowa() { m_.Pusty = 0; }
    Przebudowa(const Przebudowa&) = delete;
    Przebudowa& operator=(const Przebudowa&) = delete;

  private:
    Model& m_;
};
