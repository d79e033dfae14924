#include "view/wyniki.h"

#include <algorithm>
#include <cstdint>
#include <memory>

#include "okno/okno.h"
#include "view/dane.h"
#include "view/kolumny.h"

namespace {

// The columns of the three tables, placed for the values the store holds at this paint.
struct Kolumny {
    tabele::Kolumna naprezenia[2], przemieszczenia[3], reakcje[2];
    tabele::Prawo prawo;
};

Kolumny kolumny(const Model& m, Powierzchnia& dc) {
    using tabele::skrajne;
    using R = tabele::SkrajneRzeczywiste;
    using C = tabele::SkrajneCalkowite;
    auto naglowek = [&dc](const char* t) { return dc.szerokosc_tekstu(t); };
    const int nn = std::max(m.nn, 0);
    Kolumny k;
    k.naprezenia[0] = {5, tabele::szerokosc_numerow(dc, m.ne), naglowek("Element")};
    k.naprezenia[1] = {100, skrajne<R>(m.stressp, m.ne).szerokosc(dc, "%12.8f"),
                       naglowek("Naprężenie")};
    k.przemieszczenia[0] = {5, tabele::szerokosc_numerow(dc, nn), naglowek("Węzeł")};
    k.przemieszczenia[1] = {100, skrajne<R>(m.f, nn, 1, 2).szerokosc(dc, "%2.15f"),
                            naglowek("Przemieszczenie X")};
    k.przemieszczenia[2] = {250, skrajne<R>(m.f, nn, 2, 2).szerokosc(dc, "%2.15f"),
                            naglowek("Przemieszczenie Y")};
    k.reakcje[0] = {5, skrajne<C>(m.nu, m.nd).szerokosc_dof(dc), naglowek("Podpora w węźle")};
    k.reakcje[1] = {120, skrajne<R>(m.react, m.nd).szerokosc(dc, "%2.15f"),
                    naglowek("Reakcja podpory")};
    k.prawo.dolicz(tabele::rozmiesc(k.naprezenia));
    k.prawo.dolicz(tabele::rozmiesc(k.przemieszczenia));
    k.prawo.dolicz(tabele::rozmiesc(k.reakcje));
    return k;
}

}  // namespace

int _WYNIKI_::szerokosc_tresci() const {
    // The first client width and 30 units of 10 pixels beyond it, or as far as the widest
    // text of the last paint reaches.
    return std::max(szerokosc() + 300, prawo_);
}

int _WYNIKI_::wysokosc_tresci() const {
    if (m_.Pusty != 0) return 0;
    // Down to the last reaction row and a row's margin under it, whatever the counts.
    const std::int64_t ne = std::max(m_.ne, 0), nn = std::max(m_.nn, 0), nd = std::max(m_.nd, 0);
    return tabele::ograniczony(20 * (ne + nn) + 20 * nd + 155 + 2 * tabele::wiersz);
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
        const Kolumny k = kolumny(m, dc);
        prawo_ = k.prawo.tekstu + tabele::odstep;
        auto napis = [&](int x, std::int64_t y, const char* t) { tabele::tekst(dc, z, x, y, t); };
        auto komorka = [&](int x, int y, const char* f, const float* v) {
            if (v) dc.tekst(x, y, tabele::format(f, *v));
        };

        napis(k.naprezenia[0].x, 5, "Element");
        napis(k.naprezenia[1].x, 5, "Naprężenie");
        napis(k.przemieszczenia[0].x, 20 * ne + 70, "Węzeł");
        napis(k.przemieszczenia[1].x, 20 * ne + 70, "Przemieszczenie X");
        napis(k.przemieszczenia[2].x, 20 * ne + 70, "Przemieszczenie Y");
        napis(k.reakcje[0].x, 20 * (ne + nn) + 140, "Podpora w węźle");
        napis(k.reakcje[1].x, 20 * (ne + nn) + 140, "Reakcja podpory");

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
}

bool _WYNIKI_::CanClose() {
    m_.iw = 0;
    return true;
}

void _OKNO_::Cm_Wyniki() {
    if (model.Pusty != 0) return;
    model.iw = 1;
    oo = port.UtworzOknoTabeli(std::make_unique<_WYNIKI_>(model, port));
}
