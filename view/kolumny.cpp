// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/kolumny.h"

#include <cmath>
#include <limits>

#include "core/model.h"
#include "view/dane.h"

namespace tabele {

int SkrajneRzeczywiste::szerokosc(Powierzchnia& dc, const char* f) const {
    int w = 0;
    auto sprawdz = [&](float v) { w = std::max(w, dc.szerokosc_tekstu(format(f, v))); };
    if (najwieksza_ >= najmniejsza_) {
        sprawdz(najwieksza_);
        sprawdz(najmniejsza_);
        // Only -0.0 carries the minus without being below zero.
        if (minus_ && najmniejsza_ >= 0.0f) sprawdz(-0.0f);
    }
    for (bool znak : {false, true}) {
        const float z = znak ? -1.0f : 1.0f;
        if (nieskonczonosc_[znak]) sprawdz(z * std::numeric_limits<float>::infinity());
        if (nan_[znak]) sprawdz(std::copysign(std::numeric_limits<float>::quiet_NaN(), z));
    }
    return w;
}

int SkrajneCalkowite::szerokosc(Powierzchnia& dc, const char* f) const {
    if (min_ > max_) return 0;
    return std::max(dc.szerokosc_tekstu(format(f, min_)), dc.szerokosc_tekstu(format(f, max_)));
}

int SkrajneCalkowite::szerokosc_dof(Powierzchnia& dc) const {
    if (min_ > max_) return 0;
    // The label names the node with X or Y: try both letters at either end.
    int w = 0;
    for (int skraj : {min_, max_})
        for (int d : {-1, 0, 1}) {
            const std::int64_t k = std::int64_t{skraj} + d;
            if (k >= min_ && k <= max_) {
                w = std::max(w, dc.szerokosc_tekstu(etykieta_dof(static_cast<int>(k))));
            }
        }
    return w;
}

int szerokosc_numerow(Powierzchnia& dc, int n) {
    return n > 0 ? dc.szerokosc_tekstu(format("%d", n)) : 0;
}

Prawo rozmiesc(std::span<Kolumna> k) {
    Prawo p;
    for (std::size_t i = 0; i < k.size(); ++i) {
        if (i > 0) {
            const int x = k[i - 1].x + k[i - 1].wartosci + odstep;
            if (x > k[i].x) {
                p.przesuniecie = std::max(p.przesuniecie, x - k[i].x);
                k[i].x = x;
            }
        }
        p.tekstu = std::max({p.tekstu, k[i].x + k[i].wartosci, k[i].x + k[i].naglowek});
    }
    return p;
}

}  // namespace tabele
