// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/paleta.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "okno/okno.h"
#include "view/piksel.h"

Kolor kolor_palety(int i) {
    auto c = [](int v) { return static_cast<std::uint8_t>(v); };
    if (i < 0) i = 0;
    if (i > 200) i = 200;
    if (i < 50) return Kolor{c(105 + 2 * i), 0, 0};
    if (i < 100) return Kolor{255, c(2 * i + 7), 0};
    if (i < 150) return Kolor{0, c(2 * i - 93), 0};
    return Kolor{0, c(i - 50), c(2 * i - 158)};
}

void _OKNO_::Pasek_kol() {
    for (int i = 0; i <= 200; ++i) knapr[i] = kolor_palety(i);
}

ZakresNaprezen zakres_naprezen(const float* s, int ne) {
    ZakresNaprezen z;
    z.mn = z.an = s[1];
    for (int b = 1; b <= ne; ++b) {
        if (s[b] > z.mn) z.mn = s[b];
        if (s[b] < z.an) z.an = s[b];
    }
    if (z.mn == z.an) z.mn = z.an + 1.0f;
    z.ss = 200.0f / (z.mn - z.an);
    return z;
}

int indeks_koloru(float s, const ZakresNaprezen& z) {
    const float j = 200.0f - (s - z.an) * z.ss;
    // Truncation toward zero puts (-1, 0) at 0 as the clamp would; a NaN falls to 0 too.
    if (j >= 200.0f) return 200;
    if (j > 0.0f) return static_cast<int>(j);
    return 0;
}

const char* format_etykiety(float mn) {
    if (mn > 100.0f) return "%5.0f";
    if (mn > 1.0f) return "%2.3f";
    return "%1.5f";
}

UkladPaska uklad_paska(Powierzchnia& dc, const ZakresNaprezen& z, float w, float h,
                       const char* jednostka) {
    UkladPaska u;
    u.sp = (w - 50.0f) * 0.005f;
    u.h = h;
    const char* format = format_etykiety(z.mn);
    const int prawa = piksel(w) - 2;
    int szer[UkladPaska::etykiet];
    int x[UkladPaska::etykiet];
    for (int k = 0; k < UkladPaska::etykiet; ++k) {
        const int i = k == 0 ? 1 : 25 * k;
        const float fi = static_cast<float>(i);
        const float v = i == 1 ? z.an + 200.0f / z.ss : z.an + (200.0f - fi) / z.ss;
        char bufor[64];
        std::snprintf(bufor, sizeof bufor, format, static_cast<double>(v));
        u.teksty[k] = bufor;
        if (k == 0 && *jednostka) u.teksty[k] += std::string(" ") + jednostka;
        szer[k] = dc.szerokosc_tekstu(u.teksty[k]);
        // Over its segment, but never past either edge of the drawing.
        x[k] = std::max(2, std::min(piksel(20.0f + (fi - 1.0f) * u.sp), prawa - szer[k]));
    }
    // A label held back from the right edge holds back those before it: they stay in order.
    for (int k = UkladPaska::etykiet - 2; k >= 0; --k) x[k] = std::max(2, std::min(x[k], x[k + 1]));
    // As few rows as keep 4 pixels between neighbours in a row; the first row lies lowest.
    auto miesci_sie = [&](int wierszy) {
        for (int k = wierszy; k < UkladPaska::etykiet; ++k)
            if (x[k] < x[k - wierszy] + szer[k - wierszy] + 4) return false;
        return true;
    };
    while (u.wierszy < UkladPaska::etykiet && !miesci_sie(u.wierszy)) ++u.wierszy;
    for (int k = 0; k < UkladPaska::etykiet; ++k) {
        const int y = piksel(h - 24.0f) - (k % u.wierszy) * (UkladPaska::wysokosc_tekstu + 1);
        u.miejsca[k] = {x[k], y, x[k] + szer[k], y + UkladPaska::wysokosc_tekstu};
    }
    return u;
}

void pasek_skali(Powierzchnia& dc, const Kolor* knapr, const UkladPaska& u, float w) {
    const float h = u.h, sp = u.sp;
    // The band is the legend's own: a view moved under it does not show through.
    dc.pioro(bialy, 1, StylPiora::ciagle);
    dc.pedzel(bialy);
    dc.prostokat(0, piksel(h) - u.wysokosc(), piksel(w), piksel(h));
    dc.pioro(czarny, 1, StylPiora::ciagle);
    const int prawo = piksel(25.0f + 200.0f * sp);
    const OdcinekEkranu rama[2] = {{25, piksel(h - 1.0f), prawo, piksel(h - 1.0f)},
                                   {25, piksel(h - 10.0f), prawo, piksel(h - 10.0f)}};
    dc.odcinki(rama, 2);

    const int gora = piksel(h - 9.0f), dol = piksel(h - 2.0f);
    for (int i = 1; i <= 200; ++i) {
        const float fi = static_cast<float>(i);
        dc.pioro(knapr[i], 1, StylPiora::ciagle);
        dc.pedzel(knapr[i]);
        dc.prostokat(piksel(25.0f + (fi - 1.0f) * sp), gora, piksel(25.0f + fi * sp), dol);
    }
    for (int k = 0; k < UkladPaska::etykiet; ++k)
        dc.tekst(u.miejsca[k].lewo, u.miejsca[k].gora, u.teksty[k]);
}
