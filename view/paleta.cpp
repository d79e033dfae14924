#include "view/paleta.h"

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

void pasek_skali(Powierzchnia& dc, const Kolor* knapr, const ZakresNaprezen& z, float sp, float h,
                 const char* jednostka) {
    dc.pioro(czarny, 1, StylPiora::ciagle);
    const int prawo = piksel(25.0f + 200.0f * sp);
    const OdcinekEkranu rama[2] = {{25, piksel(h - 1.0f), prawo, piksel(h - 1.0f)},
                                   {25, piksel(h - 10.0f), prawo, piksel(h - 10.0f)}};
    dc.odcinki(rama, 2);

    const char* format = format_etykiety(z.mn);
    const int gora = piksel(h - 9.0f), dol = piksel(h - 2.0f), y_etykiety = piksel(h - 22.0f);
    char bufor[64];
    for (int i = 1; i <= 200; ++i) {
        const float fi = static_cast<float>(i);
        dc.pioro(knapr[i], 1, StylPiora::ciagle);
        dc.pedzel(knapr[i]);
        dc.prostokat(piksel(25.0f + (fi - 1.0f) * sp), gora, piksel(25.0f + fi * sp), dol);
        if (i == 1 || i % 25 == 0) {
            const float v = i == 1 ? z.an + 200.0f / z.ss : z.an + (200.0f - fi) / z.ss;
            std::snprintf(bufor, sizeof bufor, format, static_cast<double>(v));
            const int x = piksel(20.0f + (fi - 1.0f) * sp);
            dc.tekst(x, y_etykiety, bufor);
            if (i == 1 && *jednostka)
                dc.tekst(x + dc.szerokosc_tekstu(std::string(bufor) + " "), y_etykiety, jednostka);
        }
    }
}
