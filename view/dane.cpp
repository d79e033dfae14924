// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/dane.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>

#include "okno/okno.h"
#include "view/kolumny.h"

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

std::string format_dokladny(const char* f, int miejsca, float v) {
    if (!std::isfinite(v) || miejsca_oddaja(v, miejsca)) return format(f, v);
    return tekst_dokladny(v);
}

}  // namespace tabele

namespace {

// The formats of the input values, with the decimals they show.
constexpr const char* f_wartosci = "%8.3f";
constexpr int m_wartosci = 3;
constexpr const char* f_alfa = "%2.8f";
constexpr int m_alfa = 8;

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
void komorka(Powierzchnia& dc, int x, int y, const char* f, const int* v) {
    if (v) dc.tekst(x, y, tabele::format(f, *v));
}
// A real input value, shown so that it reads back as what is stored.
void komorka(Powierzchnia& dc, int x, int y, const char* f, int miejsca, const float* v) {
    if (v) dc.tekst(x, y, tabele::format_dokladny(f, miejsca, *v));
}

// The headers that name units, in the units of this paint.
struct Naglowki {
    std::string x, y, modul, alfa, przemieszczenie, sila, temperatura, pole;
    bool jednostki;
    explicit Naglowki(UkladJednostek u)
        : x(z_jednostka("Wsp. X", Wielkosc::dlugosc, u)),
          y(z_jednostka("Y", Wielkosc::dlugosc, u)),
          modul(z_jednostka("Younga", Wielkosc::naprezenie, u)),
          alfa(z_jednostka("cieplnej", Wielkosc::rozszerzalnosc, u)),
          przemieszczenie(z_jednostka("Przemieszczenie max.", Wielkosc::dlugosc, u)),
          sila(z_jednostka("Siła", Wielkosc::sila, u)),
          temperatura(z_jednostka("Przyrost temperatury", Wielkosc::temperatura, u)),
          pole(z_jednostka("Powierzchnia", Wielkosc::pole, u)),
          jednostki(u != UkladJednostek::brak) {}
};

// The columns of every table, placed for the values the store holds at this paint.
struct Kolumny {
    tabele::Kolumna prety[5], wezly[3], materialy[3], podpory[2], sily[2], temperatury[2],
        przekroje[2];
    tabele::Prawo prawo;
};

Kolumny kolumny(const Model& m, Powierzchnia& dc, const Naglowki& n) {
    using tabele::Kolumna;
    using tabele::skrajne;
    using R = tabele::SkrajneDokladne<m_wartosci>;
    using A = tabele::SkrajneDokladne<m_alfa>;
    using C = tabele::SkrajneCalkowite;
    auto naglowek = [&dc](std::initializer_list<std::string> t) {
        int w = 0;
        for (const std::string& s : t) w = std::max(w, dc.szerokosc_tekstu(s));
        return w;
    };
    auto miejsce = [&n](Kolumna k) { return tabele::z_jednostka(k, n.jednostki); };
    auto numery = [&dc](int n) { return tabele::szerokosc_numerow(dc, n); };
    Kolumny k;
    k.prety[0] = {5, numery(m.ne), naglowek({"Element"})};
    k.prety[1] = {100, skrajne<C>(m.noc, m.ne, 1).szerokosc(dc, "%d"), naglowek({"Węzeł 1"})};
    k.prety[2] = {200, skrajne<C>(m.noc, m.ne, 2).szerokosc(dc, "%d"), naglowek({"Węzeł 2"})};
    k.prety[3] = {280, skrajne<C>(m.noc, m.ne, 3).szerokosc(dc, "%d"),
                  naglowek({"Nr", "materiału"})};
    k.prety[4] = {350, skrajne<C>(m.noc, m.ne, 4).szerokosc(dc, "%d"),
                  naglowek({"Nr", "przekroju"})};
    k.wezly[0] = {5, numery(m.nn), naglowek({"Węzeł"})};
    k.wezly[1] =
        miejsce({100, skrajne<R>(m.x, m.nn, 1).szerokosc(dc, f_wartosci), naglowek({n.x})});
    k.wezly[2] = {200, skrajne<R>(m.x, m.nn, 2).szerokosc(dc, f_wartosci), naglowek({n.y})};
    k.materialy[0] = {5, numery(m.nm), naglowek({"Nr materiału"})};
    k.materialy[1] = miejsce(
        {100, skrajne<R>(m.pm, m.nm, 1).szerokosc(dc, f_wartosci), naglowek({"Moduł", n.modul})});
    k.materialy[2] = {200, skrajne<A>(m.pm, m.nm, 2).szerokosc(dc, f_alfa),
                      naglowek({"Wsp. rozszerzal.", n.alfa})};
    k.podpory[0] = {5, skrajne<C>(m.nu, m.nd).szerokosc_dof(dc), naglowek({"Nr węzła"})};
    k.podpory[1] = {100, skrajne<R>(m.u, m.nd).szerokosc(dc, f_wartosci),
                    naglowek({n.przemieszczenie})};
    k.sily[0] = {5, skrajne<C>(m.ild, m.nl).szerokosc_dof(dc), naglowek({"Nr węzła"})};
    k.sily[1] = {100, skrajne<R>(m.al, m.nl).szerokosc(dc, f_wartosci), naglowek({n.sila})};
    k.przekroje[0] = {5, numery(m.na), naglowek({"Nr przekroju"})};
    k.przekroje[1] = {100, skrajne<R>(m.area, m.na).szerokosc(dc, f_wartosci), naglowek({n.pole})};
    auto dolicz = [&k](std::span<Kolumna> t) { k.prawo.dolicz(tabele::rozmiesc(t)); };
    dolicz(k.prety);
    dolicz(k.wezly);
    dolicz(k.materialy);
    dolicz(k.podpory);
    dolicz(k.sily);
    dolicz(k.przekroje);
    if (m.ntel > 0) {
        k.temperatury[0] = {5, skrajne<C>(m.nset, m.ntel).szerokosc(dc, "%d"),
                            naglowek({"Nr pręta"})};
        k.temperatury[1] = {100, skrajne<R>(m.temp, m.ntel).szerokosc(dc, f_wartosci),
                            naglowek({n.temperatura})};
        dolicz(k.temperatury);
    }
    return k;
}

}  // namespace

int _DANE_::szerokosc_tresci() const {
    // The first client width and 30 units of 10 pixels beyond it, or as far as the widest
    // text of the last paint reaches.
    return std::max(szerokosc() + 300, prawo_);
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
    prawo_ = 0;
    if (m.Pusty == 0) {
        const tabele::Zakres z{od_y, do_y};
        const Uklad u(m);
        const Naglowki n(jednostki_);
        const Kolumny k = kolumny(m, dc, n);
        prawo_ = k.prawo.tekstu + tabele::odstep;
        const bool temperatury = m.ntel > 0;
        auto napis = [&](int x, std::int64_t y, const char* t) { tabele::tekst(dc, z, x, y, t); };

        napis(k.prety[0].x, 5, "Element");
        napis(k.prety[1].x, 5, "Węzeł 1");
        napis(k.prety[2].x, 5, "Węzeł 2");
        napis(k.prety[3].x, 5, "Nr");
        napis(k.prety[3].x, 25, "materiału");
        napis(k.prety[4].x, 5, "Nr");
        napis(k.prety[4].x, 25, "przekroju");
        napis(k.wezly[0].x, 20 * u.s1 + 55, "Węzeł");
        napis(k.wezly[1].x, 20 * u.s1 + 55, n.x.c_str());
        napis(k.wezly[2].x, 20 * u.s1 + 55, n.y.c_str());
        napis(k.materialy[0].x, 20 * u.s2 + 125, "Nr materiału");
        napis(k.materialy[1].x, 20 * u.s2 + 125, "Moduł");
        napis(k.materialy[1].x, 20 * u.s2 + 140, n.modul.c_str());
        napis(k.materialy[2].x, 20 * u.s2 + 125, "Wsp. rozszerzal.");
        napis(k.materialy[2].x, 20 * u.s2 + 140, n.alfa.c_str());
        napis(k.podpory[0].x, 20 * u.s3 + 205, "Nr węzła");
        napis(k.podpory[1].x, 20 * u.s3 + 205, n.przemieszczenie.c_str());
        napis(k.sily[0].x, 20 * u.s4 + 245, "Nr węzła");
        napis(k.sily[1].x, 20 * u.s4 + 245, n.sila.c_str());
        if (temperatury) {
            napis(k.temperatury[0].x, 20 * u.s5 + 285, "Nr pręta");
            napis(k.temperatury[1].x, 20 * u.s5 + 285, n.temperatura.c_str());
        }
        napis(k.przekroje[0].x, 20 * u.s6 + u.t + 285, "Nr przekroju");
        napis(k.przekroje[1].x, 20 * u.s6 + u.t + 285, n.pole.c_str());

        // The separators lengthen by as much as the widest values moved their columns.
        const int koniec = 410 + k.prawo.przesuniecie;
        dc.pioro(czarny, 3, StylPiora::ciagle);
        for (std::int64_t y : {std::int64_t{44}, 20 * u.s1 + 73, 20 * u.s2 + 160, 20 * u.s3 + 225,
                               20 * u.s4 + 265, 20 * u.s5 + 305})
            tabele::kreska(dc, z, y, koniec);
        if (temperatury) tabele::kreska(dc, z, 20 * u.s6 + 345, koniec);
        dc.pioro(jasnoszary, 1, StylPiora::ciagle);

        int p = 0, o = 0;
        z.wiersze(30, m.ne, p, o);
        for (int i = p; i <= o; ++i) {
            const int y = 20 * i + 30;
            dc.tekst(k.prety[0].x, y, tabele::format("%d", i));
            for (int c = 1; c <= 4; ++c) komorka(dc, k.prety[c].x, y, "%d", element(m.noc, i, c));
        }
        std::int64_t baza = 20 * u.s1 + 75;
        z.wiersze(baza, m.nn, p, o);
        for (int i = p; i <= o; ++i) {
            const int y = static_cast<int>(baza + 20 * std::int64_t{i});
            dc.tekst(k.wezly[0].x, y, tabele::format("%d", i));
            komorka(dc, k.wezly[1].x, y, f_wartosci, m_wartosci, element(m.x, i, 1));
            komorka(dc, k.wezly[2].x, y, f_wartosci, m_wartosci, element(m.x, i, 2));
        }
        baza = 20 * u.s2 + 165;
        z.wiersze(baza, m.nm, p, o);
        for (int i = p; i <= o; ++i) {
            const int y = static_cast<int>(baza + 20 * std::int64_t{i});
            dc.tekst(k.materialy[0].x, y, tabele::format("%d", i));
            komorka(dc, k.materialy[1].x, y, f_wartosci, m_wartosci, element(m.pm, i, 1));
            komorka(dc, k.materialy[2].x, y, f_alfa, m_alfa, element(m.pm, i, 2));
        }
        baza = 20 * u.s3 + 215;
        z.wiersze(baza, m.nd, p, o);
        for (int i = p; i <= o; ++i) {
            const int y = static_cast<int>(baza + 20 * std::int64_t{i});
            if (const int* d = element(m.nu, i)) dc.tekst(k.podpory[0].x, y, etykieta_dof(*d));
            komorka(dc, k.podpory[1].x, y, f_wartosci, m_wartosci, element(m.u, i));
        }
        baza = 20 * u.s4 + 255;
        z.wiersze(baza, m.nl, p, o);
        for (int i = p; i <= o; ++i) {
            const int y = static_cast<int>(baza + 20 * std::int64_t{i});
            if (const int* d = element(m.ild, i)) dc.tekst(k.sily[0].x, y, etykieta_dof(*d));
            komorka(dc, k.sily[1].x, y, f_wartosci, m_wartosci, element(m.al, i));
        }
        if (temperatury) {
            baza = 20 * u.s5 + 295;
            z.wiersze(baza, m.ntel, p, o);
            for (int i = p; i <= o; ++i) {
                const int y = static_cast<int>(baza + 20 * std::int64_t{i});
                komorka(dc, k.temperatury[0].x, y, "%d", element(m.nset, i));
                komorka(dc, k.temperatury[1].x, y, f_wartosci, m_wartosci, element(m.temp, i));
            }
        }
        baza = 20 * u.s6 + u.t + 295;
        z.wiersze(baza, m.na, p, o);
        for (int i = p; i <= o; ++i) {
            const int y = static_cast<int>(baza + 20 * std::int64_t{i});
            dc.tekst(k.przekroje[0].x, y, tabele::format("%d", i));
            komorka(dc, k.przekroje[1].x, y, f_wartosci, m_wartosci, element(m.area, i));
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
    dd = port.UtworzOknoTabeli(std::make_unique<_DANE_>(model, jednostki));
}
