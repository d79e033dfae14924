// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/wyniki.h"

#include <algorithm>
#include <cstdint>
#include <memory>

#include "files/eksport.h"
#include "okno/okno.h"
#include "view/dane.h"
#include "view/kolumny.h"
#include "view/tabela_tekstowa.h"

namespace {

// The headers that name units, in the units of this paint.
struct Naglowki {
    std::string naprezenie, sila, x, y, reakcja;
    bool jednostki;
    explicit Naglowki(UkladJednostek u)
        : naprezenie(z_jednostka("Naprężenie", Wielkosc::naprezenie, u)),
          sila(z_jednostka("Siła osiowa", Wielkosc::sila, u)),
          x(z_jednostka("Przemieszczenie X", Wielkosc::dlugosc, u)),
          y(z_jednostka("Przemieszczenie Y", Wielkosc::dlugosc, u)),
          reakcja(z_jednostka("Reakcja podpory", Wielkosc::sila, u)),
          jednostki(u != UkladJednostek::brak) {}
};

// The columns of the three tables, placed for the values the store holds at this paint.
struct Kolumny {
    tabele::Kolumna naprezenia[3], przemieszczenia[3], reakcje[2];
    tabele::Prawo prawo;
};

Kolumny kolumny(const Model& m, Powierzchnia& dc, const Naglowki& n) {
    using tabele::skrajne;
    using R = tabele::SkrajneRzeczywiste;
    using C = tabele::SkrajneCalkowite;
    auto naglowek = [&dc](const std::string& t) { return dc.szerokosc_tekstu(t); };
    auto miejsce = [&n](tabele::Kolumna k) { return tabele::z_jednostka(k, n.jednostki); };
    R sily;
    for (int i = 1; i <= m.ne; ++i)
        if (const auto s = sila_osiowa(m, i)) sily.dodaj(*s);
    const int nn = std::max(m.nn, 0);
    Kolumny k;
    k.naprezenia[0] = {5, tabele::szerokosc_numerow(dc, m.ne), naglowek("Element")};
    k.naprezenia[1] =
        miejsce({100, skrajne<R>(m.stressp, m.ne).szerokosc(dc, "%12.8f"), naglowek(n.naprezenie)});
    k.naprezenia[2] = {250, sily.szerokosc(dc, "%12.8f"), naglowek(n.sila)};
    k.przemieszczenia[0] = {5, tabele::szerokosc_numerow(dc, nn), naglowek("Węzeł")};
    k.przemieszczenia[1] =
        miejsce({100, skrajne<R>(m.f, nn, 1, 2).szerokosc(dc, "%2.15f"), naglowek(n.x)});
    k.przemieszczenia[2] = {250, skrajne<R>(m.f, nn, 2, 2).szerokosc(dc, "%2.15f"), naglowek(n.y)};
    k.reakcje[0] = {5, skrajne<C>(m.nu, m.nd).szerokosc_dof(dc), naglowek("Podpora w węźle")};
    k.reakcje[1] = {120, skrajne<R>(m.react, m.nd).szerokosc(dc, "%2.15f"), naglowek(n.reakcja)};
    k.prawo.dolicz(tabele::rozmiesc(k.naprezenia));
    k.prawo.dolicz(tabele::rozmiesc(k.przemieszczenia));
    k.prawo.dolicz(tabele::rozmiesc(k.reakcje));
    return k;
}

}  // namespace

std::shared_ptr<TabelaTekstowa> _WYNIKI_::dalsze() const {
    if (!dalsze_ || m_.Pusty != 0 || m_.obliczono != 1) return nullptr;
    return dalsze_();
}

long long _WYNIKI_::koniec_wlasnych() const {
    // Down to the last reaction row and a row's margin under it, whatever the counts.
    const std::int64_t ne = std::max(m_.ne, 0), nn = std::max(m_.nn, 0), nd = std::max(m_.nd, 0);
    return 20 * (ne + nn) + 20 * nd + 155 + 2 * tabele::wiersz;
}

int _WYNIKI_::szerokosc_tresci() const {
    // The first client width and 30 units of 10 pixels beyond it, or as far as the widest
    // text of the last paint reaches.
    const auto d = dalsze();
    return std::max({szerokosc() + 300, prawo_, d ? d->szerokosc_tresci() : 0});
}

int _WYNIKI_::wysokosc_tresci() const {
    if (m_.Pusty != 0) return 0;
    if (const auto d = dalsze()) {
        d->od(koniec_wlasnych() + tabele::wiersz);
        return d->wysokosc_tresci();
    }
    return tabele::ograniczony(koniec_wlasnych());
}

void _WYNIKI_::przed_odswiezeniem() {
    // Asked outside the paint: a modal box inside it would paint again underneath and stack.
    // A request that comes while the box is up does not raise another one.
    if (m_.Pusty == 0 || pyta_) return;
    pyta_ = true;
    port_.MessageBox("PUSTY jest 1 !", "Błąd wejścia do klasy WYNIKI", Ikona::pytajnik,
                     Przyciski::tak_nie);
    pyta_ = false;
}

void _WYNIKI_::Paint(Powierzchnia& dc, int od_y, int do_y) {
    using tabele::element;
    tabele::zacznij(dc);
    const Model& m = m_;
    prawo_ = 0;
    if (m.Pusty == 0) {
        const tabele::Zakres z{od_y, do_y};
        const std::int64_t ne = std::max(m.ne, 0), nn = std::max(m.nn, 0);
        const Naglowki n(jednostki_);
        const Kolumny k = kolumny(m, dc, n);
        prawo_ = k.prawo.tekstu + tabele::odstep;
        auto napis = [&](int x, std::int64_t y, const char* t) { tabele::tekst(dc, z, x, y, t); };
        auto komorka = [&](int x, int y, const char* f, const float* v) {
            if (v) dc.tekst(x, y, tabele::format(f, *v));
        };

        napis(k.naprezenia[0].x, 5, "Element");
        napis(k.naprezenia[1].x, 5, n.naprezenie.c_str());
        napis(k.naprezenia[2].x, 5, n.sila.c_str());
        napis(k.przemieszczenia[0].x, 20 * ne + 70, "Węzeł");
        napis(k.przemieszczenia[1].x, 20 * ne + 70, n.x.c_str());
        napis(k.przemieszczenia[2].x, 20 * ne + 70, n.y.c_str());
        napis(k.reakcje[0].x, 20 * (ne + nn) + 140, "Podpora w węźle");
        napis(k.reakcje[1].x, 20 * (ne + nn) + 140, n.reakcja.c_str());

        // The separators lengthen by as much as the widest values moved their columns.
        const int koniec = 350 + k.prawo.przesuniecie;
        dc.pioro(czarny, 3, StylPiora::ciagle);
        tabele::kreska(dc, z, 28, koniec);
        tabele::kreska(dc, z, 20 * ne + 88, koniec);
        tabele::kreska(dc, z, 20 * (ne + nn) + 158, koniec);
        dc.pioro(jasnoszary, 1, StylPiora::ciagle);

        int p = 0, o = 0;
        z.wiersze(20, m.ne, p, o);
        for (int i = p; i <= o; ++i) {
            const int y = 20 * i + 20;
            dc.tekst(k.naprezenia[0].x, y, tabele::format("%d", i));
            komorka(k.naprezenia[1].x, y, "%12.8f", element(m.stressp, i));
            const auto sila = sila_osiowa(m, i);
            komorka(k.naprezenia[2].x, y, "%12.8f", sila ? &*sila : nullptr);
        }
        std::int64_t baza = 20 * ne + 90;
        z.wiersze(baza, m.nn, p, o);
        for (int i = p; i <= o; ++i) {
            const int y = static_cast<int>(baza + 20 * std::int64_t{i});
            dc.tekst(k.przemieszczenia[0].x, y, tabele::format("%d", i));
            komorka(k.przemieszczenia[1].x, y, "%2.15f", element(m.f, 2 * i - 1));
            komorka(k.przemieszczenia[2].x, y, "%2.15f", element(m.f, 2 * i));
        }
        baza = 20 * (ne + nn) + 155;
        z.wiersze(baza, m.nd, p, o);
        for (int i = p; i <= o; ++i) {
            const int y = static_cast<int>(baza + 20 * std::int64_t{i});
            if (const int* d = element(m.nu, i)) dc.tekst(k.reakcje[0].x, y, etykieta_dof(*d));
            komorka(k.reakcje[1].x, y, "%2.15f", element(m.react, i));
        }
    }
    dc.przywroc();
    if (const auto d = dalsze()) {
        d->od(koniec_wlasnych() + tabele::wiersz);
        d->Paint(dc, od_y, do_y);
    }
}

bool _WYNIKI_::CanClose() {
    m_.iw = 0;
    return true;
}

void _OKNO_::Cm_Wyniki() {
    if (model.Pusty != 0) return;
    model.iw = 1;
    // The envelope has two values of each result and the combinations they come from.
    if (pokaz.rodzaj == PokazWynikow::obwiednia && model.obliczono == 1 &&
        model.wyniki.size() == projekt.przypadki.size())
        oo = port.UtworzOknoTabeli(tabela_obwiedni());
    else
        oo = port.UtworzOknoTabeli(
            std::make_unique<_WYNIKI_>(model, port, jednostki, tabele_wymiarowania()));
}
