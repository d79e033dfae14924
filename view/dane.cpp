#include "view/dane.h"

#include <algorithm>
#include <cstdio>
#include <memory>

#include "okno/okno.h"

namespace tabele {

namespace {
std::int64_t podloga(std::int64_t a, std::int64_t b) {
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}
}  // namespace

void Zakres::wiersze(std::int64_t baza, int n, int& pierwszy, int& ostatni) const {
    // The i for which widac(baza + wiersz * i) holds form one run.
    n = std::max(n, 0);
    const std::int64_t p = std::max<std::int64_t>(podloga(od - wiersz - baza, wiersz) + 1, 1);
    const std::int64_t o = std::min<std::int64_t>(podloga(do_ + 2 - baza, wiersz), n);
    pierwszy = static_cast<int>(std::min<std::int64_t>(p, std::int64_t{n} + 1));
    ostatni = static_cast<int>(std::max<std::int64_t>(o, 0));
}

void zacznij(Powierzchnia& dc) {
    dc.zachowaj();
    dc.tlo_tekstu(jasnoszary);
    dc.kolor_tekstu(czarny);
    dc.pioro(jasnoszary, 1, StylPiora::ciagle);
    dc.pedzel(jasnoszary);
    dc.czcionka("Arial", 16, 400);
}

void kreska(Powierzchnia& dc, const Zakres& z, std::int64_t y, int do_x) {
    if (!z.widac(y)) return;
    dc.przesun_do(2, static_cast<int>(y));
    dc.linia_do(do_x, static_cast<int>(y));
}

void tekst(Powierzchnia& dc, const Zakres& z, int x, std::int64_t y, const char* t) {
    if (z.widac(y)) dc.tekst(x, static_cast<int>(y), t);
}

std::string format(const char* f, int v) {
    char t[64];
    std::snprintf(t, sizeof t, f, v);
    return t;
}

std::string format(const char* f, float v) {
    // "%f" of the largest float runs to 47 characters before the decimals.
    char t[96];
    std::snprintf(t, sizeof t, f, static_cast<double>(v));
    return t;
}

}  // namespace tabele

namespace {

using tabele::wiersz;

// Running sums of the table lengths: where each table starts.
struct Uklad {
    std::int64_t s1, s2, s3, s4, s5, s6, t;
    explicit Uklad(const Model& m) {
        s1 = std::max(m.ne, 0);
        s2 = s1 + std::max(m.nn, 0);
        s3 = s2 + std::max(m.nm, 0);
        s4 = s3 + std::max(m.nd, 0);
        s5 = s4 + std::max(m.nl, 0);
        s6 = s5 + std::max(m.ntel, 0);
        t = m.ntel > 0 ? 40 : 0;
    }
};

// Writes a cell when its value is still in the store.
template <class T>
void komorka(Powierzchnia& dc, int x, int y, const char* f, const T* v) {
    if (v) dc.tekst(x, y, tabele::format(f, *v));
}

}  // namespace

int _DANE_::szerokosc_tresci() const {
    // The first client width and 30 units of 10 pixels beyond it.
    return szerokosc() + 300;
}

int _DANE_::wysokosc_tresci() const {
    if (m_.Pusty != 0) return 0;
    // Down to the last cross-section row and a row's margin under it.
    const Uklad u(m_);
    const std::int64_t na = std::max(m_.na, 0);
    return tabele::ograniczony(wiersz * (u.s6 + na) + u.t + 295 + 2 * wiersz);
}

void _DANE_::Paint(Powierzchnia& dc, int od_y, int do_y) {
    using tabele::element;
    tabele::zacznij(dc);
    const Model& m = m_;
    if (m.Pusty == 0) {
        const tabele::Zakres z{od_y, do_y};
        const Uklad u(m);
        const bool temperatury = m.ntel > 0;
        auto napis = [&](int x, std::int64_t y, const char* t) { tabele::tekst(dc, z, x, y, t); };

        napis(5, 5, "Element");
        napis(100, 5, "Węzeł 1");
        napis(200, 5, "Węzeł 2");
        napis(280, 5, "Nr");
        napis(280, 25, "materiału");
        napis(350, 5, "Nr");
        napis(350, 25, "przekroju");
        napis(5, 20 * u.s1 + 55, "Węzeł");
        napis(100, 20 * u.s1 + 55, "Wsp. X");
        napis(200, 20 * u.s1 + 55, "Y");
        napis(5, 20 * u.s2 + 125, "Nr materiału");
        napis(100, 20 * u.s2 + 125, "Moduł");
        napis(100, 20 * u.s2 + 140, "Younga");
        napis(200, 20 * u.s2 + 125, "Wsp. rozszerzal.");
        napis(200, 20 * u.s2 + 140, "cieplnej");
        napis(5, 20 * u.s3 + 205, "Nr węzła");
        napis(100, 20 * u.s3 + 205, "Przemieszczenie max.");
        napis(5, 20 * u.s4 + 245, "Nr węzła");
        napis(100, 20 * u.s4 + 245, "Siła");
        if (temperatury) {
            napis(5, 20 * u.s5 + 285, "Nr węzła");
            napis(100, 20 * u.s5 + 285, "Przyrost temperatury");
        }
        napis(5, 20 * u.s6 + u.t + 285, "Nr przekroju");
        napis(100, 20 * u.s6 + u.t + 285, "Powierzchnia");

        dc.pioro(czarny, 3, StylPiora::ciagle);
        for (std::int64_t y : {std::int64_t{44}, 20 * u.s1 + 73, 20 * u.s2 + 160, 20 * u.s3 + 225,
                               20 * u.s4 + 265, 20 * u.s5 + 305})
            tabele::kreska(dc, z, y, 410);
        if (temperatury) tabele::kreska(dc, z, 20 * u.s6 + 345, 410);
        dc.pioro(jasnoszary, 1, StylPiora::ciagle);

        int p = 0, o = 0;
        z.wiersze(30, m.ne, p, o);
        for (int i = p; i <= o; ++i) {
            const int y = 20 * i + 30;
            dc.tekst(5, y, tabele::format("%d", i));
            komorka(dc, 100, y, "%d", element(m.noc, i, 1));
            komorka(dc, 200, y, "%d", element(m.noc, i, 2));
            komorka(dc, 280, y, "%d", element(m.noc, i, 3));
            komorka(dc, 350, y, "%d", element(m.noc, i, 4));
        }
        std::int64_t baza = 20 * u.s1 + 75;
        z.wiersze(baza, m.nn, p, o);
        for (int i = p; i <= o; ++i) {
            const int y = static_cast<int>(baza + 20 * std::int64_t{i});
            dc.tekst(5, y, tabele::format("%d", i));
            komorka(dc, 100, y, "%8.3f", element(m.x, i, 1));
            komorka(dc, 200, y, "%8.3f", element(m.x, i, 2));
        }
        baza = 20 * u.s2 + 165;
        z.wiersze(baza, m.nm, p, o);
        for (int i = p; i <= o; ++i) {
            const int y = static_cast<int>(baza + 20 * std::int64_t{i});
            dc.tekst(5, y, tabele::format("%d", i));
            komorka(dc, 100, y, "%8.3f", element(m.pm, i, 1));
            komorka(dc, 200, y, "%2.8f", element(m.pm, i, 2));
        }
        baza = 20 * u.s3 + 215;
        z.wiersze(baza, m.nd, p, o);
        for (int i = p; i <= o; ++i) {
            const int y = static_cast<int>(baza + 20 * std::int64_t{i});
            if (const int* k = element(m.nu, i)) dc.tekst(5, y, etykieta_dof(*k));
            komorka(dc, 100, y, "%8.3f", element(m.u, i));
        }
        baza = 20 * u.s4 + 255;
        z.wiersze(baza, m.nl, p, o);
        for (int i = p; i <= o; ++i) {
            const int y = static_cast<int>(baza + 20 * std::int64_t{i});
            if (const int* k = element(m.ild, i)) dc.tekst(5, y, etykieta_dof(*k));
            komorka(dc, 100, y, "%8.3f", element(m.al, i));
        }
        if (temperatury) {
            baza = 20 * u.s5 + 295;
            z.wiersze(baza, m.ntel, p, o);
            for (int i = p; i <= o; ++i) {
                const int y = static_cast<int>(baza + 20 * std::int64_t{i});
                komorka(dc, 5, y, "%d", element(m.nset, i));
                komorka(dc, 100, y, "%8.3f", element(m.temp, i));
            }
        }
        baza = 20 * u.s6 + u.t + 295;
        z.wiersze(baza, m.na, p, o);
        for (int i = p; i <= o; ++i) {
            const int y = static_cast<int>(baza + 20 * std::int64_t{i});
            dc.tekst(5, y, tabele::format("%d", i));
            komorka(dc, 100, y, "%8.3f", element(m.area, i));
        }
    }
    dc.przywroc();
}

bool _DANE_::CanClose() {
    m_.id = 0;
    return true;
}

void _OKNO_::Cm_Dane() {
    if (model.Pusty != 0) return;
    model.id = 1;
    dd = port.UtworzOknoTabeli(std::make_unique<_DANE_>(model));
}
