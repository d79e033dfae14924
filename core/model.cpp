#include "core/model.h"

#include <cstdint>
#include <cstdio>

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

std::string etykieta_dof(int dof) {
    char t[32];
    if (dof % 2 != 0)
        std::snprintf(t, sizeof t, "%4.0fX", static_cast<double>((dof + 1) / 2));
    else
        std::snprintf(t, sizeof t, "%4.0fY", static_cast<double>(dof / 2));
    return t;
}
