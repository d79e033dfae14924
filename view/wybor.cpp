// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/wybor.h"

#include <algorithm>
#include <cmath>

namespace {

// Counts as far as the arrays reach, as the painting reads them.
int wezly_w_tablicy(const Konstrukcja& k) {
    return k.x && k.x.chigh() >= 2 ? std::min(k.nn, k.x.rhigh()) : 0;
}
int prety_w_tablicy(const Konstrukcja& k) {
    return k.noc && k.noc.chigh() >= 4 ? std::min(k.ne, k.noc.rhigh()) : 0;
}

struct Punkt {
    double x, y;
};
Punkt na_ekranie(const Konstrukcja& k, const Odwzorowanie& o, int n) {
    return {o.ekran_x(k.x[n][1]), o.ekran_y(k.x[n][2])};
}
bool skonczony(Punkt p) {
    return std::isfinite(p.x) && std::isfinite(p.y);
}

// The square of the distance from p to the segment a-b.
double odleglosc2(Punkt p, Punkt a, Punkt b) {
    const double dx = b.x - a.x, dy = b.y - a.y, d2 = dx * dx + dy * dy;
    double t = d2 > 0.0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / d2 : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    const double ex = a.x + t * dx - p.x, ey = a.y + t * dy - p.y;
    return ex * ex + ey * ey;
}

// Cuts the segment a-b to the rectangle [lo, hi] x [lo2, hi2] (Liang-Barsky); false when nothing
// of it lies inside.
bool przytnij(Punkt& a, Punkt& b, double x0, double x1, double y0, double y1) {
    double t0 = 0.0, t1 = 1.0;
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x - x0, x1 - a.x, a.y - y0, y1 - a.y};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1) return false;
    }
    const Punkt p0{a.x + t0 * dx, a.y + t0 * dy}, p1{a.x + t1 * dx, a.y + t1 * dy};
    a = p0, b = p1;
    return true;
}

}  // namespace

int SiatkaWyboru::komorka(float x, float y) const {
    const double u = std::floor((static_cast<double>(x) + brzeg) / bok);
    const double v = std::floor((static_cast<double>(y) + brzeg) / bok);
    if (!(u >= 0 && v >= 0 && u < kolumny_ && v < wiersze_)) return -1;
    return static_cast<int>(v) * kolumny_ + static_cast<int>(u);
}

// Counting sort of (cell, entity) pairs: `dla(i, dodaj)` calls dodaj(cell) for each cell of
// entity i.
template <class Dla>
void SiatkaWyboru::wypelnij(Spis& s, int ile, const Dla& dla) {
    const std::size_t komorek = static_cast<std::size_t>(kolumny_) * wiersze_;
    std::vector<std::uint32_t> pary;  // cell, then entity, one after the other
    pary.reserve(4 * static_cast<std::size_t>(std::max(0, ile)));
    for (int i = 1; i <= ile; ++i)
        dla(i, [&](int c) {
            pary.push_back(static_cast<std::uint32_t>(c));
            pary.push_back(static_cast<std::uint32_t>(i));
        });
    s.poczatki.assign(komorek + 1, 0);
    for (std::size_t j = 0; j < pary.size(); j += 2) ++s.poczatki[pary[j] + 1];
    for (std::size_t c = 0; c < komorek; ++c) s.poczatki[c + 1] += s.poczatki[c];
    s.wpisy.resize(pary.size() / 2);
    std::vector<std::uint32_t> miejsce(s.poczatki.begin(), s.poczatki.end() - 1);
    for (std::size_t j = 0; j < pary.size(); j += 2)
        s.wpisy[miejsce[pary[j]]++] = static_cast<std::int32_t>(pary[j + 1]);
}

void SiatkaWyboru::zbuduj(const Konstrukcja& k, const Odwzorowanie& o, int w, int h) {
    o_ = o, w_ = w, h_ = h;
    x_ = k.x.data(), noc_ = k.noc.data(), nn_ = k.nn, ne_ = k.ne;
    zbudowana_ = true;
    const double zasieg_x = std::max(0, w) + 2.0 * brzeg, zasieg_y = std::max(0, h) + 2.0 * brzeg;
    kolumny_ = w > 0 && h > 0 ? static_cast<int>(std::ceil(zasieg_x / bok)) : 0;
    wiersze_ = w > 0 && h > 0 ? static_cast<int>(std::ceil(zasieg_y / bok)) : 0;
    const int nn = wezly_w_tablicy(k), ne = prety_w_tablicy(k);

    // The cells a rectangle (in pixels from the grid's corner) touches.
    auto prostokat = [&](double u0, double u1, double v0, double v1, auto& dodaj) {
        const int c0 = std::max(0, static_cast<int>(std::floor(u0 / bok)));
        const int c1 = std::min(kolumny_ - 1, static_cast<int>(std::floor(u1 / bok)));
        const int r0 = std::max(0, static_cast<int>(std::floor(v0 / bok)));
        const int r1 = std::min(wiersze_ - 1, static_cast<int>(std::floor(v1 / bok)));
        for (int r = r0; r <= r1; ++r)
            for (int c = c0; c <= c1; ++c) dodaj(r * kolumny_ + c);
    };
    const double kraniec_u = kolumny_ * static_cast<double>(bok);
    const double kraniec_v = wiersze_ * static_cast<double>(bok);

    wypelnij(wezly_, nn, [&](int n, auto&& dodaj) {
        const Punkt p = na_ekranie(k, o, n);
        if (!skonczony(p)) return;
        const double u = p.x + brzeg, v = p.y + brzeg, r = promien_wezla;
        if (u + r < 0 || v + r < 0 || u - r > kraniec_u || v - r > kraniec_v) return;
        prostokat(u - r, u + r, v - r, v + r, dodaj);
    });

    wypelnij(prety_, ne, [&](int b, auto&& dodaj) {
        const int A = k.noc[b][1], B = k.noc[b][2];
        if (A < 1 || A > nn || B < 1 || B > nn) return;
        Punkt a = na_ekranie(k, o, A), c = na_ekranie(k, o, B);
        if (!skonczony(a) || !skonczony(c)) return;
        const double r = promien_preta;
        a.x += brzeg, a.y += brzeg, c.x += brzeg, c.y += brzeg;
        if (!przytnij(a, c, -r, kraniec_u + r, -r, kraniec_v + r)) return;
        // Row by row, the stretch of the segment within the row's band widened by the radius.
        const double v0 = std::min(a.y, c.y) - r, v1 = std::max(a.y, c.y) + r;
        const int r0 = std::max(0, static_cast<int>(std::floor(v0 / bok)));
        const int r1 = std::min(wiersze_ - 1, static_cast<int>(std::floor(v1 / bok)));
        for (int w = r0; w <= r1; ++w) {
            double u0 = std::min(a.x, c.x), u1 = std::max(a.x, c.x);
            if (a.y != c.y) {
                auto u_przy = [&](double v) {
                    const double t = std::clamp((v - a.y) / (c.y - a.y), 0.0, 1.0);
                    return a.x + t * (c.x - a.x);
                };
                const double ua = u_przy(w * static_cast<double>(bok) - r);
                const double ub = u_przy((w + 1) * static_cast<double>(bok) + r);
                u0 = std::min(ua, ub), u1 = std::max(ua, ub);
            }
            prostokat(u0 - r, u1 + r, w * static_cast<double>(bok), w * static_cast<double>(bok),
                      dodaj);
        }
    });
}

bool SiatkaWyboru::aktualna(const Konstrukcja& k, const Odwzorowanie& o, int w, int h) const {
    return zbudowana_ && o == o_ && w == w_ && h == h_ && k.x.data() == x_ &&
           k.noc.data() == noc_ && k.nn == nn_ && k.ne == ne_;
}

Wskazanie SiatkaWyboru::wybierz(const Konstrukcja& k, float x, float y) const {
    // Off the client area nothing is under the cursor, whatever lies near.
    if (!(x >= 0.0f && y >= 0.0f && x < w_ && y < h_)) return {};
    const int c = komorka(x, y);
    if (c < 0 || wezly_.poczatki.empty()) return {};
    const int nn = wezly_w_tablicy(k), ne = prety_w_tablicy(k);
    const Punkt p{x, y};
    Wskazanie w;
    double najblizej = 0.0;
    auto rozwaz = [&](Wskazanie::Rodzaj r, int n, double d2, double granica) {
        if (!(d2 <= granica * granica)) return;
        if (w.rodzaj != Wskazanie::Rodzaj::nic &&
            (d2 > najblizej || (d2 == najblizej && n > w.numer)))
            return;
        w = {r, n}, najblizej = d2;
    };
    for (std::uint32_t i = wezly_.poczatki[c]; i < wezly_.poczatki[c + 1]; ++i) {
        const int n = wezly_.wpisy[i];
        if (n > nn) continue;
        const Punkt q = na_ekranie(k, o_, n);
        const double dx = q.x - p.x, dy = q.y - p.y;
        rozwaz(Wskazanie::Rodzaj::wezel, n, dx * dx + dy * dy, promien_wezla);
    }
    if (w.rodzaj != Wskazanie::Rodzaj::nic) return w;
    for (std::uint32_t i = prety_.poczatki[c]; i < prety_.poczatki[c + 1]; ++i) {
        const int b = prety_.wpisy[i];
        if (b > ne) continue;
        const int A = k.noc[b][1], B = k.noc[b][2];
        if (A < 1 || A > nn || B < 1 || B > nn) continue;
        rozwaz(Wskazanie::Rodzaj::pret, b,
               odleglosc2(p, na_ekranie(k, o_, A), na_ekranie(k, o_, B)), promien_preta);
    }
    return w;
}
