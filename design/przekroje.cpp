// SPDX-License-Identifier: GPL-3.0-or-later
// Properties of the sections computed from their nominal dimensions and radii.
#include "design/przekroje.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "design/geometria.h"

namespace wymiarowanie {

namespace {

// Principal second moments and the angle from y-y to u-u: I_u(θ) = I_y cos²θ + I_z sin²θ
// - 2 I_yz sinθ cosθ is largest where tan 2θ = -2 I_yz / (I_y - I_z).
void osie_glowne(Wlasnosci& w) {
    const double m = (w.I_y + w.I_z) / 2;
    const double d = std::hypot((w.I_y - w.I_z) / 2, w.I_yz);
    w.I_u = m + d;
    w.I_v = m - d;
    double a = 0.5 * std::atan2(-2 * w.I_yz, w.I_y - w.I_z);
    if (a < 0) a += std::numbers::pi / 2;
    w.alfa_u = a;
}

Wlasnosci z_calek(const Calki& c) {
    const Centralne s = wzgledem_srodka(c);
    Wlasnosci w;
    w.A = s.A;
    w.I_y = s.I_y;
    w.I_z = s.I_z;
    w.I_yz = s.I_yz;
    w.e_y = s.y_c;
    w.e_z = s.z_c;
    osie_glowne(w);
    return w;
}

// Angle with the heel at the origin, leg h along z and leg b along y: the root radius r_1 in the
// inside corner, the toe radius r_2 at the inner edge of each leg's end.
Calki calki_katownika(const Wymiary& w) {
    const double t = w.t_w;
    const Naroze k[] = {{0, 0, 0},     {w.b, 0, 0},     {w.b, t, w.r_2},
                        {t, t, w.r_1}, {t, w.h, w.r_2}, {0, w.h, 0}};
    return calki_konturu(k);
}

// Rolled I or H section with parallel flanges, centred on the origin, four root radii.
Calki calki_dwuteownika(const Wymiary& w) {
    const double y = w.b / 2, z = w.h / 2, s = w.t_w / 2, f = w.h / 2 - w.t_f, r = w.r_1;
    const Naroze k[] = {{-y, -z, 0}, {y, -z, 0}, {y, -f, 0}, {s, -f, r}, {s, f, r},   {y, f, 0},
                        {y, z, 0},   {-y, z, 0}, {-y, f, 0}, {-s, f, r}, {-s, -f, r}, {-y, -f, 0}};
    return calki_konturu(k);
}

// Taper-flange channel of DIN 1026-1, the back of the web on z-z, flanges towards +y. The inner
// faces of the flanges slope 8 % up to h = 300 mm and 5 % above; t_f is measured at b/2 from the
// back of the web for the 8 % channels and half-way along the flange's free width (b - t_w)/2
// for the 5 % ones (the catalogue figure of these channels; with it A and I of UPN 100..400
// come within 0.4 % of the tabulated values).
double pochylenie_polki(double h) {
    return h <= 300 ? 0.08 : 0.05;
}
double miejsce_pomiaru_tf(const Wymiary& w) {
    return w.h <= 300 ? w.b / 2 : w.t_w + (w.b - w.t_w) / 2;
}

Calki calki_ceownika(const Wymiary& w) {
    const double s = pochylenie_polki(w.h), xm = miejsce_pomiaru_tf(w);
    auto t = [&](double y) { return w.t_f + s * (xm - y); };  // flange thickness at y
    const double z = w.h / 2;
    const Naroze k[] = {{0, -z, 0},
                        {w.b, -z, 0},
                        {w.b, -z + t(w.b), w.r_2},
                        {w.t_w, -z + t(w.t_w), w.r_1},
                        {w.t_w, z - t(w.t_w), w.r_1},
                        {w.b, z - t(w.b), w.r_2},
                        {w.b, z, 0},
                        {0, z, 0}};
    return calki_konturu(k);
}

Calki prostokat_zaokraglony(double b, double h, double r) {
    const double y = b / 2, z = h / 2;
    const Naroze k[] = {{-y, -z, r}, {y, -z, r}, {y, z, r}, {-y, z, r}};
    return calki_konturu(k);
}

}  // namespace

// Straight length of the web of a UPN between the root fillets, the c of Table 5.2 (used by the
// classification, which lives beside these shapes).
double prosta_czesc_srodnika_ceownika(const Wymiary& w) {
    const double s = pochylenie_polki(w.h);
    const double t_nasada = w.t_f + s * (miejsce_pomiaru_tf(w) - w.t_w);
    // The web face and the sloping flange face meet at 90° + atan(s).
    const double theta = std::numbers::pi / 2 + std::atan(s);
    return w.h - 2 * (t_nasada + styczna_zaokraglenia(w.r_1, theta));
}

Wlasnosci wlasnosci(Ksztalt k, const Wymiary& w) {
    Wlasnosci r;
    switch (k) {
        case Ksztalt::katownik:
            r = z_calek(calki_katownika(w));
            break;
        case Ksztalt::dwa_katowniki: {
            // Two mirrored angles, the backs of their legs h a gap s apart: the pair is symmetric
            // about z-z, so I_yz vanishes and y-y, z-z are principal (Steiner for I_z).
            const Wlasnosci j = z_calek(calki_katownika(w));
            r.A = 2 * j.A;
            r.I_y = 2 * j.I_y;
            const double a = j.e_y + w.s / 2;
            r.I_z = 2 * (j.I_z + j.A * a * a);
            r.I_yz = 0;
            r.e_y = w.b + w.s / 2;
            r.e_z = j.e_z;
            break;
        }
        case Ksztalt::ceownik: {
            r = z_calek(calki_ceownika(w));
            r.e_z = w.h / 2;
            break;
        }
        case Ksztalt::dwuteownik: {
            r = z_calek(calki_dwuteownika(w));
            r.e_y = w.b / 2;
            r.e_z = w.h / 2;
            break;
        }
        case Ksztalt::rura_okragla: {
            const double d = w.h, di = w.h - 2 * w.t_w;
            r.A = std::numbers::pi / 4 * (d * d - di * di);
            r.I_y = r.I_z = std::numbers::pi / 64 * (d * d * d * d - di * di * di * di);
            r.e_y = r.e_z = d / 2;
            break;
        }
        case Ksztalt::rura_prostokatna: {
            const Calki c = prostokat_zaokraglony(w.b, w.h, w.r_1) -
                            prostokat_zaokraglony(w.b - 2 * w.t_w, w.h - 2 * w.t_w, w.r_2);
            r = z_calek(c);
            r.e_y = w.b / 2;
            r.e_z = w.h / 2;
            break;
        }
    }
    // Every shape but the single angle is symmetric about y-y or z-z: its product moment is
    // zero and y-y, z-z are its principal axes (where I_y = I_z, any axis is; take y-y).
    if (k != Ksztalt::katownik) {
        r.I_yz = 0;
        r.I_u = std::max(r.I_y, r.I_z);
        r.I_v = std::min(r.I_y, r.I_z);
        r.alfa_u = r.I_y >= r.I_z ? 0 : std::numbers::pi / 2;
    }
    // kg/m = mm² · 10⁻⁶ m²/mm² · kg/m³
    r.masa = r.A * 1e-6 * gestosc_stali;
    return r;
}

double i_y(const Profil& p) {
    return std::sqrt(p.wl.I_y / p.wl.A);
}
double i_z(const Profil& p) {
    return std::sqrt(p.wl.I_z / p.wl.A);
}
double i_u(const Profil& p) {
    return std::sqrt(p.wl.I_u / p.wl.A);
}
double i_v(const Profil& p) {
    return std::sqrt(p.wl.I_v / p.wl.A);
}

double t_max(const Profil& p) {
    return std::max(p.w.t_w, p.w.t_f);
}

Profil obrocony(const Profil& k) {
    Profil p = k;
    std::swap(p.w.h, p.w.b);
    p.wl = wlasnosci(p.ksztalt, p.w);
    return p;
}

}  // namespace wymiarowanie
