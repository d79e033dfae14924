// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/etykiety.h"

#include <algorithm>
#include <cmath>

Pudelko pudelko_odcinka(int x1, int y1, int x2, int y2, int grubosc) {
    // A wide pen spreads half its width to either side of the line.
    const int p = std::max(grubosc, 1) / 2;
    return {std::min(x1, x2) - p, std::min(y1, y2) - p, std::max(x1, x2) + p + 1,
            std::max(y1, y2) + p + 1};
}

bool odcinek_przez(const Pudelko& p, float x1, float y1, float x2, float y2, float odstep) {
    // Liang-Barsky against the box grown by the spacing.
    const float l = static_cast<float>(p.lewo) - odstep, r = static_cast<float>(p.prawo) + odstep;
    const float g = static_cast<float>(p.gora) - odstep, d = static_cast<float>(p.dol) + odstep;
    const float dx = x2 - x1, dy = y2 - y1;
    const float ps[4] = {-dx, dx, -dy, dy};
    const float qs[4] = {x1 - l, r - x1, y1 - g, d - y1};
    float t0 = 0.0f, t1 = 1.0f;
    for (int i = 0; i < 4; ++i) {
        if (ps[i] == 0.0f) {
            if (qs[i] < 0.0f) return false;
            continue;
        }
        const float t = qs[i] / ps[i];
        if (ps[i] < 0.0f)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1) return false;
    }
    return true;
}

RozmieszczenieEtykiet::RozmieszczenieEtykiet(int szerokosc, int wysokosc, int odstep)
    : szerokosc_(std::max(szerokosc, 0)),
      wysokosc_(std::max(wysokosc, 0)),
      odstep_(std::max(odstep, 0)),
      kolumny_(szerokosc_ / bok_x + 1),
      wiersze_(wysokosc_ / bok_y + 1),
      siatka_(static_cast<std::size_t>(kolumny_) * static_cast<std::size_t>(wiersze_)) {}

RozmieszczenieEtykiet::Zakres RozmieszczenieEtykiet::komorki(const Pudelko& p) const {
    // The cells of the box grown by the spacing; what lies off the drawing has none.
    const long long l = static_cast<long long>(p.lewo) - odstep_;
    const long long r = static_cast<long long>(p.prawo) + odstep_;
    const long long g = static_cast<long long>(p.gora) - odstep_;
    const long long d = static_cast<long long>(p.dol) + odstep_;
    if (r <= 0 || d <= 0 || l >= szerokosc_ || g >= wysokosc_ || r <= l || d <= g)
        return {0, -1, 0, -1};
    auto kom = [](long long v, int bok, int ile) {
        return static_cast<int>(std::clamp<long long>(v / bok, 0, ile - 1));
    };
    return {kom(std::max(l, 0LL), bok_x, kolumny_), kom(r - 1, bok_x, kolumny_),
            kom(std::max(g, 0LL), bok_y, wiersze_), kom(d - 1, bok_y, wiersze_)};
}

void RozmieszczenieEtykiet::wstaw(const Pudelko& p) {
    const Zakres z = komorki(p);
    if (z.k0 > z.k1 || z.w0 > z.w1) return;
    const auto i = static_cast<std::uint32_t>(zajete_.size());
    zajete_.push_back(p);
    for (int w = z.w0; w <= z.w1; ++w)
        for (int k = z.k0; k <= z.k1; ++k) siatka_[indeks(w, k)].push_back(i);
}

void RozmieszczenieEtykiet::linia(float x1, float y1, float x2, float y2, int wlasciciel) {
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2))
        return;
    // Only the part within the drawing can meet a label.
    const float sz = static_cast<float>(szerokosc_), wy = static_cast<float>(wysokosc_);
    float t0 = 0.0f, t1 = 1.0f;
    const float dx = x2 - x1, dy = y2 - y1;
    const float ps[4] = {-dx, dx, -dy, dy};
    const float qs[4] = {x1, sz - x1, y1, wy - y1};
    for (int i = 0; i < 4; ++i) {
        if (ps[i] == 0.0f) {
            if (!(qs[i] >= 0.0f)) return;
            continue;
        }
        const float t = qs[i] / ps[i];
        if (ps[i] < 0.0f)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (!(t0 <= t1)) return;
    }
    const float ax = x1 + t0 * dx, ay = y1 + t0 * dy, bx = x1 + t1 * dx, by = y1 + t1 * dy;
    auto kolumna = [&](float x) {
        return std::clamp(static_cast<int>(x) / bok_x, 0, kolumny_ - 1);
    };
    auto wiersz = [&](float y) { return std::clamp(static_cast<int>(y) / bok_y, 0, wiersze_ - 1); };
    // A short line away from every area where labels mind lines is not noted at all.
    if (!obszar_.empty()) {
        const int k0 = kolumna(std::min(ax, bx)), k1 = kolumna(std::max(ax, bx));
        const int w0 = wiersz(std::min(ay, by)), w1 = wiersz(std::max(ay, by));
        if ((k1 - k0 + 1) * (w1 - w0 + 1) <= 16) {
            bool potrzebna = false;
            for (int w = w0; w <= w1 && !potrzebna; ++w)
                for (int k = k0; k <= k1 && !potrzebna; ++k) potrzebna = obszar_[indeks(w, k)];
            if (!potrzebna) return;
        }
    }
    if (siatka_linii_.empty()) siatka_linii_.resize(siatka_.size());
    const auto nr = static_cast<std::uint32_t>(linie_.size());
    bool zanotowana = false;
    // Steps of at most half a cell, each noting the cells of its own short piece.
    const int krokow = 1 + static_cast<int>(std::max(std::fabs(bx - ax) / (bok_x / 2),
                                                     std::fabs(by - ay) / (bok_y / 2)));
    for (int i = 0; i < krokow; ++i) {
        const float u0 = static_cast<float>(i) / static_cast<float>(krokow);
        const float u1 = static_cast<float>(i + 1) / static_cast<float>(krokow);
        const float px0 = ax + (bx - ax) * u0, py0 = ay + (by - ay) * u0;
        const float px1 = ax + (bx - ax) * u1, py1 = ay + (by - ay) * u1;
        const int k0 = kolumna(std::min(px0, px1)), k1 = kolumna(std::max(px0, px1));
        const int w0 = wiersz(std::min(py0, py1)), w1 = wiersz(std::max(py0, py1));
        for (int w = w0; w <= w1; ++w)
            for (int k = k0; k <= k1; ++k) {
                const std::size_t c = indeks(w, k);
                if (!obszar_.empty() && !obszar_[c]) continue;
                std::vector<std::uint32_t>& l = siatka_linii_[c];
                if (l.empty() || l.back() != nr) l.push_back(nr), zanotowana = true;
            }
    }
    if (zanotowana) linie_.push_back({x1, y1, x2, y2, wlasciciel});
}

void RozmieszczenieEtykiet::obszar_linii(const Pudelko& p) {
    const Zakres z = komorki(p);
    if (z.k0 > z.k1 || z.w0 > z.w1) return;
    if (obszar_.empty()) obszar_.assign(siatka_.size(), 0);
    for (int w = z.w0; w <= z.w1; ++w)
        for (int k = z.k0; k <= z.k1; ++k) obszar_[indeks(w, k)] = 1;
}

bool RozmieszczenieEtykiet::bez_linii(const Pudelko& p, int wlasciciel) const {
    if (siatka_linii_.empty()) return true;
    const Zakres z = komorki(p);
    for (int w = z.w0; w <= z.w1; ++w)
        for (int k = z.k0; k <= z.k1; ++k)
            for (std::uint32_t i : siatka_linii_[indeks(w, k)]) {
                const Linia& l = linie_[i];
                if (l.wlasciciel != wlasciciel &&
                    odcinek_przez(p, l.x1, l.y1, l.x2, l.y2, static_cast<float>(odstep_) / 2))
                    return false;
            }
    return true;
}

void RozmieszczenieEtykiet::przeszkoda(const Pudelko& p) {
    wstaw(p);
}

bool RozmieszczenieEtykiet::wolne(const Pudelko& p) const {
    if (p.lewo < 0 || p.gora < 0 || p.prawo > szerokosc_ || p.dol > wysokosc_) return false;
    const Zakres z = komorki(p);
    for (int w = z.w0; w <= z.w1; ++w)
        for (int k = z.k0; k <= z.k1; ++k)
            for (std::uint32_t i : siatka_[indeks(w, k)])
                if (zajete_[i].blisko(p, odstep_)) return false;
    return true;
}

std::optional<Pudelko> RozmieszczenieEtykiet::umiesc(int w, int h, const Miejsce* miejsca,
                                                     std::size_t ile, int wlasciciel) {
    if (w <= 0 || h <= 0) return std::nullopt;
    for (std::size_t i = 0; i < ile; ++i) {
        const Pudelko p{miejsca[i].x, miejsca[i].y, miejsca[i].x + w, miejsca[i].y + h};
        // Places far off the drawing would overflow the right edge's sum; they are never free.
        if (miejsca[i].x < 0 || miejsca[i].y < 0 || miejsca[i].x > szerokosc_ ||
            miejsca[i].y > wysokosc_ || !wolne(p))
            continue;
        if (wlasciciel >= 0) {
            Pudelko obszar = p;
            if (miejsca[i].z_kotwica && std::isfinite(miejsca[i].kx) &&
                std::isfinite(miejsca[i].ky)) {
                const int kx = static_cast<int>(std::floor(miejsca[i].kx));
                const int ky = static_cast<int>(std::floor(miejsca[i].ky));
                obszar = {std::min(p.lewo, kx), std::min(p.gora, ky), std::max(p.prawo, kx + 1),
                          std::max(p.dol, ky + 1)};
            }
            if (!bez_linii(obszar, wlasciciel)) continue;
        }
        wstaw(p);
        etykiety_.push_back(p);
        return p;
    }
    return std::nullopt;
}
