// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <cmath>

#include "core/analiza.h"

namespace {

// Groups a case's temperature entries by bar in one pass, so that no bar scans the whole list.
void grupuj_temperatury(const Model& m, ObciazenieRozwiazania& c) {
    const int ntel = static_cast<int>(c.nset.size());
    c.temp_od.assign(static_cast<std::size_t>(m.ne) + 2, 0);
    c.temp_lista.assign(static_cast<std::size_t>(ntel), 0);
    for (int j = 0; j < ntel; ++j) ++c.temp_od[static_cast<std::size_t>(c.nset[j]) + 1];
    for (int n = 1; n <= m.ne; ++n) c.temp_od[n + 1] += c.temp_od[n];
    std::vector<int> wolne(c.temp_od.begin(), c.temp_od.end());
    for (int j = 0; j < ntel; ++j) c.temp_lista[wolne[c.nset[j]]++] = j;
}

}  // namespace

ObciazenieRozwiazania obciazenie_magazynu(const Konstrukcja& k) {
    ObciazenieRozwiazania c;
    if (k.nl > 0) {
        c.ild.assign(k.ild.data(), k.ild.data() + k.nl);
        c.al.assign(k.al.data(), k.al.data() + k.nl);
    }
    if (k.nd > 0) c.u.assign(k.u.data(), k.u.data() + k.nd);
    if (k.ntel > 0) {
        c.nset.assign(k.nset.data(), k.nset.data() + k.ntel);
        c.temp.assign(k.temp.data(), k.temp.data() + k.ntel);
    }
    return c;
}

ObciazenieRozwiazania obciazenie_przypadku(const Konstrukcja& k, const ObciazeniaPrzypadku& o,
                                           double ciezar) {
    ObciazenieRozwiazania c;
    c.ild = o.ild, c.al = o.al, c.nset = o.nset, c.temp = o.temp;
    c.ciezar = ciezar;
    c.u.assign(static_cast<std::size_t>(std::max(k.nd, 0)), 0.0f);
    for (int i = 1; i <= k.nd; ++i) {
        const auto it = std::lower_bound(o.dof_wymuszen.begin(), o.dof_wymuszen.end(), k.nu[i]);
        if (it != o.dof_wymuszen.end() && *it == k.nu[i])
            c.u[static_cast<std::size_t>(i - 1)] =
                o.wymuszenia[static_cast<std::size_t>(it - o.dof_wymuszen.begin())];
    }
    return c;
}

namespace {
// A load vector over the DOFs 1..nq, its terms krok apart.
struct Wyrazy {
    double* f0;
    std::size_t krok;
    double& operator[](int i) const { return f0[static_cast<std::size_t>(i - 1) * krok]; }
};
}  // namespace

void prawa_strona(const Model& m, Praca& w, std::size_t nr, double* f0, int krok) {
    ObciazenieRozwiazania& c = w.przypadki[nr];
    const Wyrazy f{f0, static_cast<std::size_t>(krok)};
    // the later entry on a DOF wins
    for (std::size_t i = 0; i < c.ild.size(); ++i) f[w.dof(c.ild[i])] = c.al[i];
    const bool ciezar = c.ciezar != 0.0 && !w.gestosc.empty();
    // Only the bars with a temperature change or a weight load anything beyond the forces.
    if (!c.nset.empty() || ciezar) {
        grupuj_temperatury(m, c);
        for (int n = 1; n <= m.ne; ++n) {
            const int i3 = m.noc[n][3];
            const int od = c.temp_od[n], dok = c.temp_od[n + 1];
            const double g = ciezar && static_cast<std::size_t>(i3) <= w.gestosc.size()
                                 ? static_cast<double>(w.gestosc[static_cast<std::size_t>(i3 - 1)])
                                 : 0.0;
            if (od == dok && g == 0.0) continue;
            const Praca::Pret& p = w.prety[static_cast<std::size_t>(n - 1)];
            for (int q = od; q < dok; ++q) {
                const double ee0 =
                    static_cast<double>(m.pm[i3][2]) * c.temp[c.temp_lista[q]] * p.e * p.pole;
                f[2 * p.a - 1] -= ee0 * p.cs;
                f[2 * p.a] -= ee0 * p.sn;
                f[2 * p.b - 1] += ee0 * p.cs;
                f[2 * p.b] += ee0 * p.sn;
            }
            // Self-weight: the bar's weight gamma * A * L, half at each end, downwards.
            if (g != 0.0) {
                const double pol = 0.5 * c.ciezar * g * p.pole * p.el;
                f[2 * p.a] -= pol;
                f[2 * p.b] -= pol;
            }
        }
    } else {
        c.temp_od.clear();
        c.temp_lista.clear();
    }
}

void kary_podpor(const Model& m, Praca& w, std::size_t od, int ile, double* f0, int krok) {
    // Over the DOFs once, each case's terms side by side: the largest loads, then the penalties.
    for (int c = 0; c < ile; ++c) w.przypadki[od + static_cast<std::size_t>(c)].obciazenia = 0.0;
    for (int i = 0; i < m.nq; ++i) {
        const double* fi = f0 + static_cast<std::size_t>(i) * krok;
        for (int c = 0; c < ile; ++c) {
            double& o = w.przypadki[od + static_cast<std::size_t>(c)].obciazenia;
            o = std::max(o, std::fabs(fi[c]));
        }
    }
    for (int i = 1; i <= m.nd; ++i) {
        double* fi = f0 + static_cast<std::size_t>(w.dof(m.nu[i]) - 1) * krok;
        for (int c = 0; c < ile; ++c)
            fi[c] += w.cnst * w.przypadki[od + static_cast<std::size_t>(c)].u[i - 1];
    }
}

void Macierze(Model& m, Praca& w) {
    const int nq = m.nq;
    // The band and the load vector come zeroed from the work area (utworz_prace).
    if (w.przypadki.empty()) w.przypadki.push_back(obciazenie_magazynu(m));

    double* const pasmo = w.rzadka ? nullptr : w.s.data();
    const std::size_t nbw = static_cast<std::size_t>(w.nbw_s);
    w.prety.resize(static_cast<std::size_t>(std::max(m.ne, 0)));

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
        w.prety[static_cast<std::size_t>(n - 1)] = {
            a, b, cs, sn, el, static_cast<double>(m.pm[i3][1]), static_cast<double>(m.area[i4])};
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
    }

    // The penalty is measured against the stiffest DOF, so every support dominates its row
    // whatever the numbering.
    auto przekatna = [&w](int i) -> double& { return w.rzadka ? w.k.przekatna(i - 1) : w.s[i][1]; };
    double najwieksza = 0.0;
    for (int i = 1; i <= nq; ++i) najwieksza = std::max(najwieksza, std::fabs(przekatna(i)));
    w.cnst = najwieksza * 100000.0;
    for (int i = 1; i <= m.nd; ++i) przekatna(w.dof(m.nu[i])) += w.cnst;
    // A row with no stiffness at all is measured against the stiffest one (or against 1 when no
    // bar has any).
    const double najsztywniejszy = najwieksza > 0.0 ? najwieksza : 1.0;
    for (int i = 1; i <= nq; ++i) w.diag[i] = przekatna(i) != 0.0 ? przekatna(i) : najsztywniejszy;
    prawa_strona(m, w, 0, w.f.data());
    kary_podpor(m, w, 0, 1, w.f.data(), 1);
}
