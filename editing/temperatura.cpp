// SPDX-License-Identifier: GPL-3.0-or-later
// Temperature changes of bars entered in the window: add, change and delete through template
// 3070. Each entry is a bar number with its ΔT; a bar may carry several, and they add up. Every
// accepted edit changes the thermal loads, so the results go.
#include <vector>

#include "editing/edycja.h"
#include "editing/tablice.h"

namespace {

const char* const zly_pret = "Zły numer pręta";
const char* const nie_liczba = "Przyrost temperatury nie jest liczbą";
const char* const brak = "W tym pręcie nie ma zmiany temperatury.";

// Entries of bar n, the number lying anywhere in the int range.
int na_precie(const Model& m, int n) {
    int r = 0;
    for (int i = 1; i <= m.ntel; ++i) r += m.nset[i] == n;
    return r;
}

}  // namespace

void usun_temperatury_preta(Model& m, int n) {
    std::vector<char> zostaje(static_cast<std::size_t>(m.ntel) + 1, 0);
    int nowe = 0;
    for (int i = 1; i <= m.ntel; ++i) {
        zostaje[i] = m.nset[i] != n;
        nowe += zostaje[i];
    }
    if (nowe == m.ntel) return;
    auto z = [&](int i) { return zostaje[i] != 0; };
    kompaktuj(m.temp, m.ntel, nowe, z);
    kompaktuj(m.nset, m.ntel, nowe, z);
    m.ntel = nowe;
}

void _OKNO_::Cm_d_temp() {
    Model& m = model;
    while (m.Pusty == 0 && m.ne > 0) {
        d_temp& r = danetemp;
        wpisz(r.i, "%d", m.ntel + 1);
        wpisz(r.nr, "0");
        wpisz(r.dt, "0.0");
        if (port.Dialog(3070, &r, cyfry()) != 1) break;
        const int n = numer_z_pola(r.nr);
        float dt = 0.0f;
        Kontrola k(*this);
        k(n < 1 || n > m.ne, zly_pret);
        k(!liczba_rzeczywista(r.dt, dt), nie_liczba);
        if (!k.dobrze()) continue;
        zamknij_tabele();
        Przebudowa p(m);
        zmien_rozmiar(m.nset, m.ntel, m.ntel + 1);
        zmien_rozmiar(m.temp, m.ntel, m.ntel + 1);
        ++m.ntel;
        m.nset[m.ntel] = n, m.temp[m.ntel] = dt;
        m.obliczono = 0;
        break;
    }
    port.Odswiez();
}

void _OKNO_::Cm_z_temp() {
    Model& m = model;
    if (m.Pusty != 0 || m.ne <= 0) return;
    const int n = zapytaj_o_numer(*this, "Podaj numer pręta :");
    // The bar's last entry in list order; a number that names no bar has none.
    int j = 0;
    for (int i = 1; n >= 1 && n <= m.ne && i <= m.ntel; ++i)
        if (m.nset[i] == n) j = i;
    if (j == 0) {
        port.MessageBox(brak, "Zmiana temperatury", Ikona::stop, Przyciski::ok);
        port.Odswiez();
        return;
    }
    for (;;) {
        d_temp& r = danetemp;
        wpisz(r.i, "%d", j);
        wpisz(r.nr, "%d", n);
        wpisz_wartosc(r.dt, "%f", m.temp[j]);
        const d_temp wpisany = r;
        if (port.Dialog(3070, &r, cyfry()) != 1) break;
        const int cel = numer_z_pola(r.nr);
        float dt = 0.0f;
        Kontrola k(*this);
        k(cel < 1 || cel > m.ne, zly_pret);
        k(!wartosc_pola(r.dt, wpisany.dt, m.temp[j], dt), nie_liczba);
        if (!k.dobrze()) continue;
        // Typing another bar's number moves the entry there, in its place in the list.
        zamknij_tabele();
        Przebudowa p(m);
        m.nset[j] = cel, m.temp[j] = dt;
        m.obliczono = 0;
        break;
    }
    port.Odswiez();
}

void _OKNO_::Cm_u_temp() {
    Model& m = model;
    if (m.Pusty == 0 && m.ntel > 0) {
        const int n = zapytaj_o_numer(*this, "Podaj numer pręta :");
        if (n >= 1) {
            if (na_precie(m, n) == 0) {
                port.MessageBox(brak, "Usuwanie zmian temperatury", Ikona::stop, Przyciski::ok);
            } else {
                zamknij_tabele();
                Przebudowa p(m);
                usun_temperatury_preta(m, n);
                m.obliczono = 0;
            }
        }
    }
    port.Odswiez();
}
