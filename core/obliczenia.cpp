// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "core/analiza.h"
#include "core/kolejnosc.h"
#include "core/mechanizm.h"
#include "core/pamiec_analizy.h"
#include "core/rozklad.h"

namespace {

// Up to this many band columns the model's own numbering is kept without a search.
constexpr int szerokosc_bez_przenumerowania = 32;

// Whether the sparse factor is expected to cost less than the band of nbw columns. The band takes
// about nq * nbw^2 operations at the speed of a blocked kernel; the sparse factor of a plane truss
// after a minimum degree order about 300 * nn^1.5, at about a fifth of that speed (lattices of
// 250 x 200 nodes: band 0.44 s, sparse 0.62 s; 300 x 300: band 1.8 s, sparse 1.25 s).
bool rzadkie_taniej(const Model& m, int nbw) {
    const double pasmo = static_cast<double>(m.nq) * nbw * nbw;
    const double rzadkie = 1500.0 * std::pow(static_cast<double>(m.nn), 1.5);
    return rzadkie < pasmo;
}

// Seconds since the last reading.
class Zegar {
  public:
    double odczyt() {
        const auto teraz = std::chrono::steady_clock::now();
        const double s = std::chrono::duration<double>(teraz - od_).count();
        od_ = teraz;
        return s;
    }

  private:
    std::chrono::steady_clock::time_point od_ = std::chrono::steady_clock::now();
};

}  // namespace

bool utworz_prace(const Model& m, Praca& w, int nbw) {
    // Columns past the last DOF would stay zero: the band never needs more than nq.
    w.nbw_s = std::min(nbw, m.nq);
    if (!pasmo_sie_zmiesci(m.nq, w.nbw_s)) return false;
    w.s = dmacierz(1, m.nq, 1, w.nbw_s);
    // The zeroed pages are written in order once, so that the memory is taken from the system in
    // one sweep: the assembly's first touches, bar by bar, would each fault a page in twice (read,
    // then write), several times slower than the sweep.
    std::fill(w.s.data(), w.s.data() + static_cast<std::size_t>(m.nq) * w.nbw_s, 0.0);
    w.f = dwektor(1, m.nq);
    w.diag = dwektor(1, m.nq);
    return true;
}

bool utworz_prace_rzadka(const Model& m, Praca& w) {
    w.rzadka = true;
    w.nowy.clear(), w.stary.clear();
    if (w.pamiec && w.pamiec->ma_wzor) {
        w.k = std::move(w.pamiec->wzor);
        w.pamiec->ma_wzor = false;
        std::fill(w.k.wartosc.begin(), w.k.wartosc.end(), 0.0);
    } else {
        zbuduj_wzor(m, w.k);
    }
    w.f = dwektor(1, m.nq);
    w.diag = dwektor(1, m.nq);
    return true;
}

ZadaniePrzypadkow zadanie_projektu(const Konstrukcja& k, const Projekt& p) {
    ZadaniePrzypadkow z;
    z.obciazenia = obciazenia_przypadkow(k, p);
    for (const PrzypadekObciazen& c : p.przypadki)
        z.ciezar.push_back(c.ciezar_wlasny ? c.wsp_ciezaru : 0.0);
    z.gestosc = p.ciezar;
    z.biezacy = p.biezacy;
    return z;
}

namespace {
// The order of the nodes and the method, worked out or taken from what an earlier analysis of the
// same bars and supports left. Returns the band's width; the order goes to w.
int wybierz_metode(const Model& m, Praca& w, Rozwiazanie sposob, bool& rzadko) {
    PamiecAnalizy* p = w.pamiec;
    if (p && p->ma_wybor && p->sposob == static_cast<int>(sposob)) {
        w.nowy = p->nowy;
        w.stary = p->stary;
        rzadko = p->rzadko;
        return p->nbw;
    }
    int nbw = std::min(m.nbw, m.nq);
    // A band wider than a few columns is worth reordering for: the elimination's work goes
    // with the square of its width, the search with the number of bars.
    if (nbw > szerokosc_bez_przenumerowania && sposob != Rozwiazanie::rzadkie) {
        KolejnoscWezlow k = kolejnosc_rcm(m);
        if (k.nbw < nbw) {
            nbw = k.nbw;
            w.nowy = std::move(k.nowy);
            w.stary = std::move(k.stary);
        }
    }
    rzadko = sposob == Rozwiazanie::rzadkie ||
             (sposob == Rozwiazanie::samo && nbw > szerokosc_bez_przenumerowania &&
              (!pasmo_sie_zmiesci(m.nq, nbw) || rzadkie_taniej(m, nbw)));
    if (p) {
        p->ma_wybor = true;
        p->sposob = static_cast<int>(sposob);
        p->rzadko = rzadko;
        p->nbw = nbw;
        p->nowy = rzadko ? std::vector<int>{} : w.nowy;
        p->stary = rzadko ? std::vector<int>{} : w.stary;
        ++p->wybory;
    }
    return nbw;
}
}  // namespace

WynikObliczen obliczenia(Model& m, Rozwiazanie sposob, const ZadaniePrzypadkow* zadanie,
                         PamiecAnalizy* pamiec, const std::atomic<bool>* przerwij) {
    WynikObliczen wy;
    // Without an open model, or with counts its arrays do not back, there is nothing to analyse.
    const bool jest_model = m.Pusty == 0 && spojna(m);
    for (int i = 1; jest_model && i <= m.ne; ++i) {
        const std::int64_t d = std::abs(static_cast<std::int64_t>(m.noc[i][2]) - m.noc[i][1]);
        if (2 * d + 2 > m.nbw)
            m.nbw = static_cast<int>(std::min<std::int64_t>(2 * d + 2, INT32_MAX));
    }
    if (jest_model && m.nbw > 0 && m.nq > 0) {
        wy.wykonano = true;
        m.obliczono = 0;
        m.nrblad = 0;
        m.blad = 0;
        Zegar zegar;
        Praca w;
        w.przerwij = przerwij;
        if (pamiec) {
            pamiec->dla(m);  // forgets what belongs to other bars or supports
            w.pamiec = pamiec;
        }
        auto przerwij_teraz = [&] {
            wy.przerwano = true;
            m.blad = 0;
            return wy;
        };
        bool rzadko = false;
        const int nbw = wybierz_metode(m, w, sposob, rzadko);
        wy.czasy.kolejnosc = zegar.odczyt();
        if (w.przerwana()) return przerwij_teraz();
        const bool jest_praca = rzadko ? utworz_prace_rzadka(m, w) : utworz_prace(m, w, nbw);
        if (!jest_praca) {
            wy.brak_pamieci = true;
            return wy;
        }
        // The sparse pattern goes back for the next analysis whatever this one comes to.
        struct Zwrot {
            Praca& w;
            ~Zwrot() {
                if (!w.pamiec || !w.rzadka) return;
                w.pamiec->wzor = std::move(w.k);
                w.pamiec->ma_wzor = true;
            }
        } zwrot{w};
        if (zadanie) {
            for (std::size_t c = 0; c < zadanie->obciazenia.size(); ++c)
                w.przypadki.push_back(
                    obciazenie_przypadku(m, zadanie->obciazenia[c],
                                         c < zadanie->ciezar.size() ? zadanie->ciezar[c] : 0));
            w.gestosc = zadanie->gestosc;
            w.biezacy = zadanie->biezacy;
        }
        Macierze(m, w);
        // A node held along one line only is a mechanism that the factor may take for a stiff
        // one, the rounding of its coordinates standing in for a stiffness across the line.
        if (m.blad == 0) {
            w.dof_bledu = swobodny_stopien(m);
            if (w.dof_bledu > 0) m.blad = 1, m.nrblad = blad_zero_na_przekatnej;
        }
        wy.czasy.skladanie = zegar.odczyt();
        if (w.przerwana()) return przerwij_teraz();
        if (m.blad == 0) Oblicz(m, w);
        if (w.przerwano) return przerwij_teraz();
        wy.czasy.rozklad = w.czas_rozkladu;
        wy.czasy.reszta = zegar.odczyt() - w.czas_rozkladu;
        wy.metoda = rzadko                  ? "rzadka"
                    : cholesky_dla(w.nbw_s) ? "pasmowa (Cholesky'ego)"
                                            : "pasmowa";
        if (m.blad == 0) m.obliczono = 1;
        wy.blad = m.blad;
        wy.nrblad = m.nrblad;
        wy.dof_bledu = w.dof_bledu;
        wy.numer_bledu = w.numer_bledu;
        wy.brak_pamieci = w.brak_pamieci;
    }
    wy.brak_wezlow = !jest_model || m.nq == 0;
    wy.zerowe_pasmo = m.nbw == 0;
    return wy;
}

namespace {
std::string tekst(const char* format, int a, int b = 0) {
    char t[160];
    std::snprintf(t, sizeof t, format, a, b);
    return t;
}
}  // namespace

std::vector<std::string> komunikaty_obliczen(const WynikObliczen& w) {
    std::vector<std::string> k;
    if (w.blad == 1) {
        const int n = w.numer_bledu;
        switch (w.nrblad) {
            case blad_zero_na_przekatnej: {
                std::string t = "Zero na przekątnej macierzy sztywności!";
                // The second line says where the truss can move without straining a bar.
                if (w.dof_bledu > 0)
                    t += tekst("\nWęzeł %d może się swobodnie przemieszczać w kierunku %c.",
                               (w.dof_bledu + 1) / 2, w.dof_bledu % 2 != 0 ? 'X' : 'Y');
                k.push_back(t);
                break;
            }
            case blad_zerowa_dlugosc:
                k.push_back("Zerowa długość elementu!" +
                            (n > 0 ? tekst("\nPręt %d ma oba końce w tym samym punkcie.", n)
                                   : std::string()));
                break;
            case blad_zakres_wynikow:
                k.push_back(
                    "Wyniki obliczeń przekraczają zakres liczb!\n"
                    "Sprawdź wartości sił, przemieszczeń podpór, modułów Younga i pól przekrojów.");
                break;
            case blad_modul:
                k.push_back(tekst("Moduł Younga materiału %d nie jest dodatni!", n));
                break;
            case blad_pole:
                k.push_back(tekst("Pole przekroju %d nie jest dodatnie!", n));
                break;
        }
    }
    // The numbering is no longer the user's concern: the analysis orders the unknowns itself.
    if (w.brak_pamieci) k.push_back("Za mało pamięci na macierz sztywności!");
    if (w.brak_wezlow) k.push_back("Brak węzłów!");
    if (w.zerowe_pasmo) k.push_back("Zerowa długość pasma macierzy sztywności!");
    return k;
}
