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
    // The band and the load vector come zeroed from the work area (utworz_prace).

    double* const pasmo = w.rzadka ? nullptr : w.s.data();
    const std::size_t nbw = static_cast<std::size_t>(w.nbw_s);

    // the later entry on a DOF wins
    for (int i = 1; i <= m.nl; ++i) w.f[w.dof(m.ild[i])] = m.al[i];
    grupuj_temperatury(m, w);

    for (int n = 1; n <= m.ne; ++n) {
        const int i1 = m.noc[n][1], i2 = m.noc[n][2], i3 = m.noc[n][3], i4 = m.noc[n][4];
        const double x21 = static_cast<double>(m.x[i2][1]) - m.x[i1][1];
        const double y21 = static_cast<double>(m.x[i2][2]) - m.x[i1][2];
        const double el = std::sqrt(x21 * x21 + y21 * y21);
        // A bar that could not carry a force at all stops the analysis here, named, rather than
        // as the singular matrix it would make.
        const int blad = el == 0.0               ? blad_zerowa_dlugosc
                         : !(m.pm[i3][1] > 0.0f) ? blad_modul
                         : !(m.area[i4] > 0.0f)  ? blad_pole
                                                 : 0;
        if (blad != 0) {
            m.blad = 1;
            m.nrblad = blad;
            w.numer_bledu = blad == blad_zerowa_dlugosc ? n : blad == blad_modul ? i3 : i4;
            return;
        }
        const double eal = static_cast<double>(m.pm[i3][1]) * m.area[i4] / el;
        const double cs = x21 / el, sn = y21 / el;
        // The bar's stiffness in global X, Y: three distinct terms, added straight into the band
        // (upper half: row r, column c >= r at s[(r - 1) * nbw + c - r]) or the sparse matrix.
        // The bar's two ends in either order give the same terms.
        const double cc = cs * cs * eal, cn = cs * sn * eal, nn = sn * sn * eal;
        const int a = w.wezel(i1), b = w.wezel(i2);
        if (w.rzadka) {
            w.k.dodaj_pret(a, b, cc, cn, nn);
        } else {
            const std::size_t px = 2 * static_cast<std::size_t>(std::min(a, b)) - 2;
            const std::size_t qx = 2 * static_cast<std::size_t>(std::max(a, b)) - 2;
            double* const rx = pasmo + px * nbw;  // row of the lower-numbered end's X
            double* const ry = rx + nbw;
            double* const sx = pasmo + qx * nbw;
            double* const sy = sx + nbw;
            const std::size_t d = qx - px;
            rx[0] += cc, rx[1] += cn, rx[d] -= cc, rx[d + 1] -= cn;
            ry[0] += nn, ry[d - 1] -= cn, ry[d] -= nn;
            sx[0] += cc, sx[1] += cn;
            sy[0] += nn;
        }

        for (int q = w.temp_od[n]; q < w.temp_od[n + 1]; ++q) {
            const int j = w.temp_lista[q];
            const double ee0 =
                static_cast<double>(m.pm[i3][2]) * m.temp[j] * m.pm[i3][1] * m.area[i4];
            w.f[2 * a - 1] -= ee0 * cs;
            w.f[2 * a] -= ee0 * sn;
            w.f[2 * b - 1] += ee0 * cs;
            w.f[2 * b] += ee0 * sn;
        }
    }

    for (int i = 1; i <= nq; ++i) w.obciazenia = std::max(w.obciazenia, std::fabs(w.f[i]));

    // The penalty is measured against the stiffest DOF, so every support dominates its row
    // whatever the numbering.
    auto przekatna = [&w](int i) -> double& { return w.rzadka ? w.k.przekatna(i - 1) : w.s[i][1]; };
    double najwieksza = 0.0;
    for (int i = 1; i <= nq; ++i) najwieksza = std::max(najwieksza, std::fabs(przekatna(i)));
    w.cnst = najwieksza * 100000.0;
    for (int i = 1; i <= m.nd; ++i) {
        const int k = w.dof(m.nu[i]);
        przekatna(k) += w.cnst;
        w.f[k] += w.cnst * m.u[i];
    }
    // A row with no stiffness at all is measured against the stiffest one (or against 1 when no
    // bar has any).
    const double najsztywniejszy = najwieksza > 0.0 ? najwieksza : 1.0;
    for (int i = 1; i <= nq; ++i) w.diag[i] = przekatna(i) != 0.0 ? przekatna(i) : najsztywniejszy;
}
