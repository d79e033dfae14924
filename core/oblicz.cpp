#include "core/analiza.h"
#include "core/pasmo.h"

#include <cmath>

void Oblicz(Model& m, Praca& w) {
    const int nq = m.nq;
    if (eliminacja(w.s.data(), w.f.data(), w.diag.data(), nq, w.nbw_s, prog_osobliwosci) != 0) {
        m.blad = 1;
        m.nrblad = 1;
        return;
    }
    podstawienie(w.s.data(), w.f.data(), nq, w.nbw_s);
    for (int i = 1; i <= nq; ++i) m.f[i] = static_cast<float>(w.f[i]);

    for (int n = 1; n <= m.ne; ++n) {
        const int i1 = m.noc[n][1], i2 = m.noc[n][2], i3 = m.noc[n][3];
        const double x21 = static_cast<double>(m.x[i2][1]) - m.x[i1][1];
        const double y21 = static_cast<double>(m.x[i2][2]) - m.x[i1][2];
        const double el = std::sqrt(x21 * x21 + y21 * y21);
        const double cs = x21 / el, sn = y21 / el;
        const int j2 = 2 * i1, j1 = j2 - 1, k2 = 2 * i2, k1 = k2 - 1;
        const double dt = (w.f[k1] - w.f[j1]) * cs + (w.f[k2] - w.f[j2]) * sn;
        const double e = m.pm[i3][1];
        double stress = dt * e / el;
        for (int q = w.temp_od[n]; q < w.temp_od[n + 1]; ++q)
            stress -= e * m.pm[i3][2] * m.temp[w.temp_lista[q]];
        m.stressp[n] = static_cast<float>(stress);
    }

    // The displacement is kept in double, so the small stretch of each penalty spring survives.
    for (int i = 1; i <= m.nd; ++i)
        m.react[i] = static_cast<float>((m.u[i] - w.f[m.nu[i]]) * w.cnst);
}
