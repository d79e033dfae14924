// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/klasa.h"

#include <algorithm>
#include <cmath>

namespace wymiarowanie {

namespace {

constexpr const char* arkusz1 = "Tablica 5.2 (arkusz 1)";
constexpr const char* arkusz2 = "Tablica 5.2 (arkusz 2)";
constexpr const char* arkusz3 = "Tablica 5.2 (arkusz 3)";

Scianka scianka(const char* nazwa, const char* stosunek, const char* arkusz, double c, double t,
                double g1, double g2, double g3) {
    Scianka s;
    s.nazwa = nazwa;
    s.stosunek = stosunek;
    s.arkusz = arkusz;
    s.c = c;
    s.t = t;
    s.wartosc = c / t;
    s.granica[0] = g1;
    s.granica[1] = g2;
    s.granica[2] = g3;
    s.klasa = 4;
    for (int k = 0; k < 3; ++k)
        if (s.granica[k] > 0 && s.wartosc <= s.granica[k]) {
            s.klasa = k + 1;
            break;
        }
    // A criterion with a class 3 limit only: met, it leaves the class to the other parts.
    if (s.klasa == 3 && s.granica[0] == 0) s.klasa = 1;
    return s;
}

// Sheet 1, internal compression part in compression: 33ε, 38ε, 42ε.
Scianka wewnetrzna(const char* nazwa, double c, double t, double e) {
    return scianka(nazwa, "c/t", arkusz1, c, t, 33 * e, 38 * e, 42 * e);
}

// Sheet 2, outstand flange in compression: 9ε, 10ε, 14ε.
Scianka wspornikowa(const char* nazwa, double c, double t, double e) {
    return scianka(nazwa, "c/t", arkusz2, c, t, 9 * e, 10 * e, 14 * e);
}

void katownik(std::vector<Scianka>& s, const Wymiary& w, double e) {
    const double t = w.t_w, h = std::max(w.h, w.b), b = std::min(w.h, w.b);
    s.push_back(wspornikowa("ramię h", w.h - t - w.r_1, t, e));
    s.push_back(wspornikowa("ramię b", w.b - t - w.r_1, t, e));
    // Sheet 3, angles: h/t <= 15ε and (b + h)/2t <= 11.5ε give class 3.
    s.push_back(scianka("kątownik", "h/t", arkusz3, h, t, 0, 0, 15 * e));
    s.push_back(scianka("kątownik", "(b+h)/2t", arkusz3, (b + h) / 2, t, 0, 0, 11.5 * e));
}

}  // namespace

double epsilon(double f_y) {
    return std::sqrt(235.0 / f_y);
}

KlasaPrzekroju klasa_przekroju_sciskanego(const Profil& p, double f_y) {
    KlasaPrzekroju k;
    const double e = epsilon(f_y);
    k.epsilon = e;
    const Wymiary& w = p.w;
    auto& s = k.scianki;
    switch (p.ksztalt) {
        case Ksztalt::dwuteownik:
            s.push_back(wewnetrzna("środnik", w.h - 2 * w.t_f - 2 * w.r_1, w.t_w, e));
            s.push_back(wspornikowa("półka", (w.b - w.t_w - 2 * w.r_1) / 2, w.t_f, e));
            break;
        case Ksztalt::ceownik:
            s.push_back(wewnetrzna("środnik", prosta_czesc_srodnika_ceownika(w), w.t_w, e));
            s.push_back(wspornikowa("półka", w.b - w.t_w - w.r_1, w.t_f, e));
            break;
        case Ksztalt::rura_prostokatna:
            s.push_back(wewnetrzna("ścianka h", w.h - 3 * w.t_w, w.t_w, e));
            if (w.b != w.h) s.push_back(wewnetrzna("ścianka b", w.b - 3 * w.t_w, w.t_w, e));
            break;
        case Ksztalt::rura_okragla:
            // Sheet 3, tubular sections: d/t <= 50ε², 70ε², 90ε².
            s.push_back(
                scianka("rura", "d/t", arkusz3, w.h, w.t_w, 50 * e * e, 70 * e * e, 90 * e * e));
            break;
        case Ksztalt::katownik:
        case Ksztalt::dwa_katowniki:
            katownik(s, w, e);
            break;
    }
    // The highest class governs; among parts of that class, the most slender against its class
    // 3 limit, the one limit every criterion has.
    k.klasa = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const Scianka& a = s[i];
        const Scianka& d = s[k.decydujaca];
        if (a.klasa > k.klasa ||
            (a.klasa == k.klasa && a.wartosc / a.granica[2] > d.wartosc / d.granica[2])) {
            k.klasa = a.klasa;
            k.decydujaca = static_cast<int>(i);
        }
    }
    return k;
}

}  // namespace wymiarowanie
