// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/wspolne/wzorzec.h"

#include <cmath>

Wzorzec rozwiaz_wzorzec(const Model& m) {
    const int nq = m.nq;
    Wzorzec w;
    std::vector<long double> K(static_cast<size_t>(nq) * nq, 0.0L), F(nq, 0.0L);
    auto k = [&](int r, int c) -> long double& { return K[static_cast<size_t>(r) * nq + c]; };
    for (int i = 1; i <= m.nl; ++i) F[m.ild[i] - 1] = m.al[i];
    std::vector<long double> cs(m.ne + 1), sn(m.ne + 1), el(m.ne + 1);
    for (int n = 1; n <= m.ne; ++n) {
        const int a = m.noc[n][1], b = m.noc[n][2];
        const long double dx = (long double)m.x[b][1] - m.x[a][1];
        const long double dy = (long double)m.x[b][2] - m.x[a][2];
        el[n] = std::sqrt(dx * dx + dy * dy);
        cs[n] = dx / el[n], sn[n] = dy / el[n];
        const long double ea = (long double)m.pm[m.noc[n][3]][1] * m.area[m.noc[n][4]] / el[n];
        const long double g[4] = {-cs[n], -sn[n], cs[n], sn[n]};
        const int dof[4] = {2 * a - 2, 2 * a - 1, 2 * b - 2, 2 * b - 1};
        for (int i = 0; i < 4; ++i)
            for (int j = 0; j < 4; ++j) k(dof[i], dof[j]) += ea * g[i] * g[j];
        for (int t = 1; t <= m.ntel; ++t)
            if (m.nset[t] == n) {
                const long double p = (long double)m.pm[m.noc[n][3]][2] * m.temp[t] *
                                      m.pm[m.noc[n][3]][1] * m.area[m.noc[n][4]];
                for (int i = 0; i < 4; ++i) F[dof[i]] += p * g[i];
            }
    }
    const std::vector<long double> K0 = K, F0 = F;
    // Prescribed DOFs: the last entry on a DOF fixes its value.
    std::vector<int> stala(nq, 0);
    std::vector<long double> wart(nq, 0.0L);
    for (int i = 1; i <= m.nd; ++i) stala[m.nu[i] - 1] = 1, wart[m.nu[i] - 1] = m.u[i];
    for (int r = 0; r < nq; ++r)
        if (stala[r]) {
            for (int c = 0; c < nq; ++c) {
                if (!stala[c]) F[c] -= k(c, r) * wart[r];
                k(r, c) = k(c, r) = 0.0L;
            }
            k(r, r) = 1.0L, F[r] = wart[r];
        }
    // Each pivot against its own row's scale, so that a very stiff bar beside soft ones does not
    // look like a singularity.
    std::vector<long double> skala(nq, 0.0L);
    for (int r = 0; r < nq; ++r)
        for (int c = 0; c < nq; ++c) skala[r] = std::max(skala[r], std::fabs(k(r, c)));
    for (int c = 0; c < nq; ++c) {
        int p = c;
        for (int r = c + 1; r < nq; ++r)
            if (std::fabs(k(r, c)) > std::fabs(k(p, c))) p = r;
        if (std::fabs(k(p, c)) <= 1e-15L * skala[p]) {
            w.osobliwy = true;
            return w;
        }
        if (p != c) {
            for (int j = 0; j < nq; ++j) std::swap(k(p, j), k(c, j));
            std::swap(F[p], F[c]);
            std::swap(skala[p], skala[c]);
        }
        for (int r = c + 1; r < nq; ++r) {
            const long double q = k(r, c) / k(c, c);
            if (q == 0) continue;
            for (int j = c; j < nq; ++j) k(r, j) -= q * k(c, j);
            F[r] -= q * F[c];
        }
    }
    w.u.assign(nq, 0.0L);
    for (int i = nq - 1; i >= 0; --i) {
        long double v = F[i];
        for (int j = i + 1; j < nq; ++j) v -= k(i, j) * w.u[j];
        w.u[i] = v / k(i, i);
    }
    for (int n = 1; n <= m.ne; ++n) {
        const int a = m.noc[n][1], b = m.noc[n][2];
        const long double dt =
            (w.u[2 * b - 2] - w.u[2 * a - 2]) * cs[n] + (w.u[2 * b - 1] - w.u[2 * a - 1]) * sn[n];
        long double s = dt * m.pm[m.noc[n][3]][1] / el[n];
        for (int t = 1; t <= m.ntel; ++t)
            if (m.nset[t] == n)
                s -= (long double)m.pm[m.noc[n][3]][1] * m.pm[m.noc[n][3]][2] * m.temp[t];
        w.stress.push_back(s);
    }
    // The support force on a DOF balances the stiffness forces against the applied load.
    for (int i = 1; i <= m.nd; ++i) {
        const int r = m.nu[i] - 1;
        long double v = -F0[r];
        for (int c = 0; c < nq; ++c) v += K0[static_cast<size_t>(r) * nq + c] * w.u[c];
        w.react.push_back(v);
    }
    return w;
}
