// SPDX-License-Identifier: GPL-3.0-or-later
// Selecting with the mouse: a click, Shift and a click, a rubber band; dragging nodes; the
// selection's highlight and its pop-up menu. Outside the drawing mode.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "okno/okno.h"
#include "view/piksel.h"

namespace {

constexpr Kolor zaznaczony{0, 110, 230};
// How far the cursor moves, in pixels, before a press becomes a drag.
constexpr int prog_przeciagania = 3;

using R = Przeciaganie::Rodzaj;

// The multiple of the step nearest v; v itself when there is no step.
float przyciagnij(float v, float krok) {
    if (!(krok > 0.0f)) return v;
    const double r = std::round(static_cast<double>(v) / krok) * krok;
    return static_cast<float>(r) + 0.0f;
}

}  // namespace

void _OKNO_::zmiana_zaznaczenia() {
    port.ZmianaZaznaczenia();
    port.OdswiezWskazanie();
}

std::vector<int> _OKNO_::wezly_do_przesuniecia() const {
    std::vector<char> w(static_cast<std::size_t>(std::max(model.nn, 0)) + 1, 0);
    for (int n : zaznaczenie.wezly())
        if (n <= model.nn) w[static_cast<std::size_t>(n)] = 1;
    for (int b : zaznaczenie.prety())
        if (b <= model.ne)
            for (int k = 1; k <= 2; ++k) {
                const int n = model.noc[b][k];
                if (n >= 1 && n <= model.nn) w[static_cast<std::size_t>(n)] = 1;
            }
    std::vector<int> r;
    for (int n = 1; n <= model.nn; ++n)
        if (w[static_cast<std::size_t>(n)]) r.push_back(n);
    return r;
}

void _OKNO_::przesun_przeciagane_wezly(float dx, float dy) {
    Przeciaganie& p = przeciaganie;
    Model& m = model;
    if (m.Pusty != 0) return;
    zamknij_tabele();
    for (std::size_t i = 0; i < p.wezly.size(); ++i) {
        const int n = p.wezly[i];
        if (n < 1 || n > m.nn) continue;
        m.x[n][1] = p.x_start[i] + dx;
        m.x[n][2] = p.y_start[i] + dy;
    }
    // With live results the forces follow the nodes as they move.
    po_zmianie_modelu();
    port.Odswiez();
}

namespace {
// Starts dragging `wezly`, grabbed at the model point of node `wzor`.
void zacznij_przeciaganie(_OKNO_& o, std::vector<int> wezly, int wzor) {
    Przeciaganie& p = o.przeciaganie;
    const Model& m = o.model;
    // The view holds still under the cursor while the truss changes its extents.
    o.widok.zatrzymaj(o.odwzorowanie());
    p.przed = std::make_unique<StanModelu>(o.poczatek_kroku());
    p.wezly = std::move(wezly);
    p.x_start.clear(), p.y_start.clear();
    for (int n : p.wezly) p.x_start.push_back(m.x[n][1]), p.y_start.push_back(m.x[n][2]);
    const Odwzorowanie od = o.odwzorowanie();
    p.chwyt_x = od.model_x(static_cast<float>(p.x0)),
    p.chwyt_y = od.model_y(static_cast<float>(p.y0));
    p.wzor_x = m.x[wzor][1], p.wzor_y = m.x[wzor][2];
    p.rodzaj = R::wezly;
}
}  // namespace

void _OKNO_::przeciagnij_do(int x, int y) {
    Przeciaganie& p = przeciaganie;
    p.x = x, p.y = y;
    if (p.rodzaj == R::klik) {
        if (std::abs(x - p.x0) <= prog_przeciagania && std::abs(y - p.y0) <= prog_przeciagania)
            return;
        const int n = p.pod.numer;
        if (p.shift || p.pod.rodzaj == Wskazanie::Rodzaj::nic) {
            p.rodzaj = R::ramka;
        } else if (p.pod.rodzaj == Wskazanie::Rodzaj::wezel) {
            // A node of the selection takes the selection along; another node goes alone.
            if (!zaznaczenie.wezel(n)) {
                zaznaczenie.wyczysc();
                zaznaczenie.ustaw_wezel(n, true);
                zmiana_zaznaczenia();
            }
            zacznij_przeciaganie(*this, wezly_do_przesuniecia(), n);
        } else {
            if (!zaznaczenie.pret(n)) {
                zaznaczenie.wyczysc();
                zaznaczenie.ustaw_pret(n, true);
                zmiana_zaznaczenia();
            }
            zacznij_przeciaganie(*this, wezly_do_przesuniecia(), model.noc[n][1]);
        }
    }
    if (p.rodzaj == R::ramka) {
        port.OdswiezWskazanie();
        return;
    }
    if (p.rodzaj != R::wezly || p.wezly.empty()) return;
    // The grabbed node follows the cursor to the nearest point of the grid; the others keep
    // their places about it, and no node goes below 0.
    const Odwzorowanie od = odwzorowanie();
    const float X =
        przyciagnij(p.wzor_x + od.model_x(static_cast<float>(x)) - p.chwyt_x, krok_siatki);
    const float Y =
        przyciagnij(p.wzor_y + od.model_y(static_cast<float>(y)) - p.chwyt_y, krok_siatki);
    const float min_x = *std::min_element(p.x_start.begin(), p.x_start.end());
    const float min_y = *std::min_element(p.y_start.begin(), p.y_start.end());
    const float dx = std::max(X - p.wzor_x, -min_x), dy = std::max(Y - p.wzor_y, -min_y);
    if (std::isfinite(dx) && std::isfinite(dy)) przesun_przeciagane_wezly(dx, dy);
}

void _OKNO_::EvLButtonUp(int x, int y) {
    Przeciaganie& p = przeciaganie;
    if (p.rodzaj == R::nic) return;
    if (x != p.x || y != p.y) przeciagnij_do(x, y);
    const R r = p.rodzaj;
    p.rodzaj = R::nic;
    if (r == R::wezly) {
        std::unique_ptr<StanModelu> przed = std::move(p.przed);
        if (!przed) return;
        const int obliczono = przed->obliczono;
        const std::string nazwa = p.wezly.size() == 1
                                      ? "przesunięcie węzła " + std::to_string(p.wezly[0])
                                      : "przesunięcie węzłów";
        // Back where it started: no step, and the results hold again.
        if (!koniec_kroku(nazwa, std::move(*przed))) model.obliczono = obliczono;
        odswiez_tytul();
        port.Odswiez();
        return;
    }
    const Model& m = model;
    if (r == R::klik) {
        // A click selects what lies under it alone; with Shift it adds it or takes it away.
        const Wskazanie w = p.pod;
        if (!p.shift) zaznaczenie.wyczysc();
        if (w.rodzaj == Wskazanie::Rodzaj::wezel)
            zaznaczenie.ustaw_wezel(w.numer, !(p.shift && zaznaczenie.wezel(w.numer)));
        if (w.rodzaj == Wskazanie::Rodzaj::pret)
            zaznaczenie.ustaw_pret(w.numer, !(p.shift && zaznaczenie.pret(w.numer)));
    } else {
        // The rubber band takes the nodes inside it and the bars with both ends inside.
        const Odwzorowanie o = odwzorowanie();
        const float x0 = static_cast<float>(std::min(p.x0, p.x));
        const float x1 = static_cast<float>(std::max(p.x0, p.x));
        const float y0 = static_cast<float>(std::min(p.y0, p.y));
        const float y1 = static_cast<float>(std::max(p.y0, p.y));
        std::vector<char> w_ramce(static_cast<std::size_t>(std::max(m.nn, 0)) + 1, 0);
        for (int n = 1; n <= m.nn; ++n) {
            const float sx = o.ekran_x(m.x[n][1]), sy = o.ekran_y(m.x[n][2]);
            w_ramce[static_cast<std::size_t>(n)] = sx >= x0 && sx <= x1 && sy >= y0 && sy <= y1;
        }
        auto wezel = [&](int n) {
            return n >= 1 && n <= m.nn && w_ramce[static_cast<std::size_t>(n)];
        };
        if (!p.shift) zaznaczenie.wyczysc();
        for (int n = 1; n <= m.nn; ++n)
            if (wezel(n)) zaznaczenie.ustaw_wezel(n, true);
        for (int b = 1; b <= m.ne; ++b)
            if (wezel(m.noc[b][1]) && wezel(m.noc[b][2])) zaznaczenie.ustaw_pret(b, true);
    }
    zmiana_zaznaczenia();
}

void _OKNO_::anuluj_przeciaganie() {
    Przeciaganie& p = przeciaganie;
    if (p.rodzaj == R::wezly && p.przed) {
        przesun_przeciagane_wezly(0.0f, 0.0f);
        model.obliczono = p.przed->obliczono;
        p.przed.reset();
        port.Odswiez();
    }
    p.rodzaj = R::nic;
    port.OdswiezWskazanie();
}

void _OKNO_::RysujZaznaczenie(Powierzchnia& dc) {
    const Model& m = model;
    if (m.Pusty != 0) return;
    const Odwzorowanie o = odwzorowanie();
    auto wezel = [&](int n) { return n >= 1 && n <= m.nn && m.x && m.x.rhigh() >= n; };
    dc.zachowaj();
    if (!zaznaczenie.puste()) {
        std::vector<OdcinekEkranu> odcinki;
        for (int b : zaznaczenie.prety()) {
            if (b > m.ne || !wezel(m.noc[b][1]) || !wezel(m.noc[b][2])) continue;
            const int A = m.noc[b][1], B = m.noc[b][2];
            odcinki.push_back({piksel(o.ekran_x(m.x[A][1])), piksel(o.ekran_y(m.x[A][2])),
                               piksel(o.ekran_x(m.x[B][1])), piksel(o.ekran_y(m.x[B][2]))});
        }
        dc.pioro(zaznaczony, 3, StylPiora::ciagle);
        if (!odcinki.empty()) dc.odcinki(odcinki.data(), odcinki.size());
        dc.pioro(zaznaczony, 1, StylPiora::ciagle);
        dc.pedzel(zaznaczony);
        for (int n : zaznaczenie.wezly()) {
            if (!wezel(n)) continue;
            const float x = o.ekran_x(m.x[n][1]), y = o.ekran_y(m.x[n][2]);
            dc.elipsa(piksel(x - 4), piksel(y - 4), piksel(x + 4), piksel(y + 4));
        }
    }
    const Przeciaganie& p = przeciaganie;
    if (p.rodzaj == R::ramka) {
        dc.pioro(zaznaczony, 1, StylPiora::kropkowane);
        const int x0 = std::min(p.x0, p.x), x1 = std::max(p.x0, p.x);
        const int y0 = std::min(p.y0, p.y), y1 = std::max(p.y0, p.y);
        const OdcinekEkranu s[4] = {
            {x0, y0, x1, y0}, {x1, y0, x1, y1}, {x1, y1, x0, y1}, {x0, y1, x0, y0}};
        dc.odcinki(s, 4);
    }
    dc.przywroc();
}
