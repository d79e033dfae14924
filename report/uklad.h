// SPDX-License-Identifier: GPL-3.0-or-later
// The report's document laid out into pages: A4, portrait, with drawings on landscape pages
// where the truss reads larger so; a title block on every page (the project's title, author,
// date and "Strona k z N"); headings kept with what follows them; tables split between pages with
// their header repeated; drawings never split. Positions are in millimetres from the page's top
// left corner; the page writer (qt/raport.h) only draws what the layout placed.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "report/dokument.h"

// The widths of texts in the report's styles, in millimetres; the page writer measures them with
// the fonts it draws with.
class MiaraTekstu {
  public:
    virtual ~MiaraTekstu() = default;
    // A text in style s at `skala` of the style's size (subscripts are smaller).
    virtual double szerokosc(const std::string& t, Styl s, double skala = 1.0) = 0;
};

// Font size in points and weight of each style, and a line's height in millimetres.
double punkty(Styl s);
bool pogrubiony(Styl s);
double wiersz_mm(Styl s);
inline constexpr double mm_punktu = 25.4 / 72.0;
// Subscripts and superscripts are set at this fraction of their paragraph's size.
inline constexpr double skala_indeksu = 0.7;

struct UstawieniaStron {
    double szerokosc = 210, wysokosc = 297;  // of a portrait page; landscape turns it
    double lewy = 20, prawy = 15, gorny = 10, dolny = 10;
    double mm_piksela = 0.3;  // a drawing's pixel on paper: its 12-pixel text is 8.5 pt
};

struct ElementStrony {
    enum Rodzaj { tekst, linia, tlo, wiersze, rysunek };
    Rodzaj rodzaj = tekst;
    // tekst: x (its right end when do_prawej) and the baseline y; linia: from (x, y) to
    // (x + w, y + h); tlo, rysunek: the box; wiersze: the top of its first row.
    double x = 0, y = 0, w = 0, h = 0;
    Styl styl = Styl::tekst;
    double skala = 1.0;
    Kolor kolor = czarny;
    std::string napis;
    bool do_prawej = false;
    std::size_t blok = 0;              // wiersze, rysunek: the block in the document
    std::size_t od = 0, do_ = 0;       // wiersze: rows od .. do_ - 1
    int piksele_w = 0, piksele_h = 0;  // rysunek: its size in the drawing's pixels
};

struct StronaRaportu {
    Orientacja orientacja = Orientacja::pionowa;
    double szerokosc = 210, wysokosc = 297;
    std::vector<ElementStrony> elementy;
};

// Where a table's columns stand, for its rows (the same on every page).
struct KolumnyTabeli {
    std::vector<double> x, w;  // left edge and width of each column, mm
    double skala = 1.0;        // of the table style's size, when the table had to narrow
    double wiersz = 0;         // row height, mm
};

struct UkladRaportu {
    UstawieniaStron ustawienia;
    std::vector<StronaRaportu> strony;
    std::vector<KolumnyTabeli> tabele;  // by block; empty for blocks that are no table
    // The page each heading begins on (1-based), by block; 0 for blocks that are no heading.
    std::vector<int> strona_bloku;
};

// Lays the document out. Tables must have been prepared (Tabela::przygotuj).
UkladRaportu rozloz(const DokumentRaportu& d, MiaraTekstu& m, const UstawieniaStron& u = {});

// The orientation in which a drawing that needs `wysokosc(w)` pixels at a width w reads larger:
// landscape when it is at least a fifth larger there.
Orientacja orientacja_rysunku(const std::function<int(int)>& wysokosc,
                              const UstawieniaStron& u = {});
