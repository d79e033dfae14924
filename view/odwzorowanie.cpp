// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/odwzorowanie.h"

#include <algorithm>
#include <cmath>

void Odwzorowanie::przybliz(float f, float x, float y) {
    kx *= f;
    ka *= f;
    px = x - f * (x - px);
    const float u = h - y;  // the cursor's height above the bottom edge
    py = u - f * (u - py);
}

void Odwzorowanie::przesun(float dx, float dy) {
    px += dx;
    py -= dy;
}

namespace {
bool dodatnia(float s) {
    return s > 0.0f && std::isfinite(s);
}
}  // namespace

Odwzorowanie kadr_proporcjonalny(float ax, float mx, float aa, float ma, float w, float h,
                                 const Marginesy& m) {
    const float szer = w - m.lewo - m.prawo, wys = h - m.gora - m.dol;
    float rx = mx - ax, ra = ma - aa;
    if (!std::isfinite(rx) || rx < 0.0f) rx = 0.0f;
    if (!std::isfinite(ra) || ra < 0.0f) ra = 0.0f;
    float s;
    if (rx > 0.0f && ra > 0.0f)
        s = std::min(szer / rx, wys / ra);
    else if (rx > 0.0f)
        s = szer / rx;
    else if (ra > 0.0f)
        s = wys / ra;
    else
        s = std::min(szer, wys);
    if (!dodatnia(s)) s = 1.0f;
    Odwzorowanie o;
    o.ax = ax, o.aa = aa, o.kx = s, o.ka = s, o.h = h;
    o.px = m.lewo + (szer - rx * s) * 0.5f;
    o.py = m.dol + (wys - ra * s) * 0.5f;
    return o;
}

Odwzorowanie kadr_pusty(float w, float h) {
    float s = std::min(w - 50.0f, h - 50.0f) / 10.0f;
    if (!dodatnia(s)) s = 1.0f;
    Odwzorowanie o;
    o.kx = s, o.ka = s, o.h = h;
    return o;
}
