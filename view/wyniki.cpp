#include "view/wyniki.h"

#include <algorithm>
#include <cstdint>
#include <memory>

#include "okno/okno.h"
#include "view/dane.h"

int _WYNIKI_::szerokosc_tresci() const {
    // The first client width and 30 units of 10 pixels beyond it.
    return szerokosc() + 300;
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
    if (m.Pusty == 0) {
        const tabele::Zakres z{od_y, do_y};
        const std::int64_t ne = std::max(m.ne, 0), nn = std::max(m.nn, 0);
        auto napis = [&](int x, std::int64_t y, const char* t) { tabele::tekst(dc, z, x, y, t); };
        auto komorka = [&](int x, int y, const char* f, const float* v) {
            if (v) dc.tekst(x, y, tabele::format(f, *v));
        };

        napis(5, 5, "Element");
        napis(100, 5, "Naprężenie");
        napis(5, 20 * ne + 70, "Węzeł");
        napis(100, 20 * ne + 70, "Przemieszczenie X");
        napis(250, 20 * ne + 70, "Przemieszczenie Y");
        napis(5, 20 * (ne + nn) + 140, "Podpora w węźle");
        napis(120, 20 * (ne + nn) + 140, "Reakcja podpory");

        dc.pioro(czarny, 3, StylPiora::ciagle);
        tabele::kreska(dc, z, 28, 350);
        tabele::kreska(dc, z, 20 * ne + 88, 350);
        tabele::kreska(dc, z, 20 * (ne + nn) + 158, 350);
        dc.pioro(jasnoszary, 1, StylPiora::ciagle);

        int p = 0, o = 0;
        z.wiersze(20, m.ne, p, o);
        for (int i = p; i <= o; ++i) {
            const int y = 20 * i + 20;
            dc.tekst(5, y, tabele::format("%d", i));
            komorka(100, y, "%12.8f", element(m.stressp, i));
        }
        std::int64_t baza = 20 * ne + 90;
        z.wiersze(baza, m.nn, p, o);
        for (int i = p; i <= o; ++i) {
            const int y = static_cast<int>(baza + 20 * std::int64_t{i});
            dc.tekst(5, y, tabele::format("%d", i));
            komorka(100, y, "%2.15f", element(m.f, 2 * i - 1));
            komorka(250, y, "%2.15f", element(m.f, 2 * i));
        }
        baza = 20 * (ne + nn) + 155;
        z.wiersze(baza, m.nd, p, o);
        for (int i = p; i <= o; ++i) {
            const int y = static_cast<int>(baza + 20 * std::int64_t{i});
            if (const int* k = element(m.nu, i)) dc.tekst(5, y, etykieta_dof(*k));
            komorka(120, y, "%2.15f", element(m.react, i));
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
