// SPDX-License-Identifier: GPL-3.0-or-later
// Live results: after every change of the model the analysis of every load case runs again. A
// model that takes a few milliseconds is analysed at once, on the interface thread; a larger one
// off it, on a copy of the store, while the interface goes on. Every change bumps the generation
// of the model's state and cancels what runs: results of an older state are dropped when they
// arrive, never shown as current.
#include <algorithm>
#include <mutex>

#include "core/analiza.h"
#include "core/pamiec_analizy.h"
#include "okno/okno.h"

// Measured with bench/bench_na_biezaco.cpp, one core: a re-analysis with the order kept takes
// 4 ms for a Pratt girder of 10^4 bars and 35 ms for one of 10^5; a square lattice, the widest
// band a truss of that count can have, 17 ms and 0.9 s. Up to 10^5 bars, then, results follow an
// edit within a second whatever the shape. A larger model, unless the user asks for live results,
// is analysed on "Oblicz" only: each edit would cost seconds of work.
const int _OKNO_::limit_na_biezaco = 100000;
// Below 10^4 bars even the lattice is analysed in under 20 ms, so the interface thread does it and
// the colours follow a dragged node without a gap; from there on the analysis runs off its thread,
// as one of the widest trusses would keep the interface waiting past the 50 ms a user feels.
const int _OKNO_::prog_w_tle_domyslny = 10000;

namespace {

// The store as an analysis off the interface thread takes it: a copy, with what to solve.
struct ObliczeniaWTle {
    Model m;
    ZadaniePrzypadkow z;
    WynikObliczen w;
};

// Why there are no results, in one line for the status bar.
std::string powod(const WynikObliczen& w) {
    std::string t;
    for (const std::string& k : komunikaty_obliczen(w)) t += (t.empty() ? "" : " ") + k;
    std::replace(t.begin(), t.end(), '\n', ' ');
    return t.empty() ? t : "Brak wyników: " + t;
}

}  // namespace

bool _OKNO_::obliczaj_na_biezaco() const {
    return na_biezaco == 1 || (na_biezaco < 0 && model.ne <= limit_na_biezaco);
}

void _OKNO_::ustaw_stan_obliczen(const std::string& s) {
    if (s == stan_obliczen) return;
    stan_obliczen = s;
    odswiez_wskazanie();
}

void _OKNO_::porzuc_obliczenia() {
    ++pokolenie;
    if (przerwij_obliczenia) przerwij_obliczenia->store(true);
    przerwij_obliczenia.reset();
}

void _OKNO_::po_poleceniu() {
    // A command that kept the results valid (another current case, undo back to an analysed
    // state) leaves them; whatever runs belongs to a state that is gone.
    if (model.obliczono == 1) {
        porzuc_obliczenia();
        ustaw_stan_obliczen("");  // a reason given for another state no longer holds
        port.OdswiezTabele();
    } else {
        po_zmianie_modelu();
    }
}

void _OKNO_::po_zmianie_modelu() {
    porzuc_obliczenia();
    if (model.Pusty != 0) {
        ustaw_stan_obliczen("");
        return;
    }
    model.obliczono = 0;
    if (!obliczaj_na_biezaco() || model.nn <= 0) {
        ustaw_stan_obliczen("");
        return;
    }
    // The data window shows the model as it is now; the results ones wait for its results.
    port.OdswiezTabele();
    if (!pamiec_analizy) pamiec_analizy = std::make_shared<PamiecAnalizy>();

    if (model.ne < prog_w_tle) {
        // What a job off the thread still holds is not waited for: this one goes without it.
        std::unique_lock<std::mutex> zajeta(pamiec_analizy->zajeta, std::try_to_lock);
        const ZadaniePrzypadkow z = zadanie_projektu(model, projekt);
        const WynikObliczen w = ::obliczenia(model, Rozwiazanie::samo, &z,
                                             zajeta.owns_lock() ? pamiec_analizy.get() : nullptr);
        zajeta = {};
        przyjmij_wyniki(w, nullptr);
        return;
    }

    auto zadanie = std::make_shared<ObliczeniaWTle>();
    przejmij_konstrukcje(zadanie->m, kopia(model, true));
    zadanie->m.Pusty = 0;
    zadanie->m.nbw = model.nbw;
    zadanie->z = zadanie_projektu(model, projekt);
    auto przerwij = std::make_shared<std::atomic<bool>>(false);
    przerwij_obliczenia = przerwij;
    const std::uint64_t dla = pokolenie;
    const std::weak_ptr<int> okno = zywe_;
    port.UruchomWTle(
        [zadanie, przerwij, pamiec = pamiec_analizy] {
            // Jobs run one after another, so only an analysis on the interface thread, which
            // takes a few milliseconds, can hold it.
            const std::lock_guard<std::mutex> zajeta(pamiec->zajeta);
            if (przerwij->load()) {
                zadanie->w.przerwano = true;
                return;
            }
            zadanie->w = ::obliczenia(zadanie->m, Rozwiazanie::samo, &zadanie->z, pamiec.get(),
                                      przerwij.get());
        },
        [this, zadanie, dla, okno] {
            // The window may be gone, or the model changed since the copy was taken.
            if (okno.expired() || dla != pokolenie || zadanie->w.przerwano) return;
            przerwij_obliczenia.reset();
            przyjmij_wyniki(zadanie->w, &zadanie->m);
        });
    // Unless the job was done at once, the results are on their way.
    if (dla == pokolenie && przerwij_obliczenia) {
        zamknij_tabele_wynikow();
        ustaw_stan_obliczen("Obliczanie…");
        port.Odswiez();
    }
}

void _OKNO_::przyjmij_wyniki(const WynikObliczen& w, Model* z) {
    Model& m = model;
    ++licznik_obliczen;  // the design follows the new results
    bool sa = w.sukces();
    if (z) {
        sa = false;
        // The copy has the store's counts: nothing changed since it was taken.
        m.nbw = std::max(m.nbw, z->nbw);
        m.blad = z->blad, m.nrblad = z->nrblad;
        if (w.sukces() && spojna(m) && z->nq == m.nq && z->ne == m.ne && z->nd == m.nd) {
            std::copy(z->f.data(), z->f.data() + m.nq, m.f.data());
            if (m.ne > 0) std::copy(z->stressp.data(), z->stressp.data() + m.ne, m.stressp.data());
            if (m.nd > 0) std::copy(z->react.data(), z->react.data() + m.nd, m.react.data());
            m.wyniki = std::move(z->wyniki);
            m.obliczono = 1;
            sa = true;
        }
    }
    if (sa) {
        pokaz_wyniki();
        ustaw_stan_obliczen("");
    } else {
        zamknij_tabele_wynikow();
        ustaw_stan_obliczen(powod(w));
    }
    port.Odswiez();
}

void _OKNO_::zamknij_tabele_wynikow() {
    if (model.iw == 1) port.ZniszczOknoTabeli(oo);
    model.iw = 0;  // destroying does not ask the window, which clears it when the user closes it
}

void _OKNO_::Cm_na_biezaco() {
    na_biezaco = obliczaj_na_biezaco() ? 0 : 1;
    port.ZapiszUstawienie("obliczenia/na_biezaco", na_biezaco == 1 ? "1" : "0");
    // Turned on, it shows the results of the model as it is; turned off, what runs is dropped.
    if (na_biezaco == 1 && model.obliczono != 1 && model.Pusty == 0) {
        po_zmianie_modelu();
    } else if (na_biezaco == 0) {
        porzuc_obliczenia();
        ustaw_stan_obliczen("");
    }
}

void _OKNO_::Ce_na_biezaco(TCommandEnabler& ce) {
    ce.Enable(true);
    ce.SetCheck(obliczaj_na_biezaco());
}
