// SPDX-License-Identifier: GPL-3.0-or-later
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

std::vector<long> porzadek_rozcinania(const Konstrukcja& k, const RzadkaMacierz& a) {
    const long nn = k.nn;
    // Both directions of every bar, 0-based.
    std::vector<long> od(static_cast<std::size_t>(nn) + 1, 0);
    for (long p = 1; p <= nn; ++p) {
        od[p] += a.gora_od[p + 1] - a.gora_od[p];
        for (long j = a.gora_od[p]; j < a.gora_od[p + 1]; ++j) ++od[a.gora[j]];
    }
    for (long i = 0; i < nn; ++i) od[i + 1] += od[i];
    std::vector<long> sasiad(static_cast<std::size_t>(od[nn]));
    std::vector<long> wolne(od.begin(), od.end() - 1);
    for (long p = 1; p <= nn; ++p)
        for (long j = a.gora_od[p]; j < a.gora_od[p + 1]; ++j) {
            const long q = a.gora[j];
            sasiad[wolne[p - 1]++] = q - 1;
            sasiad[wolne[q - 1]++] = p - 1;
        }
    std::vector<float> x(static_cast<std::size_t>(nn)), y(static_cast<std::size_t>(nn));
    for (long i = 0; i < nn; ++i) x[i] = k.x[i + 1][1], y[i] = k.x[i + 1][2];

    // Parts still to cut: wezly[od .. od + ile) take places [miejsce, miejsce + ile).
    struct Czesc {
        long od, ile, miejsce;
    };
    constexpr long lisc = 16;  // a part this small is taken as it stands
    std::vector<long> wezly(static_cast<std::size_t>(nn)), kolejnosc(static_cast<std::size_t>(nn));
    for (long i = 0; i < nn; ++i) wezly[i] = i;
    std::vector<int> cieta(static_cast<std::size_t>(nn), 0);    // which cut a node was last in
    std::vector<char> strona(static_cast<std::size_t>(nn), 0);  // 0, 1: a half; 2: separator
    std::vector<long> brzeg[2], polowa[2];
    std::vector<Czesc> stos{{0, nn, 0}};
    int ciecie = 0;
    while (!stos.empty()) {
        const Czesc c = stos.back();
        stos.pop_back();
        long* w = wezly.data() + c.od;
        if (c.ile <= lisc) {
            std::copy(w, w + c.ile, kolejnosc.begin() + c.miejsce);
            continue;
        }
        float x0 = x[w[0]], x1 = x0, y0 = y[w[0]], y1 = y0;
        for (long i = 1; i < c.ile; ++i) {
            x0 = std::min(x0, x[w[i]]), x1 = std::max(x1, x[w[i]]);
            y0 = std::min(y0, y[w[i]]), y1 = std::max(y1, y[w[i]]);
        }
        const std::vector<float>& os = x1 - x0 >= y1 - y0 ? x : y;
        const long pol = c.ile / 2;
        std::nth_element(w, w + pol, w + c.ile, [&os](long a, long b) { return os[a] < os[b]; });
        ++ciecie;
        for (long i = 0; i < c.ile; ++i) cieta[w[i]] = ciecie, strona[w[i]] = i < pol ? 0 : 1;
        brzeg[0].clear(), brzeg[1].clear();
        for (long i = 0; i < c.ile; ++i) {
            const long v = w[i];
            for (long j = od[v]; j < od[v + 1]; ++j) {
                const long u = sasiad[j];
                if (cieta[u] == ciecie && strona[u] != strona[v]) {
                    brzeg[static_cast<int>(strona[v])].push_back(v);
                    break;
                }
            }
        }
        const std::vector<long>& sep = brzeg[0].size() <= brzeg[1].size() ? brzeg[0] : brzeg[1];
        for (long v : sep) strona[v] = 2;
        polowa[0].clear(), polowa[1].clear();
        for (long i = 0; i < c.ile; ++i)
            if (strona[w[i]] != 2) polowa[static_cast<int>(strona[w[i]])].push_back(w[i]);
        const long a0 = static_cast<long>(polowa[0].size()),
                   a1 = static_cast<long>(polowa[1].size());
        std::copy(polowa[0].begin(), polowa[0].end(), w);
        std::copy(polowa[1].begin(), polowa[1].end(), w + a0);
        std::copy(sep.begin(), sep.end(), w + a0 + a1);
        std::copy(sep.begin(), sep.end(), kolejnosc.begin() + c.miejsce + a0 + a1);
        stos.push_back({c.od, a0, c.miejsce});
        stos.push_back({c.od + a0, a1, c.miejsce + a0});
    }
    return kolejnosc;
}
