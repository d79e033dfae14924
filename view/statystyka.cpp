// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics dialog: the model's counts and its largest displacements, stress and axial force.
#include <cmath>

#include "files/wyniki_projektu.h"
#include "okno/okno.h"
#include "view/tabela_wymiarowania.h"

void _OKNO_::Cm_stat() {
    const Model& m = model;
    d_stat d{};
    for (char* p : {d.w1, d.w2, d.ele, d.ele_sil}) std::snprintf(p, szer_numeru, " ");
    for (char* p : {d.mnx, d.mny, d.mnap, d.mnsil, d.mnu})
        std::snprintf(p, szer_wartosci_stat, " ");
    std::snprintf(d.ele_u, szer_numeru, " ");
    std::snprintf(d.wym, sizeof d.wym, " ");
    wpisz(d.nn, "%d", m.nn);
    wpisz(d.ne, "%d", m.ne);
    wpisz(d.nl, "%d", m.nl);
    wpisz(d.na, "%d", m.na);
    wpisz(d.nm, "%d", m.nm);
    wpisz(d.nd, "%d", m.nd);
    if (m.obliczono == 1 && m.nn > 0) {
        int w1 = 1, w2 = 1;
        float mnx = std::fabs(m.f[1]), mny = std::fabs(m.f[2]);
        for (int i = 1; i <= m.nn; ++i) {
            if (std::fabs(m.f[2 * i - 1]) > mnx) mnx = std::fabs(m.f[2 * i - 1]), w1 = i;
            if (std::fabs(m.f[2 * i]) > mny) mny = std::fabs(m.f[2 * i]), w2 = i;
        }
        wpisz(d.mnx, "%f", static_cast<double>(m.f[2 * w1 - 1]));
        wpisz(d.mny, "%f", static_cast<double>(m.f[2 * w2]));
        wpisz(d.w1, "%d", w1);
        wpisz(d.w2, "%d", w2);
        // Valid results without bars have no stress to show.
        if (m.ne > 0) {
            int ele = 1;
            float mna = std::fabs(m.stressp[1]);
            for (int i = 1; i <= m.ne; ++i)
                if (std::fabs(m.stressp[i]) > mna) mna = std::fabs(m.stressp[i]), ele = i;
            wpisz(d.mnap, "%f", static_cast<double>(m.stressp[ele]));
            wpisz(d.ele, "%d", ele);
            // As with the stress, the lowest bar wins among equal magnitudes.
            int ele_sil = 0;
            float sila = 0.0f;
            for (int i = 1; i <= m.ne; ++i) {
                const auto n = sila_osiowa(m, i);
                if (n && (ele_sil == 0 || std::fabs(*n) > std::fabs(sila))) sila = *n, ele_sil = i;
            }
            if (ele_sil > 0) {
                wpisz(d.mnsil, "%f", static_cast<double>(sila));
                wpisz(d.ele_sil, "%d", ele_sil);
            }
        }
    }
    // The bar of the greatest utilisation, where the project has steel sections.
    if (const auto w = ma_przekroje_stalowe(projekt.wymiarowanie) ? wymiarowanie() : nullptr;
        w && w->najwieksze > 0) {
        const WymiarowaniePreta& p = w->prety[static_cast<std::size_t>(w->najwieksze - 1)];
        const std::vector<Kombinacja> k = kombinacje_projektu(projekt);
        const char* sila = jednostka(jednostki, Wielkosc::sila);
        wpisz(d.mnu, "%.3f", p.U);
        wpisz(d.ele_u, "%d", w->najwieksze);
        const std::string t = w->przekroje[static_cast<std::size_t>(p.przekroj - 1)].nazwa +
                              "; N_Ed " + liczba_wymiarowania(p.N_min) + " … " +
                              liczba_wymiarowania(p.N_max) + " " + sila + "; N_Rd " +
                              liczba_wymiarowania(p.N_Rd) + " " + sila + "; χ " +
                              liczba_wymiarowania(p.chi) + "; " +
                              nazwa_kombinacji(k, p.kombinacja) + "; " + p.sprawdzenie;
        std::snprintf(d.wym, sizeof d.wym, "%s", t.c_str());
    }
    port.Dialog(3080, &d, cyfry());
}
