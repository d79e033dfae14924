// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/pasmo.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <vector>

// Every term of the band receives the updates of its pivots one at a time and in pivot order,
// whichever of the loops below does the work; they differ only in how they keep the data close.

namespace {

typedef double v4 __attribute__((vector_size(32)));

// The helpers below are inlined even without optimisation, and no vector crosses a call by value:
// the AVX2 variant and the plain one pass 32-byte vectors by different conventions.
#define ZAWSZE_WSTAWIANA inline __attribute__((always_inline))

ZAWSZE_WSTAWIANA void laduj(v4& v, const double* p) {
    std::memcpy(&v, p, sizeof v);
}
ZAWSZE_WSTAWIANA void zapisz(double* p, const v4& v) {
    std::memcpy(p, &v, sizeof v);
}

// A pivot not above prog times its row's diagonal (a NaN too) is replaced by that bound, so the
// elimination goes on to the end; the first such row is remembered in `zly` (1-based).
ZAWSZE_WSTAWIANA void sprawdz_piwot(double& piwot, double d0, double prog, int wiersz, int& zly) {
    const double granica = prog * std::fabs(d0);
    if (piwot > granica) return;
    piwot = granica;
    if (zly == 0) zly = wiersz + 1;
}

ZAWSZE_WSTAWIANA std::size_t poz(int wiersz, int nbw) {
    return static_cast<std::size_t>(wiersz) * static_cast<std::size_t>(nbw);
}

// One pivot of the plain elimination: rows k+1..k+nk-1 lose their share of row k.
// NBW > 0 fixes the band width at compile time so that a narrow band is fully unrolled.
template <int NBW>
ZAWSZE_WSTAWIANA void krok(double* s, double* f, int k, int nk, int nbw_rt) {
    const int nbw = NBW > 0 ? NBW : nbw_rt;
    const double* __restrict wk = s + poz(k, nbw);
    const double d = wk[0];
    const double fk = f[k];
    for (int i = 1; i < nk; ++i) {
        const double c1 = wk[i] / d;
        double* __restrict wi = s + poz(k + i, nbw);
        for (int j = i; j < nk; ++j) wi[j - i] -= c1 * wk[j];
        f[k + i] -= c1 * fk;
    }
}

template <int NBW>
ZAWSZE_WSTAWIANA int eliminacja_prosta(double* s, double* f, const double* diag, int nq, int nbw_rt,
                                       double prog) {
    const int nbw = NBW > 0 ? NBW : nbw_rt;
    int k = 0, zly = 0;
    for (; k + nbw <= nq; ++k) {  // full band below: the trip counts are constant
        sprawdz_piwot(s[poz(k, nbw)], diag[k], prog, k, zly);
        krok<NBW>(s, f, k, nbw, nbw);
    }
    for (; k < nq; ++k) {
        sprawdz_piwot(s[poz(k, nbw)], diag[k], prog, k, zly);
        krok<0>(s, f, k, nq - k, nbw);
    }
    return zly;
}

// Blocked elimination for wide bands. A panel of pivots is eliminated among its own rows; the
// rows below then take the panel's updates in a register-tiled pass over packed copies of the
// panel's multipliers (W) and rows (U), zero outside each pivot's band.
constexpr int panel = 32;

struct Bufory {
    std::vector<double> w, u;
};

// C(rr, t) -= sum over the panel of W(pi, rr) * U(pi, t), pivots in order, on a 4 x 8 tile.
ZAWSZE_WSTAWIANA void kafel4x8(double* const c[4], int t, const double* w, const double* u, int kb,
                               int T, int rr) {
    v4 c00, c01, c10, c11, c20, c21, c30, c31;
    laduj(c00, c[0] + t), laduj(c01, c[0] + t + 4);
    laduj(c10, c[1] + t), laduj(c11, c[1] + t + 4);
    laduj(c20, c[2] + t), laduj(c21, c[2] + t + 4);
    laduj(c30, c[3] + t), laduj(c31, c[3] + t + 4);
    for (int pi = 0; pi < kb; ++pi) {
        const double* up = u + poz(pi, T) + t;
        const double* wp = w + poz(pi, T) + rr;
        v4 u0, u1;
        laduj(u0, up), laduj(u1, up + 4);
        const double w0 = wp[0], w1 = wp[1], w2 = wp[2], w3 = wp[3];  // broadcast in each product
        c00 -= w0 * u0, c01 -= w0 * u1;
        c10 -= w1 * u0, c11 -= w1 * u1;
        c20 -= w2 * u0, c21 -= w2 * u1;
        c30 -= w3 * u0, c31 -= w3 * u1;
    }
    zapisz(c[0] + t, c00), zapisz(c[0] + t + 4, c01);
    zapisz(c[1] + t, c10), zapisz(c[1] + t + 4, c11);
    zapisz(c[2] + t, c20), zapisz(c[2] + t + 4, c21);
    zapisz(c[3] + t, c30), zapisz(c[3] + t + 4, c31);
}

ZAWSZE_WSTAWIANA void element(double* c, int t, const double* w, const double* u, int kb, int T,
                              int rr) {
    double v = c[t];
    for (int pi = 0; pi < kb; ++pi) v -= w[poz(pi, T) + rr] * u[poz(pi, T) + t];
    c[t] = v;
}

ZAWSZE_WSTAWIANA void aktualizacja(double* s, int nbw, int kend, int T, const double* w,
                                   const double* u, int kb) {
    int rr = 0;
    for (; rr + 4 <= T; rr += 4) {
        double* c[4];
        for (int q = 0; q < 4; ++q) c[q] = s + poz(kend + rr + q, nbw) - (rr + q);
        // The corner on the diagonal: row rr + q starts at column rr + q.
        for (int q = 0; q < 4; ++q)
            for (int t = rr + q; t < rr + 4 && t < T; ++t) element(c[q], t, w, u, kb, T, rr + q);
        int t = rr + 4;
        for (; t + 8 <= T; t += 8) kafel4x8(c, t, w, u, kb, T, rr);
        for (; t < T; ++t)
            for (int q = 0; q < 4; ++q) element(c[q], t, w, u, kb, T, rr + q);
    }
    for (; rr < T; ++rr) {
        double* c = s + poz(kend + rr, nbw) - rr;
        for (int t = rr; t < T; ++t) element(c, t, w, u, kb, T, rr);
    }
}

ZAWSZE_WSTAWIANA int eliminacja_blokowa(double* s, double* f, const double* diag, int nq, int nbw,
                                        double prog) {
    int zly = 0;
    Bufory b;
    b.w.resize(poz(panel, nbw));
    b.u.resize(poz(panel, nbw));
    for (int k0 = 0; k0 < nq; k0 += panel) {
        const int kb = std::min(panel, nq - k0);
        const int kend = k0 + kb;
        for (int p = k0; p < kend; ++p) {
            double* __restrict wp = s + poz(p, nbw);
            sprawdz_piwot(wp[0], diag[p], prog, p, zly);
            const double d = wp[0];
            const int nk = std::min(nq - p, nbw);
            const int wewn = std::min(nk, kend - p);  // rows still inside the panel
            const double fp = f[p];
            for (int i = 1; i < nk; ++i) {
                const double c1 = wp[i] / d;
                f[p + i] -= c1 * fp;
                if (i < wewn) {
                    double* __restrict wi = s + poz(p + i, nbw);
                    for (int j = i; j < nk; ++j) wi[j - i] -= c1 * wp[j];
                }
            }
        }
        const int rend = std::min(nq, kend - 1 + nbw);
        const int T = rend - kend;
        if (T <= 0) continue;
        for (int pi = 0; pi < kb; ++pi) {
            const int p = k0 + pi;
            const double* wp = s + poz(p, nbw);
            const double d = wp[0];
            double* wb = b.w.data() + poz(pi, T);
            double* ub = b.u.data() + poz(pi, T);
            for (int t = 0; t < T; ++t) {
                const int off = kend + t - p;
                const bool w_pasmie = off < nbw;
                ub[t] = w_pasmie ? wp[off] : 0.0;
                wb[t] = w_pasmie ? wp[off] / d : 0.0;
            }
        }
        aktualizacja(s, nbw, kend, T, b.w.data(), b.u.data(), kb);
    }
    return zly;
}

ZAWSZE_WSTAWIANA int eliminacja_wybor(double* s, double* f, const double* diag, int nq, int nbw,
                                      double prog) {
    switch (nbw) {
        case 2:
            return eliminacja_prosta<2>(s, f, diag, nq, nbw, prog);
        case 4:
            return eliminacja_prosta<4>(s, f, diag, nq, nbw, prog);
        case 6:
            return eliminacja_prosta<6>(s, f, diag, nq, nbw, prog);
        case 8:
            return eliminacja_prosta<8>(s, f, diag, nq, nbw, prog);
        case 10:
            return eliminacja_prosta<10>(s, f, diag, nq, nbw, prog);
        case 12:
            return eliminacja_prosta<12>(s, f, diag, nq, nbw, prog);
        case 14:
            return eliminacja_prosta<14>(s, f, diag, nq, nbw, prog);
        case 16:
            return eliminacja_prosta<16>(s, f, diag, nq, nbw, prog);
        default:
            break;
    }
    // Up to about a hundred columns the plain loop's rows stay in cache and beat the panels.
    if (nbw < 128) return eliminacja_prosta<0>(s, f, diag, nq, nbw, prog);
    return eliminacja_blokowa(s, f, diag, nq, nbw, prog);
}

#if defined(__x86_64__)
__attribute__((target("avx2,fma"), flatten)) int eliminacja_avx2(double* s, double* f,
                                                                 const double* diag, int nq,
                                                                 int nbw, double prog) {
    return eliminacja_wybor(s, f, diag, nq, nbw, prog);
}
#endif

__attribute__((flatten)) int eliminacja_zwykla(double* s, double* f, const double* diag, int nq,
                                               int nbw, double prog) {
    return eliminacja_wybor(s, f, diag, nq, nbw, prog);
}

}  // namespace

int eliminacja(double* s, double* f, const double* diag, int nq, int nbw, double prog) {
#if defined(__x86_64__)
    static const bool avx2 = __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma");
    if (avx2) return eliminacja_avx2(s, f, diag, nq, nbw, prog);
#endif
    return eliminacja_zwykla(s, f, diag, nq, nbw, prog);
}

void podstawienie(const double* s, double* f, int nq, int nbw) {
    for (int i = nq - 1; i >= 0; --i) {
        const double* wi = s + poz(i, nbw);
        const int nk = std::min(nq - i, nbw);
        // Four partial sums keep the loop from waiting on one chain of additions.
        double a0 = 0.0, a1 = 0.0, a2 = 0.0, a3 = 0.0;
        int j = 1;
        for (; j + 4 <= nk; j += 4) {
            a0 += wi[j] * f[i + j];
            a1 += wi[j + 1] * f[i + j + 1];
            a2 += wi[j + 2] * f[i + j + 2];
            a3 += wi[j + 3] * f[i + j + 3];
        }
        for (; j < nk; ++j) a0 += wi[j] * f[i + j];
        f[i] = (f[i] - ((a0 + a1) + (a2 + a3))) / wi[0];
    }
}

void postep(const double* s, double* f, int nq, int nbw) {
    // Row k of the eliminated band is row k of U; the multipliers were U(k, k + i) / U(k, k).
    for (int k = 0; k < nq; ++k) {
        const double* wk = s + poz(k, nbw);
        const double c = f[k] / wk[0];
        if (c == 0.0) continue;
        const int nk = std::min(nq - k, nbw);
        for (int i = 1; i < nk; ++i) f[k + i] -= wk[i] * c;
    }
}

namespace {

// The many-sided solution four sides at a time: n is a multiple of 4.
ZAWSZE_WSTAWIANA void postep_wiele_v(const double* s, double* x, int nq, int nbw, int n) {
    for (int k = 0; k < nq; ++k) {
        const double* wk = s + poz(k, nbw);
        const double d = wk[0];
        const int nk = std::min(nq - k, nbw);
        for (int b = 0; b < n; b += 4) {
            v4 c;
            laduj(c, x + static_cast<std::size_t>(k) * n + b);
            c /= d;
            for (int i = 1; i < nk; ++i) {
                double* xi = x + static_cast<std::size_t>(k + i) * n + b;
                v4 v;
                laduj(v, xi);
                v -= wk[i] * c;
                zapisz(xi, v);
            }
        }
    }
}

ZAWSZE_WSTAWIANA void podstawienie_wiele_v(const double* s, double* x, int nq, int nbw, int n) {
    for (int i = nq - 1; i >= 0; --i) {
        const double* wi = s + poz(i, nbw);
        const int nk = std::min(nq - i, nbw);
        for (int b = 0; b < n; b += 4) {
            v4 a = {0.0, 0.0, 0.0, 0.0};
            for (int j = 1; j < nk; ++j) {
                v4 v;
                laduj(v, x + static_cast<std::size_t>(i + j) * n + b);
                a += wi[j] * v;
            }
            double* xi = x + static_cast<std::size_t>(i) * n + b;
            v4 v;
            laduj(v, xi);
            zapisz(xi, (v - a) / wi[0]);
        }
    }
}

#if defined(__x86_64__)
__attribute__((target("avx2,fma"), flatten)) void wiele_avx2(const double* s, double* x, int nq,
                                                             int nbw, int n) {
    postep_wiele_v(s, x, nq, nbw, n);
    podstawienie_wiele_v(s, x, nq, nbw, n);
}
#endif
__attribute__((flatten)) void wiele_zwykle(const double* s, double* x, int nq, int nbw, int n) {
    postep_wiele_v(s, x, nq, nbw, n);
    podstawienie_wiele_v(s, x, nq, nbw, n);
}

}  // namespace

void rozwiaz_wiele_pasmo(const double* s, double* x, int nq, int nbw, int n) {
#if defined(__x86_64__)
    static const bool avx2 = __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma");
    if (avx2) return wiele_avx2(s, x, nq, nbw, n);
#endif
    wiele_zwykle(s, x, nq, nbw, n);
}
