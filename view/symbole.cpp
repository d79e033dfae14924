// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/symbole.h"

#include <algorithm>
#include <cmath>

Pudelko podpora(Kreski& k, float sX, float sY, bool wx, bool wy) {
    if (wy) {
        k.odcinek(sX, sY + 2, sX - 8, sY + 10);
        k.odcinek(sX - 8, sY + 10, sX + 8, sY + 10);
        k.odcinek(sX + 8, sY + 10, sX, sY + 2);
        // A pin sits on the triangle's base; a roller has a ground line with the hatching below.
        const float podstawa = wx ? 10.0f : 14.0f;
        if (!wx) k.odcinek(sX - 8, sY + 14, sX + 8, sY + 14);
        for (int s = 0; s <= 4; ++s) {
            const float d = static_cast<float>(4 * s);
            k.odcinek(sX - 8 + d, sY + podstawa, sX - 14 + d, sY + podstawa + 4);
        }
        return {piksel(sX - 14), piksel(sY + 2), piksel(sX + 9), piksel(sY + podstawa + 5)};
    }
    if (wx) {
        k.odcinek(sX + 4, sY - 2, sX + 12, sY + 6);
        k.odcinek(sX + 12, sY + 6, sX + 12, sY - 10);
        k.odcinek(sX + 12, sY - 10, sX + 4, sY - 2);
        k.odcinek(sX + 16, sY - 10, sX + 16, sY + 6);
        for (int s = 0; s <= 4; ++s) {
            const float d = static_cast<float>(4 * s);
            k.odcinek(sX + 16, sY - 10 + d, sX + 20, sY - 16 + d);
        }
        return {piksel(sX + 4), piksel(sY - 16), piksel(sX + 21), piksel(sY + 7)};
    }
    return {};
}

Strzalka strzalka_sily(float sX, float sY, bool wzdluz_y, bool dodatnia) {
    const float d = dlugosc_strzalki;
    if (wzdluz_y) return {sX, sY, sX, dodatnia ? sY - d : sY + d};  // model Y grows upwards
    return {sX, sY, dodatnia ? sX + d : sX - d, sY};
}

Strzalka strzalka_reakcji(float sX, float sY, bool wzdluz_y, bool dodatnia, bool wy) {
    const float d = dlugosc_strzalki;
    if (wzdluz_y) {
        // Below the symbol's hatching, and below the tip of a force's arrow at the same node.
        const float a = sY + d + 5.0f, b = a + d;
        return dodatnia ? Strzalka{sX, b, sX, a} : Strzalka{sX, a, sX, b};
    }
    if (wy) {
        // Level with the pin's triangle, to its left.
        const float y = sY + 6.0f, a = sX - 12.0f - d, b = sX - 12.0f;
        return dodatnia ? Strzalka{a, y, b, y} : Strzalka{b, y, a, y};
    }
    // Beyond the roller's wall, level with its triangle's point.
    const float y = sY - 2.0f, a = sX + 24.0f, b = a + d;
    return dodatnia ? Strzalka{a, y, b, y} : Strzalka{b, y, a, y};
}

void rysuj(Kreski& k, const Strzalka& s) {
    const float dx = s.x2 - s.x1, dy = s.y2 - s.y1;
    const float l = std::sqrt(dx * dx + dy * dy);
    if (!(l > 0.0f)) return;
    const float ux = dx / l, uy = dy / l;
    // The strokes 4 pixels to either side: left then right of a vertical arrow, below then above
    // a horizontal one.
    const float bx = std::fabs(uy), by = std::fabs(ux);
    k.odcinek(s.x1, s.y1, s.x2, s.y2);
    k.odcinek(s.x2, s.y2, s.x2 - 6 * ux - 4 * bx, s.y2 - 6 * uy + 4 * by);
    k.odcinek(s.x2, s.y2, s.x2 - 6 * ux + 4 * bx, s.y2 - 6 * uy - 4 * by);
}

Pudelko pudelko(const Strzalka& s, int grubosc) {
    Pudelko p = pudelko_odcinka(piksel(s.x1), piksel(s.y1), piksel(s.x2), piksel(s.y2), grubosc);
    // The head reaches 4 pixels to either side of the shaft.
    if (s.x1 == s.x2)
        p.lewo -= 4, p.prawo += 4;
    else
        p.gora -= 4, p.dol += 4;
    return p;
}

std::size_t miejsca_strzalki(const Strzalka& s, float xw, float yw, int w, int h, Miejsce* m) {
    const float fw = static_cast<float>(w), fh = static_cast<float>(h);
    std::size_t n = 0;
    auto dodaj = [&](float x, float y) { m[n++] = {piksel(std::floor(x)), piksel(std::floor(y))}; };
    // Beside the shaft clear of the head, then farther out, clear of a support's symbol or another
    // arrow at the same node; then beyond the end away from the node.
    if (s.x1 == s.x2) {
        const float x = s.x1, srodek = (s.y1 + s.y2) * 0.5f;
        const bool druga = std::fabs(s.y2 - yw) >= std::fabs(s.y1 - yw);
        const float koniec = druga ? s.y2 : s.y1, inny = druga ? s.y1 : s.y2;
        for (const float d : {7.0f, 16.0f}) {
            dodaj(x + d, srodek - fh / 2);
            dodaj(x - d - fw, srodek - fh / 2);
            dodaj(x + d, koniec - fh / 2);
            dodaj(x - d - fw, koniec - fh / 2);
        }
        dodaj(x - fw / 2, koniec > inny ? koniec + 3 : koniec - 3 - fh);
    } else {
        const float y = s.y1, srodek = (s.x1 + s.x2) * 0.5f;
        const bool druga = std::fabs(s.x2 - xw) >= std::fabs(s.x1 - xw);
        const float koniec = druga ? s.x2 : s.x1, inny = druga ? s.x1 : s.x2;
        for (const float d : {7.0f, 16.0f}) {
            dodaj(srodek - fw / 2, y - d - fh);
            dodaj(srodek - fw / 2, y + d);
            dodaj(koniec - fw / 2, y - d - fh);
            dodaj(koniec - fw / 2, y + d);
        }
        dodaj(koniec > inny ? koniec + 3 : koniec - 3 - fw, y - fh / 2);
    }
    return n;
}

std::size_t miejsca_wezla(float sX, float sY, int w, int h, Miejsce* m) {
    const float fw = static_cast<float>(w), fh = static_cast<float>(h);
    m[0] = {piksel(sX + 5), piksel(sY + 5)};
    m[1] = {piksel(sX + 5), piksel(sY - 5 - fh)};
    m[2] = {piksel(sX - 5 - fw), piksel(sY + 5)};
    m[3] = {piksel(sX - 5 - fw), piksel(sY - 5 - fh)};
    return 4;
}

std::size_t miejsca_preta(float xA, float yA, float xB, float yB, int w, int h, Miejsce* m) {
    const float fw = static_cast<float>(w), fh = static_cast<float>(h);
    const float dx = xB - xA, dy = yB - yA;
    const float dlugosc2 = dx * dx + dy * dy;
    // A comparison with NaN is false: a bar of no measurable length keeps its one place.
    if (dlugosc2 < fw * fw) return 0;
    std::size_t n = 0;
    const float mx = xA + dx * 0.5f, my = yA + dy * 0.5f;
    const int lx = piksel(3 + mx), ly = piksel(3 + my);
    if (!odcinek_przez({lx, ly, lx + w, ly + h}, xA, yA, xB, yB, 1.0f))
        m[n++] = {lx, ly, true, mx, my};
    const float l = std::sqrt(dlugosc2);
    if (!(l > 0.0f) || !std::isfinite(l)) {
        if (n == 0) m[n++] = {lx, ly};
        return n;
    }
    const float ux = dx / l, uy = dy / l;
    // The normal below the bar first, or right of a vertical one, where the labels always stood.
    float nx = -uy, ny = ux;
    if (ny < 0.0f || (ny == 0.0f && nx < 0.0f)) nx = -nx, ny = -ny;
    const float wzdluz = (std::fabs(ux) * fw + std::fabs(uy) * fh) * 0.5f;
    const float w_poprzek = (std::fabs(nx) * fw + std::fabs(ny) * fh) * 0.5f + 3.0f;
    for (const float t : {0.5f, 0.3f, 0.7f}) {
        // Away from the middle the label keeps clear of the node circles at the ends.
        if (t != 0.5f && (t * l < wzdluz + 5.0f || (1.0f - t) * l < wzdluz + 5.0f)) continue;
        for (const float s : {1.0f, -1.0f}) {
            const float kx = xA + t * dx, ky = yA + t * dy;
            const float cx = kx + s * nx * w_poprzek, cy = ky + s * ny * w_poprzek;
            m[n++] = {piksel(std::floor(cx - fw / 2)), piksel(std::floor(cy - fh / 2)), true, kx,
                      ky};
        }
    }
    return n;
}

void Zasieg::obejmij(const Zasieg& z) {
    lewo = std::max(lewo, z.lewo), prawo = std::max(prawo, z.prawo);
    gora = std::max(gora, z.gora), dol = std::max(dol, z.dol);
}

void Zasieg::obejmij(float l, float g, float p, float d) {
    lewo = std::max(lewo, -l), prawo = std::max(prawo, p);
    gora = std::max(gora, -g), dol = std::max(dol, d);
}
