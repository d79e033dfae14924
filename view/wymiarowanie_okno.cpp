// SPDX-License-Identifier: GPL-3.0-or-later
// The design as the window shows it: worked out once for each state of the project and its
// results, the "Wytężenie" toggle of the view, and the table of the bars' checks.
#include <memory>

#include "files/wyniki_projektu.h"
#include "okno/okno.h"
#include "view/tabela_wymiarowania.h"

std::shared_ptr<const WynikWymiarowania> _OKNO_::wymiarowanie() const {
    const Model& m = model;
    if (m.Pusty != 0 || m.obliczono != 1 || m.wyniki.size() != projekt.przypadki.size())
        return nullptr;
    PamiecWymiarowania& p = wymiar_;
    if (!p.wynik || p.wersja != wersja || p.obliczenia != licznik_obliczen ||
        p.jednostki != jednostki) {
        p.wersja = wersja, p.obliczenia = licznik_obliczen, p.jednostki = jednostki;
        p.wynik = std::make_shared<const WynikWymiarowania>(
            wymiaruj(m, projekt, jednostki, kombinacje_projektu(projekt)));
    }
    return p.wynik->blad.empty() ? p.wynik : nullptr;
}

std::vector<SekcjaTabeli> _OKNO_::sekcje_wymiarowania_teraz() {
    const auto w = wymiarowanie();
    if (!w || !ma_przekroje_stalowe(projekt.wymiarowanie)) return {};
    auto d = std::make_shared<DaneTabeliWymiarowania>();
    d->wynik = w;
    d->kombinacje = kombinacje_projektu(projekt);
    d->dane = projekt.wymiarowanie;
    d->jednostki = jednostki;
    return sekcje_wymiarowania(d);
}

std::function<std::shared_ptr<TabelaTekstowa>()> _OKNO_::tabele_wymiarowania() {
    struct Pamiec {
        std::shared_ptr<const WynikWymiarowania> wynik;
        std::shared_ptr<TabelaTekstowa> tabela;
    };
    auto p = std::make_shared<Pamiec>();
    return [this, p]() -> std::shared_ptr<TabelaTekstowa> {
        const auto w = wymiarowanie();
        if (!w || !ma_przekroje_stalowe(projekt.wymiarowanie)) return nullptr;
        if (w != p->wynik) {
            p->wynik = w;
            p->tabela = std::make_shared<TabelaTekstowa>("", sekcje_wymiarowania_teraz());
        }
        return p->tabela;
    };
}

void _OKNO_::Cm_wytezenie() {
    p_wytezenie = p_wytezenie == 1 ? 0 : 1;
    port.Odswiez();
}

void _OKNO_::Ce_wytezenie(TCommandEnabler& ce) {
    ce.Enable(model.Pusty == 0 && model.obliczono == 1);
    ce.SetCheck(p_wytezenie == 1);
}

void _OKNO_::Cm_wym_sprawdz() {
    Model& m = model;
    if (m.Pusty != 0 || !jednostki_wymiarowania()) return;
    // A linked area left behind by an undo across a change of units follows its profile again.
    pola_profili_w_jednostkach();
    if (m.obliczono != 1 || m.wyniki.size() != projekt.przypadki.size()) {
        obliczenia();
        if (m.obliczono != 1) return;
    }
    const auto w = wymiarowanie();
    if (!w) return;
    if (!ma_przekroje_stalowe(projekt.wymiarowanie))
        port.MessageBox(
            "Żaden przekrój nie ma profilu ani danych stali: pręty nie zostały sprawdzone "
            "(Wymiarowanie → Przekrój stalowy).",
            "Wymiarowanie", Ikona::wykrzyknik, Przyciski::ok);
    auto d = std::make_shared<DaneTabeliWymiarowania>();
    d->wynik = w;
    d->kombinacje = kombinacje_projektu(projekt);
    d->dane = projekt.wymiarowanie;
    d->jednostki = jednostki;
    if (ww != 0) port.ZniszczOknoTabeli(ww);
    ww = port.UtworzOknoTabeli(std::make_unique<TabelaTekstowa>(
        "Wymiarowanie prętów", sekcje_wymiarowania(d), [this] { ww = 0; }));
    p_wytezenie = 1;
    port.Odswiez();
}
