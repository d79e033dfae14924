// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/wspolne/kratownice.h"

#include <algorithm>
#include <random>
#include <vector>

void przygotuj(Model& m, int ne, int nn, int nd, int nl, int nm, int na, int ntel) {
    zwolnij_model(m);
    m.ne = ne, m.nn = nn, m.nd = nd, m.nl = nl, m.nm = nm, m.na = na, m.ntel = ntel;
    m.nq = 2 * nn;
    if (nn > 0) m.x = macierz(1, nn, 1, 2), m.f = wektor(1, m.nq);
    if (ne > 0) m.noc = imacierz(1, ne, 1, 4), m.stressp = wektor(1, ne);
    if (nd > 0) m.nu = iwektor(1, nd), m.u = wektor(1, nd), m.react = wektor(1, nd);
    if (nm > 0) m.pm = macierz(1, nm, 1, 2);
    if (na > 0) m.area = wektor(1, na);
    if (ntel > 0) m.temp = wektor(1, ntel), m.nset = iwektor(1, ntel);
    if (nl > 0) m.ild = iwektor(1, nl), m.al = wektor(1, nl);
    m.nbw = 0;
    m.Pusty = 0;
}

namespace {
void pret(Model& m, int& e, int a, int b) {
    ++e;
    m.noc[e][1] = a, m.noc[e][2] = b, m.noc[e][3] = 1, m.noc[e][4] = 1;
}
}  // namespace

void pratt(Model& m, int przesla, float l, float h, int co_ile, float p) {
    const int punkty = przesla + 1;
    std::vector<int> podparte{1};
    for (int i = 1 + co_ile; i <= punkty; i += co_ile) podparte.push_back(i);
    const int nd = 2 + static_cast<int>(podparte.size()) - 1;
    przygotuj(m, 4 * przesla + 1, 2 * punkty, nd, punkty, 1, 1);
    m.pm[1][1] = 2.1e8f, m.pm[1][2] = 1.2e-5f, m.area[1] = 0.01f;
    for (int i = 1; i <= punkty; ++i) {
        m.x[2 * i - 1][1] = l * static_cast<float>(i - 1), m.x[2 * i - 1][2] = 0.0f;
        m.x[2 * i][1] = l * static_cast<float>(i - 1), m.x[2 * i][2] = h;
    }
    int e = 0;
    pret(m, e, 1, 2);
    for (int i = 1; i <= przesla; ++i) {
        const int d = 2 * i - 1, g = 2 * i;  // bottom and top of panel point i
        pret(m, e, d, d + 2);
        pret(m, e, g, g + 2);
        pret(m, e, d + 2, g + 2);
        // Diagonals fall towards mid-span, so they are in tension under a downward load.
        if (2 * i <= przesla)
            pret(m, e, g, d + 2);
        else
            pret(m, e, d, g + 2);
    }
    int k = 0;
    m.nu[++k] = 1, m.u[k] = 0.0f;
    m.nu[++k] = 2, m.u[k] = 0.0f;
    for (size_t j = 1; j < podparte.size(); ++j) m.nu[++k] = 2 * (2 * podparte[j] - 1), m.u[k] = 0;
    for (int i = 1; i <= punkty; ++i) m.ild[i] = 2 * (2 * i - 1), m.al[i] = p;
}

void krata(Model& m, int kolumny, int wiersze, float a) {
    const int w = kolumny + 1;  // nodes in a row
    const int nn = w * (wiersze + 1);
    const int ne = wiersze * w + (wiersze + 1) * kolumny + wiersze * kolumny;
    przygotuj(m, ne, nn, 2 * w, 2 * w, 1, 1);
    m.pm[1][1] = 2.1e8f, m.pm[1][2] = 1.2e-5f, m.area[1] = 0.01f;
    auto wezel = [w](int c, int r) { return r * w + c + 1; };
    for (int r = 0; r <= wiersze; ++r)
        for (int c = 0; c <= kolumny; ++c) {
            m.x[wezel(c, r)][1] = a * static_cast<float>(c);
            m.x[wezel(c, r)][2] = a * static_cast<float>(r);
        }
    int e = 0;
    for (int r = 0; r <= wiersze; ++r)
        for (int c = 0; c <= kolumny; ++c) {
            if (c < kolumny) pret(m, e, wezel(c, r), wezel(c + 1, r));
            if (r < wiersze) pret(m, e, wezel(c, r), wezel(c, r + 1));
            if (c < kolumny && r < wiersze) pret(m, e, wezel(c + 1, r), wezel(c, r + 1));
        }
    for (int c = 0; c <= kolumny; ++c) {
        m.nu[2 * c + 1] = 2 * wezel(c, 0) - 1, m.u[2 * c + 1] = 0.0f;
        m.nu[2 * c + 2] = 2 * wezel(c, 0), m.u[2 * c + 2] = 0.0f;
        m.ild[2 * c + 1] = 2 * wezel(c, wiersze) - 1, m.al[2 * c + 1] = 1.0f;
        m.ild[2 * c + 2] = 2 * wezel(c, wiersze), m.al[2 * c + 2] = -1.0f;
    }
}

void zbuduj(Model& m, const Opis& o) {
    auto n = [](const auto& v) { return static_cast<int>(v.size()); };
    przygotuj(m, n(o.prety), n(o.wezly), n(o.podpory), n(o.sily), n(o.materialy), n(o.pola),
              n(o.temperatury));
    for (int i = 1; i <= m.nn; ++i) m.x[i][1] = o.wezly[i - 1][0], m.x[i][2] = o.wezly[i - 1][1];
    for (int i = 1; i <= m.ne; ++i)
        for (int j = 1; j <= 4; ++j) m.noc[i][j] = o.prety[i - 1][j - 1];
    for (int i = 1; i <= m.nm; ++i)
        m.pm[i][1] = o.materialy[i - 1][0], m.pm[i][2] = o.materialy[i - 1][1];
    for (int i = 1; i <= m.na; ++i) m.area[i] = o.pola[i - 1];
    for (int i = 1; i <= m.nd; ++i)
        m.nu[i] = o.podpory[i - 1].first, m.u[i] = o.podpory[i - 1].second;
    for (int i = 1; i <= m.nl; ++i) m.ild[i] = o.sily[i - 1].first, m.al[i] = o.sily[i - 1].second;
    for (int i = 1; i <= m.ntel; ++i)
        m.nset[i] = o.temperatury[i - 1].first, m.temp[i] = o.temperatury[i - 1].second;
}

void przenumeruj(Model& m, const std::vector<int>& nowy) {
    Macierz<float> x = macierz(1, m.nn, 1, 2);
    for (int n = 1; n <= m.nn; ++n) x[nowy[n]][1] = m.x[n][1], x[nowy[n]][2] = m.x[n][2];
    m.x = std::move(x);
    for (int e = 1; e <= m.ne; ++e)
        m.noc[e][1] = nowy[m.noc[e][1]], m.noc[e][2] = nowy[m.noc[e][2]];
    auto dof = [&](int d) { return 2 * nowy[(d + 1) / 2] - d % 2; };
    for (int i = 1; i <= m.nd; ++i) m.nu[i] = dof(m.nu[i]);
    for (int i = 1; i <= m.nl; ++i) m.ild[i] = dof(m.ild[i]);
    m.nbw = 0;
}

std::vector<int> losowa_numeracja(int n, unsigned ziarno) {
    std::vector<int> p(static_cast<std::size_t>(n) + 1);
    for (int i = 0; i <= n; ++i) p[i] = i;
    std::mt19937 g(ziarno);
    std::shuffle(p.begin() + 1, p.end(), g);
    return p;
}
