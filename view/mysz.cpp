// SPDX-License-Identifier: GPL-3.0-or-later
// The main view's framing under the mouse: the mapping in force, zoom and pan, what lies under the
// cursor and its highlight.
#include <cmath>

#include "okno/okno.h"
#include "view/opis.h"
#include "view/piksel.h"

namespace {
constexpr Kolor wskazany{220, 0, 220};
constexpr Kolor zielony{0, 170, 0};
}  // namespace

Odwzorowanie _OKNO_::odwzorowanie() const {
    const Model& m = model;
    if (widok.swobodny) {
        Odwzorowanie o = widok.swobodne;
        o.h = static_cast<float>(widok.wysokosc);
        return o;
    }
    if (m.Pusty == 0 && m.nn <= 0)
        return kadr_pusty(static_cast<float>(widok.szerokosc), static_cast<float>(widok.wysokosc));
    if (m.Pusty == 0 && widok.proporcje) return widok.kadr;
    // The fitted framing is the mapping state of the last paint, as the readout has always read it.
    Odwzorowanie o;
    o.ax = m.x0, o.aa = m.aa, o.kx = m.sx, o.ka = m.sa, o.h = maxx;
    o.px = widok.px, o.py = widok.py;
    return o;
}

Wskazanie _OKNO_::wybierz(int x, int y) {
    if (model.Pusty != 0) return {};
    const Odwzorowanie o = odwzorowanie();
    if (!siatka.aktualna(model, o, widok.szerokosc, widok.wysokosc))
        siatka.zbuduj(model, o, widok.szerokosc, widok.wysokosc);
    return siatka.wybierz(model, static_cast<float>(x), static_cast<float>(y));
}

void _OKNO_::odswiez_wskazanie() {
    const Wskazanie w = kursor_w_widoku ? wybierz(kursor_x, kursor_y) : Wskazanie{};
    if (!(w == wskazanie)) {
        wskazanie = w;
        port.OdswiezWskazanie();
    }
    std::string t;
    if (w.rodzaj == Wskazanie::Rodzaj::wezel)
        t = opis_wezla(model, w.numer);
    else if (w.rodzaj == Wskazanie::Rodzaj::pret)
        t = opis_preta(model, w.numer);
    else if (rysowanie && pierwszy_wezel > 0)
        t = "Pręt od węzła " + std::to_string(pierwszy_wezel) +
            ": kliknij drugi węzeł. Esc kończy rysowanie.";
    else if (rysowanie)
        t = "Rysowanie: kliknięcie dodaje węzeł, kliknięcie dwóch węzłów – pręt. Esc kończy.";
    else
        t = stan_obliczen;
    if (t != status) {
        status = t;
        port.UstawStatus(t);
    }
}

void _OKNO_::RysujWskazanie(Powierzchnia& dc) {
    const Model& m = model;
    if (m.Pusty != 0) return;
    const Odwzorowanie o = odwzorowanie();
    auto wezel = [&](int n) { return n >= 1 && n <= m.nn && m.x && m.x.rhigh() >= n; };
    auto krazek = [&](int n, Kolor k) {
        const float x = o.ekran_x(m.x[n][1]), y = o.ekran_y(m.x[n][2]);
        dc.pioro(k, 1, StylPiora::ciagle);
        dc.pedzel(k);
        dc.elipsa(piksel(x - 5), piksel(y - 5), piksel(x + 5), piksel(y + 5));
    };
    RysujZaznaczenie(dc);
    dc.zachowaj();
    if (rysowanie && wezel(pierwszy_wezel)) krazek(pierwszy_wezel, zielony);
    const int n = wskazanie.numer;
    if (wskazanie.rodzaj == Wskazanie::Rodzaj::wezel && wezel(n)) krazek(n, wskazany);
    if (wskazanie.rodzaj == Wskazanie::Rodzaj::pret && n >= 1 && n <= m.ne && m.noc &&
        m.noc.rhigh() >= n && wezel(m.noc[n][1]) && wezel(m.noc[n][2])) {
        const int A = m.noc[n][1], B = m.noc[n][2];
        const OdcinekEkranu s{piksel(o.ekran_x(m.x[A][1])), piksel(o.ekran_y(m.x[A][2])),
                              piksel(o.ekran_x(m.x[B][1])), piksel(o.ekran_y(m.x[B][2]))};
        dc.pioro(wskazany, 3, StylPiora::ciagle);
        dc.odcinki(&s, 1);
    }
    dc.przywroc();
}

void _OKNO_::EvMouseLeave() {
    kursor_w_widoku = false;
    odswiez_wskazanie();
}

void _OKNO_::EvMouseWheel(int x, int y, int obrot) {
    if (model.Pusty != 0 || obrot == 0) return;
    // A notch a quarter closer or farther; within bounds where floats still draw sharply.
    const float f = std::pow(1.25f, static_cast<float>(obrot) / 120.0f);
    widok.zatrzymaj(odwzorowanie());
    const float z = widok.powiekszenie * f;
    if (!(z >= 1.0f / 64.0f && z <= 65536.0f)) return;
    widok.powiekszenie = z;
    widok.swobodne.h = static_cast<float>(widok.wysokosc);
    widok.swobodne.przybliz(f, static_cast<float>(x), static_cast<float>(y));
    port.Odswiez();
}

void _OKNO_::przesun_widok(int dx, int dy) {
    if (model.Pusty != 0 || (dx == 0 && dy == 0)) return;
    widok.zatrzymaj(odwzorowanie());
    widok.swobodne.przesun(static_cast<float>(dx), static_cast<float>(dy));
    port.Odswiez();
}

void _OKNO_::nowy_widok() {
    widok.dopasuj();
    rysowanie = false;
    pierwszy_wezel = 0;
}

void _OKNO_::Cm_proporcje() {
    widok.proporcje = !widok.proporcje;
    widok.dopasuj();
    port.ZapiszUstawienie("widok/proporcje", widok.proporcje ? "1" : "0");
    port.Odswiez();
}
void _OKNO_::Ce_proporcje(TCommandEnabler& ce) {
    ce.Enable(true);
    ce.SetCheck(widok.proporcje);
}

void _OKNO_::Cm_dopasuj() {
    widok.dopasuj();
    port.Odswiez();
}
void _OKNO_::Ce_dopasuj(TCommandEnabler& ce) {
    ce.Enable(model.Pusty == 0);
}
