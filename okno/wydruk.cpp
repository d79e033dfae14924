// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the main view and print: the window's own painting on other surfaces, which the
// platform provides.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "okno/okno.h"
#include "view/dane.h"
#include "view/wyniki.h"

namespace {

// A picture is this many pixels across and down at least (a smaller view draws nothing) and at
// most (an image larger would not fit in memory).
constexpr int najmniejszy = 160, najwiekszy = 10000;

struct Format {
    const char* filtr;
    const char* rozszerzenie;
};
Format format(FormatObrazu f) {
    switch (f) {
        case FormatObrazu::svg:
            return {"Obraz SVG (*.svg)|*.svg|", "svg"};
        case FormatObrazu::pdf:
            return {"Obraz PDF (*.pdf)|*.pdf|", "pdf"};
        case FormatObrazu::png:
            break;
    }
    return {"Obraz PNG (*.png)|*.png|", "png"};
}

std::string nazwa_pliku(const std::string& sciezka) {
    return sciezka.substr(sciezka.find_last_of('/') + 1);
}
std::string folder_pliku(const std::string& sciezka) {
    const std::size_t ukosnik = sciezka.find_last_of('/');
    return ukosnik == std::string::npos ? "" : ukosnik == 0 ? "/" : sciezka.substr(0, ukosnik);
}

// The number in a size field, or 0 when it is none within the limits.
int wymiar(const char* pole) {
    char* koniec = nullptr;
    const long v = std::strtol(pole, &koniec, 10);
    if (koniec == pole || *koniec != '\0' || v < najmniejszy || v > najwiekszy) return 0;
    return static_cast<int>(v);
}

}  // namespace

void _OKNO_::Paint_obrazu(Powierzchnia& dc, int szerokosc, int wysokosc, bool proporcje) {
    const StanWidoku widok_okna = widok;
    const float maxx_okna = maxx;
    const Model& m = model;
    const float ax = m.ax, aa = m.aa, x0 = m.x0, sx = m.sx, sa = m.sa;
    // A free mapping is in the window's pixels: the part of the model the window shows is
    // scaled into the picture, centred.
    const int w0 = widok.szerokosc, h0 = widok.wysokosc;
    if (widok.swobodny && w0 > 0 && h0 > 0 && (w0 != szerokosc || h0 != wysokosc)) {
        const float fx = static_cast<float>(szerokosc) / static_cast<float>(w0);
        const float fy = static_cast<float>(wysokosc) / static_cast<float>(h0);
        const float f = fx < fy ? fx : fy;
        Odwzorowanie& o = widok.swobodne;
        o.kx *= f, o.ka *= f;
        o.px = o.px * f + (static_cast<float>(szerokosc) - static_cast<float>(w0) * f) * 0.5f;
        o.py = o.py * f + (static_cast<float>(wysokosc) - static_cast<float>(h0) * f) * 0.5f;
    }
    const KadrObrazu kadr{proporcje};
    maluj(dc, szerokosc, wysokosc, &kadr);
    widok = widok_okna;
    maxx = maxx_okna;
    model.ax = ax, model.aa = aa, model.x0 = x0, model.sx = sx, model.sa = sa;
    siatka.uniewaznij();
}

void _OKNO_::eksport_obrazu(FormatObrazu f) {
    if (model.Pusty != 0) return;
    // The window's size is offered; a view never painted offers a common one.
    d_rozmiar r{};
    const bool jest_okno = widok.szerokosc >= najmniejszy && widok.wysokosc >= najmniejszy;
    const std::string w0 = std::to_string(jest_okno ? std::min(widok.szerokosc, najwiekszy) : 1280);
    const std::string h0 = std::to_string(jest_okno ? std::min(widok.wysokosc, najwiekszy) : 800);
    std::snprintf(r.w, sizeof r.w, "%s", w0.c_str());
    std::snprintf(r.h, sizeof r.h, "%s", h0.c_str());
    // A picture keeps the model's proportions unless the user says otherwise.
    r.proporcje = 1;
    int w = 0, h = 0;
    for (;;) {
        if (port.Dialog(3120, &r, cyfry()) != 1) return;
        w = wymiar(r.w), h = wymiar(r.h);
        if (w == 0)
            blad_danych("Zła szerokość obrazu (od 160 do 10000 pikseli)");
        else if (h == 0)
            blad_danych("Zła wysokość obrazu (od 160 do 10000 pikseli)");
        else
            break;
    }

    // The dialog starts in the folder of the last picture, and offers the project's name.
    const Format opis = format(f);
    UstawieniaPliku s;
    s.filtr = opis.filtr;
    s.rozszerzenie = opis.rozszerzenie;
    s.musi_istniec = false;
    s.katalog = port.Ustawienie("obrazy/katalog");
    if (s.katalog.empty()) s.katalog = folder_pliku(plik_projektu);
    if (!plik_projektu.empty()) {
        const std::string n = nazwa_pliku(plik_projektu);
        s.nazwa = n.substr(0, n.find_last_of('.')) + "." + opis.rozszerzenie;
    }
    std::string plik;
    if (!nazwa_do_zapisu(s, plik)) return;
    std::string powod;
    const bool proporcje = r.proporcje == 1;
    const bool zapisano = port.ZapiszObraz(
        plik, f, w, h,
        [this, w, h, proporcje](Powierzchnia& dc) { Paint_obrazu(dc, w, h, proporcje); }, powod);
    if (!zapisano) {
        port.MessageBox(
            powod.empty() ? "Nie można zapisać do pliku" : "Nie można zapisać do pliku\n" + powod,
            "Błąd operacji dyskowej", Ikona::wykrzyknik, Przyciski::ok);
        return;
    }
    port.ZapiszUstawienie("obrazy/katalog", folder_pliku(plik));
}

void _OKNO_::Cm_obraz_png() {
    eksport_obrazu(FormatObrazu::png);
}
void _OKNO_::Cm_obraz_svg() {
    eksport_obrazu(FormatObrazu::svg);
}
void _OKNO_::Cm_obraz_pdf() {
    eksport_obrazu(FormatObrazu::pdf);
}
void _OKNO_::Ce_obraz(TCommandEnabler& ce) {
    ce.Enable(model.Pusty == 0);
}

void _OKNO_::Cm_drukuj() {
    if (model.Pusty != 0) return;
    Wydruk w;
    w.nazwa = plik_projektu.empty() ? "Beznazwy.V2D" : nazwa_pliku(plik_projektu);
    // The drawing is the window's at one scale for X and Y, as tall as the page's width makes it.
    const bool jest_okno = widok.szerokosc >= najmniejszy && widok.wysokosc >= najmniejszy;
    w.szerokosc = jest_okno ? widok.szerokosc : 1280;
    w.wysokosc = jest_okno ? widok.wysokosc : 800;
    w.rysunek = [this](Powierzchnia& dc, int s, int h) { Paint_obrazu(dc, s, h); };
    w.wysokosc_rysunku = [this](Powierzchnia& dc, int s) { return wysokosc_obrazu(dc, s); };
    w.tabele.push_back(std::make_unique<_DANE_>(model, jednostki));
    // The results as the results window shows them: the envelope has a table of its own.
    if (model.obliczono == 1 && pokaz.rodzaj == PokazWynikow::obwiednia &&
        model.wyniki.size() == projekt.przypadki.size())
        w.tabele.push_back(tabela_obwiedni());
    else if (model.obliczono == 1)
        w.tabele.push_back(
            std::make_unique<_WYNIKI_>(model, port, jednostki, tabele_wymiarowania()));
    port.Drukuj(w);
}
void _OKNO_::Ce_drukuj(TCommandEnabler& ce) {
    ce.Enable(model.Pusty == 0);
}
