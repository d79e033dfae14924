// SPDX-License-Identifier: GPL-3.0-or-later
// The "Dodaj" commands: each appends one entity under the next number. Defaults are written
// before every showing, a refused entry shows every failing check and then the dialog again, and
// the main view is repainted whatever happened.
#include <cmath>

#include "editing/edycja.h"
#include "editing/tablice.h"

void _OKNO_::Cm_d_mat() {
    Model& m = model;
    while (m.Pusty == 0) {
        d_mat& r = danemat;
        wpisz(r.i, "%d", m.nm + 1);
        wpisz(r.e, "20000.00");
        wpisz_wartosc(r.alp, "%f", 0.3f);
        if (port.Dialog(3050, &r, cyfry()) != 1) break;
        float e = 0.0f, alfa = 0.0f;
        Kontrola k(*this);
        k(!liczba_rzeczywista(r.e, e) || e <= 0.0f, "Moduł Younga <=0");
        k(!liczba_rzeczywista(r.alp, alfa) || alfa < 0.0f, "Wsp. rozszerzalnosci cieplnej <0");
        if (!k.dobrze()) continue;
        zamknij_tabele();
        Przebudowa p(m);
        zmien_rozmiar(m.pm, m.nm, m.nm + 1, 2);
        ++m.nm;
        m.pm[m.nm][1] = e, m.pm[m.nm][2] = alfa;
        break;
    }
    port.Odswiez();
}

void _OKNO_::Cm_d_przek() {
    Model& m = model;
    while (m.Pusty == 0) {
        d_przekr& r = daneprzekr;
        wpisz(r.i, "%d", m.na + 1);
        wpisz(r.a, "0.00");
        if (port.Dialog(3060, &r, cyfry()) != 1) break;
        float a = 0.0f;
        Kontrola k(*this);
        k(!liczba_rzeczywista(r.a, a) || a <= 0.0f, "Pole przkroju musi być większe od zera");
        if (!k.dobrze()) continue;
        zamknij_tabele();
        Przebudowa p(m);
        zmien_rozmiar(m.area, m.na, m.na + 1);
        m.area[++m.na] = a;
        break;
    }
    port.Odswiez();
}

void _OKNO_::Cm_d_wez() {
    Model& m = model;
    while (m.Pusty == 0) {
        d_wsp& r = danew;
        wpisz(r.i, "%d", m.nn + 1);
        wpisz(r.x, "0");
        wpisz(r.y, "0");
        if (port.Dialog(3020, &r, cyfry()) != 1) break;
        // A field that is not a number is refused as a negative coordinate is.
        float x = 0.0f, y = 0.0f;
        if (!liczba_rzeczywista(r.x, x)) x = -1.0f;
        if (!liczba_rzeczywista(r.y, y)) y = -1.0f;
        if (dodaj_wezel(x, y)) break;
    }
    port.Odswiez();
}

bool _OKNO_::dodaj_wezel(float x, float y) {
    Model& m = model;
    if (m.Pusty != 0) return false;
    Kontrola k(*this);
    k(!(x >= 0.0f && std::isfinite(x)), "Współrzędna X<0");
    k(!(y >= 0.0f && std::isfinite(y)), "Współrzędna Y<0");
    if (!k.dobrze()) return false;
    zamknij_tabele();
    Przebudowa p(m);
    zmien_rozmiar(m.x, m.nn, m.nn + 1, 2);
    ++m.nn;
    m.x[m.nn][1] = x, m.x[m.nn][2] = y;
    m.nq = 2 * m.nn;
    utworz_na_nowo(m.f, m.nq);
    m.obliczono = 0;
    return true;
}

void _OKNO_::Cm_d_pret() {
    Model& m = model;
    while (m.Pusty == 0 && m.nn > 1 && m.nm > 0 && m.na > 0) {
        d_dane_przek& r = danep;
        wpisz(r.ee, "%d", m.ne + 1);
        wpisz(r.w1, "0");
        wpisz(r.w2, "0");
        wpisz(r.mat, "1");
        wpisz(r.pole, "1");
        if (port.Dialog(3010, &r, cyfry()) != 1) break;
        if (!dodaj_pret(r)) continue;
        // Bars drawn with the mouse take the material and section last chosen here.
        ostatni_material = m.noc[m.ne][3], ostatni_przekroj = m.noc[m.ne][4];
        break;
    }
    port.Odswiez();
}

bool _OKNO_::dodaj_pret(const d_dane_przek& r) {
    Model& m = model;
    if (m.Pusty != 0) return false;
    Kontrola k(*this);
    const PretZDialogu pret = sprawdz_pret(k, r, m.nn, m.nm, m.na);
    if (!k.dobrze()) return false;
    zamknij_tabele();
    Przebudowa p(m);
    zmien_rozmiar(m.noc, m.ne, m.ne + 1, 4);
    ++m.ne;
    m.noc[m.ne][1] = pret.w1, m.noc[m.ne][2] = pret.w2;
    m.noc[m.ne][3] = pret.mat, m.noc[m.ne][4] = pret.pole;
    utworz_na_nowo(m.stressp, m.ne);
    m.obliczono = 0;
    return true;
}

void _OKNO_::Cm_d_podp() {
    Model& m = model;
    while (m.Pusty == 0 && m.nn > 0) {
        d_wymusz& r = danewy;
        wpisz(r.i, "%d", m.nd + 1);
        r.chx = 0, r.chy = 0;
        wpisz(r.nu, "0");
        wpisz(r.x, "0.0");
        wpisz(r.y, "0.0");
        if (port.Dialog(3030, &r, cyfry()) != 1) break;
        const int n = numer_z_pola(r.nu);
        const bool w_x = r.chx == 1, w_y = r.chy == 1;
        // In 64 bits, so that a node number far out of range cannot wrap onto a real DOF.
        const long long dof_x = 2LL * n - 1, dof_y = 2LL * n;
        bool trzymany = false;
        for (int i = 1; i <= m.nd && !trzymany; ++i)
            trzymany = m.nu[i] == dof_x || m.nu[i] == dof_y;
        float ux = 0.0f, uy = 0.0f;
        Kontrola k(*this);
        k(n < 1 || n > m.nn, "Zły numer węzła");
        k(!w_x && !w_y, "Nie zaznaczono sposobu utwierdzenia");
        k(trzymany, "Ten węzeł jest już utwierdzony...");
        k(w_x && !liczba_rzeczywista(r.x, ux), "Przemieszczenie w kierunku X nie jest liczbą");
        k(w_y && !liczba_rzeczywista(r.y, uy), "Przemieszczenie w kierunku Y nie jest liczbą");
        if (!k.dobrze()) continue;
        const int nowe = m.nd + w_x + w_y;
        zamknij_tabele();
        Przebudowa p(m);
        zmien_rozmiar(m.nu, m.nd, nowe);
        zmien_rozmiar(m.u, m.nd, nowe);
        if (w_x) ++m.nd, m.nu[m.nd] = 2 * n - 1, m.u[m.nd] = ux;
        if (w_y) ++m.nd, m.nu[m.nd] = 2 * n, m.u[m.nd] = uy;
        utworz_na_nowo(m.react, m.nd);
        m.obliczono = 0;
        break;
    }
    port.Odswiez();
}

void _OKNO_::Cm_d_sile() {
    Model& m = model;
    while (m.Pusty == 0 && m.nn > 0) {
        d_sily& r = danes;
        wpisz(r.i, "%d", m.nl + 1);
        wpisz(r.nr, "0");
        wpisz(r.f, "0.0");
        r.xf = 1, r.yf = 0;
        if (port.Dialog(3040, &r, cyfry()) != 1) break;
        const int n = numer_z_pola(r.nr);
        float sila = 0.0f;
        Kontrola k(*this);
        k(n < 1 || n > m.nn, "Zły numer węzła");
        k(!liczba_rzeczywista(r.f, sila) || sila == 0.0f, "Wartość siły równa zeru");
        if (!k.dobrze()) continue;
        zamknij_tabele();
        Przebudowa p(m);
        zmien_rozmiar(m.ild, m.nl, m.nl + 1);
        zmien_rozmiar(m.al, m.nl, m.nl + 1);
        const int j = m.nl + 1;
        m.al[j] = sila;
        m.ild[j] = r.xf == 1 ? 2 * n - 1 : 2 * n;
        m.f[m.ild[j]] = sila;
        m.nl = j;
        m.obliczono = 0;
        break;
    }
    port.Odswiez();
}
