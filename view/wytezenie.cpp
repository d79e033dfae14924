// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/wytezenie.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "view/piksel.h"

namespace {

struct Punkt {
    double U;
    Kolor k;
};
// The scale's colours, interpolated between these.
constexpr Punkt skala[] = {
    {0.0, {40, 150, 60}}, {0.5, {150, 200, 40}}, {0.8, {240, 200, 0}}, {1.0, {255, 130, 0}}};

std::uint8_t miedzy(std::uint8_t a, std::uint8_t b, double t) {
    return static_cast<std::uint8_t>(std::lround(a + (b - a) * t));
}

}  // namespace

Kolor kolor_wytezenia(double U) {
    if (!(U <= 1.0)) return kolor_przekroczenia;  // NaN too: never the colour of a pass
    if (U <= 0.0) return skala[0].k;
    for (std::size_t i = 1; i < std::size(skala); ++i)
        if (U <= skala[i].U) {
            const Punkt& a = skala[i - 1];
            const Punkt& b = skala[i];
            const double t = (U - a.U) / (b.U - a.U);
            return {miedzy(a.k.r, b.k.r, t), miedzy(a.k.g, b.k.g, t), miedzy(a.k.b, b.k.b, t)};
        }
    return skala[std::size(skala) - 1].k;
}

Kolor kolor_wytezenia(const WymiarowaniePreta& p) {
    switch (p.stan) {
        case StanSprawdzenia::nie_spelnia:
            return kolor_przekroczenia;
        case StanSprawdzenia::spelnia:
            return kolor_wytezenia(std::min(p.U, 1.0));
        case StanSprawdzenia::nie_sprawdzono:
            break;
    }
    return kolor_niesprawdzonego;
}

std::string etykieta_wytezenia(const WymiarowaniePreta& p) {
    if (p.kombinacja < 0) return "—";
    char t[32];
    std::snprintf(t, sizeof t, "%.2f", p.U);
    return t;
}

void legenda_wytezenia(Powierzchnia& dc, float w, float h) {
    const int H = piksel(h), W = piksel(w);
    dc.pioro(bialy, 1, StylPiora::ciagle);
    dc.pedzel(bialy);
    dc.prostokat(0, H - wysokosc_legendy_wytezenia, W, H);
    // The scale takes what the two boxes at the right leave of the drawing's width.
    const int tekst_nad = dc.szerokosc_tekstu("> 1.0");
    const int tekst_ns = dc.szerokosc_tekstu("nie sprawdzono");
    const int prawo = std::max(80, W - 25 - tekst_ns - tekst_nad - 60);
    const int lewo = 25, gora = H - 10, dol = H - 2;
    const int szer = prawo - lewo;
    for (int x = lewo; x < prawo; x += 2) {
        const Kolor k = kolor_wytezenia(static_cast<double>(x - lewo) / szer);
        dc.pioro(k, 1, StylPiora::ciagle);
        dc.pedzel(k);
        dc.prostokat(x, gora, std::min(x + 2, prawo), dol);
    }
    dc.pioro(czarny, 1, StylPiora::ciagle);
    const OdcinekEkranu rama[2] = {{lewo, H - 1, prawo, H - 1}, {lewo, H - 11, prawo, H - 11}};
    dc.odcinki(rama, 2);
    // 1.0 marked thick through the whole band of the scale.
    dc.pioro(czarny, 3, StylPiora::ciagle);
    const OdcinekEkranu jeden{prawo, H - 14, prawo, H - 1};
    dc.odcinki(&jeden, 1);
    const char* wartosci[] = {"0", "0.25", "0.5", "0.75", "1.0"};
    for (int i = 0; i < 5; ++i) {
        const int x = lewo + szer * i / 4;
        const int tw = dc.szerokosc_tekstu(wartosci[i]);
        dc.tekst(std::clamp(x - tw / 2, 2, W - tw - 2), H - 25, wartosci[i]);
    }
    // The two boxes: past the limit, and not checked.
    int x = prawo + 14;
    auto pole = [&](Kolor k, const char* t) {
        dc.pioro(k, 1, StylPiora::ciagle);
        dc.pedzel(k);
        dc.prostokat(x, gora, x + 16, dol);
        dc.tekst(x + 20, H - 14, t);
        x += 20 + dc.szerokosc_tekstu(t) + 12;
    };
    pole(kolor_przekroczenia, "> 1.0");
    pole(kolor_niesprawdzonego, "nie sprawdzono");
}
