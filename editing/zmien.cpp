// SPDX-License-Identifier: GPL-3.0-or-later
// The "Zmień" commands: ask for a number, show the entity's stored values, check and write back.
// A real field the user left untouched keeps its stored value exactly, whatever its text shows.
#include <vector>

#include "editing/edycja.h"
#include "editing/tablice.h"

void _OKNO_::Cm_z_mat() {
    if (model.Pusty != 0) return;
    zmien_material(zapytaj_o_numer(*this, "Podaj numer materiału :"));
}

void _OKNO_::zmien_material(int n) {
    Model& m = model;
    while (m.Pusty == 0 && n >= 1 && n <= m.nm) {
        d_mat& r = danemat;
        wpisz(r.i, "%d", n);
        wpisz_wartosc(r.e, "%7f", m.pm[n][1]);
        wpisz_wartosc(r.alp, "%1.7f", m.pm[n][2]);
        const d_mat wpisany = r;
        const int wynik = port.Dialog(3050, &r, cyfry());
        // The checks run however the dialog closed; after cancel they judge the stored values.
        float e = 0.0f, alfa = 0.0f;
        Kontrola k(*this);
        k(!wartosc_pola(r.e, wpisany.e, m.pm[n][1], e) || e <= 0.0f, "Moduł Younga <=0");
        k(!wartosc_pola(r.alp, wpisany.alp, m.pm[n][2], alfa) || alfa < 0.0f,
          "Wsp. rozszerzalnosci cieplnej <0");
        if (wynik != 1) break;
        if (!k.dobrze()) continue;
        zamknij_tabele();
        Przebudowa p(m);
        m.pm[n][1] = e, m.pm[n][2] = alfa;
        m.obliczono = 0;
        break;
    }
    port.Odswiez();
}

void _OKNO_::Cm_z_przek() {
    if (model.Pusty != 0) return;
    zmien_przekroj(zapytaj_o_numer(*this, "Podaj numer pola przekroju :"));
}

void _OKNO_::zmien_przekroj(int n) {
    Model& m = model;
    while (m.Pusty == 0 && n >= 1 && n <= m.na) {
        d_przekr& r = daneprzekr;
        wpisz(r.i, "%d", n);
        wpisz_wartosc(r.a, "%4.2f", m.area[n]);
        const d_przekr wpisany = r;
        const int wynik = port.Dialog(3060, &r, cyfry());
        float a = 0.0f;
        Kontrola k(*this);
        k(!wartosc_pola(r.a, wpisany.a, m.area[n], a) || a <= 0.0f,
          "Pole przkroju musi być większe od zera");
        if (wynik != 1) break;
        if (!k.dobrze()) continue;
        zamknij_tabele();
        Przebudowa p(m);
        m.area[n] = a;
        m.obliczono = 0;
        break;
    }
    port.Odswiez();
}

void _OKNO_::Cm_z_wez() {
    if (model.Pusty != 0 || model.nn <= 0) return;
    zmien_wezel(zapytaj_o_numer(*this, "Podaj numer węzła :"));
}

void _OKNO_::zmien_wezel(int n) {
    Model& m = model;
    while (m.Pusty == 0 && n >= 1 && n <= m.nn) {
        d_wsp& r = danew;
        wpisz(r.i, "%d", n);
        wpisz_wartosc(r.x, "%f", m.x[n][1]);
        wpisz_wartosc(r.y, "%f", m.x[n][2]);
        const d_wsp wpisany = r;
        if (port.Dialog(3020, &r, cyfry()) != 1) break;
        float x = 0.0f, y = 0.0f;
        Kontrola k(*this);
        k(!wartosc_pola(r.x, wpisany.x, m.x[n][1], x) || x < 0.0f, "Współrzędna X<0");
        k(!wartosc_pola(r.y, wpisany.y, m.x[n][2], y) || y < 0.0f, "Współrzędna Y<0");
        if (!k.dobrze()) continue;
        zamknij_tabele();
        Przebudowa p(m);
        m.x[n][1] = x, m.x[n][2] = y;
        m.obliczono = 0;
        break;
    }
    port.Odswiez();
}

void _OKNO_::Cm_z_pret() {
    if (model.Pusty != 0) return;
    zmien_pret(zapytaj_o_numer(*this, "Podaj numer pręta :"));
}

void _OKNO_::zmien_pret(int n) {
    Model& m = model;
    if (m.Pusty == 0 && n >= 1 && n <= m.ne) {
        // Shown once: an invalid bar is reported and the command is over.
        d_dane_przek& r = danep;
        wpisz(r.ee, "%d", n);
        wpisz(r.w1, "%d", m.noc[n][1]);
        wpisz(r.w2, "%d", m.noc[n][2]);
        wpisz(r.mat, "%d", m.noc[n][3]);
        wpisz(r.pole, "%d", m.noc[n][4]);
        const int wynik = port.Dialog(3010, &r, cyfry());
        Kontrola k(*this);
        const PretZDialogu pret = sprawdz_pret(k, r, m.nn, m.nm, m.na);
        if (wynik == 1 && k.dobrze()) {
            zamknij_tabele();
            Przebudowa p(m);
            m.noc[n][1] = pret.w1, m.noc[n][2] = pret.w2, m.noc[n][3] = pret.mat;
            m.noc[n][4] = pret.pole;
            m.obliczono = 0;
        }
    }
    port.Odswiez();
}

void _OKNO_::Cm_z_podp() {
    if (model.Pusty != 0 || model.nd <= 0 || model.nn <= 0) return;
    zmien_podpore(zapytaj_o_numer(*this, "Podaj numer węzła :"));
}

// Node n's supports; a node without any gets them.
void _OKNO_::zmien_podpore(int n) {
    Model& m = model;
    if (m.Pusty == 0 && n >= 1 && n <= m.nn) {
        // Working copy by DOF: whether it is held and with what displacement.
        std::vector<char> trzymany(static_cast<std::size_t>(m.nq) + 1, 0);
        std::vector<float> przem(static_cast<std::size_t>(m.nq) + 1, 0.0f);
        for (int i = 1; i <= m.nd; ++i) trzymany[m.nu[i]] = 1, przem[m.nu[i]] = m.u[i];
        const int dx = 2 * n - 1, dy = 2 * n;
        for (;;) {
            d_wymusz& r = danewy;
            wpisz(r.i, "%d", n);
            wpisz(r.nu, "%d", n);
            r.chx = trzymany[dx];
            if (trzymany[dx])
                wpisz_wartosc(r.x, "%1.5f", przem[dx]);
            else
                wpisz(r.x, "0.0");
            r.chy = trzymany[dy];
            if (trzymany[dy])
                wpisz_wartosc(r.y, "%1.5f", przem[dy]);
            else
                wpisz(r.y, "0.0");
            const d_wymusz wpisany = r;
            if (port.Dialog(3030, &r, cyfry()) != 1) break;
            const int wezel = numer_z_pola(r.nu);
            const bool w_x = r.chx == 1, w_y = r.chy == 1;
            float ux = 0.0f, uy = 0.0f;
            Kontrola k(*this);
            k(wezel < 1 || wezel > m.nn, "Zły numer węzła");
            k(!w_x && !w_y, "Nie zaznaczono sposobu utwierdzenia");
            k(w_x && !wartosc_pola(r.x, wpisany.x, przem[dx], ux),
              "Przemieszczenie w kierunku X nie jest liczbą");
            k(w_y && !wartosc_pola(r.y, wpisany.y, przem[dy], uy),
              "Przemieszczenie w kierunku Y nie jest liczbą");
            if (!k.dobrze()) continue;
            // The change applies to the prompted node; the number typed above was only tested.
            trzymany[dx] = w_x, trzymany[dy] = w_y;
            if (w_x) przem[dx] = ux;
            if (w_y) przem[dy] = uy;
            int nd = 0;
            for (int q = 1; q <= m.nq; ++q) nd += trzymany[q];
            m.obliczono = 0;
            zamknij_tabele();
            Przebudowa p(m);
            utworz_na_nowo(m.u, nd);
            utworz_na_nowo(m.nu, nd);
            utworz_na_nowo(m.react, nd);
            m.nd = 0;
            for (int q = 1; q <= m.nq; ++q)
                if (trzymany[q]) ++m.nd, m.nu[m.nd] = q, m.u[m.nd] = przem[q];
            break;
        }
    }
    port.Odswiez();
}

void _OKNO_::Cm_z_sile() {
    if (model.Pusty != 0 || model.nn <= 0) return;
    zmien_sile(zapytaj_o_numer(*this, "Podaj numer węzła :"));
}

// The force listed last on node n.
void _OKNO_::zmien_sile(int n) {
    Model& m = model;
    // A number that names no node matches no load.
    const bool wezel = m.Pusty == 0 && n >= 1 && n <= m.nn;
    int kierunek = 0;
    float wartosc = 0.0f;
    for (int i = 1; wezel && i <= m.nl; ++i) {
        if (m.ild[i] == 2 * n) kierunek = 2, wartosc = m.al[i];
        if (m.ild[i] == 2 * n - 1) kierunek = 1, wartosc = m.al[i];
    }
    if (kierunek == 0) {
        port.MessageBox("W tym węźle nie ma siły..", "Zmiana siły", Ikona::stop, Przyciski::ok);
        port.Odswiez();
        return;
    }
    for (;;) {
        d_sily& r = danes;
        wpisz(r.i, "%d", kierunek);
        wpisz(r.nr, "%d", n);
        wpisz_wartosc(r.f, "%f", wartosc);
        r.xf = kierunek == 1, r.yf = kierunek == 2;
        const d_sily wpisany = r;
        if (port.Dialog(3040, &r, cyfry()) != 1) break;
        const int cel = numer_z_pola(r.nr);
        float sila = 0.0f;
        Kontrola k(*this);
        k(cel < 1 || cel > m.nn, "Zły numer węzła");
        k(!wartosc_pola(r.f, wpisany.f, wartosc, sila) || sila == 0.0f, "Wartość siły równa zeru");
        int j = 0;
        for (int i = 1; i <= m.nl; ++i)
            if ((m.ild[i] == 2 * n - 1 && r.xf == 1) || (m.ild[i] == 2 * n && r.yf == 1)) j = i;
        // A direction in which the node carries no force is shown again without a message.
        if (!k.dobrze() || j == 0) continue;
        zamknij_tabele();
        Przebudowa p(m);
        m.al[j] = sila;
        m.ild[j] = r.xf == 1 ? 2 * cel - 1 : 2 * cel;
        m.f[m.ild[j]] = sila;
        m.obliczono = 0;
        break;
    }
    port.Odswiez();
}
