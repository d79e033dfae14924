#include "core/model.h"

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

std::string etykieta_dof(int dof) {
    char t[32];
    if (dof % 2 != 0)
        std::snprintf(t, sizeof t, "%4.0fX", static_cast<double>((dof + 1) / 2));
    else
        std::snprintf(t, sizeof t, "%4.0fY", static_cast<double>(dof / 2));
    return t;
}
