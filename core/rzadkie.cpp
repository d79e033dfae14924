#include "core/rzadkie.h"

#include <algorithm>

void zbuduj_wzor(const Konstrukcja& k, RzadkaMacierz& a) {
    const int nn = k.nn;
    a.n = 2 * nn;
    // Upper neighbours by node: counted, placed, then sorted and made unique.
    std::vector<long> od(static_cast<std::size_t>(nn) + 2, 0);
    for (int e = 1; e <= k.ne; ++e) {
        const int p = std::min(k.noc[e][1], k.noc[e][2]), q = std::max(k.noc[e][1], k.noc[e][2]);
        if (p != q) ++od[static_cast<std::size_t>(p) + 1];
    }
    for (int p = 1; p <= nn; ++p) od[p + 1] += od[p];
    std::vector<int> sasiedzi(static_cast<std::size_t>(od[nn + 1]));
    std::vector<long> wolne(od.begin(), od.end());
    for (int e = 1; e <= k.ne; ++e) {
        const int p = std::min(k.noc[e][1], k.noc[e][2]), q = std::max(k.noc[e][1], k.noc[e][2]);
        if (p != q) sasiedzi[static_cast<std::size_t>(wolne[p]++)] = q;
    }
    a.gora_od.assign(static_cast<std::size_t>(nn) + 2, 0);
    a.gora.clear();
    a.gora.reserve(sasiedzi.size());
    for (int p = 1; p <= nn; ++p) {
        auto b = sasiedzi.begin() + od[p], e = sasiedzi.begin() + od[p + 1];
        std::sort(b, e);
        a.gora.insert(a.gora.end(), b, std::unique(b, e));
        a.gora_od[p + 1] = static_cast<long>(a.gora.size());
    }
    // Columns: X of p has 2 + 2 g entries, Y of p has 1 + 2 g, g = p's upper neighbours.
    a.kolumna.assign(static_cast<std::size_t>(a.n) + 1, 0);
    for (int p = 1; p <= nn; ++p) {
        const long g = a.gora_od[p + 1] - a.gora_od[p];
        a.kolumna[2 * p - 1] = a.kolumna[2 * p - 2] + 2 + 2 * g;
        a.kolumna[2 * p] = a.kolumna[2 * p - 1] + 1 + 2 * g;
    }
    const std::size_t nnz = static_cast<std::size_t>(a.kolumna[a.n]);
    a.wiersz.resize(nnz);
    a.wartosc.assign(nnz, 0.0);
    for (int p = 1; p <= nn; ++p) {
        long* x = a.wiersz.data() + a.kolumna[2 * p - 2];
        long* y = a.wiersz.data() + a.kolumna[2 * p - 1];
        *x++ = 2 * p - 2, *x++ = 2 * p - 1;
        *y++ = 2 * p - 1;
        for (long j = a.gora_od[p]; j < a.gora_od[p + 1]; ++j) {
            const long q = a.gora[static_cast<std::size_t>(j)];
            *x++ = 2 * q - 2, *x++ = 2 * q - 1;
            *y++ = 2 * q - 2, *y++ = 2 * q - 1;
        }
    }
}

void RzadkaMacierz::dodaj_pret(int p, int q, double cc, double cn, double nn) {
    if (p > q) std::swap(p, q);
    const auto b = gora.begin() + gora_od[p], e = gora.begin() + gora_od[p + 1];
    const long i = std::lower_bound(b, e, q) - b;  // q's place among p's neighbours
    double* px = wartosc.data() + kolumna[2 * p - 2];
    double* py = wartosc.data() + kolumna[2 * p - 1];
    double* qx = wartosc.data() + kolumna[2 * q - 2];
    double* qy = wartosc.data() + kolumna[2 * q - 1];
    px[0] += cc, px[1] += cn, px[2 + 2 * i] -= cc, px[3 + 2 * i] -= cn;
    py[0] += nn, py[1 + 2 * i] -= cn, py[2 + 2 * i] -= nn;
    qx[0] += cc, qx[1] += cn;
    qy[0] += nn;
}
