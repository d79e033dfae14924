#include <algorithm>
#include <cmath>

#include "core/analiza.h"

namespace {

// Groups the temperature entries by bar in one pass, so that no bar scans the whole list.
void grupuj_temperatury(const Model& m, Praca& w) {
    w.temp_od.assign(static_cast<std::size_t>(m.ne) + 2, 0);
    w.temp_lista.assign(static_cast<std::size_t>(m.ntel), 0);
    for (int j = 1; j <= m.ntel; ++j) ++w.temp_od[m.nset[j] + 1];
    for (int n = 1; n <= m.ne; ++n) w.temp_od[n + 1] += w.temp_od[n];
    std::vector<int> wolne(w.temp_od.begin(), w.temp_od.end());
    for (int j = 1; j <= m.ntel; ++j) w.temp_lista[wolne[m.nset[j]]++] = j;
}

}  // namespace

void Macierze(Model& m, Praca& w) {
    const int nq = m.nq;
    // The band and the load vector come zeroed from their allocators (utworz_prace), so the
    // band is not swept once more here.

    for (int i = 1; i <= m.nl; ++i) w.f[m.ild[i]] = m.al[i];  // the later entry on a DOF wins
    grupuj_temperatury(m, w);

    for (int n = 1; n <= m.ne; ++n) {
        const int i1 = m.noc[n][1], i2 = m.noc[n][2], i3 = m.noc[n][3], i4 = m.noc[n][4];
        const double x21 = static_cast<double>(m.x[i2][1]) - m.x[i1][1];
        const double y21 = static_cast<double>(m.x[i2][2]) - m.x[i1][2];
        const double el = std::sqrt(x21 * x21 + y21 * y21);
        if (el == 0.0) {
            m.blad = 1;
            m.nrblad = 2;
            return;
        }
        const double eal = static_cast<double>(m.pm[i3][1]) * m.area[i4] / el;
        const double cs = x21 / el, sn = y21 / el;
        auto& k = w.se;
        k[1][1] = cs * cs * eal, k[1][2] = cs * sn * eal, k[1][3] = -cs * cs * eal;
        k[1][4] = -cs * sn * eal;
        k[2][2] = sn * sn * eal, k[2][3] = -cs * sn * eal, k[2][4] = -sn * sn * eal;
        k[3][3] = cs * cs * eal, k[3][4] = cs * sn * eal;
        k[4][4] = sn * sn * eal;
        for (int i = 1; i <= 4; ++i)
            for (int j = i + 1; j <= 4; ++j) k[j][i] = k[i][j];

        for (int ii = 1; ii <= 2; ++ii)
            for (int it = 1; it <= 2; ++it) {
                const int nr = 2 * (m.noc[n][ii] - 1) + it;
                const int i = 2 * (ii - 1) + it;
                for (int jj = 1; jj <= 2; ++jj)
                    for (int jt = 1; jt <= 2; ++jt) {
                        const int nc = 2 * (m.noc[n][jj] - 1) + jt - nr + 1;
                        if (nc > 0) w.s[nr][nc] += k[i][2 * (jj - 1) + jt];
                    }
            }

        for (int q = w.temp_od[n]; q < w.temp_od[n + 1]; ++q) {
            const int j = w.temp_lista[q];
            const double ee0 =
                static_cast<double>(m.pm[i3][2]) * m.temp[j] * m.pm[i3][1] * m.area[i4];
            w.f[2 * i1 - 1] -= ee0 * cs;
            w.f[2 * i1] -= ee0 * sn;
            w.f[2 * i2 - 1] += ee0 * cs;
            w.f[2 * i2] += ee0 * sn;
        }
    }

    // The penalty is measured against the stiffest DOF, so every support dominates its row
    // whatever the numbering.
    double najwieksza = 0.0;
    for (int i = 1; i <= nq; ++i) najwieksza = std::max(najwieksza, std::fabs(w.s[i][1]));
    w.cnst = najwieksza * 100000.0;
    for (int i = 1; i <= m.nd; ++i) {
        const int k = m.nu[i];
        w.s[k][1] += w.cnst;
        w.f[k] += w.cnst * m.u[i];
    }
    for (int i = 1; i <= nq; ++i) w.diag[i] = w.s[i][1];
}
