// SPDX-License-Identifier: GPL-3.0-or-later
// The report as a document: headings, paragraphs, tables and drawings in reading order, with no
// notion of pages. The same document is laid out into pages (report/uklad.h) for the PDF, for the
// printer and for the command line. Tables produce their rows on demand and drawings draw on
// demand, so a document of a hundred thousand bars holds no copy of them.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "report/liczby.h"
#include "view/powierzchnia.h"

enum class Styl {
    tytul,
    podtytul,
    naglowek1,
    naglowek2,
    tekst,
    wzor,
    maly,
    tabela,
    naglowek_tabeli
};

// Headings are numbered by the builder ("2.1 Przypadek 1: Ciężar własny"); level 1 ones are
// listed in the contents.
struct Naglowek {
    int poziom = 1;
    std::string tekst;
};

// A paragraph, wrapped to the page's width; "\n" breaks a line. In the text, "_{...}" is set as a
// subscript and "^{...}" as a superscript, so that a formula reads as written by hand:
// "N_{b,Rd} = χ·A·f_{y}/γ_{M1}".
struct Akapit {
    std::string tekst;
    Styl styl = Styl::tekst;
    double wciecie = 0;  // mm from the left edge of the text
};

struct KolumnaTabeli {
    std::string naglowek;  // with its unit: "N [kN]"
    // Numbers (formatted by the report's rules, noise of the column as 0) or texts.
    std::function<double(std::size_t)> liczba;
    int cyfry = 4;
    std::function<std::string(std::size_t)> tekst;
    bool do_prawej = true;  // numbers and entity numbers to the right, names to the left
};

// A table of rows made on demand; `przygotuj` measures the numeric columns once.
struct Tabela {
    std::string tytul;  // "Tabela 4. Siły osiowe", over it (repeated with "(cd.)" on a new page)
    std::vector<KolumnaTabeli> kolumny;
    std::size_t wiersze = 0;
    std::string uwaga;  // under it: what the columns mean, or how the table was shortened

    void przygotuj();
    std::string komorka(std::size_t wiersz, std::size_t kolumna) const;

  private:
    std::vector<KolumnaLiczb> skale_;
};

enum class Orientacja { pionowa, pozioma };

// A drawing in pixels of the drawing surface, as the view draws (0.3 mm a pixel on paper).
struct Rysunek {
    std::string podpis;  // "Rysunek 1. Model"
    Orientacja orientacja = Orientacja::pionowa;
    // The height the drawing needs at a width, in pixels.
    std::function<int(int)> wysokosc;
    std::function<void(Powierzchnia&, int, int)> rysuj;
};

struct NowaStrona {};
// The list of the level-1 headings with their pages.
struct SpisTresci {};

using Blok = std::variant<Naglowek, Akapit, Tabela, Rysunek, NowaStrona, SpisTresci>;

struct DokumentRaportu {
    // The title block of every page.
    std::string tytul, autor, data, program;
    std::vector<Blok> bloki;
    // What the blocks' functions read, kept alive with them.
    std::shared_ptr<const void> dane;
};

// A paragraph's text in runs of one kind: plain, subscript, superscript.
struct Fragment {
    enum Rodzaj { zwykly, dolny, gorny };
    Rodzaj rodzaj = zwykly;
    std::string tekst;
};
std::vector<Fragment> fragmenty(const std::string& tekst);
